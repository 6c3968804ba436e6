#include "ArtworkKit.h"

#include <QLinearGradient>

#include <cmath>

namespace korbo::artwork {

namespace {

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

} // namespace

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

std::vector<QPointF> pipCentres(int face, QPointF centre, qreal spacing)
{
    std::vector<QPointF> centres;
    for (const QPointF &o : pipOffsets(face))
        centres.push_back(centre + o * spacing);
    return centres;
}

void paintCleanDie(QPainter &p, const QRectF &r, int face, qreal outline, const QColor &body,
                   const QColor &pip, bool shadow)
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
                    qreal outline, const QColor &body, const QColor &pip)
{
    p.save();
    p.translate(centre);
    p.rotate(degrees);
    paintCleanDie(p, QRectF(-size / 2, -size / 2, size, size), face, outline, body, pip);
    p.restore();
}

QImage finish(QImage image, qreal dpr)
{
    image.setDevicePixelRatio(dpr);
    return image;
}

} // namespace korbo::artwork
