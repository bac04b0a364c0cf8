#include "personalize/ScreensaverListPage.h"

#include "core/HelpLinks.h"
#include "core/Options.h"
#include "core/SettingsKeys.h"
#include "core/Translate.h"
#include "framework/Browser.h"
#include "resources/ids_personalize.h"
#include "resources/ids_screensaver.h"
#include "resources/ids_videoweb.h"

#include <algorithm>

namespace orvane {
namespace {

constexpr unsigned kTextNone = 165;

} // namespace

CScreensaverListPage::CScreensaverListPage(UINT templateId, UINT pictureId, const wchar_t* helpKey,
                                           COLORREF linkColour, const COptions& options,
                                           const CTranslate& texts)
    : CIllustratedPage(templateId, pictureId, 0, IDC_LIVE_HELP, IDI_BUTTON_HELP),
      m_options(options), m_texts(texts), m_helpKey(helpKey), m_paths(1) {
    AddLinkButton(IDC_SAVER_FIND, IDI_BUTTON_LINK, linkColour);
}

const std::wstring& CScreensaverListPage::Text(unsigned id) const {
    return m_texts.Text(id);
}

void CScreensaverListPage::OpenHelp() {
    OpenInBrowser(HelpAddress(m_helpKey, m_options.GetString(key::strLanguage)));
}

void CScreensaverListPage::FillList(const std::vector<ScreensaverEntry>& entries) {
    HWND list = Item(IDC_SAVER_LIST);
    SendMessageW(list, CB_RESETCONTENT, 0, 0);
    m_paths.assign(1, std::wstring());
    SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Text(kTextNone).c_str()));
    for (const ScreensaverEntry& entry : entries) {
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.name.c_str()));
        m_paths.push_back(entry.path);
    }
}

void CScreensaverListPage::SelectRow(int row) {
    SendMessageW(Item(IDC_SAVER_LIST), CB_SETCURSEL, static_cast<WPARAM>(row), 0);
}

int CScreensaverListPage::SelectedRow() const {
    if (!m_hWnd)
        return 0;
    const LRESULT row = SendMessageW(Item(IDC_SAVER_LIST), CB_GETCURSEL, 0, 0);
    return row < 0 || static_cast<std::size_t>(row) >= m_paths.size() ? 0 : static_cast<int>(row);
}

const std::wstring& CScreensaverListPage::PathOfRow(int row) const {
    return row < 0 || static_cast<std::size_t>(row) >= m_paths.size()
               ? m_paths.front()
               : m_paths[static_cast<std::size_t>(row)];
}

int CScreensaverListPage::RowOfPath(const std::wstring& path) const {
    const auto found = std::find(m_paths.begin() + 1, m_paths.end(), path);
    return found == m_paths.end() ? 0 : static_cast<int>(found - m_paths.begin());
}

bool CScreensaverListPage::OnCommand(WORD id, WORD notifyCode, HWND control) {
    switch (id) {
    case IDC_SAVER_LIST:
        if (notifyCode == CBN_SELCHANGE)
            Choose(SelectedRow());
        return true;
    case IDC_SAVER_FIND:
        if (notifyCode == BN_CLICKED)
            OpenInBrowser(ScreensaversAddress(m_options.GetString(key::strLanguage)));
        return true;
    default:
        return CIllustratedPage::OnCommand(id, notifyCode, control);
    }
}

} // namespace orvane
