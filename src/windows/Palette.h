#pragma once

#include <QColor>

namespace korbo {

// The colours the windows share, named once so the board, its dialogs and the
// pictures drawn for them keep one look.

// The board's felt; also the ring round the window icon's die.
inline constexpr QColor BoardGreen(0, 160, 0);
// Behind the dialogs, the About window and the score sheet, and in the records lists.
inline constexpr QColor PaleGreen(192, 255, 192);
// Writing on the pale green, and the announcements in the status strip.
inline constexpr QColor TextGreen(0, 128, 0);
// Edges that catch the light: the lower and right sides of the dice tray and the
// held row, and the rule across the About window.
inline constexpr QColor LineGreen(0, 192, 0);
// The status strip along the foot of the board.
inline constexpr QColor StripGrey(192, 192, 192);
// The bright band of the keyboard's focus ring, between two black ones.
inline constexpr QColor FocusYellow(255, 230, 0);

} // namespace korbo
