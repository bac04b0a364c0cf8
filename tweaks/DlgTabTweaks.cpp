#include "tweaks/DlgTabTweaks.h"

#include "framework/Dpi.h"
#include "framework/IconButtons.h"
#include "resources/ids_tweaks.h"
#include "tweaks/TweakCatalog.h"

#include <algorithm>

namespace orvane {
namespace {

// Where the pages and the welcome picture sit in the tab, moved with the tab's own dialog
// units so that they keep clear of the tree with any font or DPI.
constexpr POINT kPagePlace = {232, 11};
constexpr POINT kWelcomePlace = {215, 25};
constexpr WORD kTextHelp = 14;

HTREEITEM InsertItem(HWND tree, HTREEITEM parent, HTREEITEM after, const std::wstring& text,
                     LPARAM data) {
    TVINSERTSTRUCTW insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    insert.item.pszText = const_cast<wchar_t*>(text.c_str());
    insert.item.lParam = data;
    return reinterpret_cast<HTREEITEM>(
        SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

} // namespace

CDlgTabTweaks::CDlgTabTweaks(std::wstring systemName, ITweakPageHost& host)
    : CPage(IDD_TAB_TWEAKS), m_systemName(std::move(systemName)), m_host(host) {}

CDlgTabTweaks::~CDlgTabTweaks() = default;

BOOL CDlgTabTweaks::OnInitDialog() {
    m_helpIcon = SetButtonIcon(Item(IDC_TWEAKS_HELP), IDI_HELP_BUTTON, kButtonIconSize);
    m_welcome.Load(IDP_TWEAKS_WELCOME, m_hWnd);
    m_pagePlace = ScaleWithDialogUnits(m_hWnd, kPagePlace);
    m_welcomePlace = ScaleWithDialogUnits(m_hWnd, kWelcomePlace);
    BuildTweaksTree();
    return TRUE;
}

std::vector<std::wstring> CDlgTabTweaks::CurrentTexts() const {
    const CTranslate& texts = m_host.Texts();
    std::vector<std::wstring> all;
    all.reserve(texts.Count());
    for (unsigned id = 0; id < texts.Count(); ++id)
        all.push_back(texts.Text(id));
    return all;
}

void CDlgTabTweaks::ApplyTexts() {
    if (m_hWnd && CurrentTexts() != m_builtWith)
        BuildTweaksTree();
}

void CDlgTabTweaks::BuildTweaksTree() {
    m_building = true;
    SetPageShown(false);
    ShowWindow(Item(IDC_TWEAKS_HELP), SW_SHOW);
    const WORD texts[] = {IDC_TWEAKS_HELP, kTextHelp};
    m_host.Texts().SetDlgItemTexts(m_hWnd, texts, sizeof texts);

    HWND tree = Item(IDC_TWEAKS_TREE);
    SendMessageW(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    m_entries.clear(); // destroys the pages' windows

    for (const TweakTreeRow& row : TweakTreeRows()) {
        Entry entry{m_host.Texts().Text(row.groupText), m_host.Texts().Text(row.itemText),
                    row.systems, nullptr, row.createPage(m_host)};
        if (HWND page = entry.page->Create(m_hWnd)) {
            SetWindowPos(page, nullptr, m_pagePlace.x, m_pagePlace.y, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            ShowWindow(page, SW_HIDE);
        }
        m_entries.push_back(std::move(entry));
    }

    const unsigned system = SystemOfName(m_systemName);
    std::vector<std::pair<std::wstring, HTREEITEM>> groups;
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        Entry& entry = m_entries[i];
        if (!(entry.systems & system))
            continue;
        auto group = std::find_if(groups.begin(), groups.end(),
                                  [&](const auto& known) { return known.first == entry.group; });
        if (group == groups.end())
            group = groups.insert(
                groups.end(), {entry.group, InsertItem(tree, TVI_ROOT, TVI_LAST, entry.group, 0)});
        // Item data: the entry's index + 1; groups have 0.
        entry.treeItem =
            InsertItem(tree, group->second, TVI_SORT, entry.item, static_cast<LPARAM>(i + 1));
        SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(group->second));
    }
    m_builtWith = CurrentTexts();
    m_building = false;
}

CDlgTabTweaks::Entry* CDlgTabTweaks::EntryOf(LPARAM itemData) {
    if (itemData <= 0 || static_cast<std::size_t>(itemData) > m_entries.size())
        return nullptr;
    return &m_entries[static_cast<std::size_t>(itemData) - 1];
}

void CDlgTabTweaks::SetPageShown(bool shown) {
    if (shown == m_pageShown)
        return;
    m_pageShown = shown;
    // The picture comes or goes, also where no page covers it.
    InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CDlgTabTweaks::OnSelectionChanged(const NMTREEVIEWW& change) {
    if (Entry* old = EntryOf(change.itemOld.lParam); old && change.itemOld.hItem) {
        ShowWindow(old->page->GetSafeHwnd(), SW_HIDE);
        ShowWindow(Item(IDC_TWEAKS_HELP), SW_SHOW);
    }
    if (!change.itemNew.hItem)
        return;
    if (Entry* selected = EntryOf(change.itemNew.lParam)) {
        SetPageShown(true);
        ShowWindow(selected->page->GetSafeHwnd(), SW_SHOW);
        ShowWindow(Item(IDC_TWEAKS_HELP), SW_HIDE);
    } else {
        SetPageShown(false);
    }
}

bool CDlgTabTweaks::OnNotify(NMHDR* header, LRESULT&) {
    if (header->idFrom != IDC_TWEAKS_TREE || header->code != TVN_SELCHANGEDW)
        return false;
    if (!m_building)
        OnSelectionChanged(*reinterpret_cast<NMTREEVIEWW*>(header));
    return true;
}

bool CDlgTabTweaks::OnCommand(WORD id, WORD notifyCode, HWND) {
    if (id == IDC_TWEAKS_HELP && notifyCode == BN_CLICKED) {
        m_host.OpenHelp(L"tweaks");
        return true;
    }
    // Enter and Escape belong to the main window.
    return id == IDOK || id == IDCANCEL;
}

bool CDlgTabTweaks::OnPaint() {
    if (m_pageShown || !m_welcome)
        return false;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    {
        Gdiplus::Graphics graphics(dc);
        m_welcome.DrawAtPixel(graphics, m_welcomePlace);
    }
    EndPaint(m_hWnd, &paint);
    return true;
}

void CDlgTabTweaks::OnDestroy() {
    m_entries.clear();
    m_welcome.Reset();
}

} // namespace orvane
