// make_seeds FOLDER: writes the fuzz targets' starting inputs into FOLDER/<target>/,
// made by the game's own writers: settings files, records files (and their lines
// once decoded) and die pictures in the formats the user's dice come in.
#include "Doubles.h"
#include "ImageStore.h"
#include "Random.h"
#include "Records.h"
#include "RecordsFile.h"
#include "Settings.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>

using namespace korbo;

namespace {

QDir g_root;

// Writes FOLDER/<path>, or stops the program saying what it could not write.
void write(const QString &path, const QByteArray &bytes)
{
    QFile file(g_root.filePath(path));
    if (!g_root.mkpath(QFileInfo(path).path()) || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        std::exit(1);
    }
}

QByteArray icon(const QPixmap &picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "ico").write(picture.toImage());
    return bytes;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds FOLDER\n");
        return 2;
    }
    g_root.setPath(QString::fromLocal8Bit(argv[1]));

    Options options;
    write(QStringLiteral("settings/default.ini"), SettingsFileBytes(options));
    options.animationValue = 0;
    options.crossHairValue = 2;
    options.sound = SoundChoice::Zany;
    options.diceStyle = 5;
    write(QStringLiteral("settings/changed.ini"), SettingsFileBytes(options));

    // Records after some games of three players, as they pile up over the years.
    Random random(1);
    const QStringList names = {QStringLiteral("Red"), QStringLiteral("Anna-Lena Berg"), QStringLiteral("Ölaf")};
    for (const auto &[name, games] : {std::pair{"empty", 0}, std::pair{"few", 3}, std::pair{"full", 40}}) {
        Records records;
        Random scores(7);
        QDate day(2004, 3, 5);
        for (int g = 0; g < games; ++g, day = day.addDays(37)) {
            QList<RecordResult> results;
            for (const QString &player : names)
                results.append({player, 150 + scores.below(400)});
            records.MergeResults(results, day);
        }
        write(QStringLiteral("records/%1.dat").arg(QLatin1String(name)), RecordsFileBytes(records, random));
        if (games > 0)
            write(QStringLiteral("record_lines/%1.txt").arg(QLatin1String(name)),
                  (records.listHI + records.listLO).join(QLatin1Char('\n')).toLatin1());
    }

    ImageStore store;
    write(QStringLiteral("user_picture/face.ico"), icon(store.storeFace(1)));
    write(QStringLiteral("user_picture/joker.ico"), icon(store.joker()));
    write(QStringLiteral("user_picture/dot.gif"), test::gif(1, 1));
    write(QStringLiteral("user_picture/wide.gif"), test::gif(48, 48));
    return 0;
}
