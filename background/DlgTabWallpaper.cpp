#include "background/DlgTabWallpaper.h"

#include "core/HelpLinks.h"
#include "core/Options.h"
#include "core/SettingsKeys.h"
#include "core/Translate.h"
#include "background/SlideshowSystem.h"
#include "background/ThumbnailDecoder.h"
#include "background/WallpaperSlideshow.h"
#include "framework/Browser.h"
#include "framework/FileDialog.h"
#include "framework/Dpi.h"
#include "framework/IconButtons.h"
#include "resources/ids_slideshow.h"

#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cstring>

namespace orvane {
namespace {

// While thumbnails are outstanding, the page looks this often at what is in view so
// that the pictures the user scrolled to are made next.
constexpr UINT_PTR kVisibleTimer = 1;
constexpr UINT kVisibleTimerMs = 250;

constexpr WORD kTexts[] = {
    IDC_WALLPAPER_ADD_FILE,       19, IDC_WALLPAPER_ADD_FOLDER,     20,
    IDC_WALLPAPER_REMOVE,         21, IDC_WALLPAPER_HELP,           14,
    IDC_WALLPAPER_FIND_PICTURES,  22, IDC_WALLPAPER_POSITION_LABEL, 23,
    IDC_WALLPAPER_INTERVAL_LABEL, 29, IDC_WALLPAPER_SHUFFLE,        39,
    IDC_WALLPAPER_PICTURES_LABEL, 40, IDC_WALLPAPER_FOLDERS_LABEL,  41,
};

// The number of workers: one, or two where there are cores to spare for them, so the
// window's own thread always has one.
unsigned ThumbnailWorkers() {
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    return info.dwNumberOfProcessors >= 4 ? 2 : 1;
}

ThumbnailPixels DecodeBelowNormal(const std::wstring& path) {
    // The workers give way to every thread that serves the user.
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL);
    return DecodeThumbnail(path);
}

} // namespace

CDlgTabWallpaper::CDlgTabWallpaper(CWallpaperSlideshow& slideshow, COptions& options,
                                   const CTranslate& texts, bool spanAvailable,
                                   CChangeNotice& pageChanges)
    : CPage(IDD_TAB_WALLPAPER), m_slideshow(slideshow), m_options(options), m_texts(texts),
      m_spanAvailable(spanAvailable), m_pageChanges(pageChanges) {}

CDlgTabWallpaper::~CDlgTabWallpaper() = default;

BOOL CDlgTabWallpaper::OnInitDialog() {
    m_linkIcon.reset(LoadIconForWindow(m_hWnd, IDI_PAGE_LINK, kButtonIconSize));
    m_helpIcon = SetButtonIcon(Item(IDC_WALLPAPER_HELP), IDI_PAGE_HELP, kButtonIconSize);
    EnableWindow(Item(IDC_WALLPAPER_REMOVE), FALSE);

    m_images = ImageList_Create(kThumbnailWidth, kThumbnailHeight, ILC_COLOR24 | ILC_MASK, 0, 1);
    SendMessageW(Item(IDC_WALLPAPER_PICTURES), LVM_SETIMAGELIST, LVSIL_NORMAL,
                 reinterpret_cast<LPARAM>(m_images));
    SendMessageW(Item(IDC_WALLPAPER_PICTURES), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_DOUBLEBUFFER,
                 LVS_EX_DOUBLEBUFFER);
    LVCOLUMNW column = {};
    column.mask = LVCF_WIDTH;
    column.cx = 100;
    SendMessageW(Item(IDC_WALLPAPER_FOLDERS), LVM_INSERTCOLUMNW, 0,
                 reinterpret_cast<LPARAM>(&column));

    m_cell = std::make_unique<Cell>();
    EnsureImages(ThumbnailSlots::kBlack + 1);
    PutImage(ThumbnailSlots::kBlack, ThumbnailPixels());

    const HWND window = m_hWnd;
    m_loader = std::make_unique<ThumbnailLoader>(
        DecodeBelowNormal, [window] { PostMessageW(window, kThumbnailsReady, 0, 0); },
        ThumbnailWorkers());

    RefreshFolders();
    RefreshPictures();
    EnableWindow(Item(IDC_WALLPAPER_REMOVE), FALSE);
    CheckDlgButton(m_hWnd, IDC_WALLPAPER_SHUFFLE,
                   m_options.GetBool(key::fWallaperAutoChangeShuffle) ? BST_CHECKED
                                                                      : BST_UNCHECKED);
    RefreshTexts();
    // A stored row the list lacks leaves nothing selected and is stored as -1, off.
    m_options.SetInt(
        key::iWallaperAutoChange,
        static_cast<int>(SendMessageW(Item(IDC_WALLPAPER_INTERVAL), CB_GETCURSEL, 0, 0)));
    EnableWindow(Item(IDC_WALLPAPER_SHUFFLE), m_options.GetInt(key::iWallaperAutoChange) != 0);
    m_slideshow.RestartTimer();
    m_initialised = true;
    m_listening = m_pageChanges.Listen([this] { RefreshPictures(); });
    return TRUE;
}

