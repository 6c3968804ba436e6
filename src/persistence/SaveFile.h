#pragma once

#include <QByteArray>
#include <QString>

namespace korbo {

// How writing a file went: empty when the whole file is on disk, otherwise why not.
struct SaveResult {
    QString error;
    explicit operator bool() const { return error.isEmpty(); }
};

// What stands where the game keeps one of its files. Only nothing yet, a plain file,
// or a link that leads to a plain file (as dotfile managers make) is read or written;
// anything else is left alone.
struct FileAt {
    enum Kind { Nothing, PlainFile, LinkToPlainFile, Other };
    Kind kind = Nothing;
    // For Other, what the player is told it is: "a folder", "a named pipe", "a link
    // to a device"…
    QString what;
    bool usable() const { return kind != Other; }
};
// Looks at the name itself first, then at what it finally leads to.
FileAt LookAt(const QString &path);

// Writes `bytes` as the whole new contents of the file at `path`, making its folder
// first if it is not there. The old file is replaced only once every byte of the new
// one is written and on disk, so a full disk or a crash leaves the old file whole.
// Where something other than a plain file stands at `path`, it is left as it is and
// nothing is written. A failure names the system's own reason.
SaveResult SaveWholeFile(const QString &path, const QByteArray &bytes);

// Removes what a save cut short by a crash left beside the file ("Korbo.ini.Ab12Cd"),
// once it is old enough that no running copy of the game can still be writing it.
void RemoveStaleSaves(const QString &path);

} // namespace korbo
