// The pace of an animated throw: the first throw of a turn, six dice, should take
// 85 ticks (65 of motion and the closing 20) = 850 ms. Prints measured / nominal.
#include "Game.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace korbo;

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Game game;
    OptionValues values;
    values.sound = SoundChoice::Off;
    game.setOptions(values);
    Seats seats;
    seats.names[1] = QStringLiteral("Bench");
    game.setPlayers(seats);
    game.clock.setTickLength(std::chrono::nanoseconds(0));
    QCoro::waitFor(game.throwDice()); // start a game: the turn begins with no dice
    std::vector<double> ratios;
    for (int run = 0; run < 7; ++run) {
        game.clock.setTickLength(std::chrono::nanoseconds(0));
        if (game.state().throwNo > 0) // the next turn begins with no dice
            QCoro::waitFor(game.enterCategory(run));
        game.clock.setTickLength(TickClock::DefaultTick);
        QElapsedTimer timer;
        timer.start();
        QCoro::waitFor(game.throwDice());
        const double ms = timer.nsecsElapsed() / 1e6;
        ratios.push_back(ms / 850.0);
        std::printf("animated first throw: %.1f ms, ratio %.4f\n", ms, ms / 850.0);
    }
    std::sort(ratios.begin(), ratios.end());
    std::printf("median ratio (measured / 850 ms): %.4f\n", ratios[ratios.size() / 2]);
    return 0;
}
