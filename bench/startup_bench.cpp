// Start-up time and idle memory of the game, each compared in the same run with an
// empty Qt main window built for the purpose (empty_window, which links nothing but
// Qt Widgets). Prints board / empty ratios; the aim is at most 1.5 for both. Also
// counts timer events while the board sits idle: it should be 0, since nothing
// ticks unless a wait is in progress.
//
// "Shown" means shown on a display: the windows go to the X display in DISPLAY, or,
// without one, to a private Xvfb server that the benchmark starts when Xvfb is
// installed. Only when there is neither is the offscreen platform used, where
// nothing is really shown; QT_QPA_PLATFORM=offscreen asks for it anyway. The
// platform used is printed with the figures.
//
// The board is started the way the game starts it, by this program running itself
// with --board; both programs report "shown" once their window has been painted,
// then their resident memory and the timer events of one idle second. The two are
// started by turns, many times; each board run is compared with the empty window run
// just before it, and the median of those ratios printed, so that a busy moment of
// the machine weighs on both sides of a comparison alike.
#include "StartupReport.h"

#include "Game.h"
#include "MainWindow.h"
#include "Messages.h"
#include "QtSoundPlayer.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

using namespace korbo;

namespace {

constexpr int Runs = 31;

int board(int argc, char **argv)
{
    QApplication app(argc, argv);
    Game game;
    Messages messages;
    QtSoundPlayer sound(game.clock);
    game.setSoundPlayer(&sound);
    MainWindow window(game, messages);
    startup_report::Reporter reporter(app, window);
    auto startUp = window.startUp({QDir::tempPath(), QDir::tempPath()});
    return app.exec();
}

struct Figures {
    double ms = 0;
    long rss = 0;
    int timers = 0;
};

Figures measure(const QString &program, const QStringList &arguments)
{
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
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

// An Xvfb server of the benchmark's own, stopped when it ends.
class PrivateDisplay {
public:
    ~PrivateDisplay()
    {
        if (m_server.state() != QProcess::NotRunning) {
            m_server.terminate();
            m_server.waitForFinished(2000);
        }
    }

    // Starts Xvfb on the first free display from :90 and waits for its socket;
    // returns the display name, or nothing.
    std::optional<QString> start()
    {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty())
            return std::nullopt;
        for (int number = 90; number < 130; ++number) {
            const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(number);
            const QString lock = QStringLiteral("/tmp/.X%1-lock").arg(number);
            if (QFileInfo::exists(socket) || QFileInfo::exists(lock))
                continue;
            m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            m_server.start(xvfb, {QStringLiteral(":%1").arg(number), QStringLiteral("-screen"), QStringLiteral("0"),
                                  QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
            QElapsedTimer waited;
            waited.start();
            while (m_server.state() != QProcess::NotRunning && waited.elapsed() < 5000) {
                if (QFileInfo::exists(socket))
                    return QStringLiteral(":%1").arg(number);
                m_server.waitForFinished(20);
            }
            return std::nullopt;
        }
        return std::nullopt;
    }

private:
    QProcess m_server;
};

// Sets the environment the measured programs inherit and says what it is.
QString choosePlatform(PrivateDisplay &privateDisplay)
{
    const QString asked = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (!asked.isEmpty())
        return asked + QStringLiteral(" (QT_QPA_PLATFORM)");
    if (!qEnvironmentVariableIsEmpty("DISPLAY"))
        return QStringLiteral("X display ") + qEnvironmentVariable("DISPLAY");
    if (const auto display = privateDisplay.start()) {
        qputenv("DISPLAY", display->toLocal8Bit());
        return QStringLiteral("a private Xvfb display ") + *display;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return QStringLiteral("offscreen (no X display and no Xvfb)");
}

template <typename T> T median(std::vector<T> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && qstrcmp(argv[1], "--board") == 0)
        return board(argc, argv);

    QCoreApplication app(argc, argv);
    PrivateDisplay privateDisplay;
    const QString platform = choosePlatform(privateDisplay);
    const QString self = QCoreApplication::applicationFilePath();
    const QString empty = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("empty_window"));
    if (!QFileInfo(empty).isExecutable()) {
        std::fprintf(stderr, "startup_bench: %s is missing; build the empty_window target\n", qPrintable(empty));
        return 1;
    }
    std::vector<double> emptyMs, boardMs, timeRatios, memoryRatios;
    std::vector<long> emptyRss, boardRss;
    int idleTimers = 0;
    for (int run = 0; run < Runs; ++run) {
        const Figures e = measure(empty, {});
        const Figures b = measure(self, {QStringLiteral("--board")});
        emptyMs.push_back(e.ms);
        boardMs.push_back(b.ms);
        emptyRss.push_back(e.rss);
        boardRss.push_back(b.rss);
        if (e.ms > 0 && e.rss > 0) {
            timeRatios.push_back(b.ms / e.ms);
            memoryRatios.push_back(double(b.rss) / double(e.rss));
        }
        idleTimers = std::max(idleTimers, b.timers);
        std::printf("run %d: start-up %.0f ms vs %.0f ms empty; memory %ld KiB vs %ld KiB empty; idle timer events %d\n",
                    run + 1, b.ms, e.ms, b.rss, e.rss, b.timers);
    }
    if (timeRatios.empty()) {
        std::fprintf(stderr, "startup_bench: the empty window reported nothing\n");
        return 1;
    }
    std::printf("measured on: %s\n", qPrintable(platform));
    std::printf("start-up ratio (board / empty window): %.2f (median of %zu pairs; medians %.0f / %.0f ms)\n",
                median(timeRatios), timeRatios.size(), median(boardMs), median(emptyMs));
    std::printf("idle memory ratio (board / empty window): %.2f (medians %ld / %ld KiB)\n",
                median(memoryRatios), median(boardRss), median(emptyRss));
    std::printf("timer events while idle: %d\n", idleTimers);
    return 0;
}
