// The six dice styles. Each paints one face into a 100 x 100 box; the caller has
// scaled the painter so that box fills the image.
#include "Artwork.h"
#include "ArtworkKit.h"

#include "Options.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <array>

namespace korbo::artwork {

namespace {

// A pip pressed into the face: dark in the middle, with the far wall catching a
// little light at the lower right.
void paintDarkPip(QPainter &p, QPointF c, qreal r, const QColor &core)
{
    QRadialGradient g(c + QPointF(r * 0.35, r * 0.4), r * 1.35);
    g.setColorAt(0.0, core.lighter(210));
    g.setColorAt(0.55, core);
    g.setColorAt(1.0, core.darker(160));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

// A raised body with a bevel: the outer band is lit at the top left and shaded at
// the bottom right, the flat face sits inside it.
void paintBevelledBody(QPainter &p, const QRectF &outer, qreal radius, qreal bevel,
                       const QColor &light, const QColor &mid, const QColor &dark,
                       const QColor &faceLight, const QColor &faceDark, const QColor &edge)
{
    const QPainterPath body = roundedSquare(outer, radius);
    QLinearGradient band(outer.topLeft(), outer.bottomRight());
    band.setColorAt(0.0, light);
    band.setColorAt(0.5, mid);
    band.setColorAt(1.0, dark);
    p.setPen(Qt::NoPen);
    p.fillPath(body, band);

    const QRectF inner = outer.adjusted(bevel, bevel, -bevel, -bevel);
    QLinearGradient face(inner.topLeft(), inner.bottomRight());
    face.setColorAt(0.0, faceLight);
    face.setColorAt(1.0, faceDark);
    // A soft step between band and face: a blurred ring first, then the face.
    for (int i = 3; i >= 1; --i) {
        const qreal grow = i * 0.6;
        p.fillPath(roundedSquare(inner.adjusted(-grow, -grow, grow, grow), radius - bevel + grow),
                   withAlpha(faceDark, 40));
    }
    p.fillPath(roundedSquare(inner, radius - bevel * 0.8), face);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(edge, 2.0));
    p.drawPath(roundedSquare(outer.adjusted(1, 1, -1, -1), radius - 1));
}

// 1. Standard: a white die with black pips and a soft grey edge.
void paintStandard(QPainter &p, int face)
{
    paintBevelledBody(p, QRectF(2, 2, 96, 96), 17, 6,
                      QColor(0xff, 0xff, 0xff), QColor(0xf0, 0xf0, 0xf0), QColor(0xc4, 0xc6, 0xca),
                      QColor(0xff, 0xff, 0xff), QColor(0xec, 0xed, 0xef), QColor(0xa4, 0xa7, 0xab));
    for (const QPointF &c : pipCentres(face, {50, 50}, 23.5))
        paintDarkPip(p, c, 9.0, QColor(0x16, 0x16, 0x18));
}

// 2. Traditional: an old ivory die, squarer, warm and slightly worn; the one is a
// large red pip and the four is red too.
void paintTraditional(QPainter &p, int face)
{
    const QRectF outer(2, 2, 96, 96);
    paintBevelledBody(p, outer, 11, 5,
                      QColor(0xfd, 0xf4, 0xdc), QColor(0xf1, 0xe1, 0xb6), QColor(0xcf, 0xb7, 0x80),
                      QColor(0xfb, 0xf0, 0xd2), QColor(0xeb, 0xd9, 0xa9), QColor(0xa3, 0x86, 0x4c));

    // Faint grain in the ivory.
    p.save();
    p.setClipPath(roundedSquare(outer.adjusted(5, 5, -5, -5), 7));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 7; ++i) {
        const qreal y = 14 + i * 12.5;
        QPainterPath grain;
        grain.moveTo(4, y);
        grain.cubicTo(30, y - 3 + (i % 2) * 5, 65, y + 4 - (i % 3) * 3, 96, y - 1);
        p.setPen(QPen(QColor(0xb8, 0x9a, 0x5c, 16), 1.4));
        p.drawPath(grain);
    }
    p.restore();

