#include "effects/CustomObjectList.h"
#include "framework/ProfileText.h"

#include <gtest/gtest.h>

#include <climits>

#include <set>

namespace orvane {
namespace {

std::wstring Stored(const ProfileTextStore& store, const wchar_t* key) {
    const std::wstring* value = store.Text().Find(kCustomObjectsSection, key);
    return value ? *value : L"<missing>";
}

TEST(CustomObjectList, LoadsUpToTheFirstEmptyPathAndSkipsVanishedFiles) {
    ProfileTextStore store(L"[CEffectsCustomObjects]\r\n"
                           L"0Path=C:\\a.png\r\n0Enable=1\r\n0Top=1\r\n0X=-35\r\n0Y=12\r\n"
                           L"1Path=C:\\gone.gif\r\n1Enable=1\r\n"
                           L"2Path=C:\\b.gif\r\n2X=40\r\n"
                           L"3Path=\r\n"
                           L"4Path=C:\\after-the-end.png\r\n");
    const std::set<std::wstring> present = {L"C:\\a.png", L"C:\\b.gif", L"C:\\after-the-end.png"};
    const auto entries = LoadCustomObjectEntries(
        store, [&](const std::wstring& path) { return present.count(path) != 0; });
    ASSERT_EQ(2u, entries.size());
    EXPECT_EQ(L"C:\\a.png", entries[0].path);
    EXPECT_TRUE(entries[0].enabled);
    EXPECT_TRUE(entries[0].top);
    EXPECT_EQ(-35, entries[0].x) << "a position left of the screen keeps its sign";
    EXPECT_EQ(12, entries[0].y);
    EXPECT_EQ(L"C:\\b.gif", entries[1].path) << "the vanished file's index closes up";
    EXPECT_FALSE(entries[1].enabled);
    EXPECT_FALSE(entries[1].top);
    EXPECT_EQ(40, entries[1].x);
    EXPECT_EQ(kNotPlaced, entries[1].y) << "a missing position means never placed";
}

TEST(CustomObjectList, UnreadablePositionsCountAsNeverPlaced) {
    ProfileTextStore store(L"[CEffectsCustomObjects]\r\n0Path=p\r\n0X=left\r\n0Y=99999999999\r\n");
    const auto entries = LoadCustomObjectEntries(store, [](const std::wstring&) { return true; });
    ASSERT_EQ(1u, entries.size());
    EXPECT_EQ(kNotPlaced, entries[0].x);
    EXPECT_EQ(kNotPlaced, entries[0].y);
}

TEST(CustomObjectList, SaveEndsAShorterListAndRoundTrips) {
    ProfileTextStore store(L"[Settings]\r\nfEffectsBalloons=1\r\n"
                           L"[CEffectsCustomObjects]\r\n"
                           L"0Path=old0\r\n1Path=old1\r\n2Path=old2\r\n2Enable=1\r\n");
    std::vector<CustomObjectEntry> entries(2);
    entries[0] = {L"C:\\same.png", true, false, 10, -20};
    entries[1] = {L"C:\\same.png", false, true, kNotPlaced, kNotPlaced};
    SaveCustomObjectEntries(store, entries);

    EXPECT_EQ(L"", Stored(store, L"2Path")) << "the old tail no longer reaches the loader";
    EXPECT_EQ(L"1", Stored(store, L"0Enable"));
    EXPECT_EQ(L"0", Stored(store, L"0Top"));
    EXPECT_EQ(L"-20", Stored(store, L"0Y"));
    EXPECT_EQ(L"1", Stored(store, L"1Top"));
    EXPECT_EQ(L"-10000", Stored(store, L"1X"));
    EXPECT_EQ(L"1", *store.Text().Find(L"Settings", L"fEffectsBalloons")) << "other sections stay";

    const auto loaded = LoadCustomObjectEntries(store, [](const std::wstring&) { return true; });
    ASSERT_EQ(2u, loaded.size());
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(entries[i].path, loaded[i].path);
        EXPECT_EQ(entries[i].enabled, loaded[i].enabled);
        EXPECT_EQ(entries[i].top, loaded[i].top);
        EXPECT_EQ(entries[i].x, loaded[i].x);
        EXPECT_EQ(entries[i].y, loaded[i].y);
    }

