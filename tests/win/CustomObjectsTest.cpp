#include "core/SettingsFile.h"
#include "effects/CustomObjects.h"
#include "effects/DlgEffectCustomObjects.h"
#include "framework/Gdiplus.h"
#include "framework/ProfileFile.h"
#include "DesktopShellFixture.h"
#include "TempFolder.h"
#include "TestPictures.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using test::PumpMessages;
using test::PumpUntil;

class CustomObjects : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(gdiplus.Ok());
        settings = folder / L"settings.ini";
        ASSERT_TRUE(EnsureUnicodeProfile(settings));
        settingsFile.SetPath(settings);
        objects.SetSettingsFile(settingsFile);
        png = folder / L"ring.png";
        ASSERT_TRUE(test::WritePicture(png, 64, 48, [](Gdiplus::Graphics& g) {
            Gdiplus::SolidBrush red(Gdiplus::Color(200, 220, 40, 40));
            g.FillEllipse(&red, 0, 0, 64, 48);
        }));
    }
    void TearDown() override { objects.StopCustomObjects(); }

    std::wstring Stored(const std::wstring& key) {
        ProfileFile file(settings);
        return file.ReadString(kCustomObjectsSection, key, L"<missing>", 300);
    }
    // A picture file under a new name, for lists whose entries must differ.
    std::wstring CopyOf(const std::wstring& name) {
        const std::wstring path = folder / name;
        EXPECT_TRUE(CopyFileW(png.c_str(), path.c_str(), FALSE));
        return path;
    }
    static RECT RectOf(CDlgEffectCustomObjects& window) {
        RECT rect = {};
        GetWindowRect(window.GetSafeHwnd(), &rect);
        return rect;
    }
    // A gif of ten one-colour 8 × 8 frames.
    std::wstring TenFrameGif(const wchar_t* name, unsigned delay) {
        const unsigned palette[4] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
        std::vector<std::vector<unsigned char>> frames;
        for (unsigned char i = 0; i < 10; ++i)
            frames.emplace_back(64, static_cast<unsigned char>(i % 4));
        const std::wstring path = folder / name;
        EXPECT_TRUE(test::WriteGif(path, 8, 8, palette, frames, delay));
        return path;
    }

    GdiplusSession gdiplus;
    test::TempFolder folder;
    std::wstring settings;
    CSettingsFile settingsFile;
    std::wstring png;
    CCustomObjects objects;
};

