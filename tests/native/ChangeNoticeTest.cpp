#include "core/ChangeNotice.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace orvane {
namespace {

TEST(ChangeNotice, TellsTheListenersInOrderUntilTheyStop) {
    CChangeNotice notice;
    std::string heard;
    auto first = notice.Listen([&] { heard += "a"; });
    std::optional<CChangeNotice::Subscription> second = notice.Listen([&] { heard += "b"; });
    notice.Raise();
    EXPECT_EQ("ab", heard);

    second.reset();
    notice.Raise();
    EXPECT_EQ("aba", heard);

    // Moved, it still listens once; reset, it is gone.
    CChangeNotice::Subscription moved = std::move(first);
    notice.Raise();
    EXPECT_EQ("abaa", heard);
    moved.Reset();
    notice.Raise();
    EXPECT_EQ("abaa", heard);
}

TEST(ChangeNotice, AListenerMayStopAnotherWhileItIsTold) {
    CChangeNotice notice;
    int later = 0;
    CChangeNotice::Subscription second;
    auto first = notice.Listen([&] { second.Reset(); });
    second = notice.Listen([&] { ++later; });
    notice.Raise();
    EXPECT_EQ(0, later) << "stopped before its turn";

    // A subscription that outlives its notice lets go quietly.
    CChangeNotice::Subscription orphan;
    {
        CChangeNotice gone;
        orphan = gone.Listen([] {});
    }
    orphan.Reset();
}

} // namespace
} // namespace orvane
