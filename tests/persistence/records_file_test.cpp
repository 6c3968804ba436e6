#include "Doubles.h"
#include "Random.h"
#include "Records.h"
#include "RecordsFile.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace korbo;

namespace {

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
                if (c % 3 != 0 || lines[i][c] == '\r')
                    ASSERT_EQ(again[i][c], lines[i][c]) << "line " << i << " column " << c;
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
    const struct {
        const char *guards;
        QByteArray bytes;
        QStringList highs, tries;
        bool damaged;
    } rows[] = {
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
