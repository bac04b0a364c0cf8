#include "background/WallpaperSlideshow.h"

#include "core/Options.h"
#include "core/SettingsKeys.h"
#include "framework/Random.h"

#include <algorithm>
#include <functional>
#include <unordered_set>

namespace orvane {
namespace {

const wchar_t kFilesSection[] = L"WallpapersFiles";
const wchar_t kFoldersSection[] = L"WallpapersFolders";
const wchar_t kExceptionsSection[] = L"WallpapersFoldersExceptions";

// Attributes that keep a folder's entry out of the slideshow: hidden, system,
// directory, temporary (0x116).
constexpr std::uint32_t kSkippedAttributes = 0x2 | 0x4 | 0x10 | 0x100;

bool Contains(const std::vector<std::wstring>& list, const std::wstring& text) {
    return std::find(list.begin(), list.end(), text) != list.end();
}

// Rows in range, each once, highest first.
std::vector<int> RowsHighestFirst(std::vector<int> rows, std::size_t count) {
    rows.erase(std::remove_if(
                   rows.begin(), rows.end(),
                   [count](int row) { return row < 0 || static_cast<std::size_t>(row) >= count; }),
               rows.end());
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

} // namespace

std::wstring FolderPart(const std::wstring& path) {
    const std::size_t slash = path.rfind(L'\\');
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

CWallpaperSlideshow::CWallpaperSlideshow(ISlideshowSystem& system, COptions& options)
    : m_system(system), m_options(options) {
    SeedRandomWithTime();
}

void CWallpaperSlideshow::Load(IProfileStore& settings) {
    m_settings = &settings;
    m_folders = ReadList(kFoldersSection);
    std::sort(m_folders.begin(), m_folders.end());
    m_exceptions = ReadList(kExceptionsSection);
    std::sort(m_exceptions.begin(), m_exceptions.end());
    m_files = ReadList(kFilesSection);
    BuildPlaylist(true);
    // The position in use, so that a change before the page opens keeps it.
    ReadStyle();
    RestartTimer();
}

void CWallpaperSlideshow::ChangeAtSignIn(bool autoStart) {
    if (autoStart && m_options.GetInt(key::iWallaperAutoChange) == kIntervalAtStartup)
        ShowNext();
}

std::vector<std::wstring> CWallpaperSlideshow::ReadList(const wchar_t* section) {
    std::vector<std::wstring> list;
    // A hand-edited file may name a path twice; the lists hold each once, or removing
    // it (a folder, a picture) would leave its other copy behind.
    std::unordered_set<std::wstring> seen;
    for (unsigned index = 0;; ++index) {
        std::wstring value =
            m_settings->ReadString(section, std::to_wstring(index), L"", kPathCapacity);
        if (value.empty())
            return list;
        if (seen.insert(value).second)
            list.push_back(std::move(value));
    }
}

void CWallpaperSlideshow::SaveList(const wchar_t* section, const std::vector<std::wstring>& list) {
    if (!m_settings)
        return;
    // Empty the old entries first: the first empty key ends the list when it is read,
    // so a shorter list leaves nothing of the longer one behind.
    for (unsigned index = 0;; ++index) {
        const std::wstring key = std::to_wstring(index);
        if (m_settings->ReadString(section, key, L"", kPathCapacity).empty())
            break;
        m_settings->WriteString(section, key, L"");
    }
    for (std::size_t index = 0; index < list.size(); ++index)
        m_settings->WriteString(section, std::to_wstring(index), list[index]);
    m_settings->Flush();
}

void CWallpaperSlideshow::SaveFiles() {
    SaveList(kFilesSection, m_files);
}
void CWallpaperSlideshow::SaveFolders() {
    SaveList(kFoldersSection, m_folders);
}
void CWallpaperSlideshow::SaveExceptions() {
    SaveList(kExceptionsSection, m_exceptions);
}

void CWallpaperSlideshow::BuildPlaylist(bool includeCurrent) {
    m_playlist.clear();
    const std::unordered_set<std::wstring> exceptions(m_exceptions.begin(), m_exceptions.end());
    for (const std::wstring& folder : m_folders)
        for (const ISlideshowSystem::FolderEntry& entry : m_system.ListFolder(folder)) {
            if ((entry.attributes & kSkippedAttributes) != 0 || !IsSlideshowPictureName(entry.name))
                continue;
            std::wstring path = folder + L"\\" + entry.name;
            if (!exceptions.count(path))
                m_playlist.push_back(std::move(path));
        }

    const std::size_t filesBefore = m_files.size();
    m_files.erase(
        std::remove_if(m_files.begin(), m_files.end(),
                       [this](const std::wstring& path) { return !m_system.FileExists(path); }),
        m_files.end());
    if (m_files.size() != filesBefore)
        SaveFiles();
    std::unordered_set<std::wstring> listed(m_playlist.begin(), m_playlist.end());
    for (const std::wstring& path : m_files)
        if (listed.insert(path).second)
            m_playlist.push_back(path);

    std::wstring wallpaper;
    if (includeCurrent && m_system.ReadDesktopValue(L"Wallpaper", wallpaper)) {
        m_current = wallpaper;
        const bool known =
            std::any_of(m_playlist.begin(), m_playlist.end(), [&](const std::wstring& path) {
                return m_system.SameIgnoringCase(path, m_current);
            });
        // The wallpaper in use when the program starts joins the user's files.
        if (!known && m_system.FileExists(m_current)) {
            m_playlist.push_back(m_current);
            m_files.push_back(m_current);
            SaveFiles();
        }
    }
    std::sort(m_playlist.begin(), m_playlist.end());
}

void CWallpaperSlideshow::ShowNext() {
    if (m_playlist.empty())
        return;
    const int count = static_cast<int>(m_playlist.size());
    const auto found = std::find(m_playlist.begin(), m_playlist.end(), m_current);
    int position =
        found == m_playlist.end() ? count - 1 : static_cast<int>(found - m_playlist.begin());
    if (count >= 2) {
        if (m_options.GetBool(key::fWallaperAutoChangeShuffle)) {
            int next;
            do
                next = Rand() % count;
            while (next == position);
            position = next;
        } else {
            position = position + 1 < count ? position + 1 : 0;
        }
    } else {
        position = 0;
    }
    m_current = m_playlist[static_cast<std::size_t>(position)];
    SetWallpaper(m_current, m_style);
}

long CWallpaperSlideshow::SetWallpaper(const std::wstring& path, int code) {
    return m_system.ApplyWallpaper(path, PositionOfCode(code));
}

int CWallpaperSlideshow::ReadStyle() {
    std::wstring style, tile;
    if (!m_system.ReadDesktopValue(L"WallpaperStyle", style))
        style.clear();
    if (!m_system.ReadDesktopValue(L"TileWallpaper", tile))
        tile.clear();
    const int row = PositionRowOf(style, tile);
    m_style = kPositions[row].code;
    return row;
}

void CWallpaperSlideshow::RestartTimer() {
    const unsigned seconds = IntervalSeconds(m_options.GetInt(key::iWallaperAutoChange));
    if (seconds == 0) {
        if (m_timerId != 0) {
            m_system.StopTimer(m_timerId);
            m_timerId = 0;
        }
        return;
    }
    m_timerId = m_system.StartTimer(m_timerId, seconds * 1000);
}

void CWallpaperSlideshow::AddFile(const std::wstring& path) {
    if (!Contains(m_files, path))
        m_files.push_back(path);
    SaveFiles();
    BuildPlaylist(false);
    m_current = path;
    SetWallpaper(m_current, m_style);
}

void CWallpaperSlideshow::AddFolder(const std::wstring& path) {
    if (Contains(m_folders, path)) {
        // Adding a folder again brings back the pictures removed from it.
        RemoveExceptionsIn(path);
        SaveExceptions();
    } else {
        m_folders.push_back(path);
    }
    std::sort(m_folders.begin(), m_folders.end());
    SaveFolders();
    BuildPlaylist(false);
}

void CWallpaperSlideshow::RemovePictures(const std::vector<int>& rows) {
    bool excepted = false, removed = false;
    for (int row : RowsHighestFirst(rows, m_playlist.size())) {
        const std::wstring& path = m_playlist[static_cast<std::size_t>(row)];
        if (Contains(m_folders, FolderPart(path)) && !Contains(m_exceptions, path)) {
            m_exceptions.push_back(path);
            excepted = true;
        }
        const auto file = std::find(m_files.begin(), m_files.end(), path);
        if (file != m_files.end()) {
            m_files.erase(file);
            removed = true;
        }
    }
    if (excepted)
        SaveExceptions();
    if (removed)
        SaveFiles();
}

void CWallpaperSlideshow::RemoveFolders(const std::vector<int>& rows) {
    for (int row : RowsHighestFirst(rows, m_folders.size())) {
        RemoveExceptionsIn(m_folders[static_cast<std::size_t>(row)]);
        m_folders.erase(m_folders.begin() + row);
    }
    SaveFolders();
    SaveExceptions();
}

void CWallpaperSlideshow::RemoveExceptionsIn(const std::wstring& folder) {
    m_exceptions.erase(
        std::remove_if(m_exceptions.begin(), m_exceptions.end(),
                       [&](const std::wstring& path) { return FolderPart(path) == folder; }),
        m_exceptions.end());
}

void CWallpaperSlideshow::SelectPicture(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= m_playlist.size())
        return;
    m_current = m_playlist[static_cast<std::size_t>(row)];
    SetWallpaper(m_current, m_style);
}

void CWallpaperSlideshow::SetPosition(int row) {
    m_style = PositionCodeOfRow(row);
    SetWallpaper(m_current, m_style);
}

} // namespace orvane
