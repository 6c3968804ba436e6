// The main window's life: start-up reading the files, closing with and without a
// game, saving at exit.
#include "Doubles.h"
#include "DesktopSession.h"
#include "MainWindow.h"
#include "OptionsDialog.h"
#include "Recorders.h"
#include "RecordsFile.h"
#include "Settings.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <QTest>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformwindow.h>

#include <csignal>

using namespace korbo;
using namespace korbo::test;

namespace {

struct Life : ::testing::Test {
    QTemporaryDir settings, data;
    TestGame t;
    RecordingMessages messages;
    MainWindow window{t.game, messages};
    Game &g = t.game;

    void SetUp() override
    {
        t.game.setHost(&window);
        t.run(window.startUp({settings.path(), data.path()}));
    }
    QString recordsPath() const { return data.filePath(RecordsFileName); }
    // Asks the window to close, as its close box does; true when it agreed.
    bool requestClose()
    {
        QCloseEvent event;
        QApplication::sendEvent(&window, &event);
        return event.isAccepted();
    }
};

TEST_F(Life, ClosingWithoutAGameAsksNothingAndWritesTheRecords)
{
    g.records.MergeResults({{QStringLiteral("Red"), 250}}, QDate(2026, 12, 6));
    EXPECT_TRUE(requestClose());
    EXPECT_TRUE(messages.shown.isEmpty());
    Records read;
    ASSERT_EQ(ReadRecordsFile(read, recordsPath()), RecordsRead::Whole);
    EXPECT_EQ(read.listHI, g.records.listHI);
    EXPECT_TRUE(g.clock.halted());
}

TEST_F(Life, ClosingDuringAGameAsksFirst)
{
    t.name({QStringLiteral("Red")});
    t.run(g.throwDice());
    t.run(g.throwDice());
    messages.yes = false;
    EXPECT_FALSE(requestClose());
    EXPECT_EQ(messages.shown, QStringList{QStringLiteral("Quit Korbo|Are you sure you want to quit?")});
    EXPECT_EQ(g.state.roundNo, 1);
    EXPECT_FALSE(QFileInfo::exists(recordsPath()));
    EXPECT_FALSE(g.clock.halted());

    messages.yes = true;
    EXPECT_TRUE(requestClose());
    Records read;
    ASSERT_EQ(ReadRecordsFile(read, recordsPath()), RecordsRead::Whole);
    EXPECT_TRUE(read.listHI.isEmpty()); // the game in progress is not recorded
}

TEST(LifeSignals, LeavingWithTheDesktopDuringAGameAsksNothingAndWritesBothFiles)
{
    struct Row {
        bool questionOpen; // the player had asked to close, and the question is up
        const char *guards;
    };
    const Row rows[] = {
        {false, "a session end held up by the quit question, which no one may be there to answer"},
        {true, "the program going on once the open question is answered, its end lost in that close"}};
    for (const Row &row : rows) {
        QTemporaryDir settings, data;
        TestGame t;
        RecordingMessages messages;
        MainWindow window(t.game, messages);
        t.game.setHost(&window);
        t.run(window.startUp({settings.path(), data.path()}));
        t.name({QStringLiteral("Red")});
        t.run(t.game.throwDice());
        if (row.questionOpen) {
            messages.whileAsking = [&] { window.saveAndLeave(); };
            window.close();
        } else {
            window.saveAndLeave();
        }
        EXPECT_EQ(messages.shown.size(), row.questionOpen ? 1 : 0) << row.guards;
        EXPECT_FALSE(window.isVisible()) << row.guards;
        EXPECT_TRUE(QFileInfo::exists(settings.filePath(SettingsFileName))) << row.guards;
        EXPECT_TRUE(QFileInfo::exists(data.filePath(RecordsFileName))) << row.guards;
    }
}

TEST(LifeSignals, TheSessionManagerAskingToSaveWritesBothFilesAndTheGameGoesOn)
{
    // Guards a logout losing the run's files where the session manager, not a
    // signal, ends the game; and the game quitting while the logout may be cancelled.
    QTemporaryDir settings, data;
    TestGame t;
    Messages messages;
    MainWindow window(t.game, messages);
    DesktopSession session(window);
    t.run(window.startUp({settings.path(), data.path()}));
    QGuiApplicationPrivate::instance()->commitData();
    EXPECT_TRUE(QFileInfo::exists(settings.filePath(SettingsFileName)));
    EXPECT_TRUE(QFileInfo::exists(data.filePath(RecordsFileName)));
    EXPECT_TRUE(window.isVisible());
}

// Whether the program `pid` handles `signal` itself, as /proc tells.
bool catches(qint64 pid, int signal)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (signal - 1)) & 1;
    return false;
}

