#pragma once

#include <QByteArray>
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

// Fills both lists from the file at `path` (emitting changed() once). With no file
// both lists are emptied and the answer is false. A line that does not decode
// gives an empty entry; a file shorter than its counts repeats the last line read.
// At most 99 lines are kept per list; lines beyond are read past.
bool ReadRecordsFile(Records &records, const QString &path);
// The same, reading from an open device.
void ReadRecords(Records &records, QIODevice &device);

} // namespace korbo
