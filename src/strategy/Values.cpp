#include "Values.h"

#include <QtGlobal>

#include <atomic>
#include <bit>
#include <functional>
#include <memory>
#include <thread>

namespace korbo::strategy {

Outcomes outcomesOf(int sheet, const TurnStartValues &values)
{
    const SheetSpace &space = SheetSpace::instance();
    const Sheet s = space.sheet(sheet);
    Outcomes outcomes;
    outcomes.open = static_cast<std::uint16_t>(~s.filled & Sheet::AllFilled);
    outcomes.korboScored = s.korboScored;
    for (int c = 1; c <= CategoryCount; ++c) {
        if (!s.isOpen(c))
            continue;
        const int kinds = c <= Sixes ? SlotCount : c == Korbo ? 2 : 1;
        for (int slot = 0; slot < kinds; ++slot) {
            const SheetSpace::Entry entry = space.enter(sheet, c, slot);
            Q_ASSERT(entry.next >= 0);
            for (int j = 0; j < JokerLevels; ++j)
                outcomes.next[c][slot][j] = entry.bonus + values.value(entry.next, j);
        }
    }
    return outcomes;
}

namespace {

// Runs `work` on every sheet with at least the categories of `from`, those with the
// most categories entered first, each round of entries spread over `threads` threads.
void backwards(std::uint16_t from, int threads, const std::function<void(TurnSolution &, int)> &work)
{
    const SheetSpace &space = SheetSpace::instance();
    std::array<std::vector<int>, CategoryCount> rounds; // by categories entered
    for (int sheet = 0; sheet < space.count(); ++sheet) {
        const std::uint16_t filled = space.sheet(sheet).filled;
        if ((filled & from) == from && filled != Sheet::AllFilled)
            rounds[std::popcount(filled)].push_back(sheet);
    }
    for (int entered = CategoryCount - 1; entered >= 0; --entered) {
        const std::vector<int> &sheets = rounds[entered];
        std::atomic<std::size_t> next = 0;
        auto worker = [&] {
            auto turn = std::make_unique<TurnSolution>();
            for (std::size_t i = next++; i < sheets.size(); i = next++)
                work(*turn, sheets[i]);
        };
        std::vector<std::thread> pool;
        for (int t = 1; t < threads; ++t)
            pool.emplace_back(worker);
        worker();
        for (std::thread &t : pool)
            t.join();
    }
}

} // namespace

ExactValues ExactValues::compute(std::uint16_t from, int threads)
{
    ExactValues result;
    result.m_values.assign(static_cast<std::size_t>(SheetSpace::instance().count()) * JokerLevels, 0.0);
    backwards(from, threads, [&result](TurnSolution &turn, int sheet) {
        turn.solve(outcomesOf(sheet, result));
        for (int j = 0; j < JokerLevels; ++j)
            result.m_values[sheet * JokerLevels + j] = turn.start(j);
    });
    return result;
}

ExactValues ExactValues::evaluate(const TurnStartValues &decide, std::uint16_t from, int threads)
{
    ExactValues result;
    result.m_values.assign(static_cast<std::size_t>(SheetSpace::instance().count()) * JokerLevels, 0.0);
    backwards(from, threads, [&](TurnSolution &turn, int sheet) {
        turn.solve(outcomesOf(sheet, decide));
        const PerJoker start = turn.evaluate(outcomesOf(sheet, result));
        for (int j = 0; j < JokerLevels; ++j)
            result.m_values[sheet * JokerLevels + j] = start[j];
    });
    return result;
}

} // namespace korbo::strategy
