#pragma once

#include <QMargins>
#include <QRect>

#include <utility>

class QWidget;

namespace korbo {

// Where windows go on the screen. Windows are placed by their outer frame (title bar
// and borders included) and kept inside the screen's available area, clear of panels.
// The sums are done on rectangles, so they can be checked without a screen; the
// functions that take widgets apply them to real windows.

// Half the free room on each side, the remainder dropped.
int centredOffset(int screenExtent, int windowExtent);
// `frame` moved as little as puts it inside `area`; a frame larger than the area keeps
// its top-left corner, with the title bar and its menu, inside.
QRect keptInside(const QRect &frame, const QRect &area);
// A frame of `outer` size in the middle of `area`.
QRect centredFrame(const QRect &area, const QSize &outer);
// A frame of `outer` size directly to the right of `main`, tops level.
QRect besideFrame(const QRect &area, const QRect &main, const QSize &outer);
// A sheet that would cover part of the board goes beside it instead, the pair moved
// left as far as the area's right edge needs; where both do not fit they overlap.
// Returns the board's frame and the sheet's.
std::pair<QRect, QRect> clearOfEachOther(const QRect &area, const QRect &main, const QRect &sheet);
// The board and the score sheet in the middle of the area: side by side, centred as
// one block, when the sheet is shown; otherwise the board alone, the hidden sheet
// only taking the board's top. Returns the board's frame and the sheet's.
std::pair<QRect, QRect> arrangedFrames(const QRect &area, const QSize &mainOuter, const QRect &sheet,
                                       bool sheetShown);

// The frame a window manager puts round `window`: the real one once the window is
// shown, before that the one round the window it belongs to (none for the first).
QMargins frameMargins(const QWidget *window);
// The outer frame of `window` as it stands, or will stand once shown.
QRect frameRect(const QWidget *window);
// The free part of the screen `window` is on, or will be shown on.
QRect availableArea(const QWidget *window);
// Moves `window` so that its outer frame is `frame`.
void placeFrame(QWidget *window, const QRect &frame);
// Moves `window` back inside the screen if part of it lies outside.
void keepOnScreen(QWidget *window);

// Centres `window` on its screen. A window not shown yet is centred once more when it
// has its frame, in case its frame was not the one guessed.
void CentreOnScreen(QWidget *window);
void ArrangeWindows(QWidget *main, QWidget *scores);

} // namespace korbo
