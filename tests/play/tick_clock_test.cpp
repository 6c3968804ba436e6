#include "Recorders.h"

#include <gtest/gtest.h>

#include <QCoro/QCoroTask>
#include <QTimer>

#include <memory>

using namespace korbo;
using namespace std::chrono_literals;

namespace {

TEST(TickClock, EventsRunDuringAWaitAndBeforeAYieldReturns)
{
    TickClock clock(10ms);
    int fired = 0;
    QTimer::singleShot(0, [&] { ++fired; });
    QCoro::waitFor(clock.wait(5));
    EXPECT_EQ(fired, 1);
    EXPECT_EQ(clock.activeWaits(), 0);
    QTimer::singleShot(0, [&] { ++fired; });
    QCoro::waitFor(clock.yield());
    EXPECT_EQ(fired, 2);
}

TEST(TickClock, AWaitEnteredFromInsideAnotherLetsBothFinishInOrder)
{
    TickClock clock(10ms);
    QStringList finished;
    QCoro::Task<> inner;
    // An event arriving in the middle of the outer wait starts a second wait.
    QTimer::singleShot(20, [&] {
        inner = [](TickClock &c, QStringList &log) -> QCoro::Task<> {
            EXPECT_EQ(c.activeWaits(), 1);
            co_await c.wait(3);
            log << QStringLiteral("inner");
        }(clock, finished);
    });
    auto outer = [](TickClock &c, QStringList &log) -> QCoro::Task<> {
        co_await c.wait(10);
        log << QStringLiteral("outer");
    }(clock, finished);
    QCoro::waitFor(outer);
    EXPECT_EQ(finished, (QStringList{QStringLiteral("inner"), QStringLiteral("outer")}));
}

TEST(TickClock, ZeroLengthTicksStillLetEventsInterleave)
{
    TickClock clock(0ns);
    int steps = 0;
    auto task = [](TickClock &c, int &n) -> QCoro::Task<> {
        for (int i = 0; i < 1000; ++i) {
            co_await c.wait(100);
            ++n;
        }
    }(clock, steps);
    // The task has given control back at its first wait.
    EXPECT_EQ(steps, 0);
    QCoro::waitFor(task);
    EXPECT_EQ(steps, 1000);
}

TEST(TickClock, OneTickWaitsInARowDoNotDrift)
{
    // Every sleep ends 3 ms late; a hundred one-tick steps of an animation must still
    // end a hundred ticks after they began, not a hundred times 3 ms later.
    constexpr int Steps = 100;
    test::LateTickClock clock(10ms, 3ms);
    auto animation = [](TickClock &c) -> QCoro::Task<> {
        for (int i = 0; i < Steps; ++i)
            co_await c.wait(1);
    }(clock);
    QCoro::waitFor(animation);
    EXPECT_LE(std::chrono::nanoseconds(clock.now()), Steps * 10ms + 3ms);
}

TEST(TickClock, HaltedClockLetsNoWaiterGoOn)
{
    TickClock clock(10ms);
    bool after = false;
    auto task = [](TickClock &c, bool &flag) -> QCoro::Task<> {
        co_await c.wait(1);
        flag = true;
    }(clock, after);
    clock.halt();
    QEventLoop loop;
    QTimer::singleShot(50, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_FALSE(after);
    EXPECT_TRUE(clock.halted());
}

// Fault guarded: a clock destroyed while a procedure waits drops the timer that would
// resume it, so the procedure's frame, and all it holds, is never freed.
TEST(TickClock, ClockGoneEndsItsWaiters)
{
    auto clock = std::make_unique<TickClock>(10ms);
    const auto held = std::make_shared<int>();
    [](TickClock &c, std::shared_ptr<int>) -> QCoro::Task<> { co_await c.wait(100); }(*clock, held);
    ASSERT_EQ(held.use_count(), 2);
    clock.reset();
    EXPECT_EQ(held.use_count(), 1);
}

} // namespace
