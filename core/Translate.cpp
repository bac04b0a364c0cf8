#include "core/Translate.h"

#include "core/TextEscapes.h"
#include "framework/Handle.h"
#include "framework/Paths.h"

namespace orvane {
namespace {

const wchar_t kUnknown[] = L"Unknown";
constexpr DWORD kTextCapacity = 1024;

std::wstring ReadProfileText(const std::wstring& path, const wchar_t* section,
                             const wchar_t* key, const wchar_t* fallback) {
    wchar_t buffer[kTextCapacity];
    const DWORD n = GetPrivateProfileStringW(section, key, fallback, buffer, kTextCapacity,
                                             path.c_str());
    return std::wstring(buffer, n);
}

} // namespace

CTranslate::CTranslate() : m_folder(ProgramFolder()) {}

std::vector<CTranslate::LanguageFile> CTranslate::LanguageFiles() const {
    std::vector<LanguageFile> files;
    WIN32_FIND_DATAW found;
    UniqueFind find(FindFirstFileW((m_folder + L"\\*.lng").c_str(), &found));
    if (!find)
        return files;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            continue;
        LanguageFile file;
        file.path = m_folder + L"\\" + found.cFileName;
        file.englishName = ReadProfileText(file.path, L"Language", L"lang_en", kUnknown);
        file.nativeName = ReadProfileText(file.path, L"Language", L"lang_native", kUnknown);
        files.push_back(std::move(file));
    } while (FindNextFileW(find.get(), &found));
    return files;
}

void CTranslate::LoadLanguage(const std::wstring& englishName) {
    std::wstring path;
    for (const LanguageFile& file : LanguageFiles()) {
        if (file.englishName == englishName) {
            path = file.path;
            break;
        }
    }
    const HINSTANCE module = GetModuleHandleW(nullptr);
    for (UINT id = 0;; ++id) {
        const wchar_t* resource = nullptr;
        // With a zero length LoadString hands out the read-only resource text itself.
        const int length = LoadStringW(module, id, reinterpret_cast<LPWSTR>(&resource), 0);
        if (length <= 0 || !resource)
            break;
        const std::wstring builtIn(resource, static_cast<std::size_t>(length));
        std::wstring text = builtIn;
        if (!path.empty())
            text = ReadProfileText(path, L"Text", std::to_wstring(id).c_str(), builtIn.c_str());
        if (m_texts.size() <= id)
            m_texts.resize(id + 1);
        m_texts[id] = ExpandLineBreaks(std::move(text));
    }
}

void CTranslate::FillLanguageList(HWND combo, const std::wstring& currentEnglishName) const {
    int index = 0;
    for (const LanguageFile& file : LanguageFiles()) {
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(file.nativeName.c_str()));
        if (file.englishName == currentEnglishName)
            SendMessageW(combo, CB_SETCURSEL, index, 0);
        ++index;
    }
}

void CTranslate::LanguageAt(HWND combo, std::wstring& englishName) const {
    const LRESULT selected = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    if (selected == CB_ERR)
        return;
    const std::vector<LanguageFile> files = LanguageFiles();
    if (static_cast<std::size_t>(selected) < files.size())
        englishName = files[static_cast<std::size_t>(selected)].englishName;
}

void CTranslate::SetDlgItemTexts(HWND window, const WORD* pairs, UINT sizeInBytes) const {
    const UINT count = sizeInBytes / sizeof(WORD);
    for (UINT i = 0; i + 1 < count; i += 2)
        SetDlgItemTextW(window, pairs[i], Text(pairs[i + 1]).c_str());
}

void CTranslate::TranslateMenu(HMENU menu, const WORD* positionalPairs, UINT positionalCount,
                               const WORD* commandPairs, UINT commandCount) const {
    for (UINT i = 0; i + 1 < positionalCount; i += 2) {
        if (positionalPairs[i + 1] == kSkipPosition)
            continue;
        const UINT position = i / 2;
        // A popup keeps its submenu: its "command id" is the submenu handle.
        UINT flags = MF_BYPOSITION | MF_STRING;
        UINT_PTR item = positionalPairs[i];
        if (HMENU popup = GetSubMenu(menu, static_cast<int>(position))) {
            flags |= MF_POPUP;
            item = reinterpret_cast<UINT_PTR>(popup);
        }
        ModifyMenuW(menu, position, flags, item, Text(positionalPairs[i + 1]).c_str());
    }
    for (UINT i = 0; i + 1 < commandCount; i += 2)
        ModifyMenuW(menu, commandPairs[i], MF_BYCOMMAND | MF_STRING, commandPairs[i],
                    Text(commandPairs[i + 1]).c_str());
}

} // namespace orvane
