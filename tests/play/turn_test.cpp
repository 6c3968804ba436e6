#include "Paths.h"
#include "Recorders.h"

#include <gtest/gtest.h>


using namespace korbo;
using namespace korbo::test;

namespace {

struct Turn : ::testing::Test {
    TestGame t{11};
    Game &g = t.game;

    void startGame()
    {
        t.name({QStringLiteral("Red"), QStringLiteral("Blue"), QStringLiteral("Green")});
        t.run(g.throwDice());
    }
    void throwDice() { t.run(g.throwDice()); }
};

TEST_F(Turn, ANewGameKeepsNothingOfTheLastButEachSeatsDiceStyle)
{
    g.options.diceStyle = StyleRainbow;
    g.state.playerDiceStyle[2] = StylePhoto; // chosen in an earlier game
    g.state.dice = {0, 3, 3, 3, 3, 3, 3};
    g.state.score[1][Sixes] = 36;
    g.state.jokers[MaxPlayers] = 0;
    startGame();
    EXPECT_EQ(g.state.throwNo, 0);
    EXPECT_EQ(g.state.score[1][Sixes], NotScored);
    EXPECT_TRUE(t.host.printEnabled);
    for (int p = 1; p <= MaxPlayers; ++p) {
        EXPECT_EQ(g.state.jokers[p], JokersPerGame) << p; // slots beyond the players too
        EXPECT_EQ(g.state.playerDiceStyle[p], p == 2 ? StylePhoto : StyleRainbow) << p;
    }
    for (int d = 1; d <= DiceCount; ++d)
        EXPECT_TRUE(g.state.dice[d] == 0 && g.state.diceToThrow[d] && !g.board.die(d).visible) << d;
    for (int k = 1; k <= JokersPerGame; ++k)
        EXPECT_TRUE(g.board.jokerVisible(k));

    // The next game keeps each slot's style even though the options now say otherwise.
    g.options.diceStyle = StyleUserDefined;
    g.state.roundNo = 0;
    t.run(g.NewGame());
    EXPECT_EQ(g.state.playerDiceStyle[1], StyleRainbow);
    EXPECT_EQ(g.state.playerDiceStyle[2], StylePhoto);
}

TEST_F(Turn, NewGameWithoutPlayersAsksForThemAndStartsNothingWhenLeftEmpty)
{
    t.run(g.throwDice());
    EXPECT_EQ(t.host.playersDialogs, 1);
    EXPECT_EQ(g.state.roundNo, 0);
    t.host.names = {QStringLiteral("Solo")};
    g.options.autoThrowValue = 1; // Auto 1st Throw: the turn starts with its first throw
    t.run(g.newGame());
    EXPECT_EQ(t.host.playersDialogs, 2);
    EXPECT_TRUE(g.state.roundNo == 1 && g.state.throwNo == 1 && !g.state.busy);
    EXPECT_EQ(g.board.title(), QStringLiteral("Solo's 1st turn"));
    EXPECT_EQ(g.board.throwCaption(), QStringLiteral("2nd Throw"));
}

TEST(TurnTitle, OrdinalsAndTheLastGo)
{
    const std::pair<int, const char *> rounds[] = {
        {1, "1st turn"}, {2, "2nd turn"}, {3, "3rd turn"}, {4, "4th turn"},
        {11, "11th turn"}, {12, "12th turn"}, {13, "13th turn"}, {14, "last go"},
    };
    for (auto [round, text] : rounds)
        EXPECT_EQ(Game::turnText(round), QLatin1String(text));
}

TEST_F(Turn, CaptionsPromptsAndTicksFollowTheThrows)
{
    const struct { const char *caption; const char *prompt; bool enabled; } after[] = {
        {"2nd Throw", "Sort your dice and throw again, Red", true},
        {"3rd Throw", "Have another throw, Red", true},
        {"4th Throw", "One more throw left on this go, Red", true},
        {"Finished", "Throwing over Red, choose your catagory", false},
    };
    g.options.sound = SoundChoice::Off;
    for (bool animate : {false, true}) {
        g.options.animationValue = animate;
        g.state.roundNo = 0;
        startGame();
        for (int n = 0; n < 4; ++n) {
            const auto before = g.clock.ticksWaited();
            throwDice();
            EXPECT_TRUE(!animate || n > 0 || g.clock.ticksWaited() - before == 85) << "an animated first throw's ticks";
            EXPECT_EQ(g.state.throwNo, n + 1);
            EXPECT_EQ(g.board.throwCaption(), QLatin1String(after[n].caption));
            EXPECT_EQ(g.state.promptText, QLatin1String(after[n].prompt));
            EXPECT_EQ(g.board.throwEnabled(), after[n].enabled);
            // The prompt reaches the line only when the mouse crosses the background.
            EXPECT_EQ(g.board.announce(), QStringLiteral("Off you go, Red"));
            for (int d = 1; d <= DiceCount; ++d)
                EXPECT_TRUE(g.state.dice[d] >= 1 && g.state.dice[d] <= 6 && g.board.die(d).face == g.state.dice[d]
                            && g.board.die(d).visible) << d;
        }
        g.showPrompt();
        EXPECT_EQ(g.board.announce(), QStringLiteral("Throwing over Red, choose your catagory"));
    }
}

TEST_F(Turn, RightClickMovesOnlySameFaceDiceOnTheSameSide)
{
    g.options.animationValue = 0;
    t.host.testDice = QStringLiteral("414244");
    g.setTestDiceMode(true);
    startGame();
    throwDice();
    t.run(g.ToggleDie(6)); // one 4 already held
    t.run(g.moveFace(1));
    // dice 1, 3 and 5 (fours in the tray) go to the held row; 2 and 4 stay; 6 stays held
    const bool toThrow[] = {false, false, true, false, true, false, false};
    for (int d = 1; d <= DiceCount; ++d)
        EXPECT_EQ(g.state.diceToThrow[d], toThrow[d]) << d;
    t.run(g.moveFace(6)); // the held fours come back up together
    for (int d : {1, 3, 5, 6})
        EXPECT_TRUE(g.state.diceToThrow[d]) << d;
}

// Unanimated throws once landed in the held row. Each round throws, holds a die and
// frees it, and plays two jokers, with and without animation by turns.
TEST_F(Turn, DiceLandWhereTheyBelongWhenThrownHeldAndRethrownByAJoker)
{
    const auto inArea = [](int top) { return top >= paths::JokerPeak && geometry::inThrowingArea(top); }; // JokerPeak: its top
    startGame();
    for (int round = 0; round < 150; ++round) {
        const bool animate = round % 2;
        g.options.animationValue = animate;
        g.state.jokers[1] = JokersPerGame;
        t.run(g.StartTurn());
        throwDice();
        for (int d = 1; d <= DiceCount; ++d)
            EXPECT_TRUE(inArea(g.board.die(d).top)) << "thrown: " << g.board.die(d).top;
        const DiceArray before = g.state.dice;
        t.run(g.ToggleDie(3));
        EXPECT_EQ(g.board.die(3).top, geometry::HeldTop);
        t.run(g.ToggleDie(3));
        EXPECT_TRUE(g.state.diceToThrow[3] && inArea(g.board.die(3).top)) << "held and freed: " << g.board.die(3).top;
        t.run(g.ToggleDie(5));
        const int top = g.board.die(2).top;
        t.run(g.playJoker(2, 3));
        t.run(g.playJoker(5, 2));
        // Unanimated a joker's die stays where it lay; animated it lands in the tray,
        // and a held die goes back to its row.
        EXPECT_TRUE(animate ? inArea(g.board.die(2).top) : g.board.die(2).top == top) << g.board.die(2).top;
        EXPECT_EQ(g.board.die(5).top, geometry::HeldTop);
        EXPECT_TRUE(g.state.diceToThrow[2] && !g.state.diceToThrow[5]);
        EXPECT_TRUE(g.board.die(2).visible && g.board.die(2).face == g.state.dice[2]);
        for (int d : {1, 3, 4, 6})
            EXPECT_EQ(g.state.dice[d], before[d]) << d;
        EXPECT_EQ(g.state.jokers[1], 1);
        EXPECT_FALSE(g.board.jokerVisible(3) || g.board.jokerVisible(2));
        EXPECT_EQ(g.state.throwNo, 1); // a joker is no throw
        EXPECT_EQ(g.board.throwCaption(), QStringLiteral("2nd Throw"));
    }
}

// A joker was once accepted while the game was busy.
TEST_F(Turn, JokerRefusedWhileBusyOrWithoutAToken)
{
    g.options.animationValue = 0;
    startGame();
    throwDice();
    const DiceArray dice = g.state.dice;
    g.state.busy = true;
    t.run(g.playJoker(1, 1));
    g.state.busy = false;
    EXPECT_EQ(g.state.jokers[1], 3);
    EXPECT_TRUE(g.board.jokerVisible(1));
    EXPECT_EQ(g.state.dice, dice);

    // A throw in progress is busy too: a drop during it is refused.
    auto throwing = g.throwDice();
    ASSERT_TRUE(g.state.busy);
    t.run(g.playJoker(1, 1));
    t.run(std::move(throwing));
    EXPECT_EQ(g.state.jokers[1], 3);

    t.run(g.playJoker(1, 1));
    EXPECT_EQ(g.state.jokers[1], 2);
    t.run(g.playJoker(1, 1)); // that token is gone
    EXPECT_EQ(g.state.jokers[1], 2);
}

TEST_F(Turn, EachThrowRattlesForTheDiceThrownAndAllHeldIsNoThrow)
{
    g.options.animationValue = 0;
    startGame();
    // Each row holds dice 1 up to `held`, then throws.
    const struct { int held; const char *played; int throwNo; } rows[] = {
        {0, "shake5", 1}, {1, "shake5", 2}, {DiceCount, "", 2}, {4, "shake3", 3}, {5, "shake1", 4},
    };
    for (const auto &r : rows) {
        for (int d = 1; d <= DiceCount; ++d)
            if (g.state.diceToThrow[d] == (d <= r.held))
                t.run(g.ToggleDie(d));
        const DiceArray dice = g.state.dice;
        t.sound.played.clear();
        throwDice();
        EXPECT_EQ(t.sound.played.join(QLatin1Char(' ')), QLatin1String(r.played)) << r.held << " held";
        EXPECT_EQ(g.state.throwNo, r.throwNo) << r.held << " held";
        EXPECT_TRUE(r.held < DiceCount || g.state.dice == dice) << "every die held, yet a die changed";
    }
    // Mute Dice and sound off keep a throw quiet; Zany rattles as the standard style does.
    const struct { int mute; SoundChoice sound; const char *played; } quiet[] = {
        {1, SoundChoice::On, ""}, {0, SoundChoice::Off, ""}, {0, SoundChoice::Zany, "shake5"},
    };
    for (const auto &q : quiet) {
        g.options.noThrowSoundsValue = static_cast<std::int16_t>(q.mute);
        g.options.sound = q.sound;
        t.run(g.StartTurn());
        t.sound.played.clear();
        throwDice();
        EXPECT_EQ(t.sound.played.join(QLatin1Char(' ')), QLatin1String(q.played)) << q.mute;
    }
}

} // namespace
