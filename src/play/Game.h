#pragma once

#include "Board.h"
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
#include <optional>

namespace korbo {

// Starts a procedure from an event handler and lets it run on by itself: it keeps
// going through its waits after the handler has returned. A procedure of a stopped
// game ends quietly at its next wait (WaitCancelled goes no further than this).
inline void fireAndForget(QCoro::Task<> task) { Q_UNUSED(task); }

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
    // Test Dice mode: the typed answer to "Enter 6 dice", or nothing when cancelled.
    virtual std::optional<QString> askTestDice() { return std::nullopt; }
};

// The game in play: the state record, the options, the board the main window draws,
// the chance, the clock and the sounds, and the procedures of a turn. Procedures that
// pause are coroutines; a window starts one from an event handler and lets it run.
class Game : public QObject {
    Q_OBJECT
public:
    explicit Game(QObject *parent = nullptr);

    GameState state;
    Options options;
    Board board;
    Random random;
    TickClock clock;
    ScoreSheet sheet;
    Records records;
    // Today's date for the records; tests fix it.
    std::function<QDate()> today = [] { return QDate::currentDate(); };

    void setHost(GameHost *host) { m_host = host ? host : &m_noHost; }
    void setSoundPlayer(SoundPlayer *player) { m_sound = player ? player : &m_silence; }
    SoundPlayer &sound() { return *m_sound; }
    // With "debug" on the command line every throw ends with typed-in dice.
    void setTestDiceMode(bool on) { m_testDice = on; }
    bool testDiceMode() const { return m_testDice; }

    // Start of a game, and of a turn
    QCoro::Task<> menuNewClick();
    QCoro::Task<> butThrowClick();
    QCoro::Task<> NewGame();
    void ResetScoreTable();
    QCoro::Task<> StartTurn();

    // Throwing and sorting
    QCoro::Task<> ThrowDice();
    QCoro::Task<> imgDiceMouseDown(int d, Qt::MouseButton button);
    QCoro::Task<> ToggleDie(int d);
    QCoro::Task<> SlideDie(int d, int from, int to);

    // Jokers: token k dropped on die d.
    QCoro::Task<> jokerDrop(int d, int k);
    // Whether a drop of token k on die d would be taken now.
    bool jokerAccepted(int d, int k) const;
    void jokerMouseMove();
    void formDragOver();
    void imgDiceDragOver();

    // The category buttons: pointing explains, a first click previews, a second enters.
    void butCatMouseMove(int c);
    QCoro::Task<> butCatClick(int c);
    // The mouse released over a category button with Alt alone held: its sounds play.
    QCoro::Task<> butCatAltRelease(int c);
    void UnderlineLeader();

    // End of a game: complete after round 14, or stopped through New.
    QCoro::Task<> GameOver();
    void ResetBoard();

    // The status line
    QCoro::Task<> Announce(QString text);
    void formMouseMove();

    // Turn title for a round: "1st turn", …, "13th turn", "last go".
    static QString turnText(int round);


private:
    void showDieFace(int d, int face);
    QCoro::Task<> playThrowSound(int diceThrown);
    QCoro::Task<> playCategorySound(int c, bool bonusFlag);
    QCoro::Task<> commit(int c, CategoryScore entry);
    void applyTestDice();
    // The throw itself, for whoever holds the busy flag.
    QCoro::Task<> rollDice();

    GameHost m_noHost;
    GameHost *m_host = &m_noHost;
    SilentSoundPlayer m_silence;
    SoundPlayer *m_sound = &m_silence;
    bool m_testDice = false;
};

} // namespace korbo
