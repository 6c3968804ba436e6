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
    void freshGame() // the game in progress stopped, a new one started
    {
        t.host.answerStop = true;
        t.run(g.stopGame());
        t.run(g.newGame());
    }
};

TEST_F(Turn, ANewGameKeepsNothingOfTheLastButEachSeatsDiceStyle)
{
    // An earlier game: Blue takes another style in its turn, dice are thrown, a score
    // entered and a joker played.
    setOption(g, &OptionValues::diceStyle, StyleRainbow);
    setOption(g, &OptionValues::animationValue, 0);
    startGame();
    t.run(g.throwDice());
    t.run(g.enterCategory(Sixes));
    setOption(g, &OptionValues::diceStyle, StylePhoto);
    g.showOptions();
    t.run(g.throwDice());
    t.run(g.playJoker(1));
    freshGame();
    EXPECT_TRUE(g.state().throwNo == 0 && g.state().score[1][Sixes] == NotScored && t.host.printEnabled);
    for (int p = 1; p <= MaxPlayers; ++p) {
        EXPECT_EQ(g.state().jokers[p], JokersPerGame) << p; // slots beyond the players too
        EXPECT_EQ(g.diceStyleOf(p), p == 2 ? StylePhoto : StyleRainbow) << p;
    }
    for (int d = 1; d <= DiceCount; ++d)
        EXPECT_TRUE(g.state().dice[d] == 0 && g.state().diceToThrow[d] && !g.board.die(d).visible) << d;
    for (int k = 1; k <= JokersPerGame; ++k)
        EXPECT_TRUE(g.board.jokerVisible(k));

    // The next game keeps each slot's style even though the options now say otherwise;
    // with Auto 1st Throw its first turn starts with a throw.
    setOption(g, &OptionValues::diceStyle, StyleUserDefined);
    setOption(g, &OptionValues::autoThrowValue, 1);
    freshGame();
    EXPECT_TRUE(g.state().throwNo == 1 && g.diceStyleOf(1) == StyleRainbow && g.diceStyleOf(2) == StylePhoto);
}

// Unanimated throws once landed in the held row. Each round throws, holds a die and
// frees it, and plays two jokers, with and without animation by turns.
TEST_F(Turn, DiceLandWhereTheyBelongWhenThrownHeldAndRethrownByAJoker)
{
    const auto inArea = [](int top) { return top >= paths::JokerPeak && geometry::inThrowingArea(top); }; // JokerPeak: its top
    startGame();
    for (int round = 0; round < 150; ++round) {
        const bool animate = round % 2;
        setOption(g, &OptionValues::animationValue, animate);
        freshGame();
        t.run(g.throwDice());
        for (int d = 1; d <= DiceCount; ++d)
            EXPECT_TRUE(inArea(g.board.die(d).top)) << "thrown: " << g.board.die(d).top;
        const DiceArray before = g.state().dice;
        t.run(g.toggleHold(3));
        EXPECT_EQ(g.board.die(3).top, geometry::HeldTop);
        t.run(g.toggleHold(3));
        EXPECT_TRUE(g.state().diceToThrow[3] && inArea(g.board.die(3).top)) << "held and freed: " << g.board.die(3).top;
        t.run(g.toggleHold(5));
        const int top = g.board.die(2).top;
        t.run(g.playJoker(2, 3));
        t.run(g.playJoker(5, 2));
        // Unanimated a joker's die stays where it lay; animated it lands in the tray,
        // and a held die goes back to its row.
        EXPECT_TRUE(animate ? inArea(g.board.die(2).top) : g.board.die(2).top == top) << g.board.die(2).top;
        EXPECT_EQ(g.board.die(5).top, geometry::HeldTop);
        EXPECT_TRUE(g.state().diceToThrow[2] && !g.state().diceToThrow[5] && g.board.die(2).visible
                    && g.board.die(2).face == g.state().dice[2]);
        for (int d : {1, 3, 4, 6})
            EXPECT_EQ(g.state().dice[d], before[d]) << d;
        EXPECT_TRUE(g.state().jokers[1] == 1 && !g.board.jokerVisible(3) && !g.board.jokerVisible(2));
        EXPECT_EQ(g.state().throwNo, 1); // a joker is no throw
    }
}