TEST(LifeSignals, TheRealProgramSentASignalWritesSettingsAndRecords)
{
    // A bound for a slow machine, never reached when all is well.
    constexpr int kGenerousMs = 60000;
    struct Row {
        int signal;
        const char *guards;
    };
    const Row rows[] = {{SIGTERM, "the session or the system ending, or kill, losing the run's files"},
                        {SIGHUP, "the terminal that started the game closing, losing them"}};
    for (const Row &row : rows) {
        QTemporaryDir home;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        QProcess game;
        game.setProcessEnvironment(env);
        game.start(QStringLiteral(KORBO_PROGRAM), {});
        ASSERT_TRUE(game.waitForStarted());
        // Until the game handles the signal, the signal would end it on the spot.
        ASSERT_TRUE(QTest::qWaitFor([&] { return catches(game.processId(), row.signal); }, kGenerousMs));
        ::kill(pid_t(game.processId()), row.signal);
        ASSERT_TRUE(game.waitForFinished(kGenerousMs)) << row.guards;
        EXPECT_EQ(game.exitStatus(), QProcess::NormalExit) << row.guards;
        EXPECT_TRUE(QFileInfo::exists(home.filePath(QStringLiteral("config/korbo/Korbo.ini")))) << row.guards;
        EXPECT_TRUE(QFileInfo::exists(home.filePath(QStringLiteral("data/korbo/data.dat")))) << row.guards;
    }
}

// The title a window's frame on the desktop shows (on X11 and Wayland alike).
struct DesktopTitle : QPlatformWindow {
    static QString of(const QString &title) { return formatWindowTitle(title, QStringLiteral(" — ")); }
};

TEST_F(Life, WindowTitlesReachTheDesktopAsTheyAre)
{
    // Guards a display name given to the program: the desktop appends it to every
    // window title ("Ann's 1st turn — Korbo").
    NameApplication();
    t.name({QStringLiteral("Ann")});
    t.run(g.throwDice());
    window.showScoreSheet();
    window.recordsWindow();
    window.optionsDialog();
    int titled = 0;
    for (const QWidget *w : QApplication::topLevelWidgets()) {
        if (w->windowTitle().isEmpty())
            continue;
        ++titled;
        EXPECT_EQ(DesktopTitle::of(w->windowTitle()).toStdString(), w->windowTitle().toStdString());
    }
    EXPECT_GE(titled, 4);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Ann's 1st turn"));
}

TEST(Desktop, TellsWhetherAnythingOpenedAPage)
{
    // Guards F1 doing nothing visible where no program opens web pages.
    struct Row {
        const char *opener; // the desktop opener's script; none at all when null
        bool opened;
    };
    const Row rows[] = {{nullptr, false}, {"exit 3", false}, {"exit 0", true}};
    QTemporaryDir bin;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()));
    for (const Row &row : rows) {
        QFile script(bin.filePath(QStringLiteral("xdg-open")));
        script.remove();
        if (row.opener) {
            ASSERT_TRUE(script.open(QIODevice::WriteOnly));
            script.write(QByteArray("#!/bin/sh\n") + row.opener + '\n');
            script.close();
            script.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        }
        std::optional<bool> opened;
        QObject context;
        OpenWithDesktop(QUrl(QStringLiteral("file:///usr/share/korbo/korbo.htm")), &context,
                        [&](bool ok) { opened = ok; });
        EXPECT_TRUE(QTest::qWaitFor([&] { return opened.has_value(); }, 10000));
        EXPECT_EQ(opened, row.opened) << (row.opener ? row.opener : "no opener");
    }
    qputenv("PATH", path);
}

