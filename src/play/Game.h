#pragma once

#include "Board.h"
#include "Engine.h"
#include "GameState.h"
#include "Options.h"
#include "Random.h"
#include "Records.h"
#include "ScoreSheet.h"
#include "Scoring.h"
#include "SoundPlayer.h"
#include "TickClock.h"

#include <QCoro/QCoroTask>
#include <QDate>

#include <functional>
#include <memory>
#include <optional>

namespace korbo {

namespace strategy {
class TurnStartValues;
struct Action;
}

// What the game asks of the windows around the board. The defaults do nothing, so
// the game can be played without any window (tests, benchmarks).
class GameHost {
public:
    virtual ~GameHost() = default;
    // The Players dialog, modal; names and player count land in the game state.
    virtual void choosePlayers() {}
    // "Stop this game?": true when the player answers Yes.
    virtual bool confirmStopGame() { return false; }
    virtual void setPrintEnabled(bool) {}
    // The window's part of clearing the board: its size and the dialogs' places.
    virtual void resetBoardWindow() {}
    virtual void showScoreSheet() {}
    // The records window, modeless, brought to the front when already shown.
    virtual void showRecords() {}
    // Gives the keyboard focus back to the board.
    virtual void focusBoard() {}
    // A complete game's results are in the records lists: they are saved now.
    virtual void saveRecords() {}
    // The strategy table cannot be used (why): told to the player, once.
    virtual void strategyUnavailable(const QString &why) { Q_UNUSED(why); }
    // Test Dice mode: the typed answer to "Enter 6 dice", or nothing when cancelled.
    virtual std::optional<QString> askTestDice() { return std::nullopt; }
};

// The game in play: the state record, the options, the board the main window draws,
// the chance, the clock and the sounds, and the procedures of a turn. Procedures that
// pause are coroutines; a window starts one from an event handler and lets it run.
//
// Everything a player can do goes through one command below, whoever asks: a click,
// a key, or a computer seat. Each command checks the rules itself and does nothing
// when they refuse, so a caller never needs to know whether the moment is right.
// The commands of a turn also check whose turn it is: a person's clicks do nothing
// in a computer seat's turn, and the computer plays only its own.
// Outside the game the state, the options, the board and the score sheet are read,
// never written.
class Game : public QObject {
    Q_OBJECT
public:
    explicit Game(QObject *parent = nullptr);

    GameState state;
    Options options;
    Board board;
    Random random;
    TickClock clock;
    ScoreSheet sheet{state};
    Records records;
    // Today's date for the records; tests fix it.
    std::function<QDate()> today = [] { return QDate::currentDate(); };

    void setHost(GameHost *host) { m_host = host ? host : &m_noHost; }
    void setSoundPlayer(SoundPlayer *player) { m_sound = player ? player : &m_silence; }
    SoundPlayer &sound() { return *m_sound; }
    // With "debug" on the command line every throw ends with typed-in dice.
    void setTestDiceMode(bool on) { m_testDice = on; }
    bool testDiceMode() const { return m_testDice; }

    // Starts a command from an event handler; it runs on by itself through its waits
    // after the handler has returned. A stopped game's cancelled waits end it quietly;
    // anything else it throws is told on the error output, and the board is put back
    // as the state has it and the busy flag cleared, so the player can go on.
    void run(QCoro::Task<> command);

    // ---- A game
    // Game / New: with no players yet, they are asked for first; during a game it
    // is the question whether to stop it (stopGame); otherwise a game starts.
    QCoro::Task<> newGame();
    // Ends the game in progress once the player confirms it, leaving no trace of it.
    QCoro::Task<> stopGame();
    // The names and computer seats for the games to come; refused during a game.
    bool setPlayers(const Seats &seats);

    // ---- A turn
    enum class By { Person, Computer };
    // The throw button: the next throw of the turn, or a new game when none is on.
    QCoro::Task<> throwDice(By by = By::Person);
    // A die in play goes to the held row, a held die back into play.
    QCoro::Task<> toggleHold(int d, By by = By::Person);
    // Die d goes over, and with it every die on its side that shows the same face.
    QCoro::Task<> moveFace(int d, By by = By::Person);
    // A joker re-throws die d. `token` is the joker played, AnyJoker for any left.
    static constexpr int AnyJoker = -1; // not 0: that is no token at all
    bool canPlayJoker(int d, int token = AnyJoker, By by = By::Person) const;
    QCoro::Task<> playJoker(int d, int token = AnyJoker, By by = By::Person);
    // The category's score shown beside it, not yet entered.
    QCoro::Task<> previewCategory(int c, By by = By::Person);
    // The dice entered in the category, shown first when they are not yet, just as
    // two clicks do; the turn passes on.
    QCoro::Task<> enterCategory(int c, By by = By::Person);
    // A click on a category: the first shows its score, the second enters it.
    QCoro::Task<> chooseCategory(int c, By by = By::Person);
    // Whether the player whose turn it is sits at the keyboard or is the computer.
    bool computersTurn() const { return state.gameInProgress() && state.pcPlayer[state.curPlayer]; }
    // The sounds a category plays when entered with its bonus, for the player to hear.
    QCoro::Task<> sampleCategorySound(int c);

