#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace orvane {

// The interface texts: the built-in English string resources 0..248, overridden entry
// by entry by the chosen language file ("*.lng" beside the program).
class CTranslate {
public:
    CTranslate();

    // Where language files are looked for; the program folder unless a test says otherwise.
    void SetFolder(const std::wstring& folder) { m_folder = folder; }
    const std::wstring& Folder() const { return m_folder; }

    void LoadLanguage(const std::wstring& englishName);

    // Text of an id; an id outside the table is a programming error (std::out_of_range).
    const std::wstring& Text(unsigned int id) const { return m_texts.at(id); }
    std::size_t Count() const { return m_texts.size(); }

    // Adds every language's own name to the combo box and selects the current one.
    void FillLanguageList(HWND combo, const std::wstring& currentEnglishName) const;
    // The English name of the language selected in the combo box; unchanged without a
    // selection.
    void LanguageAt(HWND combo, std::wstring& englishName) const;

    // (control id, text id) pairs; the size is in bytes, so n pairs pass 4n.
    void SetDlgItemTexts(HWND window, const WORD* pairs, UINT sizeInBytes) const;
    // Positional pairs (command id, text id) relabel menu positions 0, 1, ... (text id
    // 0x7FFF skips a separator); command pairs relabel items by command. Counts are in
    // 16-bit values.
    void TranslateMenu(HMENU menu, const WORD* positionalPairs, UINT positionalCount,
                       const WORD* commandPairs, UINT commandCount) const;

    static constexpr WORD kSkipPosition = 0x7FFF;

private:
    struct LanguageFile {
        std::wstring path;
        std::wstring englishName;
        std::wstring nativeName;
    };
    std::vector<LanguageFile> LanguageFiles() const;

    std::wstring m_folder;
    std::vector<std::wstring> m_texts;
};

} // namespace orvane