TEST(LifeSaving, EachFileThatCannotBeSavedIsNamedAtExit)
{
    // Guards a silent loss at exit, and the records going unsaved with the settings.
    QTemporaryDir home;
    QFile plain(home.filePath(QStringLiteral("plain")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    // No folder can be made inside a plain file, whoever runs the test.
    const QString blocked = home.filePath(QStringLiteral("plain/korbo"));
    for (bool settingsBlocked : {true, false}) {
        const QString settings = settingsBlocked ? blocked : home.filePath(QStringLiteral("config"));
        const QString data = settingsBlocked ? home.filePath(QStringLiteral("data")) : blocked;
        TestGame t;
        RecordingMessages messages;
        MainWindow window(t.game, messages);
        t.run(window.startUp({settings, data}));
        ASSERT_TRUE(window.close());
        const QString lost = QDir(blocked).filePath(settingsBlocked ? SettingsFileName : RecordsFileName);
        ASSERT_EQ(messages.shown.size(), 1);
        EXPECT_TRUE(messages.shown[0].startsWith(QStringLiteral("Korbo|Korbo could not save:")));
        EXPECT_TRUE(messages.shown[0].contains(lost)) << messages.shown[0].toStdString();
        const QString kept = settingsBlocked ? QDir(data).filePath(RecordsFileName) : QDir(settings).filePath(SettingsFileName);
        EXPECT_TRUE(QFileInfo::exists(kept));
    }
}

// Starts a game window on the two folders, as a run of the game does.
struct GameRun {
    TestGame t;
    RecordingMessages messages;
    MainWindow window{t.game, messages};
    GameRun(const QString &settings, const QString &data)
    {
        t.game.today = [] { return QDate(2026, 12, 6); };
        t.run(window.startUp({settings, data}));
    }
};

TEST(LifeRecords, ADamagedFileIsKeptAsideAndThePlayerToldOnce)
{
    // Guards a damaged records file being written over at exit with what could be
    // read of it, every record lost.
    QTemporaryDir settings, data;
    const QString path = data.filePath(RecordsFileName);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("1X1\r\n"); // one character wrong in the count line
    file.close();
    const QString aside = path + QStringLiteral(".damaged-20261206");
    {
        GameRun run(settings.path(), data.path());
        ASSERT_EQ(run.messages.shown.size(), 1);
        EXPECT_TRUE(run.messages.shown[0].contains(aside)) << run.messages.shown[0].toStdString();
        ASSERT_TRUE(run.window.close());
    }
    QFile kept(aside);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("1X1\r\n"));
    Records read;
    EXPECT_EQ(ReadRecordsFile(read, path), RecordsRead::Whole);
}

TEST(LifeRecords, TwoCopiesPlayingAtOnceBothKeepTheirResults)
{
    // Guards the last copy to quit writing over the other's new records.
    QTemporaryDir settings, data;
    GameRun first(settings.path(), data.path()), second(settings.path(), data.path());
    first.t.game.records.MergeResults({{QStringLiteral("Ann"), 300}}, QDate(2026, 12, 6));
    second.t.game.records.MergeResults({{QStringLiteral("Bob"), 200}}, QDate(2026, 12, 6));
    ASSERT_TRUE(first.window.close());
    ASSERT_TRUE(second.window.close());
    Records read;
    ASSERT_EQ(ReadRecordsFile(read, data.filePath(RecordsFileName)), RecordsRead::Whole);
    ASSERT_EQ(read.listHI.size(), 2);
    EXPECT_EQ(RecordLineName(read.listHI[0]), QStringLiteral("Ann"));
    EXPECT_EQ(RecordLineName(read.listHI[1]), QStringLiteral("Bob"));
}

TEST(LifeRecords, PipesFoldersAndDevicesWhereFilesShouldBeDoNotHoldUpTheStart)
{
    // Guards a start-up that waited for ever on a pipe named like one of its files.
    QTemporaryDir settings, data;
    for (const QString &pipe : {settings.filePath(SettingsFileName), data.filePath(RecordsFileName),
                                data.filePath(QStringLiteral("dudd1.gif"))})
        ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    ASSERT_TRUE(QDir(data.path()).mkdir(QStringLiteral("dudd2.gif")));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), data.filePath(QStringLiteral("dudd3.ico"))));
    GameRun run(settings.path(), data.path());
    EXPECT_TRUE(run.window.isVisible());
    EXPECT_TRUE(run.messages.shown.isEmpty());
    ASSERT_TRUE(run.window.close());
    // Saving put files in the pipes' places.
    EXPECT_TRUE(QFileInfo(data.filePath(RecordsFileName)).isFile());
    EXPECT_TRUE(QFileInfo(settings.filePath(SettingsFileName)).isFile());
}

