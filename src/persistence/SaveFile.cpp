#include "SaveFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace korbo {

SaveResult SaveWholeFile(const QString &path, const QByteArray &bytes)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return {QStringLiteral("the folder %1 cannot be made").arg(QDir::toNativeSeparators(folder))};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {file.errorString()};
    // QSaveFile buffers: a write that fails only when the buffer is flushed would
    // otherwise let commit() put a short (even empty) file in place of the old one.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return {error};
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
