#include "core/SystemAccess.h"
#include "framework/Handle.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace orvane {
namespace {

// HKLM\Software is split into a 64-bit and a 32-bit view (HKCU\Software is shared), so a
// value written there shows which view the code addressed. Only a 32-bit process under
// WOW64 is redirected to the 32-bit view by default; a 64-bit process is not, so the
// tests of the view itself mean something only in the 32-bit program.
const wchar_t kBase[] = L"Software\\OrvaneTests";
const wchar_t kKey[] = L"Software\\OrvaneTests\\SystemAccess";

std::wstring Below(const std::wstring& name) {
    return std::wstring(kKey) + L"\\" + name;
}

// Registry access to one view, independent of the code under test.
UniqueKey OpenIn(REGSAM view, const std::wstring& path) {
    UniqueKey key;
    RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_ALL_ACCESS | view, key.receive());
    return key;
}

bool ExistsIn(REGSAM view, const std::wstring& path) {
    return bool(OpenIn(view, path));
}

void WriteIn(REGSAM view, const std::wstring& path, const wchar_t* name, DWORD type,
             const void* data, DWORD size) {
    UniqueKey key;
    ASSERT_EQ(ERROR_SUCCESS,
              RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0,
                              KEY_ALL_ACCESS | view, nullptr, key.receive(), nullptr));
    ASSERT_EQ(ERROR_SUCCESS,
              RegSetValueExW(key.get(), name, 0, type, static_cast<const BYTE*>(data), size));
}

void CreateIn(REGSAM view, const std::wstring& path) {
    UniqueKey key;
    ASSERT_EQ(ERROR_SUCCESS,
              RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0,
                              KEY_ALL_ACCESS | view, nullptr, key.receive(), nullptr));
}

