// Writes the game's icon for the desktop's icon theme, drawn by the same code as the
// window icon, at every size the hicolor theme usually holds:
//
//   app_icons OUT_DIR NAME
//
// writes OUT_DIR/<size>x<size>/apps/NAME.png for each size. Each size is drawn at
// that size rather than scaled from another, so the small ones stay crisp.

#include "Artwork.h"

#include <QDir>
#include <QImage>

#include <cstdio>

namespace {
// The sizes menus, docks, launchers and software centres ask the theme for.
constexpr int kThemeSizes[] = {16, 22, 24, 32, 48, 64, 128, 256, 512};
} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s OUT_DIR NAME\n", argv[0]);
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (const int size : kThemeSizes) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(out).arg(size);
        const QString file = folder + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!QDir().mkpath(folder) || !korbo::artwork::windowIcon(size, 1.0).save(file)) {
            std::fprintf(stderr, "%s: could not write %s\n", argv[0], qPrintable(file));
            return 1;
        }
    }
    return 0;
}
