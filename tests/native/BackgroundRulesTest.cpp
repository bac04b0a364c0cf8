#include "background/AnimationMask.h"
#include "background/HostPlacement.h"
#include "background/MciCommands.h"
#include "background/MonitorCopies.h"
#include "background/WebAddress.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(BackgroundPlacement, OnePixelShortOfTheWorkAreaTwoWithAnAutoHidingTaskbar) {
    const WorkArea work{0, 0, 1920, 1040};
    const OverlayBox normal = BackgroundPlacement(0, work);
    EXPECT_EQ(0, normal.left);
    EXPECT_EQ(0, normal.top);
    EXPECT_EQ(1920, normal.width);
    EXPECT_EQ(1039, normal.height);
    EXPECT_EQ(1038, BackgroundPlacement(kTaskbarAutoHide, work).height);
    // "Always on top" as well is not "auto-hide".
    EXPECT_EQ(1039, BackgroundPlacement(kTaskbarAutoHide | 2, work).height);
    const OverlayBox topBar = BackgroundPlacement(0, WorkArea{0, 40, 1920, 1080});
    EXPECT_EQ(40, topBar.top);
    EXPECT_EQ(1039, topBar.height);
}

TEST(BackgroundPlacement, AMonitorLeftOfThePrimaryKeepsItsNegativeCorner) {
    const OverlayBox left = BackgroundPlacement(0, WorkArea{-1280, -200, 0, 824});
    EXPECT_EQ(-1280, left.left);
    EXPECT_EQ(-200, left.top);
    EXPECT_EQ(1280, left.width);
    EXPECT_EQ(1023, left.height);
}

MonitorArea Screen(int left, int width, int height, unsigned dpi = 96, bool primary = false) {
    MonitorArea monitor;
    monitor.bounds = {left, 0, left + width, height};
    monitor.work = {left, 0, left + width, height - 40};
    monitor.dpi = dpi;
    monitor.primary = primary;
    return monitor;
}

TEST(FollowArrangement, StopsTheCopiesOfGoneOrChangedMonitorsAndStartsTheNewOnes) {
    const MonitorArea primary = Screen(0, 1920, 1080, 96, true);
    const MonitorArea right = Screen(1920, 2560, 1440, 144);
    const MonitorArea left = Screen(-1280, 1280, 1024);
    const MonitorList three = {primary, right, left};

    EXPECT_TRUE(FollowArrangement(three, three).None());
    // The same monitors in another order are the same monitors.
    EXPECT_TRUE(FollowArrangement(three, {primary, left, right}).None());

    const CopyChanges unplugged = FollowArrangement(three, {primary, left});
    EXPECT_FALSE(unplugged.restartAll);
    EXPECT_EQ(std::vector<std::size_t>{1}, unplugged.stop);
    EXPECT_TRUE(unplugged.start.empty());

    const CopyChanges plugged = FollowArrangement({primary}, three);
    EXPECT_TRUE(plugged.stop.empty());
    EXPECT_EQ((std::vector<std::size_t>{1, 2}), plugged.start);

    // A change of scale alone is a new monitor to the copy on it.
    MonitorArea rescaled = right;
    rescaled.dpi = 96;
    const CopyChanges changed = FollowArrangement(three, {primary, rescaled, left});
    EXPECT_EQ(std::vector<std::size_t>{1}, changed.stop);
    EXPECT_EQ(std::vector<std::size_t>{1}, changed.start);

    // Another primary monitor, or the primary's work area changed: everything anew.
    MonitorArea newPrimary = right;
    newPrimary.primary = true;
    EXPECT_TRUE(FollowArrangement(three, {newPrimary, primary, left}).restartAll);
    MonitorArea taskbarMoved = primary;
    taskbarMoved.work.left = 60;
    EXPECT_TRUE(FollowArrangement(three, {taskbarMoved, right, left}).restartAll);

    // No answer from the system, or nothing running: nothing to do.
    EXPECT_TRUE(FollowArrangement(three, {}).None());
    EXPECT_TRUE(FollowArrangement({}, three).None());
}

