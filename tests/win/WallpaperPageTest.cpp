#include "core/Options.h"
#include "core/Translate.h"
#include "background/DlgTabWallpaper.h"
#include "background/SlideshowSystem.h"
#include "background/WallpaperSlideshow.h"
#include "framework/Gdiplus.h"
#include "resources/ids_slideshow.h"
#include "DesktopValues.h"
#include "DialogControls.h"
#include "MessagePump.h"
#include "DialogWatcher.h"
#include "BitmapFile.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <dlgs.h>

#include <functional>

namespace orvane::test {
namespace {

// The real file system, with the desktop's registry values, the wallpaper call and the
// timer kept in memory.
class RecordingSystem : public SlideshowSystem {
public:
    bool ReadDesktopValue(const wchar_t* name, std::wstring& value) override {
        return desktop.Read(name, value);
    }
    long ApplyWallpaper(const std::wstring& path, const WallpaperPosition& position) override {
        desktop.Apply(path, position);
        return S_OK;
    }
    std::uintptr_t StartTimer(std::uintptr_t, unsigned milliseconds) override {
        timerMs = milliseconds;
        return 42;
    }
    void StopTimer(std::uintptr_t) override { timerMs = 0; }

    DesktopValues desktop;
    unsigned timerMs = 0;
};

struct Colour {
    int red, green, blue;
};

class WallpaperPage : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(gdiplus.Ok());
        texts.SetFolder(data.Path());
        texts.LoadLanguage(L"English");
        host = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 720, 420, nullptr,
                               nullptr, nullptr, nullptr);
        ASSERT_TRUE(host);
    }
    void TearDown() override {
        page.reset();
        DestroyWindow(host);
    }

    std::wstring Picture(const std::wstring& name, int width, int height, Colour colour) {
        const std::wstring path = pictures / name;
        EXPECT_TRUE(WriteBitmapFile(path, width, height, static_cast<std::uint8_t>(colour.red),
                                    static_cast<std::uint8_t>(colour.green),
                                    static_cast<std::uint8_t>(colour.blue)));
        return path;
    }
    std::wstring SettingsPath() const { return data / L"settings.ini"; }
    std::wstring Stored(const wchar_t* section, const wchar_t* key) const {
        wchar_t value[300] = L"";
        GetPrivateProfileStringW(section, key, L"<missing>", value, 300, SettingsPath().c_str());
        return value;
    }

    void Open(bool spanAvailable = true, bool shown = true) {
        settings = std::make_unique<SlideshowSettingsFile>(settingsFile);
        slideshow.Load(*settings);
        page = std::make_unique<CDlgTabWallpaper>(slideshow, options, texts, spanAvailable,
                                                  pageChanges);
        ASSERT_TRUE(page->Create(host));
        SetWindowPos(page->GetSafeHwnd(), nullptr, 0, 0, 699, 396,
                     SWP_NOZORDER | (shown ? SWP_SHOWWINDOW : 0));
    }
    bool ThumbnailsDone() {
        return PumpUntil([&] { return page->ThumbnailsPending() == 0; }, 20000);
    }

    HWND Control(int id) const { return GetDlgItem(page->GetSafeHwnd(), id); }
    int Count(int listId) const {
        return static_cast<int>(SendMessageW(Control(listId), LVM_GETITEMCOUNT, 0, 0));
    }
    std::vector<int> Selected(int listId) const {
        std::vector<int> rows;
        for (LRESULT i = -1; (i = SendMessageW(Control(listId), LVM_GETNEXTITEM,
                                               static_cast<WPARAM>(i), LVNI_SELECTED)) != -1;)
            rows.push_back(static_cast<int>(i));
        return rows;
    }
    void Select(int listId, int row) const {
        LVITEMW state = {};
        state.stateMask = state.state = LVIS_SELECTED;
        SendMessageW(Control(listId), LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&state));
    }
    void Choose(int comboId, int row) const {
        SendMessageW(Control(comboId), CB_SETCURSEL, static_cast<WPARAM>(row), 0);
        SendMessageW(page->GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(Control(comboId)));
    }
    std::wstring ItemText(int listId, int row) const {
        wchar_t text[300] = L"";
        LVITEMW item = {};
        item.iSubItem = 0;
        item.pszText = text;
        item.cchTextMax = 300;
        SendMessageW(Control(listId), LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&item));
        return text;
    }
    std::wstring ComboText(int comboId, int row) const {
        wchar_t text[200] = L"";
        SendMessageW(Control(comboId), CB_GETLBTEXT, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(text));
        return text;
    }

    // The thumbnail of a row as the list shows it, pixel by pixel (0x00RRGGBB); the
    // magenta background shows through wherever the thumbnail would be transparent.
    std::vector<std::uint32_t> Thumbnail(int row) const {
        HIMAGELIST images = reinterpret_cast<HIMAGELIST>(
            SendMessageW(Control(IDC_WALLPAPER_PICTURES), LVM_GETIMAGELIST, LVSIL_NORMAL, 0));
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = 120;
        info.bmiHeader.biHeight = -68;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        UniqueGdiObject bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        UniqueDC dc(CreateCompatibleDC(nullptr));
        SelectGuard select(dc.get(), bitmap.get());
        auto* pixels = static_cast<std::uint32_t*>(bits);
        std::fill(pixels, pixels + 120 * 68, 0xFF00FFu);
        LVITEMW item = {};
        item.mask = LVIF_IMAGE;
        item.iItem = row;
        SendMessageW(Control(IDC_WALLPAPER_PICTURES), LVM_GETITEMW, 0,
                     reinterpret_cast<LPARAM>(&item));
        ImageList_Draw(images, item.iImage, dc.get(), 0, 0, ILD_NORMAL);
        GdiFlush();
        std::vector<std::uint32_t> result(pixels, pixels + 120 * 68);
        for (std::uint32_t& pixel : result)
            pixel &= 0xFFFFFF;
        return result;
    }

    GdiplusSession gdiplus;
    TempFolder pictures;
    TempFolder data;
    const CSettingsFile settingsFile{SettingsPath()};
    RecordingSystem system;
    COptions options;
    CTranslate texts;
    CChangeNotice pageChanges;
    std::unique_ptr<SlideshowSettingsFile> settings;
    CWallpaperSlideshow slideshow{system, options};
    HWND host = nullptr;
    std::unique_ptr<CDlgTabWallpaper> page;
};

