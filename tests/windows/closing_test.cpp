// Every way of closing every window, and whether what the player changed in it stays.
#include "AboutWindow.h"
#include "OptionsDialog.h"
#include "PlayersDialog.h"
#include "RecordsWindow.h"
#include "ScoresWindow.h"
#include "UserDiceDialog.h"
#include "VarsMonitor.h"
#include "WindowGame.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

using namespace korbo;
using namespace korbo::test;

namespace {

enum class Way { CloseBox, Escape, Cancel, Ok, EnterOnOk };

struct Closing : ::testing::Test, WindowGame {
    QTemporaryDir dir;
    std::unique_ptr<QWidget> made; // a window made for one opening
    int named = 0;

    // Opens a window and changes something in it; answers the window, its Cancel and
    // OK buttons (null where it has none), and whether the change took effect.
    struct Opened { QWidget *window; QAbstractButton *cancel, *ok; std::function<bool()> kept; };

    Opened openOptions()
    {
        OptionsDialog *options = window.optionsDialog();
        options->show();
        options->DiceStyle(g.board.diceStyle() == StylePhoto ? StyleRainbow : StylePhoto)->click();
        return {options, nullptr, options->butOK(), [this] { return g.board.diceStyle() == g.options().diceStyle; }};
    }
    Opened openPlayers()
    {
        auto *players = new PlayersDialog(g);
        made.reset(players);
        players->show();
        const QString name = QStringLiteral("Red%1").arg(++named);
        players->txtPlayerName(1)->setText(name);
        return {players, players->butCancel(), players->butClose(), [this, name] { return g.state().playerName[1] == name; }};
    }
    Opened openUserDice()
    {
        auto *dice = new UserDiceDialog(window.images(), messages, dir.filePath(QStringLiteral("mine")));
        made.reset(dice);
        const QString red = writeFile(dir.filePath(QStringLiteral("red.gif")), gif(1, 1));
        dice->setFileChooser([red](QWidget *, const QString &, const QString &, const QString &) { return red; });
        dice->show();
        dice->selectDie(3);
        dice->butLoad()->click();
        return {dice, dice->butCancel(), dice->butClose(),
                [this] { return window.images().storeFace(39).toImage().pixelColor(0, 0) == QColor(Qt::red); }};
    }
    Opened openRecords()
    {
        RecordsWindow *records = window.recordsWindow();
        records->showRecords();
        auto *box = records->findChild<QLineEdit *>(QStringLiteral("txtFindName"));
        box->setText(QStringLiteral("red"));
        return {records, nullptr, records->findChild<QPushButton *>(QStringLiteral("Command1")),
                [box] { return !box->text().isEmpty(); }};
    }
    Opened openSheet()
    {
        g.showScoreSheet();
        return {window.scores(), nullptr, nullptr, [this] { return window.menuScores->isChecked(); }};
    }
    Opened openMade(QWidget *made)
    {
        this->made.reset(made);
        made->show();
        return {made, nullptr, nullptr, [] { return false; }};
    }
    Opened openMonitor() { return openMade(new VarsMonitor(g, &window)); }
    Opened openAbout() { return openMade(new AboutWindow(window.images(), {}, {}, &window)); }
};

TEST_F(Closing, EachWayOfClosingEachWindow)
{
    const struct { const char *name; Opened (Closing::*open)(); Way way; bool kept; const char *guards; } rows[] = {
        {"options", &Closing::openOptions, Way::CloseBox, true, "the close box hides the window and applies"},
        {"options", &Closing::openOptions, Way::Escape, true, "Escape applies rather than cancels"},
        {"options", &Closing::openOptions, Way::EnterOnOk, true, "Enter on OK is OK"},
        {"players", &Closing::openPlayers, Way::CloseBox, true, "the close box stores them as OK does"},
        {"players", &Closing::openPlayers, Way::Cancel, false, "Cancel keeps the names as they were"},
        {"players", &Closing::openPlayers, Way::Escape, false, "Escape is Cancel"},
        {"user dice", &Closing::openUserDice, Way::Cancel, false, "Cancel forgets them"},
        {"user dice", &Closing::openUserDice, Way::Escape, false, "Escape is Cancel, not Save"},
        {"user dice", &Closing::openUserDice, Way::CloseBox, false, "the close box is Cancel"},
        {"records", &Closing::openRecords, Way::Ok, false, "Close forgets the search"},
        {"records", &Closing::openRecords, Way::CloseBox, false, "the close box hides and forgets it too"},
        {"score sheet", &Closing::openSheet, Way::Escape, false, "Escape closes it, and its menu entry follows"},
        {"monitor", &Closing::openMonitor, Way::Escape, false, "Escape closes it"},
        {"about", &Closing::openAbout, Way::Escape, false, "Escape closes it"},
    };
    for (const auto &row : rows) {
        const Opened opened = (this->*row.open)();
        QWidget *focus = opened.window->focusWidget() ? opened.window->focusWidget() : opened.window;
        switch (row.way) {
        case Way::CloseBox: opened.window->close(); break;
        case Way::Escape: QTest::keyClick(focus, Qt::Key_Escape); break;
        case Way::Cancel: opened.cancel->click(); break;
        case Way::Ok: opened.ok->click(); break;
        case Way::EnterOnOk: opened.ok->setFocus(); QTest::keyClick(opened.ok, Qt::Key_Return); break;
        }
        EXPECT_FALSE(opened.window->isVisible()) << row.name << ": " << row.guards;
        EXPECT_EQ(opened.kept(), row.kept) << row.name << ": " << row.guards;
        // The user dice window goes before the next opening; the store keeps its own copy.
        window.images().setStoreFace(39, window.images().storeFace(3));
    }
}

} // namespace
