#pragma once

#include "framework/IllustratedPage.h"
#include "personalize/ScreensaverRules.h"

#include <string>
#include <vector>

namespace orvane {

class COptions;
class CTranslate;

// What the Screen Saver page and the Background Screen Saver page share: the list of
// screen savers with "None" first, the link to the web site's screen savers and the
// Help button.
class CScreensaverListPage : public CIllustratedPage {
public:
    // The web site's pages and help follow the language of the options.
    CScreensaverListPage(UINT templateId, UINT pictureId, const wchar_t* helpKey,
                         COLORREF linkColour, const COptions& options, const CTranslate& texts);

protected:
    // The list's choice, the link and Help; false for anything else.
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    const std::wstring& Text(unsigned id) const override;
    void OpenHelp() override;

    // The user chose a row of the list (0 is "None").
    virtual void Choose(int row) = 0;

    // "None", then the entries in catalogue order.
    void FillList(const std::vector<ScreensaverEntry>& entries);
    void SelectRow(int row);
    int SelectedRow() const;
    // The path of a row; empty for "None".
    const std::wstring& PathOfRow(int row) const;
    // The first row with exactly this path; 0 ("None") when none has it.
    int RowOfPath(const std::wstring& path) const;

private:
    const COptions& m_options;
    const CTranslate& m_texts;
    const wchar_t* m_helpKey;
    std::vector<std::wstring> m_paths; // of the rows; "" for "None"
};

} // namespace orvane
