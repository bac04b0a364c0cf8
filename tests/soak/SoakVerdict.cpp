#include "SoakVerdict.h"

#include <algorithm>

namespace orvane::soak {
namespace {

constexpr std::size_t kFewestSamples = 10;

long long Median(std::vector<long long> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    if (values.size() % 2 == 1)
        return values[middle];
    return values[middle - 1] + (values[middle] - values[middle - 1]) / 2;
}

template <class Field>
CounterTrend Trend(const char* name, const std::vector<Sample>& samples, std::size_t fifth,
                   Field field) {
    std::vector<long long> first, last;
    for (std::size_t i = 0; i < fifth; ++i) {
        first.push_back(samples[i].*field);
        last.push_back(samples[samples.size() - fifth + i].*field);
    }
    return {name, Median(first), Median(last), false};
}

} // namespace

bool Verdict::Passed() const {
    return problem.empty() && std::none_of(trends.begin(), trends.end(),
                                           [](const CounterTrend& t) { return t.grewTooMuch; });
}

Verdict JudgeGrowth(const std::vector<Sample>& samples, double warmupSeconds,
                    const GrowthLimits& limits) {
    Verdict verdict;
    std::vector<Sample> judged;
    for (const Sample& sample : samples)
        if (sample.seconds >= warmupSeconds)
            judged.push_back(sample);
    if (judged.size() < kFewestSamples) {
        verdict.problem = "only " + std::to_string(judged.size()) +
                          " samples after the warm-up; at least " + std::to_string(kFewestSamples) +
                          " are needed";
        return verdict;
    }
    const std::size_t fifth = judged.size() / 5;
    verdict.trends = {Trend("GDI objects", judged, fifth, &Sample::gdiObjects),
                      Trend("USER objects", judged, fifth, &Sample::userObjects),
                      Trend("handles", judged, fifth, &Sample::handles),
                      Trend("private bytes", judged, fifth, &Sample::privateBytes)};
    const long long counts[] = {limits.gdiObjects, limits.userObjects, limits.handles};
    for (std::size_t i = 0; i < 3; ++i)
        verdict.trends[i].grewTooMuch =
            verdict.trends[i].last - verdict.trends[i].first > counts[i];
    CounterTrend& bytes = verdict.trends[3];
    bytes.grewTooMuch = static_cast<double>(bytes.last - bytes.first) >
                        limits.privateBytesShare * static_cast<double>(bytes.first);
    return verdict;
}

} // namespace orvane::soak
