#include "RecordsStore.h"

#include "Records.h"
#include "RecordsFile.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

namespace korbo {

namespace {
QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}
} // namespace

RecordsStore::RecordsStore(Records &records, std::uint32_t seed, std::function<QDate()> today)
    : m_records(records), m_random(seed), m_today(std::move(today))
{
}

void RecordsStore::load(const QString &path)
{
    m_path = path;
    RemoveStaleSaves(path);
    if (const FileAt at = LookAt(path); !at.usable()) {
        m_records.clear();
        m_notes << tr("%1 is %2, not a file. Korbo leaves it as it is: the records lists start empty, "
                      "and cannot be saved while it is there.")
                       .arg(shown(path), at.what);
        return;
    }
    int leftOut = 0;
    const RecordsRead read = ReadRecordsFile(m_records, path, &leftOut);
    m_highsOnFile = m_records.listHI;
    m_triesOnFile = m_records.listLO;
    if (read == RecordsRead::Whole || read == RecordsRead::Missing)
        return;
    // A file that could not be read whole is never written over: it is kept aside
    // under a name that says so, and the player hears of it once.
    QString what;
    if (read == RecordsRead::Unreadable)
        what = tr("The records file could not be read. The lists start empty.");
    else if (leftOut > 0)
        what = tr("The records file was damaged: %n of its lines could not be read and are left out of the lists.",
                  nullptr, leftOut);
    else
        what = tr("The records file was damaged, but every record in it could be read.");
    const QString aside = KeepAside(path, m_today());
    m_notes << (aside.isEmpty()
                    ? what + QLatin1Char(' ') + tr("The file could not be kept aside, and will be written anew:")
                          + QLatin1Char('\n') + shown(path)
                    : what + QLatin1Char(' ') + tr("The file as it was is kept as") + QLatin1Char('\n') + shown(aside));
}

SaveResult RecordsStore::save()
{
    if (m_path.isEmpty())
        return {};
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    // Two copies saving at once take turns.
    QLockFile lock(m_path + QLatin1String(".lock"));
    lock.tryLock(LockWaitMs);
    Records onFile;
    const RecordsRead now = ReadRecordsFile(onFile, m_path);
    if (now == RecordsRead::Whole) {
        m_records.MergeAddedLines(onFile, m_highsOnFile, m_triesOnFile);
    } else if (now != RecordsRead::Missing && LookAt(m_path).kind != FileAt::Other) {
        // Damaged since it was read: kept, rather than written over.
        const QString aside = KeepAside(m_path, m_today());
        if (!aside.isEmpty())
            m_notes << tr("The records file was damaged while Korbo ran. The file as it was is kept as")
                           + QLatin1Char('\n') + shown(aside);
    }
    SaveResult saved = WriteRecordsFile(m_records, m_path, m_random);
    if (!saved)
        return {shown(m_path) + QLatin1String(": ") + saved.error};
    m_highsOnFile = m_records.listHI;
    m_triesOnFile = m_records.listLO;
    return {};
}

} // namespace korbo