// Whether every pixel of the box is the colour, and every pixel outside it black.
::testing::AssertionResult PlacedAt(const std::vector<std::uint32_t>& cell, RECT box,
                                    std::uint32_t colour) {
    for (int y = 0; y < 68; ++y)
        for (int x = 0; x < 120; ++x) {
            const bool inside = x >= box.left && x < box.right && y >= box.top && y < box.bottom;
            const std::uint32_t want = inside ? colour : 0;
            const std::uint32_t got = cell[static_cast<std::size_t>(y) * 120 + x];
            if (got != want)
                return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is "
                                                     << std::hex << got << ", not " << want;
        }
    return ::testing::AssertionSuccess();
}

TEST_F(WallpaperPage, ShowsEachPictureFittedInItsCellAndSelectsTheCurrentOne) {
    const std::wstring wide = Picture(L"a-wide.bmp", 1920, 1080, {200, 0, 0});
    const std::wstring fourThree = Picture(L"b-43.bmp", 1024, 768, {0, 200, 0});
    const std::wstring portrait = Picture(L"c-portrait.bmp", 1080, 1920, {0, 0, 200});
    const std::wstring broken = pictures / L"d-broken.png";
    ASSERT_TRUE(WriteBytes(broken, "not a picture"));
    WritePrivateProfileStringW(L"WallpapersFolders", L"0", pictures.Path().c_str(),
                               SettingsPath().c_str());
    system.desktop.values[L"Wallpaper"] = fourThree;
    Open();
    ASSERT_TRUE(ThumbnailsDone());

    ASSERT_EQ(4, Count(IDC_WALLPAPER_PICTURES));
    EXPECT_EQ(wide, ItemText(IDC_WALLPAPER_PICTURES, 0)) << "labelled with the full path";
    EXPECT_EQ(broken, ItemText(IDC_WALLPAPER_PICTURES, 3));
    EXPECT_TRUE(PlacedAt(Thumbnail(0), {0, 0, 120, 67}, 0xC80000));
    EXPECT_TRUE(PlacedAt(Thumbnail(1), {14, 0, 104, 68}, 0x00C800));
    EXPECT_TRUE(PlacedAt(Thumbnail(2), {40, 0, 78, 68}, 0x0000C8));
    EXPECT_TRUE(PlacedAt(Thumbnail(3), {0, 0, 0, 0}, 0)) << "an unreadable picture is black";

    EXPECT_EQ(std::vector<int>{1}, Selected(IDC_WALLPAPER_PICTURES));
    EXPECT_EQ(1, SendMessageW(Control(IDC_WALLPAPER_PICTURES), LVM_GETSELECTIONMARK, 0, 0));
    EXPECT_TRUE(system.desktop.applied.empty()) << "showing the current picture sets no wallpaper";
    EXPECT_FALSE(IsWindowEnabled(Control(IDC_WALLPAPER_REMOVE)));

    ASSERT_EQ(1, Count(IDC_WALLPAPER_FOLDERS));
    EXPECT_EQ(pictures.Path(), ItemText(IDC_WALLPAPER_FOLDERS, 0));
}

