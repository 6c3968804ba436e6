// Whole games played from "Start Game" to the end, with a seeded generator,
// zero-length ticks and a recording sound player.
#include "Recorders.h"
#include "Scoring.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QRegularExpression>

#include <functional>

using namespace korbo;
using namespace korbo::test;

namespace {

const QDate kToday(2026, 12, 6);

struct Games : ::testing::Test {
    TestGame t{2026};
    Game &g = t.game;

    void SetUp() override { g.today = [] { return kToday; }; }

    void start(const QStringList &players)
    {
        t.name(players);
        t.run(g.throwDice());
        ASSERT_EQ(g.state().roundNo, 1);
    }

    // The current player's first open category, or the best-scoring one.
    int choose(bool best)
    {
        int chosen = 0;
        for (int c = CategoryCount; c >= 1; --c) // downwards: the lowest wins a tie
            if (g.state().score[g.state().curPlayer][c] == NotScored
                && (!best || !chosen || ScoreCategory(g.state().dice, c).score >= ScoreCategory(g.state().dice, chosen).score))
                chosen = c;
        return chosen;
    }

    void playTurn(int throws, bool best = true)
    {
        for (int i = 0; i < throws; ++i)
            t.run(g.throwDice());
        const int c = choose(best);
        t.run(g.chooseCategory(c)); // preview
        t.run(g.chooseCategory(c)); // enter
    }

    void playToTheEnd(bool best = true)
    {
        int turn = 0;
        while (g.state().roundNo != 0)
            playTurn(1 + turn++ % 4, best);
    }

