#pragma once

#include <QDate>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

namespace korbo {

class Random;

// The all-time records: two lists of fixed-width lines, the best totals ever
// played ("Brilliant Highs", best first) and the lowest ("Super Tries", lowest
// first).
//
// A record line is 30 characters:
//   cols  1-2  position 1..99, right-aligned
//   cols  4-7  total, right-aligned
//   cols  9-20 name, padded with spaces
//   cols 22-30 date as "DD Mon YY"
// e.g. " 1  412 Red          05 Mar 04".
//
// Lines are ordered through a 22-character key: total (4, right-aligned), date as
// YYMMDD, name (12). Keys compare as text without regard to letter case, so the
// order is by total, then date, then name.

inline constexpr int RecordsMaxLines = 99;
inline constexpr int RecordLineLength = 30;
inline constexpr int RecordKeyLength = 22;
inline constexpr int RecordNameLength = 12;
inline constexpr int RecordMaxTotal = 9999;

// One player's result at the end of a game.
struct RecordResult {
    QString name;
    int total = 0;
};

// "Jan".."Dec" (exactly, case counts) to "01".."12" when the argument is not two
// characters long; with a two-character argument, a month number 1..12 to
// "Jan".."Dec". Anything else gives empty text.
QString MonthConvert(const QString &text);

// The record's own English month abbreviation, 1..12 ("Jan".."Dec"); empty otherwise.
QString MonthAbbreviation(int month);

// The date as a record line writes it: "DD Mon YY".
QString RecordDateText(const QDate &date);

// Key of an existing record line.
QString RecordKeyOfLine(const QString &line);
// A player's name as the records file can hold it (8-bit text): the letters of
// Latin-1 kept, the others written with their nearest Latin letters ("ł" is "l",
// "Иван" is "Ivan"), anything else "?".
QString RecordName(const QString &name);
// Key of a fresh result. The total is held to 0..9999 and the name written as the
// file holds it and cut to 12 characters first, so every key fits the line layout.
QString RecordKeyOfResult(const QString &name, int total, const QDate &today);
// The record line for a key at a position (1..99).
QString RecordLineOfKey(const QString &key, int position);
// True when key a sorts before key b.
bool RecordKeyLess(const QString &a, const QString &b);

// The name held in a record line (cols 9-20), trimmed.
QString RecordLineName(const QString &line);
// A record line as the records window shows it: the file's line where the game speaks
// English, otherwise with its date's month in the language in use ("05 März 04"),
// its short name without a closing full stop, in as many columns (three or four) as
// the language's longest.
QString RecordLineShown(const QString &line);
// A record line as a screen reader says it, without padding or the score's leading
// zeros: "1, Ann, 365, 07 Dec 26".
QString RecordLineSpoken(const QString &line);

// Scrambles text for the records file: each character, last to first, becomes one
// random hex digit followed by its code less 31 as two hex digits (a space is
// stored as the code of "^").
QString EncodeText(const QString &text, Random &random);
// Undoes EncodeText. Text holding anything but 0-9 and A-F decodes to empty text;
// a code above 255 ends decoding with what has been decoded so far.
QString DecodeText(const QString &encoded);

// The records lists. The records window observes this object; whoever changes the
// lists directly calls notifyChanged() afterwards.
class Records : public QObject {
    Q_OBJECT
public:
    explicit Records(QObject *parent = nullptr) : QObject(parent) {}

    QStringList listHI; // "Brilliant Highs"
    QStringList listLO; // "Super Tries"

    // Enters the results of a finished game (names and totals in player order)
    // into both lists, rebuilding every line from its key. Returns true when
    // either list changed (and then emits changed()).
    bool MergeResults(const QList<RecordResult> &results, const QDate &today);

    // Takes in the lines another copy of the game wrote to the records file while this
    // one ran: those of `onDisk` that were not there when this copy read the file
    // (`highsRead`, `triesRead`). Returns true when a list changed.
    bool MergeAddedLines(const Records &onDisk, const QStringList &highsRead, const QStringList &triesRead);

    // Replaces both lists and emits changed().
    void setLists(const QStringList &highs, const QStringList &tries);
    void clear() { setLists({}, {}); }
    void notifyChanged() { emit changed(); }

signals:
    void changed();
};

} // namespace korbo
