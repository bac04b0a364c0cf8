#include "background/ThumbnailLayout.h"
#include "background/ThumbnailLoader.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <stdexcept>

namespace orvane {
namespace {

TEST(ThumbnailLayout, FitsThePictureWholeAndCentredInTheCell) {
    const struct {
        unsigned width, height;
        FitRect place;
    } cases[] = {
        {1920, 1080, {0, 0, 120, 67}},  {1024, 768, {14, 0, 90, 68}},
        {1080, 1920, {40, 0, 38, 68}},  {120, 68, {0, 0, 120, 68}},
        {4000, 1000, {0, 19, 120, 30}}, {100, 100, {26, 0, 68, 68}},
        {30, 17, {0, 0, 120, 68}},      {12000, 10, {0, 33, 120, 0}},
        {0, 100, {0, 0, 0, 0}},         {100, 0, {0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        const FitRect got = FitThumbnail(c.width, c.height);
        EXPECT_EQ(c.place.x, got.x) << c.width << "x" << c.height;
        EXPECT_EQ(c.place.y, got.y) << c.width << "x" << c.height;
        EXPECT_EQ(c.place.width, got.width) << c.width << "x" << c.height;
        EXPECT_EQ(c.place.height, got.height) << c.width << "x" << c.height;
    }
}

std::vector<std::wstring> Drain(ThumbnailQueue& queue) {
    std::vector<std::wstring> order;
    std::wstring path;
    while (queue.Pop(path))
        order.push_back(path);
    return order;
}

TEST(ThumbnailQueue, ServesTheNewestBatchFirstAndEachPathOnce) {
    ThumbnailQueue queue;
    queue.Push({L"a", L"b", L"c", L"d"});
    std::wstring first;
    ASSERT_TRUE(queue.Pop(first));
    EXPECT_EQ(L"a", first);
    // The user scrolled to c and e: they come next, then what was left of the old batch.
    queue.Push({L"e", L"c"});
    EXPECT_EQ(4u, queue.Size());
    EXPECT_EQ((std::vector<std::wstring>{L"e", L"c", L"b", L"d"}), Drain(queue));
    EXPECT_EQ(0u, queue.Size());

    queue.Push({L"x", L"y"});
    queue.Clear();
    queue.Push({L"z"});
    EXPECT_EQ(std::vector<std::wstring>{L"z"}, Drain(queue));
}

// Hands out the pictures' "decoding" one at a time when the test says so.
class Gate {
public:
    void Open(int count) {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_allowed += count;
        m_changed.notify_all();
    }
    void Pass(const std::wstring& path) {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_waiting.push_back(path);
        m_changed.notify_all();
        m_changed.wait(lock, [&] { return m_allowed > 0; });
        --m_allowed;
    }
    bool WaitForWaiting(std::size_t count) {
        std::unique_lock<std::mutex> lock(m_mutex);
        return m_changed.wait_for(lock, std::chrono::seconds(10),
                                  [&] { return m_waiting.size() >= count; });
    }
    std::vector<std::wstring> Waiting() {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_waiting;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    int m_allowed = 0;
    std::vector<std::wstring> m_waiting;
};

ThumbnailPixels CellOf(const std::wstring& path) {
    return ThumbnailPixels(kThumbnailBytes, static_cast<std::uint8_t>(path.size()));
}

// Results as they are taken after notifications, until count have arrived.
std::vector<std::pair<std::wstring, ThumbnailPixels>>
Collect(ThumbnailLoader& loader, std::atomic<int>& notified, std::size_t count) {
    std::vector<std::pair<std::wstring, ThumbnailPixels>> all;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (all.size() < count && std::chrono::steady_clock::now() < end) {
        if (notified.exchange(0) == 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            continue;
        }
        for (auto& result : loader.TakeFinished())
            all.push_back(std::move(result));
    }
    return all;
}

TEST(ThumbnailLoader, DecodesOnAWorkerNewestRequestFirstAndDropsCancelledRequests) {
    Gate gate;
    std::atomic<int> notified{0};
    ThumbnailLoader loader(
        [&](const std::wstring& path) {
            gate.Pass(path);
            return CellOf(path);
        },
        [&] { ++notified; });
    loader.Request({L"p0", L"p11", L"p222", L"p3333"});
    ASSERT_TRUE(gate.WaitForWaiting(1)); // p0 is in work
    EXPECT_EQ(4u, loader.Pending());
    loader.Request({L"new"});
    gate.Open(2);
    auto results = Collect(loader, notified, 2);
    ASSERT_EQ(2u, results.size());
    EXPECT_EQ(L"p0", results[0].first);
    EXPECT_EQ(L"new", results[1].first) << "the newer request jumps the queue";
    EXPECT_EQ(CellOf(L"new"), results[1].second);

    // The list was rebuilt: what waits is dropped, the picture in work still arrives.
    ASSERT_TRUE(gate.WaitForWaiting(3));
    loader.Cancel();
    EXPECT_EQ(1u, loader.Pending());
    gate.Open(100);
    results = Collect(loader, notified, 1);
    ASSERT_EQ(1u, results.size());
    EXPECT_EQ(L"p11", results[0].first);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_TRUE(loader.TakeFinished().empty());
    EXPECT_EQ(0u, loader.Pending());
    EXPECT_EQ((std::vector<std::wstring>{L"p0", L"new", L"p11"}), gate.Waiting());
}

TEST(ThumbnailLoader, APictureThatFailsGivesABlackCellAndTheWorkersGoOn) {
    std::atomic<int> notified{0};
    ThumbnailLoader loader(
        [](const std::wstring& path) -> ThumbnailPixels {
            if (path == L"bad")
                throw std::runtime_error("unreadable");
            return CellOf(path);
        },
        [&] { ++notified; }, 2);
    loader.Request({L"a", L"bad", L"ccc"});
    auto results = Collect(loader, notified, 3);
    ASSERT_EQ(3u, results.size());
    for (const auto& [path, pixels] : results)
        EXPECT_EQ(path == L"bad" ? ThumbnailPixels() : CellOf(path), pixels);
}

TEST(ThumbnailLoader, EndsWhileAPictureIsInWorkAndDropsTheRest) {
    Gate gate;
    std::atomic<int> decoded{0};
    {
        ThumbnailLoader loader(
            [&](const std::wstring& path) {
                gate.Pass(path);
                ++decoded;
                return CellOf(path);
            },
            nullptr);
        loader.Request({L"a", L"b", L"c"});
        ASSERT_TRUE(gate.WaitForWaiting(1));
        std::thread opener([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            gate.Open(100);
        });
        opener.detach();
    } // the destructor waits for "a" only
    EXPECT_EQ(1, decoded.load());
}

TEST(ThumbnailSlots, KeepsTheImagesOfListedPicturesAndReusesTheOthers) {
    ThumbnailSlots slots;
    EXPECT_FALSE(slots.Made(L"a"));
    EXPECT_EQ(ThumbnailSlots::kBlack, slots.ImageOf(L"a")) << "black until made";
    EXPECT_EQ(1, slots.Place(L"a", false));
    EXPECT_EQ(ThumbnailSlots::kBlack, slots.Place(L"unreadable", true));
    EXPECT_TRUE(slots.Made(L"unreadable")) << "not asked for again";
    EXPECT_EQ(2, slots.Place(L"b", false));
    EXPECT_EQ(3, slots.Place(L"c", false));
    EXPECT_EQ(4, slots.Count());

    // The list was rebuilt without a and the unreadable one: b and c keep their images.
    slots.KeepOnly({L"b", L"c", L"d"});
    EXPECT_FALSE(slots.Made(L"a"));
    EXPECT_FALSE(slots.Made(L"unreadable"));
    EXPECT_EQ(2, slots.ImageOf(L"b"));
    EXPECT_EQ(3, slots.ImageOf(L"c"));
    EXPECT_EQ(1, slots.Place(L"d", false)) << "a's image is free again";
    EXPECT_EQ(4, slots.Place(L"e", false));
    EXPECT_EQ(5, slots.Count());
    // A picture made again gives up its old image.
    EXPECT_EQ(ThumbnailSlots::kBlack, slots.Place(L"b", true));
    EXPECT_EQ(2, slots.Place(L"f", false));
}

} // namespace
} // namespace orvane
