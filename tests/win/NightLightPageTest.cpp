#include "DialogControls.h"
#include "TempFolder.h"
#include "core/ChangeNotice.h"
#include "core/Options.h"
#include "core/Translate.h"
#include "framework/Gdiplus.h"
#include "nightlight/DlgTabNightShift.h"
#include "nightlight/NightLightPageHost.h"
#include "nightlight/NightShift.h"
#include "resources/ids_nightlight.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

namespace orvane {
namespace {

// The controller's side of the system: every ramp is taken, and the schedule window
// opening or closing raises the page notice, as the program does.
class TestDisplays : public INightShiftHost {
public:
    explicit TestDisplays(CChangeNotice& changes) : changes(changes) {}
    bool LoadRamp(const GammaRamp&) override { return true; }
    std::uintptr_t StartTimer(std::uintptr_t running) override { return running ? running : 1; }
    void StopTimer(std::uintptr_t) override {}
    void ActiveChanged() override { changes.Raise(); }

    CChangeNotice& changes;
};

// The page's program: the test's settings, texts, controller and page notice.
class TestNightLightHost : public INightLightPageHost {
public:
    COptions& Options() override { return options; }
    const CTranslate& Texts() override { return texts; }
    CNightShift* NightLight() override { return &light; }
    void OpenHelp(const wchar_t*) override {}
    bool IsUserAdmin() override { return true; }
    bool RestartAsAdmin() override { return false; }
    CChangeNotice& PageChanges() override { return changes; }

    COptions options;
    CTranslate texts;
    CChangeNotice changes;
    TestDisplays displays{changes};
    CNightShift light{options, displays};
};

class NightLightPage : public ::testing::Test {
protected:
    static constexpr int kInsideWindow = 23 * 60, kOutsideWindow = 12 * 60;

    void SetUp() override {
        ASSERT_TRUE(gdiplus.Ok());
        host.texts.SetFolder(languages.Path()); // the built-in English texts
        host.texts.LoadLanguage(L"English");
        host.options.SetBool(L"fNightShiftSchedule", true);
        host.light.SetStartTime(22, 0);
        host.light.SetEndTime(6, 0);
        host.light.SetTransition(0);
        host.light.UpdateSchedule();
        parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 720, 420, nullptr, nullptr,
                                 nullptr, nullptr);
        ASSERT_NE(nullptr, parent);
        hwnd = page.Create(parent);
        ASSERT_NE(nullptr, hwnd);
        page.ApplyTexts();
    }
    void TearDown() override {
        page.DestroyWindow();
        DestroyWindow(parent);
    }

    GdiplusSession gdiplus;
    test::TempFolder languages;
    TestNightLightHost host;
    CDlgTabNightShift page{host};
    HWND parent = nullptr;
    HWND hwnd = nullptr;
};

TEST_F(NightLightPage, TheManualBoxFollowsTheScheduleWindowThroughThePageNotice) {
    ASSERT_TRUE(test::Enabled(hwnd, IDC_NIGHT_MANUAL));
    test::Click(hwnd, IDC_NIGHT_MANUAL);
    ASSERT_TRUE(host.light.Manual());

    host.light.ScheduleTick(kInsideWindow);
    EXPECT_FALSE(test::Enabled(hwnd, IDC_NIGHT_MANUAL)) << "off limits while the window is open";
    host.light.ScheduleTick(kOutsideWindow);
    EXPECT_TRUE(test::Enabled(hwnd, IDC_NIGHT_MANUAL));
    EXPECT_TRUE(test::Checked(hwnd, IDC_NIGHT_MANUAL));

    // The manual mode ended meanwhile: the box shows the controller's state, not its own.
    host.light.ScheduleTick(kInsideWindow);
    host.light.SetManual(false);
    host.light.ScheduleTick(kOutsideWindow);
    EXPECT_TRUE(test::Enabled(hwnd, IDC_NIGHT_MANUAL));
    EXPECT_FALSE(test::Checked(hwnd, IDC_NIGHT_MANUAL));

    // A window made again asks the controller, and listens in its turn.
    page.DestroyWindow();
    host.light.ScheduleTick(kInsideWindow);
    hwnd = page.Create(parent);
    ASSERT_NE(nullptr, hwnd);
    EXPECT_FALSE(test::Enabled(hwnd, IDC_NIGHT_MANUAL));
    host.light.ScheduleTick(kOutsideWindow);
    EXPECT_TRUE(test::Enabled(hwnd, IDC_NIGHT_MANUAL));
}

TEST_F(NightLightPage, OnlyTheLabelsOverThePictureLetItShowThrough) {
    HDC dc = GetDC(hwnd);
    const auto colour = [&](UINT message, int id) {
        SetBkMode(dc, OPAQUE);
        return SendMessageW(hwnd, message, reinterpret_cast<WPARAM>(dc),
                            reinterpret_cast<LPARAM>(GetDlgItem(hwnd, id)));
    };
    const auto clearBrush = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    for (int id : {IDC_NIGHT_DESCRIPTION, IDC_NIGHT_TRANSITION_LABEL, IDC_NIGHT_FROM_LABEL,
                   IDC_NIGHT_TO_LABEL, IDC_NIGHT_MINUTES, IDC_NIGHT_SCHEDULE_ON}) {
        EXPECT_EQ(clearBrush, colour(WM_CTLCOLORSTATIC, id)) << id;
        EXPECT_EQ(TRANSPARENT, GetBkMode(dc)) << id;
        EXPECT_NE(clearBrush, colour(WM_CTLCOLORBTN, id)) << id;
    }
    for (int id : {IDC_NIGHT_LIMIT, IDC_NIGHT_TEMPERATURE_GROUP})
        EXPECT_NE(clearBrush, colour(WM_CTLCOLORSTATIC, id)) << id;
    ReleaseDC(hwnd, dc);
}

} // namespace
} // namespace orvane
