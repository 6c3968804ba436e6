#pragma once

#include <QElapsedTimer>
#include <QObject>

#include <QCoro/QCoroTask>

#include <chrono>
#include <coroutine>
#include <functional>
#include <vector>

namespace korbo {

// What a cancelled wait throws: the procedure that waited ends there, and so does
// every procedure that awaited it, up to the event handler that started it.
struct WaitCancelled {};

// The game's pause: waits of n ticks (10 ms each) during which window events keep
// being handled, so clicks and drags arrive in the middle of a throw or a commit.
//
// A wait is measured against a deadline rather than by counting timer events, and a
// wait that begins right where the previous one ended continues from that deadline,
// so an animation of a hundred one-tick steps lasts a hundred ticks, not a hundred
// ticks plus the timer's lateness a hundred times. No timer runs while nobody waits.
//
// With a zero tick length (tests, benchmarks of the game logic) every wait still
// returns to the event loop once, so events can interleave exactly as in play.
class TickClock : public QObject {
    Q_OBJECT
public:
    using Duration = std::chrono::nanoseconds;
    static constexpr Duration DefaultTick = std::chrono::milliseconds(10);

    explicit TickClock(Duration tick = DefaultTick, QObject *parent = nullptr);
    // Waits still in progress end as at a halt, at once: their timers go with the
    // clock, and a procedure nobody resumes would hold its memory for good.
    ~TickClock() override;

    void setTickLength(Duration tick) { m_tick = tick; }

    // Waits `ticks` ticks; events are handled meanwhile. Waits may nest.
    QCoro::Task<> wait(int ticks);

    // Lets pending window events run once, then continues.
    QCoro::Task<> yield();

    // Waits in progress right now.
    int activeWaits() const { return m_active; }
    // Ticks asked for by every wait so far: the game's pace, whatever the tick length.
    std::int64_t ticksWaited() const { return m_ticksWaited; }

    // Every wait in progress now throws WaitCancelled when it would next continue;
    // waits begun afterwards are not touched. A stopped game uses it, so none of its
    // procedures can touch the board again.
    void cancelWaits() { ++m_generation; }

    // Called at shutdown: every wait in progress ends as a cancelled one does when it
    // would next continue, and every later wait ends at once, so no game code runs
    // once the settings have been saved. The waiting procedures still end, rather than
    // stay suspended for good, so what they hold is freed.
    void halt();
    bool halted() const { return m_halted; }

protected:
    // The clock's time, and how a sleep resumes its wait: a test's clock keeps time of
    // its own through these two, so it can make every sleep end late on purpose.
    virtual std::int64_t now() const { return m_elapsed.nsecsElapsed(); }
    virtual void resumeAfter(int ms, std::function<void()> resume);

private:
    struct Sleep {
        TickClock *clock;
        int ms;
        bool halted;
        bool await_ready() const noexcept { return halted; }
        void await_suspend(std::coroutine_handle<> handle) const;
        void await_resume() const noexcept {}
    };

    // Sleeps once; throws when the waits of `generation` were cancelled meanwhile.
    QCoro::Task<> sleep(int ms, std::uint64_t generation);

    Duration m_tick;
    QElapsedTimer m_elapsed;
    std::int64_t m_lastDeadline = -1;
    int m_active = 0;
    std::uint64_t m_generation = 0;
    bool m_halted = false;
    std::int64_t m_ticksWaited = 0;
    // The procedures suspended in a sleep, each until its timer resumes it.
    std::vector<std::coroutine_handle<>> m_sleeping;
};

} // namespace korbo
