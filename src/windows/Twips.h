#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <cmath>

namespace korbo {

// The board is laid out in twips (1/1440 inch). At 96 dots per inch a logical pixel
// is 15 twips; Qt scales logical pixels on dense screens.
inline constexpr int TwipsPerPixel = 15;

// How large the board and the score sheet are drawn, in percent of their designed
// size. A window that owns a zoom turns its twips into pixels through it.
struct Zoom {
    static constexpr int Designed = 100;
    // Below three quarters the board's captions are no longer readable; four times
    // fills the largest screens there are.
    static constexpr int Smallest = 75;
    static constexpr int Largest = 400;
    // The zoom keys step through these, as a browser's do.
    static constexpr int Steps[] = {75, 90, 100, 110, 125, 150, 175, 200, 250, 300, 400};

    int percent = Designed;

    int px(int twips) const
    {
        return static_cast<int>(std::lround(static_cast<double>(twips) * percent / (TwipsPerPixel * Designed)));
    }
    QPoint px(int left, int top) const { return {px(left), px(top)}; }
    QSize pxSize(int width, int height) const { return {px(width), px(height)}; }
    QRect pxRect(int left, int top, int width, int height) const
    {
        return {px(left), px(top), px(width), px(height)};
    }
    qreal points(qreal designed) const { return designed * percent / Designed; }
};

// At the designed size: the dialogs, which do not zoom.
inline int px(int twips) { return Zoom{}.px(twips); }
inline QPoint px(int left, int top) { return {px(left), px(top)}; }
inline QSize pxSize(int width, int height) { return {px(width), px(height)}; }
inline QRect pxRect(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}

} // namespace korbo
