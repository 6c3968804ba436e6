// The joker token, the window icon and the About window's logo.
#include "Artwork.h"
#include "ArtworkKit.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <vector>

namespace korbo::artwork {

namespace {

// ---------------------------------------------------------------------------
// The joker: a jester's grinning face under a three-pointed cap with bells.

void paintJester(QPainter &p)
{
    const QPen outline(Ink, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

    // Cap points, drawn behind the face.
    auto point = [&](const QPainterPath &path, const QColor &c, QPointF from, QPointF to) {
        QLinearGradient g(from, to);
        g.setColorAt(0.0, c.lighter(135));
        g.setColorAt(1.0, c.darker(115));
        p.setBrush(g);
        p.setPen(outline);
        p.drawPath(path);
    };
    QPainterPath left;
    left.moveTo(8.0, 16.0);
    left.cubicTo(6.0, 12.5, 4.0, 10.0, 2.4, 5.6);
    left.cubicTo(8.0, 5.4, 12.0, 8.0, 14.0, 13.0);
    left.closeSubpath();
    QPainterPath right;
    right.moveTo(24.0, 16.0);
    right.cubicTo(26.0, 12.5, 28.0, 10.0, 29.6, 5.6);
    right.cubicTo(24.0, 5.4, 20.0, 8.0, 18.0, 13.0);
    right.closeSubpath();
    QPainterPath middle;
    middle.moveTo(10.5, 14.0);
    middle.cubicTo(11.5, 8.5, 13.5, 4.5, 16.0, 2.2);
    middle.cubicTo(18.5, 4.5, 20.5, 8.5, 21.5, 14.0);
    middle.closeSubpath();
    point(left, Red, QPointF(3, 6), QPointF(12, 15));
    point(right, Violet, QPointF(29, 6), QPointF(20, 15));
    point(middle, Green, QPointF(13, 3), QPointF(19, 14));

    // Bells on the tips.
    for (const QPointF &tip : {QPointF(2.4, 5.1), QPointF(16.0, 2.4), QPointF(29.6, 5.1)}) {
        QRadialGradient bell(tip + QPointF(-0.6, -0.7), 2.6);
        bell.setColorAt(0.0, QColor(0xff, 0xf6, 0xc0));
        bell.setColorAt(1.0, QColor(0xd9, 0x98, 0x10));
        p.setBrush(bell);
        p.setPen(outline);
        p.drawEllipse(tip, 2.1, 2.1);
    }

    // Face.
    QRadialGradient skin(QPointF(14, 19.5), 10);
    skin.setColorAt(0.0, QColor(0xff, 0xee, 0xd8));
    skin.setColorAt(1.0, QColor(0xf2, 0xc0, 0x94));
    p.setBrush(skin);
    p.setPen(outline);
    p.drawEllipse(QPointF(16, 22.6), 8.0, 8.2);

    // Band across the brow, red and gold diamonds.
    const QRectF band(7.0, 12.6, 18.0, 4.2);
    p.setBrush(Gold);
    p.drawPath(roundedSquare(band, 2.0));
    p.save();
    p.setClipPath(roundedSquare(band, 2.0));
    p.setPen(Qt::NoPen);
    p.setBrush(Red);
    for (int i = 0; i < 4; ++i) {
        const qreal cx = 9.2 + i * 4.55;
        QPainterPath diamond;
        diamond.moveTo(cx, 12.9);
        diamond.lineTo(cx + 1.5, 14.7);
        diamond.lineTo(cx, 16.5);
        diamond.lineTo(cx - 1.5, 14.7);
        diamond.closeSubpath();
        p.drawPath(diamond);
    }
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(outline);
    p.drawPath(roundedSquare(band, 2.0));

    // Cheeks, eyes, nose and a wide grin.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0x70, 0x70, 110));
    p.drawEllipse(QPointF(10.6, 24.2), 2.0, 1.4);
    p.drawEllipse(QPointF(21.4, 24.2), 2.0, 1.4);
    p.setBrush(Ink);
    p.drawEllipse(QPointF(12.8, 20.4), 1.15, 1.35);
    p.drawEllipse(QPointF(19.2, 20.4), 1.15, 1.35);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(13.2, 19.9), 0.4, 0.4);
    p.drawEllipse(QPointF(19.6, 19.9), 0.4, 0.4);

    QPainterPath grin;
    grin.moveTo(11.2, 24.9);
    grin.cubicTo(12.5, 25.6, 19.5, 25.6, 20.8, 24.9);
    grin.cubicTo(20.0, 29.6, 12.0, 29.6, 11.2, 24.9);
    grin.closeSubpath();
    p.setBrush(QColor(0xa8, 0x16, 0x22));
    p.setPen(QPen(Ink, 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(grin);
    p.save();
    p.setClipPath(grin);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0x8a, 0x96));
    p.drawEllipse(QPointF(16, 28.4), 2.6, 1.3);
    p.restore();

    QRadialGradient nose(QPointF(15.4, 22.0), 2.0);
    nose.setColorAt(0.0, QColor(0xff, 0x9a, 0x8c));
    nose.setColorAt(1.0, Red.darker(115));
    p.setBrush(nose);
    p.setPen(QPen(Ink, 0.8));
    p.drawEllipse(QPointF(16, 22.7), 1.6, 1.5);
}

// ---------------------------------------------------------------------------
// The window icon: a white die riding a green swirl, with a little sparkle.

// A ribbon along a tilted ellipse, like a ring round a planet: thin where it runs
// behind (the upper half) and full where it sweeps past in front, with pointed
// ends. Angles are measured round the ellipse, 90 being its front-most point.
QPainterPath orbit(QPointF centre, qreal rx, qreal ry, qreal tiltDeg, qreal fromDeg,
                   qreal toDeg, qreal back, qreal front)
{
    const int steps = 48; // a chord of under 7 degrees: smooth even at twice the size
    QTransform place;
    place.translate(centre.x(), centre.y());
    place.rotate(tiltDeg);
    std::vector<QPointF> outer, inner;
    for (int i = 0; i <= steps; ++i) {
        const qreal deg = fromDeg + (toDeg - fromDeg) * i / steps;
        const qreal a = qDegreesToRadians(deg);
        const QPointF pt(rx * std::cos(a), ry * std::sin(a));
        QPointF normal(ry * std::cos(a), rx * std::sin(a));
        normal /= std::hypot(normal.x(), normal.y());
        const qreal ends = qMin(1.0, qMin(deg - fromDeg, toDeg - deg) / 40.0);
        const qreal w = (back + (front - back) * (1 + std::sin(a)) / 2) * std::pow(ends, 0.6) / 2;
        outer.push_back(place.map(pt + normal * w));
        inner.push_back(place.map(pt - normal * w));
    }
    QPainterPath path;
    path.moveTo(outer.front());
    for (const QPointF &pt : outer)
        path.lineTo(pt);
    for (auto it = inner.rbegin(); it != inner.rend(); ++it)
        path.lineTo(*it);
    path.closeSubpath();
    return path;
}

QPainterPath sparkle(QPointF c, qreal r)
{
    QPainterPath s;
    s.moveTo(c + QPointF(0, -r));
    s.quadTo(c, c + QPointF(r, 0));
    s.quadTo(c, c + QPointF(0, r));
    s.quadTo(c, c + QPointF(-r, 0));
    s.quadTo(c, c + QPointF(0, -r));
    s.closeSubpath();
    return s;
}

void paintGreenSwoosh(QPainter &p, const QPainterPath &path)
{
    QLinearGradient g(path.boundingRect().topLeft(), path.boundingRect().bottomRight());
    g.setColorAt(0.0, QColor(0x5c, 0xe0, 0x4a));
    g.setColorAt(0.5, BoardGreen);
    g.setColorAt(1.0, QColor(0x00, 0x6a, 0x00));
    p.setBrush(g);
    p.setPen(QPen(QColor(0x00, 0x4a, 0x00), 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

void paintIcon(QPainter &p)
{
    // A green ring round the die: behind it at the top, sweeping past in front below.
    const QPointF centre(24, 26.0);
    const qreal tilt = -16;
    const QPainterPath ring = orbit(centre, 22.0, 10.0, tilt, -160, 160, 2.0, 8.0);
    paintGreenSwoosh(p, ring);
    paintTiltedDie(p, QPointF(24, 20.5), 25, -14, 5, 1.4);
    QPainterPath frontHalf;
    frontHalf.addRect(QRectF(-40, 0, 80, 40));
    QTransform place;
    place.translate(centre.x(), centre.y());
    place.rotate(tilt);
    p.save();
    p.setClipPath(place.map(frontHalf));
    paintGreenSwoosh(p, ring);
    p.restore();

    p.setPen(QPen(Ink, 0.9));
    QRadialGradient shine(QPointF(40.5, 7.5), 5);
    shine.setColorAt(0.0, Qt::white);
    shine.setColorAt(1.0, Gold);
    p.setBrush(shine);
    p.drawPath(sparkle(QPointF(40.5, 7.5), 5.6));
    p.setBrush(Qt::white);
    p.drawPath(sparkle(QPointF(6.5, 39.5), 3.2));
}

// ---------------------------------------------------------------------------
// The logo: "Korbo" in bouncing hand lettering, with two dice hopping above it.

void paintLogo(QPainter &p)
{
    const QString word = QStringLiteral("Korbo");
    const qreal scale = 4.2;
    const qreal width = wordWidth(word) * scale;
    const std::vector<QPainterPath> letters =
        layoutWord(word, QPointF((160 - width) / 2 + 2, 28), scale, 2.8,
                   {0, -2.0, 1.5, -1.0, 1.8}, {-5, 6, -4, 4, -7});

    // A soft shadow under the whole word, two layers for a blurred edge.
    for (const QPointF offset : {QPointF(2.6, 3.2), QPointF(1.8, 2.3)})
        for (const QPainterPath &letter : letters)
            p.fillPath(letter.translated(offset), withAlpha(Ink, 45));

    paintTiltedDie(p, QPointF(55, 14.5), 21, -18, 3, 1.4);
    paintTiltedDie(p, QPointF(137, 16.5), 19, 14, 5, 1.3);

    const std::array<QColor, 5> colours = {Red, Orange, Gold, Green, Blue};
    for (size_t i = 0; i < letters.size(); ++i)
        paintLettering(p, letters[i], colours[i % colours.size()], 1.4, letters[i].boundingRect());
}

// A square picture drawn by `paint` in a design box `designSize` units wide.
QImage squarePicture(int logicalSize, qreal dpr, qreal designSize, void (*paint)(QPainter &))
{
    dpr = sanePixelRatio(dpr);
    const int size = qMax(1, logicalSize);
    QImage image = makeCanvas(QSizeF(size, size), dpr);
    QPainter p(&image);
    prepare(p);
    p.scale(dpr * size / designSize, dpr * size / designSize);
    paint(p);
    p.end();
    return finish(image, dpr);
}

} // namespace

QImage jokerPicture(int logicalSize, qreal dpr)
{
    return squarePicture(logicalSize, dpr, 32.0, paintJester);
}

QImage windowIcon(int logicalSize, qreal dpr)
{
    return squarePicture(logicalSize, dpr, 48.0, paintIcon);
}

QImage logo(QSize logicalSize, qreal dpr)
{
    dpr = sanePixelRatio(dpr);
    const QSize size = logicalSize.expandedTo(QSize(1, 1));
    QImage image = makeCanvas(size, dpr);
    const qreal fit = qMin(size.width() / 160.0, size.height() / 80.0);
    QPainter p(&image);
    prepare(p);
    p.scale(dpr, dpr);
    p.translate((size.width() - 160 * fit) / 2, (size.height() - 80 * fit) / 2);
    p.scale(fit, fit);
    paintLogo(p);
    p.end();
    return finish(image, dpr);
}

} // namespace korbo::artwork