TEST_F(WallpaperPage, SelectingAPictureOrAFolderClearsTheOtherListAndRemoveTakesTheSelection) {
    const std::wstring one = Picture(L"1.bmp", 64, 36, {10, 20, 30});
    const std::wstring two = Picture(L"2.bmp", 64, 36, {40, 50, 60});
    TempFolder others;
    const std::wstring single = others / L"single.bmp";
    ASSERT_TRUE(WriteBitmapFile(single, 64, 36, 1, 2, 3));
    slideshow.Load(*(settings = std::make_unique<SlideshowSettingsFile>(settingsFile)));
    slideshow.AddFolder(pictures.Path());
    slideshow.AddFile(single);
    system.desktop.applied.clear();
    Open();
    ASSERT_TRUE(ThumbnailsDone());
    ASSERT_EQ(3, Count(IDC_WALLPAPER_PICTURES));
    EXPECT_EQ(std::vector<int>{2}, Selected(IDC_WALLPAPER_PICTURES)) << "the added file is current";

    // A thumbnail clicked becomes the wallpaper.
    Select(IDC_WALLPAPER_PICTURES, 1);
    EXPECT_EQ(std::vector<std::wstring>{two}, system.desktop.applied);
    EXPECT_TRUE(IsWindowEnabled(Control(IDC_WALLPAPER_REMOVE)));

    // A folder clicked takes the thumbnails' selection away, and the other way round.
    Select(IDC_WALLPAPER_FOLDERS, 0);
    EXPECT_TRUE(Selected(IDC_WALLPAPER_PICTURES).empty());
    EXPECT_EQ(std::vector<int>{0}, Selected(IDC_WALLPAPER_FOLDERS));
    EXPECT_TRUE(IsWindowEnabled(Control(IDC_WALLPAPER_REMOVE)));
    Select(IDC_WALLPAPER_PICTURES, 0);
    EXPECT_TRUE(Selected(IDC_WALLPAPER_FOLDERS).empty());
    EXPECT_EQ(std::vector<int>{0}, Selected(IDC_WALLPAPER_PICTURES));

    // Removing a folder's picture and the single file.
    Select(IDC_WALLPAPER_PICTURES, 2);
    ASSERT_EQ((std::vector<int>{0, 2}), Selected(IDC_WALLPAPER_PICTURES));
    Click(page->GetSafeHwnd(), IDC_WALLPAPER_REMOVE);
    EXPECT_EQ(one, Stored(L"WallpapersFoldersExceptions", L"0"));
    EXPECT_EQ(L"", Stored(L"WallpapersFiles", L"0"));
    ASSERT_EQ(1, Count(IDC_WALLPAPER_PICTURES));
    EXPECT_EQ(two, ItemText(IDC_WALLPAPER_PICTURES, 0));
    EXPECT_FALSE(IsWindowEnabled(Control(IDC_WALLPAPER_REMOVE)));

    // Removing the folder takes its exception with it.
    Select(IDC_WALLPAPER_FOLDERS, 0);
    Click(page->GetSafeHwnd(), IDC_WALLPAPER_REMOVE);
    EXPECT_EQ(L"", Stored(L"WallpapersFolders", L"0"));
    EXPECT_EQ(L"", Stored(L"WallpapersFoldersExceptions", L"0"));
    EXPECT_EQ(0, Count(IDC_WALLPAPER_FOLDERS));
    EXPECT_EQ(0, Count(IDC_WALLPAPER_PICTURES));
    EXPECT_FALSE(IsWindowEnabled(Control(IDC_WALLPAPER_REMOVE)));
}

