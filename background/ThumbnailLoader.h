#pragma once

#include "background/ThumbnailLayout.h"

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_map>
#include <utility>
#include <vector>

namespace orvane {

// One finished thumbnail cell: kThumbnailHeight rows of kThumbnailWidth pixels, 24-bit
// blue-green-red, top row first. Empty means a black cell (a picture that could not be
// read).
using ThumbnailPixels = std::vector<std::uint8_t>;
constexpr std::size_t kThumbnailStride = kThumbnailWidth * 3; // a multiple of 4
constexpr std::size_t kThumbnailBytes = kThumbnailStride * kThumbnailHeight;

// The paths waiting for a thumbnail. A batch pushed later is served before everything
// pushed earlier (the newest request first), in its own order; a path asked for again
// moves to its newest place.
class ThumbnailQueue {
public:
    void Push(const std::vector<std::wstring>& paths);
    bool Pop(std::wstring& path);
    void Clear();
    std::size_t Size() const { return m_latest.size(); }

private:
    struct Entry {
        std::wstring path;
        std::uint64_t sequence;
    };
    std::deque<Entry> m_order;                                // front is served first
    std::unordered_map<std::wstring, std::uint64_t> m_latest; // each path's live entry
    std::uint64_t m_sequence = 0;
};

// Makes thumbnails on worker threads, away from the window that shows them. The window
// asks for paths, is told (from a worker) when results are ready and takes them on its
// own thread.
class ThumbnailLoader {
public:
    // Runs on a worker: the cell of one picture.
    using Decode = std::function<ThumbnailPixels(const std::wstring& path)>;
    // Runs on a worker when results wait and none waited before; the window's thread
    // then calls TakeFinished.
    using Notify = std::function<void()>;

    ThumbnailLoader(Decode decode, Notify notify, unsigned workers = 1);
    // Lets a picture in work finish and ends the workers.
    ~ThumbnailLoader();
    ThumbnailLoader(const ThumbnailLoader&) = delete;
    ThumbnailLoader& operator=(const ThumbnailLoader&) = delete;

    // Serves these paths before every earlier request.
    void Request(const std::vector<std::wstring>& paths);
    // Drops every request not yet in work.
    void Cancel();
    std::vector<std::pair<std::wstring, ThumbnailPixels>> TakeFinished();
    // Requests waiting or in work.
    std::size_t Pending() const;

private:
    void Work();

    Decode m_decode;
    Notify m_notify;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    ThumbnailQueue m_queue;
    std::size_t m_inWork = 0;
    bool m_stop = false;
    std::vector<std::pair<std::wstring, ThumbnailPixels>> m_finished;
    unsigned m_workerCount;
    std::vector<std::thread> m_workers; // started with the first request
};

// Which image of the page's image list shows which picture. The images themselves keep
// the finished thumbnails, so a rebuilt list takes them over without decoding or
// copying anything. Image 0 is black: pictures without a thumbnail yet show it, and so
// do pictures that could not be read.
class ThumbnailSlots {
public:
    static constexpr int kBlack = 0;

    // The image a picture shows.
    int ImageOf(const std::wstring& path) const;
    // Whether the picture's thumbnail is made (one that came out black too).
    bool Made(const std::wstring& path) const;
    // Gives a finished thumbnail its image: one freed by a picture no longer listed, or
    // a new one after the highest (Count grows); kBlack for a black one.
    int Place(const std::wstring& path, bool black);
    // Frees the images of every picture not in the list.
    void KeepOnly(const std::vector<std::wstring>& paths);
    // The images the list needs: the highest in use + 1.
    int Count() const { return m_next; }

private:
    std::unordered_map<std::wstring, int> m_imageOf;
    std::vector<int> m_free;
    int m_next = kBlack + 1;
};

} // namespace orvane