// A joker was once accepted while the game was busy.
TEST_F(Turn, JokerRefusedWhileBusyOrWithoutAToken)
{
    setOption(g, &OptionValues::animationValue, 0);
    startGame();
    t.run(g.throwDice());
    // A throw in progress is busy: a drop during it is refused.
    auto throwing = g.throwDice();
    ASSERT_TRUE(g.busy());
    t.run(g.playJoker(1, 1));
    t.run(std::move(throwing));
    EXPECT_EQ(g.state().jokers[1], 3);

    t.run(g.playJoker(1, 1));
    EXPECT_EQ(g.state().jokers[1], 2);
    t.run(g.playJoker(1, 1)); // that token is gone
    EXPECT_EQ(g.state().jokers[1], 2);
}

TEST_F(Turn, EachThrowRattlesForTheDiceThrownAndAllHeldIsNoThrow)
{
    setOption(g, &OptionValues::animationValue, 0);
    startGame();
    // Each row holds dice 1 up to `held`, then throws.
    const struct { int held; const char *played; int throwNo; } rows[] = {
        {0, "shake5", 1}, {1, "shake5", 2}, {DiceCount, "", 2}, {4, "shake3", 3}, {5, "shake1", 4},
    };
    for (const auto &r : rows) {
        for (int d = 1; d <= DiceCount; ++d)
            if (g.state().diceToThrow[d] == (d <= r.held))
                t.run(g.toggleHold(d));
        const DiceArray dice = g.state().dice;
        t.sound.played.clear();
        t.run(g.throwDice());
        EXPECT_EQ(t.sound.played.join(QLatin1Char(' ')), QLatin1String(r.played)) << r.held << " held";
        EXPECT_EQ(g.state().throwNo, r.throwNo) << r.held << " held";
        EXPECT_TRUE(r.held < DiceCount || g.state().dice == dice) << "every die held, yet a die changed";
    }
    // Mute Dice and sound off keep a throw quiet; Zany rattles as the standard style does.
    const struct { int mute; SoundChoice sound; const char *played; } quiet[] = {
        {1, SoundChoice::On, ""}, {0, SoundChoice::Off, ""}, {0, SoundChoice::Zany, "shake5"},
    };
    int category = Ones;
    for (const auto &q : quiet) {
        setOption(g, &OptionValues::noThrowSoundsValue, static_cast<std::int16_t>(q.mute));
        setOption(g, &OptionValues::sound, q.sound);
        t.run(g.enterCategory(category++)); // the next player's turn
        t.sound.played.clear();
        t.run(g.throwDice());
        EXPECT_EQ(t.sound.played.join(QLatin1Char(' ')), QLatin1String(q.played)) << q.mute;
    }
}

} // namespace

namespace {

TEST_F(Turn, ACommandThatFailsIsToldAndTheNextOneWorks)
{
    // Guards an unexpected exception lost with the command that threw it, the busy flag
    // left set and the board frozen for good.
    struct FailingOnce : RecordingSoundPlayer {
        bool failed = false;
        QCoro::Task<> play(Sound, SoundMode) override
        {
            if (!std::exchange(failed, true))
                throw std::runtime_error("the sound card fell out");
            co_return;
        }
    } failing;
    static QStringList told;
    const QtMessageHandler before = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &m) { told << m; });
    setOption(g, &OptionValues::animationValue, 0);
    g.setSoundPlayer(&failing);
    startGame();
    g.run(g.throwDice());
    for (int spin = 0; spin < 1000 && g.busy(); ++spin)
        QCoreApplication::processEvents();
    qInstallMessageHandler(before);
    EXPECT_TRUE(!g.busy() && told.join(QLatin1Char('|')).contains(QStringLiteral("the sound card fell out")));
    for (int d = 1; d <= DiceCount; ++d)
        EXPECT_TRUE(g.board.die(d).visible && g.board.die(d).face == g.state().dice[d]) << d;
    t.run(g.throwDice());
    EXPECT_TRUE(g.state().throwNo == 2 && g.board.throwCaption() == QStringLiteral("3rd Throw"));
}

} // namespace
