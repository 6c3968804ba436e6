#pragma once

#include <QMainWindow>

namespace korbo {

// The game board.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
};

} // namespace korbo
