// How closely the tick clock keeps time: one wait of 100 ticks, and 100 waits of
// one tick each, should both last 1000 ms. Prints measured / nominal.
#include "TickClock.h"

#include <QCoreApplication>
#include <QCoro/QCoroTask>
#include <QElapsedTimer>
#include <QThread>

#include <cstdio>

using namespace korbo;

static QCoro::Task<> manySteps(TickClock &clock, int steps)
{
    for (int i = 0; i < steps; ++i)
        co_await clock.wait(1);
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    TickClock clock;
    const int rounds = 5;
    for (int r = 0; r < rounds; ++r) {
        QElapsedTimer t;
        t.start();
        QCoro::waitFor(clock.wait(100));
        const double one = t.nsecsElapsed() / 1e6;
        QThread::msleep(30); // a gap, so the steps below start a fresh sequence
        t.restart();
        QCoro::waitFor(manySteps(clock, 100));
        const double many = t.nsecsElapsed() / 1e6;
        std::printf("one wait of 100 ticks: %.1f ms, ratio %.4f; 100 waits of 1 tick: %.1f ms, ratio %.4f\n",
                    one, one / 1000.0, many, many / 1000.0);
    }
    return 0;
}
