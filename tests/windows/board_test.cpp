#include "Doubles.h"
#include "BoardView.h"
#include "ImageStore.h"
#include "MainWindow.h"
#include "PlayersDialog.h"
#include "Recorders.h"
#include "ScoresWindow.h"
#include "Twips.h"

#include <gtest/gtest.h>

#include <QImageWriter>
#include <QMimeData>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace korbo;
using namespace korbo::test;

namespace {


struct Window : ::testing::Test {
    TestGame t;
    RecordingMessages messages;
    MainWindow window{t.game, messages};
    Game &g = t.game;

    void SetUp() override { t.game.setHost(&window); }
};

TEST_F(Window, CategoryButtonsShowUsedPicturesOnlyWhereTheCurrentPlayerScored)
{
    // Text buttons: the category names, no picture.
    g.options.textButtonsValue = 1;
    RefreshCategoryButtons(g.board, g.state, g.options);
    for (int c = 1; c <= 14; ++c) {
        EXPECT_EQ(window.board()->butCat(c)->text(), categoryName(c));
        EXPECT_TRUE(window.board()->butCat(c)->icon().isNull());
    }

    // Pictures without a game: every button its open picture, whatever the table holds.
    g.options.textButtonsValue = 0;
    g.state.curPlayer = 1;
    g.state.score[1][Twins] = 20;
    RefreshCategoryButtons(g.board, g.state, g.options);
    for (int c = 1; c <= 14; ++c) {
        EXPECT_EQ(g.board.category(c).picture, ButtonPicture::Open);
        EXPECT_TRUE(window.board()->butCat(c)->text().isEmpty());
        EXPECT_FALSE(window.board()->butCat(c)->icon().isNull());
    }
    // During a game: the used picture exactly where the current player has scored.
    g.state.roundNo = 3;
    RefreshCategoryButtons(g.board, g.state, g.options);
    for (int c = 1; c <= 14; ++c) {
        EXPECT_EQ(g.board.category(c).picture, c == Twins ? ButtonPicture::Used : ButtonPicture::Open);
        // The button paints the store's picture for that state, at its own size.
        const CategoryButton *button = window.board()->butCat(c);
        const QPixmap shown = button->icon().pixmap(button->iconSize(), window.images().devicePixelRatio());
        EXPECT_EQ(shown.toImage(), window.images().categoryPicture(c, c == Twins).toImage()) << c;
    }
}

TEST_F(Window, EveryThrowCaptionFitsTheButton)
{
    WrappingButton *button = window.board()->butThrow();
    for (const char *caption : {"Start Game", "1st Throw", "2nd Throw", "3rd Throw", "4th Throw", "Finished"}) {
        for (const bool enabled : {true, false}) {
            g.board.setThrowCaption(QLatin1String(caption));
            g.board.setThrowEnabled(enabled);
            const QRect area = button->captionRect();
            const QRect needed =
                QFontMetrics(button->captionFont()).boundingRect(area, WrappingButton::CaptionFlags, button->text());
            EXPECT_TRUE(area.contains(needed)) << caption << (enabled ? "" : ", disabled");
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

TEST_F(Window, ASheetGrownToSixPlayersStaysOnTheScreen)
{
    window.show();
    for (int players : {2, 6}) {
        QTimer::singleShot(0, [players] {
            auto *dialog = qobject_cast<PlayersDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            for (int i = 1; i <= players; ++i)
                dialog->txtPlayerName(i)->setText(QStringLiteral("Player %1").arg(i));
            dialog->butClose()->click();
        });
        window.menuPlayersClick();
        window.scores()->show();
        EXPECT_TRUE(availableArea(&window).contains(window.scores()->frameGeometry())) << players;
    }
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

TEST_F(Players, GapsCloseAndNamesAreCounted)
{
    PlayersDialog dialog(game);
    dialog.txtPlayerName(1)->setText(QStringLiteral("Red"));
    dialog.txtPlayerName(3)->setText(QStringLiteral("Blue"));
    dialog.txtPlayerName(6)->setText(QStringLiteral("Green"));
    dialog.chkPCplay(3)->click(); // Blue is the computer: the box goes with the name
    dialog.butClose()->click();
    EXPECT_TRUE(dialog.saved());
    EXPECT_EQ(state.numPlayers, 3);
    EXPECT_TRUE(state.pcPlayer[2]);
    EXPECT_FALSE(state.pcPlayer[3]);
    EXPECT_EQ(state.playerName[1], QStringLiteral("Red"));
    EXPECT_EQ(state.playerName[2], QStringLiteral("Blue"));
    EXPECT_EQ(state.playerName[3], QStringLiteral("Green"));
    EXPECT_TRUE(state.playerName[4].isEmpty());

    PlayersDialog again(game);
    EXPECT_EQ(again.txtPlayerName(2)->text(), QStringLiteral("Blue"));
    EXPECT_TRUE(again.txtPlayerName(6)->text().isEmpty());
}

// Types text as key presses carrying that text, as a keyboard with any layout would.
void typeText(QWidget *widget, const QString &text)
{
    for (QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &release);
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

TEST_F(Players, CancelKeepsEverythingAndTheCloseBoxActsAsOk)
{
    state.playerName[1] = QStringLiteral("Red");
    state.numPlayers = 1;
    {
        PlayersDialog dialog(game);
        dialog.show();
        dialog.txtPlayerName(2)->setText(QStringLiteral("Blue"));
        dialog.butCancel()->click();
        EXPECT_FALSE(dialog.saved());
        EXPECT_FALSE(dialog.isVisible());
    }
    EXPECT_EQ(state.numPlayers, 1);
    EXPECT_TRUE(state.playerName[2].isEmpty());
    {
        PlayersDialog dialog(game);
        dialog.show();
        dialog.txtPlayerName(2)->setText(QStringLiteral("Blue"));
        dialog.close();
        EXPECT_TRUE(dialog.saved());
    }
    EXPECT_EQ(state.numPlayers, 2);
    EXPECT_EQ(state.playerName[2], QStringLiteral("Blue"));
}

TEST_F(Players, EnterMovesOnOrCloses)
{
    PlayersDialog dialog(game);
    dialog.show();
    dialog.activateWindow();
    dialog.txtPlayerName(3)->setText(QStringLiteral("Cy"));
    QTest::keyClick(dialog.txtPlayerName(3), Qt::Key_Return);
    EXPECT_FALSE(dialog.saved());
    EXPECT_TRUE(dialog.isVisible());
    QTest::keyClick(dialog.txtPlayerName(4), Qt::Key_Return); // an empty box closes as OK
    EXPECT_TRUE(dialog.saved());
    EXPECT_EQ(state.numPlayers, 1);
    EXPECT_EQ(state.playerName[1], QStringLiteral("Cy"));

    PlayersDialog last(game);
    last.show();
    last.txtPlayerName(6)->setText(QStringLiteral("Fay"));
    QTest::keyClick(last.txtPlayerName(6), Qt::Key_Return); // box 6 always closes
    EXPECT_TRUE(last.saved());
    EXPECT_EQ(state.numPlayers, 2);
}

TEST_F(Window, EmptyingEveryNameDisablesScoresAndPrint)
{
    // Names first, through the dialog as the View menu opens it.
    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<PlayersDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->txtPlayerName(1)->setText(QStringLiteral("Red"));
        dialog->txtPlayerName(2)->setText(QStringLiteral("Blue"));
        dialog->butClose()->click();
    });
    window.menuPlayersClick();
    EXPECT_EQ(g.state.numPlayers, 2);
    EXPECT_TRUE(window.menuScores->isEnabled());
    EXPECT_EQ(window.scores()->width(), ScoresWindow::widthFor(2));
    EXPECT_EQ(window.scores()->labName(2)->text(), QStringLiteral("Blue"));
    window.menuPrint->setEnabled(true);
    window.menuScoresClick();
    EXPECT_TRUE(window.scores()->isVisible());
    EXPECT_TRUE(window.menuScores->isChecked());

    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<PlayersDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        for (int i = 1; i <= 6; ++i)
            dialog->txtPlayerName(i)->clear();
        dialog->butClose()->click();
    });
    window.menuPlayersClick();
    EXPECT_EQ(g.state.numPlayers, 0);
    EXPECT_FALSE(window.menuScores->isEnabled());
    EXPECT_FALSE(window.menuPrint->isEnabled());
    EXPECT_FALSE(window.scores()->isVisible());
}


void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(UserDice, GifBeatsIconAndBadFilesAreSkipped)
{
    QTemporaryDir dir;
    QImage blue(16, 16, QImage::Format_ARGB32);
    blue.fill(Qt::blue);
    for (int face : {1, 2, 5}) {
        QImageWriter writer(dir.filePath(QStringLiteral("dudd%1.ico").arg(face)), "ico");
        ASSERT_TRUE(writer.write(blue));
    }
    writeFile(dir.filePath(QStringLiteral("dudd1.gif")), gif(1, 1));
    writeFile(dir.filePath(QStringLiteral("dudd3.gif")), QByteArray("GIF89a this is not a picture"));
    writeFile(dir.filePath(QStringLiteral("dudd4.gif")), gif(60000, 60000)); // claims to be huge
    writeFile(dir.filePath(QStringLiteral("dudd5.gif")), QByteArray());     // empty: the icon stays
    writeFile(dir.filePath(QStringLiteral("dudd2.GIF")), gif(1, 1));        // as older versions saved it
    ASSERT_TRUE(QImageWriter(dir.filePath(QStringLiteral("dudd1.GIF")), "ico").write(blue)); // dudd1.gif wins

    ImageStore store;
    const QImage standard3 = store.storeFace(3).toImage();
    EXPECT_EQ(store.storeFace(37).toImage(), store.storeFace(1).toImage()); // a copy of Standard
    EXPECT_EQ(store.loadUserDice(dir.path()), 5);
    EXPECT_EQ(store.storeFace(37).toImage().pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(store.storeFace(38).toImage().pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(store.storeFace(39).toImage(), standard3);
    EXPECT_EQ(store.storeFace(40).toImage(), store.storeFace(4).toImage());
    EXPECT_EQ(store.storeFace(41).toImage().pixelColor(0, 0), QColor(Qt::blue));
    EXPECT_EQ(store.storeFace(42).toImage(), store.storeFace(6).toImage());

    // The new pictures reach the dice only when the style is applied again.
    EXPECT_NE(store.liveFace(1).toImage().pixelColor(0, 0), QColor(Qt::red));
    store.ApplyDiceStyle(7);
    EXPECT_EQ(store.liveFace(1).toImage().pixelColor(0, 0), QColor(Qt::red));
}

TEST_F(Window, PicturesFollowTheScreensDensity)
{
    window.show();
    ImageStore &images = window.images();
    const CategoryButton *ones = window.board()->butCat(Ones);
    auto expectDrawnFor = [&](qreal ratio, const char *after) {
        const struct { const char *what; QPixmap shown; QSize logical; } pictures[] = {
            {"die", images.liveFace(1), QSize(48, 48)},
            {"category button", ones->icon().pixmap(ones->iconSize(), ratio), ones->iconSize()},
            {"joker", images.joker(), QSize(32, 32)},
        };
        for (const auto &p : pictures) {
            EXPECT_DOUBLE_EQ(p.shown.devicePixelRatio(), ratio) << p.what << " after " << after;
            EXPECT_EQ(p.shown.size(), p.logical * ratio) << p.what << " after " << after;
        }
    };
    images.setDevicePixelRatio(2.0);
    expectDrawnFor(2.0, "the store drew them again");
    // The window tells of a move to another screen: the pictures follow its density.
    QEvent moved(QEvent::ScreenChangeInternal);
    QApplication::sendEvent(&window, &moved);
    expectDrawnFor(window.devicePixelRatio(), "a screen change");
}

TEST_F(Window, DicePaintTheLiveFacesOfThePlayersStyle)
{
    g.board.setDieFace(1, 5);
    g.board.applyDiceStyle(StyleRainbow);
    EXPECT_EQ(window.images().liveStyle(), StyleRainbow);
    EXPECT_EQ(window.images().liveFace(5).toImage(), window.images().storeFace(3 * 6 + 5).toImage());
    g.board.setDieVisible(1, true);
    window.board()->imgDice(1)->show();
    const QImage painted = window.board()->imgDice(1)->grab().toImage();
    EXPECT_EQ(painted.size(), window.images().liveFace(5).size());
}

} // namespace

namespace {

TEST_F(Window, AltReleaseOverACategoryPlaysItsSounds)
{
    g.options.sound = SoundChoice::Zany;
    window.show();
    CategoryButton *evens = window.board()->butCat(Evens);
    QTest::mouseClick(evens, Qt::LeftButton, Qt::AltModifier);
    QTest::qWait(20);
    EXPECT_EQ(t.sound.played, (QStringList{"evens", "rnd4&"}));
    t.sound.played.clear();
    QTest::mouseClick(evens, Qt::LeftButton, Qt::AltModifier | Qt::ShiftModifier); // Alt alone only
    QTest::mouseClick(evens, Qt::LeftButton);
    QTest::qWait(20);
    EXPECT_TRUE(t.sound.played.isEmpty());
    EXPECT_EQ(g.state.roundNo, 0);
}

TEST_F(Window, PointingAtTheBoardShowsThePromptAgain)
{
    window.show();
    g.state.promptText = QStringLiteral("Have another throw, Red");
    g.board.setAnnounce(QStringLiteral("a hint"));
    // a label leaves the line alone
    QMouseEvent overLabel(QEvent::MouseMove, QPointF(window.board()->labCat(3)->geometry().center()),
                          QPointF(), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(window.board(), &overLabel);
    EXPECT_EQ(g.board.announce(), QStringLiteral("a hint"));
    QMouseEvent overTable(QEvent::MouseMove, QPointF(150, 150), QPointF(), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
    QApplication::sendEvent(window.board(), &overTable);
    EXPECT_EQ(g.board.announce(), QStringLiteral("Have another throw, Red"));
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
    const QString dieHint = QStringLiteral("Play a joker on this Die");
    const QString tableHint = QStringLiteral("Drop the Joker on the Die you would like to throw again");
    struct Row {
        const char *over;
        bool busy;
        bool taken;
        QString line; // the status line afterwards; "-" left as it was
    };
    const QPoint die = board->imgDice(1)->geometry().center();
    const Row rows[] = {
        {"die, dice in flight", true, false, QStringLiteral("-")},
        {"die", false, true, dieHint},
        {"token", false, false, QStringLiteral("-")},
        {"table", false, false, tableHint},
    };
    for (const Row &row : rows) {
        g.board.setAnnounce(QStringLiteral("-"));
        g.state.busy = row.busy;
        const QString over = QString::fromLatin1(row.over);
        const bool taken = dragOver(over.startsWith(QLatin1String("die")) ? die
                                    : over == QLatin1String("token")  ? board->joker(1)->geometry().center()
                                                                      : px(4880, 4400));
        EXPECT_EQ(taken, row.taken) << row.over;
        EXPECT_EQ(g.board.announce(), row.line) << row.over;
    }
    g.state.busy = false;
    // The drop itself plays the joker on that die.
    dragOver(die);
    QDropEvent drop(die, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(board, &drop);
    EXPECT_TRUE(QTest::qWaitFor([&] { return g.state.jokers[1] == JokersPerGame - 1; }));
}

} // namespace
