#pragma once

#include "Board.h"
#include "Engine.h"
#include "History.h"
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
    // The Players dialog, awaited; the names it keeps reach the game through setPlayers.
    virtual QCoro::Task<> choosePlayers() { co_return; }
    // "Stop this game?", awaited: true when the player answers Yes.
    virtual QCoro::Task<bool> confirmStopGame() { co_return false; }
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
    // A complete game, every seat's sheet, for the history of games.
    virtual void keepGame(const GameRecord &game) { Q_UNUSED(game); }
    // The strategy table cannot be used (why): told to the player, once.
    virtual void strategyUnavailable(const QString &why) { Q_UNUSED(why); }
    // Test Dice mode: the typed answer to "Enter 6 dice", or nothing when cancelled.
    virtual QCoro::Task<std::optional<QString>> askTestDice() { co_return std::nullopt; }
};

// The game on the board: it sends each command to the rules engine and plays what
// happened on the board through the tick clock, with the sounds, prompts and paths of
// each step. Procedures that pause are coroutines; a window starts one with run() from
// an event handler and lets it run.
//
// Everything a player can do goes through one command below, whoever asks: a click,
// a key, or a computer seat. The engine decides what the rules allow; the game adds
// what the board allows (nothing while a throw or an entry is being shown, only the
// tokens and dice that are on the table) and whose turn it is: a person's clicks do
// nothing in a computer seat's turn, and the computer plays only its own.
// The state windows read is the game as the board shows it so far; it catches up with
// the engine's as each step is shown.
class Game : public QObject {
    Q_OBJECT
public:
    explicit Game(QObject *parent = nullptr);

    Board board;
    TickClock clock;
    Records records;
    // Today's date for the records; tests fix it.
    std::function<QDate()> today = [] { return QDate::currentDate(); };
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };
    // A complete game as the history keeps it: each seat's entries, bonus, extra
    // points, total and jokers, and what the coach counted where it judged the seat.
    GameRecord finishedGame() const;

    // The options in force; they change only through setOptions.
    const Options &options() const { return m_options; }
    // The game as the board shows it: the engine's state, step by step.
    const GameState &state() const { return m_shown; }
    const ScoreSheet &sheet() const { return m_sheet; }
    // A command is being shown on the board (a throw, a joker, an entry, a turn start).
    bool busy() const { return m_busy; }
    // The prompt of the moment: greeting, throw advice, "Game Over".
    const QString &prompt() const { return m_prompt; }
    // For the current dice, what entering each open category is worth to the player
    // whose turn it is under best play: its score now and the points expected after
    // it; 0 for entered categories and before the first throw. Worked out only after
    // evaluateCategories (the variables monitor).
    const Table1<double, CategoryCount> &categoryValues() const { return m_catEval; }
    // The dice style a player's turns show; each player keeps the one in effect when
    // they first played.
    int diceStyleOf(int player) const { return m_diceStyles[player]; }

    // Chance: `seed` decides every game's dice from now on, and the decoration
    // (tumbling faces, landing spots, hops, sound shuffles) from its own generator.
    void seed(std::uint32_t seed);
    // Every game from now on throws these dice, in order (tests).
    void setDice(QList<int> faces);

    void setHost(GameHost *host) { m_host = host ? host : &m_noHost; }
    void setSoundPlayer(SoundPlayer *player) { m_sound = player ? player : &m_silence; }
    SoundPlayer &sound() { return *m_sound; }
    // With "debug" on the command line every throw ends with typed-in dice.
    void setTestDiceMode(bool on) { m_testDice = on; }
    bool testDiceMode() const { return m_testDice; }

    // Starts a command from an event handler; it runs on by itself through its waits
    // after the handler has returned. A stopped game's cancelled waits end it quietly;
    // anything else it throws is told on the error output, and the board is put back
    // as the engine has the game and the busy flag cleared, so the player can go on.
    void run(QCoro::Task<> command);
    // Nothing of the game runs any more: the program is closing.
    void halt() { clock.halt(); }

    // ---- The board between games
    // The board cleared as before any game, the window told.
    void clearBoard();
    // The greeting on a cleared board.
    QCoro::Task<> welcome();

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
    // A die in play goes to the held row, a held die back into play. Asked while a
    // throw or a joker is shown, the move waits for it.
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
    bool computersTurn() const { return m_shown.gameInProgress() && m_shown.pcPlayer[m_shown.curPlayer]; }
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
    void showOptions();

    // ---- The computer's play
    // What best play makes of each turn start. Loaded from the game's table the first
    // time a computer seat, a hint, the coach or the evaluations want it; tests give
    // their own. Without values (no table could be used, for the reason given), the
    // computer seats play each turn for its own points, and there is no hint or coach.
    void setStrategyValues(std::shared_ptr<const strategy::TurnStartValues> values, const QString &whyNone = {});
    bool strategyMissing() const { return m_strategyMissing; }
    QCoro::Task<std::shared_ptr<const strategy::TurnStartValues>> strategyValues();
    // From now on every throw and joker works out categoryValues for the current dice.
    void evaluateCategories();

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
    // The language the player chose ("de"), kept with the settings; empty follows the
    // desktop's.
    void setLanguage(const QString &code);
    // The board's words (captions, the throw button, the title) anew in the language now
    // in use; the status line follows at its next change.
    void retranslate();
    // The points each seat's choices cost this game, on average.
    double pointsLost(int player) const { return m_pointsLost[player]; }

    // A player's turn as the window's title names it: "Ann's 1st turn", …,
    // "Ann's 13th turn", "Ann's last go".
    static QString turnTitle(const QString &name, int round);
    // The throw button's caption after a number of throws: "1st Throw" … "Finished".
    static QString throwCaption(int throwsMade);

    // ---- What a screen reader is told on request
    // The dice as they lie, held row first, then the prompt: "Held 5 5. Thrown 1 2 3 4.".
    QString diceReport() const;
    // Whose turn, which round and the jokers left: "Ann's 3rd turn, round 3 of 14,
    // 2 jokers left."; between games the prompt.
    QString turnReport() const;

