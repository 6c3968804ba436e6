#include "Records.h"

#include "Random.h"

#include <QLocale>

#include <QHash>

#include <algorithm>
#include <array>

namespace korbo {

namespace {

const std::array<const char *, 12> MonthNames = {
    "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// Exactly `width` characters: cut when longer, padded with spaces on the right.
QString fit(const QString &text, int width)
{
    return text.leftJustified(width, QLatin1Char(' '), true);
}

// Exactly `width` characters: cut when longer, padded with spaces on the left.
QString fitRight(const QString &text, int width)
{
    return text.rightJustified(width, QLatin1Char(' '), true);
}

// Characters of a line by column, counting from 1 as the layout does.
QString cols(const QString &line, int first, int last)
{
    return fit(line.mid(first - 1, last - first + 1), last - first + 1);
}

QString twoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

// Rebuilds `list` from the keys of its lines and of the results. Highs walk the
// keys from the greatest down, tries from the least up. Returns whether any line
// changed.
bool mergeInto(QStringList &list, const QStringList &resultKeys, bool highs)
{
    QStringList sorter;
    sorter.reserve(list.size() + resultKeys.size());
    for (const QString &line : std::as_const(list))
        sorter << RecordKeyOfLine(line);
    sorter << resultKeys;
    std::stable_sort(sorter.begin(), sorter.end(), RecordKeyLess);
    if (highs)
        std::reverse(sorter.begin(), sorter.end());

    QStringList rebuilt;
    const int count = std::min<int>(sorter.size(), RecordsMaxLines);
    rebuilt.reserve(count);
    for (int i = 0; i < count; ++i)
        rebuilt << RecordLineOfKey(sorter.at(i), i + 1);

    const bool changed = rebuilt != list;
    list = rebuilt;
    return changed;
}

} // namespace

QString MonthAbbreviation(int month)
{
    if (month < 1 || month > 12)
        return {};
    return QLatin1String(MonthNames[month - 1]);
}

QString MonthConvert(const QString &text)
{
    if (text.size() != 2) {
        for (int m = 1; m <= 12; ++m)
            if (text == QLatin1String(MonthNames[m - 1]))
                return twoDigits(m);
        return {};
    }
    bool ok = false;
    const int month = text.trimmed().toInt(&ok);
    if (!ok)
        return {};
    return MonthAbbreviation(month);
}

QString RecordDateText(const QDate &date)
{
    return twoDigits(date.day()) + QLatin1Char(' ') + MonthAbbreviation(date.month())
        + QLatin1Char(' ') + twoDigits(date.year() % 100);
}

QString RecordKeyOfLine(const QString &line)
{
    // A damaged line still gives a key of full width, so the line rebuilt from it
    // keeps the layout.
    return cols(line, 4, 7) + fit(line.right(2), 2) + fit(MonthConvert(cols(line, 25, 27)), 2)
        + cols(line, 22, 23) + cols(line, 9, 20);
}

QString RecordName(const QString &name)
{
    // Letters with no accent to drop and no Latin-1 form of their own.
    static const std::pair<char16_t, const char *> kOwn[] = {
        {u'ł', "l"}, {u'Ł', "L"}, {u'đ', "d"}, {u'Đ', "D"}, {u'ħ', "h"}, {u'Ħ', "H"}, {u'ı', "i"},
        {u'œ', "oe"}, {u'Œ', "OE"}, {u'ŋ', "ng"}, {u'ſ', "s"}, {u'ŧ', "t"}, {u'Ŧ', "T"},
        // Russian, Ukrainian and Belarusian letters as passports spell them.
        {u'а', "a"}, {u'б', "b"}, {u'в', "v"}, {u'г', "g"}, {u'ґ', "g"}, {u'д', "d"}, {u'е', "e"}, {u'ё', "e"},
        {u'є', "ie"}, {u'ж', "zh"}, {u'з', "z"}, {u'и', "i"}, {u'і', "i"}, {u'ї', "i"}, {u'й', "i"}, {u'к', "k"},
        {u'л', "l"}, {u'м', "m"}, {u'н', "n"}, {u'о', "o"}, {u'п', "p"}, {u'р', "r"}, {u'с', "s"}, {u'т', "t"},
        {u'у', "u"}, {u'ў', "u"}, {u'ф', "f"}, {u'х', "kh"}, {u'ц', "ts"}, {u'ч', "ch"}, {u'ш', "sh"},
        {u'щ', "shch"}, {u'ъ', "ie"}, {u'ы', "y"}, {u'ь', ""}, {u'э', "e"}, {u'ю', "iu"}, {u'я', "ia"},
        // Greek.
        {u'α', "a"}, {u'β', "v"}, {u'γ', "g"}, {u'δ', "d"}, {u'ε', "e"}, {u'ζ', "z"}, {u'η', "i"}, {u'θ', "th"},
        {u'ι', "i"}, {u'κ', "k"}, {u'λ', "l"}, {u'μ', "m"}, {u'ν', "n"}, {u'ξ', "x"}, {u'ο', "o"}, {u'π', "p"},
        {u'ρ', "r"}, {u'σ', "s"}, {u'ς', "s"}, {u'τ', "t"}, {u'υ', "y"}, {u'φ', "f"}, {u'χ', "ch"}, {u'ψ', "ps"},
        {u'ω', "o"},
    };
    const auto own = [](QChar c) -> const char * {
        for (const auto &[letter, latin] : kOwn)
            if (c == QChar(letter))
                return latin;
        return nullptr;
    };
    QString out;
    for (const QChar c : name) {
        if (c.unicode() <= 0xFF) {
            out += c;
            continue;
        }
        // An accented letter is its letter without the accent: ś is s, ί is ι.
        const QString decomposed = QString(c).normalized(QString::NormalizationForm_KD);
        const QChar base = decomposed.isEmpty() ? c : decomposed.at(0);
        if (base.unicode() <= 0xFF && base.isLetter()) {
            out += base;
            continue;
        }
        const bool upper = base.isUpper();
        if (const char *latin = own(upper ? base.toLower() : base)) {
            // A capital stays a capital: "Ж" is "Zh", "Щука" "Shchuka".
            QString word = QString::fromLatin1(latin);
            if (upper && !word.isEmpty())
                word[0] = word[0].toUpper();
            out += word;
            continue;
        }
        out += QLatin1Char('?'); // what the file's 8-bit text makes of anything else
    }
    return out;
}

QString RecordKeyOfResult(const QString &name, int total, const QDate &today)
{
    const int held = std::clamp(total, 0, RecordMaxTotal);
    return fitRight(QString::number(held), 4) + twoDigits(today.year() % 100)
        + twoDigits(today.month()) + twoDigits(today.day()) + fit(RecordName(name), RecordNameLength);
}

QString RecordLineOfKey(const QString &key, int position)
{
    const QString k = fit(key, RecordKeyLength);
    const QChar space(QLatin1Char(' '));
    return fitRight(QString::number(position), 2) + space + k.mid(0, 4) + space + k.right(12)
        + space + k.mid(8, 2) + space + fit(MonthConvert(k.mid(6, 2)), 3) + space + k.mid(4, 2);
}

QString RecordLineShown(const QString &line)
{
    const QLocale locale;
    const QString month = MonthConvert(line.mid(24, 3));
    if (locale.language() == QLocale::English || locale.language() == QLocale::C || month.isEmpty())
        return line;
    // The month takes as many columns as the language's longest short name needs.
    const auto shortName = [&locale](int m) {
        QString name = locale.standaloneMonthName(m, QLocale::ShortFormat);
        if (name.endsWith(QLatin1Char('.')))
            name.chop(1);
        return name.left(4);
    };
    qsizetype columns = 3;
    for (int m = 1; m <= 12; ++m)
        columns = std::max(columns, shortName(m).size());
    return line.left(24) + shortName(month.toInt()).leftJustified(columns) + line.mid(27);
}

QString RecordLineSpoken(const QString &line)
{
    return QStringLiteral("%1, %2, %3, %4")
        .arg(line.left(2).trimmed(), RecordLineName(line), QString::number(line.mid(3, 4).toInt()), line.mid(21).trimmed());
}

bool RecordKeyLess(const QString &a, const QString &b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

QString RecordLineName(const QString &line)
{
    return line.mid(8, RecordNameLength).trimmed();
}

QString EncodeText(const QString &text, Random &random)
{
    static const char hex[] = "0123456789ABCDEF";
    QString out;
    out.reserve(text.size() * 3);
    for (qsizetype i = text.size() - 1; i >= 0; --i) {
        int c = text.at(i).unicode();
        if (c > 255)
            c = '?'; // what Latin-1 makes of it
        if (c < 31)
            c = 32; // below 31 there is no code to write; a space keeps the column
        if (c == 32)
            c = 94;
        const int v = c - 31;
        out += QLatin1Char(hex[random.below(16)]);
        out += QLatin1Char(hex[v >> 4]);
        out += QLatin1Char(hex[v & 15]);
    }
    return out;
}

QString DecodeText(const QString &encoded)
{
    auto hexValue = [](QChar ch) -> int {
        const char16_t u = ch.unicode();
        if (u >= '0' && u <= '9')
            return u - '0';
        if (u >= 'A' && u <= 'F')
            return u - 'A' + 10;
        return -1;
    };
    for (QChar ch : encoded)
        if (hexValue(ch) < 0)
            return {};

    QString out;
    out.reserve(encoded.size() / 3 + 1);
    // i is the 1-based position of the last character of the current group.
    for (qsizetype i = encoded.size(); i >= 1; i -= 3) {
        int v = 33;
        if (i > 1)
            v = hexValue(encoded.at(i - 2)) * 16 + hexValue(encoded.at(i - 1));
        int code = v + 31;
        if (code > 255)
            break;
        if (code == 94)
            code = 32;
        out += QChar(code);
    }
    return out;
}

bool Records::MergeResults(const QList<RecordResult> &results, const QDate &today)
{
    QStringList resultKeys;
    resultKeys.reserve(results.size());
    for (const RecordResult &r : results)
        resultKeys << RecordKeyOfResult(r.name, r.total, today);

    const bool highsChanged = mergeInto(listHI, resultKeys, true);
    const bool triesChanged = mergeInto(listLO, resultKeys, false);
    const bool changedAny = highsChanged || triesChanged;
    if (changedAny)
        emit changed();
    return changedAny;
}

namespace {
// The keys of the lines of `now` that `before` did not hold, counting repeats.
QStringList addedKeys(const QStringList &now, const QStringList &before)
{
    QHash<QString, int> held;
    for (const QString &line : before)
        ++held[RecordKeyOfLine(line)];
    QStringList added;
    for (const QString &line : now) {
        const QString key = RecordKeyOfLine(line);
        if (held.value(key) > 0)
            --held[key];
        else
            added << key;
    }
    return added;
}
} // namespace

bool Records::MergeAddedLines(const Records &onDisk, const QStringList &highsRead, const QStringList &triesRead)
{
    const bool highsChanged = mergeInto(listHI, addedKeys(onDisk.listHI, highsRead), true);
    const bool triesChanged = mergeInto(listLO, addedKeys(onDisk.listLO, triesRead), false);
    if (highsChanged || triesChanged)
        emit changed();
    return highsChanged || triesChanged;
}

void Records::setLists(const QStringList &highs, const QStringList &tries)
{
    listHI = highs;
    listLO = tries;
    emit changed();
}

} // namespace korbo
