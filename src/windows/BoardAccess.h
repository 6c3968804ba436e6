#pragma once

#include <QString>

class QWidget;

namespace korbo {

// What a screen reader learns of the board. Each die is a button named "Die 1".."Die 6"
// whose value is the face it shows and whose description says whether it is held;
// each category button carries the category's name, as its value the score shown
// beside it for the current player and as its description whether that score is a
// preview or entered; each joker token says how many jokers are left. Everything is
// read from what the board shows at the moment of asking. Made once for the program.
void InstallBoardAccessibility();

// Tells a listening screen reader that a control's value or description changed.
void TellValueChanged(QWidget *control, const QString &value);
void TellDescriptionChanged(QWidget *control);

// Words for the board's controls, shared by the interfaces and their events.
QString dieDescription(bool held);
QString jokersLeftText(int left);

} // namespace korbo
