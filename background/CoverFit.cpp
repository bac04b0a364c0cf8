#include "background/CoverFit.h"

namespace orvane {

FitRect CoverFit(float width, float height, float sourceWidth, float sourceHeight) {
    if (sourceWidth <= 0.0f || sourceHeight <= 0.0f || height <= 0.0f)
        return {0, 0, 0, 0};
    float x = 0.0f, y = 0.0f, w = width, h = height;
    if (width / height >= sourceWidth / sourceHeight) {
        h = width / sourceWidth * sourceHeight;
        y = -(h - height) * 0.5f;
    } else {
        w = height / sourceHeight * sourceWidth;
        x = -(w - width) * 0.5f;
    }
    return {static_cast<int>(x), static_cast<int>(y), static_cast<int>(w), static_cast<int>(h)};
}

FitRectF ContainFit(float width, float height, float sourceWidth, float sourceHeight) {
    if (sourceWidth <= 0.0f || sourceHeight <= 0.0f || width <= 0.0f || height <= 0.0f)
        return {0.0f, 0.0f, 0.0f, 0.0f};
    const float ratio = sourceWidth / sourceHeight;
    if (ratio >= width / height)
        return {0.0f, (height - width / ratio) * 0.5f, width, width / ratio};
    return {(width - height * ratio) * 0.5f, 0.0f, height * ratio, height};
}

} // namespace orvane
