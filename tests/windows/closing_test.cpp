// Every way of closing every dialog, and whether what the player changed in it stays.
#include "ImageStore.h"
#include "OptionsDialog.h"
#include "PlayersDialog.h"
#include "RecordsWindow.h"
#include "UserDiceDialog.h"
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

enum class Way { CloseBox, Escape, Cancel, Ok };

struct Closing : ::testing::Test, WindowGame {
    QTemporaryDir dir;
    std::unique_ptr<QWidget> made; // a dialog made for one opening

    // Opens a dialog and changes something in it; answers the dialog, its Cancel and
    // OK buttons (null where it has none), and whether the change took effect.
    struct Opened { QWidget *dialog; QAbstractButton *cancel, *ok; std::function<bool()> kept; };

    Opened openOptions()
    {
        OptionsDialog *options = window.optionsDialog();
        options->show();
        options->DiceStyle(g.board.diceStyle() == StylePhoto ? StyleRainbow : StylePhoto)->click();
        return {options, nullptr, options->butOK(),
                [this] { return g.board.diceStyle() == g.options.diceStyle; }};
    }
    Opened openPlayers(const QString &name)
    {
        auto *players = new PlayersDialog(g);
        made.reset(players);
        players->show();
        players->txtPlayerName(1)->setText(name);
        return {players, players->butCancel(), players->butClose(), [this, name] { return g.state.playerName[1] == name; }};
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
};

TEST_F(Closing, EachWayOfClosingEachDialog)
{
    const struct { const char *dialog; Way way; bool kept; const char *guards; } rows[] = {
        {"options", Way::CloseBox, true, "the close box hides the window and applies"},
        {"options", Way::Escape, true, "Escape applies rather than cancels"},
        {"options", Way::Ok, true, "OK applies"},
        {"players", Way::Ok, true, "OK stores the names"},
        {"players", Way::CloseBox, true, "the close box stores them as OK does"},
        {"players", Way::Cancel, false, "Cancel keeps the names as they were"},
        {"players", Way::Escape, false, "Escape is Cancel"},
        {"user dice", Way::Ok, true, "Save puts the pictures in the store"},
        {"user dice", Way::Cancel, false, "Cancel forgets them"},
        {"user dice", Way::Escape, false, "Escape is Cancel, not Save"},
        {"user dice", Way::CloseBox, false, "the close box is Cancel"},
        {"records", Way::Ok, false, "Close forgets the search"},
        {"records", Way::CloseBox, false, "the close box hides and forgets it too"},
    };
    int n = 0;
    for (const auto &row : rows) {
        const QString dialog = QLatin1String(row.dialog);
        const Opened opened = dialog == QLatin1String("options") ? openOptions()
            : dialog == QLatin1String("players")                 ? openPlayers(QStringLiteral("Red%1").arg(++n))
            : dialog == QLatin1String("user dice")               ? openUserDice()
                                                                 : openRecords();
        switch (row.way) {
        case Way::CloseBox: opened.dialog->close(); break;
        case Way::Escape: QTest::keyClick(opened.dialog, Qt::Key_Escape); break;
        case Way::Cancel: opened.cancel->click(); break;
        case Way::Ok: opened.ok->click(); break;
        }
        EXPECT_FALSE(opened.dialog->isVisible()) << row.dialog << ": " << row.guards;
        EXPECT_EQ(opened.kept(), row.kept) << row.dialog << ": " << row.guards;
        // The user dice window goes before the next opening; the store keeps its own copy.
        window.images().setStoreFace(39, window.images().storeFace(3));
    }
}

} // namespace
