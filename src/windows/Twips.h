#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <cmath>

namespace korbo {

// The board is laid out in twips (1/1440 inch). At 96 dots per inch a logical pixel
// is 15 twips; Qt scales logical pixels on dense screens.
inline constexpr int TwipsPerPixel = 15;

inline int px(int twips)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) / TwipsPerPixel));
}
inline int twips(int pixels) { return pixels * TwipsPerPixel; }
inline QPoint px(int left, int top) { return {px(left), px(top)}; }
inline QSize pxSize(int width, int height) { return {px(width), px(height)}; }
inline QRect pxRect(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}

} // namespace korbo
