// Renders every built-in picture of the game onto PNG sheets so they can be
// looked at side by side, at 1x and 2x, as they appear on the board:
//
//   picture_sheet OUT_DIR
//
// writes faces_1x.png and faces_2x.png (the six dice styles, six faces each),
// categories_1x.png and categories_2x.png (the fourteen category pictures, plain
// and used, inside a 52 pixel button) and extras.png (joker, icon and logo).

#include "Artwork.h"
#include "GameState.h"
#include "Options.h"
#include "Palette.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include <cstdio>

using namespace korbo;

namespace {

QImage sheet(QSize logical, qreal scale)
{
    QImage image(qRound(logical.width() * scale), qRound(logical.height() * scale),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(BoardGreen);
    return image;
}

void startPainter(QPainter &p, qreal scale)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(scale, scale);
    QFont f = p.font();
    f.setPixelSize(13);
    f.setBold(true);
    p.setFont(f);
}

// Pictures carry their pixel ratio, so drawing one at a point of the (scaled)
// sheet maps its pixels one to one.
void put(QPainter &p, QPointF at, const QImage &picture)
{
    p.drawImage(at, picture);
}

QImage facesSheet(qreal scale)
{
    const int cell = 56, labelWidth = 100, margin = 10;
    const QSize logical(labelWidth + 6 * cell + margin, 6 * cell + 2 * margin);
    QImage image = sheet(logical, scale);
    QPainter p(&image);
    startPainter(p, scale);
    for (int style = 1; style <= 6; ++style) {
        const qreal y = margin + (style - 1) * cell;
        p.setPen(Qt::white);
        p.drawText(QRectF(margin, y, labelWidth - margin, cell), Qt::AlignVCenter | Qt::AlignLeft,
                   diceStyleCaption(style));
        for (int face = 1; face <= 6; ++face)
            put(p, QPointF(labelWidth + (face - 1) * cell + 4, y + 4),
                artwork::dieFace(style, face, 48, scale));
    }
    return image;
}

const char *const CategoryNames[] = {
    "Ones", "Twos", "Threes", "Fours", "Fives", "Sixes", "Quad",
    "Twins", "Triples", "Odds", "Evens", "Flush", "PotLuck", "Korbo",
};

// A 52 pixel push button, raised or pressed, in the grey of a classic dialog.
void button(QPainter &p, const QRectF &r, bool pressed)
{
    p.setPen(Qt::NoPen);
    p.fillRect(r, QColor(0xd4, 0xd0, 0xc8));
    const QColor light = pressed ? QColor(0x40, 0x40, 0x40) : Qt::white;
    const QColor dark = pressed ? Qt::white : QColor(0x40, 0x40, 0x40);
    const QColor mid(0x80, 0x80, 0x80);
    p.fillRect(QRectF(r.left(), r.top(), r.width(), 1), light);
    p.fillRect(QRectF(r.left(), r.top(), 1, r.height()), light);
    p.fillRect(QRectF(r.left(), r.bottom() - 1, r.width(), 1), dark);
    p.fillRect(QRectF(r.right() - 1, r.top(), 1, r.height()), dark);
    p.fillRect(QRectF(r.left() + 1, r.bottom() - 2, r.width() - 2, 1), pressed ? light : mid);
    p.fillRect(QRectF(r.right() - 2, r.top() + 1, 1, r.height() - 2), pressed ? light : mid);
}

QImage categoriesSheet(qreal scale)
{
    const int cell = 60, margin = 10, labelWidth = 56;
    const QSize logical(labelWidth + 14 * cell + margin, 2 * cell + 24 + 2 * margin);
    QImage image = sheet(logical, scale);
    QPainter p(&image);
    startPainter(p, scale);
    for (int row = 0; row < 2; ++row) {
        const bool used = row == 1;
        const qreal y = margin + row * cell;
        p.setPen(Qt::white);
        p.drawText(QRectF(margin, y, labelWidth, 52), Qt::AlignVCenter, used ? "used" : "plain");
        for (int c = 1; c <= 14; ++c) {
            const QRectF frame(labelWidth + (c - 1) * cell, y, 52, 52);
            button(p, frame, used);
            const QSize size = artwork::categoryPictureSize(c);
            const QImage picture = artwork::categoryPicture(c, used, size, scale);
            put(p, frame.topLeft() + QPointF((52 - size.width()) / 2.0, (52 - size.height()) / 2.0),
                picture);
        }
    }
    QFont f = p.font();
    f.setPixelSize(10);
    p.setFont(f);
    p.setPen(Qt::white);
    for (int c = 1; c <= 14; ++c)
        p.drawText(QRectF(labelWidth + (c - 1) * cell - 4, margin + 2 * cell, 60, 18),
                   Qt::AlignHCenter | Qt::AlignTop, CategoryNames[c - 1]);
    return image;
}

QImage extrasSheet()
{
    // Each picture at 1x, 1.5x and 2x, shown at that many times its logical size,
    // once on the board green and once on a dialog grey.
    const QSize logical(880, 264);
    QImage image = sheet(logical, 1);
    QPainter p(&image);
    startPainter(p, 1);
    p.fillRect(QRectF(0, 132, logical.width(), 132), QColor(0xf0, 0xf0, 0xf0));
    const qreal scales[] = {1.0, 1.5, 2.0};
    for (int band = 0; band < 2; ++band) {
        const qreal y = 6 + band * 132;
        qreal x = 10;
        auto show = [&](const QImage &picture, qreal s, QSizeF logicalSize) {
            p.save();
            p.translate(x, y);
            p.scale(s, s);
            put(p, QPointF(0, 0), picture);
            p.restore();
            x += logicalSize.width() * s + 10;
        };
        for (qreal s : scales)
            show(artwork::jokerPicture(32, s), s, QSizeF(32, 32));
        for (qreal s : scales)
            show(artwork::windowIcon(48, s), s, QSizeF(48, 48));
        show(artwork::logo(QSize(160, 80), 1), 1, QSizeF(160, 80));
        show(artwork::logo(QSize(160, 80), 1.5), 1.5, QSizeF(160, 80));
    }
    return image;
}

bool save(const QImage &image, const QDir &dir, const QString &name)
{
    const QString path = dir.filePath(name);
    if (!image.save(path)) {
        std::fprintf(stderr, "picture_sheet: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: picture_sheet OUT_DIR\n");
        return 2;
    }
    QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.exists() && !QDir().mkpath(dir.path())) {
        std::fprintf(stderr, "picture_sheet: cannot create %s\n", argv[1]);
        return 1;
    }
    bool ok = save(facesSheet(1), dir, "faces_1x.png");
    ok = save(facesSheet(2), dir, "faces_2x.png") && ok;
    ok = save(categoriesSheet(1), dir, "categories_1x.png") && ok;
    ok = save(categoriesSheet(2), dir, "categories_2x.png") && ok;
    ok = save(extrasSheet(), dir, "extras.png") && ok;
    return ok ? 0 : 1;
}
