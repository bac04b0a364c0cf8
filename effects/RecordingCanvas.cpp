#include "effects/RecordingCanvas.h"

namespace orvane {

RecordingCanvas::Call& RecordingCanvas::Add(const char* op, std::vector<float> values) {
    Call call;
    call.op = op;
    call.values = std::move(values);
    m_calls.push_back(std::move(call));
    return m_calls.back();
}

void RecordingCanvas::DrawSprite(const Sprite& sprite, int x, int y, int angle) {
    Add("DrawSprite", {static_cast<float>(x), static_cast<float>(y), static_cast<float>(angle)})
        .sprite = &sprite;
}

void RecordingCanvas::DrawImage(const Sprite& sprite, float x, float y, float width, float height) {
    Add("DrawImage", {x, y, width, height}).sprite = &sprite;
}

void RecordingCanvas::FillRect(float x, float y, float width, float height, Color color) {
    Add("FillRect", {x, y, width, height}).colors = {color};
}

void RecordingCanvas::FillRotatedRect(float cx, float cy, float width, float height, float angle,
                                      Color color) {
    Add("FillRotatedRect", {cx, cy, width, height, angle}).colors = {color};
}

void RecordingCanvas::DrawPolyline(const PointF* points, std::size_t count, const Pen& pen) {
    std::vector<float> values;
    for (std::size_t i = 0; i < count; ++i) {
        values.push_back(points[i].x);
        values.push_back(points[i].y);
    }
    Add("DrawPolyline", std::move(values)).pen = pen;
}

void RecordingCanvas::FillEllipse(float x, float y, float width, float height, Color color) {
    Add("FillEllipse", {x, y, width, height}).colors = {color};
}

void RecordingCanvas::DrawEllipse(float x, float y, float width, float height, const Pen& pen) {
    Add("DrawEllipse", {x, y, width, height}).pen = pen;
}

void RecordingCanvas::FillRadialGlow(float x, float y, float width, float height, Color centre,
                                     Color edge) {
    Add("FillRadialGlow", {x, y, width, height}).colors = {centre, edge};
}

void RecordingCanvas::Fill(Color color) {
    Add("Fill", {}).colors = {color};
}

} // namespace orvane
