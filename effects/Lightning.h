#pragma once

#include "effects/Canvas.h"

#include <vector>

namespace orvane {

struct BoltPoint {
    int x;
    int y;
};

// One bolt: where it starts, how far each new segment may stray sideways and step down,
// the points it has grown so far (the first is its start), how many it may hold, whether
// it may still fork, and whether it has grown since the strike that made it.
struct LIGHTNING {
    int x;
    int y;
    int spread;
    int step;
    std::vector<BoltPoint> points;
    int maxPoints;
    bool mayFork;
    bool grown;
};

// The lightning's simulation: strikes at random intervals, bolts growing one segment a
// frame and forking now and then, the flash of each strike and the faint flicker.
class Lightning {
public:
    static constexpr int kFirstInterval = 50;

    // A new window over a width × height area: no bolts. The countdown to the next strike
    // carries on from where it was.
    void Begin(int width, int height);
    void Stop();

    void AddBolt(int x, int y, bool mayFork);
    // Grows the bolts, strikes when the time has come, and draws.
    void DrawFrame(ICanvas& canvas);

    const std::vector<LIGHTNING>& Bolts() const { return m_bolts; }
    int Counter() const { return m_counter; }
    int Interval() const { return m_interval; }

private:
    void Grow();
    void Strike();
    void Draw(ICanvas& canvas, std::size_t index);

    std::vector<LIGHTNING> m_bolts;
    int m_counter = 0;
    int m_interval = kFirstInterval;
    int m_width = 0;
    int m_height = 0;
};

} // namespace orvane
