#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

#include "SaveFile.h"

class QIODevice;

namespace korbo {

class Random;
class Records;

// The records file, kept in the settings folder.
inline const QString RecordsFileName = QStringLiteral("data.dat");

// Layout of the file (Latin-1 text, each line ended by CR LF, every line scrambled
// with EncodeText):
//   the number of highs lines, written " 5" (a space, then the number)
//   that many highs lines
//   the number of tries lines
//   that many tries lines

// The whole file's contents for the lists of `records`.
QByteArray RecordsFileBytes(const Records &records, Random &random);

// Writes the file anew (SaveWholeFile), making its folder if need be: a failed write
// leaves the old file whole, and the answer says why.
SaveResult WriteRecordsFile(const Records &records, const QString &path, Random &random);

// How reading the records file went.
enum class RecordsRead {
    Whole,      // read as the game writes it
    Missing,    // no file: a first run
    Unreadable, // there, but not a plain file that could be opened
    Damaged,    // read, but its count lines, line count or lines were not as written
};

// A records file is a few kilobytes; no more than this is read, nor longer lines.
inline constexpr qint64 RecordsMaxFileBytes = 256 * 1024;
inline constexpr qint64 RecordsMaxLineBytes = 1024;

// Fills both lists from the file at `path` (emitting changed() once). Without a
// readable file both lists are emptied. A damaged file gives every record line that
// can still be read in its place, and the number of lines left out. Only a plain file,
// or a link to one, is read.
RecordsRead ReadRecordsFile(Records &records, const QString &path, int *linesLeftOut = nullptr);
// The same, reading from an open device; false when it met damage.
bool ReadRecords(Records &records, QIODevice &device, int *linesLeftOut = nullptr);

// Moves a records file that could not be read whole out of the way, to
// "data.dat.damaged-YYYYMMDD" (with "-2", "-3"… when that is taken), so what the game
// writes at exit never replaces it. The new path, or empty when it could not move.
QString KeepAside(const QString &path, const QDate &today);

} // namespace korbo
