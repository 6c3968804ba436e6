// The category pictures, each drawn in its own design box (38x37 or 32x32), and
// the used look they take once their category is scored.
#include "Artwork.h"
#include "ArtworkKit.h"

#include "GameState.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <array>

namespace korbo::artwork {

namespace {

void paintUpperCategory(QPainter &p, int face)
{
    paintCleanDie(p, QRectF(2.5, 1.5, 32, 32), face, 1.2);
}

// Four of a kind: four identical dice in a square.
void paintQuad(QPainter &p)
{
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 2; ++col)
            paintCleanDie(p, QRectF(2.5 + col * 15, 2.5 + row * 15, 12, 12), 4, 1.0);
}

// Pairs: a pair of twin cherries on one stalk.
void paintTwins(QPainter &p)
{
    // Stalks from a shared knot at the top down to each cherry.
    QPainterPath stalks;
    stalks.moveTo(19.5, 3.5);
    stalks.cubicTo(15.0, 7.0, 11.0, 11.0, 10.2, 16.5);
    stalks.moveTo(19.5, 3.5);
    stalks.cubicTo(21.0, 9.0, 22.5, 12.0, 22.6, 17.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(Ink, 3.0));
    p.drawPath(stalks);
    p.setPen(roundPen(QColor(0x6b, 0x8e, 0x23), 1.4));
    p.drawPath(stalks);

    // A leaf at the knot.
    QPainterPath leaf;
    leaf.moveTo(19.5, 3.5);
    leaf.cubicTo(22.0, -0.5, 28.5, 0.5, 30.0, 3.5);
    leaf.cubicTo(27.0, 7.0, 22.0, 7.0, 19.5, 3.5);
    QLinearGradient leafShade(QPointF(20, 1), QPointF(29, 6));
    leafShade.setColorAt(0.0, Green.lighter(130));
    leafShade.setColorAt(1.0, Green.darker(120));
    p.setBrush(leafShade);
    p.setPen(QPen(Ink, 1.0));
    p.drawPath(leaf);
    p.setPen(QPen(withAlpha(Green.darker(170), 200), 0.7));
    p.drawLine(QPointF(20.5, 3.6), QPointF(28.5, 3.4));

    auto cherry = [&](QPointF c, qreal r) {
        QRadialGradient g(c + QPointF(-r * 0.35, -r * 0.4), r * 1.3);
        g.setColorAt(0.0, QColor(0xff, 0x7a, 0x6e));
        g.setColorAt(0.45, QColor(0xdc, 0x1e, 0x2a));
        g.setColorAt(1.0, QColor(0x8a, 0x08, 0x16));
        p.setBrush(g);
        p.setPen(QPen(Ink, 1.0));
        p.drawEllipse(c, r, r);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 210));
        p.drawEllipse(c + QPointF(-r * 0.38, -r * 0.38), r * 0.22, r * 0.16);
    };
    cherry({9.8, 22.8}, 6.7);
    cherry({22.8, 23.6}, 6.7);
}

// Three of a kind: three identical dice in a triangle.
void paintTriples(QPainter &p)
{
    paintCleanDie(p, QRectF(8.5, 0.5, 14, 14), 3, 1.0);
    paintCleanDie(p, QRectF(0.5, 15.5, 14, 14), 3, 1.0);
    paintCleanDie(p, QRectF(16.5, 15.5, 14, 14), 3, 1.0);
}

