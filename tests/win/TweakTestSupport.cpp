#include "TweakTestSupport.h"

#include "tweaks/TweakCatalog.h"

#include <commctrl.h>

#include <stdexcept>

namespace orvane::test {

FakeTweakPageHost::FakeTweakPageHost() : m_transparency(std::make_unique<CTransparency>(options)) {
    m_texts.SetFolder(m_folder.Path());
    m_texts.LoadLanguage(L"English");
}

void FakeTweakPageHost::UseTransparencySystem(const TransparencySystem& system) {
    m_transparency.reset();
    m_transparency = std::make_unique<CTransparency>(options, system);
}

void FakeTweakPageHost::UseLanguage(const std::wstring& lines) {
    WriteUtf16File(m_folder / L"Test.lng", L"[Language]\r\nlang_en=Test\r\n[Text]\r\n" + lines);
    m_texts.LoadLanguage(L"Test");
}

HostWindow::HostWindow(bool visible)
    : m_window(CreateWindowExW(0, L"STATIC", L"", WS_POPUP | (visible ? WS_VISIBLE : 0), 0, 0, 720,
                               420, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr)) {
    // The pages' child dialogs need the dialog manager's classes of the common controls.
    static const bool ready = [] {
        INITCOMMONCONTROLSEX controls = {sizeof controls, 0xFF};
        return InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)ready;
}

HostWindow::~HostWindow() {
    DestroyWindow(m_window);
}

std::unique_ptr<CDlgTweakPage> MakeTweakPage(WORD itemText, ITweakPageHost& pageHost, HWND parent) {
    for (const TweakTreeRow& row : TweakTreeRows()) {
        if (row.itemText != itemText)
            continue;
        std::unique_ptr<CDlgTweakPage> page = row.createPage(pageHost);
        if (!page->Create(parent))
            throw std::runtime_error("the page's window could not be made");
        return page;
    }
    throw std::runtime_error("no tweak has this name");
}

void Type(HWND page, int id, const std::wstring& text) {
    // The edit tells its parent with EN_CHANGE, as for typing.
    SetDlgItemTextW(page, id, text.c_str());
}

std::wstring ControlText(HWND page, int id) {
    wchar_t text[2048] = L"";
    GetDlgItemTextW(page, id, text, ARRAYSIZE(text));
    return text;
}

bool Visible(HWND page, int id) {
    return (GetWindowLongPtrW(GetDlgItem(page, id), GWL_STYLE) & WS_VISIBLE) != 0;
}

namespace {

HKEY Open(HKEY root, const std::wstring& key, REGSAM access) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root, key.c_str(), 0, access | KEY_WOW64_64KEY, &opened) != ERROR_SUCCESS)
        return nullptr;
    return opened;
}

} // namespace

std::optional<StoredValue> ReadValue(HKEY root, const std::wstring& key, const wchar_t* name) {
    HKEY opened = Open(root, key, KEY_QUERY_VALUE);
    if (!opened)
        return std::nullopt;
    DWORD type = 0, size = 0;
    std::optional<StoredValue> result;
    if (RegQueryValueExW(opened, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
        StoredValue value{type, std::vector<BYTE>(size)};
        if (RegQueryValueExW(opened, name, nullptr, &type, value.data.data(), &size) ==
            ERROR_SUCCESS) {
            value.data.resize(size);
            result = value;
        }
    }
    RegCloseKey(opened);
    return result;
}

void CreateKey(HKEY root, const std::wstring& key) {
    HKEY created = nullptr;
    if (RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | KEY_WOW64_64KEY, nullptr,
                        &created, nullptr) == ERROR_SUCCESS)
        RegCloseKey(created);
}

void WriteValue(HKEY root, const std::wstring& key, const wchar_t* name, const StoredValue& value) {
    CreateKey(root, key);
    HKEY opened = Open(root, key, KEY_SET_VALUE);
    if (!opened)
        throw std::runtime_error("cannot write a test value");
    RegSetValueExW(opened, name, 0, value.type, value.data.empty() ? nullptr : value.data.data(),
                   static_cast<DWORD>(value.data.size()));
    RegCloseKey(opened);
}

void DeleteValue(HKEY root, const std::wstring& key, const wchar_t* name) {
    if (HKEY opened = Open(root, key, KEY_SET_VALUE)) {
        RegDeleteValueW(opened, name);
        RegCloseKey(opened);
    }
}

bool KeyExists(HKEY root, const std::wstring& key) {
    HKEY opened = Open(root, key, KEY_QUERY_VALUE);
    if (opened)
        RegCloseKey(opened);
    return opened != nullptr;
}

void DeleteKeyTree(HKEY root, const std::wstring& key) {
    if (HKEY opened = Open(root, key, KEY_ALL_ACCESS)) {
        RegDeleteTreeW(opened, nullptr);
        RegCloseKey(opened);
    }
    RegDeleteKeyExW(root, key.c_str(), KEY_WOW64_64KEY, 0);
}

StoredValue TextValue(const std::wstring& text) {
    const auto* bytes = reinterpret_cast<const BYTE*>(text.c_str());
    return {REG_SZ, std::vector<BYTE>(bytes, bytes + (text.size() + 1) * sizeof(wchar_t))};
}

StoredValue DwordValue(DWORD number) {
    const auto* bytes = reinterpret_cast<const BYTE*>(&number);
    return {REG_DWORD, std::vector<BYTE>(bytes, bytes + sizeof number)};
}

RegistryRestorer::RegistryRestorer(std::vector<Value> values, std::vector<Key> keys) {
    for (Value& value : values) {
        auto stored = ReadValue(value.root, value.key, value.name);
        m_values.emplace_back(std::move(value), std::move(stored));
    }
    for (Key& key : keys) {
        const bool existed = KeyExists(key.root, key.key);
        m_keys.emplace_back(std::move(key), existed);
    }
}

RegistryRestorer::~RegistryRestorer() {
    for (const auto& [key, existed] : m_keys)
        if (!existed)
            DeleteKeyTree(key.root, key.key);
    for (const auto& [value, stored] : m_values) {
        if (stored)
            WriteValue(value.root, value.key, value.name, *stored);
        else
            DeleteValue(value.root, value.key, value.name);
    }
}

} // namespace orvane::test
