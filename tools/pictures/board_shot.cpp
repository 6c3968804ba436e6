// Renders the board in the middle of a turn, and the score sheet, to PNG files so
// anyone can look at them without playing. The scale is the screen's: run with
// QT_SCALE_FACTOR=2 to see the board as a high-density screen shows it.
#include "BoardView.h"
#include "Game.h"
#include "MainWindow.h"
#include "Messages.h"
#include "ScoresWindow.h"

#include <QApplication>
#include <QCoro/QCoroTask>
#include <QDir>

#include <cstdio>

using namespace korbo;

namespace {
// The two players answer their dice by hand, so the pictures are the same every run.
class ScriptedHost : public Messages {
public:
    QCoro::Task<std::optional<QString>> input(QWidget *, const QString &, const QString &) override
    {
        static const char *const throws[] = {"254415", "265515", "123456", "666666", "335533"};
        co_return QString::fromLatin1(throws[m_next++ % 5]);
    }
    int m_next = 0;
};
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);

    Game game;
    ScriptedHost messages;
    game.clock.setTickLength(std::chrono::nanoseconds(0));
    game.seed(4);
    game.setTestDiceMode(true);
    MainWindow window(game, messages);
    QCoro::waitFor(window.startUp({QDir::tempPath(), QDir::tempPath()}));

    Seats seats;
    seats.names[1] = QStringLiteral("Red");
    seats.names[2] = QStringLiteral("Blue");
    game.setPlayers(seats);
    window.menuScores->setEnabled(true);
    QCoro::waitFor(game.throwDice());
    for (int turn = 0; turn < 3; ++turn) {
        QCoro::waitFor(game.throwDice());
        const int category = turn == 0 ? Fives : turn == 1 ? Flush : Korbo;
        QCoro::waitFor(game.chooseCategory(category));
        QCoro::waitFor(game.chooseCategory(category));
    }
    // Red's second turn: one throw, two fives and a one held, Fours previewed.
    QCoro::waitFor(game.throwDice());
    QCoro::waitFor(game.moveFace(3));
    QCoro::waitFor(game.toggleHold(1));
    QCoro::waitFor(game.chooseCategory(Threes));
    game.showPrompt();

    const qreal scale = window.devicePixelRatio();
    const QString suffix = QStringLiteral("_%1x.png").arg(scale);
    window.grab().save(out + QStringLiteral("/board") + suffix);
    window.scores()->show();
    window.scores()->grab().save(out + QStringLiteral("/scores") + suffix);
    std::printf("wrote board%s and scores%s to %s\n", qPrintable(suffix), qPrintable(suffix), qPrintable(out));
    return 0;
}
