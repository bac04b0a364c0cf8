#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace orvane {

// The system calls through which a cursor theme reaches Windows. The program uses them
// as they are; tests derive from this to see what would be replaced.
class CCursorSystem {
public:
    virtual ~CCursorSystem() = default;
    virtual HCURSOR LoadFromFile(const std::wstring& path) {
        return LoadCursorFromFileW(path.c_str());
    }
    // Takes the cursor over when it succeeds.
    virtual BOOL SetSystemCursor(HCURSOR cursor, DWORD id) { return ::SetSystemCursor(cursor, id); }
    // The system reloads every cursor of its own.
    virtual BOOL ReloadSystemCursors() {
        return SystemParametersInfoW(SPI_SETCURSORS, 0, nullptr, 0);
    }
};

// The real system calls.
CCursorSystem& SystemCursors();

// Replaces the normal, hand and busy cursors with the theme folder's files (".ani"
// before ".cur"); a role without a file that loads keeps the cursor it has. An empty
// folder gives the system its own cursors back.
void ApplyCursorTheme(const std::wstring& folder, CCursorSystem& system = SystemCursors());

// The theme folders below programFolder\cursors, in the order the file system lists
// them: every subfolder with a "normal.ani" or "normal.cur".
std::vector<std::wstring> ScanThemes(const std::wstring& programFolder);

} // namespace orvane
