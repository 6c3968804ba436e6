#include "Random.h"
#include "Records.h"
#include "RecordsFile.h"
#include "Damage.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>


using namespace korbo;

namespace {

// A file made of the given texts, each scrambled and ended by CR LF.
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
    EXPECT_TRUE(buffer.open(QIODevice::ReadOnly));
    return ReadRecords(records, buffer);
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

Records *sample(Records &records)
{
    records.MergeResults({{QStringLiteral("Red"), 412}, {QStringLiteral("Blue"), 99},
                          {QStringLiteral("Chlo\u00e9"), 250}},
                         QDate(2004, 3, 5));
    return &records;
}

TEST(RecordsFile, RoundTripKeepsEveryLine)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(RecordsFileName);

    Records written;
    sample(written);
    Random random(1);
    ASSERT_TRUE(WriteRecordsFile(written, path, random));
    const QByteArray first = fileBytes(path);

    Records read;
    QSignalSpy spy(&read, &Records::changed);
    ASSERT_EQ(ReadRecordsFile(read, path), RecordsRead::Whole);
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(read.listHI, written.listHI);
    EXPECT_EQ(read.listLO, written.listLO);

    Random other(2);
    ASSERT_TRUE(WriteRecordsFile(read, path, other));
    const QByteArray second = fileBytes(path);

    // Same bytes apart from the random digit that starts each group of three.
    const QList<QByteArray> a = first.split('\n');
    const QList<QByteArray> b = second.split('\n');
    ASSERT_EQ(a.size(), 1 + 3 + 1 + 3 + 1); // the split leaves an empty tail
    ASSERT_EQ(a.size(), b.size());
    EXPECT_TRUE(a.last().isEmpty());
    int differing = 0;
    for (int i = 0; i + 1 < a.size(); ++i) {
        ASSERT_TRUE(a[i].endsWith('\r')) << i;
        ASSERT_EQ(a[i].size(), b[i].size()) << i;
        ASSERT_EQ((a[i].size() - 1) % 3, 0) << i;
        for (int c = 0; c + 1 < a[i].size(); ++c) {
            if (c % 3 == 0)
                differing += a[i][c] != b[i][c];
            else
                EXPECT_EQ(a[i][c], b[i][c]) << "line " << i << " column " << c;
        }
    }
    EXPECT_GT(differing, 0);
    EXPECT_EQ(first.count('\r'), first.count('\n'));
}

TEST(RecordsFile, CountLinesAreASpaceAndTheNumber)
{
    Records records;
    sample(records);
    Random random(4);
    const QList<QByteArray> lines = RecordsFileBytes(records, random).split('\n');
    ASSERT_EQ(lines.size(), 9);
    for (int i : {0, 4}) {
        const QByteArray &line = lines[i];
        ASSERT_EQ(line.size(), 7);
        EXPECT_EQ(line.mid(1, 2), "14"); // "3"
        EXPECT_EQ(line.mid(4, 2), "3F"); // the space before it
        EXPECT_EQ(line.right(1), "\r");
        EXPECT_EQ(DecodeText(QString::fromLatin1(line.chopped(1))), QStringLiteral(" 3"));
    }
    // Highs first, then tries, each line as shown.
    EXPECT_EQ(DecodeText(QString::fromLatin1(lines[1].chopped(1))), records.listHI[0]);
    EXPECT_EQ(DecodeText(QString::fromLatin1(lines[5].chopped(1))), records.listLO[0]);
    // The accented name is stored as its Latin-1 code.
    EXPECT_EQ(lines[2].size(), 3 * 30 + 1);
}

TEST(RecordsFile, EmptyListsAreStillWritten)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(RecordsFileName);
    Records records;
    Random random(8);
    ASSERT_TRUE(WriteRecordsFile(records, path, random));
    const QByteArray bytes = fileBytes(path);
    ASSERT_EQ(bytes.size(), 16);
    for (int at : {0, 8}) {
        EXPECT_EQ(bytes.mid(at + 1, 2), "11"); // "0"
        EXPECT_EQ(bytes.mid(at + 4, 2), "3F");
        EXPECT_EQ(bytes.mid(at + 6, 2), "\r\n");
    }
    Records read;
    read.listHI = {QStringLiteral("stale")};
    EXPECT_NE(ReadRecordsFile(read, path), RecordsRead::Missing);
    EXPECT_TRUE(read.listHI.isEmpty());
    EXPECT_TRUE(read.listLO.isEmpty());
}

TEST(RecordsFile, AMissingFileEmptiesBothLists)
{
    QTemporaryDir dir;
    Records records;
    sample(records);
    EXPECT_EQ(ReadRecordsFile(records, dir.filePath(QStringLiteral("nothing-here.dat"))), RecordsRead::Missing);
    EXPECT_TRUE(records.listHI.isEmpty());
    EXPECT_TRUE(records.listLO.isEmpty());
}

TEST(RecordsFile, AShortFileRepeatsTheLastLineRead)
{
    const QString a = QStringLiteral(" 1  412 Red          05 Mar 04");
    const QString b = QStringLiteral(" 2  300 Blue         06 Mar 04");
    Records records;
    readBytes(records, fileOf({count(4), a, b}));
    EXPECT_EQ(records.listHI, QStringList({a, b, b, b}));
    // The tries count is read past the end too: it is b again, whose leading
    // number is its position, 2.
    EXPECT_EQ(records.listLO, QStringList({b, b}));
}

