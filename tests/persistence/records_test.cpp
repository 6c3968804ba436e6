#include "Doubles.h"
#include "Random.h"
#include "Records.h"
#include "RecordsFile.h"
#include "RecordsStore.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>

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

TEST(RecordLine, ANameTheFileCannotHoldIsWrittenInLatinLetters)
{
    const struct { const char16_t *typed; const char *stored; const char *guards; } rows[] = {
        {u"Łódź", "L\xf3" "dz", "Latin-1 letters kept, a letter of its own mapped, an accent dropped"},
        {u"Иван", "Ivan", "Cyrillic, its capital kept"},
        {u"ЩУКА", "ShchUKA", "a capital that becomes several letters"},
        {u"Σοφία", "Sofia", "Greek, with its accent dropped"},
        {u"李", "?", "a letter with no Latin form, as 8-bit text has it"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(RecordName(QString::fromUtf16(row.typed)), QString::fromLatin1(row.stored)) << row.guards;
    // The key holds the name as the file does, cut after it is written so.
    EXPECT_EQ(RecordKeyOfResult(QStringLiteral("Щукаловский"), 7, QDate(2026, 12, 7)).right(12), QStringLiteral("Shchukalovsk"));
}

TEST(RecordLine, KeysAndLinesConvertBothWaysAndHoldEachFieldToItsWidth)
{
    const QString line = QStringLiteral(" 1  412 Red          05 Mar 04");
    const QString key = QStringLiteral(" 412040305Red         ");
    EXPECT_EQ(RecordKeyOfLine(line), key);
    EXPECT_EQ(RecordKeyOfResult(QStringLiteral("Red"), 412, QDate(2004, 3, 5)), key);
    EXPECT_EQ(RecordLineOfKey(key, 1), line);
    EXPECT_EQ(RecordLineOfKey(key, 42), QStringLiteral("42  412 Red          05 Mar 04"));
    EXPECT_EQ(RecordLineName(line), QStringLiteral("Red"));
    // A screen reader hears the fields without their padding.
    EXPECT_EQ(RecordLineSpoken(QStringLiteral("42  412 Mary Ann     05 Mar 04")), QStringLiteral("42, Mary Ann, 412, 05 Mar 04"));
    // Every field is held to its width.
    const struct { const char *name; int total; const char *line; } rows[] = {
        {"Bartholomews", 250, " 3  250 Bartholomews 15 Jun 24"},
        {"Maximilianusxyz", 77, " 3   77 Maximilianus 15 Jun 24"}, // cut to 12
    };
    for (const auto &r : rows)
        EXPECT_EQ(lineOf(QLatin1String(r.name), r.total, June15, 3), QLatin1String(r.line));
}


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

TEST(MergeResults, ANewBestPushesTheLastHighOffAFullList)
{
    Records records;
    for (int i = 1; i <= RecordsMaxLines; ++i) {
        records.listHI << lineOf(QStringLiteral("High"), 1000 - i, QDate(2020, 5, 5), i);
        records.listLO << lineOf(QStringLiteral("Low"), i, QDate(2020, 5, 5), i);
    }
    const QStringList tries = records.listLO;
    EXPECT_TRUE(records.MergeResults({{QStringLiteral("Ace"), 2000}}, June15));
    ASSERT_EQ(records.listHI.size(), RecordsMaxLines);
    EXPECT_EQ(records.listHI.first(), QStringLiteral(" 1 2000 Ace          15 Jun 24"));
    EXPECT_EQ(records.listHI.last(), QStringLiteral("99  902 High         05 May 20"));
    EXPECT_EQ(records.listLO, tries);
}


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

TEST(RecordsFile, WrittenAndReadBackWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(RecordsFileName);
    Records written;
    written.MergeResults({{QStringLiteral("Red"), 412}, {QStringLiteral("Blue"), 99}, {QStringLiteral("Chlo\u00e9"), 250}},
                         QDate(2004, 3, 5));
    Random random(1);
    ASSERT_TRUE(WriteRecordsFile(written, path, random));
    const QList<QByteArray> lines = test::readFile(path).split('\n');
    // The count line: a space and the number, scrambled; every line ends in CR LF.
    EXPECT_EQ(DecodeText(QString::fromLatin1(lines[0].chopped(1))), count(3));
    EXPECT_EQ(lines.size(), 3 + 3 + 3);
    for (const QByteArray &line : lines.mid(0, lines.size() - 1))
        EXPECT_TRUE(line.endsWith('\r'));
    Records read;
    QSignalSpy changed(&read, &Records::changed);
    ASSERT_EQ(ReadRecordsFile(read, path), RecordsRead::Whole);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(read.listHI + read.listLO, written.listHI + written.listLO);
    Records gone;
    gone.listHI = {QStringLiteral("stale")};
    EXPECT_EQ(ReadRecordsFile(gone, dir.filePath(QStringLiteral("nothing-here.dat"))), RecordsRead::Missing);
    EXPECT_TRUE(gone.listHI.isEmpty());
}

TEST(RecordsFile, ReadingOddFiles)
{
    const QString a = QStringLiteral(" 1  412 Red          05 Mar 04");
    const QString b = QStringLiteral(" 2  300 Blue         06 Mar 04");
    const QString c = QStringLiteral(" 3  250 Cy           06 Mar 04");
    const QByteArray tooLong = QByteArray(RecordsMaxLineBytes + 10, 'x') + "\r\n";
    QByteArray oversized = fileOf({count(99)});
    while (oversized.size() <= RecordsMaxFileBytes)
        oversized += fileOf({a});
    // "damaged" guards a file that lost records being written back at exit without the
    // original kept aside; the lists guard records lost, or made up, when one line of
    // the file is damaged.
    const struct { const char *guards; QByteArray bytes; QStringList highs, tries; bool damaged; int leftOut; } rows[] = {
        {"bare line feeds", fileOf({count(1), a, count(1), a}, "\n"), {a}, {a}, false, 0},
        {"no end on the last line", fileOf({count(1), a, count(1), a}).chopped(2), {a}, {a}, false, 0},
        {"a byte-order mark, as an editor leaves it", "\xEF\xBB\xBF" + fileOf({count(1), a, count(1), b}), {a}, {b},
         false, 0},
        {"a count's digit changed: the tries are not taken for highs", fileOf({count(90), a, b, c, count(1), a}),
         {a, b, c}, {a}, true, 0},
        {"a NUL before the first count", '\0' + fileOf({count(2), a, b, count(1), a}), {a, b}, {a}, true, 1},
        {"the tries' count lost: their first position starts them", fileOf({count(2), a, b}) + "x\r\n" + fileOf({a}),
         {a, b}, {a}, true, 1},
        {"a short file makes up no lines", fileOf({count(4), a, b}), {a, b}, {}, true, 0},
        {"a line that does not decode is left out", fileOf({count(3), a}) + "xyz\r\n" + fileOf({c, count(0)}),
         {a, c}, {}, true, 1},
        {"a line out of order is left out", fileOf({count(3), a, c, b, count(0)}), {a, c}, {}, true, 1},
        {"a count that does not decode", "not hex\r\n" + fileOf({count(1), a}), {}, {a}, true, 1},
        {"a negative count", fileOf({QStringLiteral(" -3"), count(1), a}), {}, {a}, true, 1},
        {"a huge count", fileOf({count(1), a, QStringLiteral(" 99999999999999999999")}), {a}, {}, true, 1},
        {"a line too long for a record", fileOf({count(1)}) + tooLong + fileOf({count(0)}), {}, {}, true, 1},
        {"more than a records file holds", oversized, {a}, {a}, true, 0},
        {"an empty file", QByteArray(), {}, {}, true, 0},
    };
    for (const auto &r : rows) {
        Records records;
        QBuffer buffer(const_cast<QByteArray *>(&r.bytes));
        buffer.open(QIODevice::ReadOnly);
        int leftOut = -1;
        EXPECT_EQ(!ReadRecords(records, buffer, &leftOut), r.damaged) << r.guards;
        EXPECT_EQ(records.listHI, r.highs) << r.guards;
        EXPECT_EQ(records.listLO, r.tries) << r.guards;
        EXPECT_TRUE(leftOut == r.leftOut || r.bytes.size() > RecordsMaxFileBytes) << r.guards << ": " << leftOut;
    }
}


struct Store : ::testing::Test {
    QTemporaryDir dir;
    QString path = dir.filePath(RecordsFileName);
    Records records;
    RecordsStore store{records, 5, [] { return QDate(2026, 12, 6); }};

    // The names in the highs of the file as it is now.
    QStringList namesOnFile()
    {
        Records read;
        ReadRecordsFile(read, path);
        QStringList names;
        for (const QString &line : read.listHI)
            names << RecordLineName(line);
        return names;
    }
};

TEST_F(Store, SomethingOtherThanAFileWhereTheRecordsGoIsToldOfAndLeftAlone)
{
    // Guards a pipe, a folder, or a link to one, replaced by a records file at exit (run
    // as root, a link to /dev/zero made it a records file).
    const QString pipe = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const struct { const char *what; std::function<bool()> make; } rows[] = {
        {"a named pipe", [&] { return mkfifo(QFile::encodeName(path).constData(), 0600) == 0; }},
        {"a link to a named pipe", [&] { return QFile::link(pipe, path); }},
        {"a folder", [&] { return QDir().mkdir(path); }},
    };
    for (const auto &row : rows) {
        QDir(path).removeRecursively();
        QFile::remove(path);
        ASSERT_TRUE(row.make()) << row.what;
        store.load(path);
        const QStringList notes = store.takeNotes();
        ASSERT_EQ(notes.size(), 1) << row.what;
        EXPECT_TRUE(notes[0].contains(QLatin1String(row.what))) << notes[0].toStdString();
        records.MergeResults({{QStringLiteral("Ann"), 300}}, June15);
        const SaveResult saved = store.save();
        EXPECT_TRUE(saved.error.contains(QLatin1String(row.what))) << saved.error.toStdString();
        EXPECT_EQ(LookAt(path).what, QLatin1String(row.what)) << "left as it was";
        EXPECT_EQ(LookAt(pipe).what, QStringLiteral("a named pipe"));
    }
}

TEST_F(Store, EachSaveTakesInWhatAnotherCopyAddedAndKeepsADamagedFileAside)
{
    // Guards a result saved twice by saves at every game's end, another copy's results
    // lost, and a file damaged while the game ran written over.
    store.load(path);
    Records other;
    RecordsStore otherStore(other, 5, [] { return QDate(2026, 12, 6); });
    otherStore.load(path);
    records.MergeResults({{QStringLiteral("Ann"), 300}}, June15);
    ASSERT_TRUE(store.save());
    other.MergeResults({{QStringLiteral("Bob"), 200}}, June15);
    ASSERT_TRUE(otherStore.save());
    records.MergeResults({{QStringLiteral("Cy"), 100}}, June15);
    ASSERT_TRUE(store.save());
    EXPECT_EQ(namesOnFile(), (QStringList{"Ann", "Bob", "Cy"}));
    EXPECT_TRUE(store.takeNotes().isEmpty());

    test::writeFile(path, "damaged\r\n");
    ASSERT_TRUE(store.save());
    EXPECT_EQ(namesOnFile(), (QStringList{"Ann", "Bob", "Cy"}));
    const QStringList notes = store.takeNotes();
    ASSERT_EQ(notes.size(), 1);
    EXPECT_EQ(test::readFile(notes[0].section(QLatin1Char('\n'), -1)), "damaged\r\n");
}

TEST_F(Store, AFailedSaveNamesTheSystemsReasonAndLeavesTheOldFile)
{
    // Guards "Unknown error" for a disk that fills during the save; a limit on file sizes
    // stands in for the full disk.
    store.load(path);
    ASSERT_TRUE(store.save());
    const QByteArray before = test::readFile(path);
    records.MergeResults({{QStringLiteral("Ann"), 300}}, June15);
    rlimit unlimited{};
    getrlimit(RLIMIT_FSIZE, &unlimited);
    const rlimit full{16, unlimited.rlim_max};
    const auto signalWas = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &full);
    const SaveResult saved = store.save();
    setrlimit(RLIMIT_FSIZE, &unlimited);
    std::signal(SIGXFSZ, signalWas);
    EXPECT_EQ(saved.error, QDir::toNativeSeparators(path) + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(EFBIG)));
    EXPECT_EQ(test::readFile(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{RecordsFileName})
        << "nothing left beside it";
}

} // namespace
