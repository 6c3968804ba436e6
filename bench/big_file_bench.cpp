// big_file_bench records|settings [PATH]: reads a huge records or settings file the
// way the game does at start-up and prints how long it took and the most memory the
// program held. Without PATH it first writes the file into a temporary folder:
//   records   1 GiB of record-like lines after a count line of " 99"
//   settings  a "Sound=" line of 100 MiB, then the settings the game writes
// Both readers stop at their limits (RecordsMaxFileBytes, SettingsMaxFileBytes), so
// the figures should be those of a small file. For the peak memory as the system
// counts it: /usr/bin/time -v build/bench/big_file_bench records
#include "Options.h"
#include "Records.h"
#include "RecordsFile.h"
#include "Settings.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdio>

using namespace korbo;

namespace {

constexpr qint64 RecordsFileSize = qint64(1) << 30;
constexpr qint64 SettingsLineSize = qint64(100) << 20;
constexpr qint64 Chunk = qint64(1) << 20;

long peakKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Writes `head`, then `fill` repeated up to `size` bytes, then `tail`, a chunk at a
// time so the writer itself stays small.
bool writeFile(const QString &path, const QByteArray &head, const QByteArray &fill, qint64 size,
               const QByteArray &tail)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(head) != head.size())
        return false;
    QByteArray chunk;
    while (chunk.size() < Chunk)
        chunk += fill;
    for (qint64 left = size; left > 0; left -= chunk.size()) {
        const QByteArray piece = chunk.first(std::min<qint64>(left, chunk.size()));
        if (file.write(piece) != piece.size())
            return false;
    }
    return file.write(tail) == tail.size();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString kind = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (kind != QLatin1String("records") && kind != QLatin1String("settings")) {
        std::fprintf(stderr, "usage: big_file_bench records|settings [PATH]\n");
        return 2;
    }
    QTemporaryDir folder;
    QString path = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    if (path.isEmpty()) {
        path = folder.filePath(kind == QLatin1String("records") ? RecordsFileName : SettingsFileName);
        // A scrambled " 99" count line, then lines of scrambled-looking hex.
        const bool made = kind == QLatin1String("records")
            ? writeFile(path, QByteArrayLiteral("11A21A33F\r\n"), QByteArrayLiteral("7413B55A6F9001C\r\n"),
                        RecordsFileSize, {})
            : writeFile(path, QByteArrayLiteral("[Korbo v4.01]\r\nSound="), QByteArrayLiteral("Zany"),
                        SettingsLineSize, QByteArrayLiteral("\r\n") + SettingsFileBytes(Options()));
        if (!made) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    const qint64 fileSize = QFile(path).size();
    const long before = peakKiB();

    QElapsedTimer timer;
    timer.start();
    QString what;
    if (kind == QLatin1String("records")) {
        Records records;
        const RecordsRead read = ReadRecordsFile(records, path);
        what = QStringLiteral("%1 + %2 lines, %3").arg(records.listHI.size()).arg(records.listLO.size())
                   .arg(read == RecordsRead::Whole ? QStringLiteral("whole") : QStringLiteral("not whole"));
    } else {
        Options options;
        ReadSettingsFile(options, path);
        what = QStringLiteral("sound %1, dice style %2").arg(int(options.sound)).arg(options.diceStyle);
    }
    const qint64 ms = timer.elapsed();
    std::printf("%s file of %lld bytes read in %lld ms (%s); peak memory %ld KiB (%ld KiB before reading)\n",
                qPrintable(kind), static_cast<long long>(fileSize), static_cast<long long>(ms),
                qPrintable(what), peakKiB(), before);
    return 0;
}
