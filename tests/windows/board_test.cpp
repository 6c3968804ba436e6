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
    // Ann enters Twins, Bob something else: Ann's turn again.
    g.setDice({1, 1, 2, 2, 3, 4});
    t.name({QStringLiteral("Ann"), QStringLiteral("Bob")});
    t.run(g.newGame());
    t.playRounds({Twins});
    const struct { int textButtons; const char *guards; } rows[] = {
        {1, "text buttons: the category names, no picture"},
        {0, "the used picture exactly where the current player scored"},
    };
    for (const auto &r : rows) {
        setOption(g, &OptionValues::textButtonsValue, static_cast<std::int16_t>(r.textButtons));
        RefreshCategoryButtons(g.board, g.state(), g.options());
        for (int c = 1; c <= CategoryCount; ++c) {
            const CategoryButton *button = window.board()->butCat(c);
            EXPECT_EQ(button->text(), r.textButtons ? categoryName(c) : QString()) << r.guards;
            const QPixmap picture = window.images().categoryPicture(c, c == Twins);
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
    const QSize sheet = QSize(ScoresWindow::widthFor(MaxPlayers), px(5760)).grownBy(frame);
    const QRect centred = centredFrame(area, board);
    EXPECT_EQ(centred, QRect(441, 264, 398, 471)) << "centred by the outer frame";
    const auto roomy = clearOfEachOther(area, centred, besideFrame(area, centred, sheet));
    const auto arranged = arrangedFrames(area, board, QRect(QPoint(3, 7), sheet), true);
    for (const auto &[main, beside] : {roomy, arranged})
        EXPECT_TRUE(area.contains(main) && area.contains(beside) && !main.intersects(beside)
                    && main.top() == beside.top()) << "a wide sheet shown over the board, or arranged: side by side";
    EXPECT_EQ(keptInside(QRect(-50, -9, 900, 700), QRect(0, 0, 800, 600)).topLeft(), QPoint(0, 0))
        << "larger than the screen: the title bar on it";
}

struct Players : ::testing::Test {
    Game game;
    const GameState &state = game.state();
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

TEST_F(Players, TypingIsLimitedTo12CharactersOfAnyScript)
{
    PlayersDialog dialog(game);
    dialog.show();
    QLineEdit *box = dialog.txtPlayerName(1);
    box->setFocus();
    typeText(box, QStringLiteral("Abcdefghijklmn"));
    EXPECT_EQ(box->text(), QStringLiteral("Abcdefghijkl"));
    QLineEdit *other = dialog.txtPlayerName(2);
    typeText(other, QStringLiteral("Zo\u00eb \u0416\u0435\u043d\u044f")); // a name as typed, whatever its script
    EXPECT_EQ(other->text(), QStringLiteral("Zo\u00eb \u0416\u0435\u043d\u044f"));
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
    EXPECT_TRUE(g.state().numPlayers == 0 && !window.menuScores->isEnabled() && !window.menuPrint->isEnabled()
                && !window.scores()->isVisible());
    nameThroughTheMenu({QStringLiteral("Ann")});
    t.run(g.newGame()); // during a game the menu only says so
    window.menuPlayersClick();
    EXPECT_EQ(messages.shown, QStringList{QStringLiteral("|Can't change players in a game")});
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

// At the designed size and zoomed, in a window grown round the board.
struct AtZoom : Window, ::testing::WithParamInterface<int> {
    AtZoom()
    {
        window.show();
        window.zoomTo(GetParam());
    }
};
INSTANTIATE_TEST_SUITE_P(Zooms, AtZoom, ::testing::Values(Zoom::Designed, 150));

TEST_P(AtZoom, ThePointerAndAJokerDragTellWhatTheBoardWouldDo)
{
    // Guards a drag during a throw inviting a drop ("Play a joker on this Die") that
    // then snapped back, the table's hint showing while still on the token, and the
    // prompt lost when the pointer crosses the table (a label leaves the line alone);
    // zoomed, a pointer taken as if the board were at its designed size.
    BoardView *board = window.board();
    ASSERT_EQ(board->zoom(), GetParam());
    t.name({QStringLiteral("Red")});
    t.run(g.throwDice());
    t.run(g.throwDice());
    // A click sends a die to the held row, where the zoomed board shows it.
    QTest::mouseClick(board->imgDice(2), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return g.board.die(2).top == geometry::HeldTop; }));
    EXPECT_EQ(board->imgDice(2)->pos(), board->toPixels(geometry::dieLeft(2), geometry::HeldTop));
    QMimeData mime;
    mime.setData(QLatin1String(JokerWidget::MimeType), "1");
    auto dragOver = [&](QPoint at) {
        QDragEnterEvent enter(at, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(board, &enter);
        QDragMoveEvent move(at, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(board, &move);
        return move.isAccepted();
    };
    const QPoint die = board->imgDice(1)->geometry().center();
    // line "-": left as it was
    const struct { const char *over; QPoint at; bool drag, busy, taken; const char *line; } rows[] = {
        {"a label, pointed at", board->labCat(3)->geometry().center(), false, false, false, "-"},
        {"the table, pointed at", board->toPixels(2250, 2250), false, false, false, "Sort your dice and throw again, Red"},
        {"die, dice in flight", die, true, true, false, "-"},
        {"die", die, true, false, true, "Play a joker on this Die"},
        {"token", board->joker(1)->geometry().center(), true, false, false, "-"},
        {"table", board->toPixels(4880, 4400), true, false, false, "Drop the Joker on the Die you would like to throw again"},
    };
    for (const auto &row : rows) {
        g.board.setAnnounce(QStringLiteral("-"));
        // Dice in flight: a throw under way, its ticks not yet run.
        std::optional<QCoro::Task<>> throwing;
        if (row.busy)
            throwing = g.throwDice();
        QMouseEvent move(QEvent::MouseMove, QPointF(row.at), QPointF(), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        if (!row.drag)
            QApplication::sendEvent(board, &move);
        EXPECT_EQ(row.drag && dragOver(row.at), row.taken) << row.over;
        EXPECT_EQ(g.board.announce(), QLatin1String(row.line)) << row.over;
        if (throwing)
            t.run(std::move(*throwing));
    }
    // The drop itself plays the joker on that die.
    dragOver(die);
    QDropEvent drop(die, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(board, &drop);
    EXPECT_TRUE(QTest::qWaitFor([&] { return g.state().jokers[1] == JokersPerGame - 1; }));
}

} // namespace
