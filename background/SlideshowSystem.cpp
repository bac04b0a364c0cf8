#include "background/SlideshowSystem.h"

#include "framework/Handle.h"

#include <shlwapi.h>

#include <unordered_map>

namespace orvane {
namespace {

const wchar_t kDesktopKey[] = L"Control Panel\\Desktop";

// The systems whose timer runs, by timer id: a thread timer's procedure is told nothing
// else.
std::unordered_map<UINT_PTR, SlideshowSystem*>& TimerOwners() {
    static std::unordered_map<UINT_PTR, SlideshowSystem*> owners;
    return owners;
}

LSTATUS SetString(HKEY key, const wchar_t* name, const wchar_t* text) {
    return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                          static_cast<DWORD>((wcslen(text) + 1) * sizeof(wchar_t)));
}

} // namespace

SlideshowSystem::SlideshowSystem(std::function<void()> tick) : m_tick(std::move(tick)) {}

SlideshowSystem::~SlideshowSystem() {
    auto& owners = TimerOwners();
    for (auto owner = owners.begin(); owner != owners.end();)
        if (owner->second == this) {
            KillTimer(nullptr, owner->first);
            owner = owners.erase(owner);
        } else {
            ++owner;
        }
}

void CALLBACK SlideshowSystem::Tick(HWND, UINT, UINT_PTR id, DWORD) {
    try {
        const auto owner = TimerOwners().find(id);
        if (owner != TimerOwners().end() && owner->second->m_tick)
            owner->second->m_tick();
    } catch (...) {
        // Nothing may unwind into the system's timer dispatch.
    }
}

std::vector<ISlideshowSystem::FolderEntry> SlideshowSystem::ListFolder(const std::wstring& folder) {
    std::vector<FolderEntry> entries;
    WIN32_FIND_DATAW found;
    UniqueFind find(FindFirstFileW((folder + L"\\*.*").c_str(), &found));
    if (!find)
        return entries;
    do
        entries.push_back({found.cFileName, found.dwFileAttributes});
    while (FindNextFileW(find.get(), &found));
    return entries;
}

bool SlideshowSystem::FileExists(const std::wstring& path) {
    return PathFileExistsW(path.c_str()) != FALSE;
}

bool SlideshowSystem::ReadDesktopValue(const wchar_t* name, std::wstring& value) {
    wchar_t buffer[260] = L"";
    DWORD type = 0, size = sizeof buffer;
    if (SHGetValueW(HKEY_CURRENT_USER, kDesktopKey, name, &type, buffer, &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return false;
    // A value stored without its terminator fills the buffer to the end.
    value.assign(buffer, wcsnlen(buffer, size / sizeof(wchar_t)));
    return true;
}

long SlideshowSystem::ApplyWallpaper(const std::wstring& path, const WallpaperPosition& position) {
    UniqueKey key;
    LSTATUS status =
        RegOpenKeyExW(HKEY_CURRENT_USER, kDesktopKey, 0, KEY_READ | KEY_WRITE, key.receive());
    if (status != ERROR_SUCCESS)
        return HRESULT_FROM_WIN32(status);
    status = SetString(key.get(), L"WallpaperStyle", position.wallpaperStyle);
    if (status == ERROR_SUCCESS)
        status = SetString(key.get(), L"TileWallpaper", position.tileWallpaper);
    key.reset();
    if (status != ERROR_SUCCESS)
        return HRESULT_FROM_WIN32(status);
    // The file goes to the system as it is; Windows converts it itself.
    if (!SystemParametersInfoW(SPI_SETDESKWALLPAPER, 0, const_cast<wchar_t*>(path.c_str()),
                               SPIF_UPDATEINIFILE | SPIF_SENDCHANGE))
        return HRESULT_FROM_WIN32(GetLastError());
    return S_OK;
}

bool SlideshowSystem::SameIgnoringCase(const std::wstring& a, const std::wstring& b) {
    return SamePathIgnoringCase(a, b);
}

std::uintptr_t SlideshowSystem::StartTimer(std::uintptr_t id, unsigned milliseconds) {
    const UINT_PTR started = SetTimer(nullptr, id, milliseconds, Tick);
    if (started != 0)
        TimerOwners()[started] = this;
    return started;
}

void SlideshowSystem::StopTimer(std::uintptr_t id) {
    KillTimer(nullptr, id);
    TimerOwners().erase(id);
}

bool SamePathIgnoringCase(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

std::wstring SlideshowSettingsFile::ReadString(const std::wstring& section, const std::wstring& key,
                                              const std::wstring& fallback, std::size_t capacity) {
    if (m_pending)
        return m_pending->ReadString(section, key, fallback, capacity);
    return m_file.Read().ReadString(section, key, fallback, capacity);
}

int SlideshowSettingsFile::ReadInt(const std::wstring& section, const std::wstring& key,
                                   int fallback) {
    if (m_pending)
        return m_pending->ReadInt(section, key, fallback);
    return m_file.Read().ReadInt(section, key, fallback);
}

bool SlideshowSettingsFile::WriteString(const std::wstring& section, const std::wstring& key,
                                        const std::wstring& value) {
    if (!m_pending)
        m_pending = std::make_unique<ProfileFileEdit>(m_file.Edit());
    return m_pending->WriteString(section, key, value);
}

bool SlideshowSettingsFile::Flush() {
    const bool written = !m_pending || m_pending->Commit();
    m_pending.reset();
    return written;
}

} // namespace orvane
