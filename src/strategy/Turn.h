#pragma once

#include "Hands.h"
#include "Sheet.h"

#include <array>
#include <cstdint>

namespace korbo::strategy {

inline constexpr int JokerLevels = JokersPerGame + 1; // 0..3 jokers left
using PerJoker = std::array<double, JokerLevels>;

// What an entry leads to, for one sheet: for every open category, slot and jokers
// left, the expected points of the rest of the game after the entry plus the upper
// bonus the entry earns. The entry's own score comes from the dice.
struct Outcomes {
    std::uint16_t open = 0; // bit c - 1 for every open category c
    bool korboScored = false;
    std::array<std::array<PerJoker, SlotCount>, CategoryCount + 1> next{};
};

enum class Move { Enter, Throw, Joker };

// One decision in a turn, with the expected points it leads to from here on.
struct Choice {
    Move move = Move::Enter;
    int category = 0; // Enter: the category
    int keep = 0;     // Throw: the hand that stays in the held row
    int face = 0;     // Joker: the face of the die thrown again
    double value = 0;
};

// Best play of one turn from one sheet. A turn is a throw of all six dice followed
// by choices: hold any dice and throw the rest (up to the fourth throw), play a
// joker on any one die (from the first throw on, also after the fourth, as long as
// jokers are left), or enter a category. Held dice can be rearranged before every
// throw, so the dice, the throws made and the jokers left are all a choice depends
// on. Values are the points still to come in the game, this turn's included.
class TurnSolution {
public:
    // Enough for the positions from throw `fromThrow` on with at most `jokers` left;
    // start() needs `fromThrow` 1 or less.
    void solve(const Outcomes &outcomes, int fromThrow = 1, int jokers = JokersPerGame);

    // Before the first throw.
    double start(int jokers) const { return m_start[jokers]; }
    // After throw `throwNo` (1..4) showing `roll`.
    double value(int roll, int throwNo, int jokers) const { return m_value[throwNo - 1][roll][jokers]; }

    bool isOpen(int category) const { return m_outcomes.open & Sheet::bit(category); }
    double enterValue(int roll, int category, int jokers) const;
    // Holding `keep` (at most five dice) and throwing the rest, after throw 1..3.
    double keepValue(int keep, int throwNo, int jokers) const { return m_keep[throwNo - 1][keep][jokers]; }
    // A joker (jokers >= 1) on a die showing `face`.
    double jokerValue(int roll, int face, int throwNo, int jokers) const;

    // The best decision; of equal ones an entry comes before a throw and a throw
    // before a joker, a lower category, hand or face before a higher one.
    Choice best(int roll, int throwNo, int jokers) const;

    // The expected points, before the first throw, of playing this turn by best()
    // when entries really lead to `truth` instead of the outcomes solved for.
    PerJoker evaluate(const Outcomes &truth) const;

private:
    Choice bestEntry(int roll, int jokers) const;
    Choice bestJoker(int roll, int throwNo, int jokers) const;
    static Choice better(const Choice &first, const Choice &second) { return second.value > first.value ? second : first; }

    Outcomes m_outcomes;
    PerJoker m_start{};
    std::array<std::array<PerJoker, RollCount>, ThrowsPerTurn> m_value;
    std::array<std::array<PerJoker, FirstRoll>, ThrowsPerTurn - 1> m_keep;
    // Five dice and one thrown again, with the jokers left after that joker.
    std::array<std::array<PerJoker, FirstRoll - FirstFive>, ThrowsPerTurn> m_joker;
};

} // namespace korbo::strategy
