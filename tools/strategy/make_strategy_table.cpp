// Works out the value of every turn start under best play and writes the table the
// game ships: make_strategy_table OUT_FILE
#include "ValueTable.h"

#include <QFileInfo>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>

using namespace korbo;
using namespace korbo::strategy;

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUT_FILE\n", argv[0]);
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const int threads = std::max(1u, std::thread::hardware_concurrency());

    const auto start = std::chrono::steady_clock::now();
    const ExactValues exact = ExactValues::compute(0, threads);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    const auto [lowest, highest] = std::minmax_element(exact.values().begin(), exact.values().end());
    if (*lowest < 0 || *highest > ValueTable::Largest) {
        std::fprintf(stderr, "turn starts worth %.2f to %.2f: beyond what the table holds\n", *lowest, *highest);
        return 1;
    }
    if (!ValueTable::rounded(exact).save(path)) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    const int empty = SheetSpace::instance().indexOf(Sheet{});
    std::printf("%d turn starts in %.1f s on %d threads, %lld bytes; from an empty sheet with 3 jokers %.4f\n",
                SheetSpace::instance().count() * JokerLevels, seconds, threads,
                static_cast<long long>(QFileInfo(path).size()), exact.value(empty, JokersPerGame));
    return 0;
}
