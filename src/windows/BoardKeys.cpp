#include "BoardKeys.h"

#include "BoardView.h"
#include "Game.h"
#include "Keyboard.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <private/qkeymapper_p.h>

#include <functional>

namespace korbo {

namespace {
constexpr int kRows = 3, kColumns = 7;
constexpr int kDiceRow = 1;
} // namespace

BoardKeys::BoardKeys(BoardView &board, Game &game) : QObject(&board), m_board(board), m_game(game)
{
    board.installEventFilter(this);
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            cell(row, column)->installEventFilter(this);
}

QWidget *BoardKeys::cell(int row, int column) const
{
    if (row == kDiceRow)
        return column < DiceCount ? static_cast<QWidget *>(m_board.imgDice(column + 1)) : m_board.butThrow();
    return m_board.butCat(column + 1 + (row > kDiceRow ? kColumns : 0));
}

bool BoardKeys::eventFilter(QObject *watched, QEvent *event)
{
    auto *control = static_cast<QWidget *>(watched);
    if (event->type() == QEvent::FocusIn && control != &m_board) {
        m_board.rememberFocus(control);
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
            explain(control);
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    if (control == &m_board) {
        // The board gets the keys its controls left alone as well; it acts on them
        // only while it holds the focus for a die in flight.
        if (!m_board.hasFocus())
            return false;
        control = m_board.parkedControl();
    }
    return keyPressed(control, static_cast<QKeyEvent *>(event));
}

void BoardKeys::explain(QWidget *control)
{
    // What the pointer explains, the focus explains; the dice and the throw button
    // have no explanation of their own, so the prompt stands for them, as the bare
    // table between the controls shows it.
    if (auto *category = qobject_cast<CategoryButton *>(control))
        m_game.explainCategory(category->category());
    else
        m_game.showPrompt();
}

namespace {

// The key as the board's letters know it. With a keyboard layout of another script
// (Russian, Greek) the letter keys give that script's letters; the board then takes
// the Latin letter of the same key, as the desktop's shortcuts do.
int boardKey(const QKeyEvent *key)
{
    const int k = key->key();
    if (k < 0x80 || k >= Qt::Key_Escape) // Latin already, or not a letter
        return k;
    for (int possible : QKeyMapper::possibleKeys(const_cast<QKeyEvent *>(key)))
        if (const int latin = possible & ~Qt::KeyboardModifierMask; latin >= Qt::Key_A && latin <= Qt::Key_Z)
            return latin;
    return k;
}

} // namespace

bool BoardKeys::keyPressed(QWidget *control, const QKeyEvent *key)
{
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false; // Shift+Tab, the menus' Alt letters and shortcuts
    auto *die = qobject_cast<DieWidget *>(control);
    auto *category = qobject_cast<CategoryButton *>(control);
    auto *button = qobject_cast<QAbstractButton *>(control);
    const int k = boardKey(key);
    std::function<void()> act;
    switch (k) {
    case Qt::Key_Left: moveFocus(control, 0, -1); return true;
    case Qt::Key_Right: moveFocus(control, 0, 1); return true;
    case Qt::Key_Up: moveFocus(control, -1, 0); return true;
    case Qt::Key_Down: moveFocus(control, 1, 0); return true;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (die) {
            act = [die] { die->toggleHold(); };
        } else if (button && k == Qt::Key_Space) {
            MarkKeyboardUse(m_board.window());
            return false; // the button presses itself, down on the key and clicked on its release
        } else if (button) {
            act = [button] { button->click(); };
        }
        break;
    case Qt::Key_T: act = [this] { m_board.butThrow()->click(); }; break;
    case Qt::Key_F:
        if (die)
            act = [this, d = die->index()] { m_game.run(m_game.moveFace(d)); };
        break;
    case Qt::Key_J:
        if (die)
            act = [this, d = die->index()] { m_game.run(m_game.playJoker(d)); };
        break;
    case Qt::Key_S:
        if (category)
            act = [this, c = category->category()] { m_game.run(m_game.sampleCategorySound(c)); };
        break;
    default:
        if (k >= Qt::Key_1 && k < Qt::Key_1 + DiceCount) {
            DieWidget *target = m_board.imgDice(k - Qt::Key_0);
            act = [this, target] {
                if (!target->isVisible())
                    return;
                focus(target);
                target->toggleHold();
            };
        }
        break;
    }
    if (!act)
        return false;
    MarkKeyboardUse(m_board.window());
    // A key held down acts once.
    if (!key->isAutoRepeat())
        act();
    return true;
}

void BoardKeys::moveFocus(QWidget *from, int rows, int columns)
{
    int row = kDiceRow, column = kColumns - 1; // the throw button, where nothing has the focus
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c)
            if (cell(r, c) == from) {
                row = r;
                column = c;
            }
    auto usable = [this](int r, int c) { return cell(r, c)->isVisible() && cell(r, c)->isEnabled(); };
    if (columns != 0) {
        for (int c = column + columns; c >= 0 && c < kColumns; c += columns)
            if (usable(row, c))
                return focus(cell(row, c));
        return;
    }
    // Up or down: the same column of the next row that has anything to go to, or
    // the nearest one in it (a row of dice is short before the first throw).
    for (int r = row + rows; r >= 0 && r < kRows; r += rows)
        for (int distance = 0; distance < kColumns; ++distance)
            for (const int c : {column - distance, column + distance})
                if (c >= 0 && c < kColumns && usable(r, c))
                    return focus(cell(r, c));
}

void BoardKeys::focus(QWidget *control)
{
    MarkKeyboardUse(m_board.window());
    control->setFocus(Qt::TabFocusReason);
}

} // namespace korbo
