// big_file_bench [records|settings|gif [PATH]]: reads a huge file the way the game does
// at start-up and prints how long it took and how much memory reading it added to the
// program's peak. Without PATH the file is first written into a temporary folder:
//   records   1 GiB of record-like lines after a count line of " 99"
//   settings  a "Sound=" line of 100 MiB, then the settings the game writes
//   gif       a user die picture (dudd1.gif) whose header names a 10800 x 2513 canvas
//             around a one-pixel frame: 35 bytes that ask for over 100 MB
// Each reader stops at its limit (RecordsMaxFileBytes, SettingsMaxFileBytes, the
// largest user picture), so the figures should be those of a small file. Without
// arguments all three run. The peak is the kernel's high-water mark of resident
// memory, reset just before reading (Linux's /proc/self/clear_refs), so writing the
// file or an earlier case does not hide it.
#include "Options.h"
#include "Records.h"
#include "RecordsFile.h"
#include "Settings.h"

#include "Doubles.h"
#include "ImageStore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <iterator>

using namespace korbo;

namespace {

constexpr qint64 RecordsFileSize = qint64(1) << 30;
constexpr qint64 SettingsLineSize = qint64(100) << 20;
constexpr qint64 Chunk = qint64(1) << 20;
// The canvas of a GIF the user_picture fuzz target found: over 100 MB to fill.
constexpr int GifCanvasWidth = 10800;
constexpr int GifCanvasHeight = 2513;
constexpr const char *Cases[] = {"records", "settings", "gif"};

// A "VmRSS" (resident now) or "VmHWM" (resident at most) figure of this process, in KiB.
long residentKiB(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QRegularExpression line(QStringLiteral("^%1:\\s*(\\d+) kB$").arg(QLatin1String(field)),
                                  QRegularExpression::MultilineOption);
    const QRegularExpressionMatch found = line.match(QString::fromLatin1(status.readAll()));
    return found.hasMatch() ? found.captured(1).toLong() : -1;
}

// Lowers the high-water mark to what the process holds now.
bool resetPeak()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    return refs.open(QIODevice::WriteOnly) && refs.write("5") == 1;
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
    while (!fill.isEmpty() && chunk.size() < Chunk)
        chunk += fill;
    for (qint64 left = size; left > 0; left -= chunk.size()) {
        const QByteArray piece = chunk.first(std::min<qint64>(left, chunk.size()));
        if (file.write(piece) != piece.size())
            return false;
    }
    return file.write(tail) == tail.size();
}

// Reads one case's file (written first when `path` is empty) and prints its figures.
int readOne(const QString &kind, QString path)
{
    QTemporaryDir folder;
    if (path.isEmpty()) {
        bool made = false;
        if (kind == QLatin1String("records")) {
            // A scrambled " 99" count line, then lines of scrambled-looking hex.
            path = folder.filePath(RecordsFileName);
            made = writeFile(path, QByteArrayLiteral("11A21A33F\r\n"), QByteArrayLiteral("7413B55A6F9001C\r\n"),
                             RecordsFileSize, {});
        } else if (kind == QLatin1String("settings")) {
            path = folder.filePath(SettingsFileName);
            made = writeFile(path, QByteArrayLiteral("[Korbo v4.01]\r\nSound="), QByteArrayLiteral("Zany"),
                             SettingsLineSize, QByteArrayLiteral("\r\n") + SettingsFileBytes(Options()));
        } else {
            // A one-pixel picture whose header then claims the huge canvas (two bytes
            // each, low byte first, after "GIF89a").
            QByteArray bytes = test::gif(1, 1);
            bytes[6] = char(GifCanvasWidth & 0xFF);
            bytes[7] = char(GifCanvasWidth >> 8);
            bytes[8] = char(GifCanvasHeight & 0xFF);
            bytes[9] = char(GifCanvasHeight >> 8);
            path = folder.filePath(QStringLiteral("dudd1.gif"));
            made = writeFile(path, bytes, {}, 0, {});
        }
        if (!made) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    const qint64 fileSize = QFile(path).size();
    // The store the picture goes to is there before reading, as in the game.
    const ImageStore store;
    if (!resetPeak()) {
        std::fprintf(stderr, "cannot reset the memory high-water mark\n");
        return 1;
    }
    const long before = residentKiB("VmRSS");

    QElapsedTimer timer;
    timer.start();
    QString what;
    if (kind == QLatin1String("records")) {
        Records records;
        const RecordsRead read = ReadRecordsFile(records, path);
        what = QStringLiteral("%1 + %2 lines, %3").arg(records.listHI.size()).arg(records.listLO.size())
                   .arg(read == RecordsRead::Whole ? QStringLiteral("whole") : QStringLiteral("not whole"));
    } else if (kind == QLatin1String("settings")) {
        Options options;
        ReadSettingsFile(options, path);
        what = QStringLiteral("sound %1, dice style %2").arg(int(options.sound)).arg(options.diceStyle);
    } else {
        const QPixmap picture = store.loadUserPicture(path);
        what = picture.isNull() ? QStringLiteral("refused")
                                : QStringLiteral("%1 x %2 loaded").arg(picture.width()).arg(picture.height());
    }
    const qint64 ms = timer.elapsed();
    const long peak = residentKiB("VmHWM");
    std::printf("%-8s file of %lld bytes read in %lld ms (%s): peak memory %ld KiB, %ld KiB above "
                "what the program held before reading\n",
                qPrintable(kind), static_cast<long long>(fileSize), static_cast<long long>(ms),
                qPrintable(what), peak, peak - before);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    const QString kind = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (!kind.isEmpty() && std::find(std::begin(Cases), std::end(Cases), kind) == std::end(Cases)) {
        std::fprintf(stderr, "usage: big_file_bench [records|settings|gif [PATH]]\n");
        return 2;
    }
    // The picture needs a GUI application; none is shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (!kind.isEmpty())
        return readOne(kind, argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString());
    int failed = 0;
    for (const char *one : Cases)
        failed |= readOne(QString::fromLatin1(one), {});
    return failed;
}
