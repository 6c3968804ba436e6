// Hand-drawn lettering: every character is a pen stroke on a 10 unit high grid,
// thickened into an outline, so the pictures look the same on every machine.
#include "ArtworkKit.h"

#include <QLinearGradient>
#include <QPainterPathStroker>

namespace korbo::artwork {

namespace {

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

} // namespace

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

} // namespace korbo::artwork
