#include "resources/ids_tweaks.h"
#include "TweakTestSupport.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace orvane::test {
namespace {

const wchar_t kMetrics[] = L"Control Panel\\Desktop\\WindowMetrics";
const wchar_t kTaskband[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Taskband";

class WindowMetricsTest : public ::testing::Test {
protected:
    std::unique_ptr<CDlgTweakPage> Page(WORD item) {
        return MakeTweakPage(item, pageHost, host.get());
    }
    static std::optional<StoredValue> Metric(const wchar_t* name) {
        return ReadValue(HKEY_CURRENT_USER, kMetrics, name);
    }
    static void StoreMetric(const wchar_t* name, const wchar_t* text) {
        if (text)
            WriteValue(HKEY_CURRENT_USER, kMetrics, name, TextValue(text));
        else
            DeleteValue(HKEY_CURRENT_USER, kMetrics, name);
    }
    static int Slider(HWND page, int id) {
        return static_cast<int>(SendDlgItemMessageW(page, id, TBM_GETPOS, 0, 0));
    }

    RegistryRestorer restore{{{HKEY_CURRENT_USER, kMetrics, L"CaptionHeight"},
                              {HKEY_CURRENT_USER, kMetrics, L"ScrollWidth"},
                              {HKEY_CURRENT_USER, kMetrics, L"ScrollHeight"},
                              {HKEY_CURRENT_USER, kMetrics, L"MinWidth"}},
                             {}};
    FakeTweakPageHost pageHost;
    HostWindow host;
};

TEST_F(WindowMetricsTest, TheCaptionHeightIsReadFromTwipsAndShownWithinItsRange) {
    const struct {
        const wchar_t* stored;
        const wchar_t* shown;
        bool differs; // from the default: the Default button is enabled
    } cases[] = {
        {L"-330", L"22", false},  {L"-300", L"20", true}, {L"450", L"30", true},
        {L"-3000", L"100", true}, {L"junk", L"8", true},  {nullptr, L"22", false},
    };
    for (const auto& c : cases) {
        StoreMetric(L"CaptionHeight", c.stored);
        auto page = Page(240);
        HWND window = page->GetSafeHwnd();
        const std::wstring shown = ControlText(window, IDC_TWEAK_CAPTION);
        EXPECT_EQ(c.shown, shown) << (c.stored ? c.stored : L"nothing stored");
        EXPECT_EQ(_wtoi(c.shown), Slider(window, IDC_TWEAK_CAPTION_SLIDER));
        EXPECT_EQ(c.differs, Enabled(window, IDC_TWEAK_CAPTION_DEFAULT)) << shown;
    }
    EXPECT_EQ(0, pageHost.restorePoints) << "reading changes nothing";
    EXPECT_FALSE(Metric(L"CaptionHeight"));
}

TEST_F(WindowMetricsTest, TypedCaptionHeightsAreStoredClampedInTwipsAndTheDefaultIsWritten) {
    StoreMetric(L"CaptionHeight", L"-300");
    auto page = Page(240);
    HWND window = page->GetSafeHwnd();
    EXPECT_FALSE(Enabled(window, IDC_TWEAK_FOLLOW_UP));

    Type(window, IDC_TWEAK_CAPTION, L"5");
    EXPECT_EQ(L"8", ControlText(window, IDC_TWEAK_CAPTION));
    EXPECT_EQ(TextValue(L"-120"), Metric(L"CaptionHeight"));
    EXPECT_EQ(8, Slider(window, IDC_TWEAK_CAPTION_SLIDER));
    Type(window, IDC_TWEAK_CAPTION, L"120");
    EXPECT_EQ(L"100", ControlText(window, IDC_TWEAK_CAPTION));
    EXPECT_EQ(TextValue(L"-1500"), Metric(L"CaptionHeight"));
    EXPECT_TRUE(Enabled(window, IDC_TWEAK_CAPTION_DEFAULT));
    EXPECT_TRUE(Enabled(window, IDC_TWEAK_FOLLOW_UP));

    Type(window, IDC_TWEAK_CAPTION, L"22");
    EXPECT_EQ(TextValue(L"-330"), Metric(L"CaptionHeight")) << "written, not deleted";
    EXPECT_FALSE(Enabled(window, IDC_TWEAK_CAPTION_DEFAULT));

    Type(window, IDC_TWEAK_CAPTION, L"31");
    const int before = pageHost.restorePoints;
    Click(window, IDC_TWEAK_CAPTION_DEFAULT);
    EXPECT_EQ(L"22", ControlText(window, IDC_TWEAK_CAPTION));
    EXPECT_EQ(22, Slider(window, IDC_TWEAK_CAPTION_SLIDER));
    EXPECT_EQ(TextValue(L"-330"), Metric(L"CaptionHeight"));
    EXPECT_FALSE(Enabled(window, IDC_TWEAK_CAPTION_DEFAULT));
    EXPECT_EQ(before + 1, pageHost.restorePoints);

    Click(window, IDC_TWEAK_FOLLOW_UP);
    EXPECT_EQ(1, pageHost.signOuts);
}

TEST_F(WindowMetricsTest, TheScrollbarsTwoSizesAreReadAndWrittenEachOnItsOwn) {
    StoreMetric(L"ScrollWidth", L"-255");
    StoreMetric(L"ScrollHeight", L"-1500");
    auto page = Page(236);
    HWND window = page->GetSafeHwnd();
    EXPECT_EQ(L"17", ControlText(window, IDC_TWEAK_SCROLL_WIDTH));
    EXPECT_EQ(L"100", ControlText(window, IDC_TWEAK_SCROLL_HEIGHT));
    EXPECT_FALSE(Enabled(window, IDC_TWEAK_SCROLL_WIDTH_DEFAULT));
    EXPECT_TRUE(Enabled(window, IDC_TWEAK_SCROLL_HEIGHT_DEFAULT));

    Type(window, IDC_TWEAK_SCROLL_HEIGHT, L"30");
    EXPECT_EQ(TextValue(L"-450"), Metric(L"ScrollHeight"));
    EXPECT_EQ(TextValue(L"-255"), Metric(L"ScrollWidth"));

    // The slider moves the up-down control, whose new text is stored.
    HWND slider = GetDlgItem(window, IDC_TWEAK_SCROLL_WIDTH_SLIDER);
    SendMessageW(slider, TBM_SETPOS, TRUE, 40);
    SendMessageW(window, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 40),
                 reinterpret_cast<LPARAM>(slider));
    EXPECT_EQ(L"40", ControlText(window, IDC_TWEAK_SCROLL_WIDTH));
    EXPECT_EQ(TextValue(L"-600"), Metric(L"ScrollWidth"));
    EXPECT_TRUE(Enabled(window, IDC_TWEAK_SCROLL_WIDTH_DEFAULT));

    Click(window, IDC_TWEAK_SCROLL_HEIGHT_DEFAULT);
    EXPECT_EQ(TextValue(L"-255"), Metric(L"ScrollHeight"));
    EXPECT_EQ(TextValue(L"-600"), Metric(L"ScrollWidth"));
}

TEST_F(WindowMetricsTest, TheButtonWidthIsPlainTextAndItsDefaultDeletesTheValue) {
    StoreMetric(L"MinWidth", nullptr);
    EXPECT_EQ(L"38", ControlText(Page(125)->GetSafeHwnd(), IDC_TWEAK_BUTTON_WIDTH));
    StoreMetric(L"MinWidth", L"60");
    auto page = Page(125);
    HWND window = page->GetSafeHwnd();
    EXPECT_EQ(L"60", ControlText(window, IDC_TWEAK_BUTTON_WIDTH));
    EXPECT_EQ(60, Slider(window, IDC_TWEAK_BUTTON_WIDTH_SLIDER));

    Type(window, IDC_TWEAK_BUTTON_WIDTH, L"38");
    EXPECT_FALSE(Metric(L"MinWidth"));
    Type(window, IDC_TWEAK_BUTTON_WIDTH, L"39");
    EXPECT_EQ(TextValue(L"39"), Metric(L"MinWidth"));
    Type(window, IDC_TWEAK_BUTTON_WIDTH, L"7");
    EXPECT_EQ(L"38", ControlText(window, IDC_TWEAK_BUTTON_WIDTH));
    EXPECT_FALSE(Metric(L"MinWidth"));
    Type(window, IDC_TWEAK_BUTTON_WIDTH, L"900");
    EXPECT_EQ(TextValue(L"500"), Metric(L"MinWidth"));
    Click(window, IDC_TWEAK_FOLLOW_UP);
    EXPECT_EQ(1, pageHost.signOuts);
}

class ThumbnailsTest : public WindowMetricsTest {
protected:
    struct Field {
        int edit;
        const wchar_t* name;
        DWORD byDefault;
    };
    static constexpr Field kFields[] = {
        {IDC_TWEAK_THUMB_SIZE, L"MinThumbSizePx", 200},
        {IDC_TWEAK_SPACING_X, L"ThumbSpacingXPx", 20},
        {IDC_TWEAK_SPACING_Y, L"ThumbSpacingYPx", 20},
        {IDC_TWEAK_MARGIN_TOP, L"TopMarginPx", 15},
        {IDC_TWEAK_MARGIN_BOTTOM, L"BottomMarginPx", 15},
        {IDC_TWEAK_MARGIN_LEFT, L"LeftMarginPx", 15},
        {IDC_TWEAK_MARGIN_RIGHT, L"RightMarginPx", 15},
        {IDC_TWEAK_THUMB_COUNT, L"NumThumbnails", 10},
    };
    static std::optional<StoredValue> Stored(const wchar_t* name) {
        return ReadValue(HKEY_CURRENT_USER, kTaskband, name);
    }