    const QColor black(0x1e, 0x17, 0x12);
    const QColor red(0xc4, 0x16, 0x1c);
    if (face == 1) {
        // The big red one, with a fine engraved ring round it.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0x8c, 0x6c, 0x36, 120), 1.6));
        p.drawEllipse(QPointF(50, 50), 18.5, 18.5);
        paintDarkPip(p, {50, 50}, 16.0, red);
        return;
    }
    const QColor ink = face == 4 ? red : black;
    for (const QPointF &c : pipCentres(face, {50, 50}, 24))
        paintDarkPip(p, c, 8.6, ink);
}

// 3. Ladybirds: a glossy red shell with a black head across the top and the line
// between the wing cases; the ladybird's spots are the pips.
void paintLadybird(QPainter &p, int face)
{
    const QRectF outer(2, 2, 96, 96);
    const QPainterPath shell = roundedSquare(outer, 28);

    QRadialGradient red(QPointF(38, 42), 68, QPointF(32, 34));
    red.setColorAt(0.0, QColor(0xff, 0x5e, 0x48));
    red.setColorAt(0.55, QColor(0xe1, 0x1f, 0x16));
    red.setColorAt(1.0, QColor(0xb3, 0x12, 0x0c));
    p.fillPath(shell, red);

    p.save();
    p.setClipPath(shell);
    // Head: a black cap across the top with two white cheek marks.
    QPainterPath head;
    head.addEllipse(QPointF(50, -2), 36, 17);
    QLinearGradient headShade(0, 0, 0, 16);
    headShade.setColorAt(0.0, QColor(0x33, 0x33, 0x36));
    headShade.setColorAt(1.0, QColor(0x0c, 0x0c, 0x0e));
    p.fillPath(head, headShade);
    p.setBrush(QColor(0xf6, 0xf2, 0xe8));
    p.drawEllipse(QPointF(33, 7.5), 5.0, 3.6);
    p.drawEllipse(QPointF(67, 7.5), 5.0, 3.6);
    // The seam between the wing cases, from the head to the tail.
    p.setPen(QPen(QColor(0x14, 0x0c, 0x0c), 2.4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(50, 14), QPointF(50, 100));
    p.restore();

    // The shell's gloss: a broad soft highlight at the upper left.
    p.save();
    p.setClipPath(shell);
    p.translate(26, 30);
    p.rotate(-38);
    QRadialGradient gloss(QPointF(0, 0), 16);
    gloss.setColorAt(0.0, QColor(255, 255, 255, 150));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(gloss);
    p.scale(1.0, 0.45);
    p.drawEllipse(QPointF(0, 0), 16, 16);
    p.restore();

    // Spots, each with its own small gleam.
    for (const QPointF &c : pipCentres(face, {50, 57}, 23)) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x12, 0x10, 0x12));
        p.drawEllipse(c, 9.6, 9.6);
        QRadialGradient gleam(c + QPointF(-3.2, -3.4), 4.2);
        gleam.setColorAt(0.0, QColor(255, 255, 255, 150));
        gleam.setColorAt(1.0, QColor(255, 255, 255, 0));
        p.setBrush(gleam);
        p.drawEllipse(c + QPointF(-3.2, -3.4), 4.2, 4.2);
    }

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x6a, 0x07, 0x05), 2.0));
    p.drawPath(roundedSquare(outer.adjusted(1, 1, -1, -1), 27));
}

// 4. Rainbow: every face its own colour, white pips with a shadow so they read
// even on the yellow three.
void paintRainbow(QPainter &p, int face)
{
    static const std::array<QColor, 6> colours = {
        QColor(0xe3, 0x2b, 0x24), QColor(0xf2, 0x84, 0x12), QColor(0xee, 0xbc, 0x0a),
        QColor(0x2f, 0xa3, 0x3f), QColor(0x24, 0x66, 0xd6), QColor(0x86, 0x3a, 0xc2),
    };
    const QColor base = colours[face - 1];
    paintBevelledBody(p, QRectF(2, 2, 96, 96), 19, 6,
                      base.lighter(145), base.lighter(112), base.darker(135),
                      base.lighter(118), base.darker(108), base.darker(175));
    const QColor shade = base.darker(190);
    for (const QPointF &c : pipCentres(face, {50, 50}, 23.5)) {
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(shade, 170));
        p.drawEllipse(c + QPointF(1.6, 1.8), 9.0, 9.0);
        QRadialGradient g(c + QPointF(-2.5, -2.5), 11);
        g.setColorAt(0.0, Qt::white);
        g.setColorAt(0.7, QColor(0xf8, 0xf8, 0xf8));
        g.setColorAt(1.0, QColor(0xdc, 0xdc, 0xe0));
        p.setBrush(g);
        p.setPen(QPen(base.darker(150), 1.2));
        p.drawEllipse(c, 8.6, 8.6);
    }
}

