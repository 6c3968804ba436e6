// Plays many seeded one-player games by best play through the game's rules engine and
// writes what they reach, which the statistics window sets beside a player's own
// games: best_play TABLE OUT_FILE [GAMES]
// The file is committed with the game (assets/statistics/best_play.csv); remake it
// after a change to the rules or to best play.
#include "BestPlay.h"
#include "Solitaire.h"
#include "ValueTable.h"

#include <QFile>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <thread>
#include <vector>

using namespace korbo;
using namespace korbo::strategy;

namespace {

struct Tally {
    double sum = 0, squares = 0;
    int bonuses = 0;
    Table1<double, CategoryCount> categories{};
    std::vector<int> bins;
};

void play(const TurnStartValues &values, int first, int games, int step, Tally &tally)
{
    for (int seed = first; seed <= games; seed += step) {
        SolitaireGame game(values, static_cast<std::uint32_t>(seed));
        while (!game.over())
            game.play(game.advice().action);
        const int total = game.total();
        tally.sum += total;
        tally.squares += double(total) * total;
        tally.bonuses += UpperBonus(game.state(), SolitaireGame::Player) > 0;
        for (int c = 1; c <= CategoryCount; ++c)
            tally.categories[c] += game.state().score[SolitaireGame::Player][c];
        const std::size_t bin = static_cast<std::size_t>(total / BestPlay::BinWidth);
        if (tally.bins.size() <= bin)
            tally.bins.resize(bin + 1);
        ++tally.bins[bin];
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s TABLE OUT_FILE [GAMES]\n", argv[0]);
        return 2;
    }
    QString error;
    const auto table = ValueTable::load(QString::fromLocal8Bit(argv[1]), &error);
    if (!table) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    const int games = argc > 3 ? std::atoi(argv[3]) : 100000;
    const int threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    std::vector<Tally> tallies(static_cast<std::size_t>(threads));
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t)
        workers.emplace_back(play, std::cref(*table), t + 1, games, threads, std::ref(tallies[static_cast<std::size_t>(t)]));
    for (std::thread &w : workers)
        w.join();

    BestPlay best;
    best.games = games;
    Tally all;
    for (const Tally &t : tallies) {
        all.sum += t.sum;
        all.squares += t.squares;
        all.bonuses += t.bonuses;
        for (int c = 1; c <= CategoryCount; ++c)
            all.categories[c] += t.categories[c];
        if (all.bins.size() < t.bins.size())
            all.bins.resize(t.bins.size());
        for (std::size_t b = 0; b < t.bins.size(); ++b)
            all.bins[b] += t.bins[b];
    }
    best.mean = all.sum / games;
    best.deviation = std::sqrt((all.squares - all.sum * all.sum / games) / (games - 1));
    best.bonusRate = double(all.bonuses) / games;
    for (int c = 1; c <= CategoryCount; ++c)
        best.categoryAverage[c] = all.categories[c] / games;
    best.histogram = QList<int>(all.bins.begin(), all.bins.end());

    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "%s: %s\n", argv[2], qPrintable(out.errorString()));
        return 1;
    }
    out.write(best.toText());
    std::printf("%d games: mean %.3f, deviation %.3f, standard error %.3f\n", games, best.mean, best.deviation,
                best.deviation / std::sqrt(games));
    return 0;
}