bool ValueExistsIn(REGSAM view, const std::wstring& path, const wchar_t* name) {
    UniqueKey key = OpenIn(view, path);
    return key &&
           RegQueryValueExW(key.get(), name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

void RemoveScratch() {
    for (REGSAM view : {KEY_WOW64_64KEY, KEY_WOW64_32KEY}) {
        UniqueKey software = OpenIn(view, L"Software");
        if (software)
            RegDeleteTreeW(software.get(), L"OrvaneTests");
    }
}

class SystemAccessTest : public ::testing::Test {
protected:
    void SetUp() override { RemoveScratch(); }
    void TearDown() override { RemoveScratch(); }

    void WriteText(const wchar_t* name, const std::wstring& bytesAsText, DWORD type = REG_SZ) {
        WriteIn(KEY_WOW64_64KEY, kKey, name, type, bytesAsText.data(),
                static_cast<DWORD>(bytesAsText.size() * sizeof(wchar_t)));
    }
    bool TextEquals(const wchar_t* name, const wchar_t* expected, DWORD type = REG_SZ) {
        return RegValueEquals(HKEY_LOCAL_MACHINE, kKey, name, type, expected);
    }
};

// What WOW64 redirects: skipped where nothing is redirected.
class Wow64Test : public SystemAccessTest {
protected:
    void SetUp() override {
        if (sizeof(void*) == 8)
            GTEST_SKIP() << "only a 32-bit process under WOW64 is redirected";
        ASSERT_TRUE(IsWow64()) << "the tests need a 64-bit Wine prefix";
        SystemAccessTest::SetUp();
    }
};

TEST_F(Wow64Test, EveryOperationAddressesTheSixtyFourBitView) {
    const DWORD one = 1;
    ASSERT_TRUE(WriteRegValue(HKEY_LOCAL_MACHINE, kKey, L"Flag", REG_DWORD, &one, sizeof one));
    EXPECT_TRUE(ValueExistsIn(KEY_WOW64_64KEY, kKey, L"Flag"));
    EXPECT_FALSE(ExistsIn(KEY_WOW64_32KEY, kKey)) << "written to the redirected view";
    ASSERT_TRUE(CreateRegKey(HKEY_LOCAL_MACHINE, Below(L"Created").c_str()));
    EXPECT_TRUE(ExistsIn(KEY_WOW64_64KEY, Below(L"Created")));
    EXPECT_FALSE(ExistsIn(KEY_WOW64_32KEY, Below(L"Created")));

    EXPECT_TRUE(RegKeyExists(HKEY_LOCAL_MACHINE, kKey));
    EXPECT_TRUE(RegValueEquals(HKEY_LOCAL_MACHINE, kKey, L"Flag", REG_DWORD, &one));
    DWORD read = 0;
    DWORD size = sizeof read;
    EXPECT_TRUE(ReadRegValue(HKEY_LOCAL_MACHINE, kKey, L"Flag", REG_DWORD, &read, &size));
    EXPECT_EQ(1u, read);

    // A key that only the 32-bit view holds is invisible and untouchable.
    const std::wstring only32 = Below(L"Only32");
    WriteIn(KEY_WOW64_32KEY, only32, L"Flag", REG_DWORD, &one, sizeof one);
    CreateIn(KEY_WOW64_32KEY, only32 + L"\\Child");
    EXPECT_FALSE(RegKeyExists(HKEY_LOCAL_MACHINE, only32.c_str()));
    EXPECT_FALSE(RegValueEquals(HKEY_LOCAL_MACHINE, only32.c_str(), L"Flag", REG_DWORD, &one));
    size = sizeof read;
    EXPECT_FALSE(
        ReadRegValue(HKEY_LOCAL_MACHINE, only32.c_str(), L"Flag", REG_DWORD, &read, &size));
    EXPECT_FALSE(DeleteRegValue(HKEY_LOCAL_MACHINE, only32.c_str(), L"Flag"));
    EXPECT_FALSE(DeleteRegKey(HKEY_LOCAL_MACHINE, (only32 + L"\\Child").c_str()));
    EXPECT_FALSE(DeleteRegKeyTree(HKEY_LOCAL_MACHINE, only32.c_str()));
    EXPECT_TRUE(ValueExistsIn(KEY_WOW64_32KEY, only32, L"Flag"));
    EXPECT_TRUE(ExistsIn(KEY_WOW64_32KEY, only32 + L"\\Child"));

    EXPECT_TRUE(DeleteRegValue(HKEY_LOCAL_MACHINE, kKey, L"Flag"));
    EXPECT_FALSE(ValueExistsIn(KEY_WOW64_64KEY, kKey, L"Flag"));
    EXPECT_FALSE(DeleteRegValue(HKEY_LOCAL_MACHINE, kKey, L"Flag")) << "nothing left to delete";
    EXPECT_TRUE(DeleteRegKey(HKEY_LOCAL_MACHINE, Below(L"Created").c_str()));
    EXPECT_FALSE(ExistsIn(KEY_WOW64_64KEY, Below(L"Created")));
}

TEST_F(SystemAccessTest, DeleteRegKeyTreeRemovesEveryLevelAndNothingBeside) {
    const std::wstring tree = Below(L"Tree");
    const DWORD number = 7;
    // Several siblings per level: deleting one moves the next down to its index.
    for (const wchar_t* a : {L"A", L"B", L"C"})
        for (const wchar_t* b : {L"1", L"2"})
            for (const wchar_t* c : {L"x", L"y"}) {
                const std::wstring path = tree + L"\\" + a + L"\\" + b + L"\\" + c;
                WriteIn(KEY_WOW64_64KEY, path, L"Value", REG_DWORD, &number, sizeof number);
            }
    CreateIn(KEY_WOW64_64KEY, Below(L"Treehouse"));

    EXPECT_TRUE(DeleteRegKeyTree(HKEY_LOCAL_MACHINE, tree.c_str()));
    EXPECT_FALSE(ExistsIn(KEY_WOW64_64KEY, tree));
    EXPECT_TRUE(ExistsIn(KEY_WOW64_64KEY, Below(L"Treehouse")));
    EXPECT_FALSE(DeleteRegKeyTree(HKEY_LOCAL_MACHINE, tree.c_str())) << "already gone";
}

TEST_F(SystemAccessTest, DeleteRegKeyLeavesAKeyWithSubkeys) {
    CreateIn(KEY_WOW64_64KEY, Below(L"Parent\\Child"));
    EXPECT_FALSE(DeleteRegKey(HKEY_LOCAL_MACHINE, Below(L"Parent").c_str()));
    EXPECT_TRUE(ExistsIn(KEY_WOW64_64KEY, Below(L"Parent\\Child")));
}

TEST_F(SystemAccessTest, AnEmptyPathNeverDeletesTheKeyItIsRelativeTo) {
    CreateIn(KEY_WOW64_64KEY, Below(L"Keep\\One"));
    CreateIn(KEY_WOW64_64KEY, Below(L"Keep\\Two"));
    UniqueKey keep = OpenIn(KEY_WOW64_64KEY, Below(L"Keep"));
    ASSERT_TRUE(keep);
    EXPECT_FALSE(DeleteRegKeyTree(keep.get(), L""));
    EXPECT_FALSE(DeleteRegKeyTree(keep.get(), nullptr));
    EXPECT_FALSE(DeleteRegKey(keep.get(), L""));
    EXPECT_TRUE(ExistsIn(KEY_WOW64_64KEY, Below(L"Keep\\One")));
    EXPECT_TRUE(ExistsIn(KEY_WOW64_64KEY, Below(L"Keep\\Two")));
}

TEST_F(SystemAccessTest, RegValueEqualsComparesNumbersExactly) {
    const DWORD one = 1;
    const DWORD stored257 = 257;
    WriteIn(KEY_WOW64_64KEY, kKey, L"Number", REG_DWORD, &stored257, sizeof stored257);
    EXPECT_FALSE(RegValueEquals(HKEY_LOCAL_MACHINE, kKey, L"Number", REG_DWORD, &one));
    EXPECT_TRUE(RegValueEquals(HKEY_LOCAL_MACHINE, kKey, L"Number", REG_DWORD, &stored257));
    EXPECT_FALSE(RegValueEquals(HKEY_LOCAL_MACHINE, kKey, L"Number", REG_BINARY, nullptr))
        << "the requested type must be the stored one";

    // A REG_DWORD that is not four bytes is no number (and must not be read past its end).
    const BYTE shortValue[] = {1, 0};
    WriteIn(KEY_WOW64_64KEY, kKey, L"Short", REG_DWORD, shortValue, sizeof shortValue);
    EXPECT_FALSE(RegValueEquals(HKEY_LOCAL_MACHINE, kKey, L"Short", REG_DWORD, &one));
    const BYTE longValue[] = {1, 0, 0, 0, 0, 0, 0, 0};
    WriteIn(KEY_WOW64_64KEY, kKey, L"Long", REG_DWORD, longValue, sizeof longValue);
    EXPECT_FALSE(RegValueEquals(HKEY_LOCAL_MACHINE, kKey, L"Long", REG_DWORD, &one));

    const ULONGLONG quad = 1;
    WriteIn(KEY_WOW64_64KEY, kKey, L"Quad", REG_QWORD, &quad, sizeof quad);
    EXPECT_FALSE(RegValueEquals(HKEY_LOCAL_MACHINE, kKey, L"Quad", REG_QWORD, &quad));

    EXPECT_FALSE(RegValueEquals(HKEY_LOCAL_MACHINE, kKey, L"Missing", REG_DWORD, &one));
    EXPECT_FALSE(RegValueEquals(HKEY_LOCAL_MACHINE, Below(L"Missing").c_str(), L"Number", REG_DWORD,
                                &stored257));
}

TEST_F(SystemAccessTest, RegValueEqualsComparesTextsUpToTheFirstNull) {
    using namespace std::string_literals;
    WriteText(nullptr, L"notepad.exe %1\0"s);
    EXPECT_TRUE(TextEquals(nullptr, L"notepad.exe %1")) << "the default value";
    EXPECT_TRUE(TextEquals(L"", L"notepad.exe %1"));
    EXPECT_FALSE(TextEquals(nullptr, L"Notepad.exe %1")) << "case counts";
    EXPECT_FALSE(TextEquals(nullptr, L"notepad.exe"));

    WriteText(L"Unterminated", L"abc"s);
    EXPECT_TRUE(TextEquals(L"Unterminated", L"abc"));
    WriteText(L"Embedded", L"abc\0def\0"s);
    EXPECT_TRUE(TextEquals(L"Embedded", L"abc"));
    const char oddBytes[] = {'a', 0, 'b', 0, 'c'};
    WriteIn(KEY_WOW64_64KEY, kKey, L"Odd", REG_SZ, oddBytes, sizeof oddBytes);
    EXPECT_TRUE(TextEquals(L"Odd", L"ab")) << "a half character at the end is no character";

    WriteText(L"Empty", L""s);
    EXPECT_TRUE(TextEquals(L"Empty", nullptr)) << "no expected data stands for the empty text";
    EXPECT_TRUE(TextEquals(L"Empty", L""));
    EXPECT_FALSE(TextEquals(L"Empty", L"x"));

    WriteText(L"Expand", L"%windir%\\System32\\shell32.dll,-50\0"s, REG_EXPAND_SZ);
    EXPECT_TRUE(TextEquals(L"Expand", L"%windir%\\System32\\shell32.dll,-50", REG_EXPAND_SZ));
    EXPECT_FALSE(TextEquals(L"Expand", L"%windir%\\System32\\shell32.dll,-50", REG_SZ));
    WriteText(L"Multi", L"one\0two\0\0"s, REG_MULTI_SZ);
    EXPECT_TRUE(TextEquals(L"Multi", L"one", REG_MULTI_SZ));
}

TEST_F(SystemAccessTest, RegValueEqualsTakesOnlyAnEmptyBinaryValue) {
    WriteIn(KEY_WOW64_64KEY, kKey, L"Empty", REG_BINARY, nullptr, 0);
    const BYTE data[] = {0};
    WriteIn(KEY_WOW64_64KEY, kKey, L"Byte", REG_BINARY, data, sizeof data);
    EXPECT_TRUE(RegValueEquals(HKEY_LOCAL_MACHINE, kKey, L"Empty", REG_BINARY, nullptr));
    EXPECT_FALSE(RegValueEquals(HKEY_LOCAL_MACHINE, kKey, L"Byte", REG_BINARY, data));
}

TEST_F(SystemAccessTest, ReadRegValueRefusesABufferSmallerThanTheValue) {
    using namespace std::string_literals;
    WriteText(L"Owner", L"hello\0"s); // 12 bytes
    BYTE buffer[64];
    std::fill(std::begin(buffer), std::end(buffer), BYTE{0xCD});

    DWORD size = 8;
    EXPECT_FALSE(ReadRegValue(HKEY_LOCAL_MACHINE, kKey, L"Owner", REG_SZ, buffer, &size));
    EXPECT_EQ(12u, size) << "the size the value needs";
    EXPECT_EQ(0xCD, buffer[0]) << "nothing copied";

    size = 12;
    ASSERT_TRUE(ReadRegValue(HKEY_LOCAL_MACHINE, kKey, L"Owner", REG_SZ, buffer, &size));
    EXPECT_EQ(12u, size);
    EXPECT_STREQ(L"hello", reinterpret_cast<const wchar_t*>(buffer));
    EXPECT_EQ(0xCD, buffer[12]);

    size = sizeof buffer;
    EXPECT_FALSE(ReadRegValue(HKEY_LOCAL_MACHINE, kKey, L"Owner", REG_DWORD, buffer, &size));
    EXPECT_EQ(sizeof buffer, size) << "another type leaves the size alone";
    EXPECT_FALSE(ReadRegValue(HKEY_LOCAL_MACHINE, kKey, L"Missing", REG_SZ, buffer, &size));

    WriteIn(KEY_WOW64_64KEY, kKey, L"Nothing", REG_BINARY, nullptr, 0);
    EXPECT_TRUE(ReadRegValue(HKEY_LOCAL_MACHINE, kKey, L"Nothing", REG_BINARY, buffer, &size));
    EXPECT_EQ(0u, size);
}

// The machine type in the PE header of a DLL in the system folder as this process sees it.
WORD SystemDllMachine() {
    wchar_t folder[MAX_PATH];
    GetSystemDirectoryW(folder, MAX_PATH);
    UniqueFile file(CreateFileW((std::wstring(folder) + L"\\kernel32.dll").c_str(), GENERIC_READ,
                                FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file)
        return 0;
    BYTE header[1024];
    DWORD read = 0;
    if (!ReadFile(file.get(), header, sizeof header, &read, nullptr) || read < 0x40)
        return 0;
    const DWORD pe = *reinterpret_cast<const DWORD*>(header + 0x3C);
    if (pe + 6 > read)
        return 0;
    return *reinterpret_cast<const WORD*>(header + pe + 4);
}

TEST_F(Wow64Test, RedirectionSwitchesChangeWhatSystem32Shows) {
    EXPECT_EQ(IMAGE_FILE_MACHINE_I386, SystemDllMachine());
    PVOID previous = nullptr;
    ASSERT_TRUE(DisableFsRedirection(&previous));
    const WORD unredirected = SystemDllMachine();
    EXPECT_TRUE(RevertFsRedirection(previous));
    EXPECT_EQ(IMAGE_FILE_MACHINE_AMD64, unredirected);
    EXPECT_EQ(IMAGE_FILE_MACHINE_I386, SystemDllMachine());
}

TEST_F(Wow64Test, RedirectionStaysOffWhileTheGuardLivesAndANestedOneKeepsItOff) {
    {
        FsRedirectionOff off;
        EXPECT_EQ(IMAGE_FILE_MACHINE_AMD64, SystemDllMachine());
        {
            FsRedirectionOff nested;
            EXPECT_EQ(IMAGE_FILE_MACHINE_AMD64, SystemDllMachine());
        }
        EXPECT_EQ(IMAGE_FILE_MACHINE_AMD64, SystemDllMachine()) << "the outer scope still needs it";
    }
    EXPECT_EQ(IMAGE_FILE_MACHINE_I386, SystemDllMachine());
}

// What the sign-out and restart operations handed to the system.
struct ExitCall {
    int calls = 0;
    UINT flags = 0;
    DWORD reason = 0xFFFFFFFF;
    bool privilegeEnabled = false;
};
ExitCall g_exitCall;

bool ShutdownPrivilegeEnabled() {
    LUID luid;
    if (!LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &luid))
        return false;
    PRIVILEGE_SET set = {1, PRIVILEGE_SET_ALL_NECESSARY, {{luid, 0}}};
    UniqueHandleKernel token;
    BOOL enabled = FALSE;
    return OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.receive()) &&
           PrivilegeCheck(token.get(), &set, &enabled) && enabled;
}

void SetShutdownPrivilege(bool enabled) {
    UniqueHandleKernel token;
    ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES, token.receive()));
    TOKEN_PRIVILEGES privileges = {};
    privileges.PrivilegeCount = 1;
    ASSERT_TRUE(LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid));
    privileges.Privileges[0].Attributes = enabled ? SE_PRIVILEGE_ENABLED : 0;
    ASSERT_TRUE(AdjustTokenPrivileges(token.get(), FALSE, &privileges, 0, nullptr, nullptr));
    ASSERT_EQ(enabled, ShutdownPrivilegeEnabled());
}

