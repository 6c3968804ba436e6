#pragma once

#include <QByteArray>
#include <QString>

namespace korbo {

// How writing a file went: empty when the whole file is on disk, otherwise why not.
struct SaveResult {
    QString error;
    explicit operator bool() const { return error.isEmpty(); }
};

// Writes `bytes` as the whole new contents of the file at `path`, making its folder
// first if it is not there. The old file is replaced only once every byte of the new
// one is written and flushed, so a full disk or a crash leaves the old file whole.
SaveResult SaveWholeFile(const QString &path, const QByteArray &bytes);

// Removes what a save cut short by a crash left beside the file ("Korbo.ini.Ab12Cd"),
// once it is old enough that no running copy of the game can still be writing it.
void RemoveStaleSaves(const QString &path);

} // namespace korbo
