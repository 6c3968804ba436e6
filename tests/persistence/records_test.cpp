#include "Random.h"
#include "Records.h"

#include <gtest/gtest.h>

#include <QSet>
#include <QSignalSpy>

using namespace korbo;

namespace {

const QDate June15(2024, 6, 15);

QString lineOf(const QString &name, int total, const QDate &date, int position)
{
    return RecordLineOfKey(RecordKeyOfResult(name, total, date), position);
}

bool isHexDigit(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        || (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

// ---- EncodeText / DecodeText ----

TEST(EncodeText, RoundTripsAndTurnsACircumflexIntoASpace)
{
    const struct { const char *text; const char *decoded; } rows[] = {
        {"abc", "abc"},
        {"Hello World", "Hello World"},
        {" 1  412 Red          05 Mar 04", " 1  412 Red          05 Mar 04"},
        {"a^b", "a b"},
        {"^", " "},
        {"~!@#$%&*()_+{}|:<>?", "~!@#$%&*()_+{}|:<>?"},
        {"Jos\xe9 \xff\xa0", "Jos\xe9 \xff\xa0"}, // Latin-1 letters
        {"", ""},
    };
    Random random(7);
    for (const auto &r : rows) {
        const QString encoded = EncodeText(QString::fromLatin1(r.text), random);
        EXPECT_EQ(encoded.size(), 3 * qstrlen(r.text)) << r.text;
        EXPECT_EQ(DecodeText(encoded), QString::fromLatin1(r.decoded)) << r.text;
    }
}

TEST(EncodeText, WritesEachCharacterLastFirstAfterARandomDigit)
{
    const struct { const char *text; const char *pairs; } rows[] = {
        {"abc", "444342"},
        {" 5", "163F"}, // how a count of 5 is written
        {" 0", "113F"},
        {"^", "3F"},
        {" ", "3F"},
        {"\x1e\x1f", "003F"}, // 31 is the lowest code written; lower ones become spaces
    };
    Random random(11);
    for (const auto &r : rows) {
        const QString encoded = EncodeText(QString::fromLatin1(r.text), random);
        QString pairs;
        for (int i = 0; i < encoded.size(); i += 3) {
            EXPECT_TRUE(isHexDigit(encoded.at(i))) << r.text << " at " << i;
            pairs += encoded.mid(i + 1, 2);
        }
        EXPECT_EQ(pairs, QLatin1String(r.pairs)) << r.text;
    }
}

TEST(EncodeText, TheRandomDigitTakesEveryValue)
{
    Random random(5);
    QSet<QChar> seen;
    const QString encoded = EncodeText(QString(400, QLatin1Char('x')), random);
    for (int i = 0; i < encoded.size(); i += 3)
        seen.insert(encoded.at(i));
    EXPECT_EQ(seen.size(), 16);
}

TEST(DecodeText, OddLengthsAndRefusals)
{
    const struct { const char *encoded; const char *decoded; } rows[] = {
        {"", ""},
        {"16", "5"},        // a two-character leftover decodes as a pair
        {"A", "@"},         // a one-character leftover gives "@"
        {"A042", "a@"},
        {"716A3F", " 5"},
        {"X42", ""},        // not a hex digit
        {"042 ", ""},
        {"0a2", ""},        // lower-case hex is refused too
        {"0ff", ""},
        {"0FF", ""},        // code 286: ends at once
        {"0FF042", "a"},    // ... keeping what came before it
        {"FF042043", "ba"},
        {"0E0", "\xff"},    // the highest code that decodes
        {"000", "\x1f"},
    };
    for (const auto &r : rows)
        EXPECT_EQ(DecodeText(QLatin1String(r.encoded)), QString::fromLatin1(r.decoded)) << r.encoded;
}

// ---- MonthConvert ----

TEST(MonthConvert, BothWaysAndRefusals)
{
    const struct { const char *in; const char *out; } rows[] = {
        {"Jan", "01"}, {"Mar", "03"}, {"Sep", "09"}, {"Dec", "12"},
        {"01", "Jan"}, {"03", "Mar"}, {"10", "Oct"}, {"12", "Dec"},
        {"mar", ""}, {"MAR", ""}, {"March", ""}, {"Ma", ""},
        {"13", ""}, {"00", ""}, {"ab", ""}, {"3", ""}, {"", ""}, {"  ", ""},
    };
    for (const auto &r : rows)
        EXPECT_EQ(MonthConvert(QLatin1String(r.in)), QLatin1String(r.out)) << r.in;
}

// ---- lines and keys ----

TEST(RecordLine, KeysAndLinesConvertBothWays)
{
    const QString line = QStringLiteral(" 1  412 Red          05 Mar 04");
    const QString key = QStringLiteral(" 412040305Red         ");
    ASSERT_EQ(line.size(), RecordLineLength);
    ASSERT_EQ(key.size(), RecordKeyLength);
    EXPECT_EQ(RecordKeyOfLine(line), key);
    EXPECT_EQ(RecordKeyOfResult(QStringLiteral("Red"), 412, QDate(2004, 3, 5)), key);
    EXPECT_EQ(RecordLineOfKey(key, 1), line);
    EXPECT_EQ(RecordLineOfKey(key, 42), QStringLiteral("42  412 Red          05 Mar 04"));
    EXPECT_EQ(RecordLineName(line), QStringLiteral("Red"));
    EXPECT_EQ(RecordDateText(QDate(2031, 12, 1)), QStringLiteral("01 Dec 31"));
}

TEST(RecordLine, FieldsAreHeldToTheirWidths)
{
    const struct { const char *name; int total; const char *totalCols; const char *nameCols; } rows[] = {
        {"Bartholomews", 250, " 250", "Bartholomews"},   // 12 characters fill cols 9-20
        {"Zed", 0, "   0", "Zed         "},
        {"Ann", 9999, "9999", "Ann         "},
        {"Ann", 12345, "9999", "Ann         "},          // clamped
        {"Ann", -40, "   0", "Ann         "},
        {"Maximilianusxyz", 77, "  77", "Maximilianus"}, // cut to 12
    };
    for (const auto &r : rows) {
        const QString line = lineOf(QLatin1String(r.name), r.total, June15, 3);
        ASSERT_EQ(line.size(), RecordLineLength) << r.name;
        EXPECT_EQ(line.left(3), QStringLiteral(" 3 "));
        EXPECT_EQ(line.mid(3, 4), QLatin1String(r.totalCols)) << r.name;
        EXPECT_EQ(line.at(7), QLatin1Char(' '));
        EXPECT_EQ(line.mid(8, 12), QLatin1String(r.nameCols)) << r.name;
        EXPECT_EQ(line.at(20), QLatin1Char(' '));
        EXPECT_EQ(line.mid(21), QStringLiteral("15 Jun 24"));
    }
}

TEST(RecordLine, ADamagedLineStillRebuildsToFullWidth)
{
    for (const char *damaged : {"", "junk", " 1  412 Red", "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx"}) {
        const QString key = RecordKeyOfLine(QLatin1String(damaged));
        EXPECT_EQ(key.size(), RecordKeyLength) << damaged;
        EXPECT_EQ(RecordLineOfKey(key, 5).size(), RecordLineLength) << damaged;
    }
}

// ---- MergeResults ----

// Each list as "name total" from first to last.
QStringList entries(const QStringList &lines)
{
    QStringList out;
    for (const QString &line : lines)
        out << RecordLineName(line) + QLatin1Char(' ') + line.mid(3, 4).trimmed();
    return out;
}

TEST(MergeResults, OrderOfHighsAndTries)
{
    const QString old = lineOf(QStringLiteral("Old"), 300, QDate(2023, 1, 1), 1);
    const struct {
        const char *guards;
        QStringList before;
        QList<RecordResult> results;
        QStringList highs, tries;
    } rows[] = {
        {"highest first in the highs, lowest first in the tries", {},
         {{"Red", 250}, {"Blue", 310}, {"Green", 199}},
         {"Blue 310", "Red 250", "Green 199"}, {"Green 199", "Red 250", "Blue 310"}},
        {"equal totals on one day go by name, whatever its case", {},
         {{"anna", 300}, {"Zoe", 300}, {"Bob", 300}},
         {"Zoe 300", "Bob 300", "anna 300"}, {"anna 300", "Bob 300", "Zoe 300"}},
        {"an equal total: the newer is the higher, the older the lower", {old},
         {{"New", 300}}, {"New 300", "Old 300"}, {"Old 300", "New 300"}},
        {"a total of 0 sorts lowest", {},
         {{"A", 10}, {"B", 0}, {"D", 1000}}, {"D 1000", "A 10", "B 0"}, {"B 0", "A 10", "D 1000"}},
    };
    for (const auto &r : rows) {
        Records records;
        records.listHI = records.listLO = r.before;
        QSignalSpy spy(&records, &Records::changed);
        EXPECT_TRUE(records.MergeResults(r.results, June15)) << r.guards;
        EXPECT_EQ(spy.count(), 1) << r.guards;
        EXPECT_EQ(entries(records.listHI), r.highs) << r.guards;
        EXPECT_EQ(entries(records.listLO), r.tries) << r.guards;
        for (int i = 0; i < records.listHI.size(); ++i)
            EXPECT_EQ(records.listHI[i], RecordLineOfKey(RecordKeyOfLine(records.listHI[i]), i + 1)) << r.guards;
    }
}

TEST(MergeResults, FullListsAndAResultInBetweenChangeNothing)
{
    Records records;
    for (int i = 1; i <= RecordsMaxLines; ++i) {
        records.listHI << lineOf(QStringLiteral("High"), 1000 - i, QDate(2020, 5, 5), i);
        records.listLO << lineOf(QStringLiteral("Low"), i, QDate(2020, 5, 5), i);
    }
    const QStringList highs = records.listHI, tries = records.listLO;
    QSignalSpy spy(&records, &Records::changed);
    EXPECT_FALSE(records.MergeResults({{QStringLiteral("Mid"), 500}}, June15));
    EXPECT_EQ(spy.count(), 0);
    EXPECT_EQ(records.listHI, highs);
    EXPECT_EQ(records.listLO, tries);

    // A new best pushes the 99th high off the end; the tries stay as they were.
    EXPECT_TRUE(records.MergeResults({{QStringLiteral("Ace"), 2000}}, June15));
    ASSERT_EQ(records.listHI.size(), RecordsMaxLines);
    EXPECT_EQ(records.listHI.first(), QStringLiteral(" 1 2000 Ace          15 Jun 24"));
    EXPECT_EQ(records.listHI.last(), QStringLiteral("99  902 High         05 May 20"));
    EXPECT_EQ(records.listLO, tries);
}

TEST(MergeResults, RenumbersADamagedPositionColumn)
{
    Records records;
    records.listHI = {QStringLiteral("99  412 Red          05 Mar 04"),
                      QStringLiteral("xx  300 Blue         06 Mar 04")};
    records.listLO = {QStringLiteral(" 1  300 Blue         06 Mar 04"),
                      QStringLiteral(" 2  412 Red          05 Mar 04")};
    EXPECT_TRUE(records.MergeResults({}, June15));
    EXPECT_EQ(records.listHI, QStringList({
        QStringLiteral(" 1  412 Red          05 Mar 04"),
        QStringLiteral(" 2  300 Blue         06 Mar 04")}));
    // The tries were whole already.
    EXPECT_EQ(records.listLO.at(0), QStringLiteral(" 1  300 Blue         06 Mar 04"));
}

} // namespace
