#pragma once

#include "GameState.h"

#include <QByteArray>
#include <QList>

#include <optional>

namespace korbo {

// What best play reaches in one player's game from an empty sheet, found by playing
// many seeded games (tools/strategy/best_play) and shipped with the game, so a
// player's own figures can be set beside it.
struct BestPlay {
    int games = 0;
    double mean = 0;
    double deviation = 0;
    double bonusRate = 0;
    Table1<double, CategoryCount> categoryAverage{};
    // How many games ended in each bin of BinWidth points, from 0.
    QList<int> histogram;
    static constexpr int BinWidth = 10;

    QByteArray toText() const;
    // Nothing when the text is not such a file.
    static std::optional<BestPlay> fromText(const QByteArray &text);
    // The file shipped with the game.
    static const BestPlay &shipped();
};

} // namespace korbo
