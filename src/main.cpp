#include "DesktopSession.h"
#include "Language.h"
#include "Game.h"
#include "MainWindow.h"
#include "Messages.h"
#include "QtSoundPlayer.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

namespace {

// What the command line asks for, read before any window exists, so --help and
// --version answer where there is no display.
struct CommandLine {
    enum { Play, Answered, Refused } outcome = Play;
    bool debug = false;
};

CommandLine readCommandLine(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    const auto said = [](const char *source) { return QCoreApplication::translate("korbo::CommandLine", source); };
    parser.setApplicationDescription(said(QT_TRANSLATE_NOOP("korbo::CommandLine",
                                                          "Korbo, a dice game for one to six players at one machine.")));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption debugOption(
        QStringLiteral("debug"),
        said(QT_TRANSLATE_NOOP("korbo::CommandLine", "Type in the dice of every throw, and watch the game's counters.")));
    parser.addOption(debugOption);
    parser.addPositionalArgument(QStringLiteral("debug"), said(QT_TRANSLATE_NOOP("korbo::CommandLine", "The same as --debug.")),
                                 QStringLiteral("[debug]"));
    // Qt's own options, which the application takes for itself.
    for (const char *name : {"platform", "platformpluginpath", "platformtheme", "plugin", "qmljsdebugger", "qwindowgeometry",
                             "geometry", "qwindowicon", "icon", "qwindowtitle", "title", "session", "display", "style",
                             "stylesheet", "name", "visual"}) {
        QCommandLineOption option(QString::fromLatin1(name), {}, QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    // "Usage: korbo", however the program was started.
    const QString usage = parser.helpText().replace(QCoreApplication::arguments().constFirst() + QLatin1Char(' '),
                                                    QCoreApplication::applicationName() + QLatin1Char(' '));
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "%s\n\n%s", qPrintable(parser.errorText()), qPrintable(usage));
        return {CommandLine::Refused};
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        std::fputs(qPrintable(usage), stdout);
        return {CommandLine::Answered};
    }
    if (parser.isSet(version)) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        return {CommandLine::Answered};
    }
    // "debug" anywhere among the words, letters exactly so, also inside a longer word.
    CommandLine line;
    line.debug = parser.isSet(debugOption) || parser.positionalArguments().join(QLatin1Char(' ')).contains(QLatin1String("debug"));
    return line;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("korbo"));
    QCoreApplication::setApplicationVersion(korbo::VersionText);
    CommandLine line;
    {
        // Read with an application object that needs no display, in the desktop's
        // language; the game's own comes after it.
        QCoreApplication words(argc, argv);
        korbo::UseLanguage(korbo::DesktopLanguage());
        line = readCommandLine(argc, argv);
    }
    if (line.outcome != CommandLine::Play)
        return line.outcome == CommandLine::Answered ? 0 : 2;

    QApplication app(argc, argv);
    korbo::NameApplication();
    korbo::UseLanguage(korbo::DesktopLanguage());

    korbo::Game game;
    korbo::Messages messages;
    game.setTestDiceMode(line.debug);
    korbo::QtSoundPlayer sound(game.clock);
    game.setSoundPlayer(&sound);
    korbo::MainWindow window(game, messages);
    korbo::DesktopSession session(window);
    auto startUp = window.startUp(korbo::MainWindow::defaultFolders());
    return app.exec();
}