    // Lets what runs by itself (a computer's turn, a procedure started and left) go on
    // until `done`; false when it stops short of it.
    static bool runUntil(const std::function<bool()> &done, int spins = 2'000'000)
    {
        for (int i = 0; i < spins && !done(); ++i)
            QCoreApplication::processEvents();
        return done();
    }
    static void runAWhile() { runUntil([] { return false; }, 10'000); }
};

TEST(Replay, TheSameSeedPlaysTheSameGameWithAnimationAndSoundOnOrOff)
{
    // Guards the decoration (tumbling faces, landing spots, hops, sound shuffles)
    // drawing from the dice's generator: a game could not be replayed from its seed.
    QList<int> seen[2];
    for (int on : {0, 1}) {
        TestGame t{77};
        Game &g = t.game;
        setOption(g, &OptionValues::animationValue, static_cast<std::int16_t>(on));
        setOption(g, &OptionValues::sound, on ? SoundChoice::Zany : SoundChoice::Off);
        t.name({QStringLiteral("Ann"), QStringLiteral("Bob")});
        for (int turn = 0; turn < 2 * RoundCount * 2; ++turn) { // two games
            if (g.state().roundNo == 0)
                t.run(g.newGame());
            t.run(g.throwDice());
            t.run(g.toggleHold(turn % DiceCount + 1));
            t.run(g.throwDice());
            t.run(g.playJoker(turn % 5 + 2));
            seen[on] << QList<int>(g.state().dice.begin() + 1, g.state().dice.end());
            int c = 1;
            while (g.state().score[g.state().curPlayer][c] != NotScored)
                ++c;
            t.run(g.enterCategory(c));
            seen[on] << g.state().score[1][c] << g.state().score[2][c];
        }
    }
    EXPECT_EQ(seen[0], seen[1]);
}

TEST_F(Games, OnePlayerWithShowRecordsOff)
{
    setOption(g, &OptionValues::sound, SoundChoice::Off);
    setOption(g, &OptionValues::animationValue, 0);
    setOption(g, &OptionValues::showRecordsValue, 0);
    start({QStringLiteral("Solo")});
    for (int round = 1; round <= RoundCount; ++round) {
        ASSERT_TRUE(g.state().roundNo == round && g.state().curPlayer == 1) << round;
        const char *title = round == 2 ? "2nd turn" : round == 3 ? "3rd turn"
                                                    : round == RoundCount ? "last go" : nullptr;
        EXPECT_TRUE(!title || g.board.title() == QLatin1String("Solo's ") + title) << g.board.title().toStdString();
        t.run(g.throwDice());
        const int c = choose(true);
        t.run(g.chooseCategory(c));
        const auto before = g.clock.ticksWaited();
        t.run(g.chooseCategory(c));
        if (round < RoundCount) { // the pause between turns and the new turn's greeting
            EXPECT_EQ(g.clock.ticksWaited() - before, 50 + 10);
        }
    }
    EXPECT_EQ(g.state().roundNo, 0);
    EXPECT_FALSE(g.sheet().underlined(1)); // one player is never the leader
    EXPECT_EQ(t.host.sheetShown, 1);
    EXPECT_EQ(t.host.recordsShown, 0); // Show Records off: the lists change unseen
    ASSERT_TRUE(g.records.listHI.size() == 1 && g.records.listLO.size() == 1);
    EXPECT_TRUE(g.records.listHI[0].contains(QStringLiteral("Solo")) && g.records.listHI[0].endsWith(QStringLiteral("06 Dec 26")))
        << g.records.listHI[0].toStdString();
}

TEST_F(Games, ThreePlayersToTheEndWithShowLeaderOff)
{
    setOption(g, &OptionValues::sound, SoundChoice::Zany);
    setOption(g, &OptionValues::underlineWinnerValue, 0);
    start({QStringLiteral("Red"), QStringLiteral("Blue"), QStringLiteral("Green")});
    bool underlinedDuringGame = false;
    QObject::connect(&g.sheet(), &ScoreSheet::changed, &g.sheet(), [&] {
        for (int p = 1; p <= 3 && !g.state().gameOver; ++p) // the winner is marked once the game is over
            underlinedDuringGame |= g.sheet().underlined(p);
    });
    t.run(g.throwDice());
    t.run(g.chooseCategory(Ones));
    const auto before = g.clock.ticksWaited();
    t.run(g.chooseCategory(Ones));
    EXPECT_EQ(g.clock.ticksWaited() - before, 100 + 10) << "the pause between turns, longer than a solo player's";
    playToTheEnd();

    EXPECT_EQ(g.state().roundNo, 0);
    EXPECT_EQ(g.prompt(), QStringLiteral("Game Over")); // the rest as a stopped game's board
    int best = 0, leader = 0;
    for (int p = 1; p <= 3; ++p) {
        int sum = 0, upper = 0;
        for (int c = 1; c <= CategoryCount; ++c) {
            ASSERT_EQ(g.sheet().cell(p, c), QString::number(g.state().score[p][c])) << p << " " << c;
            sum += g.state().score[p][c];
            upper += c <= Sixes ? g.state().score[p][c] : 0;
        }
        const int bonus = upper >= 80 ? 40 : 0;
        EXPECT_EQ(QStringList({g.sheet().cell(p, ScoreSheet::SubtotalRow), g.sheet().cell(p, ScoreSheet::BonusRow), g.sheet().total(p)})
                      .join(QLatin1Char('|')), QStringLiteral("%1|%2|%3").arg(upper).arg(bonus).arg(sum + bonus)) << p;
        if (sum + bonus > best)
            std::tie(best, leader) = std::pair(sum + bonus, p);
    }
    // Show Leader off hides the leader during the game, never the winner.
    EXPECT_FALSE(underlinedDuringGame);
    for (int p = 1; p <= 3; ++p)
        EXPECT_EQ(g.sheet().underlined(p), p == leader);
    EXPECT_EQ(g.options().underlineWinnerValue, 0);
    // Every category open again, not the last player's used pictures.
    for (int c = 1; c <= CategoryCount; ++c)
        EXPECT_TRUE(g.board.category(c).label.isEmpty() && g.board.category(c).enabled
                    && g.board.category(c).picture == ButtonPicture::Open) << c;
    for (int k = 1; k <= JokersPerGame; ++k)
        EXPECT_FALSE(g.board.jokerVisible(k));
    // Highs best first, Tries lowest first, everybody in both.
    ASSERT_TRUE(g.records.listHI.size() == 3 && g.records.listLO.size() == 3);
    const auto total = [](const QString &line) { return line.mid(3, 4).trimmed().toInt(); };
    EXPECT_EQ(QList<int>({total(g.records.listHI[0]), total(g.records.listLO[2]), t.host.recordsShown}),
              QList<int>({best, best, 1}));
}

TEST_F(Games, LevelOnTopUnderlinesTheLowerNumberAndFullListsShowNoRecords)
{
    QStringList highs, tries;
    for (int i = 1; i <= RecordsMaxLines; ++i) {
        highs << RecordLineOfKey(RecordKeyOfResult(QStringLiteral("Ace"), 9000, kToday), i);
        tries << RecordLineOfKey(RecordKeyOfResult(QStringLiteral("Ace"), 0, kToday), i);
    }
    g.records.setLists(highs, tries);
    setOption(g, &OptionValues::sound, SoundChoice::Off);
    setOption(g, &OptionValues::animationValue, 0);
    g.setTestDiceMode(true);
    t.host.testDice = QStringLiteral("123456");
    start({QStringLiteral("Ann"), QStringLiteral("Bob")});
    playToTheEnd(false); // both enter the same dice in the same categories
    EXPECT_TRUE(g.sheet().total(1) == g.sheet().total(2) && g.sheet().total(1).toInt() > 0) << g.sheet().total(1).toStdString();
    EXPECT_TRUE(g.sheet().underlined(1) && !g.sheet().underlined(2));
    EXPECT_TRUE(g.records.listHI == highs && g.records.listLO == tries && t.host.recordsShown == 0);
}

TEST_F(Games, StoppingAtAnyWaitLeavesTheEmptyBoardAndNoTrace)
{
    // Each row plays up to its round, starts a procedure and, while it waits where the
    // row says, answers "Stop this game?" with No (nothing changes), then Yes. The
    // row names what once went on after the stop.
    const auto throwing = [&] { return g.throwDice(); };
    const auto inFlight = [&] { return g.board.die(1).visible && g.board.throwCaption() == QStringLiteral("1st Throw"); };
    const auto committing = [&] { return g.chooseCategory(Ones); };
    const struct { const char *guards; int round, throwsBefore; bool previewBefore;
                   std::function<QCoro::Task<>()> begin; std::function<bool()> waiting; } cases[] = {
        {"a throw in flight landed on the reset board and greyed the next game's button", 1, 0, false, throwing, inFlight},
        {"a game stopped in its last round was recorded", RoundCount, 0, false, throwing, inFlight},
        {"a joker in flight was charged and changed a die after the stop", 1, 1, false,
         [&] { return g.playJoker(1, 1); }, [&] { return g.board.die(1).top < geometry::HeldTop - 1500; }},
        {"the pause after a commit went on into Bob's turn", 1, 1, true, committing, [&] { return g.state().curPlayer == 2; }},
        {"the next turn's greeting came after the stop", 1, 1, true, committing,
         [&] { return g.board.title() == QStringLiteral("Bob's 1st turn"); }},
    };
    // Everything of the game the player can see or that the next game starts from.
    auto snapshot = [&] {
        QStringList seen{g.board.title(), g.board.throwCaption(), g.board.announce(), g.prompt(),
                         QString::number(g.busy()), QString::number(g.state().throwNo)};
        for (int d = 1; d <= DiceCount; ++d)
            seen << QStringLiteral("%1 %2 %3 %4").arg(g.board.die(d).top).arg(g.board.die(d).visible)
                        .arg(g.board.die(d).face).arg(g.state().dice[d]);
        for (int p = 1; p <= 2; ++p) {
            seen << QString::number(g.state().jokers[p]) << g.sheet().total(p);
            for (int k = 1; k <= ScoreSheet::RowsPerPlayer; ++k)
                seen << g.sheet().cell(p, k);
        }
        return seen.join(QLatin1Char('|'));
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.guards);
        start({QStringLiteral("Ann"), QStringLiteral("Bob")});
        while (g.state().roundNo < c.round)
            playTurn(2);
        for (int i = 0; i < c.throwsBefore; ++i)
            t.run(g.throwDice());
        if (c.previewBefore)
            t.run(g.chooseCategory(Ones));
        QCoro::Task<> running = c.begin();
        ASSERT_TRUE(runUntil(c.waiting, 1000));

        t.host.answerStop = false;
        t.run(g.newGame());
        EXPECT_EQ(g.state().roundNo, c.round);
        t.host.answerStop = true;
        t.run(g.newGame());
        const QString stopped = snapshot();
        runAWhile();
        EXPECT_EQ(snapshot().toStdString(), stopped.toStdString());
        EXPECT_TRUE(g.state().roundNo == 0 && !g.busy());
        EXPECT_EQ(QStringList({g.board.title(), g.board.throwCaption(), g.prompt()}).join(QLatin1Char('|')),
                  QStringLiteral("Korbo|Start Game|Korbo v4.01"));
        EXPECT_TRUE(g.board.announce() != QStringLiteral("Off you go, Bob") && g.records.listHI.isEmpty()
                    && t.host.recordsShown + t.host.sheetShown == 0);
        for (int p = 1; p <= 2; ++p)
            EXPECT_TRUE(g.sheet().total(p).isEmpty());
        for (int d = 1; d <= DiceCount; ++d)
            EXPECT_FALSE(g.board.die(d).visible);

        // The next game throws as any game does.
        start({QStringLiteral("Ann"), QStringLiteral("Bob")});
        EXPECT_TRUE(g.board.throwEnabled() && g.board.throwCaption() == QStringLiteral("1st Throw"));
        t.run(g.throwDice());
        EXPECT_TRUE(g.state().throwNo == 1 && g.board.throwCaption() == QStringLiteral("2nd Throw"));
        t.run(g.newGame());
    }
}

TEST_F(Games, ARightClickOnADieInFlightLeavesNoDieUnthrown)
{
    // Guards the dice still to come in a first throw (hidden, no face yet) being sent
    // to the held row with the die in flight: they were never thrown, stayed 0 and
    // PotLuck scored 5 (found by the monkey, with Animation turned off mid-throw).
    start({QStringLiteral("Ann")});
    QCoro::Task<> running = g.throwDice();
    int flying = 0;
    ASSERT_TRUE(runUntil([&] {
        for (int d = 1; d <= DiceCount && !flying; ++d)
            flying = g.board.die(d).visible && g.state().dice[d] == 0 ? d : 0;
        return flying != 0;
    }, 1000));
    setOption(g, &OptionValues::animationValue, 0); // dice now move at once
    t.run(g.moveFace(flying));
    runUntil([&] { return !g.busy(); }, 1000);
    for (int d = 1; d <= DiceCount; ++d)
        EXPECT_TRUE(g.state().dice[d] >= 1 && g.state().dice[d] <= 6) << d << ": " << g.state().dice[d];
}


struct Commit : Games {
    void SetUp() override
    {
        Games::SetUp();
        setOption(g, &OptionValues::animationValue, 0);
        g.setTestDiceMode(true);
        start({QStringLiteral("Ann"), QStringLiteral("Bob")});
    }
    // Throws `dice` and enters them in category c, as two clicks on it do.
    void enter(const char *dice, int c)
    {
        t.throwAs(dice);
        t.run(g.chooseCategory(c));
        t.run(g.chooseCategory(c));
    }
};

TEST_F(Commit, FirstClickPreviewsSecondEnters)
{
    t.run(g.chooseCategory(Fours)); // before the first throw: nothing
    EXPECT_FALSE(g.state().catShown[Fours] || g.busy());
    t.throwAs("444123");
    t.run(g.chooseCategory(Fours));
    EXPECT_TRUE(g.board.category(Fours).label == QStringLiteral("12") && g.board.category(Fours).labelColour == PreviewYellow);
    t.run(g.chooseCategory(Twos)); // another category only previews
    EXPECT_TRUE(g.state().score[1][Fours] == NotScored && g.state().score[1][Twos] == NotScored && g.state().curPlayer == 1);
    t.throwAs("444124"); // a throw clears the previews
    EXPECT_TRUE(g.board.category(Fours).label.isEmpty() && !g.state().catShown[Fours]);
    t.run(g.chooseCategory(Fours));
    t.run(g.chooseCategory(Fours));
    EXPECT_EQ(g.state().score[1][Fours], 16);
    // The sheet: the entry, the subtotal, no bonus while it is undecided, the total.
    EXPECT_EQ(QStringList({g.sheet().cell(1, Fours), g.sheet().cell(1, ScoreSheet::SubtotalRow),
                           g.sheet().cell(1, ScoreSheet::BonusRow), g.sheet().total(1)}).join(QLatin1Char('|')),
              QStringLiteral("16|16||16"));
    EXPECT_EQ(t.sound.played.mid(t.sound.played.size() - 4).join(QLatin1Char(' ')), QStringLiteral("pop pop pop pop"));
    // Bob's turn: Ann's entry is not on his board
    EXPECT_TRUE(g.state().curPlayer == 2 && g.board.category(Fours).label.isEmpty()
                && g.board.category(Fours).picture == ButtonPicture::Open);
    EXPECT_EQ(g.board.title(), QStringLiteral("Bob's 1st turn"));
}

TEST_F(Commit, ZeroIsFinalAndSaysSo)
{
    enter("111111", Sixes);
    EXPECT_EQ(g.state().score[1][Sixes], 0);
    EXPECT_TRUE(t.sound.played.endsWith(QStringLiteral("uhoh")));
    enter("222222", Twos); // Bob
    // Ann's next turn shows the 0 in green, and the category cannot be chosen again.
    EXPECT_TRUE(g.board.category(Sixes).label == QStringLiteral("0") && g.board.category(Sixes).labelColour == ScoreGreen
                && g.board.category(Sixes).picture == ButtonPicture::Used);
    t.throwAs("123456");
    g.explainCategory(Sixes);
    EXPECT_EQ(g.board.announce(), QStringLiteral("You already scored on that catagory!"));
    t.run(g.chooseCategory(Sixes));
    EXPECT_EQ(g.state().score[1][Sixes], 0);

    setOption(g, &OptionValues::sound, SoundChoice::Zany);
    t.sound.played.clear();
    enter("111111", Flush);
    EXPECT_EQ(t.sound.played.mid(0, 3), (QStringList{"shake5", "ohdear", "zero&"}));
}

// A second Korbo once added 50.
TEST_F(Commit, SixOfAKindAfterAKorboAddsSixtyAndTheBonusWaitsUntilDecided)
{
    // Ann's turns, each followed by one of Bob's, whose Korbo entered as 0 never
    // earns more; Bob has no upper entry, so no subtotal either.
    const struct { const char *dice; int category, korbo; const char *bonus, *bobsDice; int bobsCategory; } turns[] = {
        {"666666", Korbo, 60, "", "123456", Korbo}, {"666666", Sixes, 120, "", "555555", PotLuck},
        {"555555", Fives, 180, "", "123456", Flush}, {"444444", Fours, 240, "40", "123456", Odds},
    };
    for (const auto &turn : turns) {
        t.throwAs(turn.dice);
        t.sound.played.clear();
        t.run(g.chooseCategory(turn.category));
        t.run(g.chooseCategory(turn.category));
        EXPECT_EQ(g.state().score[1][Korbo], turn.korbo);
        EXPECT_EQ(g.sheet().cell(1, ScoreSheet::BonusRow), QLatin1String(turn.bonus));
        EXPECT_EQ(t.sound.played.value(0) == QLatin1String("growl"), turn.category != Korbo);
        enter(turn.bobsDice, turn.bobsCategory);
        EXPECT_EQ(g.state().score[2][Korbo], 0);
    }
    EXPECT_EQ(g.sheet().cell(1, Korbo), QStringLiteral("240"));
    EXPECT_EQ(g.sheet().total(1), QString::number(240 + 36 + 30 + 24 + 40));
    EXPECT_EQ(g.sheet().cell(2, ScoreSheet::SubtotalRow), QString());
}

TEST_F(Commit, AJokerAfterAPreviewEntersTheNewDice)
{
    t.throwAs("112233");
    t.run(g.chooseCategory(Twins));
    EXPECT_EQ(g.board.category(Twins).label, QStringLiteral("40"));
    // the joker turns a die into something else
    while (g.state().jokers[1] > 0 && g.state().dice[1] == 1)
        t.run(g.playJoker(1, g.state().jokers[1]));
    ASSERT_NE(g.state().dice[1], 1);
    EXPECT_TRUE(g.state().catShown[Twins]);
    t.run(g.chooseCategory(Twins));
    EXPECT_EQ(g.state().score[1][Twins], 20);
}


struct ComputerSeats : Games {
    void SetUp() override
    {
        Games::SetUp();
        const auto table = strategy::ValueTable::load(builtStrategyTable());
        ASSERT_TRUE(table) << qPrintable(builtStrategyTable());
        g.setStrategyValues(table);
        setOption(g, &OptionValues::animationValue, 0);
    }

