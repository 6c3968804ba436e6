#include "GameState.h"
#include "Scoring.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

using namespace korbo;

namespace {

struct Expectation {
    std::initializer_list<int> dice;
    int category;
    int score;
    bool bonus;
};

// Worked examples of the rules, which the reference below must give.
const Expectation kExamples[] = {
    {{1, 1, 1, 1, 1, 1}, Ones, 6, true},     {{1, 1, 1, 1, 1, 1}, Twins, 40, true},
    {{1, 1, 1, 1, 1, 1}, Triples, 40, true}, {{1, 1, 1, 1, 1, 1}, Odds, 17, true},
    {{1, 1, 1, 1, 1, 1}, Evens, 0, false},   {{1, 1, 1, 1, 1, 1}, Korbo, 60, true},
    {{2, 2, 2, 2, 5, 5}, Quad, 18, true},    {{2, 2, 2, 2, 5, 5}, Twins, 40, true}, // four of a kind: two pairs
    {{2, 2, 2, 2, 5, 5}, Triples, 15, false}, {{2, 2, 2, 2, 5, 5}, Sixes, 0, false},
    {{3, 3, 3, 5, 5, 5}, Triples, 40, true}, {{3, 3, 3, 5, 5, 5}, Twins, 20, false}, // three of a kind: one pair
    {{2, 2, 4, 4, 6, 6}, Evens, 34, true},   {{1, 2, 3, 4, 5, 6}, Flush, 50, true},
    {{1, 2, 3, 4, 5, 6}, Odds, 9, false},    {{1, 2, 3, 4, 5, 6}, PotLuck, 21, true},
    {{1, 2, 3, 4, 5, 5}, Flush, 35, false},  {{2, 3, 4, 5, 6, 6}, Flush, 35, false},
    {{1, 2, 3, 4, 6, 6}, Flush, 0, false},   {{4, 4, 4, 4, 4, 1}, Quad, 21, true}, // five of a kind: all six dice
    {{4, 4, 4, 4, 4, 1}, Triples, 15, false}, {{6, 6, 6, 6, 6, 5}, Korbo, 0, false},
};

// Reference rules written from the face counts alone, independent of the scans.
CategoryScore reference(const DiceArray &dice, int category)
{
    int n[7] = {};
    int total = 0;
    for (int d = 1; d <= 6; ++d) {
        ++n[dice[d]];
        total += dice[d];
    }
    const int most = *std::max_element(n + 1, n + 7);
    CategoryScore r;
    auto set = [&r](int score, bool bonus) {
        r.score = static_cast<Int16>(score);
        r.bonusFlag = bonus;
    };
    switch (category) {
    case Quad: if (most >= 4) set(total, true); break;
    case Twins: {
        int p = 0;
        for (int v = 1; v <= 6; ++v) p += n[v] / 2;
        set(p == 3 ? 40 : 10 * p, p == 3);
        break;
    }
    case Triples: {
        int s = 0;
        for (int v = 1; v <= 6; ++v) s += n[v] / 3;
        set(s == 2 ? 40 : 15 * s, s == 2);
        break;
    }
    case Odds: set(n[1] + 3 * n[3] + 5 * n[5] + (n[1] + n[3] + n[5] == 6 ? 11 : 0), n[1] + n[3] + n[5] == 6); break;
    case Evens: set(2 * n[2] + 4 * n[4] + 6 * n[6] + (n[2] + n[4] + n[6] == 6 ? 10 : 0), n[2] + n[4] + n[6] == 6); break;
    case Flush: {
        const bool low = n[1] && n[2] && n[3] && n[4] && n[5];
        const bool high = n[2] && n[3] && n[4] && n[5] && n[6];
        if (low && n[6]) set(50, true);
        else if (low || high) set(35, false);
        break;
    }
    case PotLuck: set(total, true); break;
    case Korbo: if (most == 6) set(60, true); break;
    default: set(category * n[category], n[category] > 0); break;
    }
    return r;
}

TEST(Scoring, EveryThrowAgreesWithTheRulesInEveryOrder)
{
    for (const auto &e : kExamples) {
        DiceArray dice{};
        std::copy(e.dice.begin(), e.dice.end(), dice.begin() + 1);
        const CategoryScore want = reference(dice, e.category);
        ASSERT_TRUE(want.score == e.score && want.bonusFlag == e.bonus) << "example " << e.category << " of the reference";
    }
    // All 6^6 ordered throws: each score depends only on the multiset of faces, and
    // matches the rules stated as face counts.
    DiceArray dice{};
    for (int code = 0; code < 46656; ++code) {
        int c = code;
        for (int d = 1; d <= 6; ++d, c /= 6)
            dice[d] = static_cast<Int16>(c % 6 + 1);
        const QString key = BuildDiceString(dice);
        for (int cat = 1; cat <= CategoryCount; ++cat) {
            const CategoryScore s = ScoreCategory(dice, cat), want = reference(dice, cat);
            ASSERT_TRUE(s.score == want.score && s.bonusFlag == want.bonusFlag)
                << "category " << cat << " dice " << key.toStdString() << ": " << s.score << " for " << want.score;
        }
    }
}

TEST(Scoring, UpperBonusAndSubtotal)
{
    const struct { std::map<int, int> entries; int bonus, subtotal; } cases[] = { // entries: category -> score
        {{{Sixes, 30}, {Fives, 25}, {Fours, 20}, {Ones, 5}}, 40, 80}, // two still open
        {{{Sixes, 30}, {Fives, 25}, {Fours, 20}, {Ones, 4}}, -1, 79},
        {{{Ones, 4}, {Twos, 8}, {Threes, 12}, {Fours, 16}, {Fives, 15}, {Sixes, 24}}, 0, 79},
        {{{Ones, 0}}, -1, 0},
    };
    for (const auto &c : cases) {
        GameState state;
        for (auto [cat, s] : c.entries)
            state.score[2][cat] = static_cast<Int16>(s);
        EXPECT_EQ(UpperBonus(state, 2), c.bonus);
        EXPECT_EQ(UpperSubtotal(state, 2), c.subtotal);
    }
}

} // namespace
