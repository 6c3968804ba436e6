#pragma once

#include <QString>

class QWidget;

namespace korbo {

// What a screen reader learns of the board. Each die is a button named by its number,
// face and place ("Die 3, five, held"), its description the face and place; each
// category button is named as the board shows it, its description the score beside
// it ("would score 12" for a preview, "scored 12" once entered); each joker token says
// how many jokers are left; the status strip is a status bar named by its line.
// Everything is read from what the board shows at the moment of asking. The game's
// windows that Qt knows only as widgets get a window's or a dialog's role. Made once
// for the program.
void InstallBoardAccessibility();

// Tells a listening screen reader that a control's name or description changed.
void TellNameChanged(QWidget *control);
void TellDescriptionChanged(QWidget *control);

// Words for the board's controls, shared by the interfaces and their events.
QString dieSpoken(int face, bool held);
QString categorySpoken(const QString &score, bool preview);

} // namespace korbo
