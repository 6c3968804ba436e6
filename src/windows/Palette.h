#pragma once

#include <QColor>

class QWidget;

namespace korbo {

// The colours the windows share, named once so the board, its dialogs and the
// pictures drawn for them keep one look. Every writing colour stands at least 4.5
// times as bright, or as dark, as what it is written on.

// The board's felt; also the ring round the window icon's die.
inline constexpr QColor BoardGreen(0, 160, 0);
// Behind the dialogs, the About window and the score sheet, and in the records lists.
inline constexpr QColor PaleGreen(192, 255, 192);
// Behind the records window and its headings.
inline constexpr QColor LightGreen(128, 255, 128);
// Writing on the pale and the light green.
inline constexpr QColor TextGreen(0, 112, 0);
// Edges that catch the light: the lower and right sides of the dice tray and the
// held row, and the rule across the About window.
inline constexpr QColor LineGreen(0, 192, 0);
// The status strip along the foot of the board, and the announcements on it.
inline constexpr QColor StripGrey(192, 192, 192);
inline constexpr QColor StripText(0, 88, 0);
// The plate a score stands on beside its category button: the score's own green, or
// the yellow of one not yet entered, could not be read on the felt.
inline constexpr QColor ScorePlate(0, 72, 0);
// The bright band of the keyboard's focus ring, between two black ones.
inline constexpr QColor FocusYellow(255, 230, 0);

// A surface the game colours itself: its background and the writing on it are set
// together, so a desktop theme (a dark one above all) never puts its own light text
// on the game's pale green. Buttons keep the theme's colours, face and text alike.
void SetSurface(QWidget *widget, const QColor &background, const QColor &text = Qt::black);
// The same for a field the player types in or picks from (a list, a text box).
void SetField(QWidget *widget, const QColor &base, const QColor &text = Qt::black);

} // namespace korbo