void CDlgTabWallpaper::OnDestroy() {
    m_listening.Reset();
    KillTimer(m_hWnd, kVisibleTimer);
    m_loader.reset();   // waits for a picture in work
    m_images = nullptr; // the list destroys its image list
}

void CDlgTabWallpaper::RefreshTexts() {
    if (!m_hWnd)
        return;
    m_texts.SetDlgItemTexts(m_hWnd, kTexts, sizeof kTexts);

    HWND position = Item(IDC_WALLPAPER_POSITION);
    SendMessageW(position, CB_RESETCONTENT, 0, 0);
    const std::size_t rows = m_spanAvailable ? kPositionCount : kSpanRow;
    for (std::size_t row = 0; row < rows; ++row)
        SendMessageW(position, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(m_texts.Text(kPositions[row].textId).c_str()));
    // Without the Span row a stored Span selects nothing.
    SendMessageW(position, CB_SETCURSEL, static_cast<WPARAM>(m_slideshow.ReadStyle()), 0);

    HWND interval = Item(IDC_WALLPAPER_INTERVAL);
    SendMessageW(interval, CB_RESETCONTENT, 0, 0);
    const auto text = [this](unsigned id) -> const std::wstring& { return m_texts.Text(id); };
    for (int row = 0; row < kIntervalCount; ++row)
        SendMessageW(interval, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(IntervalText(row, text).c_str()));
    SendMessageW(interval, CB_SETCURSEL,
                 static_cast<WPARAM>(m_options.GetInt(key::iWallaperAutoChange)), 0);
}

