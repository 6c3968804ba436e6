#pragma once

#include <QObject>

class QKeyEvent;
class QWidget;

namespace korbo {

class BoardView;
class Game;

// The board played from the keyboard. Every key turns into a command of the game,
// just as a click does:
//
//   arrow keys     move over the board: the top row of categories; the dice with the
//                  throw button at their right; the bottom row of categories
//   Space, Enter   press the control that has the focus: throw, hold or unhold a
//                  die, show a category's score and then enter it
//   1 to 6         hold or unhold that die, and go to it
//   F              on a die: every die of its face goes over too (the right click)
//   J              on a die: play a joker on it
//   T              throw, from anywhere on the board
//   S              on a category: play its sounds (Alt with a click)
//
// Keys held with Ctrl, Alt or Meta are left to the menus, so none of these clashes
// with their accelerators or with F1, F2 and F6. Focus reaching a control from the
// keyboard explains it on the status line as the pointer does.
class BoardKeys : public QObject {
    Q_OBJECT
public:
    BoardKeys(BoardView &board, Game &game);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool keyPressed(QWidget *control, const QKeyEvent *key);
    void explain(QWidget *control);
    // Moves the focus a row or a column on, skipping what is hidden or disabled.
    void moveFocus(QWidget *from, int rows, int columns);
    void focus(QWidget *control);
    // The board as a grid of three rows of seven: categories 1-7; dice 1-6 and the
    // throw button; categories 8-14.
    QWidget *cell(int row, int column) const;

    BoardView &m_board;
    Game &m_game;
};

} // namespace korbo
