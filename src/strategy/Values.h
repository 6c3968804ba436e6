#pragma once

#include "Turn.h"

#include <cstdint>
#include <vector>

namespace korbo::strategy {

// The expected points still to come from every turn start (a sheet and the jokers
// left) under best play: what a turn's entries lead to.
class TurnStartValues {
public:
    virtual ~TurnStartValues() = default;
    // `sheet` numbered by SheetSpace.
    virtual double value(int sheet, int jokers) const = 0;
};

// What the entries from `sheet` lead to, by `values`.
Outcomes outcomesOf(int sheet, const TurnStartValues &values);

// Turn-start values worked out in full precision by backward induction from the
// full sheet, one round of entries at a time; the sheets of one round are shared
// among `threads` threads.
class ExactValues : public TurnStartValues {
public:
    // Best play from every sheet that has at least the categories of `from` entered.
    static ExactValues compute(std::uint16_t from, int threads);
    // Play that decides every turn as if `decide` held the values of the turn starts,
    // worked out with the values it really reaches: what rounding a table costs.
    static ExactValues evaluate(const TurnStartValues &decide, std::uint16_t from, int threads);

    double value(int sheet, int jokers) const override { return m_values[sheet * JokerLevels + jokers]; }
    const std::vector<double> &values() const { return m_values; }

private:
    std::vector<double> m_values; // by sheet, then jokers left; 0 for a full sheet
};

} // namespace korbo::strategy