TEST(LifeRecords, ARecordsFileIsReadEvenWithoutSettings)
{
    QTemporaryDir settings, data;
    Records earlier;
    earlier.MergeResults({{QStringLiteral("Blue"), 300}}, QDate(2025, 1, 2));
    Random random;
    ASSERT_TRUE(WriteRecordsFile(earlier, data.filePath(RecordsFileName), random));

    TestGame t;
    Messages messages;
    MainWindow window(t.game, messages);
    t.run(window.startUp({settings.path(), data.path()}));
    EXPECT_EQ(t.game.records.listHI, earlier.listHI);
}

} // namespace

namespace {

TEST(LifeSettings, SettingsTakeEffectAtStartAndAreWrittenAtExit)
{
    QTemporaryDir settings, data;
    {
        QFile ini(settings.filePath(QStringLiteral("Korbo.ini")));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[Korbo v4.01]\r\nTextButtons=1\r\nCrosshair=1\r\nSound=zany\r\nDiceType=Rainbow\r\n");
    }
    TestGame t;
    Messages messages;
    MainWindow window(t.game, messages);
    t.game.setHost(&window);
    t.run(window.startUp({settings.path(), data.path()}));
    EXPECT_EQ(t.game.options.sound, SoundChoice::Zany);
    EXPECT_EQ(t.game.board.category(Quad).caption, QStringLiteral("Quad")); // text buttons
    EXPECT_EQ(t.game.board.diceStyle(), StyleRainbow);
    EXPECT_EQ(window.cursor().shape(), Qt::CrossCursor);
    EXPECT_TRUE(t.sound.played.isEmpty()); // loading plays no samples

    t.game.options.animationValue = 0;
    ASSERT_TRUE(window.close());
    QFile ini(settings.filePath(QStringLiteral("Korbo.ini")));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_EQ(ini.readAll(), QByteArray("[Korbo v4.01]\r\nAnimation=0\r\nTextButtons=1\r\nCrosshair=1\r\n"
                                        "Auto1stThrow=0\r\nShowLeader=1\r\nSound=Zany\r\nNoThrowSounds=0\r\n"
                                        "DiceType=Rainbow\r\n"));
}

TEST(LifeSettings, OpeningAndClosingTheOptionsChangesNoSetting)
{
    // Guards the Options window, first made after start-up, showing the designed
    // defaults and putting them in force when closed.
    const QByteArray saved("[Korbo v4.01]\r\nAnimation=0\r\nTextButtons=1\r\nCrosshair=2\r\nAuto1stThrow=1\r\n"
                           "ShowLeader=0\r\nSound=Zany\r\nNoThrowSounds=1\r\nDiceType=Rainbow\r\n");
    QTemporaryDir settings, data;
    QFile ini(settings.filePath(QStringLiteral("Korbo.ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write(saved);
    ini.close();
    TestGame t;
    Messages messages;
    MainWindow window(t.game, messages);
    t.game.setHost(&window);
    t.run(window.startUp({settings.path(), data.path()}));
    window.menuOptions->trigger();
    ASSERT_TRUE(window.optionsDialog()->isVisible());
    window.optionsDialog()->close();
    ASSERT_TRUE(window.close());
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_EQ(ini.readAll(), saved);
}

TEST(LifeSettings, AFirstRunKeepsTheDesignedLookAndWritesTheDefaults)
{
    QTemporaryDir home;
    // On a first run neither folder exists yet.
    const QString settings = home.filePath(QStringLiteral("config/korbo"));
    const QString data = home.filePath(QStringLiteral("data/korbo"));
    TestGame t;
    Messages messages;
    MainWindow window(t.game, messages);
    t.game.setHost(&window);
    t.run(window.startUp({settings, data}));
    EXPECT_EQ(t.game.board.category(Quad).caption, QStringLiteral("Quads"));
    ASSERT_TRUE(window.close());
    QFile ini(QDir(settings).filePath(QStringLiteral("Korbo.ini")));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_EQ(ini.readAll().count("\r\n"), 9);
    EXPECT_TRUE(QFileInfo::exists(QDir(data).filePath(RecordsFileName)));
}

} // namespace
