#pragma once
// What the start-up benchmark's two programs, the game's board and an empty window,
// report to it: "shown" as soon as the window has been painted, then, after an idle
// second, their resident memory and the timer events of that second.
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace startup_report {

inline long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

class TimerCounter : public QObject {
public:
    int count = 0;
    bool counting = false;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (counting && event->type() == QEvent::Timer)
            ++count;
        return false;
    }
};

class PaintWatcher : public QObject {
public:
    std::function<void()> onPaint;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && onPaint) {
            auto f = std::move(onPaint);
            onPaint = nullptr;
            QTimer::singleShot(0, f);
        }
        return false;
    }
};

// Watches `window` (before it is shown) and reports as described above, then quits.
class Reporter {
public:
    Reporter(QApplication &app, QWidget &window)
    {
        app.installEventFilter(&m_timers);
        window.installEventFilter(&m_watcher);
        m_watcher.onPaint = [this, &app] {
            std::printf("shown\n");
            std::fflush(stdout);
            // Let the greeting finish, then sit idle for a second.
            QTimer::singleShot(500, [this, &app] {
                m_timers.counting = true;
                QTimer::singleShot(1000, [this, &app] {
                    m_timers.counting = false;
                    // The timer that ends the idle second is counted too; take it off.
                    std::printf("rss %ld\ntimers %d\n", residentKiB(), std::max(0, m_timers.count - 1));
                    std::fflush(stdout);
                    app.quit();
                });
            });
        };
    }

private:
    TimerCounter m_timers;
    PaintWatcher m_watcher;
};

} // namespace startup_report
