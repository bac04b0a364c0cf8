#include "background/ThumbnailLoader.h"

#include <unordered_set>

namespace orvane {

void ThumbnailQueue::Push(const std::vector<std::wstring>& paths) {
    // The batch goes to the front in its own order: insert it backwards.
    for (auto path = paths.rbegin(); path != paths.rend(); ++path) {
        const std::uint64_t sequence = ++m_sequence;
        m_latest[*path] = sequence;
        m_order.push_front({*path, sequence});
    }
}

bool ThumbnailQueue::Pop(std::wstring& path) {
    while (!m_order.empty()) {
        Entry entry = std::move(m_order.front());
        m_order.pop_front();
        const auto latest = m_latest.find(entry.path);
        // An entry superseded by a newer request for the same path is skipped.
        if (latest == m_latest.end() || latest->second != entry.sequence)
            continue;
        m_latest.erase(latest);
        path = std::move(entry.path);
        return true;
    }
    return false;
}

void ThumbnailQueue::Clear() {
    m_order.clear();
    m_latest.clear();
}

ThumbnailLoader::ThumbnailLoader(Decode decode, Notify notify, unsigned workers)
    : m_decode(std::move(decode)), m_notify(std::move(notify)),
      m_workerCount(workers ? workers : 1) {}

ThumbnailLoader::~ThumbnailLoader() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
        m_queue.Clear();
    }
    m_wake.notify_all();
    for (std::thread& worker : m_workers)
        worker.join();
}

void ThumbnailLoader::Request(const std::vector<std::wstring>& paths) {
    if (paths.empty())
        return;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_queue.Push(paths);
        while (m_workers.size() < m_workerCount)
            m_workers.emplace_back(&ThumbnailLoader::Work, this);
    }
    m_wake.notify_all();
}

void ThumbnailLoader::Cancel() {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_queue.Clear();
}

std::vector<std::pair<std::wstring, ThumbnailPixels>> ThumbnailLoader::TakeFinished() {
    std::vector<std::pair<std::wstring, ThumbnailPixels>> finished;
    std::lock_guard<std::mutex> lock(m_mutex);
    finished.swap(m_finished);
    return finished;
}

std::size_t ThumbnailLoader::Pending() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_queue.Size() + m_inWork;
}

void ThumbnailLoader::Work() {
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        std::wstring path;
        m_wake.wait(lock, [&] { return m_stop || m_queue.Pop(path); });
        if (m_stop)
            return;
        ++m_inWork;
        lock.unlock();
        ThumbnailPixels pixels;
        try {
            pixels = m_decode(path);
        } catch (...) {
            pixels.clear(); // a black cell; the worker goes on
        }
        lock.lock();
        --m_inWork;
        const bool first = m_finished.empty();
        m_finished.emplace_back(std::move(path), std::move(pixels));
        if (first && m_notify) {
            // Told outside the lock: the window may be taking results meanwhile.
            lock.unlock();
            m_notify();
            lock.lock();
        }
    }
}

int ThumbnailSlots::ImageOf(const std::wstring& path) const {
    const auto found = m_imageOf.find(path);
    return found == m_imageOf.end() ? kBlack : found->second;
}

bool ThumbnailSlots::Made(const std::wstring& path) const {
    return m_imageOf.count(path) != 0;
}

int ThumbnailSlots::Place(const std::wstring& path, bool black) {
    const auto known = m_imageOf.find(path);
    if (known != m_imageOf.end() && known->second != kBlack) {
        m_free.push_back(known->second); // made again: the old image goes
        m_imageOf.erase(known);
    }
    int image = kBlack;
    if (!black) {
        if (!m_free.empty()) {
            image = m_free.back();
            m_free.pop_back();
        } else {
            image = m_next++;
        }
    }
    m_imageOf[path] = image;
    return image;
}

void ThumbnailSlots::KeepOnly(const std::vector<std::wstring>& paths) {
    const std::unordered_set<std::wstring> keep(paths.begin(), paths.end());
    for (auto entry = m_imageOf.begin(); entry != m_imageOf.end();) {
        if (keep.count(entry->first)) {
            ++entry;
            continue;
        }
        if (entry->second != kBlack)
            m_free.push_back(entry->second);
        entry = m_imageOf.erase(entry);
    }
}

} // namespace orvane