// 5. Buttons: a round wooden sewing button with a raised rim; the pips are its
// holes, cut right through so the board shows beneath.
void paintButton(QPainter &p, int face)
{
    const QPointF c(50, 50);
    const qreal rim = 47, dish = 36.5;

    QLinearGradient rimShade(QPointF(14, 10), QPointF(86, 90));
    rimShade.setColorAt(0.0, QColor(0xf4, 0xd7, 0xa6));
    rimShade.setColorAt(0.5, QColor(0xd2, 0x9b, 0x58));
    rimShade.setColorAt(1.0, QColor(0x8e, 0x5a, 0x26));
    p.fillPath(circle(c, rim), rimShade);

    QLinearGradient dishShade(QPointF(20, 16), QPointF(80, 84));
    dishShade.setColorAt(0.0, QColor(0xb0, 0x76, 0x38));
    dishShade.setColorAt(0.55, QColor(0xd4, 0x9f, 0x5e));
    dishShade.setColorAt(1.0, QColor(0xec, 0xc4, 0x8a));
    p.fillPath(circle(c, dish), dishShade);

    // Wood grain across the whole button.
    p.save();
    p.setClipPath(circle(c, rim - 1));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 9; ++i) {
        const qreal y = 8 + i * 10.5;
        QPainterPath grain;
        grain.moveTo(0, y);
        grain.cubicTo(28, y - 5 + (i % 2) * 8, 62, y + 6 - (i % 3) * 4, 100, y - 2);
        p.setPen(QPen(QColor(0x6e, 0x40, 0x14, 34), 1.3));
        p.drawPath(grain);
    }
    p.restore();

    // The step down from rim to dish: shadowed at the upper left, lit at the lower right.
    QLinearGradient step(QPointF(24, 24), QPointF(76, 76));
    step.setColorAt(0.0, QColor(0x5c, 0x36, 0x10, 170));
    step.setColorAt(0.5, QColor(0x8a, 0x5a, 0x28, 60));
    step.setColorAt(1.0, QColor(0xff, 0xf0, 0xd0, 170));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(step), 2.2));
    p.drawEllipse(c, dish, dish);

    p.setPen(QPen(QColor(0x6a, 0x40, 0x16), 2.0));
    p.drawEllipse(c, rim - 0.5, rim - 0.5);

    // The holes: a bright lip at the lower right, a dark wall at the upper left,
    // and a clean cut through the middle.
    const qreal hole = 7.4;
    for (const QPointF &h : pipCentres(face, c, 19.5)) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xfa, 0xe4, 0xbc, 170));
        p.drawEllipse(h + QPointF(0.9, 0.9), hole + 1.4, hole + 1.4);
        p.setBrush(QColor(0x3a, 0x20, 0x08));
        p.drawEllipse(h, hole + 0.6, hole + 0.6);
        p.setCompositionMode(QPainter::CompositionMode_Clear);
        p.setBrush(Qt::black);
        p.drawEllipse(h + QPointF(1.0, 1.1), hole - 0.7, hole - 0.7);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
}

// A pip sunk into a glossy body: white paint in a pit, the pit's upper left rim
// throwing a shadow inside, a thin bright lip at the lower right.
void paintSunkPip(QPainter &p, QPointF c, qreal r)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawEllipse(c + QPointF(0.9, 1.0), r + 0.4, r + 0.4);

    const QPainterPath pit = circle(c, r);
    QRadialGradient paint(c + QPointF(r * 0.3, r * 0.35), r * 1.25);
    paint.setColorAt(0.0, QColor(0xff, 0xff, 0xff));
    paint.setColorAt(0.6, QColor(0xee, 0xef, 0xf1));
    paint.setColorAt(1.0, QColor(0xb4, 0xb8, 0xbe));
    p.fillPath(pit, paint);
    p.fillPath(pit.subtracted(circle(c + QPointF(r * 0.42, r * 0.45), r)), QColor(0, 0, 0, 110));
    p.fillPath(pit.subtracted(circle(c + QPointF(r * 0.26, r * 0.28), r)), QColor(0, 0, 0, 110));
    p.fillPath(pit.subtracted(circle(c + QPointF(r * 0.12, r * 0.13), r)), QColor(0, 0, 0, 90));
}

