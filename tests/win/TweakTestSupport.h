#pragma once

#include "core/Options.h"
#include "tweaks/DlgTweakPage.h"
#include "tweaks/Transparency.h"
#include "tweaks/TweakPageHost.h"
#include "DialogControls.h"
#include "TempFolder.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace orvane::test {

// The tweak pages' view of the program, recorded instead of acted on.
class FakeTweakPageHost : public ITweakPageHost {
public:
    FakeTweakPageHost(); // built-in English texts
    // Texts from a language file "Test.lng" written with these "id=text" lines.
    void UseLanguage(const std::wstring& lines);

    const CTranslate& Texts() const override { return m_texts; }
    bool IsUserAdmin() override { return admin; }
    void RestartAsAdmin() override { ++restartsAsAdmin; }
    void EnsureRestorePoint() override {
        ++restorePoints;
        onRestorePoint();
    }
    void RestartExplorer() override { ++explorerRestarts; }
    void SignOut() override { ++signOuts; }
    void RestartWindows() override { ++windowsRestarts; }
    void OpenHelp(const std::wstring& pageKey) override { helpPages.push_back(pageKey); }
    std::optional<std::wstring> BrowseForFolder(HWND) override { return folderToPick; }
    CTransparency& Transparency() override { return *m_transparency; }
    // The transparency effects, with the test's settings, on a system of its choosing.
    void UseTransparencySystem(const TransparencySystem& system);

    bool admin = true;
    std::function<void()> onRestorePoint = [] {};
    std::optional<std::wstring> folderToPick;
    int restorePoints = 0, restartsAsAdmin = 0, explorerRestarts = 0, signOuts = 0,
        windowsRestarts = 0;
    std::vector<std::wstring> helpPages;
    COptions options;

private:
    TempFolder m_folder;
    CTranslate m_texts;
    std::unique_ptr<CTransparency> m_transparency;
};

// A hidden top-level window to hold pages.
class HostWindow {
public:
    explicit HostWindow(bool visible = false);
    ~HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;
    HWND get() const { return m_window; }

private:
    HWND m_window;
};

// The page of the tweak named by this text id, created as in the tree.
std::unique_ptr<CDlgTweakPage> MakeTweakPage(WORD itemText, ITweakPageHost& pageHost, HWND parent);

// Control helpers that act as the user does: the control changes, then its parent hears.
void Type(HWND page, int id, const std::wstring& text);
std::wstring ControlText(HWND page, int id);
bool Visible(HWND page, int id);

// Registry access to the 64-bit view, independent of the code under test.
struct StoredValue {
    DWORD type;
    std::vector<BYTE> data;
    bool operator==(const StoredValue& other) const {
        return type == other.type && data == other.data;
    }
};
std::optional<StoredValue> ReadValue(HKEY root, const std::wstring& key, const wchar_t* name);
void WriteValue(HKEY root, const std::wstring& key, const wchar_t* name, const StoredValue& value);
void DeleteValue(HKEY root, const std::wstring& key, const wchar_t* name);
bool KeyExists(HKEY root, const std::wstring& key);
void CreateKey(HKEY root, const std::wstring& key);
void DeleteKeyTree(HKEY root, const std::wstring& key);

StoredValue TextValue(const std::wstring& text); // REG_SZ with its terminating null
StoredValue DwordValue(DWORD number);

// Puts values and keys back as they were when the object was made: each value to its
// old data or away, each key away with everything below it when it did not exist.
class RegistryRestorer {
public:
    struct Value {
        HKEY root;
        std::wstring key;
        const wchar_t* name;
    };
    struct Key {
        HKEY root;
        std::wstring key;
    };
    RegistryRestorer(std::vector<Value> values, std::vector<Key> keys);
    ~RegistryRestorer();
    RegistryRestorer(const RegistryRestorer&) = delete;
    RegistryRestorer& operator=(const RegistryRestorer&) = delete;

private:
    std::vector<std::pair<Value, std::optional<StoredValue>>> m_values;
    std::vector<std::pair<Key, bool>> m_keys;
};

} // namespace orvane::test