    // ---- What the status line explains: the pointer or the focus is over something.
    void explainCategory(int c);
    void explainJoker();
    void explainJokerOverTable();
    void explainJokerOverDie();
    // The prompt of the moment again.
    void showPrompt();

    // ---- Windows and options
    // The score sheet, when there are players to show.
    void showScoreSheet();
    // The options as the Options window's controls have them, kept at once.
    void setOptions(const OptionValues &values);
    // The options put into effect on the board: buttons, leader, the dice style of
    // the player whose turn it is.
    void ApplyOptions();

    // ---- The computer's play
    // What best play makes of each turn start. Loaded from the game's table the first
    // time a computer seat, a hint, the coach or the evaluations want it; tests give
    // their own. Without values (no table could be used, for the reason given), the
    // computer seats play each turn for its own points, and there is no hint or coach.
    void setStrategyValues(std::shared_ptr<const strategy::TurnStartValues> values, const QString &whyNone = {});
    bool strategyMissing() const { return m_strategyMissing; }
    QCoro::Task<std::shared_ptr<const strategy::TurnStartValues>> strategyValues();
    // From now on every throw and joker works out catEval for the current dice.
    void evaluateCategories();
    // Counts the turns started and the games ended, so a computer's turn that is
    // still waiting can tell that the game has moved on without it.
    int turnSerial() const { return m_turnSerial; }

    // ---- The coach: best play told, never played. Neither changes the dice, the
    // scores or the records.
    // In a person's turn with dice on the board.
    bool hintAvailable() const;
    // The best next action and the final score it expects, on the status line; its
    // dice or category marked on the board until the next action.
    QCoro::Task<> showHint();
    // With the coach on, each of a person's decisions that was not the best is told
    // on the status line with what it cost, and a finished game ends with a summary.
    void setCoach(bool on);
    // The points each seat's choices cost this game, on average.
    double pointsLost(int player) const { return m_pointsLost[player]; }

    // ---- The procedures behind the commands
    QCoro::Task<> NewGame();
    void ResetScoreTable();
    QCoro::Task<> StartTurn();
    QCoro::Task<> ThrowDice();
    QCoro::Task<> ToggleDie(int d);
    QCoro::Task<> SlideDie(int d, int from, int to);
    // The leader underlined on the score sheet, as the Show Leader option says, or
    // whatever it says when `force` is set (the winner at the end of a game).
    void UnderlineLeader(bool force = false);
    // End of a game: complete after round 14, or stopped through New.
    QCoro::Task<> GameOver();
    void ResetBoard();
    // The status line blanks a moment, then shows the text.
    QCoro::Task<> Announce(QString text);

    // Turn title for a round: "1st turn", …, "13th turn", "last go".
    static QString turnText(int round);
    // The throw button's caption after a number of throws: "1st Throw" … "Finished".
    static QString throwCaption(int throwsMade);

private:
    // After a command failed: the board as the state has it, and nobody busy.
    void recover(const QString &failure);
    void showDieFace(int d, int face);
    QCoro::Task<> playThrowSound(int diceThrown);
    QCoro::Task<> playCategorySound(int c, bool bonusFlag);
    QCoro::Task<> commit(int c, CategoryScore entry);
    void applyTestDice();
    // The throw itself, for whoever holds the busy flag.
    QCoro::Task<> rollDice();
    bool canChooseCategory(int c) const;
    int anyJoker() const;
    // Whether `by` may act in the turn now: the seat's own player, or anyone between games.
    bool playsNow(By by) const { return !state.gameInProgress() || computersTurn() == (by == By::Computer); }
    void updateEvaluations();
    QCoro::Task<> playComputerTurn();
    // The coach's word on a person's decision about to be carried out.
    void judge(const strategy::Action &chosen, By by);
    QString coachSummary() const;
    // `text` after the coach's word on the entry just made, if there is one; the word
    // is told once.
    QString withCoachsWord(const QString &text);

    GameHost m_noHost;
    GameHost *m_host = &m_noHost;
    SilentSoundPlayer m_silence;
    SoundPlayer *m_sound = &m_silence;
    bool m_testDice = false;
    int m_turnSerial = 0;
    bool m_evaluating = false;
    bool m_strategyMissing = false;
    std::shared_ptr<const strategy::TurnStartValues> m_values;
    Table1<double, MaxPlayers> m_pointsLost{};
    // What the last entry cost, until the next greeting has told it again.
    QString m_coachsWord;
};

} // namespace korbo
