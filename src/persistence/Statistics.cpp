#include "Statistics.h"

#include <algorithm>
#include <cmath>

namespace korbo {

QList<int> PlayerStatistics::histogram(int width) const
{
    QList<int> bins;
    for (const Point &p : totals) {
        const int bin = std::max(0, static_cast<int>(p.value) / width);
        if (bins.size() <= bin)
            bins.resize(bin + 1);
        ++bins[bin];
    }
    return bins;
}

PlayerStatistics ComputeStatistics(const QList<GameRecord> &games, const QString &name, bool computer)
{
    PlayerStatistics s;
    const QString key = HistoryKey(name);
    double sum = 0, squares = 0;
    int bonuses = 0;
    Table1<double, CategoryCount> categorySums{};
    for (const GameRecord &game : games) {
        const auto top = std::max_element(game.seats.begin(), game.seats.end(),
                                          [](const SeatRecord &a, const SeatRecord &b) { return a.total < b.total; });
        const auto atTop = std::count_if(game.seats.begin(), game.seats.end(),
                                         [&](const SeatRecord &seat) { return seat.total == top->total; });
        for (const SeatRecord &seat : game.seats) {
            if (seat.computer != computer || HistoryKey(seat.name) != key)
                continue;
            ++s.games;
            if (game.seats.size() >= 2 && seat.total == top->total)
                ++(atTop == 1 ? s.wins : s.ties);
            sum += seat.total;
            squares += double(seat.total) * seat.total;
            s.best = s.games == 1 ? seat.total : std::max(s.best, seat.total);
            s.lowest = s.games == 1 ? seat.total : std::min(s.lowest, seat.total);
            bonuses += seat.bonus > 0;
            s.korbos += seat.korbo();
            s.extraKorbos += seat.extraKorbos();
            for (int c = 1; c <= CategoryCount; ++c)
                categorySums[c] += seat.scores[c];
            s.totals.append({game.played, double(seat.total)});
            if (seat.pointsLost)
                s.pointsLost.append({game.played, *seat.pointsLost});
        }
    }
    if (s.games == 0)
        return s;
    s.average = sum / s.games;
    s.deviation = s.games > 1 ? std::sqrt(std::max(0.0, (squares - sum * sum / s.games) / (s.games - 1))) : 0;
    s.bonusRate = double(bonuses) / s.games;
    for (int c = 1; c <= CategoryCount; ++c)
        s.categoryAverage[c] = categorySums[c] / s.games;
    double window = 0;
    for (int i = 0; i < s.totals.size(); ++i) {
        window += s.totals[i].value;
        if (i >= PlayerStatistics::RunningGames)
            window -= s.totals[i - PlayerStatistics::RunningGames].value;
        s.runningAverage.append({s.totals[i].played, window / std::min(i + 1, int(PlayerStatistics::RunningGames))});
    }
    return s;
}

} // namespace korbo
