// A monkey: the real main window driven by random clicks, drags, keys, menu entries
// and dialog answers, arriving at every moment, also in the middle of a throw, a
// joker's flight or the pause between turns. After every event the game's state must
// still make sense. KORBO_MONKEY_EVENTS sets the length of the run (a long run:
// KORBO_MONKEY_EVENTS=100000 build/tests/games_test --gtest_filter='Monkey.*').
#include "BoardView.h"
#include "MainWindow.h"
#include "Messages.h"
#include "Recorders.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace korbo;
using namespace korbo::test;

namespace {

// Every score each category can give, from every throw of six dice.
const std::array<QSet<int>, CategoryCount + 1> &possibleScores()
{
    static const auto table = [] {
        std::array<QSet<int>, CategoryCount + 1> scores;
        DiceArray dice{};
        for (int code = 0; code < 6 * 6 * 6 * 6 * 6 * 6; ++code) {
            for (int d = 1, rest = code; d <= DiceCount; ++d, rest /= 6)
                dice[d] = static_cast<Int16>(rest % 6 + 1);
            for (int c = 1; c <= CategoryCount; ++c)
                scores[c].insert(ScoreCategory(dice, c).score);
        }
        return scores;
    }();
    return table;
}

class Monkey : public QObject {
public:
    Monkey(MainWindow &window, quint32 seed) : m_window(window), m_game(window.game()), m_random(seed) {}

    int events = 0;
    QStringList violations;

    void run(int target)
    {
        m_target = target;
        QTimer::singleShot(0, this, &Monkey::step);
        m_loop.exec();
    }

private:
    int below(int n) { return static_cast<int>(m_random.bounded(n)); }

    // One event, then the checks. The next step is due before this one acts, so the
    // monkey goes on inside the dialogs and menus its own events open.
    void step()
    {
        QWidget *modal = QApplication::activeModalWidget();
        QWidget *popup = QApplication::activePopupWidget();
        if (events >= m_target && !modal && !popup) {
            m_loop.quit();
            return;
        }
        QTimer::singleShot(0, this, &Monkey::step);
        ++events;
        if (popup)
            QTest::keyClick(popup, std::array{Qt::Key_Down, Qt::Key_Up, Qt::Key_Escape}[below(3)]);
        else if (modal)
            answer(modal);
        else if (below(8) == 0)
            onASecondaryWindow();
        else
            onTheBoard();
        check();
    }

    QList<QAbstractButton *> usable(QWidget *window) const
    {
        QList<QAbstractButton *> found = window->findChildren<QAbstractButton *>();
        found.removeIf([](QAbstractButton *b) { return !b->isVisible() || !b->isEnabled(); });
        return found;
    }

    void answer(QWidget *dialog)
    {
        const QList<QAbstractButton *> controls = usable(dialog);
        const QList<QLineEdit *> boxes = dialog->findChildren<QLineEdit *>();
        const int pick = below(10);
        if (pick < 2 && !boxes.isEmpty()) {
            QLineEdit *box = boxes[below(boxes.size())];
            if (box->isVisible() && box->isEnabled())
                QTest::keyClicks(box, QStringList{"Ann", "Bob", "", "WWWWWWWWWWWW", "x"}[below(5)]);
        } else if (pick < 8 && !controls.isEmpty()) {
            QTest::mouseClick(controls[below(controls.size())], Qt::LeftButton);
        } else {
            QTest::keyClick(dialog, pick == 8 ? Qt::Key_Escape : Qt::Key_Return);
        }
    }

    void onASecondaryWindow()
    {
        QList<QWidget *> shown;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w != &m_window && w->isVisible() && !qobject_cast<QMenu *>(w))
                shown << w;
        if (shown.isEmpty())
            return;
        QWidget *window = shown[below(shown.size())];
        const QList<QAbstractButton *> controls = usable(window);
        switch (below(4)) {
        case 0: QTest::keyClick(window, Qt::Key_Escape); break;
        case 1: window->close(); break;
        default:
            if (!controls.isEmpty())
                QTest::mouseClick(controls[below(controls.size())], Qt::LeftButton);
        }
    }