// Odds and Evens: their three numbers in bouncing hand lettering on a pale tag,
// warm for the odd ones, cool for the even ones.
void paintParity(QPainter &p, bool odd)
{
    const QColor tint = odd ? Red : Blue;
    const QRectF tag(1.5, 4.5, 29.0, 23.0);
    QLinearGradient paper(tag.topLeft(), tag.bottomLeft());
    paper.setColorAt(0.0, mix(tint, Qt::white, 0.88));
    paper.setColorAt(1.0, mix(tint, Qt::white, 0.62));
    p.setBrush(paper);
    p.setPen(QPen(Ink, 1.0));
    p.drawPath(roundedSquare(tag, 5.0));

    // The digits are drawn as pen strokes along their skeletons: an ink stroke a
    // little wider than the letter, the letter's colour on it, a gloss over its top.
    // (Cheap enough to draw while the board is being built.) They are laid out by
    // the width their strokes take, so they never touch.
    const QString text = odd ? QStringLiteral("135") : QStringLiteral("246");
    const std::array<QColor, 3> colours = odd ? std::array<QColor, 3>{Red, Orange, Red}
                                              : std::array<QColor, 3>{Blue, Green, Blue};
    const qreal thickness = 2.1, gap = 1.0, room = tag.width() - 4.0, outline = 0.8;
    std::array<QPainterPath, 3> skeletons;
    std::array<QRectF, 3> boxes;
    qreal units = 0;
    for (int i = 0; i < 3; ++i) {
        skeletons[i] = glyphFor(text.at(i)).skeleton;
        const qreal half = thickness / 2;
        boxes[i] = skeletons[i].boundingRect().adjusted(-half, -half, half, half);
        units += boxes[i].width();
    }
    const qreal scale = qMin((room - 2 * gap) / units, 1.45);
    const qreal rise[3] = {-1.0, 1.0, -1.0};
    qreal x = tag.center().x() - (units * scale + 2 * gap) / 2;
    for (int i = 0; i < 3; ++i) {
        const QRectF &box = boxes[i];
        QTransform t;
        t.translate(x - box.left() * scale, tag.center().y() + rise[i] - box.center().y() * scale);
        t.scale(scale, scale);
        const QPainterPath placed = t.map(skeletons[i]);
        const QRectF area = t.mapRect(box);
        const qreal width = thickness * scale;
        p.setBrush(Qt::NoBrush);
        p.setPen(roundPen(Ink, width + 2 * outline));
        p.drawPath(placed);
        QLinearGradient fill(area.topLeft(), area.bottomLeft());
        fill.setColorAt(0.0, colours[i].lighter(125));
        fill.setColorAt(1.0, colours[i].darker(115));
        p.setPen(roundPen(fill, width));
        p.drawPath(placed);
        QLinearGradient gloss(area.topLeft(), QPointF(area.left(), area.center().y()));
        gloss.setColorAt(0.0, QColor(255, 255, 255, 130));
        gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
        p.setPen(roundPen(gloss, width));
        p.drawPath(placed);
        x += box.width() * scale + gap;
    }
}

// Flush: a staircase of six bars, each holding as many pips as its number.
void paintFlush(QPainter &p)
{
    static const std::array<QColor, 6> colours = {Red, Orange, Gold, Green, Blue, Violet};
    const qreal w = 4.0, pitch = 5.0, step = 4.4, bottom = 29.5;
    for (int k = 1; k <= 6; ++k) {
        const qreal x = 1.5 + (k - 1) * pitch;
        const qreal h = 1.6 + k * step;
        const QRectF bar(x, bottom - h, w, h);
        QLinearGradient g(bar.topLeft(), bar.topRight());
        g.setColorAt(0.0, colours[k - 1].lighter(125));
        g.setColorAt(1.0, colours[k - 1].darker(110));
        p.setBrush(g);
        p.setPen(QPen(Ink, 0.9));
        p.drawPath(roundedSquare(bar, 1.4));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        for (int i = 0; i < k; ++i)
            p.drawEllipse(QPointF(x + w / 2, bottom - 3.0 - i * step), 1.2, 1.2);
    }
}

