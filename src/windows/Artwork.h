#pragma once

#include <QImage>
#include <QSize>

// The game's built-in pictures, all drawn here with QPainter: the six dice styles,
// the fourteen category pictures (plain and used), the joker token, the window icon
// and the About window's logo.
//
// Every function returns an ARGB32 premultiplied image that is transparent outside
// its shape, whose pixel size is the logical size times dpr (rounded) and whose
// devicePixelRatio is dpr. Each picture is drawn at that resolution, never scaled
// up from a smaller one, so it stays sharp on high density screens.
namespace korbo::artwork {

// One face of a built-in dice style. Styles are numbered as the Options dialog
// lists them (1 Standard, 2 Traditional, 3 Ladybirds, 4 Rainbow, 5 Buttons,
// 6 Photo); any other number draws Standard. Faces outside 1..6 are clamped.
// The board shows dice at 48 logical pixels.
QImage dieFace(int style, int face, int logicalSize, qreal dpr);

// The picture on a category button (1 Ones .. 14 Korbo). `used` gives the dimmed,
// pressed-in picture of a category that has already been scored. A category
// outside 1..14 gives a transparent image of the requested size.
QImage categoryPicture(int category, bool used, QSize logicalSize, qreal dpr);

// The logical size the buttons show a category's picture at:
// 38x37 for Ones..Sixes, 32x32 for the others.
QSize categoryPictureSize(int category);

// The joker token a player drags onto a die (32 logical pixels on the board).
QImage jokerPicture(int logicalSize, qreal dpr);

// The window icon (48 logical pixels): a die with a green flourish.
QImage windowIcon(int logicalSize, qreal dpr);

// The About window's logo, drawn for a 2:1 box (160x80) and fitted, centred,
// into any other size.
QImage logo(QSize logicalSize, qreal dpr);

} // namespace korbo::artwork
