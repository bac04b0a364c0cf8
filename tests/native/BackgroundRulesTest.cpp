#include "background/AnimationMask.h"
#include "background/CoverFit.h"
#include "background/HostPlacement.h"
#include "background/MciCommands.h"
#include "background/WebAddress.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(CoverFit, WiderWindowsCropTopAndBottomNarrowerOnesLeftAndRight) {
    // 4:3 on a 1920 x 1040 work area: full width, 200 pixels cut off top and bottom each.
    const FitRect fourThree = CoverFit(1920, 1040, 640, 480);
    EXPECT_EQ(0, fourThree.x);
    EXPECT_EQ(1920, fourThree.width);
    EXPECT_EQ(1440, fourThree.height);
    EXPECT_EQ(-200, fourThree.y);

    // 21:9: full height, the width overflows and is split between both sides.
    const FitRect wide = CoverFit(1920, 1040, 2560, 1080);
    EXPECT_EQ(0, wide.y);
    EXPECT_EQ(1040, wide.height);
    EXPECT_EQ(2465, wide.width); // 2465.18 truncated
    EXPECT_EQ(-272, wide.x);     // -272.59 truncated toward zero
    EXPECT_NEAR(-wide.x, (wide.width - 1920) / 2, 1);

    // Equal ratios fill exactly; a source without a size gives nothing to place.
    const FitRect same = CoverFit(1920, 1080, 1280, 720);
    EXPECT_EQ(0, same.x);
    EXPECT_EQ(0, same.y);
    EXPECT_EQ(1920, same.width);
    EXPECT_EQ(1080, same.height);
    const FitRect unknown = CoverFit(1920, 1040, 0, 0);
    EXPECT_EQ(0, unknown.width);
    EXPECT_EQ(0, unknown.height);
}

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

TEST(MciCommands, AreTheExactStringsWithSignedWindowHandles) {
    EXPECT_EQ(L"stop video", mci::Stop(L"video"));
    EXPECT_EQ(L"close video", mci::Close(L"video"));
    EXPECT_EQ(L"open \"C:\\My Videos\\sea.avi\" type mpegvideo alias video style child parent 4660",
              mci::Open(L"C:\\My Videos\\sea.avi", L"video", 0x1234));
    EXPECT_EQ(L"open \"a.avi\" type mpegvideo alias video style child parent -2",
              mci::Open(L"a.avi", L"video", -2));
    EXPECT_EQ(L"setaudio video off", mci::Mute());
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

TEST(WebAddress, AddsTheSchemeCaseSensitivelyAndTheReferralOnTheClockHostOnly) {
    EXPECT_EQ(L"time.is", DefaultClockHost());
    EXPECT_EQ(L"http://example.org/page", NormaliseWebAddress(L"example.org/page"));
    EXPECT_EQ(L"http://HTTP://example.org", NormaliseWebAddress(L"HTTP://example.org"));
    EXPECT_EQ(L"https://example.org", NormaliseWebAddress(L"https://example.org"));
    EXPECT_EQ(L"http://example.org/?a=1", NormaliseWebAddress(L"http://example.org/?a=1"));
    // The default page, the clock host with a query, and without a scheme.
    EXPECT_EQ(L"https://time.is/clock/?from=ov_win",
              NormaliseWebAddress(L"https://time.is/clock/"));
    EXPECT_EQ(L"https://time.is/London?lang=en&from=ov_win",
              NormaliseWebAddress(L"https://time.is/London?lang=en"));
    EXPECT_EQ(L"http://time.is/?from=ov_win", NormaliseWebAddress(L"time.is/"));
    EXPECT_EQ(L"http://", NormaliseWebAddress(L""));
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
