#pragma once

#include "Turn.h"
#include "Values.h"

#include <memory>

namespace korbo::strategy {

// A decision in a turn, as the game's commands carry it out.
struct Action {
    Move move = Move::Throw;
    Table1<bool, DiceCount> hold{}; // Throw: true for the dice (1..6) in the held row for it
    int die = 0;                    // Joker: the die (1..6) thrown again
    int category = 0;               // Enter: the category
};

struct Advice {
    Action action;
    double expected = 0; // the final score best play reaches on average, from here
};

// Where one player's turn stands.
struct Position {
    DiceArray dice{};                      // ignored before the first throw
    Table1<bool, DiceCount> diceToThrow{}; // where the dice lie; advice moves as few as it can
    int throwNo = 0;
    int jokers = 0;

    static Position of(const GameState &state, int player);
};

// Best play of one player's turn: the turn worked out once from the values of the
// turn starts it can lead to, then any number of questions about it. Final scores
// are the points on the sheet (bonus included) plus the expected points to come.
class TurnPlanner {
public:
    // Answers positions from throw `fromThrow` on with at most `jokers` left; one
    // decision needs no more than its own position.
    TurnPlanner(const TurnStartValues &values, const Sheet &sheet, int points, int fromThrow = 0,
                int jokers = JokersPerGame);
    TurnPlanner(const TurnStartValues &values, const GameState &state, int player);

    Advice best(const Position &position) const;
    // The expected final score after `action` and best play from then on; NaN for an
    // action the rules refuse.
    double expected(const Position &position, const Action &action) const;

private:
    std::unique_ptr<TurnSolution> m_turn;
    int m_points = 0;
};

// One decision for `player` in the game in progress, the turn worked out afresh.
Advice advise(const TurnStartValues &values, const GameState &state, int player);

} // namespace korbo::strategy