TEST_F(WallpaperPage, ARebuildAfterARemovalReusesTheThumbnailsItMadeBefore) {
    const std::wstring first = Picture(L"1.bmp", 160, 90, {0, 0, 250});
    Picture(L"2.bmp", 160, 90, {0, 250, 0});
    WritePrivateProfileStringW(L"WallpapersFolders", L"0", pictures.Path().c_str(),
                               SettingsPath().c_str());
    Open();
    ASSERT_TRUE(ThumbnailsDone());
    // Were the first picture read again, it would now come out black.
    ASSERT_TRUE(WriteBytes(first, "damaged"));
    Select(IDC_WALLPAPER_PICTURES, 1);
    Click(page->GetSafeHwnd(), IDC_WALLPAPER_REMOVE);
    ASSERT_EQ(1, Count(IDC_WALLPAPER_PICTURES));
    EXPECT_EQ(0u, page->ThumbnailsPending());
    EXPECT_TRUE(PlacedAt(Thumbnail(0), {0, 0, 120, 67}, 0x0000FA));
}

TEST_F(WallpaperPage, ThumbnailsArrivingLeaveTheUsersSelectionAlone) {
    for (const wchar_t* name : {L"1.bmp", L"2.bmp", L"3.bmp"})
        Picture(name, 640, 360, {90, 90, 90});
    WritePrivateProfileStringW(L"WallpapersFolders", L"0", pictures.Path().c_str(),
                               SettingsPath().c_str());
    Open();
    ASSERT_EQ(3u, page->ThumbnailsPending());
    Select(IDC_WALLPAPER_FOLDERS, 0);
    ASSERT_TRUE(ThumbnailsDone());
    EXPECT_EQ(std::vector<int>{0}, Selected(IDC_WALLPAPER_FOLDERS));
    EXPECT_TRUE(IsWindowEnabled(Control(IDC_WALLPAPER_REMOVE)));
}

TEST_F(WallpaperPage, DecodesNothingUntilTheThumbnailsComeIntoView) {
    Picture(L"1.bmp", 480, 270, {250, 0, 0});
    Picture(L"2.bmp", 480, 270, {0, 250, 0});
    WritePrivateProfileStringW(L"WallpapersFolders", L"0", pictures.Path().c_str(),
                               SettingsPath().c_str());
    Open(true, false);
    PumpMessages(1000);
    EXPECT_EQ(2u, page->ThumbnailsPending()) << "a page out of view decodes nothing";
    EXPECT_TRUE(PlacedAt(Thumbnail(0), {0, 0, 0, 0}, 0));

    ShowWindow(page->GetSafeHwnd(), SW_SHOW);
    ASSERT_TRUE(ThumbnailsDone());
    EXPECT_TRUE(PlacedAt(Thumbnail(0), {0, 0, 120, 67}, 0xFA0000));
    EXPECT_TRUE(PlacedAt(Thumbnail(1), {0, 0, 120, 67}, 0x00FA00));
}

