// Whole six-player games with animation on, zero-length ticks and a sound player that
// only counts: how many games a second the game logic gets through.
#include "Game.h"
#include "Scoring.h"

#include <QElapsedTimer>
#include <QGuiApplication>

#include <cstdio>

using namespace korbo;

namespace {
class CountingSoundPlayer : public SoundPlayer {
public:
    long played = 0;
    QCoro::Task<> play(Sound, SoundMode) override
    {
        ++played;
        co_return;
    }
};

// A simple player: throws a few times, keeping the most common face, then enters the
// best-scoring open category.
QCoro::Task<> playGame(Game &game)
{
    co_await game.throwDice(); // start
    while (game.state().roundNo != 0) {
        for (int t = 0; t < 3; ++t) {
            co_await game.throwDice();
            int count[7] = {};
            for (int d = 1; d <= 6; ++d)
                ++count[game.state().dice[d]];
            int keep = 1;
            for (int f = 2; f <= 6; ++f)
                if (count[f] >= count[keep])
                    keep = f;
            for (int d = 1; d <= 6; ++d)
                if ((game.state().dice[d] == keep) == game.state().diceToThrow[d])
                    co_await game.toggleHold(d);
        }
        const int p = game.state().curPlayer;
        int best = 0, top = -1;
        for (int c = 1; c <= CategoryCount; ++c) {
            if (game.state().score[p][c] != NotScored)
                continue;
            const int s = ScoreCategory(game.state().dice, c).score;
            if (s > top) {
                top = s;
                best = c;
            }
        }
        co_await game.chooseCategory(best);
        co_await game.chooseCategory(best);
    }
}
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Game game;
    CountingSoundPlayer sound;
    game.setSoundPlayer(&sound);
    game.clock.setTickLength(std::chrono::nanoseconds(0));
    game.seed(1);
    OptionValues values;
    values.sound = SoundChoice::Zany;
    game.setOptions(values);
    Seats seats;
    for (int p = 1; p <= 6; ++p)
        seats.names[p] = QStringLiteral("Player %1").arg(p);
    game.setPlayers(seats);

    const int games = 20;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < games; ++i)
        QCoro::waitFor(playGame(game));
    const double seconds = timer.nsecsElapsed() / 1e9;
    std::printf("%d six-player games in %.2f s: %.2f games per second (%ld sounds, %lld ticks asked for)\n",
                games, seconds, games / seconds, sound.played, static_cast<long long>(game.clock.ticksWaited()));
    std::printf("records: %lld highs, %lld tries\n", static_cast<long long>(game.records.listHI.size()),
                static_cast<long long>(game.records.listLO.size()));
    return 0;
}
