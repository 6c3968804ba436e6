#include "SaveFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace korbo {

namespace {

// The texts' context for the translations (tr() of a class lupdate knows by name).
struct Words {
    Q_DECLARE_TR_FUNCTIONS(korbo::SaveFile)
};

// The system's words for an error number, in the desktop's language.
QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return Words::tr("a folder");
    if (S_ISFIFO(mode))
        return Words::tr("a named pipe");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return Words::tr("a device");
    if (S_ISSOCK(mode))
        return Words::tr("a socket");
    return Words::tr("not a plain file");
}

} // namespace

FileAt LookAt(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat at {};
    if (::lstat(name.constData(), &at) != 0)
        return {}; // nothing that can be seen: whatever stops a save is told then
    if (S_ISREG(at.st_mode))
        return {FileAt::PlainFile, {}};
    if (!S_ISLNK(at.st_mode))
        return {FileAt::Other, kindOf(at.st_mode)};
    struct stat target {};
    if (::stat(name.constData(), &target) != 0) {
        // A link that leads nowhere would make a file wherever it points.
        return {FileAt::Other, errno == ENOENT ? Words::tr("a link to nothing") : Words::tr("a link that cannot be followed (%1)")
                                                                               .arg(systemReason(errno))};
    }
    if (S_ISREG(target.st_mode))
        return {FileAt::LinkToPlainFile, {}};
    return {FileAt::Other, Words::tr("a link to %1").arg(kindOf(target.st_mode))};
}

SaveResult SaveWholeFile(const QString &path, const QByteArray &bytes)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return {Words::tr("the folder %1 cannot be made").arg(QDir::toNativeSeparators(folder))};
    // A save replaces what is at the name (following a link to a plain file): a pipe, a
    // device or a folder there would be renamed over and lost, so it is left alone.
    if (const FileAt at = LookAt(path); !at.usable())
        return {Words::tr("it is %1, not a file, and is left as it is").arg(at.what)};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {file.errorString()};
    // Written past Qt's buffer, straight to the new file, so a failure keeps the
    // system's reason ("No space left on device"), and flushed to the disk before the
    // new file takes the old one's place.
    const int fd = file.handle();
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t wrote = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0) {
            const QString reason = systemReason(wrote < 0 ? errno : ENOSPC);
            file.cancelWriting();
            return {reason};
        }
        done += wrote;
    }
    if (::fsync(fd) != 0) {
        const QString reason = systemReason(errno);
        file.cancelWriting();
        return {reason};
    }
    if (!file.commit())
        return {file.errorString()};
    return {};
}

void RemoveStaleSaves(const QString &path)
{
    const QFileInfo file(path);
    const QDir folder = file.absoluteDir();
    // A save takes milliseconds; a minute is long past any that is still going on.
    const QDateTime stale = QDateTime::currentDateTimeUtc().addSecs(-60);
    const QStringList leftovers =
        folder.entryList({file.fileName() + QLatin1String(".??????")}, QDir::Files | QDir::Hidden);
    for (const QString &name : leftovers)
        if (QFileInfo(folder.filePath(name)).lastModified().toUTC() < stale)
            QFile::remove(folder.filePath(name));
}

} // namespace korbo
