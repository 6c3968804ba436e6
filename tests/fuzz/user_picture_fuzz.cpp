// Fuzz target: loading a picture file for the user's dice, the way the game does at
// start-up: the input is written to a file of its own and loaded from there. A
// picture that loads is never larger than the store takes.
#include "ImageStore.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

using namespace korbo;

static QTemporaryDir *folder = nullptr;
static ImageStore *store = nullptr;

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    folder = new QTemporaryDir;
    store = new ImageStore;
    if (!folder->isValid())
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QFile file(folder->filePath(QStringLiteral("dudd1.gif")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size)) != static_cast<qint64>(size))
        std::abort();
    file.close();
    const QPixmap picture = store->loadUserPicture(file.fileName());
    if (!picture.isNull()
        && (picture.width() > ImageStore::MaxUserPictureSide || picture.height() > ImageStore::MaxUserPictureSide))
        std::abort();
    return 0;
}
