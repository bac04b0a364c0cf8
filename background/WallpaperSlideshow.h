#pragma once

#include "background/SlideshowTables.h"
#include "framework/ProfileStore.h"

#include <cstdint>
#include <string>
#include <vector>

namespace orvane {

class COptions;

// What the slideshow needs of the system: the file system, the desktop's registry
// values, the wallpaper call and a thread timer. The program's is SlideshowSystem.
class ISlideshowSystem {
public:
    struct FolderEntry {
        std::wstring name;
        std::uint32_t attributes; // FILE_ATTRIBUTE_* bits
    };

    virtual ~ISlideshowSystem() = default;
    // The entries that the pattern "folder\*.*" finds; none when it cannot be listed.
    virtual std::vector<FolderEntry> ListFolder(const std::wstring& folder) = 0;
    virtual bool FileExists(const std::wstring& path) = 0;
    // A string value of HKEY_CURRENT_USER\Control Panel\Desktop; false when it is
    // missing, longer than 259 characters or not a REG_SZ.
    virtual bool ReadDesktopValue(const wchar_t* name, std::wstring& value) = 0;
    // Writes "WallpaperStyle" and "TileWallpaper", then sets the wallpaper and tells
    // every window; an HRESULT.
    virtual long ApplyWallpaper(const std::wstring& path, const WallpaperPosition& position) = 0;
    // Whether two paths name the same file as far as letter case goes.
    virtual bool SameIgnoringCase(const std::wstring& a, const std::wstring& b) = 0;
    // A thread timer: starts one, or replaces the running one with that id; returns the
    // id, 0 on failure.
    virtual std::uintptr_t StartTimer(std::uintptr_t id, unsigned milliseconds) = 0;
    virtual void StopTimer(std::uintptr_t id) = 0;
};

// The picture slideshow: single files and folders the user collected, the pictures
// taken out of those folders, the sorted list it cycles through, and the change timer.
// The three lists live in sections of settings.ini; each edit saves what it changed.
//
// "iWallaperAutoChange" is the row of the interval list. Rows 0 and 1 run no timer;
// row 1 also changes the picture once at a sign-in start. A stored row above the list
// (17, every day, is the last) runs no timer and makes no change at sign-in: it is off,
// as the page then shows and stores it.
class CWallpaperSlideshow {
public:
    static constexpr std::size_t kPathCapacity = 260;

    // Seeds the random generator with the time.
    CWallpaperSlideshow(ISlideshowSystem& system, COptions& options);

    // Start-up: reads the lists, builds the playlist with the current wallpaper, reads
    // the position in use and starts the timer. The store is kept for later saves.
    void Load(IProfileStore& settings);
    // After Load: the one change of a sign-in start ("-auto") set to change at startup.
    void ChangeAtSignIn(bool autoStart);

    void BuildPlaylist(bool includeCurrent);
    void ShowNext();
    long SetWallpaper(const std::wstring& path, int code);
    // Sets the position code from the registry and returns its page row.
    int ReadStyle();
    void RestartTimer();

    void SaveFiles();
    void SaveFolders();
    void SaveExceptions();

    // Editing by the picture page.
    void AddFile(const std::wstring& path);
    void AddFolder(const std::wstring& path);
    // Playlist rows; the caller rebuilds the playlist afterwards.
    void RemovePictures(const std::vector<int>& rows);
    // Rows of the folders list; the caller rebuilds the playlist afterwards.
    void RemoveFolders(const std::vector<int>& rows);
    void RemoveExceptionsIn(const std::wstring& folder);
    void SelectPicture(int row);
    void SetPosition(int row);

    const std::vector<std::wstring>& Files() const { return m_files; }
    const std::vector<std::wstring>& Folders() const { return m_folders; }
    const std::vector<std::wstring>& Exceptions() const { return m_exceptions; }
    const std::vector<std::wstring>& Playlist() const { return m_playlist; }
    const std::wstring& Current() const { return m_current; }
    int Style() const { return m_style; }
    std::uintptr_t TimerId() const { return m_timerId; }
    ISlideshowSystem& System() { return m_system; }

private:
    std::vector<std::wstring> ReadList(const wchar_t* section);
    void SaveList(const wchar_t* section, const std::vector<std::wstring>& list);

    ISlideshowSystem& m_system;
    COptions& m_options;
    IProfileStore* m_settings = nullptr;
    std::vector<std::wstring> m_files;
    std::vector<std::wstring> m_folders;
    std::vector<std::wstring> m_exceptions;
    std::vector<std::wstring> m_playlist;
    std::wstring m_current;
    int m_style = kFillCode;
    std::uintptr_t m_timerId = 0;
};

// The folder part of a path: the text before its last backslash, empty without one.
std::wstring FolderPart(const std::wstring& path);

} // namespace orvane
