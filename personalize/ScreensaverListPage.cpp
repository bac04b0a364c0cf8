#include "personalize/ScreensaverListPage.h"

#include "app/OrvaneApp.h"
#include "core/SettingsKeys.h"
#include "framework/IconButtons.h"
#include "resources/ids_screensaver.h"
#include "resources/ids_videoweb.h"

#include <algorithm>

namespace orvane {
namespace {

constexpr unsigned kTextNone = 165;
constexpr UINT kLinkIcon = 337;

} // namespace

CScreensaverListPage::CScreensaverListPage(UINT templateId, UINT pictureId, const wchar_t* helpKey,
                                           COLORREF linkColour)
    : CLivePage(templateId, pictureId, 0, helpKey), m_linkColour(linkColour), m_paths(1) {}

BOOL CScreensaverListPage::OnInitDialog() {
    m_linkIcon.reset(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kLinkIcon), IMAGE_ICON, 14, 14, 0)));
    return CLivePage::OnInitDialog();
}

void CScreensaverListPage::FillList(const std::vector<ScreensaverEntry>& entries) {
    HWND list = Item(IDC_SAVER_LIST);
    SendMessageW(list, CB_RESETCONTENT, 0, 0);
    m_paths.assign(1, std::wstring());
    SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(App().Text(kTextNone).c_str()));
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

bool CScreensaverListPage::OnCommand(WORD id, WORD notifyCode, HWND) {
    switch (id) {
    case IDC_SAVER_LIST:
        if (notifyCode == CBN_SELCHANGE)
            Choose(SelectedRow());
        return true;
    case IDC_SAVER_FIND:
        if (notifyCode == BN_CLICKED)
            OpenAddress(ScreensaversAddress(App().Options().GetString(key::strLanguage)));
        return true;
    case IDC_LIVE_HELP:
        if (notifyCode == BN_CLICKED)
            OpenHelp();
        return true;
    default:
        return false;
    }
}

bool CScreensaverListPage::OnDrawLink(const DRAWITEMSTRUCT& item) {
    if (item.CtlID != IDC_SAVER_FIND)
        return false;
    DrawLinkButton(item, m_linkIcon.get(), m_linkColour);
    return true;
}

} // namespace orvane
