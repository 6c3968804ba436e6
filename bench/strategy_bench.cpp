// The strategy engine's figures: the best expected score from an empty sheet, the
// time and size of the table, what its rounding costs, solitaire games played by the
// engine against that expectation, and the time of one decision.
//   strategy_bench [GAMES]   (100000 games unless told)
#include "Solitaire.h"
#include "ValueTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <thread>
#include <time.h>
#include <vector>

using namespace korbo;
using namespace korbo::strategy;

namespace {

constexpr int Threads = 2;
constexpr double TimeLimitSeconds = 120;
constexpr double SizeLimitBytes = 8 * 1024 * 1024;
constexpr double LossLimit = 0.01;
constexpr double DecisionLimitMs = 1;
constexpr int TimedGames = 1000;

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double threadSeconds()
{
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec + t.tv_nsec * 1e-9;
}

struct Totals {
    double sum = 0, squares = 0;
};

// Games seeded first, first + step, ... below `games`.
Totals playGames(const TurnStartValues &values, int first, int step, int games)
{
    Totals totals;
    for (int g = first; g < games; g += step) {
        SolitaireGame game(values, static_cast<std::uint32_t>(g + 1));
        while (!game.over())
            game.play(game.advice().action);
        totals.sum += game.total();
        totals.squares += double(game.total()) * game.total();
    }
    return totals;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0); // each figure as soon as it is known
    const int games = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int empty = SheetSpace::instance().indexOf(Sheet{});

    auto start = Clock::now();
    const ExactValues exact = ExactValues::compute(0, Threads);
    const double computeSeconds = secondsSince(start);
    std::printf("Best expected final score from an empty sheet:\n");
    for (int j = JokersPerGame; j >= 0; --j)
        std::printf("  %d jokers  %.4f\n", j, exact.value(empty, j));
    std::printf("Table computation: %.1f s on %d threads, %.3f of the %.0f s allowed\n", computeSeconds, Threads,
                computeSeconds / TimeLimitSeconds, TimeLimitSeconds);

    // The table the build made, beside the game in the build tree.
    const QString path = QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/../src"))
                             .filePath(ValueTable::fileName());
    start = Clock::now();
    QString error;
    const auto table = ValueTable::load(path, &error);
    const double loadSeconds = secondsSince(start);
    if (!table) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(error));
        return 1;
    }
    const ValueTable fresh = ValueTable::rounded(exact);
    bool same = true;
    for (int i = 0; i < SheetSpace::instance().count() && same; ++i)
        for (int j = 0; j < JokerLevels; ++j)
            same = same && table->value(i, j) == fresh.value(i, j);
    const double size = double(QFileInfo(path).size());
    std::printf("Table file: %.0f bytes, %.3f of %.0f allowed; loaded in %.1f ms; %s\n", size,
                size / SizeLimitBytes, SizeLimitBytes, loadSeconds * 1000,
                same ? "the same as worked out here" : "DIFFERENT from the one worked out here");

    start = Clock::now();
    const ExactValues played = ExactValues::evaluate(*table, 0, Threads);
    std::printf("Expected final score of play by the table (rounded to 1/%d), exactly (%.1f s):\n",
                ValueTable::Scale, secondsSince(start));
    for (int j = JokersPerGame; j >= 0; --j) {
        const double loss = exact.value(empty, j) - played.value(empty, j);
        std::printf("  %d jokers  %.6f  loss %.2e, %.4f of the %.2f allowed\n", j, played.value(empty, j), loss,
                    loss / LossLimit, LossLimit);
    }

    start = Clock::now();
    std::vector<Totals> parts(Threads);
    std::vector<std::thread> pool;
    for (int t = 0; t < Threads; ++t)
        pool.emplace_back([&, t] { parts[t] = playGames(*table, t, Threads, games); });
    for (std::thread &t : pool)
        t.join();
    Totals all;
    for (const Totals &p : parts) {
        all.sum += p.sum;
        all.squares += p.squares;
    }
    const double mean = all.sum / games;
    const double sd = std::sqrt((all.squares - games * mean * mean) / (games - 1));
    const double se = sd / std::sqrt(double(games));
    const double expected = played.value(empty, JokersPerGame);
    std::printf("%d solitaire games (seeds 1..%d) in %.1f s: mean %.4f, sd %.4f, standard error %.4f\n", games,
                games, secondsSince(start), mean, sd, se);
    std::printf("  mean - expected %.4f = %.2f standard errors (within 3: %s)\n", mean - expected,
                (mean - expected) / se, std::abs(mean - expected) <= 3 * se ? "yes" : "NO");

    // Every decision of some games, each the turn worked out afresh from the table;
    // on the wall clock, and on the thread's own clock, which a busy machine's other
    // work does not stop.
    std::vector<double> wall, own;
    for (int g = 0; g < TimedGames; ++g) {
        SolitaireGame game(*table, static_cast<std::uint32_t>(g + 1));
        while (!game.over()) {
            start = Clock::now();
            const double before = threadSeconds();
            const Advice advice = advise(*table, game.state(), SolitaireGame::Player);
            own.push_back((threadSeconds() - before) * 1000);
            wall.push_back(secondsSince(start) * 1000);
            game.play(advice.action);
        }
    }
    std::printf("One decision (all %zu of %d games):\n", wall.size(), TimedGames);
    for (auto [name, ms] : {std::pair{"wall clock", &wall}, std::pair{"thread clock", &own}}) {
        std::sort(ms->begin(), ms->end());
        const auto at = [ms](double q) { return (*ms)[std::min(ms->size() - 1, std::size_t(q * ms->size()))]; };
        std::printf("  %-12s median %.3f ms, p99 %.3f ms (%.3f of the %.0f ms allowed), max %.3f ms\n", name,
                    at(0.5), at(0.99), at(0.99) / DecisionLimitMs, DecisionLimitMs, ms->back());
    }
    return same ? 0 : 1;
}