// Pot luck: a copper cooking pot with a question mark, two dice tumbling out.
void paintPotLuck(QPainter &p)
{
    paintTiltedDie(p, QPointF(11.5, 7.0), 10.0, -22, 5, 0.9);
    paintTiltedDie(p, QPointF(21.5, 6.0), 9.0, 18, 2, 0.9);

    const QColor copper(0xd8, 0x6c, 0x2c);
    // Handles.
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(Ink, 3.4));
    p.drawArc(QRectF(0.6, 14.5, 6, 6), 90 * 16, 180 * 16);
    p.drawArc(QRectF(25.4, 14.5, 6, 6), -90 * 16, 180 * 16);
    p.setPen(roundPen(copper.darker(130), 1.6));
    p.drawArc(QRectF(0.6, 14.5, 6, 6), 90 * 16, 180 * 16);
    p.drawArc(QRectF(25.4, 14.5, 6, 6), -90 * 16, 180 * 16);

    // Body.
    QPainterPath body;
    body.moveTo(4.5, 14.5);
    body.lineTo(27.5, 14.5);
    body.lineTo(27.0, 24.5);
    body.cubicTo(26.8, 28.8, 24.0, 30.0, 20.0, 30.0);
    body.lineTo(12.0, 30.0);
    body.cubicTo(8.0, 30.0, 5.2, 28.8, 5.0, 24.5);
    body.closeSubpath();
    QLinearGradient metal(QPointF(4.5, 0), QPointF(27.5, 0));
    metal.setColorAt(0.0, copper.darker(125));
    metal.setColorAt(0.3, copper.lighter(135));
    metal.setColorAt(0.55, copper);
    metal.setColorAt(1.0, copper.darker(150));
    p.setBrush(metal);
    p.setPen(QPen(Ink, 1.0));
    p.drawPath(body);

    // Rim: a rolled lip across the top.
    const QRectF lip(3.2, 12.6, 25.6, 3.6);
    QLinearGradient lipShade(lip.topLeft(), lip.bottomLeft());
    lipShade.setColorAt(0.0, copper.lighter(150));
    lipShade.setColorAt(1.0, copper.darker(120));
    p.setBrush(lipShade);
    p.drawPath(roundedSquare(lip, 1.8));

    // The question mark on the pot's belly.
    const qreal scale = 1.12;
    const qreal thickness = 2.3;
    QTransform t;
    t.translate(16 - 3.0 * scale, 17.0);
    t.scale(scale, scale);
    // Drawn as pen strokes along the glyph's skeleton: ink, then cream on it.
    const QPainterPath placed = t.map(glyphFor(u'?').skeleton);
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(Ink, thickness * scale + 1.6));
    p.drawPath(placed);
    p.setPen(roundPen(QColor(0xff, 0xf6, 0xe0), thickness * scale));
    p.drawPath(placed);
}

