#include "BestPlay.h"
#include "Advisor.h"
#include "Recorders.h"
#include "Solitaire.h"
#include "Scoring.h"
#include "ValueTable.h"

#include <numeric>
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <unordered_map>
#include <vector>

using namespace korbo;
using namespace korbo::strategy;

namespace {

using Dice = std::vector<int>; // faces in rising order

std::uint16_t openOnly(std::initializer_list<int> categories)
{
    std::uint16_t filled = Sheet::AllFilled;
    for (int c : categories)
        filled &= static_cast<std::uint16_t>(~Sheet::bit(c));
    return filled;
}

// The best play of a turn by plain enumeration, written from the rules and nothing
// else: dice in rising order, holds as sets of dice, every ordered throw of the dice
// that are thrown, a joker on each die in turn.
class Enumeration {
public:
    explicit Enumeration(const Sheet &sheet) : m_sheet(sheet) {}

    double start(int jokers) { return expectation(Dice{}, 1, jokers); }

    double best(const Dice &dice, int throwNo, int jokers)
    {
        double &memo = m_best[key(dice, throwNo, jokers)];
        if (memo != 0)
            return memo - 1;
        double best = -1;
        for (int c = 1; c <= CategoryCount; ++c)
            if (m_sheet.isOpen(c))
                best = std::max(best, enter(dice, c, jokers));
        for (int held = 0; throwNo < ThrowsPerTurn && held < (1 << DiceCount) - 1; ++held)
            best = std::max(best, hold(dice, held, throwNo, jokers));
        for (int d = 0; jokers > 0 && d < DiceCount; ++d)
            best = std::max(best, joker(dice, d, throwNo, jokers));
        memo = best + 1;
        return best;
    }

    // What the engine's action is worth here.
    double value(const Dice &dice, int throwNo, int jokers, const Action &action)
    {
        if (action.move == Move::Enter)
            return enter(dice, action.category, jokers);
        if (action.move == Move::Joker)
            return joker(dice, action.die >= 1 && action.die <= DiceCount ? action.die - 1 : -1, throwNo, jokers);
        int held = 0;
        for (int d = 1; d <= DiceCount; ++d)
            held |= action.hold[d] ? 1 << (d - 1) : 0;
        return hold(dice, held, throwNo, jokers);
    }

private:
    // Every throw of `count` dice, each with the number of orders it comes in.
    static const std::map<Dice, int> &throws(int count)
    {
        static std::map<Dice, int> all[DiceCount + 1];
        const int orders = int(std::pow(FaceCount, count));
        for (int code = all[count].empty() ? 0 : orders; code < orders; ++code) {
            Dice dice;
            for (int i = 0, c = code; i < count; ++i, c /= FaceCount)
                dice.push_back(c % FaceCount + 1);
            std::sort(dice.begin(), dice.end());
            ++all[count][dice];
        }
        return all[count];
    }

    // The mean of the best play after throwing all but `kept`.
    double expectation(const Dice &kept, int throwNo, int jokers)
    {
        double sum = 0, orders = 0;
        for (const auto &[thrown, count] : throws(DiceCount - int(kept.size()))) {
            Dice dice = kept;
            dice.insert(dice.end(), thrown.begin(), thrown.end());
            std::sort(dice.begin(), dice.end());
            sum += count * best(dice, throwNo, jokers);
            orders += count;
        }
        return sum / orders;
    }

    static std::uint32_t key(const Dice &dice, int throwNo, int jokers, bool kept = false)
    {
        std::uint32_t k = 0;
        for (int f : dice)
            k = k * 8 + f;
        return ((k * 8 + throwNo) * 4 + jokers) * 2 + kept;
    }

    double enter(const Dice &dice, int category, int jokers)
    {
        DiceArray faces{};
        std::copy(dice.begin(), dice.end(), faces.begin() + 1);
        const int points = ScoreCategory(faces, category).score;
        const bool sixOfAKind = dice.front() == dice.back();
        Sheet next = m_sheet;
        next.filled |= Sheet::bit(category);
        int gained = points + (m_sheet.korboScored && sixOfAKind ? 60 : 0);
        if (category <= Sixes) {
            next.upperSum += points;
            gained += m_sheet.upperSum < 80 && next.upperSum >= 80 ? 40 : 0;
        }
        if (category == Korbo)
            next.korboScored = points > 0;
        if (next.isFull())
            return gained;
        const int upperOpen = (~next.filled) & 0x3f;
        auto &after = m_next[(next.filled * 128 + (upperOpen ? next.upperSum : 0)) * 2 + next.korboScored];
        if (!after)
            after = std::make_unique<Enumeration>(next);
        return gained + after->start(jokers);
    }

    double hold(const Dice &dice, int held, int throwNo, int jokers)
    {
        Dice kept;
        for (int d = 0; d < DiceCount; ++d)
            if (held & (1 << d))
                kept.push_back(dice[d]);
        double &memo = m_best[key(kept, throwNo, jokers, true)];
        if (memo == 0)
            memo = expectation(kept, throwNo + 1, jokers) + 1;
        return memo - 1;
    }

    double joker(const Dice &dice, int die, int throwNo, int jokers)
    {
        if (die < 0)
            return -1;
        double sum = 0;
        for (int f = 1; f <= FaceCount; ++f) {
            Dice next = dice;
            next[die] = f;
            std::sort(next.begin(), next.end());
            sum += best(next, throwNo, jokers - 1);
        }
        return sum / FaceCount;
    }

