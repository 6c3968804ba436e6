#include "DesktopSession.h"
#include "Game.h"
#include "MainWindow.h"
#include "Messages.h"
#include "QtSoundPlayer.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    korbo::NameApplication();

    // "debug" anywhere in the command line, letters exactly so, turns on test dice.
    const bool debug = QApplication::arguments().mid(1).join(QLatin1Char(' ')).contains(QLatin1String("debug"));

    korbo::Game game;
    korbo::Messages messages;
    game.setTestDiceMode(debug);
    korbo::QtSoundPlayer sound(game.clock);
    game.setSoundPlayer(&sound);
    korbo::MainWindow window(game, messages);
    korbo::DesktopSession session(window);
    auto startUp = window.startUp(korbo::MainWindow::defaultFolders());
    return app.exec();
}
