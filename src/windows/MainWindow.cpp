#include "MainWindow.h"

namespace korbo {

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Korbo"));
}

} // namespace korbo