void CDlgTabWallpaper::RefreshFolders() {
    if (!m_hWnd)
        return;
    HWND list = Item(IDC_WALLPAPER_FOLDERS);
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    const auto& folders = m_slideshow.Folders();
    for (std::size_t i = 0; i < folders.size(); ++i) {
        LVITEMW item = {};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(i);
        item.pszText = const_cast<wchar_t*>(folders[i].c_str());
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(list, LVM_SETCOLUMNWIDTH, 0, LVSCW_AUTOSIZE);
}

void CDlgTabWallpaper::RefreshPictures() {
    if (!m_hWnd || !m_loader)
        return;
    const std::vector<std::wstring>& playlist = m_slideshow.Playlist();
    HWND list = Item(IDC_WALLPAPER_PICTURES);
    // The timer changes only the current picture: the list stays and the selection
    // moves, which is all a rebuild would change.
    if (playlist == m_listed) {
        m_rebuilding = true;
        SelectCurrent();
        m_rebuilding = false;
        UpdateRemoveButton();
        return;
    }

    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    // Where the user had scrolled to: the rebuild keeps the view in place.
    POINT origin = {};
    SendMessageW(list, LVM_GETORIGIN, 0, reinterpret_cast<LPARAM>(&origin));
    m_rebuilding = true;

    // Pictures asked for by the old list wait no more; those already made are kept.
    m_loader->Cancel();
    m_held.clear();
    TakeThumbnails();
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    m_itemOfPath.clear();
    m_listed = playlist;
    m_slots.KeepOnly(playlist);
    m_waiting = 0;
    m_firstVisible = -1;

    std::vector<std::wstring> missing;
    for (std::size_t i = 0; i < playlist.size(); ++i) {
        const std::wstring& path = playlist[i];
        const int index = static_cast<int>(i);
        if (!m_slots.Made(path)) {
            missing.push_back(path);
            ++m_waiting;
        }
        m_itemOfPath.emplace(path, index);

        LVITEMW item = {};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = index;
        item.pszText = const_cast<wchar_t*>(path.c_str());
        item.iImage = m_slots.ImageOf(path);
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    SelectCurrent();
    m_held = std::move(missing);
    // Room for every picture's own image at once: the list grows one image at a time
    // otherwise, copying all it holds each time.
    EnsureImages(m_slots.Count() + static_cast<int>(m_held.size()));

    SendMessageW(list, LVM_SCROLL, origin.x, origin.y);
    m_rebuilding = false;
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    UpdateRemoveButton();
    if (IsWindowVisible(list))
        RequestHeldThumbnails();
}

void CDlgTabWallpaper::RequestHeldThumbnails() {
    if (m_held.empty())
        return;
    m_loader->Request(m_held);
    m_held.clear();
    RequestVisibleThumbnails();
    SetTimer(m_hWnd, kVisibleTimer, kVisibleTimerMs, nullptr);
}

void CDlgTabWallpaper::SelectCurrent() {
    HWND list = Item(IDC_WALLPAPER_PICTURES);
    ClearSelection(IDC_WALLPAPER_PICTURES);
    for (std::size_t i = 0; i < m_listed.size(); ++i)
        if (SamePathIgnoringCase(m_listed[i], m_slideshow.Current())) {
            LVITEMW state = {};
            state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
            SendMessageW(list, LVM_SETITEMSTATE, i, reinterpret_cast<LPARAM>(&state));
            SendMessageW(list, LVM_SETSELECTIONMARK, 0, static_cast<LPARAM>(i));
        }
}

CDlgTabWallpaper::Cell::Cell() {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kThumbnailWidth;
    info.bmiHeader.biHeight = -kThumbnailHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* pixels = nullptr;
    bitmap.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
    bits = static_cast<std::uint8_t*>(pixels);
    const std::vector<std::uint8_t> opaque((kThumbnailWidth + 15) / 16 * 2 * kThumbnailHeight, 0);
    mask.reset(CreateBitmap(kThumbnailWidth, kThumbnailHeight, 1, 1, opaque.data()));
}

void CDlgTabWallpaper::EnsureImages(int count) {
    if (ImageList_GetImageCount(m_images) < count)
        ImageList_SetImageCount(m_images, static_cast<UINT>(count));
}

void CDlgTabWallpaper::PutImage(int image, const ThumbnailPixels& pixels) {
    if (!m_cell->bits)
        return;
    if (pixels.size() == kThumbnailBytes)
        std::memcpy(m_cell->bits, pixels.data(), kThumbnailBytes);
    else
        std::memset(m_cell->bits, 0, kThumbnailBytes);
    GdiFlush();
    ImageList_Replace(m_images, image, static_cast<HBITMAP>(m_cell->bitmap.get()),
                      static_cast<HBITMAP>(m_cell->mask.get()));
}

void CDlgTabWallpaper::TakeThumbnails() {
    HWND list = Item(IDC_WALLPAPER_PICTURES);
    for (auto& [path, pixels] : m_loader->TakeFinished()) {
        const auto item = m_itemOfPath.find(path);
        // A picture the list no longer holds was asked for by an earlier one.
        if (item == m_itemOfPath.end() || m_slots.Made(path))
            continue;
        const int image = m_slots.Place(path, pixels.size() != kThumbnailBytes);
        if (image != ThumbnailSlots::kBlack) {
            EnsureImages(image + 1);
            PutImage(image, pixels);
        }
        LVITEMW change = {};
        change.mask = LVIF_IMAGE;
        change.iItem = item->second;
        change.iImage = image;
        m_ownChange = true;
        SendMessageW(list, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&change));
        m_ownChange = false;
        SendMessageW(list, LVM_REDRAWITEMS, item->second, item->second);
        --m_waiting;
    }
    if (m_waiting == 0)
        KillTimer(m_hWnd, kVisibleTimer);
}

void CDlgTabWallpaper::RequestVisibleThumbnails() {
    HWND list = Item(IDC_WALLPAPER_PICTURES);
    const int count = static_cast<int>(m_listed.size());
    if (count == 0)
        return;
    RECT client;
    GetClientRect(list, &client);
    auto boundsOf = [list](int item) {
        RECT bounds = {};
        bounds.left = LVIR_BOUNDS;
        SendMessageW(list, LVM_GETITEMRECT, item, reinterpret_cast<LPARAM>(&bounds));
        return bounds;
    };
    // The items are arranged row by row in their order: find the first one that
    // reaches into view, then walk on to the first one below it.
    int low = 0, high = count;
    while (low < high) {
        const int middle = (low + high) / 2;
        if (boundsOf(middle).bottom <= client.top)
            low = middle + 1;
        else
            high = middle;
    }
    if (low == m_firstVisible)
        return;
    m_firstVisible = low;
    std::vector<std::wstring> visible;
    for (int item = low; item < count && boundsOf(item).top < client.bottom; ++item)
        if (!m_slots.Made(m_listed[static_cast<std::size_t>(item)]))
            visible.push_back(m_listed[static_cast<std::size_t>(item)]);
    m_loader->Request(visible);
}

std::size_t CDlgTabWallpaper::ThumbnailsPending() const {
    return m_waiting;
}

void CDlgTabWallpaper::OnTimer(UINT_PTR id) {
    if (id == kVisibleTimer)
        RequestVisibleThumbnails();
}

void CDlgTabWallpaper::UpdateRemoveButton() {
    const bool selected = SendMessageW(Item(IDC_WALLPAPER_PICTURES), LVM_GETNEXTITEM,
                                       static_cast<WPARAM>(-1), LVNI_SELECTED) != -1 ||
                          SendMessageW(Item(IDC_WALLPAPER_FOLDERS), LVM_GETNEXTITEM,
                                       static_cast<WPARAM>(-1), LVNI_SELECTED) != -1;
    EnableWindow(Item(IDC_WALLPAPER_REMOVE), selected);
}

std::vector<int> CDlgTabWallpaper::SelectedRows(int listId) const {
    std::vector<int> rows;
    HWND list = Item(listId);
    for (LRESULT item = -1; (item = SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(item),
                                                 LVNI_SELECTED)) != -1;)
        rows.push_back(static_cast<int>(item));
    std::sort(rows.begin(), rows.end());
    return rows;
}

