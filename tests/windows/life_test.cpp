// The main window's life: start-up reading the files, closing with and without a
// game, saving at exit.
#include "BoardView.h"
#include "DesktopSession.h"
#include "History.h"
#include "Language.h"
#include "OptionsDialog.h"
#include "PlayersDialog.h"
#include "RecordsFile.h"
#include "SaveFile.h"
#include "Settings.h"
#include "WindowGame.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <private/qguiapplication_p.h>

#include <csignal>
#include <numeric>
#include <optional>
#include <sys/stat.h>

using namespace korbo;
using namespace korbo::test;

namespace {

// A run of the game on its two folders, started as the program starts it.
struct GameRun : WindowGame {
    GameRun(const QString &settings, const QString &data)
    {
        g.today = [] { return QDate(2026, 12, 6); };
        t.run(window.startUp({settings, data}));
    }
};

struct Life : ::testing::Test {
    QTemporaryDir settings, data;
    QString records = data.filePath(RecordsFileName), ini = settings.filePath(SettingsFileName);
};

TEST_F(Life, EachWayOfLeavingAsksOnlyWhereItMustAndWritesBothFiles)
{
    enum class Way { CloseBoxNo, CloseBoxYes, CtrlQ, Desktop, DesktopWhileAsking, SessionSave };
    const struct { bool inGame; Way way; int asked; bool stays, written; const char *guards; } rows[] = {
        {true, Way::CloseBoxNo, 1, true, false, "a game in progress asks before quitting, and No keeps it"},
        {true, Way::CloseBoxYes, 1, false, true, "Yes quits, writing the records without the game in progress"},
        {true, Way::CtrlQ, 1, true, false, "the desktop's quit key asks as the close box does"},
        {true, Way::Desktop, 0, false, true, "a session end held up by the quit question, which no one may be there to answer"},
        {true, Way::DesktopWhileAsking, 1, false, true,
         "the program going on once the open question is answered, its end lost in that close"},
        {true, Way::SessionSave, 0, true, true,
         "a logout losing the files where the session manager, not a signal, ends the game; or the game "
         "quitting while the logout may still be cancelled"},
    };
    for (const auto &row : rows) {
        QFile::remove(ini);
        QFile::remove(records);
        GameRun run(settings.path(), data.path());
        std::optional<DesktopSession> session;
        if (row.inGame) {
            run.t.name({QStringLiteral("Red")});
            run.t.run(run.g.throwDice());
        }
        run.messages.yes = row.way == Way::CloseBoxYes;
        switch (row.way) {
        case Way::CloseBoxNo:
        case Way::CloseBoxYes: run.window.close(); break;
        case Way::CtrlQ:
            run.window.show();
            run.window.activateWindow();
            QTest::keyClick(&run.window, Qt::Key_Q, Qt::ControlModifier);
            break;
        case Way::Desktop: run.window.saveAndLeave(); break;
        case Way::DesktopWhileAsking:
            run.messages.whileAsking = [&] { run.window.saveAndLeave(); };
            run.window.close();
            break;
        case Way::SessionSave:
            session.emplace(run.window);
            QGuiApplicationPrivate::instance()->commitData();
            break;
        }
        EXPECT_EQ(run.messages.shown, QStringList(row.asked, QStringLiteral("Quit Korbo|Are you sure you want to quit?")))
            << row.guards;
        EXPECT_EQ(run.window.isVisible(), row.stays) << row.guards;
        EXPECT_EQ(run.g.clock.halted(), !row.stays) << row.guards;
        EXPECT_EQ(QFileInfo::exists(ini) && QFileInfo::exists(records), row.written) << row.guards;
        Records read;
        EXPECT_TRUE(!row.written || (ReadRecordsFile(read, records) == RecordsRead::Whole && read.listHI.isEmpty()))
            << row.guards;
    }
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
    constexpr int kGenerousMs = 60000; // a bound for a slow machine, never reached when all is well
    const struct { int signal; const char *guards; } rows[] = {
        {SIGTERM, "the session or the system ending, or kill, losing the run's files"},
        {SIGHUP, "the terminal that started the game closing, losing them"}};
    for (const auto &row : rows) {
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
        EXPECT_TRUE(QFileInfo::exists(home.filePath(QStringLiteral("config/korbo/Korbo.ini")))
                    && QFileInfo::exists(home.filePath(QStringLiteral("data/korbo/data.dat")))) << row.guards;
    }
}

TEST(LifeCommandLine, HelpAndVersionAnswerWithoutADisplayAndUnknownOptionsAreRefused)
{
    // Guards --help and --version starting the game (failing where there is no display),
    // a mistyped option taken for the game's, and the help left in English.
    const struct { const char *argument, *language; int code; const char *says; } rows[] = {
        {"--help", "en", 0, "Usage: korbo [options] [debug]"},
        {"--version", "en", 0, "korbo 4.01\n"},
        {"--bogus", "en", 2, "Unknown option 'bogus'."},
        {"--help", "de", 0, "Aufruf: korbo [Optionen] [debug]"},
        {"--help", "de", 0, "Dasselbe wie --debug."},
    };
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QLatin1String(name));
    for (const auto &row : rows) {
        QProcess game;
        env.insert(QStringLiteral("LANGUAGE"), QLatin1String(row.language));
        game.setProcessEnvironment(env);
        game.start(QStringLiteral(KORBO_PROGRAM), {QLatin1String(row.argument)});
        ASSERT_TRUE(game.waitForFinished(60000)) << row.argument;
        EXPECT_EQ(game.exitCode(), row.code) << row.argument;
        EXPECT_TRUE((game.readAllStandardOutput() + game.readAllStandardError()).contains(row.says)) << row.argument;
    }
}

