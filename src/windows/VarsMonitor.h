#pragma once

#include "GameState.h"

#include <QWidget>

#include <array>

class QLabel;
class QPushButton;

namespace korbo {

class Game;

// "VarsMonitor": a look at the turn counters, the busy flag and what the computer
// player last made of each category. Only made when the game starts with "debug"
// on its command line. It shows a snapshot taken when made and at each click on
// "Update"; it does not follow the game by itself.
class VarsMonitor : public QWidget {
    Q_OBJECT
public:
    explicit VarsMonitor(const Game &game, QWidget *parent = nullptr);

    QLabel *labelthrow() const { return m_labelthrow; }
    QLabel *labelgo() const { return m_labelgo; }
    QLabel *labelplayergo() const { return m_labelplayergo; }
    QLabel *labelflag() const { return m_labelflag; }
    QPushButton *command1() const { return m_command1; }
    // Category rows 1..14: the name, and its evaluation.
    QLabel *labCatPC(int i) const { return m_labCatPC[i]; }
    QLabel *labCatPCval(int i) const { return m_labCatPCval[i]; }

    // A number as the monitor writes it: a blank before a value that is not
    // negative (" 3"), the minus sign before one that is ("-1").
    static QString signedText(int value);

public slots:
    // "Update": reads the state again.
    void Command1Click();

private:
    const Game &m_game;
    QLabel *m_labelthrow = nullptr;
    QLabel *m_labelgo = nullptr;
    QLabel *m_labelplayergo = nullptr;
    QLabel *m_labelflag = nullptr;
    QPushButton *m_command1 = nullptr;
    Table1<QLabel *, CategoryCount> m_labCatPC{};
    Table1<QLabel *, CategoryCount> m_labCatPCval{};
};

} // namespace korbo
