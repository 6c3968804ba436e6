// Hints and the coach: best play told on positions whose answer is known by hand,
// costs that are the engine's own numbers, and silence when the coach is off.
#include "Advisor.h"
#include "Recorders.h"
#include "Scoring.h"

#include <gtest/gtest.h>

using namespace korbo;
using namespace korbo::test;

namespace {

struct Coach : ::testing::Test {
    TestGame t{7};
    Game &g = t.game;
    std::shared_ptr<const strategy::ValueTable> table = strategy::ValueTable::load(builtStrategyTable());
    QStringList lines;

    void SetUp() override
    {
        ASSERT_TRUE(table) << qPrintable(builtStrategyTable());
        g.setStrategyValues(table);
        setOption(g, &OptionValues::animationValue, 0);
        g.setTestDiceMode(true);
        QObject::connect(&g.board, &Board::announceChanged, &g.board, [this] { lines << g.board.announce(); });
        t.name({QStringLiteral("Ann")});
        t.run(g.throwDice()); // the game starts
    }
    double expectedAfter(const strategy::Action &action) const
    {
        const strategy::TurnPlanner planner(*table, g.state(), 1);
        return planner.expected(strategy::Position::of(g.state(), 1), action);
    }
};

TEST_F(Coach, HintNamesTheBestActionAndMarksIt)
{
    // What each row guards: the hint reads the dice on the board, marks the category
    // it names, and changes nothing of the game.
    const struct { const char *dice; int category; const char *says; } rows[] = {
        {"666666", Korbo, "Enter Korbo: "}, {"123456", Flush, "Enter Flush: "},
    };
    for (const auto &row : rows) {
        t.throwAs(row.dice);
        const GameState before = g.state();
        t.run(g.showHint());
        EXPECT_TRUE(g.board.announce().startsWith(QLatin1String(row.says))) << qPrintable(g.board.announce());
        EXPECT_EQ(g.board.markedCategory(), row.category);
        EXPECT_TRUE(g.state().dice == before.dice && g.state().score == before.score);
        t.run(g.enterCategory(row.category));
        EXPECT_EQ(g.board.markedCategory(), 0); // gone with the next action
    }
    // Held dice that best play puts back: the hint names the dice that stay, and only those.
    t.throwAs("112345");
    t.run(g.toggleHold(1));
    t.run(g.toggleHold(2));
    t.throwAs("116666");
    t.run(g.showHint());
    EXPECT_TRUE(g.board.announce().startsWith(QLatin1String("Hold only 6 6 6 6 and throw: ")))
        << qPrintable(g.board.announce());
}

TEST_F(Coach, CostlyEntriesAreToldWithTheEnginesDifferenceAndAddedUp)
{
    // Guards the cost of an entry gone before it can be read (the next greeting took
    // its place), and a seat's losses overwritten rather than added up.
    g.setCoach(true);
    strategy::Action ones, korbo;
    ones.move = korbo.move = strategy::Move::Enter;
    ones.category = Ones;
    korbo.category = Korbo;
    double lost = 0;
    for (int entry : {Ones, Twos}) {
        ones.category = entry;
        t.throwAs("666666");
        const double cost = expectedAfter(korbo) - expectedAfter(ones);
        ASSERT_GT(cost, 1);
        lost += cost;
        t.run(g.enterCategory(entry));
        EXPECT_EQ(g.board.announce(), QStringLiteral("%1 cost Ann %2 points on average; Korbo was best. Off you go, Ann")
                                          .arg(categoryName(entry))
                                          .arg(cost, 0, 'f', 1));
        EXPECT_EQ(g.state().score[1][entry], 0); // the player's choice stands
    }
    EXPECT_DOUBLE_EQ(g.pointsLost(1), lost);
}

TEST_F(Coach, OffSaysNothingNewAndOnSumsUpTheGame)
{
    // A whole game of careless choices: the first open category after one throw.
    for (bool coach : {false, true}) {
        g.setCoach(coach);
        lines.clear();
        while (g.state().roundNo != 0) {
            t.throwAs("112346");
            int c = 1;
            while (g.state().score[1][c] != NotScored)
                ++c;
            t.run(g.enterCategory(c));
        }
        const bool told = !lines.filter(QStringLiteral(" points on average")).isEmpty();
        EXPECT_EQ(told, coach);
        EXPECT_EQ(g.sheet().summary().isEmpty(), !coach);
        t.run(g.throwDice()); // the next game
    }
    EXPECT_TRUE(g.sheet().summary().isEmpty()); // a new game starts without the last one's
}

} // namespace
