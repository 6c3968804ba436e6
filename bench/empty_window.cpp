// An empty Qt main window, made only to be compared with the game's board by
// startup_bench: it links nothing but Qt Widgets.
#include "StartupReport.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Empty"));
    window.resize(396, 450);
    startup_report::Reporter reporter(app, window);
    window.show();
    return app.exec();
}
