#pragma once

#include "background/ThumbnailLoader.h"
#include "core/ChangeNotice.h"
#include "framework/Handle.h"
#include "framework/Page.h"
#include "resources/ids_pages.h"

#include <commctrl.h>

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace orvane {

class COptions;
class CTranslate;
class CWallpaperSlideshow;

// The "Background Picture" page: thumbnails of the slideshow's pictures, its folders,
// the position, the change interval and the shuffle switch. Every edit goes through the
// slideshow, which saves it; the lists are then rebuilt from it.
//
// Thumbnails are made by a worker thread and shown as they arrive, so the page answers
// at once however many pictures there are. They are asked for once the list is in view
// (not at a start into the tray), the visible ones first, and finished ones are kept so
// that a rebuild decodes only pictures it has not seen.
class CDlgTabWallpaper : public CPage {
public:
    // spanAvailable: the position list offers "Span" (Windows 10 and later). While the
    // window exists, each raise of pageChanges shows the slideshow's pictures again.
    CDlgTabWallpaper(CWallpaperSlideshow& slideshow, COptions& options, const CTranslate& texts,
                     bool spanAvailable, CChangeNotice& pageChanges);
    ~CDlgTabWallpaper() override;

    void ApplyTexts() override { RefreshTexts(); }
    void RefreshTexts();
    // Rebuilds the thumbnails from the slideshow's playlist.
    void RefreshPictures();
    void RefreshFolders();
    void UpdateRemoveButton();

    // Thumbnails asked for and not yet shown.
    std::size_t ThumbnailsPending() const;

    static constexpr UINT kThumbnailsReady = WM_APP + 1;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    bool OnNotify(NMHDR* header, LRESULT& result) override;
    void OnTimer(UINT_PTR id) override;
    void OnDestroy() override;
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

private:
    void AddFile();
    void AddFolder();
    void Remove();
    void OnPictureChanged(const NMLISTVIEW& change);
    void OnFolderChanged();
    void ClearSelection(int listId);
    std::vector<int> SelectedRows(int listId) const;
    void SelectCurrent();
    void PutImage(int image, const ThumbnailPixels& pixels);
    void EnsureImages(int count);
    void TakeThumbnails();
    void RequestHeldThumbnails();
    void RequestVisibleThumbnails();
    void OpenAddress(const std::wstring& address) const;

    CWallpaperSlideshow& m_slideshow;
    COptions& m_options;
    const CTranslate& m_texts;
    bool m_spanAvailable;
    CChangeNotice& m_pageChanges;
    CChangeNotice::Subscription m_listening; // to m_pageChanges while the window exists
    bool m_initialised = false;
    bool m_rebuilding = false;     // the rebuild selects the current picture, not the user
    bool m_ownChange = false;      // the page changes a list itself: no choice of the user's
    HIMAGELIST m_images = nullptr; // owned by the pictures list
    UniqueIcon m_linkIcon;
    UniqueIcon m_helpIcon;
    // The cell a thumbnail passes through on its way into the image list: a top-down
    // 24-bit DIB section and an all-opaque mask.
    struct Cell {
        Cell();
        UniqueGdiObject bitmap;
        UniqueGdiObject mask;
        std::uint8_t* bits = nullptr;
    };

    std::unique_ptr<Cell> m_cell;
    ThumbnailSlots m_slots;
    std::vector<std::wstring> m_listed; // the playlist the list shows
    std::unordered_map<std::wstring, int> m_itemOfPath;
    std::size_t m_waiting = 0;        // items without their thumbnail
    std::vector<std::wstring> m_held; // not asked for until the list is first drawn
    int m_firstVisible = -1;          // of the last request for the visible items
    std::unique_ptr<ThumbnailLoader> m_loader;
};

} // namespace orvane
