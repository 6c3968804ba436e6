// Fuzz target: record lines as the records file holds them once decoded.
// Each input line is taken as a record line and as scrambled text; the lines are
// then merged with a game's results. Whatever the lines hold, the lists keep at most
// 99 lines of exactly the record line's width, and keys keep theirs.
#include "Random.h"
#include "Records.h"

#include <cstdio>
#include <cstdlib>

using namespace korbo;

namespace {

// Stops the run, naming what did not hold, so the finding says what it found.
void check(bool holds, const char *what)
{
    if (!holds) {
        std::fprintf(stderr, "does not hold: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromLatin1(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QStringList lines = text.split(QLatin1Char('\n'));

    QList<RecordResult> results;
    for (const QString &line : lines) {
        check(RecordKeyOfLine(line).size() == RecordKeyLength, "a key has the key's width");
        // A month's name gives its number, which gives the name back; a number may
        // be written more than one way (" 2", "02"), so only names are checked.
        const QString name = line.left(3), number = MonthConvert(name);
        check(name.size() != 3 || number.isEmpty() || MonthConvert(number) == name,
              "a month's number gives its name back");
        MonthConvert(line.left(2));
        DecodeText(line);
        // Each line also stands for a player's result: its name and the number it starts with.
        if (results.size() < 6)
            results.append({RecordLineName(line), line.left(5).trimmed().toInt()});
    }

    // Text the game scrambles comes back as it was (spaces and the characters from 32
    // up, which is all a record line holds, but "^", which stands for a space).
    Random random(size);
    QString plain = text;
    for (QChar &ch : plain)
        if (ch.unicode() < 32 || ch == QLatin1Char('^'))
            ch = QLatin1Char(' ');
    check(DecodeText(EncodeText(plain, random)) == plain, "scrambled text decodes to itself");

    Records records;
    records.listHI = lines.mid(0, RecordsMaxLines);
    records.listLO = lines.mid(lines.size() / 2, RecordsMaxLines);
    records.MergeResults(results, QDate(2026, 12, 6)); // a fixed day: every run of an input does the same
    for (const QStringList *list : {&records.listHI, &records.listLO}) {
        check(list->size() <= RecordsMaxLines, "a list keeps at most 99 lines");
        for (const QString &line : *list)
            check(line.size() == RecordLineLength, "a merged line has the record width");
    }
    return 0;
}