TEST_F(WallpaperPage, AfterATimerChangeTheSelectionFollowsTheNewPicture) {
    const std::wstring first = Picture(L"1.bmp", 480, 270, {1, 2, 3});
    const std::wstring second = Picture(L"2.bmp", 480, 270, {4, 5, 6});
    WritePrivateProfileStringW(L"WallpapersFolders", L"0", pictures.Path().c_str(),
                               SettingsPath().c_str());
    system.desktop.values[L"Wallpaper"] = first;
    Open();
    ASSERT_TRUE(ThumbnailsDone());
    ASSERT_EQ(std::vector<int>{0}, Selected(IDC_WALLPAPER_PICTURES));

    // The program's timer shows the next picture, then raises the page changes.
    slideshow.ShowNext();
    pageChanges.Raise();
    EXPECT_EQ(std::vector<int>{1}, Selected(IDC_WALLPAPER_PICTURES));
    EXPECT_EQ(1, SendMessageW(Control(IDC_WALLPAPER_PICTURES), LVM_GETSELECTIONMARK, 0, 0));
    EXPECT_EQ(std::vector<std::wstring>{second}, system.desktop.applied)
        << "only the timer's change";
    EXPECT_EQ(second, ItemText(IDC_WALLPAPER_PICTURES, 1));
    EXPECT_TRUE(PlacedAt(Thumbnail(1), {0, 0, 120, 67}, 0x040506));
}

TEST(SlideshowSystem, TheTimerRunsTheTickUntilItIsStopped) {
    int ticks = 0;
    SlideshowSystem system([&] { ++ticks; });
    const std::uintptr_t id = system.StartTimer(0, 10);
    ASSERT_NE(0u, id);
    ASSERT_TRUE(PumpUntil([&] { return ticks >= 2; }, 5000));
    system.StopTimer(id);
    const int stoppedAt = ticks;
    PumpMessages(200);
    EXPECT_EQ(stoppedAt, ticks);

    // A system that goes takes its running timer with it.
    {
        SlideshowSystem gone([&] { ++ticks; });
        ASSERT_NE(0u, gone.StartTimer(0, 10));
    }
    PumpMessages(200);
    EXPECT_EQ(stoppedAt, ticks);
}

TEST_F(WallpaperPage, OffersTheFivePositionsAndSpanOnlyWhereTheSystemHasIt) {
    system.desktop.values[L"WallpaperStyle"] = L"22";
    system.desktop.values[L"TileWallpaper"] = L"0";
    Open(true);
    const wchar_t* names[] = {L"Fill", L"Fit", L"Stretch", L"Tile", L"Center", L"Span"};
    ASSERT_EQ(6, SendMessageW(Control(IDC_WALLPAPER_POSITION), CB_GETCOUNT, 0, 0));
    for (int row = 0; row < 6; ++row)
        EXPECT_EQ(names[row], ComboText(IDC_WALLPAPER_POSITION, row));
    EXPECT_EQ(5, SendMessageW(Control(IDC_WALLPAPER_POSITION), CB_GETCURSEL, 0, 0));

    // Choosing a position applies the current picture again with it.
    const std::wstring picture = Picture(L"p.bmp", 32, 32, {1, 1, 1});
    slideshow.AddFile(picture);
    Choose(IDC_WALLPAPER_POSITION, 3);
    EXPECT_EQ(picture, system.desktop.applied.back());
    EXPECT_EQ(L"0", system.desktop.values[L"WallpaperStyle"]);
    EXPECT_EQ(L"1", system.desktop.values[L"TileWallpaper"]);

    page.reset();
    system.desktop.values[L"WallpaperStyle"] = L"22";
    system.desktop.values[L"TileWallpaper"] = L"0";
    Open(false);
    EXPECT_EQ(5, SendMessageW(Control(IDC_WALLPAPER_POSITION), CB_GETCOUNT, 0, 0));
    EXPECT_EQ(CB_ERR, SendMessageW(Control(IDC_WALLPAPER_POSITION), CB_GETCURSEL, 0, 0))
        << "a stored Span selects nothing where Span is not offered";
}

