#pragma once

class QWidget;

namespace korbo {

// The keyboard's focus, shown as a ring round the control that has it: black, yellow
// and black, so it stands out on the green board, on the pale dialogs and beside
// any die. It shows once a window has been used from the keyboard, as the desktop's
// own focus marks do, so a mouse player never sees it. Made once for the program.
void InstallFocusRing();

// The window was just used from the keyboard: its focus ring shows from now on.
void MarkKeyboardUse(QWidget *window);

// Enter presses the focused button of `window`; and for a window that is not a
// dialog (those have their own Cancel), Escape closes it as its close box does.
void AnswerStandardKeys(QWidget *window);

} // namespace korbo
