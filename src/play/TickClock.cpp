#include "TickClock.h"

#include <QTimer>

namespace korbo {

TickClock::TickClock(Duration tick, QObject *parent)
    : QObject(parent), m_tick(tick)
{
    m_elapsed.start();
}

void TickClock::resumeAfter(int ms, std::function<void()> resume)
{
    QTimer::singleShot(ms, Qt::PreciseTimer, this, std::move(resume));
}

TickClock::~TickClock()
{
    // Each sleeper throws WaitCancelled where it waits; the procedures above it unwind
    // and free their frames. A halted clock lets no new sleep begin meanwhile.
    halt();
    while (!m_sleeping.empty()) {
        const std::coroutine_handle<> sleeper = m_sleeping.back();
        m_sleeping.pop_back();
        sleeper.resume();
    }
}

void TickClock::Sleep::await_suspend(std::coroutine_handle<> handle) const
{
    clock->m_sleeping.push_back(handle);
    clock->resumeAfter(ms, [clock = clock, handle] {
        std::erase(clock->m_sleeping, handle);
        handle.resume();
    });
}

QCoro::Task<> TickClock::sleep(int ms, std::uint64_t generation)
{
    co_await Sleep{this, ms, m_halted};
    if (generation != m_generation || m_halted)
        throw WaitCancelled{};
}

QCoro::Task<> TickClock::yield()
{
    co_await sleep(0, m_generation);
}

QCoro::Task<> TickClock::wait(int ticks)
{
    if (ticks < 0)
        ticks = 0;
    m_ticksWaited += ticks;
    const std::int64_t tick = m_tick.count();
    const std::uint64_t generation = m_generation;
    if (tick == 0) {
        co_await sleep(0, generation);
        co_return;
    }

    const std::int64_t start = now();
    // Carry on from the last deadline when this wait follows it directly (the next
    // step of an animation); otherwise start counting now.
    std::int64_t base = start;
    if (m_active == 0 && m_lastDeadline >= 0 && start - m_lastDeadline < tick)
        base = m_lastDeadline;
    const std::int64_t deadline = base + ticks * tick;

    ++m_active;
    try {
        for (std::int64_t left = deadline - now(); left > 0; left = deadline - now()) {
            const int ms = static_cast<int>((left + 999'999) / 1'000'000);
            co_await sleep(ms, generation);
        }
    } catch (const WaitCancelled &) {
        --m_active;
        throw;
    }
    --m_active;
    m_lastDeadline = deadline;
}

void TickClock::halt()
{
    m_halted = true;
    cancelWaits();
}

} // namespace korbo
