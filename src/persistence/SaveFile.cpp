#include "SaveFile.h"

#include <QDir>
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

} // namespace korbo
