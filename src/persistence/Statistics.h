#pragma once

#include "History.h"

#include <QDateTime>
#include <QList>
#include <QPointF>

namespace korbo {

// What one player's history says: the figures and the series the statistics show,
// worked out from the stored games alone.
struct PlayerStatistics {
    int games = 0;
    // Strictly the highest total in a game of two seats or more; a first place shared
    // with another seat is a tie.
    int wins = 0;
    int ties = 0;
    double average = 0;
    int best = 0;
    int lowest = 0;
    double deviation = 0; // of the totals, as a sample's
    double bonusRate = 0; // of games with the upper bonus, 0 to 1
    int korbos = 0;
    int extraKorbos = 0;

    struct Point {
        QDateTime played;
        double value = 0;
        bool operator==(const Point &) const = default;
    };
    QList<Point> totals;         // each game's total, oldest first
    QList<Point> runningAverage; // the mean of the last RunningGames totals, game by game
    Table1<double, CategoryCount> categoryAverage{};
    QList<Point> pointsLost;     // for the games played with the coach on

    // How many of the totals fall in each bin of `width` points, from 0.
    QList<int> histogram(int width) const;

    // The running average is taken over this many games: enough to smooth one lucky
    // evening, few enough to show a player getting better.
    static constexpr int RunningGames = 10;
    bool operator==(const PlayerStatistics &) const = default;
};

} // namespace korbo
