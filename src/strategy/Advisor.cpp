#include "Advisor.h"

#include "Scoring.h"

#include <cmath>
#include <limits>

namespace korbo::strategy {

namespace {

bool allOnBoard(const Position &position)
{
    for (int d = 1; d <= DiceCount; ++d)
        if (position.dice[d] < 1 || position.dice[d] > FaceCount)
            return false;
    return true;
}

} // namespace

Position Position::of(const GameState &state, int player)
{
    Position position;
    position.dice = state.dice;
    position.diceToThrow = state.diceToThrow;
    position.throwNo = state.throwNo;
    position.jokers = state.jokers[player];
    return position;
}

TurnPlanner::TurnPlanner(const TurnStartValues &values, const Sheet &sheet, int points, int fromThrow, int jokers)
    : m_turn(std::make_unique<TurnSolution>()), m_points(points)
{
    int index = SheetSpace::instance().indexOf(sheet);
    if (index < 0) {
        // Only an invented sheet has an upper sum its entries cannot make.
        Sheet possible = sheet;
        possible.upperSum = 0;
        index = SheetSpace::instance().indexOf(possible);
    }
    Q_ASSERT(!sheet.isFull());
    m_turn->solve(outcomesOf(index, values), fromThrow, jokers);
}

TurnPlanner::TurnPlanner(const TurnStartValues &values, const GameState &state, int player)
    : TurnPlanner(values, Sheet::of(state, player), PlayerTotal(state, player))
{
}

Advice TurnPlanner::best(const Position &position) const
{
    Advice advice;
    if (position.throwNo == 0) {
        advice.expected = m_points + m_turn->start(position.jokers);
        return advice;
    }
    const Hands &hands = Hands::instance();
    const int roll = hands.indexOf(position.dice) - FirstRoll;
    const Choice choice = m_turn->best(roll, position.throwNo, position.jokers);
    advice.expected = m_points + choice.value;
    Action &action = advice.action;
    action.move = choice.move;
    switch (choice.move) {
    case Move::Enter:
        action.category = choice.category;
        break;
    case Move::Throw: {
        // Dice already held stay held, so the fewest dice move.
        Counts wanted = hands.counts(choice.keep);
        for (bool held : {true, false})
            for (int d = 1; d <= DiceCount; ++d) {
                std::int8_t &left = wanted[position.dice[d] - 1];
                if (position.diceToThrow[d] != held && !action.hold[d] && left > 0) {
                    action.hold[d] = true;
                    --left;
                }
            }
        break;
    }
    case Move::Joker:
        // A die in the throwing area if one shows the face: the held row stays as it is.
        for (bool inPlay : {true, false})
            for (int d = 1; d <= DiceCount; ++d)
                if (action.die == 0 && position.dice[d] == choice.face && position.diceToThrow[d] == inPlay)
                    action.die = d;
        break;
    }
    return advice;
}

double TurnPlanner::expected(const Position &position, const Action &action) const
{
    constexpr double Refused = std::numeric_limits<double>::quiet_NaN();
    const int throwNo = position.throwNo, jokers = position.jokers;
    if (throwNo == 0)
        return action.move == Move::Throw ? m_points + m_turn->start(jokers) : Refused;
    if (!allOnBoard(position))
        return Refused;
    const Hands &hands = Hands::instance();
    const int roll = hands.indexOf(position.dice) - FirstRoll;
    switch (action.move) {
    case Move::Enter:
        if (action.category < 1 || action.category > CategoryCount || !m_turn->isOpen(action.category))
            return Refused;
        return m_points + m_turn->enterValue(roll, action.category, jokers);
    case Move::Throw: {
        Counts kept{};
        int held = 0;
        for (int d = 1; d <= DiceCount; ++d)
            if (action.hold[d]) {
                ++kept[position.dice[d] - 1];
                ++held;
            }
        if (throwNo >= ThrowsPerTurn || held == DiceCount)
            return Refused;
        return m_points + m_turn->keepValue(hands.index(kept), throwNo, jokers);
    }
    case Move::Joker:
        if (jokers < 1 || action.die < 1 || action.die > DiceCount)
            return Refused;
        return m_points + m_turn->jokerValue(roll, position.dice[action.die], throwNo, jokers);
    }
    return Refused;
}

Advice advise(const TurnStartValues &values, const GameState &state, int player)
{
    const Position position = Position::of(state, player);
    return TurnPlanner(values, Sheet::of(state, player), PlayerTotal(state, player), position.throwNo, position.jokers)
        .best(position);
}

} // namespace korbo::strategy
