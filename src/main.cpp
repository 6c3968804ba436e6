#include "MainWindow.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("korbo"));
    QApplication::setOrganizationName(QStringLiteral("korbo"));
    korbo::MainWindow window;
    window.show();
    return app.exec();
}