// Korbo, six of a kind and the top score: a golden crown set with six pips.
void paintKorboCrown(QPainter &p)
{
    QPainterPath crown;
    crown.moveTo(3.5, 27.0);
    crown.lineTo(2.5, 9.0);
    crown.lineTo(10.0, 16.0);
    crown.lineTo(16.0, 4.5);
    crown.lineTo(22.0, 16.0);
    crown.lineTo(29.5, 9.0);
    crown.lineTo(28.5, 27.0);
    crown.closeSubpath();
    QLinearGradient gold(QPointF(0, 4), QPointF(0, 28));
    gold.setColorAt(0.0, QColor(0xff, 0xe9, 0x8a));
    gold.setColorAt(0.5, Gold);
    gold.setColorAt(1.0, QColor(0xc8, 0x8a, 0x10));
    p.setBrush(gold);
    p.setPen(QPen(Ink, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(crown);

    // The band.
    const QRectF band(3.0, 20.0, 26.0, 9.5);
    QLinearGradient bandShade(band.topLeft(), band.bottomLeft());
    bandShade.setColorAt(0.0, QColor(0xff, 0xdc, 0x5a));
    bandShade.setColorAt(1.0, QColor(0xd6, 0x96, 0x12));
    p.setBrush(bandShade);
    p.drawPath(roundedSquare(band, 2.0));

    // Balls on the three points.
    for (const QPointF &tip : {QPointF(2.5, 8.5), QPointF(16.0, 4.0), QPointF(29.5, 8.5)}) {
        QRadialGradient ball(tip + QPointF(-0.7, -0.7), 2.8);
        ball.setColorAt(0.0, QColor(0xff, 0xff, 0xe0));
        ball.setColorAt(1.0, QColor(0xe0, 0xa0, 0x18));
        p.setBrush(ball);
        p.setPen(QPen(Ink, 0.9));
        p.drawEllipse(tip, 2.2, 2.2);
    }
    // A red jewel in the middle of the crown.
    QPainterPath jewel;
    jewel.moveTo(16, 10.2);
    jewel.lineTo(18.4, 13.6);
    jewel.lineTo(16, 17.0);
    jewel.lineTo(13.6, 13.6);
    jewel.closeSubpath();
    p.setBrush(Red);
    p.setPen(QPen(Ink, 0.8));
    p.drawPath(jewel);

    // Six pips on the band, in two rows of three like a six.
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 3; ++col)
            p.drawEllipse(QPointF(9.5 + col * 6.5, 22.6 + row * 4.3), 1.35, 1.35);
}

// Turns a finished picture into its used look: shifted one pixel down and right,
// most of the colour drained and lightened, and a shadow along the inside of the
// upper left edges as if pressed into the button.
QImage pressIn(const QImage &picture, qreal dpr)
{
    const QImage src = picture.convertToFormat(QImage::Format_ARGB32);
    QImage out(src.size(), QImage::Format_ARGB32);
    out.fill(0);
    const int shift = qMax(1, qRound(dpr));
    const int depth = qMax(1, qRound(1.5 * dpr));
    const int w = src.width(), h = src.height();
    auto alphaAt = [&](int x, int y) {
        return (x < 0 || y < 0 || x >= w || y >= h) ? 0 : qAlpha(src.pixel(x, y));
    };
    for (int y = 0; y < h; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        const int sy = y - shift;
        if (sy < 0)
            continue;
        for (int x = 0; x < w; ++x) {
            const int sx = x - shift;
            if (sx < 0)
                continue;
            const QRgb c = src.pixel(sx, sy);
            const int a = qAlpha(c);
            if (a == 0)
                continue;
            const qreal grey = 0.299 * qRed(c) + 0.587 * qGreen(c) + 0.114 * qBlue(c);
            const qreal edge = 1.0 - (alphaAt(sx - depth, sy - depth) + alphaAt(sx - depth / 2 - 1, sy - depth / 2 - 1)) / 510.0;
            const qreal shade = 1.0 - 0.38 * edge;
            auto tone = [&](int v) {
                const qreal drained = v + (grey - v) * 0.75;
                const qreal light = drained + (226 - drained) * 0.32;
                return qBound(0, qRound(light * shade), 255);
            };
            line[x] = qRgba(tone(qRed(c)), tone(qGreen(c)), tone(qBlue(c)), a);
        }
    }
    return out.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

QSize categoryPictureSize(int category)
{
    return category >= Ones && category <= Sixes ? QSize(38, 37) : QSize(32, 32);
}

QImage categoryPicture(int category, bool used, QSize logicalSize, qreal dpr)
{
    dpr = sanePixelRatio(dpr);
    QImage image = makeCanvas(logicalSize.expandedTo(QSize(1, 1)), dpr);
    if (category < Ones || category > Korbo)
        return finish(image, dpr);

    // Fit the picture's design box, centred, into the requested size.
    const QSizeF design = categoryPictureSize(category);
    const qreal fit = qMin(logicalSize.width() / design.width(),
                           logicalSize.height() / design.height());
    QPainter p(&image);
    prepare(p);
    p.scale(dpr, dpr);
    p.translate((logicalSize.width() - design.width() * fit) / 2,
                (logicalSize.height() - design.height() * fit) / 2);
    p.scale(fit, fit);
    switch (category) {
    case Quad: paintQuad(p); break;
    case Twins: paintTwins(p); break;
    case Triples: paintTriples(p); break;
    case Odds: paintParity(p, true); break;
    case Evens: paintParity(p, false); break;
    case Flush: paintFlush(p); break;
    case PotLuck: paintPotLuck(p); break;
    case Korbo: paintKorboCrown(p); break;
    default: paintUpperCategory(p, category); break;
    }
    p.end();
    return finish(used ? pressIn(image, dpr) : image, dpr);
}

} // namespace korbo::artwork
