#include "effects/Lightning.h"

#include "framework/Random.h"

#include <cstdint>

namespace orvane {
namespace {

constexpr int kSideMargin = 100;

Color White(int alpha) {
    return Color::Argb(static_cast<std::uint32_t>(alpha) << 24 | 0xFFFFFFu);
}

} // namespace

void Lightning::Begin(int width, int height) {
    m_width = width;
    m_height = height;
    m_bolts.clear();
}

void Lightning::Stop() {
    std::vector<LIGHTNING>().swap(m_bolts);
}

// Draws spread, step and maximum in this order.
void Lightning::AddBolt(int x, int y, bool mayFork) {
    LIGHTNING bolt;
    bolt.x = x;
    bolt.y = y;
    bolt.spread = Rand() % 26 + 5;
    bolt.step = Rand() % 21 + 5;
    bolt.maxPoints = Rand() % 26 + 10;
    bolt.points = {{x, y}};
    bolt.mayFork = mayFork;
    bolt.grown = false;
    m_bolts.push_back(std::move(bolt));
}

void Lightning::DrawFrame(ICanvas& canvas) {
    Grow();
    if (++m_counter >= m_interval)
        Strike();
    canvas.SetSmoothing(true);
    // Forks added while drawing go behind the bolts still to draw: first seen next frame.
    for (std::size_t i = m_bolts.size(); i-- > 0;)
        Draw(canvas, i);
}

// Last bolt first; a bolt that would exceed its maximum goes, the later ones moving down.
void Lightning::Grow() {
    for (std::size_t i = m_bolts.size(); i-- > 0;) {
        LIGHTNING& bolt = m_bolts[i];
        bolt.grown = true;
        const BoltPoint last = bolt.points.back();
        const int x = last.x + Rand() % (bolt.spread + 1) - bolt.spread / 2;
        const int y = last.y + Rand() % (bolt.step + 1);
        bolt.points.push_back({x, y});
        if (static_cast<int>(bolt.points.size()) > bolt.maxPoints)
            m_bolts.erase(m_bolts.begin() + static_cast<std::ptrdiff_t>(i));
    }
}

void Lightning::Strike() {
    // At least 100 pixels from either side, in the upper half. An area too narrow for
    // that margin strikes in its middle.
    const int span = m_width - 2 * kSideMargin + 1;
    const int x = span > 0 ? Rand() % span + kSideMargin : m_width / 2;
    const int y = Rand() % (m_height / 2 + 1);
    const int bolts = Rand() % 3 + 1;
    for (int i = 0; i < bolts; ++i)
        AddBolt(x, y, true);
    m_counter = 0;
    m_interval = Rand() % 71 + 30;
}

void Lightning::Draw(ICanvas& canvas, std::size_t index) {
    // Each test draws its number whether or not an earlier one hit; the last hit wins.
    float width = 1.0f;
    const struct {
        int odds;
        float width;
    } thicker[] = {{31, 2.0f}, {61, 3.0f}, {91, 4.0f}, {121, 5.0f}, {151, 6.0f}};
    for (const auto& t : thicker)
        if (Rand() % t.odds == 0)
            width = t.width;
    const Pen pen{White(Rand() % 231 + 25), width};

    // The path from the start point through every point; a bolt that may fork draws its
    // chance at each point until it forks once. The fork grows from that point.
    std::vector<PointF> path;
    const std::size_t count = m_bolts[index].points.size();
    path.reserve(count + 1);
    path.push_back({static_cast<float>(m_bolts[index].x), static_cast<float>(m_bolts[index].y)});
    for (std::size_t p = 0; p < count; ++p) {
        const BoltPoint point = m_bolts[index].points[p];
        path.push_back({static_cast<float>(point.x), static_cast<float>(point.y)});
        if (m_bolts[index].mayFork && Rand() % 101 == 0) {
            m_bolts[index].mayFork = false;
            AddBolt(point.x, point.y, false); // may move the list: no references held
        }
    }
    // The strike's flash, one wash per new bolt, and now and then a faint flicker; both
    // lie under the bolt.
    if (!m_bolts[index].grown)
        canvas.Fill(White(Rand() % 19 + 12));
    if (Rand() % 31 == 0)
        canvas.Fill(White(Rand() % 8 + 3));
    canvas.DrawPolyline(path.data(), path.size(), pen);
}

} // namespace orvane
