// The history of games with a long-standing player's worth of games in it: how long
// one finished game takes to be kept, how long it takes to read a player's games and
// work out their statistics, and how long the Statistics window takes to open on them
// and draw its first plot. Prints each against its limit as a ratio (under 1 is within
// it): 10 ms for a game kept, 200 ms for the window with 10,000 games.
//   history_bench [GAMES]   (10000 unless told)
#include "BestPlay.h"
#include "History.h"
#include "Messages.h"
#include "Statistics.h"
#include "StatisticsWindow.h"

#include <QApplication>
#include <QPixmap>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace korbo;

namespace {

constexpr double KeepLimitMs = 10;
constexpr double ReadLimitMs = 200;
constexpr int TimedKeeps = 200;
constexpr int TimedReads = 9;

GameRecord someGame(int i)
{
    GameRecord game{QDateTime(QDate(2020, 1, 1).addDays(i / 8), QTime(20, 0).addSecs(60 * (i % 8))), {}};
    for (int seat = 1; seat <= 2; ++seat) {
        SeatRecord s;
        s.seat = seat;
        s.name = seat == 1 ? QStringLiteral("Ann") : QStringLiteral("Robo");
        s.computer = seat == 2;
        for (int c = 1; c <= CategoryCount; ++c)
            s.scores[c] = static_cast<Int16>((i * 7 + c * 13 + seat) % 40);
        s.total = 250 + (i * 37 + seat * 11) % 250;
        s.jokersUsed = i % 4;
        if (seat == 1 && i % 3 == 0)
            s.pointsLost = (i % 50) / 4.0;
        game.seats.append(s);
    }
    return game;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int games = argc > 1 ? std::atoi(argv[1]) : 10000;
    QTemporaryDir folder;
    const QString path = folder.filePath(HistoryStore::FileName);
    std::vector<double> keeps;
    {
        HistoryStore store([] { return QDate(2026, 1, 1); });
        store.open(path);
        QElapsedTimer timer;
        for (int i = 0; i < games; ++i) {
            timer.start();
            if (!store.add(someGame(i))) {
                std::printf("a game could not be kept\n");
                return 1;
            }
            if (i >= games - TimedKeeps)
                keeps.push_back(timer.nsecsElapsed() / 1e6);
        }
    }
    std::vector<double> reads;
    int seen = 0;
    for (int run = 0; run < TimedReads; ++run) {
        QElapsedTimer timer;
        timer.start();
        HistoryStore store([] { return QDate(2026, 1, 1); });
        store.open(path);
        const HistoryPlayer first = store.players().value(0);
        const PlayerStatistics s = store.statisticsOf(first.name, first.computer);
        reads.push_back(timer.nsecsElapsed() / 1e6);
        seen = s.games;
    }
    // The window: the history opened, the players listed, the first player's figures
    // and plots made, shown and painted once.
    std::vector<double> opens;
    Messages messages;
    for (int run = 0; run < TimedReads; ++run) {
        QElapsedTimer timer;
        timer.start();
        HistoryStore store([] { return QDate(2026, 1, 1); });
        store.open(path);
        StatisticsWindow window(store, BestPlay::shipped(), messages);
        window.show();
        const QPixmap painted = window.grab();
        opens.push_back(timer.nsecsElapsed() / 1e6);
        if (painted.isNull() || window.shown().games != seen) {
            std::printf("the window did not show the player's games\n");
            return 1;
        }
    }
    std::printf("history of %d games, two seats each\n", games);
    std::printf("a game kept: %.2f ms (median of the last %d), %.3f of the %.0f ms allowed\n", median(keeps), TimedKeeps,
                median(keeps) / KeepLimitMs, KeepLimitMs);
    std::printf("opened, a player's %d games read and their statistics worked out: %.1f ms (median of %d)\n", seen,
                median(reads), TimedReads);
    std::printf("the Statistics window opened on them and painted: %.1f ms (median of %d), %.3f of the %.0f ms allowed\n",
                median(opens), TimedReads, median(opens) / ReadLimitMs, ReadLimitMs);
    return 0;
}
