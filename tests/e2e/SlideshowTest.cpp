#include "OrvaneProcess.h"
#include "BitmapFile.h"

#include "resources/ids_slideshow.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <shlwapi.h>

namespace orvane::test {
namespace {

const wchar_t kDesktopKey[] = L"Control Panel\\Desktop";
const wchar_t* const kDesktopValues[] = {L"Wallpaper", L"WallpaperStyle", L"TileWallpaper"};

std::wstring DesktopValue(const wchar_t* name) {
    wchar_t value[MAX_PATH] = L"";
    DWORD size = sizeof value;
    if (SHGetValueW(HKEY_CURRENT_USER, kDesktopKey, name, nullptr, value, &size) != ERROR_SUCCESS)
        return L"<missing>";
    return value;
}

void SetDesktopValue(const wchar_t* name, const std::wstring& value) {
    SHSetValueW(HKEY_CURRENT_USER, kDesktopKey, name, REG_SZ, value.c_str(),
                static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

// Puts the prefix's wallpaper values back after the test.
class DesktopGuard {
public:
    DesktopGuard() {
        for (const wchar_t* name : kDesktopValues)
            m_saved.push_back(DesktopValue(name));
    }
    ~DesktopGuard() {
        for (std::size_t i = 0; i < m_saved.size(); ++i)
            if (m_saved[i] == L"<missing>")
                SHDeleteValueW(HKEY_CURRENT_USER, kDesktopKey, kDesktopValues[i]);
            else
                SetDesktopValue(kDesktopValues[i], m_saved[i]);
    }

private:
    std::vector<std::wstring> m_saved;
};

// Three pictures in a folder, the first of them the wallpaper when the program starts.
struct ThreePictures {
    ThreePictures() {
        for (int i = 0; i < 3; ++i) {
            paths.push_back(folder / (L"picture" + std::to_wstring(i + 1) + L".bmp"));
            WriteBitmapFile(paths.back(), 64, 36, static_cast<std::uint8_t>(80 * i), 120, 200);
        }
        SetDesktopValue(L"Wallpaper", paths[0]);
        SetDesktopValue(L"WallpaperStyle", L"10");
        SetDesktopValue(L"TileWallpaper", L"0");
    }
    std::wstring Settings(int interval) const {
        return L"[Settings]\r\nfAutoRun=0\r\niWallaperAutoChange=" + std::to_wstring(interval) +
               L"\r\n[WallpapersFolders]\r\n0=" + folder.Path() + L"\r\n";
    }

    DesktopGuard guard;
    TempFolder folder;
    std::vector<std::wstring> paths;
};

BOOL CALLBACK FindPicturePage(HWND window, LPARAM found) {
    wchar_t name[32] = L"";
    GetClassNameW(GetDlgItem(window, IDC_WALLPAPER_PICTURES), name, 32);
    if (std::wstring(name) == WC_LISTVIEWW && GetDlgItem(window, IDC_WALLPAPER_FOLDERS)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

HWND PicturePage(HWND main) {
    HWND page = nullptr;
    EnumChildWindows(main, FindPicturePage, reinterpret_cast<LPARAM>(&page));
    return page;
}

// Selects one row of a list view, as a plain click does, in the program's process: the
// item travels there.
void SelectRow(const OrvaneProcess& orvane, HWND list, int row) {
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, orvane.Id());
    ASSERT_NE(nullptr, process);
    void* remote = VirtualAllocEx(process, nullptr, sizeof(LVITEMW), MEM_COMMIT, PAGE_READWRITE);
    LVITEMW state = {};
    state.stateMask = LVIS_SELECTED;
    WriteProcessMemory(process, remote, &state, sizeof state, nullptr);
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(remote));
    state.state = LVIS_SELECTED;
    WriteProcessMemory(process, remote, &state, sizeof state, nullptr);
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(remote));
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
}

int SelectedRow(HWND list) {
    return static_cast<int>(
        SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void Command(HWND page, int id, WORD code) {
    SendMessageW(page, WM_COMMAND, MAKEWPARAM(id, code),
                 reinterpret_cast<LPARAM>(GetDlgItem(page, id)));
}

std::wstring Stored(const OrvaneProcess& orvane, const wchar_t* section, const wchar_t* key) {
    for (const auto& [name, value] : ReadSection(ReadUtf16File(orvane.SettingsPath()), section))
        if (name == key)
            return value;
    return L"<missing>";
}

// The program started normally on the three pictures, and its picture page.
class SlideshowPage : public ::testing::Test {
protected:
    void Start(int interval) {
        orvane.WriteSettings(pictures.Settings(interval));
        ASSERT_TRUE(orvane.Start());
        // The main window exists before its tabs have made their pages, and a page is
        // shown only once it has made all its controls.
        const HWND main = orvane.MainWindow();
        ASSERT_TRUE(WaitFor([&] {
            page = PicturePage(main);
            return page && IsWindowVisible(page);
        }));
    }
    void TearDown() override {
        orvane.Exit();
        EXPECT_TRUE(orvane.WaitForExit());
    }

    ThreePictures pictures;
    OrvaneProcess orvane;
    HWND page = nullptr;
};

TEST_F(SlideshowPage, EveryTenSecondsTheNextPictureBecomesTheWallpaperInTheChosenPosition) {
    ASSERT_NO_FATAL_FAILURE(Start(2));
    HWND list = GetDlgItem(page, IDC_WALLPAPER_PICTURES);
    ASSERT_EQ(0, SelectedRow(list)) << "the wallpaper in use is the current picture";

    // Tile: the current picture again, with the position's two values.
    SendMessageW(GetDlgItem(page, IDC_WALLPAPER_POSITION), CB_SETCURSEL, 3, 0);
    Command(page, IDC_WALLPAPER_POSITION, CBN_SELCHANGE);
    EXPECT_EQ(L"0", DesktopValue(L"WallpaperStyle"));
    EXPECT_EQ(L"1", DesktopValue(L"TileWallpaper"));
    EXPECT_EQ(pictures.paths[0], DesktopValue(L"Wallpaper"));

    const DWORD start = GetTickCount();
    ASSERT_TRUE(WaitFor([&] { return DesktopValue(L"Wallpaper") == pictures.paths[1]; }, 12000));
    EXPECT_GE(GetTickCount() - start, 5000u) << "not before the interval";
    EXPECT_EQ(L"0", DesktopValue(L"WallpaperStyle"));
    EXPECT_EQ(L"1", DesktopValue(L"TileWallpaper"));
    EXPECT_TRUE(WaitFor([&] { return SelectedRow(list) == 1; })) << "the page follows";
}

TEST(Slideshow, ASignInStartChangesThePictureOnceAndANormalStartLeavesIt) {
    ThreePictures pictures;
    // The sign-in start moves from the first picture to the second; a start in any other
    // way would move on to the third.
    for (const wchar_t* arguments : {L"-auto", L"", L"-Auto"}) {
        SCOPED_TRACE(Narrow(arguments));
        OrvaneProcess orvane;
        orvane.WriteSettings(pictures.Settings(1));
        ASSERT_TRUE(orvane.Start(arguments));
        ASSERT_NE(nullptr, orvane.MainWindow());
        EXPECT_TRUE(WaitFor([&] { return DesktopValue(L"Wallpaper") == pictures.paths[1]; }));
        Sleep(3000);
        EXPECT_EQ(pictures.paths[1], DesktopValue(L"Wallpaper"));
        EXPECT_EQ(L"10", DesktopValue(L"WallpaperStyle")) << "in the position in use";
        orvane.Exit();
        EXPECT_TRUE(orvane.WaitForExit());
    }
}

TEST_F(SlideshowPage, RemovingAThumbnailAndAFolderUpdatesTheSettingsFileAtOnce) {
    ASSERT_NO_FATAL_FAILURE(Start(0));
    HWND thumbnails = GetDlgItem(page, IDC_WALLPAPER_PICTURES);
    HWND folders = GetDlgItem(page, IDC_WALLPAPER_FOLDERS);
    HWND remove = GetDlgItem(page, IDC_WALLPAPER_REMOVE);
    ASSERT_EQ(3, SendMessageW(thumbnails, LVM_GETITEMCOUNT, 0, 0));

    SelectRow(orvane, thumbnails, 2);
    EXPECT_EQ(pictures.paths[2], DesktopValue(L"Wallpaper")) << "a selected thumbnail is applied";
    EXPECT_TRUE(IsWindowEnabled(remove));
    Command(page, IDC_WALLPAPER_REMOVE, BN_CLICKED);
    EXPECT_EQ(pictures.paths[2], Stored(orvane, L"WallpapersFoldersExceptions", L"0"));
    EXPECT_EQ(2, SendMessageW(thumbnails, LVM_GETITEMCOUNT, 0, 0));

    SelectRow(orvane, folders, 0);
    EXPECT_EQ(-1, SelectedRow(thumbnails));
    EXPECT_TRUE(IsWindowEnabled(remove));
    Command(page, IDC_WALLPAPER_REMOVE, BN_CLICKED);
    EXPECT_EQ(L"", Stored(orvane, L"WallpapersFolders", L"0"));
    EXPECT_EQ(L"", Stored(orvane, L"WallpapersFoldersExceptions", L"0"));
    EXPECT_EQ(0, SendMessageW(folders, LVM_GETITEMCOUNT, 0, 0));
    EXPECT_EQ(0, SendMessageW(thumbnails, LVM_GETITEMCOUNT, 0, 0));
    EXPECT_FALSE(IsWindowEnabled(remove));
}

} // namespace
} // namespace orvane::test
