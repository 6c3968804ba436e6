#pragma once

// What the built-in pictures (Artwork*.cpp) share: the family palette, the canvas
// they are drawn on, a few shapes, the clean little die and the hand lettering.
// Not for use outside the artwork.

#include "Palette.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <vector>

namespace korbo::artwork {

// The family palette. Category pictures, the joker, the icon and the logo all
// share these, with the same dark ink outline, so they read as one set. The icon's
// ring is the board's own green (Palette.h).
inline constexpr QColor Ink(0x2a, 0x33, 0x42);
inline constexpr QColor Red(0xe0, 0x45, 0x3a);
inline constexpr QColor Orange(0xf3, 0x9c, 0x24);
inline constexpr QColor Gold(0xf6, 0xc4, 0x31);
inline constexpr QColor Green(0x36, 0xa8, 0x52);
inline constexpr QColor Blue(0x3b, 0x82, 0xd6);
inline constexpr QColor Violet(0x8e, 0x55, 0xc9);

QColor mix(const QColor &a, const QColor &b, qreal t);
QColor withAlpha(QColor c, int alpha);

// A transparent image of the physical size for `logical` at `dpr`. The pixel ratio
// is set only when the picture is finished, so the painter's scale is the one we
// set ourselves.
QImage makeCanvas(QSizeF logical, qreal dpr);
qreal sanePixelRatio(qreal dpr);
void prepare(QPainter &p);
// Gives a drawn canvas its pixel ratio.
QImage finish(QImage image, qreal dpr);

QPainterPath roundedSquare(const QRectF &r, qreal radius);
QPainterPath circle(QPointF centre, qreal radius);
QPen roundPen(const QBrush &brush, qreal width);

// Where the pips of `face` sit round `centre`, `spacing` apart.
std::vector<QPointF> pipCentres(int face, QPointF centre, qreal spacing);

// The clean little die the category pictures, icon and logo use.
void paintCleanDie(QPainter &p, const QRectF &r, int face, qreal outline,
                   const QColor &body = Qt::white, const QColor &pip = Ink, bool shadow = true);
void paintTiltedDie(QPainter &p, QPointF centre, qreal size, qreal degrees, int face,
                    qreal outline, const QColor &body = Qt::white, const QColor &pip = Ink);

// Hand-drawn lettering: every character is a pen stroke on a 10 unit high grid,
// thickened into an outline, so the pictures look the same on every machine.
struct Glyph {
    QPainterPath skeleton;
    qreal advance = 6;
};

Glyph glyphFor(QChar ch);
// Draws a glyph shape (already placed) with an ink outline, a gradient fill and a
// gloss over its upper half.
void paintLettering(QPainter &p, const QPainterPath &shape, const QColor &colour,
                    qreal outline, const QRectF &box);
// Lays out `text` starting at `origin` (top left of the 10 unit box) at `scale`
// pixels per unit; each character may be lifted (rise) and turned (tilt) a
// little so the word bounces.
std::vector<QPainterPath> layoutWord(const QString &text, QPointF origin, qreal scale,
                                     qreal thickness, const std::vector<qreal> &rise,
                                     const std::vector<qreal> &tilt);
qreal wordWidth(const QString &text);

} // namespace korbo::artwork