// The lists were once read without their cap of 99 lines.
TEST(RecordsFile, KeepsNinetyNineLinesAndStillFindsTheSecondList)
{
    QStringList texts = {count(200)};
    for (int i = 1; i <= 200; ++i)
        texts << QStringLiteral("high %1").arg(i);
    texts << count(3) << QStringLiteral("low 1") << QStringLiteral("low 2") << QStringLiteral("low 3");
    Records records;
    readBytes(records, fileOf(texts));
    ASSERT_EQ(records.listHI.size(), RecordsMaxLines);
    EXPECT_EQ(records.listHI.first(), QStringLiteral("high 1"));
    EXPECT_EQ(records.listHI.last(), QStringLiteral("high 99"));
    EXPECT_EQ(records.listLO,
              QStringList({QStringLiteral("low 1"), QStringLiteral("low 2"), QStringLiteral("low 3")}));
}

TEST(RecordsFile, OddCountsAndLines)
{
    // "damaged" guards a file that lost records being written back at exit without
    // the original kept aside (one bad character in the count line emptied a list).
    const QString a = QStringLiteral(" 1  412 Red          05 Mar 04");
    const QByteArray tooLong = QByteArray(RecordsMaxLineBytes + 10, 'x') + "\r\n";
    QByteArray oversized = fileOf({count(99)});
    while (oversized.size() <= RecordsMaxFileBytes)
        oversized += fileOf({a});
    const struct {
        const char *what;
        QByteArray bytes;
        QStringList highs, tries;
        bool damaged;
    } rows[] = {
        {"bare line feeds", fileOf({count(1), a, count(1), a}, "\n"), {a}, {a}, false},
        {"no end on the last line", fileOf({count(1), a, count(1), a}).chopped(2), {a}, {a}, false},
        {"a line that does not decode", fileOf({count(2), a}) + "xyz\r\n" + fileOf({count(0)}),
         {a, QString()}, {}, true},
        {"a count that does not decode", "not hex\r\n" + fileOf({count(1), a}), {}, {a}, true},
        {"a negative count", fileOf({QStringLiteral(" -3"), count(1), a}), {}, {a}, true},
        {"a count with no number", fileOf({QStringLiteral("   x"), count(0)}), {}, {}, true},
        {"a count followed by text", fileOf({QStringLiteral("1 and more"), a, count(0)}), {a}, {}, true},
        {"no count for the tries", fileOf({count(1), a}), {a}, {a}, true},
        {"a line too long for a record", fileOf({count(1)}) + tooLong + fileOf({count(0)}), {QString()}, {}, true},
        {"more than a records file holds", oversized, QStringList(RecordsMaxLines, a), {a}, true},
        {"an empty file", QByteArray(), {}, {}, true},
    };
    for (const auto &r : rows) {
        Records records;
        EXPECT_EQ(!readBytes(records, r.bytes), r.damaged) << r.what;
        EXPECT_EQ(records.listHI, r.highs) << r.what;
        EXPECT_EQ(records.listLO, r.tries) << r.what;
    }
}

TEST(RecordsFile, AHugeCountAtTheEndIsBounded)
{
    Records records;
    readBytes(records, fileOf({count(1), QStringLiteral("x"), QStringLiteral(" 99999999999999999999")}));
    EXPECT_EQ(records.listHI, QStringList({QStringLiteral("x")}));
    ASSERT_EQ(records.listLO.size(), RecordsMaxLines);
    EXPECT_EQ(records.listLO.last(), QStringLiteral(" 99999999999999999999"));
}

// Random and damaged files must never crash, hang or overfill a list.
TEST(RecordsFile, SurvivesRandomAndDamagedFiles)
{
    Records good;
    for (int i = 0; i < 120; ++i)
        good.MergeResults({{QStringLiteral("P%1").arg(i), i * 7 % 1000}}, QDate(2024, 1 + i % 12, 1));
    Random random(3);
    const QByteArray valid = RecordsFileBytes(good, random);
    test::Damage damage(20240615, valid, "0123456789ABCDEF\r\n \xff-");
    for (int round = 0; round < 3000; ++round) {
        QByteArray bytes = damage.next(round);
        if (round % 4 == 3) { // a good file whose counts are replaced
            QList<QByteArray> lines = valid.split('\n');
            const QString counts[] = {count(damage.below(1000000)), QStringLiteral(" -5"), count(99),
                                      count(100), QStringLiteral(" 2147483648")};
            lines[0] = fileOf({counts[damage.below(5)]}).chopped(1);
            lines[damage.below(lines.size())] = fileOf({counts[damage.below(5)]}).chopped(1);
            bytes = lines.join('\n');
        }
        Records records;
        readBytes(records, bytes);
        ASSERT_LE(records.listHI.size(), RecordsMaxLines) << round;
        ASSERT_LE(records.listLO.size(), RecordsMaxLines) << round;

        // Whatever was read, a merge afterwards gives lines of the right shape.
        records.MergeResults({{QStringLiteral("After"), 100}}, QDate(2025, 2, 3));
        for (const QString &line : records.listHI + records.listLO)
            ASSERT_EQ(line.size(), RecordLineLength) << round;
    }
}

} // namespace
