#include "BestPlay.h"

#include "History.h"

#include <QFile>

namespace korbo {

QByteArray BestPlay::toText() const
{
    QByteArray out = "# What best play reaches from an empty sheet with three jokers, in one player's\n"
                     "# seeded games played through the rules engine by tools/strategy/best_play.\n";
    const auto line = [&out](const QByteArray &key, const QByteArray &value) { out += key + ',' + value + '\n'; };
    line("games", QByteArray::number(games));
    line("mean", QByteArray::number(mean, 'f', 4));
    line("deviation", QByteArray::number(deviation, 'f', 4));
    line("bonus_rate", QByteArray::number(bonusRate, 'f', 4));
    for (int c = 1; c <= CategoryCount; ++c)
        line(HistoryColumn(c).toLatin1(), QByteArray::number(categoryAverage[c], 'f', 4));
    QByteArrayList bins;
    for (int count : histogram)
        bins << QByteArray::number(count);
    line("histogram", bins.join(','));
    return out;
}

std::optional<BestPlay> BestPlay::fromText(const QByteArray &text)
{
    BestPlay best;
    int known = 0;
    for (const QByteArray &line : text.split('\n')) {
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QList<QByteArray> fields = line.trimmed().split(',');
        const QByteArray &key = fields.first();
        bool ok = fields.size() >= 2;
        const double value = ok ? fields[1].toDouble(&ok) : 0;
        if (!ok)
            return std::nullopt;
        ++known;
        if (key == "games")
            best.games = static_cast<int>(value);
        else if (key == "mean")
            best.mean = value;
        else if (key == "deviation")
            best.deviation = value;
        else if (key == "bonus_rate")
            best.bonusRate = value;
        else if (key == "histogram")
            for (const QByteArray &count : fields.mid(1))
                best.histogram << count.toInt();
        else
            for (int c = 1; c <= CategoryCount; ++c)
                if (key == HistoryColumn(c).toLatin1())
                    best.categoryAverage[c] = value;
    }
    if (known != 5 + CategoryCount || best.games <= 1)
        return std::nullopt;
    return best;
}

const BestPlay &BestPlay::shipped()
{
    static const BestPlay best = [] {
        QFile file(QStringLiteral(":/statistics/best_play.csv"));
        file.open(QIODevice::ReadOnly);
        return fromText(file.readAll()).value_or(BestPlay{});
    }();
    return best;
}

} // namespace korbo