TEST(MciCommands, AreTheExactStringsWithSignedWindowHandles) {
    EXPECT_EQ(L"stop video", mci::Stop(L"video"));
    EXPECT_EQ(L"close video", mci::Close(L"video"));
    EXPECT_EQ(L"open \"C:\\My Videos\\sea.avi\" type mpegvideo alias video style child parent 4660",
              mci::Open(L"C:\\My Videos\\sea.avi", L"video", 0x1234));
    EXPECT_EQ(L"open \"a.avi\" type mpegvideo alias video style child parent -2",
              mci::Open(L"a.avi", L"video", -2));
    EXPECT_EQ(L"setaudio video off", mci::Mute(L"video"));
    EXPECT_EQ(L"setaudio video4660 off", mci::Mute(L"video4660"));
    EXPECT_EQ(L"play video repeat", mci::Play(L"video", true));
    EXPECT_EQ(L"play video", mci::Play(L"video", false));
    EXPECT_EQ(L"where video source", mci::SourceSize(L"video"));
    EXPECT_EQ(L"put video window at 0 -200 1920 1440", mci::Place(L"video", 0, -200, 1920, 1440));
    EXPECT_EQ(L"open \"b.mp4\" type mpegvideo alias video_test", mci::TestOpen(L"b.mp4"));
    EXPECT_EQ(L"close video_test", mci::TestClose());
}

TEST(MciCommands, TheSourceSizeReplyGivesUpToFourNumbers) {
    const mci::SourceRect full = mci::ParseSourceRect(L"0 0 640 480");
    EXPECT_EQ(0, full.left);
    EXPECT_EQ(640, full.width);
    EXPECT_EQ(480, full.height);
    const mci::SourceRect spaced = mci::ParseSourceRect(L"  1  2 320");
    EXPECT_EQ(1, spaced.left);
    EXPECT_EQ(2, spaced.top);
    EXPECT_EQ(320, spaced.width);
    EXPECT_EQ(0, spaced.height);
    const mci::SourceRect empty = mci::ParseSourceRect(L"");
    EXPECT_EQ(0, empty.width);
    EXPECT_EQ(0, empty.height);
    EXPECT_EQ(4, mci::ParseSourceRect(L"1 2 3 4 5").height);
}