    void seat(std::initializer_list<std::pair<const char *, bool>> players)
    {
        Seats seats;
        int i = 0;
        for (auto [name, computer] : players) {
            seats.names[++i] = QString::fromLatin1(name);
            seats.computer[i] = computer;
        }
        ASSERT_TRUE(g.setPlayers(seats));
    }
};

TEST_F(ComputerSeats, PlayWholeGamesToTheRecords)
{
    seat({{"Ann", true}, {"Bob", true}});
    t.run(g.throwDice());
    ASSERT_TRUE(runUntil([&] { return g.state().roundNo == 0; })) << "round " << g.state().roundNo;
    EXPECT_EQ(g.records.listHI.size(), 2);
    EXPECT_TRUE(g.sheet().underlined(FindLeader(g.state())));
    EXPECT_EQ(g.board.announce(), QStringLiteral("Game Over")) << "not the computer's last line";
}

TEST_F(ComputerSeats, APersonCannotPlayForThemButCanStopTheGame)
{
    seat({{"Ann", false}, {"Bob", true}});
    QStringList lines;
    QObject::connect(&g.board, &Board::announceChanged, &g.board, [&] { lines << g.board.announce(); });
    t.run(g.throwDice());
    runAWhile(); // Ann's turn: the computer does nothing for her
    t.run(g.throwDice(Game::By::Computer));
    EXPECT_EQ(g.state().throwNo, 0) << "nor may it throw for her";
    playTurn(2);
    ASSERT_EQ(g.state().curPlayer, 2);

    // Bob's turn: a person's throw, holds, jokers and entries are refused.
    ASSERT_TRUE(runUntil([&] { return g.state().throwNo >= 1 && !g.busy(); }));
    const GameState before = g.state();
    t.run(g.toggleHold(1));
    t.run(g.moveFace(2));
    EXPECT_FALSE(g.canPlayJoker(3));
    t.run(g.chooseCategory(choose(true)));
    EXPECT_TRUE(g.state().diceToThrow == before.diceToThrow && g.state().catShown == before.catShown
                && g.state().score == before.score);

    // Bob says what he does, then enters a category; the turn comes back to Ann.
    ASSERT_TRUE(runUntil([&] { return g.state().curPlayer == 1 && !g.busy(); }));
    EXPECT_TRUE(lines.filter(QRegularExpression(QStringLiteral("^Bob (holds (only )?[1-6]( [1-6])*|throws all the dice "
                                                               "again|plays a joker on the [1-6]|chooses \\w+)$")))
                    .size() >= 1)
        << qPrintable(lines.join(QLatin1Char('|')));

    // Stopped in Bob's next turn, the game stays stopped: nothing of Bob's turn goes on.
    playTurn(1);
    ASSERT_TRUE(runUntil([&] { return g.state().throwNo >= 1; }));
    t.host.answerStop = true;
    t.run(g.newGame());
    EXPECT_EQ(g.state().roundNo, 0);
    runAWhile();
    EXPECT_EQ(g.state().roundNo, 0);
    EXPECT_EQ(g.board.announce(), QStringLiteral("Korbo v4.01")) << "not the computer's last line";
    for (int d = 1; d <= DiceCount; ++d)
        EXPECT_FALSE(g.board.die(d).visible);
}

} // namespace