    Sheet m_sheet;
    std::unordered_map<std::uint32_t, double> m_best; // value + 1, 0 while unknown
    std::unordered_map<int, std::unique_ptr<Enumeration>> m_next;
};

TEST(Strategy, PlaysTurnsAsWellAsPlainEnumeration)
{
    const struct { std::uint16_t filled; int upperSum; bool korboScored; const char *guards; } sheets[] = {
        {openOnly({Korbo}), 0, false, "holding, throwing, and jokers at every point of the turn"},
        {openOnly({Sixes}), 44, false, "the bonus at 80 exactly: only six sixes reach it"},
        {openOnly({Ones}), 79, true, "any six of a kind adds 60 to a Korbo that scored; one 1 earns the bonus"},
        {openOnly({Ones}), 0, false, "a Korbo entered as 0 earns nothing more"},
        {openOnly({Twins, Flush}), 0, true, "an entry leads to the next turn with the jokers left"},
        {openOnly({Fives, Korbo}), 60, false, "an upper entry moves the sum; a Korbo entry decides the extra"},
    };
    const Hands &hands = Hands::instance();
    for (const auto &row : sheets) {
        SCOPED_TRACE(row.guards);
        const Sheet sheet{row.filled, row.upperSum, row.korboScored};
        const ExactValues values = ExactValues::compute(sheet.filled, 1);
        const TurnPlanner planner(values, sheet, 0);
        Enumeration enumeration(sheet);
        for (int jokers = 0; jokers <= JokersPerGame; ++jokers)
            EXPECT_NEAR(planner.best(Position{{}, {}, 0, jokers}).expected, enumeration.start(jokers), 1e-9);

        int worse = 0;
        for (int roll = 0; roll < RollCount; ++roll) {
            const DiceArray faces = hands.dice(roll);
            const Dice dice(faces.begin() + 1, faces.end());
            for (int throwNo = 1; throwNo <= ThrowsPerTurn; ++throwNo)
                for (int jokers = 0; jokers <= JokersPerGame; ++jokers) {
                    Position position{faces, {}, throwNo, jokers};
                    position.diceToThrow.fill(true);
                    const Advice advice = planner.best(position);
                    const double best = enumeration.best(dice, throwNo, jokers);
                    const double chosen = enumeration.value(dice, throwNo, jokers, advice.action);
                    worse += std::abs(advice.expected - best) > 1e-9 || std::abs(chosen - best) > 1e-9
                        || std::abs(planner.expected(position, advice.action) - best) > 1e-9;
                }
        }
        EXPECT_EQ(worse, 0) << "positions where the engine's choice, or what it says the choice is worth, is not the best";
    }
}

TEST(Strategy, PlaysOnlyMovesTheRulesAllow)
{
    // Guards best play asking for a move the game's rules refuse (a fifth throw, a throw
    // with every die held, a joker with none left, an entry in a filled category) in a
    // thousand seeded games, each decision worked out afresh as the game asks.
    const auto table = ValueTable::load(korbo::test::builtStrategyTable());
    ASSERT_TRUE(table);
    for (std::uint32_t seed = 1; seed <= 1000; ++seed)
        for (SolitaireGame game(*table, seed); !game.over();)
            ASSERT_TRUE(game.play(advise(*table, game.state(), SolitaireGame::Player).action)) << "game " << seed;
}

TEST(StrategyTable, RefusesATableMadeForOtherRulesOrDamaged)
{
    const struct { std::uint64_t version; qint64 damagedAt; bool loads; const char *guards; } rows[] = {
        {ValueTable::rulesVersion(), -1, true, "a table for these rules is taken"},
        {ValueTable::rulesVersion() + 1, -1, false, "a table for other rules is refused"},
        {ValueTable::rulesVersion(), 1'000'000, false, "a table with its header right but a value changed is refused"},
        {ValueTable::rulesVersion(), 28, false, "a table for another number of jokers a game is refused"},
    };
    const ValueTable table = ValueTable::rounded(ExactValues::compute(openOnly({Korbo}), 1));
    QTemporaryDir dir;
    for (const auto &row : rows) {
        SCOPED_TRACE(row.guards);
        const QString path = dir.filePath(QStringLiteral("table.bin"));
        ASSERT_TRUE(table.save(path, row.version));
        if (row.damagedAt >= 0) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.seek(row.damagedAt));
            const char byte = file.peek(1).at(0);
            file.write(QByteArray(1, char(byte ^ 0x10)));
        }
        EXPECT_EQ(ValueTable::load(path) != nullptr, row.loads);
    }
}

} // namespace

namespace {

TEST(Strategy, TheShippedFiguresOfBestPlayAgreeWithTheTable)
{
    // Guards figures made under other rules, by a faulty simulation, or read wrongly:
    // their mean lies within three standard errors of what the table says best play
    // reaches from an empty sheet, each game is in the histogram, and the categories'
    // averages with the bonus add up to the mean.
    const auto table = ValueTable::load(korbo::test::builtStrategyTable());
    ASSERT_TRUE(table);
    const BestPlay &best = BestPlay::shipped();
    ASSERT_GT(best.games, 1);
    const double exact = table->value(SheetSpace::instance().indexOf(Sheet{}), JokersPerGame);
    EXPECT_NEAR(best.mean, exact, 3 * best.deviation / std::sqrt(best.games));
    EXPECT_EQ(std::accumulate(best.histogram.begin(), best.histogram.end(), 0), best.games);
    EXPECT_NEAR(std::accumulate(best.categoryAverage.begin() + 1, best.categoryAverage.end(),
                                best.bonusRate * UpperBonusPoints),
                best.mean, 0.01);
}

} // namespace
