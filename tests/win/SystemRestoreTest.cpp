#include "app/SystemRestore.h"
#include "framework/Handle.h"

#include <gtest/gtest.h>

#include <objbase.h>

#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace orvane {
namespace {

constexpr DWORD kNone = CSystemRestore::kNoFrequency;

// The frequency value as the 64-bit registry holds it, read and written directly.
struct FrequencyValue {
    DWORD type = REG_NONE;
    DWORD number = kNone;
    bool present = false;
};

FrequencyValue ReadFrequency(REGSAM view = KEY_WOW64_64KEY) {
    FrequencyValue value;
    UniqueKey key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kSystemRestoreKey, 0, KEY_QUERY_VALUE | view,
                      key.receive()) != ERROR_SUCCESS)
        return value;
    DWORD size = sizeof value.number;
    value.present =
        RegQueryValueExW(key.get(), kCreationFrequencyValue, nullptr, &value.type,
                         reinterpret_cast<BYTE*>(&value.number), &size) == ERROR_SUCCESS;
    return value;
}

void StoreFrequency(DWORD type, const void* data, DWORD size) {
    UniqueKey key;
    ASSERT_EQ(ERROR_SUCCESS,
              RegCreateKeyExW(HKEY_LOCAL_MACHINE, kSystemRestoreKey, 0, nullptr, 0,
                              KEY_ALL_ACCESS | KEY_WOW64_64KEY, nullptr, key.receive(), nullptr));
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExW(key.get(), kCreationFrequencyValue, 0, type,
                                            static_cast<const BYTE*>(data), size));
}

void StoreFrequency(DWORD minutes) {
    StoreFrequency(REG_DWORD, &minutes, sizeof minutes);
}

void RemoveFrequency() {
    UniqueKey key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kSystemRestoreKey, 0, KEY_ALL_ACCESS | KEY_WOW64_64KEY,
                      key.receive()) == ERROR_SUCCESS)
        RegDeleteValueW(key.get(), kCreationFrequencyValue);
}

// The system's restore-point calls and the messages, recorded; the registry is real.
class RecordingRestore : public CSystemRestore {
public:
    struct Call {
        DWORD eventType;
        DWORD restorePointType;
        INT64 sequenceNumber;
        std::wstring description;
        FrequencyValue frequency; // as the system would have seen it
    };

    bool windows8 = true;
    BOOL beginResult = TRUE;
    DWORD beginStatus = ERROR_SUCCESS;
    BOOL endResult = TRUE;
    DWORD endStatus = ERROR_SUCCESS;
    INT64 sequenceNumber = 42;

    std::vector<Call> calls;
    std::vector<DWORD> removed;
    std::vector<std::pair<std::wstring, UINT>> messages;

protected:
    bool HasCreationFrequency() const override { return windows8; }
    BOOL SetRestorePoint(RESTOREPOINTINFOW& info, STATEMGRSTATUS& status) override {
        calls.push_back({info.dwEventType, info.dwRestorePtType, info.llSequenceNumber,
                         info.szDescription, ReadFrequency()});
        const bool begin = info.dwEventType == BEGIN_SYSTEM_CHANGE;
        status.nStatus = begin ? beginStatus : endStatus;
        status.llSequenceNumber = sequenceNumber;
        return begin ? beginResult : endResult;
    }
    DWORD RemoveRestorePoint(DWORD number) override {
        removed.push_back(number);
        return ERROR_SUCCESS;
    }
    void ShowMessage(HWND, const std::wstring& text, UINT icon) override {
        messages.emplace_back(text, icon);
    }
};

// As in the program: on a thread of its own, which joins the multithreaded apartment.
void CreateOnWorker(CSystemRestore& restore, const std::wstring& description = L"Orvane") {
    std::thread worker([&] { restore.CreateRestorePoint(description); });
    worker.join();
}

// Leaves the machine's frequency value as the test found it.
class SystemRestoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_keyExisted = ReadKeyExists();
        m_saved = ReadFrequency();
        RemoveFrequency();
    }
    void TearDown() override {
        RemoveFrequency();
        if (m_saved.present)
            StoreFrequency(m_saved.type, &m_saved.number, sizeof m_saved.number);
        else if (!m_keyExisted)
            RegDeleteKeyExW(HKEY_LOCAL_MACHINE, kSystemRestoreKey, KEY_WOW64_64KEY, 0);
    }

private:
    static bool ReadKeyExists() {
        UniqueKey key;
        return RegOpenKeyExW(HKEY_LOCAL_MACHINE, kSystemRestoreKey, 0,
                             KEY_QUERY_VALUE | KEY_WOW64_64KEY, key.receive()) == ERROR_SUCCESS;
    }
    bool m_keyExisted = false;
    FrequencyValue m_saved;
};

TEST_F(SystemRestoreTest, SetCreationFrequencyReturnsThePreviousValueAndRemovesOnNone) {
    RecordingRestore restore;
    EXPECT_EQ(kNone, restore.SetCreationFrequency(0)) << "absent";
    FrequencyValue now = ReadFrequency();
    ASSERT_TRUE(now.present);
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), now.type);
    EXPECT_EQ(0u, now.number);
    EXPECT_FALSE(ReadFrequency(KEY_WOW64_32KEY).present) << "written to the redirected view";
    EXPECT_EQ(0u, restore.SetCreationFrequency(kNone));
    EXPECT_FALSE(ReadFrequency().present);

    StoreFrequency(1440);
    EXPECT_EQ(1440u, restore.SetCreationFrequency(0));
    EXPECT_EQ(0u, restore.SetCreationFrequency(1440));
    EXPECT_EQ(1440u, ReadFrequency().number);

    // Stored all ones reads like "absent", so putting it back removes it.
    StoreFrequency(0xFFFFFFFF);
    const DWORD previous = restore.SetCreationFrequency(0);
    EXPECT_EQ(kNone, previous);
    restore.SetCreationFrequency(previous);
    EXPECT_FALSE(ReadFrequency().present);

    // Not a number: no previous value, and it is replaced by one.
    const wchar_t text[] = L"1440";
    StoreFrequency(REG_SZ, text, sizeof text);
    EXPECT_EQ(kNone, restore.SetCreationFrequency(0));
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), ReadFrequency().type);
}

