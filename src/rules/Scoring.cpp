#include "Scoring.h"

namespace korbo {

namespace {

// Counts non-overlapping runs of `width` equal digits in the sorted dice string,
// for every face value: a pair scan for Twins, a triple scan for Triples.
int countSets(const QString &diceString, int width)
{
    int sets = 0;
    for (int v = 1; v <= 6; ++v) {
        const QString run(width, QChar(u'0' + v));
        int j = 0;
        while (j < diceString.size()) {
            if (QStringView(diceString).mid(j, width) == run) {
                ++sets;
                j += width;
            } else {
                ++j;
            }
        }
    }
    return sets;
}

bool showsAll(const QString &diceString, QStringView faces)
{
    for (QChar f : faces)
        if (!diceString.contains(f))
            return false;
    return true;
}

} // namespace

QString SortDigits(const QString &text)
{
    if (text.size() < 2)
        return text;
    QString sorted;
    sorted.reserve(text.size());
    for (QChar d = u'1'; d <= u'6'; d = QChar(d.unicode() + 1))
        for (QChar ch : text)
            if (ch == d)
                sorted += ch;
    return sorted;
}

QString BuildDiceString(const DiceArray &dice)
{
    QString s;
    for (int d = 1; d <= DiceCount; ++d)
        s += QString::number(dice[d]);
    return SortDigits(s);
}

int DiceTotal(const DiceArray &dice)
{
    int total = 0;
    for (int d = 1; d <= DiceCount; ++d)
        total += dice[d];
    return total;
}

CategoryScore ScoreCategory(const DiceArray &dice, int category)
{
    CategoryScore result;
    // The upper categories count the dice themselves; the lower ones read the sorted string.
    if (category >= Ones && category <= Sixes) {
        int n = 0;
        for (int d = 1; d <= DiceCount; ++d)
            n += dice[d] == category ? 1 : 0;
        result.score = static_cast<Int16>(category * n);
        result.bonusFlag = n > 0;
        return result;
    }

    const QString ds = BuildDiceString(dice);
    switch (category) {
    case Quad:
        for (int v = 1; v <= 6; ++v)
            if (ds.contains(QString(4, QChar(u'0' + v)))) {
                result.score = static_cast<Int16>(DiceTotal(dice));
                result.bonusFlag = true;
                break;
            }
        break;
    case Twins: {
        const int pairs = countSets(ds, 2);
        result.score = static_cast<Int16>(pairs == 3 ? 40 : 10 * pairs);
        result.bonusFlag = pairs == 3;
        break;
    }
    case Triples: {
        const int sets = countSets(ds, 3);
        result.score = sets == 2 ? 40 : sets == 1 ? 15 : 0;
        result.bonusFlag = sets == 2;
        break;
    }
    case Odds:
    case Evens: {
        const int parity = category == Odds ? 1 : 0;
        int sum = 0, count = 0;
        for (int d = 1; d <= DiceCount; ++d)
            if (dice[d] % 2 == parity) {
                sum += dice[d];
                ++count;
            }
        if (count == DiceCount) {
            sum += category == Odds ? 11 : 10;
            result.bonusFlag = true;
        }
        result.score = static_cast<Int16>(sum);
        break;
    }
    case Flush:
        if (showsAll(ds, u"12345"))
            result.score = 35;
        if (showsAll(ds, u"23456"))
            result.score = 35;
        if (ds == QLatin1String("123456")) {
            result.score = 50;
            result.bonusFlag = true;
        }
        break;
    case PotLuck:
        result.score = static_cast<Int16>(DiceTotal(dice));
        result.bonusFlag = true;
        break;
    case Korbo:
        if (ds.size() == DiceCount && ds.count(ds.at(0)) == DiceCount) {
            result.score = 60;
            result.bonusFlag = true;
        }
        break;
    default:
        break;
    }
    return result;
}

int ExtraPoints(bool korboScored, bool sixOfAKind)
{
    return korboScored && sixOfAKind ? ExtraKorboPoints : 0;
}

int ExtraPoints(Int16 korboEntry, const DiceArray &dice)
{
    return ExtraPoints(korboEntry > 0, ScoreCategory(dice, Korbo).score > 0);
}

int BonusEarned(int upperBefore, int upperAfter)
{
    return upperBefore < UpperBonusThreshold && upperAfter >= UpperBonusThreshold ? UpperBonusPoints : 0;
}

Int16 UpperSubtotal(const GameState &state, int player)
{
    int sum = 0, entered = 0;
    for (int c = Ones; c <= Sixes; ++c) {
        if (state.score[player][c] != NotScored) {
            sum += state.score[player][c];
            ++entered;
        }
    }
    return entered > 0 ? static_cast<Int16>(sum) : NotScored;
}

Int16 UpperBonus(const GameState &state, int player)
{
    bool allEntered = true;
    for (int c = Ones; c <= Sixes; ++c)
        allEntered = allEntered && state.score[player][c] != NotScored;
    if (UpperSubtotal(state, player) >= UpperBonusThreshold)
        return UpperBonusPoints;
    return allEntered ? 0 : -1;
}

int PlayerTotal(const GameState &state, int player)
{
    int total = 0;
    for (int c = 1; c <= CategoryCount; ++c)
        if (state.score[player][c] != NotScored)
            total += state.score[player][c];
    if (UpperBonus(state, player) == UpperBonusPoints)
        total += UpperBonusPoints;
    return total;
}

int FindLeader(const GameState &state)
{
    if (state.numPlayers < 2)
        return 0;
    int leader = 0, best = 0;
    for (int p = 1; p <= state.numPlayers; ++p) {
        const int total = PlayerTotal(state, p);
        if (total > best) {
            best = total;
            leader = p;
        }
    }
    return leader;
}

} // namespace korbo
