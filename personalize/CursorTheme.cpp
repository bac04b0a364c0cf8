#include "personalize/CursorTheme.h"

#include "framework/Handle.h"

#include <shlwapi.h>

namespace orvane {
namespace {

struct CursorRole {
    const wchar_t* file;
    DWORD systemCursor;
};

// The system cursor ids OCR_NORMAL, OCR_HAND and OCR_WAIT (winuser.h defines them only
// for OEMRESOURCE).
const CursorRole kRoles[] = {
    {L"\\normal", 32512},
    {L"\\hand", 32649},
    {L"\\wait", 32514},
};

} // namespace

CCursorSystem& SystemCursors() {
    static CCursorSystem system;
    return system;
}

void ApplyCursorTheme(const std::wstring& folder, CCursorSystem& system) {
    if (folder.empty()) {
        system.ReloadSystemCursors();
        return;
    }
    for (const CursorRole& role : kRoles) {
        const std::wstring base = folder + role.file;
        HCURSOR cursor = system.LoadFromFile(base + L".ani");
        if (!cursor)
            cursor = system.LoadFromFile(base + L".cur");
        // The system owns a cursor it took; one it refused is ours to free.
        if (cursor && !system.SetSystemCursor(cursor, role.systemCursor))
            DestroyCursor(cursor);
    }
}

std::vector<std::wstring> ScanThemes(const std::wstring& programFolder) {
    std::vector<std::wstring> themes;
    const std::wstring cursors = programFolder + L"\\cursors";
    WIN32_FIND_DATAW entry;
    UniqueFind find(FindFirstFileW((cursors + L"\\*").c_str(), &entry));
    if (!find)
        return themes;
    do {
        const std::wstring name = entry.cFileName;
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || name == L"." || name == L"..")
            continue;
        const std::wstring theme = cursors + L"\\" + name;
        if (PathFileExistsW((theme + L"\\normal.ani").c_str()) ||
            PathFileExistsW((theme + L"\\normal.cur").c_str()))
            themes.push_back(theme);
    } while (FindNextFileW(find.get(), &entry));
    return themes;
}

} // namespace orvane
