// make_seeds FOLDER: writes the fuzz targets' starting inputs into FOLDER/<target>/,
// made by the game's own writers: settings files, records files (and their lines
// once decoded) and die pictures in the formats the user's dice come in.
#include "Doubles.h"
#include "ImageStore.h"
#include "Options.h"
#include "Random.h"
#include "Records.h"
#include "RecordsFile.h"
#include "Settings.h"

#include <QApplication>
#include <QBuffer>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QImageWriter>

#include <cstdio>

using namespace korbo;
using korbo::test::gif;

namespace {

QString g_root;

void write(const char *target, const QString &name, const QByteArray &bytes)
{
    const QDir folder(g_root + QLatin1Char('/') + QLatin1String(target));
    QFile file(folder.filePath(name));
    if (!folder.mkpath(QStringLiteral(".")) || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        std::exit(1);
    }
}

// Records after `games` games of three players, as they pile up over the years.
void play(Records &records, int games)
{
    Random random(7);
    QDate day(2004, 3, 5);
    const QStringList names = {QStringLiteral("Red"), QStringLiteral("Anna-Lena Berg"), QStringLiteral("Ölaf")};
    for (int g = 0; g < games; ++g) {
        QList<RecordResult> results;
        for (const QString &name : names)
            results.append({name, 150 + random.below(400)});
        records.MergeResults(results, day);
        day = day.addDays(37);
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
    g_root = QString::fromLocal8Bit(argv[1]);

    Options options;
    write("settings", QStringLiteral("default.ini"), SettingsFileBytes(options));
    options.animationValue = 0;
    options.crossHairValue = 2;
    options.sound = SoundChoice::Zany;
    options.diceStyle = 5;
    write("settings", QStringLiteral("changed.ini"), SettingsFileBytes(options));

    Random random(1);
    for (const auto &[name, games] : {std::pair{"empty", 0}, std::pair{"few", 3}, std::pair{"full", 40}}) {
        Records records;
        play(records, games);
        write("records", QLatin1String(name) + QLatin1String(".dat"), RecordsFileBytes(records, random));
        if (games > 0)
            write("record_lines", QLatin1String(name) + QLatin1String(".txt"), (records.listHI + records.listLO).join(QLatin1Char('\n')).toLatin1());
    }

    ImageStore store;
    write("user_picture", QStringLiteral("face.ico"), icon(store.storeFace(1)));
    write("user_picture", QStringLiteral("joker.ico"), icon(store.joker()));
    write("user_picture", QStringLiteral("dot.gif"), gif(1, 1));
    write("user_picture", QStringLiteral("wide.gif"), gif(48, 48));
    return 0;
}
