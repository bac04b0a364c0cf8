#include "DialogControls.h"
#include "OrvaneProcess.h"

#include "resources/ids_app.h"

#include <gtest/gtest.h>

#include <shlwapi.h>

namespace orvane::test {
namespace {

const wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// Puts the prefix's own Run value back after the test.
class RunValueGuard {
public:
    RunValueGuard() {
        m_size = sizeof m_data;
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_QUERY_VALUE, &key) == ERROR_SUCCESS) {
            m_present = RegQueryValueExW(key, L"Orvane", nullptr, &m_type, m_data, &m_size) ==
                        ERROR_SUCCESS;
            RegCloseKey(key);
        }
    }
    ~RunValueGuard() {
        if (m_present)
            SHSetValueW(HKEY_CURRENT_USER, kRunKey, L"Orvane", m_type, m_data, m_size);
        else
            SHDeleteValueW(HKEY_CURRENT_USER, kRunKey, L"Orvane");
    }

private:
    bool m_present = false;
    DWORD m_type = 0;
    BYTE m_data[1024];
    DWORD m_size = 0;
};

struct RunValue {
    bool present = false;
    DWORD type = REG_NONE;
    std::wstring text;
};

RunValue ReadRunValue() {
    RunValue value;
    wchar_t data[512] = L"";
    DWORD size = sizeof data - sizeof(wchar_t);
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return value;
    // The raw type: SHGetValue would report an expandable string as REG_SZ.
    value.present = RegQueryValueExW(key, L"Orvane", nullptr, &value.type,
                                     reinterpret_cast<BYTE*>(data), &size) == ERROR_SUCCESS;
    RegCloseKey(key);
    value.text = data;
    return value;
}

void SetRunValue(DWORD type, const std::wstring& text) {
    SHSetValueW(HKEY_CURRENT_USER, kRunKey, L"Orvane", type, text.c_str(),
                static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

void RunOnce(const std::wstring& settings) {
    OrvaneProcess orvane;
    orvane.WriteSettings(settings);
    ASSERT_TRUE(orvane.RunOnce());
}

TEST(AutoRun, WritesTheRunValueWithTheAutoArgument) {
    RunValueGuard guard;
    SHDeleteValueW(HKEY_CURRENT_USER, kRunKey, L"Orvane");
    RunOnce(L"[Settings]\r\nfAutoRun=1\r\n");
    const RunValue value = ReadRunValue();
    ASSERT_TRUE(value.present);
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), value.type);
    EXPECT_EQ(L"\"" + OrvaneExe() + L"\" -auto", value.text);
}

TEST(AutoRun, KeepsAStringValueAndReplacesAnyOtherType) {
    RunValueGuard guard;
    const std::wstring olderCopy = L"\"C:\\Old Copy\\Orvane.exe\" -auto";
    SetRunValue(REG_SZ, olderCopy);
    RunOnce(L"[Settings]\r\nfAutoRun=1\r\n");
    RunValue value = ReadRunValue();
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), value.type);
    EXPECT_EQ(olderCopy, value.text);

    SetRunValue(REG_EXPAND_SZ, L"%ProgramFiles%\\Orvane\\Orvane.exe -auto");
    ASSERT_EQ(static_cast<DWORD>(REG_EXPAND_SZ), ReadRunValue().type);
    RunOnce(L"[Settings]\r\nfAutoRun=1\r\n");
    value = ReadRunValue();
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), value.type);
    EXPECT_EQ(L"\"" + OrvaneExe() + L"\" -auto", value.text);
}

TEST(AutoRun, WritesNothingWhenSignInStartIsOff) {
    RunValueGuard guard;
    SHDeleteValueW(HKEY_CURRENT_USER, kRunKey, L"Orvane");
    RunOnce(L"[Settings]\r\nfAutoRun=0\r\n");
    EXPECT_FALSE(ReadRunValue().present);
}

// The settings dialog's box writes and removes the value at once, with the current path
// in place of one an older copy left behind.
TEST(AutoRun, TheSettingsBoxWritesAndRemovesTheRunValueAtOnce) {
    RunValueGuard guard;
    SetRunValue(REG_SZ, L"\"C:\\Old\\Orvane.exe\" -auto");
    OrvaneProcess orvane;
    orvane.WriteSettings(L"[Settings]\r\nfAutoRun=1\r\n");
    ASSERT_TRUE(orvane.Start(L"-auto"));
    HWND settings = orvane.OpenSettings();
    ASSERT_NE(nullptr, settings);
    ASSERT_TRUE(Checked(settings, IDC_SETTINGS_AUTORUN));

    Click(settings, IDC_SETTINGS_AUTORUN);
    EXPECT_FALSE(ReadRunValue().present);
    Click(settings, IDC_SETTINGS_AUTORUN);
    const RunValue value = ReadRunValue();
    ASSERT_TRUE(value.present);
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), value.type);
    EXPECT_EQ(L"\"" + OrvaneExe() + L"\" -auto", value.text);

    // Cleared for good: the dialog's close saves the choice, and the next start leaves
    // the value away.
    Click(settings, IDC_SETTINGS_AUTORUN);
    PostMessageW(settings, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(settings); }));
    orvane.Exit();
    ASSERT_TRUE(orvane.WaitForExit());
    OrvaneProcess again;
    again.ShareAppDataWith(orvane);
    ASSERT_TRUE(again.RunOnce(L"-auto"));
    EXPECT_FALSE(ReadRunValue().present);
}

} // namespace
} // namespace orvane::test
