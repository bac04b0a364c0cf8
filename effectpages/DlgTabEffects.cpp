#include "effectpages/DlgTabEffects.h"

#include "core/Translate.h"
#include "effectpages/ControlPages.h"
#include "framework/Dpi.h"
#include "resources/ids_effectpages.h"
#include "resources/ids_pages.h"

namespace orvane {
namespace {

// Where the control pages and the introduction picture sit beside the tree, moved with
// the tab's own dialog units so that they keep clear of it with any font or DPI.
constexpr POINT kPagePlace = {202, 11};
constexpr POINT kIntroPlace = {200, 34};
constexpr WORD kTextNote = 199;

} // namespace

CDlgTabEffects::CDlgTabEffects(IEffectPageHost& host) : CPage(IDD_TAB_EFFECTS), m_host(host) {}

CDlgTabEffects::~CDlgTabEffects() = default;

BOOL CDlgTabEffects::OnInitDialog() {
    m_intro.Load(IDB_EFFECTS_INTRO, m_hWnd);
    return TRUE;
}

void CDlgTabEffects::BuildEffectsTree() {
    if (!m_hWnd)
        return;
    // Deleting the items may move the selection; that must show no page.
    m_building = true;
    const WORD note[] = {IDC_EFFECTS_NOTE, kTextNote};
    m_host.Texts().SetDlgItemTexts(m_hWnd, note, sizeof note);
    HWND tree = Item(IDC_EFFECTS_TREE);
    SendMessageW(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    DestroyPages();

    for (const EffectTreeEntry& row : kEffectTree) {
        Entry entry;
        entry.name = m_host.Texts().Text(row.nameTextId);
        entry.page = CreateControlPage(row, *this);
        if (entry.page && entry.page->Create(m_hWnd)) {
            HWND page = entry.page->GetSafeHwnd();
            const POINT place = ScaleWithDialogUnits(m_hWnd, kPagePlace);
            SetWindowPos(page, nullptr, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
            ShowWindow(page, SW_HIDE);
        }
        if (row.effect)
            m_pageOf[static_cast<std::size_t>(*row.effect)] = entry.page.get();
        else
            m_customObjectsPage = entry.page.get();
        m_entries.push_back(std::move(entry));
    }

    for (Entry& entry : m_entries) {
        TVINSERTSTRUCTW insert = {};
        insert.hParent = TVI_ROOT;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT;
        insert.item.pszText = const_cast<wchar_t*>(entry.name.c_str());
        entry.item = reinterpret_cast<HTREEITEM>(
            SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
    }
    m_building = false;
}

void CDlgTabEffects::DestroyPages() {
    m_pageOf.fill(nullptr);
    m_customObjectsPage = nullptr;
    // Each page object destroys its window with it.
    m_entries.clear();
}

CDlgTabEffects::Entry* CDlgTabEffects::EntryOf(HTREEITEM item) {
    for (Entry& entry : m_entries)
        if (entry.item == item)
            return &entry;
    return nullptr;
}

bool CDlgTabEffects::OnNotify(NMHDR* header, LRESULT&) {
    if (header->idFrom != IDC_EFFECTS_TREE || header->code != TVN_SELCHANGEDW)
        return false;
    const auto* change = reinterpret_cast<const NMTREEVIEWW*>(header);
    if (!m_building)
        OnSelectionChanged(change->itemOld.hItem, change->itemNew.hItem);
    return true;
}

void CDlgTabEffects::OnSelectionChanged(HTREEITEM oldItem, HTREEITEM newItem) {
    if (oldItem)
        if (Entry* entry = EntryOf(oldItem); entry && entry->page)
            ShowWindow(entry->page->GetSafeHwnd(), SW_HIDE);
    if (!newItem)
        return;
    Entry* entry = EntryOf(newItem);
    if (!entry)
        return;
    if (!m_pageShown) {
        m_pageShown = true;
        InvalidateRect(m_hWnd, nullptr, TRUE); // the introduction goes
    }
    if (entry->page)
        ShowWindow(entry->page->GetSafeHwnd(), SW_SHOW);
}

void CDlgTabEffects::TurnOffOtherEffects(bool keepCustomObjects) {
    // In the effects' order, with the custom objects where the tree has them: after the
    // cursor.
    for (std::size_t i = 0; i < kEffectCount; ++i) {
        SwitchOffIfOn(m_pageOf[i]);
        if (static_cast<EffectId>(i) == EffectId::Cursor && !keepCustomObjects)
            SwitchOffIfOn(m_customObjectsPage);
    }
}

void CDlgTabEffects::SwitchOffIfOn(CEffectControlPage* page) {
    if (page && page->EffectOn())
        page->SwitchOff();
}

bool CDlgTabEffects::OnPaint() {
    if (m_pageShown || !m_intro)
        return false;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    {
        Gdiplus::Graphics graphics(dc);
        m_intro.DrawAtPixel(graphics, ScaleWithDialogUnits(m_hWnd, kIntroPlace));
    }
    EndPaint(m_hWnd, &paint);
    return true;
}

void CDlgTabEffects::OnDestroy() {
    // The pages and the picture hold GDI+ images: they go now, while GDI+ still runs.
    DestroyPages();
    m_intro.Reset();
}

} // namespace orvane