    void onTheBoard()
    {
        BoardView *board = m_window.board();
        // Print, help, the update page and Exit leave the game or the machine: not here.
        const QList<QAction *> menus = {m_window.menuNew, m_window.menuPlayers, m_window.menuScores,
                                        m_window.menuRecords, m_window.menuCenterize,
                                        m_window.menuOptions, m_window.menuAbout};
        const int pick = below(100);
        if (pick < 25) {
            QTest::mouseClick(board->butThrow(), Qt::LeftButton);
        } else if (pick < 55) {
            const int c = 1 + below(CategoryCount);
            QTest::mouseClick(board->butCat(c), Qt::LeftButton, below(20) ? Qt::NoModifier : Qt::AltModifier);
        } else if (pick < 75) {
            QTest::mouseClick(board->imgDice(1 + below(DiceCount)), below(4) ? Qt::LeftButton : Qt::RightButton);
        } else if (pick < 85) {
            dragAJoker(board);
        } else if (pick < 90) {
            QTest::mouseMove(board, QPoint(below(board->width()), below(board->height())));
        } else if (pick < 95) {
            // Keys go where the keyboard's focus is, as a player's do.
            const std::array keys{below(8) ? Qt::Key_F6 : Qt::Key_F2, Qt::Key_F6, Qt::Key_F5, Qt::Key_Space,
                                  Qt::Key_Return, Qt::Key_Tab, Qt::Key_Escape, Qt::Key_Left, Qt::Key_Down,
                                  Qt::Key_T, Qt::Key_J, Qt::Key_F, Qt::Key_S, Qt::Key_1, Qt::Key_6};
            QWidget *focus = QApplication::focusWidget();
            QTest::keyClick(focus && focus->window() == &m_window ? focus : &m_window, keys[below(keys.size())]);
        } else if (pick < 97 || m_game.state().numPlayers == 0) {
            QAction *entry = menus[below(menus.size())];
            // Stopping a game is kept rare, or hardly a game would reach its end.
            if (entry != m_window.menuNew || below(8) == 0 || m_game.state().roundNo == 0)
                entry->trigger();
        }
    }

    // A joker token carried over the board and let go somewhere, as a drag would.
    void dragAJoker(BoardView *board)
    {
        QMimeData mime;
        mime.setData(QLatin1String(JokerWidget::MimeType), QByteArray::number(1 + below(JokersPerGame)));
        QPoint at(below(board->width()), below(board->height()));
        if (below(2))
            at = board->imgDice(1 + below(DiceCount))->geometry().center();
        QDragEnterEvent enter(at, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(board, &enter);
        QDragMoveEvent move(at, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(board, &move);
        QDropEvent drop(at, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(board, &drop);
    }

    void fail(const QString &what)
    {
        if (violations.size() < 20)
            violations << QStringLiteral("event %1: %2").arg(events).arg(what);
    }

    void check()
    {
        const GameState &s = m_game.state();
        if (s.roundNo < 0 || s.roundNo > RoundCount || s.throwNo < 0 || s.throwNo > MaxThrows)
            fail(QStringLiteral("round %1, throw %2").arg(s.roundNo).arg(s.throwNo));
        if (s.roundNo > 0 && (s.curPlayer < 1 || s.curPlayer > s.numPlayers))
            fail(QStringLiteral("player %1 of %2").arg(s.curPlayer).arg(s.numPlayers));
        const bool newGame = s.roundNo == 1 && m_last.roundNo != 1;
        for (int p = 1; p <= s.numPlayers; ++p) {
            if (s.jokers[p] < 0 || (s.jokers[p] > m_last.jokers[p] && !newGame))
                fail(QStringLiteral("player %1 jokers %2 after %3").arg(p).arg(s.jokers[p]).arg(m_last.jokers[p]));
            int sum = 0;
            for (int c = 1; c <= CategoryCount; ++c) {
                const int now = s.score[p][c], before = m_last.score[p][c];
                if (now == NotScored)
                    continue;
                sum += now;
                const int extra = c == Korbo && now > 0 ? (now - 60) : 0; // 60 a further six of a kind
                if (!possibleScores()[c].contains(now - extra) || extra % 60 != 0)
                    fail(QStringLiteral("player %1 category %2 scored %3").arg(p).arg(c).arg(now));
                if (before != NotScored && now != before && !(c == Korbo && now == before + 60) && s.roundNo != 0
                    && !newGame)
                    fail(QStringLiteral("player %1 category %2 entered again: %3 then %4").arg(p).arg(c).arg(before).arg(now));
            }
            const QString shown = m_game.sheet().total(p);
            const int total = sum + (UpperBonus(s, p) == 40 ? 40 : 0);
            if (s.roundNo > 0 && !shown.isEmpty() && shown.toInt() != total)
                fail(QStringLiteral("player %1 total %2, entries and bonus %3").arg(p).arg(shown).arg(total));
        }
        m_last = s;
    }

    MainWindow &m_window;
    Game &m_game;
    QRandomGenerator m_random;
    QEventLoop m_loop;
    int m_target = 0;
    GameState m_last;
};

TEST(Monkey, RandomPlayNeverBreaksTheRules)
{
    const int target = qEnvironmentVariableIsSet("KORBO_MONKEY_EVENTS")
        ? qEnvironmentVariableIntValue("KORBO_MONKEY_EVENTS") : 10000;
    QTemporaryDir settings, data;
    TestGame t(7);
    Messages messages; // real boxes, answered by the monkey
    MainWindow window(t.game, messages);
    t.game.setStrategyValues(strategy::ValueTable::load(builtStrategyTable())); // for the PC seats it ticks
    t.run(window.startUp({settings.path(), data.path()}));
    Monkey monkey(window, 2026);
    monkey.run(target);
    EXPECT_TRUE(monkey.violations.isEmpty()) << monkey.violations.join(QLatin1Char('\n')).toStdString();
}

} // namespace
