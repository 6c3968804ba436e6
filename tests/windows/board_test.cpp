#include "AboutWindow.h"
#include "Artwork.h"
#include "BoardView.h"
#include "ImageStore.h"
#include "PlayersDialog.h"
#include "ScoresWindow.h"
#include "Twips.h"
#include "WindowGame.h"

#include <gtest/gtest.h>

#include <QMimeData>
#include <QTest>
#include <QTimer>

using namespace korbo;
using namespace korbo::test;

namespace {

struct Window : ::testing::Test, WindowGame {
    // Names the players in the Players dialog, opened as the View menu opens it.
    void nameThroughTheMenu(const QStringList &names)
    {
        QTimer::singleShot(0, [names] {
            auto *dialog = qobject_cast<PlayersDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            for (int i = 1; i <= MaxPlayers; ++i)
                dialog->txtPlayerName(i)->setText(names.value(i - 1));
            dialog->butClose()->click();
        });
        window.menuPlayersClick();
    }
};

TEST_F(Window, CategoryButtonsShowUsedPicturesOnlyWhereTheCurrentPlayerScored)
{
    g.state.curPlayer = 1;
    g.state.score[1][Twins] = 20;
    const struct { int textButtons, round; const char *guards; } rows[] = {
        {1, 3, "text buttons: the category names, no picture"},
        {0, 0, "no game: every button its open picture, whatever the table holds"},
        {0, 3, "in a game: the used picture exactly where the current player scored"},
    };
    for (const auto &r : rows) {
        g.options.textButtonsValue = static_cast<std::int16_t>(r.textButtons);
        g.state.roundNo = static_cast<Int16>(r.round);
        RefreshCategoryButtons(g.board, g.state, g.options);
        for (int c = 1; c <= CategoryCount; ++c) {
            const CategoryButton *button = window.board()->butCat(c);
            EXPECT_EQ(button->text(), r.textButtons ? categoryName(c) : QString()) << r.guards;
            const QPixmap picture = window.images().categoryPicture(c, r.round && c == Twins);
            const QImage shown = button->icon().pixmap(picture.deviceIndependentSize().toSize(), 1.0).toImage();
            EXPECT_EQ(shown, r.textButtons ? QImage() : picture.toImage()) << r.guards << ", category " << c;
        }
    }
}

TEST(Placement, OuterFramesStayOnTheScreen)
{
    // A 1280 x 1024 screen with a panel along its foot, and the frame a window manager
    // puts round every window: thin borders and a title bar.
    const QRect area(0, 0, 1280, 1000);
    const QMargins frame(1, 20, 1, 1);
    const QSize board = QSize(396, 450).grownBy(frame);
    auto sheet = [&](int players) { return QSize(ScoresWindow::widthFor(players), px(5760)).grownBy(frame); };
    const QRect centred = centredFrame(area, board);
    const QRect somewhere(QPoint(3, 7), sheet(6));
    const auto [pairMain, pairSheet] = arrangedFrames(area, board, somewhere, true);
    const auto [aloneMain, hiddenSheet] = arrangedFrames(area, board, somewhere, false);
    const auto [narrowMain, narrowSheet] = arrangedFrames(QRect(0, 0, 800, 600), board, somewhere, true);
    const auto [roomyMain, roomySheet] = clearOfEachOther(area, centred, besideFrame(area, centred, sheet(6)));
    const QRect aside(QPoint(0, 0), sheet(2));
    const struct { const char *guards; QRect got, expected; } cases[] = {
        {"centred by the outer frame", centred, QRect(441, 264, 398, 471)},
        {"a narrow sheet right beside the board", besideFrame(area, centred, sheet(2)), QRect(QPoint(839, 264), sheet(2))},
        {"six players: the sheet inside the right edge", besideFrame(area, centred, sheet(6)), QRect(QPoint(1280 - 597, 264), sheet(6))},
        {"shown over the board: the board makes room", roomyMain, QRect(QPoint(1280 - 597 - 398, 264), board)},
        {"shown over the board: the sheet beside it", roomySheet, QRect(QPoint(1280 - 597, 264), sheet(6))},
        {"shown clear of the board: the sheet stays", clearOfEachOther(area, centred, aside).second, aside},
        {"Arrange: the pair centred as one block", pairMain, QRect(QPoint((1280 - 398 - 597) / 2, 264), board)},
        {"Arrange: the sheet beside the board", pairSheet, QRect(QPoint(pairMain.right() + 1, 264), sheet(6))},
        {"Arrange, sheet hidden: the board alone in the middle", aloneMain, centred},
        {"Arrange, sheet hidden: only its top follows", hiddenSheet, QRect(QPoint(3, 264), sheet(6))},
        {"a pair wider than the screen: the board at the left edge", narrowMain, QRect(QPoint(0, 64), board)},
        {"a pair wider than the screen: the sheet at the right edge", narrowSheet, QRect(QPoint(800 - 597, 64), sheet(6))},
        {"larger than the screen: the title bar on it", keptInside(QRect(-50, -9, 900, 700), QRect(0, 0, 800, 600)),
         QRect(0, 0, 900, 700)},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.got, c.expected) << c.guards;
}

TEST_F(Window, PlayersDuringAGameOnlySaySo)
{
    g.state.roundNo = 2;
    window.menuPlayersClick();
    EXPECT_EQ(messages.shown, QStringList{QStringLiteral("|Can't change players in a game")});
}

// ---------------------------------------------------------------- Players dialog

struct Players : ::testing::Test {
    Game game;
    GameState &state = game.state;
};

TEST_F(Players, GapsCloseNamesAreCountedAndEnterMovesOnOrCloses)
{
    PlayersDialog dialog(game);
    dialog.show();
    dialog.activateWindow();
    dialog.txtPlayerName(1)->setText(QStringLiteral("Red"));
    dialog.txtPlayerName(3)->setText(QStringLiteral("Blue"));
    dialog.txtPlayerName(6)->setText(QStringLiteral("Green"));
    QTest::keyClick(dialog.chkPCplay(3), Qt::Key_Space); // Blue is the computer: the box goes with the name
    // A seat without a name is nobody's, the computer's neither: the game would start
    // with one player fewer than ticked.
    QTest::keyClick(dialog.chkPCplay(2), Qt::Key_Space);
    dialog.txtPlayerName(5)->setText(QStringLiteral("Gone"));
    QTest::keyClick(dialog.chkPCplay(5), Qt::Key_Space);
    dialog.txtPlayerName(5)->clear();
    EXPECT_FALSE(dialog.chkPCplay(2)->isChecked() || dialog.chkPCplay(5)->isChecked());
    QTest::keyClick(dialog.txtPlayerName(3), Qt::Key_Return); // a named box moves on
    EXPECT_TRUE(dialog.isVisible() && !dialog.saved());
    QTest::keyClick(dialog.txtPlayerName(4), Qt::Key_Return); // an empty box closes as OK
    EXPECT_TRUE(dialog.saved());
    EXPECT_EQ(state.numPlayers, 3);
    EXPECT_TRUE(state.pcPlayer[2] && !state.pcPlayer[3]);
    EXPECT_EQ((QStringList{state.playerName[1], state.playerName[2], state.playerName[3], state.playerName[4]}),
              (QStringList{"Red", "Blue", "Green", ""}));

    PlayersDialog again(game);
    EXPECT_EQ(again.txtPlayerName(2)->text(), QStringLiteral("Blue"));
    EXPECT_TRUE(again.txtPlayerName(6)->text().isEmpty());
    again.show();
    again.txtPlayerName(6)->setText(QStringLiteral("Fay"));
    QTest::keyClick(again.txtPlayerName(6), Qt::Key_Return); // box 6 always closes
    EXPECT_TRUE(again.saved());
    EXPECT_EQ(state.numPlayers, 4);

    PlayersDialog third(game);
    third.show();
    QTest::keyClick(third.chkPCplay(1), Qt::Key_Return); // Enter on a PC box is OK as well
    EXPECT_TRUE(third.saved());
}

// Types text as key presses carrying that text, as a keyboard with any layout would.
void typeText(QWidget *widget, const QString &text)
{
    for (QChar ch : text)
        for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent key(type, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(widget, &key);
        }
}

TEST_F(Players, TypingIsLimitedTo12Latin1Characters)
{
    PlayersDialog dialog(game);
    dialog.show();
    QLineEdit *box = dialog.txtPlayerName(1);
    box->setFocus();
    typeText(box, QStringLiteral("Abcdefghijklmn"));
    EXPECT_EQ(box->text(), QStringLiteral("Abcdefghijkl"));
    QLineEdit *other = dialog.txtPlayerName(2);
    typeText(other, QStringLiteral("Zo\u00eb"));     // Latin-1 is fine
    typeText(other, QStringLiteral("\u0416\u20ac")); // Cyrillic and the euro sign are not
    EXPECT_EQ(other->text(), QStringLiteral("Zo\u00eb"));
}

TEST_F(Window, ThePlayersDecideTheSheetAndTheMenus)
{
    window.show();
    nameThroughTheMenu({QStringLiteral("Red"), QStringLiteral("Blue")});
    EXPECT_TRUE(window.menuScores->isEnabled());
    window.menuPrint->setEnabled(true);
    window.menuScoresClick();
    EXPECT_TRUE(window.scores()->isVisible());
    EXPECT_TRUE(window.menuScores->isChecked());
    // Grown to six players, the sheet shown beside the board stays on the screen.
    nameThroughTheMenu(QStringList(MaxPlayers, QStringLiteral("Player")));
    EXPECT_EQ(window.scores()->labName(6)->text(), QStringLiteral("Player"));
    EXPECT_TRUE(availableArea(&window).contains(window.scores()->frameGeometry()));

    nameThroughTheMenu({});
    EXPECT_EQ(g.state.numPlayers, 0);
    EXPECT_FALSE(window.menuScores->isEnabled());
    EXPECT_FALSE(window.menuPrint->isEnabled());
    EXPECT_FALSE(window.scores()->isVisible());
}

// Guards the board's pictures drawn at 1x on a 2x screen, blurred, which the drawing
// functions' own tests cannot see: what the store hands the board is checked.
TEST_F(Window, PicturesFollowTheScreensDensity)
{
    auto expectDrawnFor = [](const ImageStore &images, qreal ratio, const char *when) {
        for (int c = 1; c <= CategoryCount; ++c)
            for (bool used : {false, true}) {
                const QPixmap &picture = images.categoryPicture(c, used);
                EXPECT_DOUBLE_EQ(picture.devicePixelRatio(), ratio) << "category " << c << ", " << when;
                EXPECT_EQ(picture.size(), artwork::categoryPictureSize(c) * ratio) << "category " << c << ", " << when;
            }
        EXPECT_EQ(images.liveFace(1).size(), QSize(48, 48) * ratio) << "die, " << when;
        EXPECT_EQ(images.joker().size(), QSize(32, 32) * ratio) << "joker, " << when;
    };
    expectDrawnFor(ImageStore(2.0), 2.0, "made on a 2x screen");
    window.show();
    window.images().setDevicePixelRatio(2.0);
    expectDrawnFor(window.images(), 2.0, "drawn again for a 2x screen");
    const CategoryButton *ones = window.board()->butCat(Ones);
    EXPECT_EQ(ones->icon().pixmap(ones->iconSize(), 2.0).size(), ones->iconSize() * 2) << "the button";
    // The window tells of a move to another screen: the pictures follow its density.
    QEvent moved(QEvent::ScreenChangeInternal);
    QApplication::sendEvent(&window, &moved);
    expectDrawnFor(window.images(), window.devicePixelRatio(), "a screen change");
}

TEST_F(Window, PointingAtTheBoardShowsThePromptAgain)
{
    window.show();
    g.state.promptText = QStringLiteral("Have another throw, Red");
    g.board.setAnnounce(QStringLiteral("a hint"));
    const std::pair<QPoint, const char *> moves[] = {
        {window.board()->labCat(3)->geometry().center(), "a hint"}, // a label leaves the line alone
        {QPoint(150, 150), "Have another throw, Red"},              // the table shows the prompt
    };
    for (const auto &[at, line] : moves) {
        QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(window.board(), &move);
        EXPECT_EQ(g.board.announce(), QLatin1String(line));
    }
}

TEST_F(Window, AJokerDragShowsWhetherItsDropWouldBeTaken)
{
    // Guards a drag during a throw inviting a drop ("Play a joker on this Die") that
    // then snapped back, and the table's hint showing while still on the token.
    t.name({QStringLiteral("Red")});
    t.run(g.throwDice());
    t.run(g.throwDice());
    QMimeData mime;
    mime.setData(QLatin1String(JokerWidget::MimeType), "1");
    BoardView *board = window.board();
    auto dragOver = [&](QPoint at) {
        QDragEnterEvent enter(at, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(board, &enter);
        QDragMoveEvent move(at, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(board, &move);
        return move.isAccepted();
    };
    const QPoint die = board->imgDice(1)->geometry().center();
    const struct { const char *over; QPoint at; bool busy, taken; const char *line; } rows[] = { // line "-": left as it was
        {"die, dice in flight", die, true, false, "-"},
        {"die", die, false, true, "Play a joker on this Die"},
        {"token", board->joker(1)->geometry().center(), false, false, "-"},
        {"table", px(4880, 4400), false, false, "Drop the Joker on the Die you would like to throw again"},
    };
    for (const auto &row : rows) {
        g.board.setAnnounce(QStringLiteral("-"));
        g.state.busy = row.busy;
        EXPECT_EQ(dragOver(row.at), row.taken) << row.over;
        EXPECT_EQ(g.board.announce(), QLatin1String(row.line)) << row.over;
    }
    g.state.busy = false;
    // The drop itself plays the joker on that die.
    dragOver(die);
    QDropEvent drop(die, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(board, &drop);
    EXPECT_TRUE(QTest::qWaitFor([&] { return g.state.jokers[1] == JokersPerGame - 1; }));
}

TEST(About, EachLinkOpensItsTargetAndNoAddressShowsNoLink)
{
    ImageStore images;
    AboutWindow about(images, QStringLiteral("http://korbo.example.org/"), QStringLiteral("help@korbo.example.org"));
    QStringList opened;
    about.setOpener([&](const QUrl &url) { opened << url.toString(); });
    about.labURLClick(0);
    about.labURLClick(1);
    EXPECT_EQ(opened, (QStringList{"http://korbo.example.org/", "mailto:help@korbo.example.org"}));
    EXPECT_EQ(MainWindow::updateAddress(QStringLiteral("http://korbo.example.org/home/")),
              QStringLiteral("http://korbo.example.org/update.cfm?referrer=exe&vers=4.01"));

    AboutWindow bare(images, QString(), QString());
    bare.show();
    EXPECT_FALSE(bare.labURL(0)->isVisible() || bare.labURL(1)->isVisible());
    EXPECT_TRUE(bare.labVersion()->isVisible());
    EXPECT_EQ(MainWindow::updateAddress(QString()), QString());
}

} // namespace