TEST_F(WallpaperPage, TheIntervalListRunsTheTimerAndSwitchesShuffle) {
    options.SetInt(L"iWallaperAutoChange", 2);
    options.SetBool(L"fWallaperAutoChangeShuffle", true);
    Open();
    HWND interval = Control(IDC_WALLPAPER_INTERVAL);
    ASSERT_EQ(18, SendMessageW(interval, CB_GETCOUNT, 0, 0));
    EXPECT_EQ(L"off", ComboText(IDC_WALLPAPER_INTERVAL, 0));
    EXPECT_EQ(L"at Windows startup", ComboText(IDC_WALLPAPER_INTERVAL, 1));
    EXPECT_EQ(L"every 10 seconds", ComboText(IDC_WALLPAPER_INTERVAL, 2));
    EXPECT_EQ(L"every 1 minute", ComboText(IDC_WALLPAPER_INTERVAL, 4));
    EXPECT_EQ(L"every 12 hours", ComboText(IDC_WALLPAPER_INTERVAL, 16));
    EXPECT_EQ(L"every 1 day", ComboText(IDC_WALLPAPER_INTERVAL, 17));
    EXPECT_EQ(2, SendMessageW(interval, CB_GETCURSEL, 0, 0));
    EXPECT_EQ(10000u, system.timerMs);
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(page->GetSafeHwnd(), IDC_WALLPAPER_SHUFFLE));
    EXPECT_TRUE(IsWindowEnabled(Control(IDC_WALLPAPER_SHUFFLE)));

    Choose(IDC_WALLPAPER_INTERVAL, 0);
    EXPECT_EQ(0, options.GetInt(L"iWallaperAutoChange"));
    EXPECT_EQ(0u, system.timerMs) << "off stops the timer";
    EXPECT_FALSE(IsWindowEnabled(Control(IDC_WALLPAPER_SHUFFLE)));
    Choose(IDC_WALLPAPER_INTERVAL, 11);
    EXPECT_EQ(3600000u, system.timerMs);
    EXPECT_TRUE(IsWindowEnabled(Control(IDC_WALLPAPER_SHUFFLE)));

    Click(page->GetSafeHwnd(), IDC_WALLPAPER_SHUFFLE);
    EXPECT_FALSE(options.GetBool(L"fWallaperAutoChangeShuffle"));

    // A row the list does not have is shown as none and stored as off.
    page.reset();
    options.SetInt(L"iWallaperAutoChange", 25);
    Open();
    EXPECT_EQ(CB_ERR, SendMessageW(Control(IDC_WALLPAPER_INTERVAL), CB_GETCURSEL, 0, 0));
    EXPECT_EQ(-1, options.GetInt(L"iWallaperAutoChange"));
    EXPECT_EQ(0u, system.timerMs);
}

TEST_F(WallpaperPage, AddFileTakesThePictureChosenInTheFileDialogAsTheWallpaper) {
    const std::wstring picture = Picture(L"chosen.bmp", 48, 27, {9, 9, 9});
    Open();
    DialogWatcher watcher([&](const SeenDialog& dialog) {
        if (dialog.caption != L"Add file")
            return;
        // The file name box of the Explorer-style dialog.
        HWND name = GetDlgItem(dialog.window, cmb13);
        if (!name)
            name = GetDlgItem(dialog.window, edt1);
        SetWindowTextW(name, picture.c_str());
        PressButton(dialog.window, IDOK);
    });
    Click(page->GetSafeHwnd(), IDC_WALLPAPER_ADD_FILE);
    ASSERT_EQ(1u, watcher.Seen().size());
    EXPECT_EQ(L"Add file", watcher.Seen()[0].caption);
    EXPECT_EQ(std::vector<std::wstring>{picture}, system.desktop.applied);
    EXPECT_EQ(picture, Stored(L"WallpapersFiles", L"0"));
    ASSERT_EQ(1, Count(IDC_WALLPAPER_PICTURES));
    EXPECT_EQ(std::vector<int>{0}, Selected(IDC_WALLPAPER_PICTURES));
}

} // namespace
} // namespace orvane::test