signals:
    // The command being shown has ended: the board is free again.
    void idle();
    // A line for a screen reader that the status strip does not show: the dice as
    // they lie once a throw or a joker comes to rest (with the prompt), a category's
    // score shown or entered.
    void told(const QString &line);

private:
    void setBusy(bool on);
    // Waits for the command being shown to end.
    QCoro::Task<> untilIdle();
    // After a command failed: the board as the engine has the game, and nobody busy.
    void recover(const QString &failure);

    QCoro::Task<> beginGame();
    void clearScores();
    QCoro::Task<> StartTurn();
    // The throw itself, for whoever holds the busy flag.
    QCoro::Task<> rollDice();
    QCoro::Task<> playThrowSound(int diceThrown);
    QCoro::Task<> applyTestDice();
    QCoro::Task<> SlideDie(int d, int from, int to);
    // Die d moved once the command being shown has ended, alone or with every die of
    // its face on its side.
    QCoro::Task<> moveDice(int d, By by, bool wholeFace);
    // A die's move to the held row or back into play, shown.
    QCoro::Task<> showMove(const event::DieMoved &moved);
    QCoro::Task<> commit(const Outcome &entered);
    QCoro::Task<> playCategorySound(int c, bool bonusFlag);
    // The leader underlined on the score sheet, as the Show Leader option says, or
    // whatever it says when `force` is set (the winner at the end of a game).
    void UnderlineLeader(bool force = false);
    // End of a game: complete after round 14 (with its results), or stopped.
    QCoro::Task<> GameOver(const event::GameEnded &ended);
    // The status line blanks a moment, then shows the text.
    QCoro::Task<> Announce(QString text);

    bool canChooseCategory(int c) const;
    int anyJoker() const;
    // Whether `by` may act in the turn now: the seat's own player, or anyone between games.
    bool playsNow(By by) const { return !m_shown.gameInProgress() || computersTurn() == (by == By::Computer); }
    void updateEvaluations();
    QCoro::Task<> playComputerTurn();
    // The coach's word on a person's decision about to be carried out.
    void judge(const strategy::Action &chosen, By by);
    QString coachSummary() const;
    // `text` after the coach's word on the entry just made, if there is one; the word
    // is told once.
    QString withCoachsWord(const QString &text);

    Options m_options;
    Engine m_engine;
    GameState m_shown;
    ScoreSheet m_sheet{m_shown};
    // Decoration only: what it draws never changes a game.
    Random m_random;
    // Seeds each game's dice; empty with a script of dice in their place.
    Random m_gameSeeds;
    QList<int> m_script;
    bool m_busy = false;
    QString m_prompt = tr("Welcome to Korbo");
    Table1<double, CategoryCount> m_catEval{};
    Table1<Int16, MaxPlayers> m_diceStyles{};

    GameHost m_noHost;
    GameHost *m_host = &m_noHost;
    SilentSoundPlayer m_silence;
    SoundPlayer *m_sound = &m_silence;
    bool m_testDice = false;
    // Counts the turns started and the games ended, so a computer's turn or a hint
    // that is still waiting can tell that the game has moved on without it.
    int m_turnSerial = 0;
    bool m_evaluating = false;
    bool m_strategyMissing = false;
    std::shared_ptr<const strategy::TurnStartValues> m_values;
    Table1<double, MaxPlayers> m_pointsLost{};
    Table1<bool, MaxPlayers> m_judged{}; // the coach judged the seat's choices this game
    Table1<int, MaxPlayers> m_extraPoints{}; // what later six of a kinds added to Korbo
    // What the last entry cost, until the next greeting has told it again.
    QString m_coachsWord;
};

} // namespace korbo