TEST_F(Life, EachFileThatCannotBeSavedIsNamedAtExit)
{
    // Guards a silent loss at exit, and the records going unsaved with the settings.
    writeFile(settings.filePath(QStringLiteral("plain")), "");
    // No folder can be made inside a plain file, whoever runs the test.
    const QString blocked = settings.filePath(QStringLiteral("plain/korbo"));
    for (bool settingsBlocked : {true, false}) {
        GameRun run(settingsBlocked ? blocked : settings.path(), settingsBlocked ? data.path() : blocked);
        // A data folder that cannot be made is told at the start too: no history of games.
        const qsizetype atStart = run.messages.shown.size();
        EXPECT_EQ(atStart, settingsBlocked ? 0 : 1);
        ASSERT_TRUE(run.window.close());
        ASSERT_EQ(run.messages.shown.size(), atStart + 1);
        const QString lost = QDir(blocked).filePath(settingsBlocked ? SettingsFileName : RecordsFileName);
        EXPECT_TRUE(run.messages.shown.last().startsWith(QStringLiteral("Korbo|Korbo could not save:"))
                    && run.messages.shown.last().contains(lost)) << run.messages.shown.last().toStdString();
        EXPECT_TRUE(QFileInfo::exists(settingsBlocked ? records : ini));
    }
}

TEST_F(Life, ADamagedRecordsFileIsKeptAsideAndThePlayerToldOnce)
{
    // Guards a damaged records file written over at exit with what could be read of it,
    // and the records going unread where there is no settings file yet.
    writeFile(records, "1X1\r\n"); // one character wrong in the count line
    const QString aside = records + QStringLiteral(".damaged-20261206");
    GameRun run(settings.path(), data.path());
    ASSERT_EQ(run.messages.shown.size(), 1);
    EXPECT_TRUE(run.messages.shown[0].contains(aside)) << run.messages.shown[0].toStdString();
    ASSERT_TRUE(run.window.close());
    EXPECT_EQ(readFile(aside), QByteArray("1X1\r\n"));
}

TEST_F(Life, AFinishedGameIsInTheRecordsFileAndTheHistoryAtOnce)
{
    // Guards results kept only in memory until exit, so a crash or a power cut later
    // in the run lost every game since the start; and a history missing a seat, its
    // extra Korbos, its total or the time of the game.
    GameRun run(settings.path(), data.path());
    const QDateTime evening(QDate(2026, 12, 6), QTime(21, 5, 7));
    run.g.now = [evening] { return evening; };
    run.t.name({QStringLiteral("Ann"), QStringLiteral("Bob")});
    run.g.setDice(QList<int>(DiceCount * 2 * RoundCount, 6)); // six of a kind every throw
    run.t.run(run.g.newGame());
    run.t.playRounds({Korbo, Ones, Twos, Threes, Fours, Fives, Sixes, Quad, Twins, Triples, Odds, Evens, Flush, PotLuck});
    ASSERT_EQ(run.g.state().roundNo, 0);
    Records read;
    ASSERT_EQ(ReadRecordsFile(read, records), RecordsRead::Whole);
    EXPECT_EQ(read.listHI, run.g.records.listHI);
    EXPECT_EQ(read.listHI.size(), 2);
    HistoryStore history([] { return QDate(2026, 12, 6); });
    history.open(data.filePath(HistoryStore::FileName));
    const QList<GameRecord> games = history.allGames();
    ASSERT_EQ(games.size(), 1);
    EXPECT_EQ(games[0].played, evening);
    ASSERT_EQ(games[0].seats.size(), 2);
    for (const SeatRecord &seat : games[0].seats) {
        EXPECT_EQ(seat.extraKorbos(), RoundCount - 1) << "each later six of a kind";
        EXPECT_EQ(seat.total, std::accumulate(seat.scores.begin() + 1, seat.scores.end(), seat.bonus));
        EXPECT_FALSE(seat.pointsLost) << "no coach, no figure";
    }
}