void CDlgTabWallpaper::ClearSelection(int listId) {
    HWND list = Item(listId);
    m_ownChange = true;
    SendMessageW(list, LVM_SETSELECTIONMARK, 0, -1);
    LVITEMW state = {};
    state.stateMask = LVIS_SELECTED;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
    m_ownChange = false;
}

void CDlgTabWallpaper::OnPictureChanged(const NMLISTVIEW& change) {
    const bool nowSelected = (change.uChanged & LVIF_STATE) && (change.uNewState & LVIS_SELECTED) &&
                             !(change.uOldState & LVIS_SELECTED);
    if (nowSelected && m_initialised && !m_rebuilding)
        m_slideshow.SelectPicture(change.iItem);
    ClearSelection(IDC_WALLPAPER_FOLDERS);
    UpdateRemoveButton();
}

void CDlgTabWallpaper::OnFolderChanged() {
    ClearSelection(IDC_WALLPAPER_PICTURES);
    UpdateRemoveButton();
}

bool CDlgTabWallpaper::OnNotify(NMHDR* header, LRESULT&) {
    // Only selection changes count: a thumbnail arriving changes its item's image.
    if (header->code == LVN_ITEMCHANGED && !m_ownChange &&
        (reinterpret_cast<const NMLISTVIEW*>(header)->uChanged & LVIF_STATE)) {
        if (header->idFrom == IDC_WALLPAPER_PICTURES)
            OnPictureChanged(*reinterpret_cast<const NMLISTVIEW*>(header));
        else if (header->idFrom == IDC_WALLPAPER_FOLDERS)
            OnFolderChanged();
        return false;
    }
    // The thumbnails are first drawn: the page is in view, so its pictures are wanted
    // now. Until then (a start into the tray) nothing is decoded.
    if (header->code == NM_CUSTOMDRAW && header->idFrom == IDC_WALLPAPER_PICTURES &&
        reinterpret_cast<const NMCUSTOMDRAW*>(header)->dwDrawStage == CDDS_PREPAINT)
        RequestHeldThumbnails();
    if (header->code == NM_RELEASEDCAPTURE && header->idFrom == IDC_WALLPAPER_FOLDERS)
        SendMessageW(header->hwndFrom, LVM_SETSELECTIONMARK, 0, -1);
    return false;
}

