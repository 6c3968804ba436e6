#include "GameStyle.h"
#include "ImageStore.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMenuBar>
#include <QPainter>

using namespace korbo;

namespace {

QPixmap squarePicture(int logical, qreal dpr, QColor colour)
{
    QImage image(QSize(logical, logical) * dpr, QImage::Format_ARGB32_Premultiplied);
    image.fill(colour);
    image.setDevicePixelRatio(dpr);
    return QPixmap::fromImage(image);
}

int visiblePixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 0;
    return count;
}

TEST(DeferredIcon, FetchesItsPictureOnlyWhenPainted)
{
    struct Case {
        qreal dpr;
        QSize asked;    // logical size asked for
        QSize expected; // physical size of the answer
    };
    const Case cases[] = {
        {1.0, {40, 40}, {40, 40}},
        {2.0, {40, 40}, {80, 80}},
        {1.5, {40, 40}, {60, 60}},
        {2.0, {20, 20}, {40, 40}},  // less room: scaled down
        {1.0, {64, 64}, {40, 40}},  // more room: never enlarged
    };
    for (const Case &c : cases) {
        int fetches = 0;
        const QPixmap picture = squarePicture(40, c.dpr, Qt::red);
        const QIcon icon = deferredIcon(QSize(40, 40), [&] {
            ++fetches;
            return picture;
        });
        EXPECT_EQ(icon.actualSize(QSize(100, 100)), QSize(40, 40));
        EXPECT_EQ(fetches, 0) << "made and measured, not yet painted";
        const QPixmap shown = icon.pixmap(c.asked, c.dpr);
        EXPECT_EQ(shown.size(), c.expected) << c.dpr << " " << c.asked.width();
        EXPECT_EQ(shown.toImage().pixelColor(shown.width() / 2, shown.height() / 2), QColor(Qt::red));
    }
}

TEST(GameStyle, MenuBarChevronIsDrawnAndTheRestIsTheDesktopsStyle)
{
    InstallGameStyle();
    auto *style = qobject_cast<GameStyle *>(QApplication::style());
    ASSERT_NE(style, nullptr);
    for (const auto which : {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        for (const qreal dpr : {1.0, 2.0}) {
            const QPixmap chevron = style->standardIcon(which).pixmap(QSize(16, 16), dpr);
            ASSERT_EQ(chevron.size(), QSize(16, 16) * dpr);
            const QImage image = chevron.toImage();
            const int inked = visiblePixels(image);
            EXPECT_GT(inked, image.width() * image.height() / 20) << "a chevron you can see";
            EXPECT_LT(inked, image.width() * image.height() / 2) << "on a clear ground";
        }
    }
    // Everything else comes from the style underneath.
    EXPECT_FALSE(style->standardIcon(QStyle::SP_MessageBoxWarning).isNull());
    EXPECT_EQ(style->pixelMetric(QStyle::PM_ButtonMargin), style->baseStyle()->pixelMetric(QStyle::PM_ButtonMargin));
}

} // namespace
