#include "GameStyle.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>

using namespace korbo;

namespace {

int visiblePixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 0;
    return count;
}

TEST(GameStyle, MenuBarChevronIsDrawnAndTheRestIsTheDesktopsStyle)
{
    InstallGameStyle();
    InstallGameStyle(); // once is enough; twice changes nothing
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
