#include "Recorders.h"

#include <gtest/gtest.h>

#include <QCoro/QCoroTask>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace korbo;
using namespace std::chrono_literals;

namespace {

TEST(TickClock, EventsRunDuringWaitsAndYieldsAndANestedWaitFinishesFirst)
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
    EXPECT_EQ(clock.activeWaits(), 0);
    QTimer::singleShot(0, [&] { finished << QStringLiteral("event"); });
    QCoro::waitFor(clock.yield());
    EXPECT_EQ(finished, (QStringList{QStringLiteral("inner"), QStringLiteral("outer"), QStringLiteral("event")}));
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

// Fault guarded: a halted clock letting its waiters go on (the game went on after it
// quit), and a clock destroyed while a procedure waits dropping the timer that would
// resume it, so the procedure's frame, and all it holds, was never freed.
TEST(TickClock, AHaltedOrDestroyedClockEndsItsWaiters)
{
    const auto held = std::make_shared<int>();
    bool wentOn = false;
    const auto waiter = [](TickClock &c, std::shared_ptr<int>, bool &flag) -> QCoro::Task<> {
        co_await c.wait(1);
        flag = true;
    };
    TickClock halted(10ms);
    waiter(halted, held, wentOn);
    halted.halt();
    QTest::qWait(50);
    EXPECT_FALSE(wentOn);
    auto destroyed = std::make_unique<TickClock>(10ms);
    waiter(*destroyed, held, wentOn);
    ASSERT_EQ(held.use_count(), 2);
    destroyed.reset();
    EXPECT_EQ(held.use_count(), 1);
    EXPECT_FALSE(wentOn);
}

} // namespace