TEST_F(CustomObjects, TheSameFileTwiceGivesTwoIndependentObjects) {
    objects.Add(png);
    objects.Add(png);
    objects.SetCustomObjectEnabled(0, true);
    objects.SetPosition(1, 5, 6);
    ASSERT_TRUE(objects.Window(0).Running());
    EXPECT_FALSE(objects.Window(1).Running());

    RECT work = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const RECT shown = RectOf(objects.Window(0));
    EXPECT_EQ(work.right - work.left - 64, shown.left) << "never placed: the top-right corner";
    EXPECT_EQ(0, shown.top);
    EXPECT_EQ(64, shown.right - shown.left) << "the picture's own size";
    EXPECT_EQ(48, shown.bottom - shown.top);
    EXPECT_TRUE(GetWindowLongPtrW(objects.Window(0).GetSafeHwnd(), GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_FALSE(GetWindowLongPtrW(objects.Window(0).GetSafeHwnd(), GWL_EXSTYLE) &
                 WS_EX_TRANSPARENT)
        << "an object takes the clicks that drag it";

    objects.StopCustomObjects();
    EXPECT_EQ(std::to_wstring(shown.left), Stored(L"0X")) << "stopping stores the place";
    EXPECT_EQ(L"1", Stored(L"0Enable")) << "stopping keeps the flag";
    EXPECT_EQ(L"5", Stored(L"1X"));
    EXPECT_EQ(L"0", Stored(L"1Enable"));

    CCustomObjects again;
    again.SetSettingsFile(settingsFile);
    again.LoadCustomObjects();
    ASSERT_EQ(2u, again.Count());
    EXPECT_EQ(shown.left, again.Entry(0).x);
    EXPECT_EQ(6, again.Entry(1).y);
}

TEST_F(CustomObjects, RemovingRenumbersTheLaterObjectsAndTheirRunningWindows) {
    objects.Add(CopyOf(L"a.png"));
    objects.Add(CopyOf(L"b.png"));
    const std::wstring c = CopyOf(L"c.png");
    objects.Add(c);
    objects.SetCustomObjectEnabled(2, true);
    CDlgEffectCustomObjects& window = objects.Window(2);
    const HWND running = window.GetSafeHwnd();
    ASSERT_TRUE(running);

    objects.Remove(1);
    ASSERT_EQ(2u, objects.Count());
    EXPECT_EQ(c, objects.Entry(1).path);
    EXPECT_EQ(&window, &objects.Window(1));
    EXPECT_EQ(1u, window.Index());
    EXPECT_EQ(running, window.GetSafeHwnd()) << "the window kept running through the removal";
    EXPECT_EQ(c, Stored(L"1Path"));
    EXPECT_EQ(L"1", Stored(L"1Enable"));
    EXPECT_EQ(L"", Stored(L"2Path")) << "the old last entry no longer ends the list";

    SetWindowPos(running, nullptr, 30, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    objects.StopCustomObjects();
    EXPECT_EQ(L"30", Stored(L"1X")) << "the position goes under the new index";
    EXPECT_EQ(L"40", Stored(L"1Y"));
}

TEST_F(CustomObjects, EverySecondCaptureChangeStoresTheDraggedPosition) {
    objects.Add(png);
    objects.SetCustomObjectEnabled(0, true);
    const HWND window = objects.Window(0).GetSafeHwnd();
    SetWindowPos(window, nullptr, 70, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(window, WM_CAPTURECHANGED, 0, 0);
    EXPECT_EQ(L"-10000", Stored(L"0X")) << "the drag has only begun";
    SendMessageW(window, WM_CAPTURECHANGED, 0, 0);
    EXPECT_EQ(L"70", Stored(L"0X"));
    EXPECT_EQ(L"80", Stored(L"0Y"));
    SetWindowPos(window, nullptr, 90, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(window, WM_CAPTURECHANGED, 0, 0);
    EXPECT_EQ(L"70", Stored(L"0X")) << "the count starts again after a store";
    SendMessageW(window, WM_CAPTURECHANGED, 0, 0);
    EXPECT_EQ(L"90", Stored(L"0X"));
}

TEST_F(CustomObjects, AnObjectOnASecondMonitorStaysThereAndComesBackWhenItsMonitorGoes) {
    MonitorArea primary, left;
    primary.bounds = primary.work = {0, 0, 1920, 1080};
    primary.primary = true;
    left.bounds = {-2560, -360, 0, 1080};
    left.work = {-2560, -360, 0, 1040};
    MonitorList monitors = {primary, left};
    objects.SetMonitorSource([&] { return monitors; });

    // Dragged onto the left monitor, stored when the drag ends.
    objects.Add(png);
    objects.SetCustomObjectEnabled(0, true);
    HWND window = objects.Window(0).GetSafeHwnd();
    SetWindowPos(window, nullptr, -1500, -300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(window, WM_CAPTURECHANGED, 0, 0);
    SendMessageW(window, WM_CAPTURECHANGED, 0, 0);
    EXPECT_EQ(L"-1500", Stored(L"0X"));

    // The next run finds it there.
    objects.StopCustomObjects();
    objects.StartCustomObjects();
    RECT rect = RectOf(objects.Window(0));
    EXPECT_EQ(-1500, rect.left);
    EXPECT_EQ(-300, rect.top);

    // The left monitor unplugged: the object comes onto the primary, as near as it fits,
    // and keeps that place from then on.
    objects.StopCustomObjects();
    monitors = {primary};
    objects.StartCustomObjects();
    rect = RectOf(objects.Window(0));
    EXPECT_EQ(0, rect.left);
    EXPECT_EQ(0, rect.top);
    EXPECT_EQ(64, rect.right);
    objects.StopCustomObjects();
    EXPECT_EQ(L"0", Stored(L"0X"));
    EXPECT_EQ(L"0", Stored(L"0Y"));

    // Unplugged while it runs: it follows at once, and then stays.
    monitors = {primary, left};
    objects.StartCustomObjects();
    window = objects.Window(0).GetSafeHwnd();
    SetWindowPos(window, nullptr, -900, 500, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    objects.FollowMonitors();
    EXPECT_EQ(-900, RectOf(objects.Window(0)).left) << "its monitor is still there";
    monitors = {primary};
    objects.FollowMonitors();
    rect = RectOf(objects.Window(0));
    EXPECT_EQ(0, rect.left);
    EXPECT_EQ(500, rect.top);
    EXPECT_EQ(L"-900", Stored(L"0X")) << "the place before the move, stored by the stop";
    window = objects.Window(0).GetSafeHwnd();
    objects.FollowMonitors();
    EXPECT_EQ(window, objects.Window(0).GetSafeHwnd()) << "nothing more to do";
}

TEST_F(CustomObjects, AnimationsFollowTheirDelaysAndStillPicturesRepaintEverySecond) {
    objects.Add(TenFrameGif(L"ten.gif", 10));
    objects.Add(TenFrameGif(L"untimed.gif", 0));
    objects.Add(png);
    for (std::size_t i = 0; i < 3; ++i)
        objects.SetCustomObjectEnabled(i, true);
    CDlgEffectCustomObjects& gif = objects.Window(0);
    CDlgEffectCustomObjects& untimed = objects.Window(1);
    CDlgEffectCustomObjects& still = objects.Window(2);
    ASSERT_EQ(10u, gif.FrameCount());
    ASSERT_EQ(1u, still.FrameCount());
    const unsigned gifStart = gif.PaintCount(), untimedStart = untimed.PaintCount(),
                   stillStart = still.PaintCount();

    PumpMessages(2050);
    // 100 ms frames: twenty in two seconds, give or take the timers' granularity.
    EXPECT_GE(gif.PaintCount() - gifStart, 16u);
    EXPECT_LE(gif.PaintCount() - gifStart, 22u);
    EXPECT_GE(untimed.PaintCount() - untimedStart, 16u) << "a delay of 0 plays at 100 ms";
    EXPECT_LE(untimed.PaintCount() - untimedStart, 22u);
    EXPECT_GE(still.PaintCount() - stillStart, 2u);
    EXPECT_LE(still.PaintCount() - stillStart, 3u);
    EXPECT_EQ((gif.PaintCount() - gifStart) % 10, gif.CurrentFrame())
        << "one frame further at each repaint";
}

// A picture far larger than the screen is shown at its own size. Sending its surface
// the first time takes a while (seconds under Wine); after that its once-a-second
// repaint keeps its pixels and leaves the thread free for the other objects' frames.
TEST_F(CustomObjects, AHugePictureShowsAtItsSizeWithoutStallingTheOthers) {
    constexpr int kSide = 8000;
    const std::wstring huge = folder / L"huge.png";
    ASSERT_TRUE(test::WritePicture(huge, kSide, kSide, [](Gdiplus::Graphics& g) {
        Gdiplus::SolidBrush green(Gdiplus::Color(160, 40, 200, 90));
        g.FillEllipse(&green, 0, 0, kSide, kSide);
    }));
    objects.Add(huge);
    objects.Add(TenFrameGif(L"ten.gif", 10));
    objects.SetCustomObjectEnabled(0, true);
    objects.SetCustomObjectEnabled(1, true);
    CDlgEffectCustomObjects& big = objects.Window(0);
    CDlgEffectCustomObjects& gif = objects.Window(1);
    ASSERT_TRUE(big.HasPicture());
    const RECT shown = RectOf(big);
    EXPECT_EQ(kSide, shown.right - shown.left);
    EXPECT_EQ(kSide, shown.bottom - shown.top);
    for (ULONGLONG waited = GetTickCount64();
         big.PaintCount() == 0 && GetTickCount64() - waited < 90000;)
        PumpMessages(100);
    ASSERT_GE(big.PaintCount(), 1u) << "never shown";
    // Showing a picture this size the first time keeps the window system busy a while
    // (over half a second under Wine); the pace is measured after that.
    const unsigned settled = gif.PaintCount() + 2;
    ASSERT_TRUE(PumpUntil([&] { return gif.PaintCount() >= settled; }, 10000));

    const unsigned bigStart = big.PaintCount(), gifStart = gif.PaintCount();
    PumpMessages(2050);
    EXPECT_GE(big.PaintCount() - bigStart, 2u) << "its once-a-second repaint goes on";
    EXPECT_GE(gif.PaintCount() - gifStart, 16u) << "the animation next to it keeps its pace";
}

TEST_F(CustomObjects, PicturesThatCannotBeShownGiveEmptyWindows) {
    const std::string whole = test::ReadBytes(png);
    ASSERT_GT(whole.size(), 120u);
    const std::wstring truncated = folder / L"truncated.png";
    ASSERT_TRUE(test::WriteBytes(truncated, whole.substr(0, 100)));
    const std::wstring text = folder / L"notes.png";
    ASSERT_TRUE(test::WriteBytes(text, "These are not the pixels you are looking for.\r\n"));
    const std::wstring vanishing = CopyOf(L"vanishing.png");
    const std::wstring empty = folder / L"empty.png";
    ASSERT_TRUE(test::WriteBytes(empty, ""));
    for (const std::wstring& path : {truncated, text, vanishing, empty})
        objects.Add(path);
    ASSERT_TRUE(DeleteFileW(vanishing.c_str()));

    for (std::size_t i = 0; i < objects.Count(); ++i) {
        objects.SetCustomObjectEnabled(i, true);
        CDlgEffectCustomObjects& window = objects.Window(i);
        ASSERT_TRUE(window.Running()) << i;
        EXPECT_FALSE(window.HasPicture()) << i;
        const RECT rect = RectOf(window);
        EXPECT_EQ(0, rect.right - rect.left) << i;
        EXPECT_EQ(0, rect.bottom - rect.top) << i;
    }
    PumpMessages(1100);
    for (std::size_t i = 0; i < objects.Count(); ++i)
        EXPECT_EQ(0u, objects.Window(i).PaintCount()) << i;
    objects.StopCustomObjects();
    EXPECT_EQ(L"-10000", Stored(L"0X")) << "a window that showed nothing stores no place";
}

TEST_F(CustomObjects, AVanishedFileIsDroppedAtTheNextLoadAndFromTheFileAtTheNextSave) {
    const std::wstring gone = CopyOf(L"gone.png");
    objects.Add(gone);
    objects.Add(png);
    objects.SetPosition(1, 11, 12);
    ASSERT_TRUE(DeleteFileW(gone.c_str()));

    objects.StartCustomObjects();
    ASSERT_EQ(1u, objects.Count());
    EXPECT_EQ(png, objects.Entry(0).path);
    EXPECT_EQ(11, objects.Entry(0).x);
    EXPECT_EQ(gone, Stored(L"0Path")) << "the file keeps it until the next save";

    objects.SetTop(0, true);
    EXPECT_EQ(png, Stored(L"0Path"));
    EXPECT_EQ(L"1", Stored(L"0Top"));
    EXPECT_EQ(L"11", Stored(L"0X"));
    EXPECT_EQ(L"", Stored(L"1Path"));
}

} // namespace
} // namespace orvane
