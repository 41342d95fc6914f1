#pragma once

#include <QLine>
#include <QRect>
#include <cmath>

// Designed positions are in twips (1/1440 inch). Qt works in device-independent pixels and
// applies the display scale itself, so one conversion at 96 dpi serves every screen.
constexpr double kTwipsPerPixel = 15.0;

inline int twipsToPixels(int twips)
{
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

// Edges are converted one by one, so neighbouring controls that touch in twips touch in pixels.
inline QRect twipsRect(int left, int top, int width, int height)
{
    const int x = twipsToPixels(left);
    const int y = twipsToPixels(top);
    return {x, y, twipsToPixels(left + width) - x, twipsToPixels(top + height) - y};
}

inline QLine twipsLine(int x1, int y1, int x2, int y2)
{
    return {twipsToPixels(x1), twipsToPixels(y1), twipsToPixels(x2), twipsToPixels(y2)};
}
