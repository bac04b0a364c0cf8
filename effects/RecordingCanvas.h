#pragma once

#include "effects/Canvas.h"

#include <string>
#include <vector>

namespace orvane {

// A canvas that draws nothing and keeps the calls made on it, in order, for tests that
// check what an effect draws rather than how it looks.
class RecordingCanvas final : public ICanvas {
public:
    struct Call {
        std::string op; // the ICanvas operation's name
        const Sprite* sprite = nullptr;
        std::vector<float> values; // the numeric arguments in order; points as x, y
        std::vector<Color> colors;
        Pen pen{};
    };

    RecordingCanvas(int width, int height) : m_width(width), m_height(height) {}

    const std::vector<Call>& Calls() const { return m_calls; }
    void Clear() { m_calls.clear(); }
    bool Smoothing() const { return m_smoothing; }

    int Width() const override { return m_width; }
    int Height() const override { return m_height; }
    void SetSmoothing(bool on) override { m_smoothing = on; }
    void DrawSprite(const Sprite& sprite, int x, int y, int angle) override;
    void DrawImage(const Sprite& sprite, float x, float y, float width, float height) override;
    void FillRect(float x, float y, float width, float height, Color color) override;
    void FillRotatedRect(float cx, float cy, float width, float height, float angle,
                         Color color) override;
    void DrawPolyline(const PointF* points, std::size_t count, const Pen& pen) override;
    void FillEllipse(float x, float y, float width, float height, Color color) override;
    void DrawEllipse(float x, float y, float width, float height, const Pen& pen) override;
    void FillRadialGlow(float x, float y, float width, float height, Color centre,
                        Color edge) override;
    void Fill(Color color) override;

private:
    Call& Add(const char* op, std::vector<float> values);

    int m_width, m_height;
    bool m_smoothing = true;
    std::vector<Call> m_calls;
};

} // namespace orvane
