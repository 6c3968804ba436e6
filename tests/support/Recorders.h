#pragma once

#include "Game.h"
#include "SoundOutput.h"
#include "SoundPlayer.h"
#include "ValueTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QTimer>

#include <optional>

namespace korbo::test {

// Remembers every sound asked for, as "name" (to its end) or "name&" (background).
class RecordingSoundPlayer : public SoundPlayer {
public:
    QStringList played;
    QCoro::Task<> play(Sound sound, SoundMode mode) override
    {
        const QString name = soundName(sound);
        played << (mode == SoundMode::ToEnd ? name : name + QLatin1Char('&'));
        co_return;
    }
};

// Stands in for the audio module's output: remembers what it was asked to play.
class FakeSoundOutput : public SoundOutput {
public:
    explicit FakeSoundOutput(bool device = true) : device(device) {}
    bool device;
    QStringList played;
    void play(const QString &resourcePath) override { played << resourcePath; }
    void stop() override {}
    bool isPlaying(const QString &) const override { return false; }
    bool hasDevice() const override { return device; }
};

// A tick clock with a time of its own, on which every sleep ends `late` after it was
// due, as on a busy machine; the test itself does not wait for that time to pass.
class LateTickClock : public TickClock {
public:
    LateTickClock(Duration tick, Duration late) : TickClock(tick), m_late(late) {}
    std::int64_t now() const override { return m_now; }

protected:
    void resumeAfter(int ms, std::function<void()> resume) override
    {
        QTimer::singleShot(0, this, [this, ms, resume] {
            m_now += std::chrono::nanoseconds(std::chrono::milliseconds(ms) + m_late).count();
            resume();
        });
    }

private:
    Duration m_late;
    std::int64_t m_now = 0;
};

// Stands in for the windows around the board.
class RecordingHost : public GameHost {
public:
    QStringList names;                 // what the Players dialog will enter
    bool answerStop = false;           // the answer to "Stop this game?"
    std::optional<QString> testDice;   // the answer to "Enter 6 dice"
    int sheetShown = 0, recordsShown = 0;
    bool printEnabled = false;
    Game *game = nullptr;

    QCoro::Task<> choosePlayers() override { co_return name(); }
    void name()
    {
        Seats seats;
        for (int i = 1; i <= MaxPlayers; ++i)
            seats.names[i] = names.value(i - 1);
        game->setPlayers(seats);
    }
    QCoro::Task<bool> confirmStopGame() override { co_return answerStop; }
    void showScoreSheet() override { ++sheetShown; }
    void showRecords() override { ++recordsShown; }
    void setPrintEnabled(bool on) override { printEnabled = on; }
    // A copy: handed a member, the task's promise would move out of it.
    QCoro::Task<std::optional<QString>> askTestDice() override { co_return std::optional<QString>(testDice); }
};

// One option changed, as the Options window changes it.
template <class T, class V> void setOption(Game &game, T OptionValues::*field, V value)
{
    OptionValues values = game.options().values();
    values.*field = static_cast<T>(value);
    game.setOptions(values);
}

// A game with zero-length ticks, a fixed seed and recording doubles.
struct TestGame {
    Game game;
    RecordingSoundPlayer sound;
    RecordingHost host;

    explicit TestGame(quint32 seed = 1)
    {
        game.clock.setTickLength(std::chrono::nanoseconds(0));
        game.seed(seed);
        game.setSoundPlayer(&sound);
        game.setHost(&host);
        host.game = &game;
    }

    void name(const QStringList &players)
    {
        host.names = players;
        host.name();
    }
    // Round by round every seat throws once and enters the round's category.
    void playRounds(const QList<int> &categories)
    {
        for (int c : categories)
            for (int p = 1; p <= game.state().numPlayers; ++p) {
                if (game.state().throwNo == 0)
                    run(game.throwDice());
                run(game.enterCategory(c));
            }
    }
    // Runs a procedure of the game to its end.
    void run(QCoro::Task<> task) { QCoro::waitFor(std::move(task)); }
    // Throws the given dice (the game in test-dice mode).
    void throwAs(const char *dice)
    {
        host.testDice = QString::fromLatin1(dice);
        run(game.throwDice());
    }
};

// The strategy table the build made beside the game.
inline QString builtStrategyTable()
{
    return QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/../src"))
        .filePath(strategy::ValueTable::fileName());
}

} // namespace korbo::test