TEST_F(Life, WithoutItsTableOfBestPlayThePlayerIsToldOnceAndHintAndCoachGoGrey)
{
    // Guards a table that cannot be used told only on the error output, with Hint and
    // Coach still offered. The tests' program has no table beside it.
    GameRun run(settings.path(), data.path());
    run.t.name({QStringLiteral("Ann")});
    run.t.run(run.g.newGame());
    run.t.run(run.g.throwDice());
    run.t.run(run.g.showHint());
    run.t.run(run.g.showHint());
    ASSERT_EQ(run.messages.shown.size(), 1);
    EXPECT_TRUE(run.messages.shown[0].contains(QStringLiteral("Hint and Coach are not available")));
    EXPECT_FALSE(run.window.menuHint->isEnabled() || run.window.menuCoach->isEnabled());
}

TEST_F(Life, PipesFoldersAndDevicesWhereFilesShouldBeAreToldOfAndLeftAlone)
{
    // Guards a start-up that waited for ever on a pipe named like one of its files, and
    // pipes silently replaced by the files at exit.
    for (const QString &pipe : {ini, records, data.filePath(QStringLiteral("dudd1.gif"))})
        ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    ASSERT_TRUE(QDir(data.path()).mkdir(QStringLiteral("dudd2.gif")));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), data.filePath(QStringLiteral("dudd3.ico"))));
    GameRun run(settings.path(), data.path());
    EXPECT_TRUE(run.window.isVisible());
    ASSERT_EQ(run.messages.shown.size(), 1);
    for (const QString &pipe : {ini, records})
        EXPECT_TRUE(run.messages.shown[0].contains(pipe + QStringLiteral(" is a named pipe, not a file")))
            << run.messages.shown[0].toStdString();
    ASSERT_TRUE(run.window.close());
    EXPECT_EQ(run.messages.shown.size(), 2) << "and again when they cannot be saved";
    EXPECT_EQ(LookAt(records).what, QStringLiteral("a named pipe"));
    EXPECT_EQ(LookAt(ini).what, QStringLiteral("a named pipe"));
}

TEST_F(Life, SettingsTakeEffectAtStartOutliveTheOptionsWindowAndAreWrittenAtExit)
{
    // Guards the Options window, first made after start-up, showing the designed
    // defaults and putting them in force when closed.
    const QByteArray saved("[Korbo v4.01]\r\nAnimation=0\r\nTextButtons=1\r\nCrosshair=2\r\nAuto1stThrow=1\r\n"
                           "ShowLeader=0\r\nSound=zany\r\nNoThrowSounds=1\r\nDiceType=Rainbow\r\n");
    writeFile(ini, saved);
    GameRun run(settings.path(), data.path());
    EXPECT_EQ(run.g.board.category(Quad).caption, QStringLiteral("Quad")); // text buttons
    EXPECT_EQ(run.g.board.diceStyle(), StyleRainbow);
    EXPECT_EQ(run.window.cursor().shape(), Qt::CrossCursor);
    EXPECT_TRUE(run.t.sound.played.isEmpty()); // loading plays no samples
    run.window.menuOptions->trigger();
    ASSERT_TRUE(run.window.optionsDialog()->isVisible());
    run.window.optionsDialog()->close();
    setOption(run.g, &OptionValues::crossHairValue, 1);
    ASSERT_TRUE(run.window.close());
    EXPECT_EQ(readFile(ini), QByteArray(saved).replace("Crosshair=2", "Crosshair=1").replace("zany", "Zany"));
}