    SaveCustomObjectEntries(store, {});
    EXPECT_EQ(L"", Stored(store, L"0Path"));
    EXPECT_EQ(L"", Stored(store, L"1Path"));
    EXPECT_TRUE(LoadCustomObjectEntries(store, [](const std::wstring&) { return true; }).empty());
}

// A 1920 × 1080 primary with its taskbar at the bottom and a 2560 × 1440 monitor to its
// left, at negative coordinates.
MonitorList TwoMonitors() {
    MonitorList monitors(2);
    monitors[0].bounds = {0, 0, 1920, 1080};
    monitors[0].work = {0, 0, 1920, 1040};
    monitors[0].primary = true;
    monitors[1].bounds = {-2560, -360, 0, 1080};
    monitors[1].work = {-2560, -360, 0, 1040};
    return monitors;
}

CustomObjectEntry PlacedAt(int x, int y) {
    CustomObjectEntry entry;
    entry.x = x;
    entry.y = y;
    return entry;
}

TEST(CustomObjectList, NeverPlacedObjectsStartAtTheTopRightOfThePrimaryWorkArea) {
    const MonitorList monitors = TwoMonitors();
    CustomObjectEntry entry;
    EXPECT_EQ(1920 - 300, ObjectStartCorner(entry, monitors, 300, 200).x);
    EXPECT_EQ(0, ObjectStartCorner(entry, monitors, 300, 200).y);
    entry.x = 5;
    EXPECT_EQ(1620, ObjectStartCorner(entry, monitors, 300, 200).x)
        << "one unplaced coordinate is enough";
}

TEST(CustomObjectList, PlacedObjectsStayOnAnyMonitorAndComeBackFromOnesThatWent) {
    const MonitorList monitors = TwoMonitors();
    struct Case {
        CustomObjectEntry entry;
        ObjectCorner expected;
        const char* what;
    } const cases[] = {
        {PlacedAt(5, -7), {5, -7}, "partly off the top of the primary: where the user put it"},
        {PlacedAt(-1500, -300), {-1500, -300}, "on the left monitor, at negative coordinates"},
        {PlacedAt(1900, 500), {1900, 500}, "mostly off the right edge, a corner still shows"},
        {PlacedAt(3000, 500), {1620, 500}, "a monitor on the right that is gone"},
        {PlacedAt(-3000, -1000), {-2560, -360}, "beyond the left monitor's top-left corner"},
        {PlacedAt(800, 1500), {800, 840}, "below everything: onto the primary's work area"},
        {PlacedAt(INT_MAX, INT_MAX), {1620, 840}, "no overflow at the far edges"},
        {PlacedAt(INT_MIN + 1, 100), {-2560, 100}, "nor at the near ones"},
    };
    for (const Case& c : cases) {
        const ObjectCorner corner = ObjectStartCorner(c.entry, monitors, 300, 200);
        EXPECT_EQ(c.expected.x, corner.x) << c.what;
        EXPECT_EQ(c.expected.y, corner.y) << c.what;
    }
    // A picture larger than the work area keeps its top-left corner inside.
    const ObjectCorner large = ObjectStartCorner(PlacedAt(5000, 0), monitors, 4000, 200);
    EXPECT_EQ(0, large.x);
}

TEST(CustomObjectList, FrameIntervals) {
    const std::vector<std::uint32_t> delays = {10, 0, 25, 0xFFFFFFFFu};
    EXPECT_EQ(1000u, FrameIntervalMs(1, {}, 0)) << "a still picture repaints once a second";
    EXPECT_EQ(1000u, FrameIntervalMs(0, {}, 0)) << "nothing decoded";
    EXPECT_EQ(100u, FrameIntervalMs(4, delays, 0));
    EXPECT_EQ(100u, FrameIntervalMs(4, delays, 1)) << "a delay of 0 never spins the timer";
    EXPECT_EQ(250u, FrameIntervalMs(4, delays, 2));
    EXPECT_EQ(0x7FFFFFFFu, FrameIntervalMs(4, delays, 3)) << "the longest timer, not an overflow";
    EXPECT_EQ(100u, FrameIntervalMs(6, delays, 5)) << "frames beyond the delay list";
    EXPECT_EQ(100u, FrameIntervalMs(3, {}, 1)) << "pages of a picture without delays";
}

} // namespace
} // namespace orvane
