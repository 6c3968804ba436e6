#include "Artwork.h"

#include "GameState.h"
#include "Options.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <vector>

namespace korbo::artwork {

namespace {

// ---------------------------------------------------------------------------
// The family palette. Category pictures, the joker, the icon and the logo all
// share these, with the same dark ink outline, so they read as one set.

const QColor Ink(0x2a, 0x33, 0x42);
const QColor Red(0xe0, 0x45, 0x3a);
const QColor Orange(0xf3, 0x9c, 0x24);
const QColor Gold(0xf6, 0xc4, 0x31);
const QColor Green(0x36, 0xa8, 0x52);
const QColor Blue(0x3b, 0x82, 0xd6);
const QColor Violet(0x8e, 0x55, 0xc9);
const QColor BoardGreen(0, 160, 0);

QColor mix(const QColor &a, const QColor &b, qreal t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                            a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

// A transparent image of the physical size for `logical` at `dpr`. The pixel ratio
// is set only when the picture is finished, so the painter's scale is the one we
// set ourselves.
QImage makeCanvas(QSizeF logical, qreal dpr)
{
    const QSize pixels(qMax(1, qRound(logical.width() * dpr)),
                       qMax(1, qRound(logical.height() * dpr)));
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

qreal sanePixelRatio(qreal dpr)
{
    return dpr > 0.01 ? dpr : 1.0;
}

void prepare(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.setPen(Qt::NoPen);
}

QPainterPath roundedSquare(const QRectF &r, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

QPainterPath circle(QPointF centre, qreal radius)
{
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPen roundPen(const QBrush &brush, qreal width)
{
    return QPen(brush, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Where the pips sit, in units of the pip spacing from the face's centre:
// one in the middle, two and three on the rising diagonal, four in the corners,
// five adds the middle, six stands in two columns of three.
std::vector<QPointF> pipOffsets(int face)
{
    switch (face) {
    case 1: return {{0, 0}};
    case 2: return {{1, -1}, {-1, 1}};
    case 3: return {{1, -1}, {0, 0}, {-1, 1}};
    case 4: return {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
    case 5: return {{-1, -1}, {1, -1}, {0, 0}, {-1, 1}, {1, 1}};
    default: return {{-1, -1}, {-1, 0}, {-1, 1}, {1, -1}, {1, 0}, {1, 1}};
    }
}

std::vector<QPointF> pipCentres(int face, QPointF centre, qreal spacing)
{
    std::vector<QPointF> centres;
    for (const QPointF &o : pipOffsets(face))
        centres.push_back(centre + o * spacing);
    return centres;
}

// ---------------------------------------------------------------------------
// The six dice styles. Each paints one face into a 100 x 100 box; the caller has
// scaled the painter so that box fills the image.

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

// ---------------------------------------------------------------------------
// The clean little die the category pictures, icon and logo use.

void paintCleanDie(QPainter &p, const QRectF &r, int face, qreal outline,
                   const QColor &body = Qt::white, const QColor &pip = Ink, bool shadow = true)
{
    const qreal w = r.width();
    const qreal radius = w * 0.2;
    if (shadow)
        p.fillPath(roundedSquare(r.translated(w * 0.04 + 0.5, w * 0.05 + 0.6), radius),
                   withAlpha(Ink, 70));
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0.0, body.lighter(104));
    g.setColorAt(0.6, body);
    g.setColorAt(1.0, body.darker(112));
    p.setBrush(g);
    p.setPen(QPen(Ink, outline));
    p.drawPath(roundedSquare(r, radius));
    // Small dice get relatively larger pips so they stay legible.
    // A whole-pixel pip spacing keeps an upright die's pips on the pixel grid at 1x.
    const qreal pipR = w < 16 ? w * 0.125 : w * 0.095;
    const qreal spacing = w >= 12 ? std::round(w * 0.26) : w * 0.26;
    p.setPen(Qt::NoPen);
    p.setBrush(pip);
    for (const QPointF &c : pipCentres(face, r.center(), spacing))
        p.drawEllipse(c, pipR, pipR);
}

void paintTiltedDie(QPainter &p, QPointF centre, qreal size, qreal degrees, int face,
                    qreal outline, const QColor &body = Qt::white, const QColor &pip = Ink)
{
    p.save();
    p.translate(centre);
    p.rotate(degrees);
    paintCleanDie(p, QRectF(-size / 2, -size / 2, size, size), face, outline, body, pip);
    p.restore();
}

// ---------------------------------------------------------------------------
// Hand-drawn lettering: every character is a pen stroke on a 10 unit high grid,
// thickened into an outline, so the pictures look the same on every machine.

struct Glyph {
    QPainterPath skeleton;
    qreal advance = 6;
};

Glyph glyphFor(QChar ch)
{
    Glyph g;
    QPainterPath &s = g.skeleton;
    switch (ch.unicode()) {
    case '1':
        s.moveTo(0.6, 2.4);
        s.lineTo(3.2, 0.3);
        s.lineTo(3.2, 10);
        g.advance = 4.4;
        break;
    case '2':
        s.moveTo(0.5, 2.7);
        s.cubicTo(0.9, -0.2, 5.6, -0.4, 5.6, 2.9);
        s.cubicTo(5.6, 5.4, 2.0, 7.0, 0.4, 10);
        s.lineTo(5.9, 10);
        g.advance = 6.3;
        break;
    case '3':
        s.moveTo(0.5, 1.6);
        s.cubicTo(2.0, -0.3, 5.6, 0.0, 5.4, 2.7);
        s.cubicTo(5.3, 4.4, 3.8, 4.9, 2.4, 4.9);
        s.cubicTo(4.4, 4.9, 5.9, 5.8, 5.8, 7.6);
        s.cubicTo(5.6, 10.6, 1.4, 10.6, 0.3, 8.4);
        g.advance = 6.2;
        break;
    case '4':
        s.moveTo(4.4, 10);
        s.lineTo(4.4, 0.3);
        s.lineTo(0.2, 7.0);
        s.lineTo(6.2, 7.0);
        g.advance = 6.5;
        break;
    case '5':
        s.moveTo(5.4, 0.4);
        s.lineTo(1.2, 0.4);
        s.lineTo(0.8, 4.6);
        s.cubicTo(2.6, 3.4, 5.9, 3.8, 5.9, 6.9);
        s.cubicTo(5.9, 10.4, 1.5, 10.5, 0.3, 8.5);
        g.advance = 6.3;
        break;
    case '6':
        s.moveTo(5.2, 0.8);
        s.cubicTo(2.2, -0.4, 0.5, 2.6, 0.5, 6.8);
        s.addEllipse(QPointF(3.2, 7.1), 2.7, 2.8);
        g.advance = 6.4;
        break;
    case '?':
        s.moveTo(0.4, 2.6);
        s.cubicTo(0.6, -0.4, 5.6, -0.5, 5.6, 2.6);
        s.cubicTo(5.6, 4.6, 3.0, 4.8, 3.0, 6.9);
        s.moveTo(3.0, 9.7);
        s.lineTo(3.0, 9.72);
        g.advance = 6.2;
        break;
    case 'K':
        s.moveTo(0.9, 0.2);
        s.lineTo(0.9, 10);
        s.moveTo(6.0, 0.3);
        s.lineTo(1.1, 6.0);
        s.moveTo(2.9, 4.1);
        s.lineTo(6.3, 10);
        g.advance = 7.0;
        break;
    case 'o':
        s.addEllipse(QPointF(3.0, 6.8), 2.8, 3.1);
        g.advance = 6.1;
        break;
    case 'r':
        s.moveTo(0.9, 3.8);
        s.lineTo(0.9, 10);
        s.moveTo(0.9, 6.6);
        s.cubicTo(1.3, 4.4, 2.9, 3.5, 4.9, 3.9);
        g.advance = 5.4;
        break;
    case 'b':
        s.moveTo(0.9, 0.2);
        s.lineTo(0.9, 10);
        s.addEllipse(QPointF(3.7, 6.8), 2.8, 3.1);
        g.advance = 6.8;
        break;
    default:
        g.advance = 4;
        break;
    }
    return g;
}

// The filled outline of a glyph's stroke at the given thickness (in glyph units).
// The stroke is built a hundred times larger and shrunk afterwards, so its curves
// are flattened finely enough to stay round at any size the glyph is shown.
QPainterPath glyphShape(QChar ch, qreal thickness)
{
    constexpr qreal fine = 100;
    QPainterPathStroker stroker;
    stroker.setWidth(thickness * fine);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    stroker.setCurveThreshold(1.0); // a hundredth of a glyph unit: far below a pixel
    const QPainterPath big = QTransform::fromScale(fine, fine).map(glyphFor(ch).skeleton);
    return QTransform::fromScale(1 / fine, 1 / fine).map(stroker.createStroke(big).simplified());
}

// Draws a glyph shape (already placed) with an ink outline, a gradient fill and a
// gloss over its upper half.
void paintLettering(QPainter &p, const QPainterPath &shape, const QColor &colour,
                    qreal outline, const QRectF &box)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(Ink, outline * 2));
    p.drawPath(shape);
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0.0, colour.lighter(125));
    fill.setColorAt(1.0, colour.darker(115));
    p.setPen(Qt::NoPen);
    p.fillPath(shape, fill);
    p.save();
    p.setClipPath(shape);
    QLinearGradient gloss(box.topLeft(), QPointF(box.left(), box.center().y()));
    gloss.setColorAt(0.0, QColor(255, 255, 255, 130));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(box.left() - 2, box.top() - 2, box.width() + 4, box.height() * 0.45), gloss);
    p.restore();
}

// Lays out `text` starting at `origin` (top left of the 10 unit box) at `scale`
// pixels per unit; each character may be lifted (rise) and turned (tilt) a
// little so the word bounces.
std::vector<QPainterPath> layoutWord(const QString &text, QPointF origin, qreal scale,
                                     qreal thickness, const std::vector<qreal> &rise,
                                     const std::vector<qreal> &tilt)
{
    std::vector<QPainterPath> placed;
    qreal x = origin.x();
    for (int i = 0; i < text.size(); ++i) {
        const QPainterPath unitShape = glyphShape(text.at(i), thickness);
        const QPointF middle = unitShape.boundingRect().center();
        const qreal dy = i < int(rise.size()) ? rise[i] : 0;
        QTransform t;
        t.translate(x + middle.x() * scale, origin.y() + dy + middle.y() * scale);
        if (i < int(tilt.size()))
            t.rotate(tilt[i]);
        t.scale(scale, scale);
        t.translate(-middle.x(), -middle.y());
        placed.push_back(t.map(unitShape));
        x += glyphFor(text.at(i)).advance * scale;
    }
    return placed;
}

qreal wordWidth(const QString &text)
{
    qreal w = 0;
    for (QChar ch : text)
        w += glyphFor(ch).advance;
    return w;
}

// ---------------------------------------------------------------------------
// Category pictures, each drawn in its own design box (38x37 or 32x32).

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

QImage finish(QImage image, qreal dpr)
{
    image.setDevicePixelRatio(dpr);
    return image;
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
    switch (style) {
    case StyleTraditional: paintTraditional(p, face); break;
    case StyleLadybirds: paintLadybird(p, face); break;
    case StyleRainbow: paintRainbow(p, face); break;
    case StyleButtons: paintButton(p, face); break;
    case StylePhoto: paintPhoto(p, face); break;
    default: paintStandard(p, face); break;
    }
    p.end();
    return finish(image, dpr);
}

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

// A square picture drawn by `paint` in a design box `designSize` units wide.
static QImage squarePicture(int logicalSize, qreal dpr, qreal designSize, void (*paint)(QPainter &))
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
