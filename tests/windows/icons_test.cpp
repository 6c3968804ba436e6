#include "ImageStore.h"

#include <gtest/gtest.h>

#include <QImage>

using namespace korbo;

namespace {

TEST(DeferredIcon, FetchesItsPictureOnlyWhenPainted)
{
    const struct { qreal dpr; QSize asked, expected; const char *guards; } rows[] = {
        {2.0, {40, 40}, {80, 80}, "drawn for the screen's density"},
        {2.0, {20, 20}, {40, 40}, "less room: scaled down"},
        {1.0, {64, 64}, {40, 40}, "more room: never enlarged"},
    };
    for (const auto &r : rows) {
        int fetches = 0;
        QImage image(QSize(40, 40) * r.dpr, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::red);
        image.setDevicePixelRatio(r.dpr);
        const QIcon icon = deferredIcon(QSize(40, 40), [&] {
            ++fetches;
            return QPixmap::fromImage(image);
        });
        EXPECT_EQ(icon.actualSize(QSize(100, 100)), QSize(40, 40)) << r.guards;
        EXPECT_EQ(fetches, 0) << "made and measured, not yet painted";
        const QPixmap shown = icon.pixmap(r.asked, r.dpr);
        EXPECT_EQ(shown.size(), r.expected) << r.guards;
        EXPECT_EQ(shown.toImage().pixelColor(shown.width() / 2, shown.height() / 2), QColor(Qt::red)) << r.guards;
    }
}

} // namespace
