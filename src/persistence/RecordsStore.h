#pragma once

#include "Random.h"
#include "SaveFile.h"

#include <QDate>
#include <QObject>
#include <QStringList>

#include <functional>
#include <utility>

namespace korbo {

class Records;

// The records file's whole life: read at start-up, a damaged file kept aside, and the
// lists saved at the end of every game and at exit. Other copies of the game may be
// running on the same file: a save takes the lock, takes in what they added since this
// copy last read or wrote the file, and keeps aside a file that was damaged meanwhile.
// The windows ask it to load and save, and tell the player what it has to say.
class RecordsStore : public QObject {
    Q_OBJECT
public:
    // `seed` starts the generator of the file's encoding, which nothing else draws from.
    RecordsStore(Records &records, std::uint32_t seed, std::function<QDate()> today);

    // Starts the encoding's generator anew: two saves of the same lists after the same
    // seed write the same bytes.
    void seed(std::uint32_t seed) { m_random.seed(seed); }
    // Reads the file at `path` into the lists; every later save writes there.
    void load(const QString &path);
    // Writes the lists to the file; on failure the answer names the file and the reason.
    SaveResult save();
    // What the player should hear of since last asked (a damaged file kept aside,
    // something other than a file where the file should be), each once.
    QStringList takeNotes() { return std::exchange(m_notes, {}); }

    const QString &path() const { return m_path; }

    // How long a save waits for another copy of the game to finish writing the file.
    static constexpr int LockWaitMs = 5000;

private:
    Records &m_records;
    Random m_random;
    std::function<QDate()> m_today;
    QString m_path;
    // The lists as the file held them when this copy last read or wrote it.
    QStringList m_highsOnFile, m_triesOnFile;
    QStringList m_notes;
};

} // namespace korbo