TEST_F(Life, AGameInGermanWritesWhatOneInEnglishWritesAndAChosenLanguageIsKept)
{
    // Guards a file value written in the language in use (a sound choice, a dice
    // style, a month of the records), a language written that was never chosen, a
    // name the file cannot hold, and a choice lost at the next start.
    const QString ivan = QStringLiteral("Иван");
    QByteArray written[2][2];
    for (int i : {0, 1}) {
        UseLanguage(QLatin1String(i ? "de" : "en"));
        QFile::remove(ini);
        QFile::remove(records);
        GameRun run(settings.path(), data.path());
        run.g.seed(7);
        run.window.seedRecordsFile(7);
        setOption(run.g, &OptionValues::sound, SoundChoice::Zany);
        setOption(run.g, &OptionValues::diceStyle, StyleLadybirds);
        run.t.name({ivan});
        run.t.run(run.g.newGame());
        run.t.run(run.g.throwDice());
        EXPECT_TRUE(run.window.windowTitle().contains(ivan)) << "the game shows the name as typed";
        run.t.run(run.g.enterCategory(Ones));
        for (int c = Twos; c <= CategoryCount; ++c) {
            run.t.run(run.g.throwDice());
            run.t.run(run.g.enterCategory(c));
        }
        ASSERT_TRUE(run.window.close());
        written[i][0] = readFile(ini);
        written[i][1] = readFile(records);
    }
    EXPECT_EQ(written[0][0], written[1][0]);
    EXPECT_EQ(written[0][1], written[1][1]);
    EXPECT_TRUE(written[0][0].contains("Sound=Zany\r\nNoThrowSounds=0\r\nDiceType=Ladybirds\r\n"));
    EXPECT_TRUE(written[0][0].endsWith("Name1=" + ivan.toUtf8() + "\r\n")) << "the one name of the last game";
    EXPECT_FALSE(written[0][0].contains("Language"));
    Records read;
    ASSERT_EQ(ReadRecordsFile(read, records), RecordsRead::Whole);
    EXPECT_EQ(RecordLineName(read.listHI.value(0)), QStringLiteral("Ivan"));

    UseLanguage(QStringLiteral("en"));
    {
        GameRun run(settings.path(), data.path());
        run.window.findChild<QAction *>(QStringLiteral("menuLanguage_de"))->trigger();
        QCoreApplication::processEvents(); // the windows hear of it in their turn
        EXPECT_EQ(run.window.menuNew->text(), QStringLiteral("&Neu")) << "at once";
        // Ctrl with = and with the keypad's + grow the board by two steps; F11 fills the screen.
        run.window.activateWindow();
        QTest::keyClick(&run.window, Qt::Key_Equal, Qt::ControlModifier);
        QTest::keyClick(&run.window, Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
        EXPECT_EQ(run.window.board()->zoom(), 125);
        EXPECT_EQ(run.window.board()->size(), BoardView::sizeAt(125)) << "the window grown round it";
        QTest::keyClick(&run.window, Qt::Key_F11);
        ASSERT_TRUE(run.window.close());
    }
    EXPECT_TRUE(readFile(ini).contains("Language=de\r\nZoom=125\r\nFullScreen=1\r\n")) << readFile(ini).toStdString();
    UseLanguage(QStringLiteral("en"));
    {
        GameRun run(settings.path(), data.path());
        EXPECT_EQ(CurrentLanguage(), QStringLiteral("de"));
        EXPECT_EQ(run.window.menuNew->text(), QStringLiteral("&Neu")) << "at the next start";
        EXPECT_TRUE(run.window.isFullScreen());
        EXPECT_EQ(run.window.normalZoom(), 125) << "the size to come back to";
        // Escape, which nothing on the board uses, leaves full screen; Ctrl+0 is the designed size.
        QTest::keyClick(&run.window, Qt::Key_Escape);
        EXPECT_FALSE(run.window.isFullScreen());
        QTest::keyClick(&run.window, Qt::Key_0, Qt::ControlModifier);
        EXPECT_EQ(run.window.board()->zoom(), Zoom::Designed);
        PlayersDialog players(run.g);
        EXPECT_EQ(players.findChild<QLineEdit *>(QStringLiteral("txtPlayerName1"))->text(), ivan)
            << "the last game's company, offered again";
        run.window.findChild<QAction *>(QStringLiteral("menuLanguage_desktop"))->trigger();
        ASSERT_TRUE(run.window.close());
    }
    EXPECT_EQ(readFile(ini), written[0][0]) << "the desktop's language and the designed size again, as if never chosen";
    UseLanguage(QStringLiteral("en"));
}

} // namespace
