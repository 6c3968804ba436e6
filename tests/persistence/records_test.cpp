#include "Doubles.h"
#include "Random.h"
#include "Records.h"
#include "RecordsFile.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace korbo;

namespace {

const QDate June15(2024, 6, 15);

QString lineOf(const QString &name, int total, const QDate &date, int position)
{
    return RecordLineOfKey(RecordKeyOfResult(name, total, date), position);
}

// The scrambled text of the records file.
TEST(ScrambledText, EachCharacterLastFirstAfterARandomDigitAndOddTextRefused)
{
    // pairs: the two characters after each random digit; null where only the way back is checked.
    const struct { const char *text, *pairs, *decoded; } rows[] = {
        {"abc", "444342", "abc"},
        {" 5", "163F", " 5"}, // how a count of 5 is written
        {"^", "3F", " "},     // a circumflex stands for a space
        {"\x1e\x1f", "003F", " \x1f"}, // 31 is the lowest code written; lower ones become spaces
        {" 1  412 Red          05 Mar 04", nullptr, " 1  412 Red          05 Mar 04"},
        {"~!@#$%&*()_+{}|:<>?", nullptr, "~!@#$%&*()_+{}|:<>?"},
        {"Jos\xe9 \xff\xa0", nullptr, "Jos\xe9 \xff\xa0"}, // Latin-1 letters
    };
    Random random(11);
    for (const auto &r : rows) {
        const QString encoded = EncodeText(QString::fromLatin1(r.text), random);
        QString pairs;
        for (int i = 0; i < encoded.size(); i += 3)
            pairs += encoded.mid(i + 1, 2);
        EXPECT_TRUE(!r.pairs || pairs == QLatin1String(r.pairs)) << r.text << ": " << pairs.toStdString();
        EXPECT_EQ(DecodeText(encoded), QString::fromLatin1(r.decoded)) << r.text;
    }
    QSet<QChar> digits;
    const QString encoded = EncodeText(QString(400, QLatin1Char('x')), random);
    for (int i = 0; i < encoded.size(); i += 3)
        digits.insert(encoded.at(i));
    EXPECT_EQ(digits.size(), 16) << "the random digit takes every hex value";

    // Odd lengths and refusals on the way back.
    const struct { const char *encoded, *decoded; } odd[] = {
        {"16", "5"}, {"A", "@"}, {"A042", "a@"},             // leftovers of two and one characters
        {"X42", ""}, {"042 ", ""}, {"0a2", ""},               // not upper-case hex digits
        {"0FF", ""}, {"0FF042", "a"}, {"FF042043", "ba"},     // code 286 ends it, keeping what came before
        {"0E0", "\xff"}, {"000", "\x1f"},                    // the highest and lowest codes
    };
    for (const auto &r : odd)
        EXPECT_EQ(DecodeText(QLatin1String(r.encoded)), QString::fromLatin1(r.decoded)) << r.encoded;
}

TEST(MonthConvert, BothWaysAndRefusals)
{
    const struct { const char *in; const char *out; } rows[] = {
        {"Jan", "01"}, {"Dec", "12"}, {"01", "Jan"}, {"10", "Oct"},
        {"mar", ""}, {"March", ""}, {"13", ""}, {"00", ""}, {"3", ""}, {"", ""},
    };
    for (const auto &r : rows)
        EXPECT_EQ(MonthConvert(QLatin1String(r.in)), QLatin1String(r.out)) << r.in;
}

TEST(RecordLine, KeysAndLinesConvertBothWaysAndHoldEachFieldToItsWidth)
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
    // Every field is held to its width.
    const struct { const char *name; int total; const char *line; } rows[] = {
        {"Bartholomews", 250, " 3  250 Bartholomews 15 Jun 24"},
        {"Ann", 12345, " 3 9999 Ann          15 Jun 24"},          // clamped
        {"Ann", -40, " 3    0 Ann          15 Jun 24"},
        {"Maximilianusxyz", 77, " 3   77 Maximilianus 15 Jun 24"}, // cut to 12
    };
    for (const auto &r : rows)
        EXPECT_EQ(lineOf(QLatin1String(r.name), r.total, June15, 3), QLatin1String(r.line));
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
    const struct { const char *guards; QStringList before; QList<RecordResult> results; QStringList highs, tries; } rows[] = {
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
        {"a damaged position column is numbered afresh", {"99  412 Red          05 Mar 04", "xx  300 Blue         06 Mar 04"},
         {}, {"Red 412", "Blue 300"}, {"Blue 300", "Red 412"}},
    };
    for (const auto &r : rows) {
        Records records;
        records.listHI = records.listLO = r.before;
        QSignalSpy spy(&records, &Records::changed);
        EXPECT_TRUE(records.MergeResults(r.results, June15)) << r.guards;
        EXPECT_EQ(spy.count(), 1) << r.guards;
        EXPECT_EQ(entries(records.listHI), r.highs) << r.guards;
        EXPECT_EQ(entries(records.listLO), r.tries) << r.guards;
        for (const QStringList &list : {records.listHI, records.listLO})
            for (int i = 0; i < list.size(); ++i)
                EXPECT_EQ(list[i].left(2), QStringLiteral("%1").arg(i + 1, 2)) << r.guards << ": " << list[i].toStdString();
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

// ---- the records file ----

// A file made of the given texts, each scrambled and ended by `lineEnd`.
QByteArray fileOf(const QStringList &texts, const char *lineEnd = "\r\n")
{
    Random random(99);
    QByteArray out;
    for (const QString &text : texts)
        out += EncodeText(text, random).toLatin1() + lineEnd;
    return out;
}

QString count(int n)
{
    return QLatin1Char(' ') + QString::number(n);
}

// Reads the bytes as a records file; false when they were damaged.
bool readBytes(Records &records, QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return ReadRecords(records, buffer);
}

TEST(RecordsFile, WrittenAndReadBackWholeWithFreshRandomDigits)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(RecordsFileName);
    Records sample;
    sample.MergeResults({{QStringLiteral("Red"), 412}, {QStringLiteral("Blue"), 99}, {QStringLiteral("Chlo\u00e9"), 250}},
                        QDate(2004, 3, 5));
    Records empty;
    for (const Records *written : {&sample, &empty}) {
        Random random(1);
        ASSERT_TRUE(WriteRecordsFile(*written, path, random));
        const QList<QByteArray> lines = test::readFile(path).split('\n');
        // The count line: a space and the number, scrambled; every line ends in CR LF.
        EXPECT_EQ(DecodeText(QString::fromLatin1(lines[0].chopped(1))), count(written->listHI.size()));
        EXPECT_EQ(lines.size(), written->listHI.size() + written->listLO.size() + 3);
        for (const QByteArray &line : lines.mid(0, lines.size() - 1))
            EXPECT_TRUE(line.endsWith('\r'));

        Records read;
        QSignalSpy changed(&read, &Records::changed);
        ASSERT_EQ(ReadRecordsFile(read, path), RecordsRead::Whole);
        EXPECT_EQ(changed.count(), 1);
        EXPECT_EQ(read.listHI, written->listHI);
        EXPECT_EQ(read.listLO, written->listLO);
        // Written again, only the random digit that starts each group of three differs.
        Random other(2);
        const QList<QByteArray> again = RecordsFileBytes(read, other).split('\n');
        ASSERT_EQ(again.size(), lines.size());
        for (int i = 0; i < lines.size(); ++i)
            for (int c = 0; c < lines[i].size(); ++c)
                ASSERT_TRUE((c % 3 == 0 && lines[i][c] != '\r') || again[i][c] == lines[i][c]) << "line " << i << " column " << c;
        EXPECT_NE(again, lines);
    }
    Records gone;
    gone.listHI = {QStringLiteral("stale")};
    EXPECT_EQ(ReadRecordsFile(gone, dir.filePath(QStringLiteral("nothing-here.dat"))), RecordsRead::Missing);
    EXPECT_TRUE(gone.listHI.isEmpty());
}

TEST(RecordsFile, ReadingOddFiles)
{
    const QString a = QStringLiteral(" 1  412 Red          05 Mar 04");
    const QString b = QStringLiteral(" 2  300 Blue         06 Mar 04");
    const QByteArray tooLong = QByteArray(RecordsMaxLineBytes + 10, 'x') + "\r\n";
    QByteArray oversized = fileOf({count(99)});
    while (oversized.size() <= RecordsMaxFileBytes)
        oversized += fileOf({a});
    QStringList twoHundred = {count(200)}, first99;
    for (int i = 1; i <= 200; ++i) {
        twoHundred << QStringLiteral("high %1").arg(i);
        if (i <= RecordsMaxLines)
            first99 << twoHundred.last();
    }
    // "damaged" guards a file that lost records being written back at exit without
    // the original kept aside (one bad character in the count line emptied a list).
    const struct { const char *guards; QByteArray bytes; QStringList highs, tries; bool damaged; } rows[] = {
        {"bare line feeds", fileOf({count(1), a, count(1), a}, "\n"), {a}, {a}, false},
        {"no end on the last line", fileOf({count(1), a, count(1), a}).chopped(2), {a}, {a}, false},
        // the lists were once read without their cap
        {"99 lines kept, and the tries still found after the rest",
         fileOf(twoHundred + QStringList{count(1), b}), first99, {b}, false},
        // the tries count is read past the end too: it is b again, whose number is 2
        {"a short file repeats the last line read", fileOf({count(4), a, b}), {a, b, b, b}, {b, b}, true},
        {"a line that does not decode", fileOf({count(2), a}) + "xyz\r\n" + fileOf({count(0)}),
         {a, QString()}, {}, true},
        {"a count that does not decode", "not hex\r\n" + fileOf({count(1), a}), {}, {a}, true},
        {"a negative count", fileOf({QStringLiteral(" -3"), count(1), a}), {}, {a}, true},
        {"a count followed by text", fileOf({QStringLiteral("1 and more"), a, count(0)}), {a}, {}, true},
        {"a huge count at the end", fileOf({count(1), a, QStringLiteral(" 99999999999999999999")}), {a},
         QStringList(RecordsMaxLines, QStringLiteral(" 99999999999999999999")), true},
        {"a line too long for a record", fileOf({count(1)}) + tooLong + fileOf({count(0)}), {QString()}, {}, true},
        {"more than a records file holds", oversized, QStringList(RecordsMaxLines, a), {a}, true},
        {"an empty file", QByteArray(), {}, {}, true},
    };
    for (const auto &r : rows) {
        Records records;
        EXPECT_EQ(!readBytes(records, r.bytes), r.damaged) << r.guards;
        EXPECT_EQ(records.listHI, r.highs) << r.guards;
        EXPECT_EQ(records.listLO, r.tries) << r.guards;
    }
}

} // namespace
