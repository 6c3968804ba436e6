// The game from the keyboard alone, and as a screen reader finds it.
#include "BoardAccess.h"
#include "BoardView.h"
#include "DiceText.h"
#include "OptionsDialog.h"
#include "RecordsWindow.h"
#include "ScoresWindow.h"
#include "Speech.h"
#include "WindowGame.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <functional>
#include <map>

using namespace korbo;
using namespace korbo::test;

namespace {

struct Keys : ::testing::Test, WindowGame {
    BoardView *board = window.board();

    void SetUp() override
    {
        g.seed(2026);
        setOption(g, &OptionValues::animationValue, 0);
        g.today = [] { return QDate(2026, 12, 6); };
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // A key pressed where the keyboard's focus is; the game then finishes what it began.
    void press(Qt::Key key)
    {
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        QTest::keyClick(QApplication::focusWidget(), key);
        for (int step = 0; step < 1000 && (g.busy() || g.clock.activeWaits() > 0); ++step)
            QCoreApplication::processEvents();
    }

    // The arrow keys from wherever the focus is to `target`: rows first, then along.
    void walkTo(QWidget *target)
    {
        auto row = [](QWidget *w) {
            auto *c = qobject_cast<CategoryButton *>(w);
            return !c ? 1 : c->category() <= 7 ? 0 : 2;
        };
        for (int step = 0; step < 20 && QApplication::focusWidget() != target; ++step) {
            QWidget *from = QApplication::focusWidget();
            press(row(from) != row(target) ? (row(from) < row(target) ? Qt::Key_Down : Qt::Key_Up)
                                           : (from->x() < target->x() ? Qt::Key_Right : Qt::Key_Left));
        }
        ASSERT_EQ(QApplication::focusWidget(), target);
    }
};

TEST_F(Keys, AWholeGameByKeysAlone)
{
    // "Start Game" asks for the players first: a name, Enter to the next box, and Enter
    // in an empty box is OK.
    QTimer::singleShot(0, [] {
        QWidget *dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        dialog->activateWindow(); // as the desktop does with a new window
        ASSERT_TRUE(QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; }));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Kim"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    ASSERT_EQ(QApplication::focusWidget(), board->butThrow());
    press(Qt::Key_Space);
    // The game starts once the dialog is answered.
    ASSERT_TRUE(QTest::qWaitFor([&] { return g.state().roundNo == 1 && !g.busy() && g.clock.activeWaits() == 0; }));
    window.activateWindow(); // as the desktop does when the dialog goes
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    for (int round = 1; round <= RoundCount; ++round) {
        press(Qt::Key_T);
        if (round == 1) {
            press(Qt::Key_3);
            EXPECT_FALSE(g.state().diceToThrow[3]) << "3 holds die 3";
            const int held = g.state().dice[3];
            press(Qt::Key_T);
            EXPECT_EQ(g.state().throwNo, 2) << "T throws again";
            EXPECT_EQ(g.state().dice[3], held) << "the held die stays out of it";
            press(Qt::Key_J);
            EXPECT_EQ(g.state().jokers[1], JokersPerGame - 1) << "J plays a joker on the focused die";
            EXPECT_EQ(QApplication::focusWidget(), board->imgDice(3)) << "the focus waits through its re-throw";
            // F on a die in play: every die of its face on that side goes to the held row.
            int first = 0, twin = 0;
            for (int i = 1; i <= DiceCount; ++i)
                for (int j = i + 1; j <= DiceCount && !twin; ++j)
                    if (g.state().dice[i] == g.state().dice[j] && g.state().diceToThrow[i] && g.state().diceToThrow[j])
                        first = i, twin = j;
            ASSERT_NE(twin, 0) << "the seed gives two dice alike in play";
            walkTo(board->imgDice(first));
            press(Qt::Key_F);
            EXPECT_FALSE(g.state().diceToThrow[twin]) << "F moves its twin too";
        }
        int c = 1;
        while (g.state().score[1][c] != NotScored)
            ++c;
        walkTo(board->butCat(c));
        EXPECT_EQ(g.board.announce(), categoryName(c) + QLatin1String(" - ") + categoryDescription(c))
            << "the focus explains a category as the pointer does";
        press(Qt::Key_Return);
        EXPECT_TRUE(g.state().catShown[c]) << "the first Enter shows the score";
        press(Qt::Key_Return);
        EXPECT_NE(g.state().score[1][c], NotScored) << "the second enters it";
    }
    EXPECT_EQ(g.state().roundNo, 0);
    RecordsWindow *records = window.recordsWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(records)) << "new records come up and take the keys";
    press(Qt::Key_Escape);

    // Ctrl+F6 takes the keys to the score sheet's table, the arrows walk it, and a
    // reader finds each cell under its row's caption and its player's name; Escape
    // brings the keys back. Guards a sheet a reader takes for layout (no headers), a
    // cell it places wrongly (child order and row or column disagreeing) and a table
    // the keys cannot reach.
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.scores()));
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    QAccessibleInterface *cell = QAccessible::queryAccessibleInterface(QApplication::focusWidget());
    ASSERT_TRUE(cell && cell->tableCellInterface() && cell->parent()->tableInterface());
    EXPECT_EQ(cell->text(QAccessible::Name), QString::number(g.state().score[1][Threes]));
    EXPECT_EQ(cell->tableCellInterface()->rowHeaderCells().value(0)->text(QAccessible::Name), QStringLiteral("Threes"));
    EXPECT_EQ(cell->tableCellInterface()->columnHeaderCells().value(0)->text(QAccessible::Name), QStringLiteral("Kim"));
    EXPECT_EQ(cell->parent()->child(cell->parent()->indexOfChild(cell))->object(), cell->object());
    EXPECT_EQ(cell->parent()->tableInterface()->rowCount(), ScoreSheet::RowsPerPlayer + 1);
    press(Qt::Key_PageDown);
    cell = QAccessible::queryAccessibleInterface(QApplication::focusWidget());
    EXPECT_EQ(cell->tableCellInterface()->rowHeaderCells().value(0)->text(QAccessible::Name), QStringLiteral("Total"));
    EXPECT_EQ(cell->text(QAccessible::Name), g.sheet().total(1));
    press(Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window)) << "the keys go back to the board";
    EXPECT_FALSE(window.scores()->isVisible());
    EXPECT_FALSE(records->isVisible());
}

