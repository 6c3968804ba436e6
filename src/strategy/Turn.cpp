#include "Turn.h"

#include "Scoring.h"

#include <algorithm>
#include <limits>
#include <memory>

namespace korbo::strategy {

namespace {

constexpr double Nothing = -std::numeric_limits<double>::infinity();
constexpr int FiveCount = FirstRoll - FirstFive;

using RollValues = std::array<PerJoker, RollCount>;
using KeepValues = std::array<PerJoker, FirstRoll>;
using JokerValues = std::array<PerJoker, FiveCount>;

int extraPoints(const Outcomes &outcomes, int roll)
{
    return ExtraPoints(outcomes.korboScored, Hands::instance().sixOfAKind(roll));
}

double entryValue(const Outcomes &outcomes, int roll, int category, int jokers)
{
    const Hands &hands = Hands::instance();
    const double points = hands.score(category, roll);
    return (points + outcomes.next[category][hands.slot(category, roll)][jokers]) + extraPoints(outcomes, roll);
}

// Every hand of at most five dice, held while the rest is thrown: the mean of what
// it becomes with one more die, down from the throws of six in `next`.
void expectKeeps(const RollValues &next, KeepValues &keep)
{
    const Hands &hands = Hands::instance();
    for (int hand = FirstRoll - 1; hand >= 0; --hand) {
        PerJoker sum{};
        for (int f = 1; f <= FaceCount; ++f) {
            const int more = hands.plus(hand, f);
            const PerJoker &v = hand >= FirstFive ? next[more - FirstRoll] : keep[more];
            for (int j = 0; j < JokerLevels; ++j)
                sum[j] += v[j];
        }
        for (int j = 0; j < JokerLevels; ++j)
            keep[hand][j] = sum[j] / FaceCount;
    }
}

// Five dice and a sixth thrown again by a joker, `jokers` left after it.
void expectJoker(const RollValues &value, int jokers, JokerValues &joker)
{
    const Hands &hands = Hands::instance();
    for (int five = FirstFive; five < FirstRoll; ++five) {
        double sum = 0;
        for (int f = 1; f <= FaceCount; ++f)
            sum += value[hands.plus(five, f) - FirstRoll][jokers];
        joker[five - FirstFive][jokers] = sum / FaceCount;
    }
}

} // namespace

double TurnSolution::enterValue(int roll, int category, int jokers) const
{
    return entryValue(m_outcomes, roll, category, jokers);
}

double TurnSolution::jokerValue(int roll, int face, int throwNo, int jokers) const
{
    const int five = Hands::instance().minus(FirstRoll + roll, face);
    return m_joker[throwNo - 1][five - FirstFive][jokers - 1];
}

void TurnSolution::solve(const Outcomes &outcomes, int fromThrow, int jokers)
{
    const Hands &hands = Hands::instance();
    m_outcomes = outcomes;
    fromThrow = std::max(fromThrow, 1);

    RollValues enter;
    for (int roll = 0; roll < RollCount; ++roll) {
        PerJoker best;
        best.fill(Nothing);
        for (int c = 1; c <= CategoryCount; ++c) {
            if (!isOpen(c))
                continue;
            const double points = hands.score(c, roll);
            const PerJoker &next = outcomes.next[c][hands.slot(c, roll)];
            for (int j = 0; j < JokerLevels; ++j)
                best[j] = std::max(best[j], points + next[j]);
        }
        const int extra = extraPoints(outcomes, roll);
        for (int j = 0; j < JokerLevels; ++j)
            enter[roll][j] = best[j] + extra;
    }

    KeepValues bestKeep; // the best hand to hold among those inside each hand
    for (int throwNo = ThrowsPerTurn; throwNo >= fromThrow; --throwNo) {
        RollValues &value = m_value[throwNo - 1];
        if (throwNo == ThrowsPerTurn) {
            value = enter;
        } else {
            KeepValues &keep = m_keep[throwNo - 1];
            expectKeeps(m_value[throwNo], keep);
            for (int hand = 0; hand < FirstRoll; ++hand) {
                PerJoker best = keep[hand];
                for (int f : hands.faces(hand)) {
                    if (f == 0)
                        break;
                    const PerJoker &inner = bestKeep[hands.minus(hand, f)];
                    for (int j = 0; j < JokerLevels; ++j)
                        best[j] = std::max(best[j], inner[j]);
                }
                bestKeep[hand] = best;
            }
            for (int roll = 0; roll < RollCount; ++roll) {
                PerJoker best = enter[roll];
                for (int f : hands.faces(FirstRoll + roll)) {
                    if (f == 0)
                        break;
                    const PerJoker &held = bestKeep[hands.minus(FirstRoll + roll, f)];
                    for (int j = 0; j < JokerLevels; ++j)
                        best[j] = std::max(best[j], held[j]);
                }
                value[roll] = best;
            }
        }
        // A joker leaves one fewer, so each level of jokers builds on the one below.
        JokerValues &joker = m_joker[throwNo - 1];
        for (int j = 1; j <= jokers; ++j) {
            expectJoker(value, j - 1, joker);
            for (int roll = 0; roll < RollCount; ++roll) {
                double best = value[roll][j];
                for (int f : hands.faces(FirstRoll + roll)) {
                    if (f == 0)
                        break;
                    best = std::max(best, joker[hands.minus(FirstRoll + roll, f) - FirstFive][j - 1]);
                }
                value[roll][j] = best;
            }
        }
    }

    m_start.fill(0);
    if (fromThrow > 1)
        return;
    for (int roll = 0; roll < RollCount; ++roll)
        for (int j = 0; j < JokerLevels; ++j)
            m_start[j] += hands.rollChance(roll) * m_value[0][roll][j];
}

Choice TurnSolution::bestEntry(int roll, int jokers) const
{
    Choice entry{Move::Enter, 0, 0, 0, Nothing};
    for (int c = 1; c <= CategoryCount; ++c) {
        if (!isOpen(c))
            continue;
        const double v = enterValue(roll, c, jokers);
        if (v > entry.value) {
            entry.category = c;
            entry.value = v;
        }
    }
    return entry;
}

Choice TurnSolution::bestJoker(int roll, int throwNo, int jokers) const
{
    Choice joker{Move::Joker, 0, 0, 0, Nothing};
    for (int f : Hands::instance().faces(FirstRoll + roll)) {
        if (f == 0 || jokers == 0)
            break;
        const double v = jokerValue(roll, f, throwNo, jokers);
        if (v > joker.value) {
            joker.face = f;
            joker.value = v;
        }
    }
    return joker;
}

Choice TurnSolution::best(int roll, int throwNo, int jokers) const
{
    Choice hold{Move::Throw, 0, 0, 0, Nothing};
    if (throwNo < ThrowsPerTurn) {
        // Hands come in rising order, so the first of equal ones is the lowest.
        for (int keep : Hands::instance().keeps(roll)) {
            const double v = keepValue(keep, throwNo, jokers);
            if (v > hold.value) {
                hold.keep = keep;
                hold.value = v;
            }
        }
    }
    return better(better(bestEntry(roll, jokers), hold), bestJoker(roll, throwNo, jokers));
}

PerJoker TurnSolution::evaluate(const Outcomes &truth) const
{
    const Hands &hands = Hands::instance();
    auto value = std::make_unique<std::array<RollValues, ThrowsPerTurn>>();
    auto keep = std::make_unique<KeepValues>();
    auto joker = std::make_unique<JokerValues>();
    // The hand best() holds among those inside each hand: the highest value, of
    // equal ones the lowest hand; and its value.
    auto chosen = std::make_unique<std::array<std::array<std::int16_t, JokerLevels>, FirstRoll>>();
    // The entry best() makes does not depend on the throw.
    auto entries = std::make_unique<std::array<std::array<Choice, JokerLevels>, RollCount>>();
    for (int roll = 0; roll < RollCount; ++roll)
        for (int j = 0; j < JokerLevels; ++j)
            (*entries)[roll][j] = bestEntry(roll, j);
    for (int throwNo = ThrowsPerTurn; throwNo >= 1; --throwNo) {
        RollValues &now = (*value)[throwNo - 1];
        if (throwNo < ThrowsPerTurn) {
            expectKeeps((*value)[throwNo], *keep);
            const KeepValues &worth = m_keep[throwNo - 1];
            for (int hand = 0; hand < FirstRoll; ++hand) {
                for (int j = 0; j < JokerLevels; ++j) {
                    int best = hand;
                    for (int f : hands.faces(hand)) {
                        if (f == 0)
                            break;
                        const int inner = (*chosen)[hands.minus(hand, f)][j];
                        if (worth[inner][j] > worth[best][j] || (worth[inner][j] == worth[best][j] && inner < best))
                            best = inner;
                    }
                    (*chosen)[hand][j] = static_cast<std::int16_t>(best);
                }
            }
        }
        for (int j = 0; j < JokerLevels; ++j) {
            if (j > 0)
                expectJoker(now, j - 1, *joker);
            for (int roll = 0; roll < RollCount; ++roll) {
                Choice hold{Move::Throw, 0, 0, 0, Nothing};
                for (int f : hands.faces(FirstRoll + roll)) {
                    if (f == 0 || throwNo == ThrowsPerTurn)
                        break;
                    const int inner = (*chosen)[hands.minus(FirstRoll + roll, f)][j];
                    const double v = keepValue(inner, throwNo, j);
                    if (v > hold.value || (v == hold.value && inner < hold.keep))
                        hold = Choice{Move::Throw, 0, inner, 0, v};
                }
                const Choice choice = better(better((*entries)[roll][j], hold), bestJoker(roll, throwNo, j));
                switch (choice.move) {
                case Move::Enter:
                    now[roll][j] = entryValue(truth, roll, choice.category, j);
                    break;
                case Move::Throw:
                    now[roll][j] = (*keep)[choice.keep][j];
                    break;
                case Move::Joker:
                    now[roll][j] = (*joker)[hands.minus(FirstRoll + roll, choice.face) - FirstFive][j - 1];
                    break;
                }
            }
        }
    }
    PerJoker start{};
    for (int roll = 0; roll < RollCount; ++roll)
        for (int j = 0; j < JokerLevels; ++j)
            start[j] += hands.rollChance(roll) * (*value)[0][roll][j];
    return start;
}

} // namespace korbo::strategy
