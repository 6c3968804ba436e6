// Start-up time and idle memory of the game, each compared in the same run with an
// empty Qt main window made for the purpose. Prints board / empty ratios; the aim is
// at most 1.5 for both. Also counts timer events while the board sits idle: it
// should be 0, since nothing ticks unless a wait is in progress.
//
// The program runs itself as a child process in one of two modes and reads what the
// child reports: "shown" once its window has been painted, then its resident memory
// and the timer events of one idle second.
#include "Game.h"
#include "MainWindow.h"
#include "Messages.h"
#include "QtSoundPlayer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace korbo;

namespace {

long residentKiB()
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

int child(int argc, char **argv, bool board)
{
    QApplication app(argc, argv);
    TimerCounter timers;
    app.installEventFilter(&timers);
    PaintWatcher watcher;
    auto report = [&] {
        std::printf("shown\n");
        std::fflush(stdout);
        // Let the greeting finish, then sit idle for a second.
        QTimer::singleShot(500, [&] {
            timers.counting = true;
            QTimer::singleShot(1000, [&] {
                timers.counting = false;
                // The timer that ends the idle second is counted too; take it off.
                std::printf("rss %ld\ntimers %d\n", residentKiB(), std::max(0, timers.count - 1));
                std::fflush(stdout);
                app.quit();
            });
        });
    };
    watcher.onPaint = report;

    if (!board) {
        QMainWindow window;
        window.setWindowTitle(QStringLiteral("Empty"));
        window.resize(396, 450);
        window.installEventFilter(&watcher);
        window.show();
        return app.exec();
    }
    Game game;
    Messages messages;
    QtSoundPlayer sound(game.clock);
    game.setSoundPlayer(&sound);
    MainWindow window(game, messages);
    window.installEventFilter(&watcher);
    auto startUp = window.startUp({QDir::tempPath(), QDir::tempPath()});
    return app.exec();
}

struct Figures {
    double ms = 0;
    long rss = 0;
    int timers = 0;
};

Figures measure(const QString &self, const QString &mode)
{
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(self, {mode});
    Figures f;
    QByteArray out;
    while (process.state() != QProcess::NotRunning || process.bytesAvailable()) {
        process.waitForReadyRead(50);
        out += process.readAllStandardOutput();
        if (f.ms == 0 && out.contains("shown\n"))
            f.ms = timer.nsecsElapsed() / 1e6;
        if (out.contains("timers "))
            break;
    }
    process.waitForFinished();
    out += process.readAllStandardOutput();
    for (const QByteArray &line : out.split('\n')) {
        if (line.startsWith("rss "))
            f.rss = line.mid(4).toLong();
        if (line.startsWith("timers "))
            f.timers = line.mid(7).toInt();
    }
    return f;
}

template <typename T> T median(std::vector<T> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 1 && (qstrcmp(argv[1], "--board") == 0 || qstrcmp(argv[1], "--empty") == 0))
        return child(argc, argv, qstrcmp(argv[1], "--board") == 0);

    QCoreApplication app(argc, argv);
    const QString self = QCoreApplication::applicationFilePath();
    std::vector<double> emptyMs, boardMs;
    std::vector<long> emptyRss, boardRss;
    int idleTimers = 0;
    for (int run = 0; run < 15; ++run) {
        const Figures e = measure(self, QStringLiteral("--empty"));
        const Figures b = measure(self, QStringLiteral("--board"));
        emptyMs.push_back(e.ms);
        boardMs.push_back(b.ms);
        emptyRss.push_back(e.rss);
        boardRss.push_back(b.rss);
        idleTimers = std::max(idleTimers, b.timers);
        std::printf("run %d: start-up %.0f ms vs %.0f ms empty; memory %ld KiB vs %ld KiB empty; idle timer events %d\n",
                    run + 1, b.ms, e.ms, b.rss, e.rss, b.timers);
    }
    std::printf("start-up ratio (board / empty window): %.2f\n", median(boardMs) / median(emptyMs));
    std::printf("idle memory ratio (board / empty window): %.2f\n",
                double(median(boardRss)) / double(median(emptyRss)));
    std::printf("timer events while idle: %d\n", idleTimers);
    return 0;
}
