// The slideshow's three picture lists (files, folders, pictures taken out of folders)
// as the settings file holds them, with folders whose listings come from their names.
#include "FuzzInput.h"

#include "core/Options.h"
#include "background/WallpaperSlideshow.h"
#include "framework/ProfileText.h"

#include <algorithm>
#include <cwctype>

namespace orvane::fuzz {
namespace {

// A file system and desktop made up from the text: a folder lists one entry for each of
// the first characters of its name that may stand in a file name, with attributes and a picture
// extension or not taken from that character; the desktop's values are keys of a "Desktop" section.
class MadeUpSystem : public ISlideshowSystem {
public:
    explicit MadeUpSystem(const ProfileText& text) : m_text(text) {}

    std::vector<FolderEntry> ListFolder(const std::wstring& folder) override {
        static const wchar_t* const kExtensions[] = {L".jpg", L".PNG", L".txt", L".bmp", L""};
        std::vector<FolderEntry> entries;
        for (std::size_t i = 0; i < folder.size() && i < 6; ++i) {
            const wchar_t c = folder[i];
            if (c < L' ' || c == L'\\' || c == L'/')
                continue; // never in a file name
            entries.push_back({std::wstring(1, c) + kExtensions[c % 5], c & 0x116u});
        }
        return entries;
    }
    bool FileExists(const std::wstring& path) override { return path.size() % 4 != 0; }
    bool ReadDesktopValue(const wchar_t* name, std::wstring& value) override {
        const std::wstring* stored = m_text.Find(L"Desktop", name);
        if (!stored || stored->size() > 259)
            return false;
        value = *stored;
        return true;
    }
    long ApplyWallpaper(const std::wstring& path, const WallpaperPosition&) override {
        applied = path;
        return 0;
    }
    bool SameIgnoringCase(const std::wstring& a, const std::wstring& b) override {
        return a.size() == b.size() &&
               std::equal(a.begin(), a.end(), b.begin(), [](wchar_t x, wchar_t y) {
                   return std::towlower(x) == std::towlower(y);
               });
    }
    std::uintptr_t StartTimer(std::uintptr_t id, unsigned) override { return id ? id : 7; }
    void StopTimer(std::uintptr_t) override {}

    std::wstring applied;

private:
    const ProfileText& m_text;
};

bool Contains(const std::vector<std::wstring>& list, const std::wstring& path) {
    return std::find(list.begin(), list.end(), path) != list.end();
}

} // namespace
} // namespace orvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvane;
    using namespace orvane::fuzz;
    const std::wstring input = WideText(data, size);
    const ProfileText text(input);
    MadeUpSystem system(text);
    ProfileTextStore store(input);
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
        Require(Contains(playlist, slideshow.Current()) && system.applied == slideshow.Current());
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
        Require(Contains(next.Files(), path));
    return 0;
}