bool CDlgTabWallpaper::OnCommand(WORD id, WORD notifyCode, HWND) {
    switch (id) {
    case IDC_WALLPAPER_ADD_FILE:
        AddFile();
        return true;
    case IDC_WALLPAPER_ADD_FOLDER:
        AddFolder();
        return true;
    case IDC_WALLPAPER_REMOVE:
        Remove();
        return true;
    case IDC_WALLPAPER_POSITION:
        if (notifyCode == CBN_SELCHANGE)
            m_slideshow.SetPosition(static_cast<int>(SendMessageW(Item(id), CB_GETCURSEL, 0, 0)));
        return true;
    case IDC_WALLPAPER_INTERVAL:
        if (notifyCode == CBN_SELCHANGE) {
            const int row = static_cast<int>(SendMessageW(Item(id), CB_GETCURSEL, 0, 0));
            m_options.SetInt(key::iWallaperAutoChange, row);
            EnableWindow(Item(IDC_WALLPAPER_SHUFFLE), row != 0);
            m_slideshow.RestartTimer();
        }
        return true;
    case IDC_WALLPAPER_SHUFFLE:
        m_options.SetBool(key::fWallaperAutoChangeShuffle,
                          IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED);
        return true;
    case IDC_WALLPAPER_FIND_PICTURES:
        OpenAddress(HomeAddress(m_options.GetString(key::strLanguage)));
        return true;
    case IDC_WALLPAPER_HELP:
        OpenAddress(HelpAddress(L"background-picture", m_options.GetString(key::strLanguage)));
        return true;
    default:
        return false;
    }
}

void CDlgTabWallpaper::AddFile() {
    std::wstring path;
    if (!AskForFile(m_hWnd, m_texts.Text(19), kWallpaperPictureFilter, path))
        return;
    m_slideshow.AddFile(path);
    RefreshPictures();
    UpdateRemoveButton();
}

void CDlgTabWallpaper::AddFolder() {
    const std::wstring title = m_texts.Text(20);
    BROWSEINFOW browse = {};
    browse.hwndOwner = m_hWnd;
    browse.lpszTitle = title.c_str();
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_DONTGOBELOWDOMAIN;
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&browse);
    if (!chosen)
        return;
    wchar_t path[MAX_PATH] = L"";
    const bool ok = SHGetPathFromIDListW(chosen, path) != FALSE;
    CoTaskMemFree(chosen);
    if (!ok)
        return;
    m_slideshow.AddFolder(path);
    RefreshFolders();
    RefreshPictures();
}

void CDlgTabWallpaper::Remove() {
    const std::vector<int> pictures = SelectedRows(IDC_WALLPAPER_PICTURES);
    if (!pictures.empty())
        m_slideshow.RemovePictures(pictures);
    const std::vector<int> folders = SelectedRows(IDC_WALLPAPER_FOLDERS);
    if (!folders.empty()) {
        m_slideshow.RemoveFolders(folders);
        RefreshFolders();
        SendMessageW(Item(IDC_WALLPAPER_FOLDERS), LVM_SETSELECTIONMARK, 0, -1);
    }
    m_slideshow.BuildPlaylist(false);
    RefreshPictures();
    UpdateRemoveButton();
}

void CDlgTabWallpaper::OpenAddress(const std::wstring& address) const {
    OpenInBrowser(address);
}

INT_PTR CDlgTabWallpaper::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
    switch (message) {
    case kThumbnailsReady:
        if (m_loader)
            TakeThumbnails();
        handled = true;
        return TRUE;
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item.CtlID != IDC_WALLPAPER_FIND_PICTURES)
            return FALSE;
        // The plain page lies behind the link.
        FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
        DrawLinkButton(item, m_linkIcon.get(), kLinkColour);
        handled = true;
        return TRUE;
    }
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wParam) != Item(IDC_WALLPAPER_FIND_PICTURES) ||
            !IsWindowEnabled(Item(IDC_WALLPAPER_FIND_PICTURES)))
            return FALSE;
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        handled = true;
        SetResult(TRUE);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace orvane