BOOL WINAPI RecordExit(UINT flags, DWORD reason) {
    g_exitCall.calls++;
    g_exitCall.flags = flags;
    g_exitCall.reason = reason;
    g_exitCall.privilegeEnabled = ShutdownPrivilegeEnabled();
    return TRUE;
}

BOOL WINAPI RefuseExit(UINT, DWORD) {
    SetLastError(ERROR_PRIVILEGE_NOT_HELD);
    return FALSE;
}

TEST(SessionEnd, SignOutAndRestartEnableTheShutdownPrivilegeBeforeAskingTheSystem) {
    SetShutdownPrivilege(false);
    g_exitCall = {};
    EXPECT_TRUE(SignOut(RecordExit));
    EXPECT_EQ(1, g_exitCall.calls);
    EXPECT_EQ(static_cast<UINT>(EWX_LOGOFF), g_exitCall.flags);
    EXPECT_EQ(0u, g_exitCall.reason);
    EXPECT_TRUE(g_exitCall.privilegeEnabled);

    SetShutdownPrivilege(false);
    g_exitCall = {};
    EXPECT_TRUE(RestartWindows(RecordExit));
    EXPECT_EQ(1, g_exitCall.calls);
    EXPECT_EQ(static_cast<UINT>(EWX_REBOOT), g_exitCall.flags);
    EXPECT_EQ(0u, g_exitCall.reason);
    EXPECT_TRUE(g_exitCall.privilegeEnabled);

    EXPECT_FALSE(SignOut(RefuseExit));
    EXPECT_FALSE(RestartWindows(RefuseExit));
}

} // namespace
} // namespace orvane