TEST_F(SystemRestoreTest, BeforeWindows8TheFrequencyIsLeftAlone) {
    RecordingRestore restore;
    restore.windows8 = false;
    StoreFrequency(1440);
    EXPECT_EQ(kNone, restore.SetCreationFrequency(0));
    EXPECT_EQ(1440u, ReadFrequency().number);
    EXPECT_EQ(kNone, restore.SetCreationFrequency(kNone));
    EXPECT_TRUE(ReadFrequency().present);
}

TEST_F(SystemRestoreTest, CreatesOneRestorePointInTwoCallsWithTheLimitLifted) {
    StoreFrequency(1440);
    RecordingRestore restore;
    CreateOnWorker(restore);

    EXPECT_TRUE(restore.messages.empty()) << restore.messages.front().first.c_str();
    EXPECT_TRUE(restore.removed.empty());
    ASSERT_EQ(2u, restore.calls.size());
    const auto& begin = restore.calls[0];
    EXPECT_EQ(static_cast<DWORD>(BEGIN_SYSTEM_CHANGE), begin.eventType);
    EXPECT_EQ(static_cast<DWORD>(APPLICATION_INSTALL), begin.restorePointType);
    EXPECT_EQ(0, begin.sequenceNumber);
    EXPECT_EQ(L"Orvane", begin.description);
    EXPECT_EQ(0u, begin.frequency.number) << "no once-a-day refusal";
    const auto& end = restore.calls[1];
    EXPECT_EQ(static_cast<DWORD>(END_SYSTEM_CHANGE), end.eventType);
    EXPECT_EQ(static_cast<DWORD>(APPLICATION_INSTALL), end.restorePointType);
    EXPECT_EQ(42, end.sequenceNumber) << "the number the system returned";
    EXPECT_EQ(1440u, ReadFrequency().number) << "put back";
}

TEST_F(SystemRestoreTest, ADescriptionIsCutTo255Characters) {
    RecordingRestore restore;
    CreateOnWorker(restore, std::wstring(300, L'd'));
    ASSERT_FALSE(restore.calls.empty());
    EXPECT_EQ(std::wstring(255, L'd'), restore.calls[0].description);
}

TEST_F(SystemRestoreTest, EachFailureShowsItsOwnMessageAndTheLimitIsPutBack) {
    struct Case {
        BOOL beginResult;
        DWORD beginStatus;
        BOOL endResult;
        DWORD endStatus;
        const wchar_t* message;
        UINT icon;
        std::size_t calls;
    };
    const Case cases[] = {
        {FALSE, ERROR_SERVICE_DISABLED, TRUE, 0, L"System Restore is turned off.", MB_ICONERROR, 1},
        {FALSE, ERROR_ACCESS_DENIED, TRUE, 0, L"Failure to create the restore point; error=5.",
         MB_ICONERROR, 1},
        {TRUE, 0, FALSE, ERROR_TIMEOUT, L"Failure to end the restore point; error=1460.", 0, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.message);
        RecordingRestore restore;
        restore.beginResult = c.beginResult;
        restore.beginStatus = c.beginStatus;
        restore.endResult = c.endResult;
        restore.endStatus = c.endStatus;
        CreateOnWorker(restore);
        EXPECT_EQ(c.calls, restore.calls.size());
        ASSERT_EQ(1u, restore.messages.size());
        EXPECT_EQ(c.message, restore.messages[0].first);
        EXPECT_EQ(c.icon, restore.messages[0].second);
        EXPECT_FALSE(ReadFrequency().present) << "absent before, absent after";
        if (c.calls == 2)
            EXPECT_EQ(std::vector<DWORD>{42}, restore.removed) << "the half-made point is removed";
        else
            EXPECT_TRUE(restore.removed.empty());
    }
}

TEST_F(SystemRestoreTest, AThreadInAnotherApartmentCannotStartCom) {
    StoreFrequency(1440);
    RecordingRestore restore;
    std::thread worker([&] {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        restore.CreateRestorePoint(L"Orvane");
        CoUninitialize();
    });
    worker.join();
    EXPECT_TRUE(restore.calls.empty());
    ASSERT_EQ(1u, restore.messages.size());
    EXPECT_EQ(L"Failed to initialize COM library. Error code = 0x80010106",
              restore.messages[0].first);
    EXPECT_EQ(static_cast<UINT>(MB_ICONERROR), restore.messages[0].second);
    EXPECT_EQ(1440u, ReadFrequency().number);
}

// Only the messages are caught: srclient.dll is the system's own.
class SystemCallsRestore : public CSystemRestore {
public:
    std::vector<std::wstring> messages;

protected:
    void ShowMessage(HWND, const std::wstring& text, UINT) override { messages.push_back(text); }
};

TEST_F(SystemRestoreTest, TheSystemRefusingIsReportedWithItsStatus) {
    // Wine's System Restore makes no restore points.
    SystemCallsRestore restore;
    CreateOnWorker(restore);
    ASSERT_EQ(1u, restore.messages.size());
    EXPECT_EQ(0u, restore.messages[0].rfind(L"Failure to create the restore point; error=", 0))
        << restore.messages[0].c_str();
}

} // namespace
} // namespace orvane
