#include "GameStyle.h"

#include <QApplication>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QWidget>

namespace korbo {

namespace {

// Two small arrow heads side by side, pointing along the bar ("»"), or down for a
// vertical bar; drawn at whatever size and pixel ratio the button asks for.
class ChevronEngine : public QIconEngine {
public:
    ChevronEngine(bool vertical, bool rightToLeft) : m_vertical(vertical), m_rightToLeft(rightToLeft) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        const qreal side = std::min(rect.width(), rect.height());
        if (side <= 0)
            return;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(QRectF(rect).center());
        if (m_vertical)
            painter->rotate(90);
        else if (m_rightToLeft)
            painter->scale(-1, 1);
        QPainterPath path;
        const qreal h = side * 0.28; // half the height of one arrow head
        const qreal w = side * 0.18; // its depth
        for (const qreal x : {-side * 0.2, side * 0.08}) {
            path.moveTo(x, -h);
            path.lineTo(x + w, 0);
            path.lineTo(x, h);
        }
        const QColor ink = mode == QIcon::Disabled ? QColor(160, 160, 160) : QColor(40, 40, 40);
        painter->setPen(QPen(ink, std::max(1.0, side / 10.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter->setBrush(Qt::NoBrush);
        painter->drawPath(path);
        painter->restore();
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    // `size` is in device pixels, as QIcon asks for it.
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        }
        QPixmap result = QPixmap::fromImage(image);
        result.setDevicePixelRatio(scale);
        return result;
    }

    QIconEngine *clone() const override { return new ChevronEngine(m_vertical, m_rightToLeft); }

private:
    bool m_vertical;
    bool m_rightToLeft;
};

} // namespace

GameStyle::GameStyle() = default;

QIcon GameStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption *option, const QWidget *widget) const
{
    if (standardIcon == SP_ToolBarHorizontalExtensionButton || standardIcon == SP_ToolBarVerticalExtensionButton) {
        const bool rightToLeft = (widget ? widget->layoutDirection() : QGuiApplication::layoutDirection())
                                 == Qt::RightToLeft;
        return QIcon(new ChevronEngine(standardIcon == SP_ToolBarVerticalExtensionButton, rightToLeft));
    }
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}

void InstallGameStyle()
{
    if (!qobject_cast<GameStyle *>(QApplication::style()))
        QApplication::setStyle(new GameStyle);
}

} // namespace korbo
