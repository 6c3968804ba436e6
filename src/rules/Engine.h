#pragma once

#include "GameState.h"
#include "Random.h"
#include "Scoring.h"

#include <QList>
#include <QString>

#include <memory>
#include <variant>
#include <vector>

namespace korbo {

// Where the engine's dice come from.
class DiceSource {
public:
    virtual ~DiceSource() = default;
    // One die's face, 1..6.
    virtual int roll() = 0;
};

// The game's own dice: a generator seeded per game, so a game is its seed and its
// commands, whatever the board shows meanwhile.
class SeededDice : public DiceSource {
public:
    explicit SeededDice(std::uint32_t seed = 1) : m_random(seed) {}
    void seed(std::uint32_t seed) { m_random.seed(seed); }
    int roll() override { return RollDie(m_random); }

private:
    Random m_random;
};

// Faces given in advance, one per roll in order (die 1 to 6 of a throw, then a
// joker's); once they are used up, every die shows 1.
class ScriptedDice : public DiceSource {
public:
    explicit ScriptedDice(QList<int> faces) : m_faces(std::move(faces)) {}
    int roll() override { return m_next < m_faces.size() ? m_faces.at(m_next++) : 1; }

private:
    QList<int> m_faces;
    qsizetype m_next = 0;
};

// The names of a game's seats: a name per seat (the empty ones last) and whether the
// computer plays it.
struct Seats {
    Table1<QString, MaxPlayers> names{};
    Table1<bool, MaxPlayers> computer{};
};

// One player's result at the end of a complete game.
struct Result {
    QString name;
    int total = 0;
};

// What a command did, in the order it happened.
namespace event {
struct GameStarted {};
struct DiceThrown {
    Table1<bool, DiceCount> dice{}; // the dice thrown; their faces are in the state
};
struct DieMoved {
    int die = 0;
    bool held = false; // now in the held row
};
struct JokerPlayed {
    int die = 0; // thrown again; its face is in the state
};
struct ScoreShown {
    int category = 0;
    CategoryScore entry;
};
// A further six of a kind: Korbo's entry grows.
struct KorboGrew {
    int player = 0;
    int points = 0;
};
struct ScoreEntered {
    int player = 0;
    int category = 0;
    CategoryScore entry;
};
struct TurnPassed {}; // to the state's current player, in its round
struct GameEnded {
    QList<Result> results; // a complete game's, in player order; none for a stopped one
};
} // namespace event

using Event = std::variant<event::GameStarted, event::DiceThrown, event::DieMoved, event::JokerPlayed,
                           event::ScoreShown, event::KorboGrew, event::ScoreEntered, event::TurnPassed,
                           event::GameEnded>;

// A command's answer: refused (nothing changed), or what happened.
struct Outcome {
    bool refused = true;
    std::vector<Event> events;
    explicit operator bool() const { return !refused; }
};

// The rules of the game as one engine: the state of a game and one function per
// command. Each command checks the rules, and either changes nothing and says it was
// refused, or changes the state as a whole and says what happened. Who shows the
// game (the board, its animations and sounds) plays the events; the computer seats,
// the coach, the strategy's games and the tests drive the same commands.
class Engine {
public:
    explicit Engine(std::unique_ptr<DiceSource> dice = std::make_unique<SeededDice>());

    const GameState &state() const { return m_state; }
    // The dice from now on: a seeded generator for each game, or a test's script.
    void setDice(std::unique_ptr<DiceSource> dice) { m_dice = std::move(dice); }

    // The players for the games to come; refused during a game.
    Outcome setPlayers(const Seats &seats);
    // A game of the named players; refused without players or during a game.
    Outcome newGame();
    // The game in progress ends without a trace.
    Outcome stopGame();

    // The dice in the throwing area are thrown; refused after the last throw, with
    // every die held, or with no game.
    Outcome throwDice();
    // A die on the table goes to the held row, or a held die back into play.
    Outcome toggleHold(int die);
    // A die goes over, and with it every die on its side that shows the same face.
    Outcome moveFace(int die);
    // A joker throws a die on the table again.
    Outcome playJoker(int die);
    // What the dice would score in an open category.
    Outcome preview(int category);
    // The dice entered in an open category; the turn passes on, or the game ends.
    Outcome enter(int category);

    // Test dice: the dice on the table show the given faces (1..6) instead.
    Outcome fixDice(const DiceArray &faces);

    bool canThrow() const;
    bool canMove(int die) const;
    bool canPlayJoker(int die) const;
    bool canEnter(int category) const;

private:
    void startTurn();

    GameState m_state;
    std::unique_ptr<DiceSource> m_dice;
};

} // namespace korbo
