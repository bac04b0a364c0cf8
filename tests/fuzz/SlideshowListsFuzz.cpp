// The slideshow's three picture lists (files, folders, pictures taken out of folders)
// as the settings file holds them, with folders whose listings come from their names.
#include "FuzzInput.h"

#include "core/Options.h"
#include "background/WallpaperSlideshow.h"
#include "framework/ProfileText.h"
#include "tests/support/MemorySlideshowSystem.h"

#include <algorithm>

namespace orvane::fuzz {
namespace {

// The slideshow's list of the section as it reads it: keys 0, 1, 2... up to the first
// empty one.
std::vector<std::wstring> StoredList(IProfileStore& store, const wchar_t* section) {
    std::vector<std::wstring> list;
    for (unsigned index = 0;; ++index) {
        std::wstring value = store.ReadString(section, std::to_wstring(index), L"",
                                              CWallpaperSlideshow::kPathCapacity);
        if (value.empty())
            return list;
        list.push_back(std::move(value));
    }
}

// A file system and desktop made up from the text: a folder of the folders list lists one
// entry for each of the first characters of its name that may stand in a file name, with
// attributes and a picture extension or not taken from that character; of the single files
// and the desktop's wallpaper, those whose length is no multiple of four exist; the
// desktop's values are keys of a "Desktop" section.
void MakeUpSystem(test::MemorySlideshowSystem& system, const ProfileText& text,
                  IProfileStore& store) {
    static const wchar_t* const kExtensions[] = {L".jpg", L".PNG", L".txt", L".bmp", L""};
    for (const std::wstring& folder : StoredList(store, L"WallpapersFolders")) {
        std::vector<ISlideshowSystem::FolderEntry>& entries = system.folders[folder];
        for (std::size_t i = 0; i < folder.size() && i < 6; ++i) {
            const wchar_t c = folder[i];
            if (c < L' ' || c == L'\\' || c == L'/')
                continue; // never in a file name
            entries.push_back({std::wstring(1, c) + kExtensions[c % 5], c & 0x116u});
        }
    }
    std::vector<std::wstring> paths = StoredList(store, L"WallpapersFiles");
    for (const wchar_t* name : {L"Wallpaper", L"WallpaperStyle", L"TileWallpaper"}) {
        const std::wstring* stored = text.Find(L"Desktop", name);
        if (stored && stored->size() <= 259)
            system.desktop.values[name] = *stored;
    }
    std::wstring wallpaper;
    if (system.desktop.Read(L"Wallpaper", wallpaper))
        paths.push_back(wallpaper);
    for (const std::wstring& path : paths)
        if (path.size() % 4 != 0)
            system.files.insert(test::WindowsFileName(path));
}

bool Contains(const std::vector<std::wstring>& list, const std::wstring& path) {
    return std::find(list.begin(), list.end(), path) != list.end();
}

// A path cut to its buffer may end in a blank, which the file then keeps no more than the
// file system does: the same file.
bool ContainsFile(const std::vector<std::wstring>& list, const std::wstring& path) {
    return std::any_of(list.begin(), list.end(), [&](const std::wstring& entry) {
        return test::WindowsFileName(entry) == test::WindowsFileName(path);
    });
}

} // namespace
} // namespace orvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvane;
    using namespace orvane::fuzz;
    const std::wstring input = WideText(data, size);
    const ProfileText text(input);
    ProfileTextStore store(input);
    test::MemorySlideshowSystem system;
    MakeUpSystem(system, text, store);
    COptions options;
    options.Load(store);

    CWallpaperSlideshow slideshow(system, options);
    slideshow.Load(store);
    const std::vector<std::wstring>& playlist = slideshow.Playlist();
    Require(std::is_sorted(playlist.begin(), playlist.end()));
    for (const std::wstring& path : slideshow.Files())
        Require(system.FileExists(path) && Contains(playlist, path));
    for (const std::wstring& path : playlist)
        Require(!Contains(slideshow.Exceptions(), path) || Contains(slideshow.Files(), path));

    // Every change shows a picture of the list.
    for (int i = 0; i < 3 && !playlist.empty(); ++i) {
        slideshow.ShowNext();
        Require(Contains(playlist, slideshow.Current()) &&
                system.desktop.applied.back() == slideshow.Current());
    }

    // Removing pictures by rows of any value keeps them out of the next playlist.
    std::vector<int> rows;
    for (std::size_t i = 0; i + 3 < size && rows.size() < 4; i += 4) {
        int row;
        __builtin_memcpy(&row, data + i, sizeof row);
        rows.push_back(row % 8);
    }
    const std::vector<std::wstring> before = playlist;
    slideshow.RemovePictures(rows);
    slideshow.RemoveFolders({static_cast<int>(size % 3) - 1});
    slideshow.BuildPlaylist(false);
    for (int row : rows)
        if (row >= 0 && static_cast<std::size_t>(row) < before.size())
            Require(!Contains(slideshow.Playlist(), before[static_cast<std::size_t>(row)]));

    // What was saved is what the next start reads.
    slideshow.SaveFiles();
    slideshow.SaveFolders();
    slideshow.SaveExceptions();
    ProfileTextStore saved(store.Text().Text());
    CWallpaperSlideshow next(system, options);
    next.Load(saved);
    Require(next.Folders() == slideshow.Folders());
    Require(next.Exceptions().size() <= slideshow.Exceptions().size());
    for (const std::wstring& path : slideshow.Files())
        Require(ContainsFile(next.Files(), path));
    return 0;
}