// 6. Photo: a glossy black die as a camera would see it: rounded edges that
// catch the light from the top left, a bright glint, white pips sunk into
// the surface and a soft shadow on the board.
void paintPhoto(QPainter &p, int face)
{
    const QRectF body(2, 2, 90, 90);
    const qreal radius = 21;

    // Soft shadow, built from a few widening translucent layers.
    for (int i = 6; i >= 0; --i) {
        const qreal g = i * 0.75;
        p.fillPath(roundedSquare(body.translated(3.5, 4.5).adjusted(-g, -g, g, g), radius + g),
                   QColor(0, 0, 0, 18));
    }

    const QPainterPath shape = roundedSquare(body, radius);
    QRadialGradient shade(QPointF(38, 36), 78, QPointF(26, 22));
    shade.setColorAt(0.0, QColor(0x6c, 0x72, 0x7c));
    shade.setColorAt(0.35, QColor(0x30, 0x34, 0x3b));
    shade.setColorAt(0.8, QColor(0x12, 0x14, 0x18));
    shade.setColorAt(1.0, QColor(0x05, 0x06, 0x08));
    p.fillPath(shape, shade);

    // The flat front face inside the rounded edge, with a soft border.
    const QRectF front = body.adjusted(8, 8, -8, -8);
    for (int i = 4; i >= 1; --i) {
        const qreal g = i * 0.8;
        p.fillPath(roundedSquare(front.adjusted(-g, -g, g, g), radius - 8 + g),
                   QColor(0x1c, 0x1f, 0x24, 45));
    }
    QLinearGradient frontShade(front.topLeft(), front.bottomRight());
    frontShade.setColorAt(0.0, QColor(0x3a, 0x3f, 0x48));
    frontShade.setColorAt(0.5, QColor(0x22, 0x25, 0x2b));
    frontShade.setColorAt(1.0, QColor(0x15, 0x17, 0x1b));
    p.fillPath(roundedSquare(front, radius - 8), frontShade);

    // Rim light: the bottom right edge picks up a cool reflection.
    QLinearGradient rimLight(body.topLeft(), body.bottomRight());
    rimLight.setColorAt(0.0, QColor(255, 255, 255, 110));
    rimLight.setColorAt(0.35, QColor(255, 255, 255, 0));
    rimLight.setColorAt(0.7, QColor(0x8c, 0xa8, 0xd0, 0));
    rimLight.setColorAt(1.0, QColor(0x8c, 0xa8, 0xd0, 150));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(rimLight), 1.8));
    p.drawPath(roundedSquare(body.adjusted(1.6, 1.6, -1.6, -1.6), radius - 1.6));

    for (const QPointF &c : pipCentres(face, body.center(), 22.5))
        paintSunkPip(p, c, 8.4);

    // The glint on the upper left edge, and a broad faint sheen.
    p.save();
    p.setClipPath(shape);
    QLinearGradient sheen(QPointF(0, 4), QPointF(0, 50));
    sheen.setColorAt(0.0, QColor(255, 255, 255, 40));
    sheen.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillPath(roundedSquare(body.adjusted(3, 3, -3, -42), radius - 3), sheen);
    p.translate(15, 13);
    p.rotate(-45);
    p.scale(1.0, 0.36);
    QRadialGradient spot(QPointF(0, 0), 13);
    spot.setColorAt(0.0, QColor(255, 255, 255, 235));
    spot.setColorAt(0.35, QColor(255, 255, 255, 120));
    spot.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(spot);
    p.drawEllipse(QPointF(0, 0), 13, 13);
    p.restore();
}

} // namespace

QImage dieFace(int style, int face, int logicalSize, qreal dpr)
{
    dpr = sanePixelRatio(dpr);
    const int size = qMax(1, logicalSize);
    face = qBound(1, face, 6);
    QImage image = makeCanvas(QSizeF(size, size), dpr);
    QPainter p(&image);
    prepare(p);
    p.scale(dpr * size / 100.0, dpr * size / 100.0);
    // One painter per style, in the order of the styles' table; the player's own
    // style falls back on the standard faces.
    using Painter = void (*)(QPainter &, int);
    static constexpr Painter painters[] = {paintStandard, paintTraditional, paintLadybird, paintRainbow,
                                           paintButton,   paintPhoto,       paintStandard};
    static_assert(std::size(painters) == DiceStyleCount, "a painter for every dice style");
    painters[knownDiceStyle(style) - 1](p, face);
    p.end();
    return finish(image, dpr);
}

} // namespace korbo::artwork