TEST_F(Keys, TheBoardReadsOutToAScreenReader)
{
    // What a listening screen reader is told without the focus moving (the test
    // platform has none, so one is made to listen).
    static QStringList told;
    told.clear(); // a repeated run starts afresh
    QPlatformAccessibility *listening = QGuiApplicationPrivate::platformIntegration()->accessibility();
    listening->setActive(true);
    const QAccessible::UpdateHandler before = QAccessible::installUpdateHandler([](QAccessibleEvent *event) {
        if (auto *speaker = qobject_cast<Speaker *>(event->object()); speaker && event->type() == QAccessible::ObjectShow)
            told << QAccessible::queryAccessibleInterface(speaker)->text(QAccessible::Name);
    });
    board->speaker()->setPace(1, 0);
    t.name({QStringLiteral("Kim")});
    t.run(g.throwDice());
    t.run(g.throwDice());
    const QString thrown = QStringLiteral("Thrown %1. Sort your dice and throw again, Kim")
                               .arg(facesText(g.state().dice, g.state().diceToThrow));
    EXPECT_TRUE(QTest::qWaitFor([&] { return told.contains(thrown); })) << "a throw's faces: " << thrown.toStdString();
    t.run(g.enterCategory(Ones));
    t.run(g.throwDice());
    t.run(g.toggleHold(2));
    t.run(g.previewCategory(Twins));
    t.run(g.playJoker(5));
    g.explainCategory(Korbo);
    ASSERT_TRUE(QTest::qWaitFor([&] { return told.contains(g.board.announce()); }));
    QAccessible::installUpdateHandler(before);
    listening->setActive(false);
    EXPECT_EQ(told.count(g.board.announce()), 1) << "each new status line, once";
    for (const QString &line : {QStringLiteral("Ones scored %1").arg(g.state().score[1][Ones]),
                                QStringLiteral("Twins would score ") + board->labCat(Twins)->text(),
                                QStringLiteral("Off you go, Kim")})
        EXPECT_TRUE(told.contains(line)) << "told in its turn, never dropped: " << line.toStdString();

    std::map<QString, QAccessibleInterface *> found;
    std::function<void(QAccessibleInterface *)> walk = [&](QAccessibleInterface *node) {
        found[node->text(QAccessible::Name)] = node;
        for (int i = 0; i < node->childCount(); ++i)
            walk(node->child(i));
    };
    walk(QAccessible::queryAccessibleInterface(&window));
    const QString die2 = dieSpoken(g.state().dice[2], true), die5 = dieSpoken(g.state().dice[5], false);
    const struct { QString name; QString description; const char *guards; } rows[] = {
        {QStringLiteral("Die 2, ") + die2, die2, "a held die, by its face"},
        {QStringLiteral("Die 5, ") + die5, die5, "the face a joker gave"},
        {QStringLiteral("Twins"), QStringLiteral("would score ") + board->labCat(Twins)->text(), "a score shown, not entered"},
        {QStringLiteral("Ones"), QStringLiteral("scored %1").arg(g.state().score[1][Ones]), "an entered score"},
        {QStringLiteral("Triplets"), QString(), "the category named as the board shows it"},
        {QStringLiteral("Joker"), QStringLiteral("2 jokers left"), "the jokers left"},
        {QStringLiteral("2nd Throw"), QStringLiteral("Throws the dice in play, or starts a game"), "the throw button by its caption"},
    };
    for (const auto &row : rows) {
        QAccessibleInterface *node = found[row.name];
        ASSERT_TRUE(node) << row.guards;
        EXPECT_EQ(node->text(QAccessible::Description), row.description) << row.guards;
    }
    QAccessibleInterface *line = QAccessible::queryAccessibleInterface(board->announce());
    EXPECT_TRUE(line->role() == QAccessible::StatusBar && line->text(QAccessible::Name) == g.board.announce())
        << "the status line: a status bar, read as its text";
}

TEST_F(Keys, TheKeysComeBackToTheBoardWhenAnotherWindowCloses)
{
    // Guards the board left with no control that takes the keys after another window
    // had them: the throw button the player was on went grey meanwhile (as after a
    // computer seat's last throw), and Qt could not give the keys back to it.
    t.name({QStringLiteral("Ann")});
    press(Qt::Key_Space);
    window.menuOptions->trigger();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.optionsDialog()));
    while (g.state().throwNo < MaxThrows)
        t.run(g.throwDice());
    press(Qt::Key_Escape);
    window.activateWindow(); // as the desktop does when a window goes
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QCoreApplication::processEvents();
    t.run(g.enterCategory(Ones));
    EXPECT_EQ(QApplication::focusWidget(), board->butThrow()) << "back once the button is";
    press(Qt::Key_T);
    EXPECT_EQ(g.state().throwNo, 1);
}

} // namespace
