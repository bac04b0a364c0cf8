#include "tests/soak/SoakVerdict.h"

#include <gtest/gtest.h>

namespace orvane::soak {
namespace {

// A run of `count` samples five seconds apart whose counters rise linearly from the
// base values by `rise` over the whole run.
std::vector<Sample> SteadyRise(std::size_t count, const Sample& base, const Sample& rise) {
    std::vector<Sample> samples;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = count > 1 ? static_cast<double>(i) / (count - 1) : 0;
        Sample s;
        s.seconds = i * 5.0;
        s.gdiObjects = base.gdiObjects + static_cast<long long>(rise.gdiObjects * t);
        s.userObjects = base.userObjects + static_cast<long long>(rise.userObjects * t);
        s.handles = base.handles + static_cast<long long>(rise.handles * t);
        s.privateBytes = base.privateBytes + static_cast<long long>(rise.privateBytes * t);
        samples.push_back(s);
    }
    return samples;
}

const Sample kBase{0, 300, 40, 250, 100'000'000};

Sample Rise(long long gdi, long long user, long long handles, long long bytes) {
    return Sample{0, gdi, user, handles, bytes};
}

TEST(SoakVerdict, EachCounterFailsOnlyBeyondItsOwnLimit) {
    struct Case {
        Sample rise;
        const char* grown; // the counter that must be reported, or null
    };
    // 101 samples: the medians of the fifths lie 80 % of the rise apart.
    const Case cases[] = {
        {Rise(0, 0, 0, 0), nullptr},
        {Rise(60, 0, 0, 0), nullptr}, // 49 more GDI objects between the fifths
        {Rise(70, 0, 0, 0), "GDI objects"},
        {Rise(0, 70, 0, 0), "USER objects"},
        {Rise(0, 0, 120, 0), nullptr}, // 97 more handles
        {Rise(0, 0, 130, 0), "handles"},
        {Rise(0, 0, 0, 24'000'000), nullptr}, // a little over 19 %
        {Rise(0, 0, 0, 27'000'000), "private bytes"},
        {Rise(-200, -30, -200, -50'000'000), nullptr}, // shrinking is fine
    };
    for (const Case& c : cases) {
        const Verdict verdict = JudgeGrowth(SteadyRise(101, kBase, c.rise), 0);
        ASSERT_TRUE(verdict.problem.empty());
        ASSERT_EQ(4u, verdict.trends.size());
        for (const CounterTrend& trend : verdict.trends)
            EXPECT_EQ(c.grown && std::string(c.grown) == trend.name, trend.grewTooMuch)
                << trend.name << " from " << trend.first << " to " << trend.last;
        EXPECT_EQ(c.grown == nullptr, verdict.Passed()) << (c.grown ? c.grown : "steady");
    }
}

TEST(SoakVerdict, TheWarmUpAndLonelySpikesDoNotCount) {
    std::vector<Sample> samples = SteadyRise(60, kBase, Rise(0, 0, 0, 0));
    // Start-up allocates before it settles; those samples lie in the warm-up.
    for (std::size_t i = 0; i < 10; ++i) {
        samples[i].privateBytes /= 2;
        samples[i].gdiObjects -= 200;
    }
    // A moment of many windows near the end is no trend.
    samples[57].userObjects += 500;
    const Verdict verdict = JudgeGrowth(samples, 50);
    EXPECT_TRUE(verdict.Passed());
    EXPECT_EQ(kBase.privateBytes, verdict.trends[3].first);
    EXPECT_EQ(kBase.userObjects, verdict.trends[1].last);

    // Without the warm-up the start-up is taken for the base of a leak.
    EXPECT_FALSE(JudgeGrowth(samples, 0).Passed());
}

TEST(SoakVerdict, ARunTooShortToJudgeDoesNotPass) {
    const Verdict verdict = JudgeGrowth(SteadyRise(20, kBase, Rise(0, 0, 0, 0)), 60);
    EXPECT_FALSE(verdict.Passed());
    EXPECT_NE(std::string::npos, verdict.problem.find("only 8 samples"));
    EXPECT_TRUE(verdict.trends.empty());
    EXPECT_FALSE(JudgeGrowth({}, 0).Passed());
}

} // namespace
} // namespace orvane::soak