    RegistryRestorer restoreTaskband{{{HKEY_CURRENT_USER, kTaskband, L"MinThumbSizePx"},
                                      {HKEY_CURRENT_USER, kTaskband, L"MaxThumbSizePx"},
                                      {HKEY_CURRENT_USER, kTaskband, L"ThumbSpacingXPx"},
                                      {HKEY_CURRENT_USER, kTaskband, L"ThumbSpacingYPx"},
                                      {HKEY_CURRENT_USER, kTaskband, L"TopMarginPx"},
                                      {HKEY_CURRENT_USER, kTaskband, L"BottomMarginPx"},
                                      {HKEY_CURRENT_USER, kTaskband, L"LeftMarginPx"},
                                      {HKEY_CURRENT_USER, kTaskband, L"RightMarginPx"},
                                      {HKEY_CURRENT_USER, kTaskband, L"NumThumbnails"}},
                                     {{HKEY_CURRENT_USER, kTaskband}}};
};

TEST_F(ThumbnailsTest, TheSizeGoesToBothValuesAndEachDefaultDeletesItsValue) {
    for (const Field& field : kFields)
        DeleteValue(HKEY_CURRENT_USER, kTaskband, field.name);
    DeleteValue(HKEY_CURRENT_USER, kTaskband, L"MaxThumbSizePx");
    WriteValue(HKEY_CURRENT_USER, kTaskband, L"TopMarginPx", DwordValue(40));
    auto page = Page(129);
    HWND window = page->GetSafeHwnd();
    for (const Field& field : kFields)
        EXPECT_EQ(
            std::to_wstring(field.name == std::wstring(L"TopMarginPx") ? 40 : field.byDefault),
            ControlText(window, field.edit))
            << field.name;
    EXPECT_TRUE(Enabled(window, IDC_TWEAK_DEFAULT));

    Type(window, IDC_TWEAK_THUMB_SIZE, L"250");
    EXPECT_EQ(DwordValue(250), Stored(L"MinThumbSizePx"));
    EXPECT_EQ(DwordValue(250), Stored(L"MaxThumbSizePx"));
    EXPECT_TRUE(Enabled(window, IDC_TWEAK_FOLLOW_UP));
    Type(window, IDC_TWEAK_THUMB_SIZE, L"200");
    EXPECT_FALSE(Stored(L"MinThumbSizePx"));
    EXPECT_FALSE(Stored(L"MaxThumbSizePx"));
    Type(window, IDC_TWEAK_THUMB_SIZE, L"50");
    EXPECT_EQ(L"100", ControlText(window, IDC_TWEAK_THUMB_SIZE));
    EXPECT_EQ(DwordValue(100), Stored(L"MaxThumbSizePx"));

    Type(window, IDC_TWEAK_THUMB_COUNT, L"0");
    EXPECT_EQ(L"0", ControlText(window, IDC_TWEAK_THUMB_COUNT));
    EXPECT_EQ(DwordValue(0), Stored(L"NumThumbnails")) << "none in a group is allowed";
    Type(window, IDC_TWEAK_MARGIN_TOP, L"15");
    EXPECT_FALSE(Stored(L"TopMarginPx"));
    Type(window, IDC_TWEAK_SPACING_Y, L"301");
    EXPECT_EQ(DwordValue(300), Stored(L"ThumbSpacingYPx"));

    Click(window, IDC_TWEAK_FOLLOW_UP);
    EXPECT_EQ(1, pageHost.explorerRestarts);
    EXPECT_EQ(0, pageHost.signOuts);
}

TEST_F(ThumbnailsTest, DefaultPutsEveryFieldBackInTheOrderOfThePage) {
    auto page = Page(129);
    HWND window = page->GetSafeHwnd();
    for (const Field& field : kFields)
        Type(window, field.edit, std::to_wstring(field.byDefault + 1));
    for (const Field& field : kFields)
        ASSERT_EQ(DwordValue(field.byDefault + 1), Stored(field.name)) << field.name;

    // At each restore point, the fields before it are back at their defaults already.
    // A bit per field, in page order, for each value still stored.
    std::vector<unsigned> storedAtRestorePoints;
    pageHost.onRestorePoint = [&] {
        unsigned stored = 0;
        for (std::size_t i = 0; i < std::size(kFields); ++i)
            stored |= Stored(kFields[i].name) ? 1u << i : 0u;
        storedAtRestorePoints.push_back(stored);
    };
    Click(window, IDC_TWEAK_DEFAULT);
    EXPECT_EQ((std::vector<unsigned>{0xFF, 0xFE, 0xFC, 0xF8, 0xF0, 0xE0, 0xC0, 0x80}),
              storedAtRestorePoints);
    std::vector<std::wstring> stillStored;
    for (const Field& field : kFields) {
        EXPECT_EQ(std::to_wstring(field.byDefault), ControlText(window, field.edit));
        if (Stored(field.name))
            stillStored.push_back(field.name);
    }
    EXPECT_EQ(std::vector<std::wstring>{}, stillStored);
    EXPECT_FALSE(Stored(L"MaxThumbSizePx"));
}

} // namespace
} // namespace orvane::test