TEST(WebAddress, KeepsAnySchemeAndPutsTheReferralInTheClockHostsQueryOnly) {
    EXPECT_EQ(L"time.is", DefaultClockHost());
    const struct {
        const wchar_t* typed;
        const wchar_t* sent;
    } cases[] = {
        // Without a scheme, the web is meant.
        {L"example.org/page", L"http://example.org/page"},
        {L"localhost:8080/clock", L"http://localhost:8080/clock"},
        {L"", L"http://"},
        // Schemes in any case are kept as typed.
        {L"HTTP://example.org", L"HTTP://example.org"},
        {L"https://example.org", L"https://example.org"},
        {L"http://example.org/?a=1", L"http://example.org/?a=1"},
        {L"about:blank", L"about:blank"},
        // Files get no referral, whatever their path says.
        {L"file:///C:/clock.html", L"file:///C:/clock.html"},
        {L"file:///C:/time.is/clock.html", L"file:///C:/time.is/clock.html"},
        {L"C:\\Clocks\\clock.html", L"file:///C:/Clocks/clock.html"},
        {L"\\\\server\\share\\clock.html", L"file://server/share/clock.html"},
        // The clock's host: the default page, with a query, without a scheme, in capitals.
        {L"https://time.is/clock/", L"https://time.is/clock/?from=ov_win"},
        {L"https://time.is/London?lang=en", L"https://time.is/London?lang=en&from=ov_win"},
        {L"time.is/", L"http://time.is/?from=ov_win"},
        {L"HTTPS://time.is/clock/", L"HTTPS://time.is/clock/?from=ov_win"},
        {L"https://TIME.IS:443/", L"https://TIME.IS:443/?from=ov_win"},
        {L"https://www.time.is/", L"https://www.time.is/?from=ov_win"},
        // The referral goes before the fragment, into the query it belongs to.
        {L"https://time.is/clock/#x", L"https://time.is/clock/?from=ov_win#x"},
        {L"https://time.is/?a=1#x?y", L"https://time.is/?a=1&from=ov_win#x?y"},
        {L"https://time.is/#x?y", L"https://time.is/?from=ov_win#x?y"},
        // Other hosts that merely name it.
        {L"https://example.org/?u=time.is", L"https://example.org/?u=time.is"},
        {L"https://nottime.is/", L"https://nottime.is/"},
        {L"http://time.is.example.org/", L"http://time.is.example.org/"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(std::wstring(c.sent), NormaliseWebAddress(c.typed))
            << testing::PrintToString(std::wstring(c.typed));
}

TEST(WebAddress, RuntimeCandidatesComeInOrderAndOnlyVersionFoldersCount) {
    EXPECT_TRUE(IsVersionFolderName(L"120.0.2210.91"));
    EXPECT_FALSE(IsVersionFolderName(L"120.0.2210"));
    EXPECT_FALSE(IsVersionFolderName(L"SetupMetrics"));
    EXPECT_FALSE(IsVersionFolderName(L"."));

    EXPECT_EQ(L"C:\\Edge\\1.2.3.4", RuntimeFolderOf(L"C:\\Edge", L"1.2.3.4"));
    EXPECT_EQ(L"C:\\Edge\\1.2.3.4", RuntimeFolderOf(L"C:\\Edge\\", L"1.2.3.4"));
    EXPECT_EQ(L"", RuntimeFolderOf(L"C:\\Edge", L""));
    EXPECT_EQ(L"", RuntimeFolderOf(L"", L"1.2.3.4"));

    const std::vector<std::wstring> all = RuntimeCandidates(L"R", {L"A", L"B"});
    ASSERT_EQ(4u, all.size());
    EXPECT_EQ(L"", all[0]);
    EXPECT_EQ(L"R", all[1]);
    EXPECT_EQ(L"B", all[3]);
    EXPECT_EQ(std::vector<std::wstring>({L"", L"A"}), RuntimeCandidates(L"", {L"A"}));
}

TEST(AnimationMask, OnlyTheByteValue0x12PassesAndEnablingKeepsTheOtherBytes) {
    PreferencesMask mask{true, kRegistryBinary, {0x9E, 0x1E, 0x07, 0x80, 0x12, 0x00, 0x00, 0x00}};
    EXPECT_FALSE(AnimationsBlocked(mask));
    mask.bytes[4] = 0x13;
    EXPECT_TRUE(AnimationsBlocked(mask));
    mask.bytes[4] = 0x10;
    EXPECT_TRUE(AnimationsBlocked(mask));

    const std::vector<std::uint8_t> enabled = WithAnimationsEnabled(mask);
    EXPECT_EQ(std::vector<std::uint8_t>({0x9E, 0x1E, 0x07, 0x80, 0x12, 0x00, 0x00, 0x00}), enabled);

    // A missing value or another type neither blocks nor gets written.
    EXPECT_FALSE(AnimationsBlocked(PreferencesMask{}));
    const PreferencesMask text{true, 1, {0x13, 0x13, 0x13, 0x13, 0x13}};
    EXPECT_FALSE(AnimationsBlocked(text));
    EXPECT_TRUE(WithAnimationsEnabled(text).empty());

    // Too short to hold the byte: blocked, and enabling grows the value to hold it.
    const PreferencesMask shortMask{true, kRegistryBinary, {0x9E, 0x1E}};
    EXPECT_TRUE(AnimationsBlocked(shortMask));
    EXPECT_EQ(std::vector<std::uint8_t>({0x9E, 0x1E, 0, 0, 0x12}),
              WithAnimationsEnabled(shortMask));
}

TEST(WebAddress, TheVideoGalleryHasARussianVariant) {
    EXPECT_EQ(L"https://orvane.teskan.com/videos", VideosAddress(L"English"));
    EXPECT_EQ(L"https://orvane.teskan.com/videos/?lng=ru", VideosAddress(L"Russian"));
}

} // namespace
} // namespace orvane
