#include "AboutWindow.h"
#include "ImageStore.h"
#include "MainWindow.h"
#include "Twips.h"

#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QTest>
#include <QUrl>

using namespace korbo;

namespace {

TEST(About, EachLinkOpensItsTarget)
{
    ImageStore images;
    AboutWindow about(images, QStringLiteral("http://korbo.example.org/"), QStringLiteral("help@korbo.example.org"));
    QStringList opened;
    about.setOpener([&](const QUrl &url) { opened << url.toString(); });
    about.labURLClick(0);
    about.labURLClick(1);
    EXPECT_EQ(opened, (QStringList{"http://korbo.example.org/", "mailto:help@korbo.example.org"}));
    // Only the exact scheme makes a web address.
    EXPECT_EQ(AboutWindow::linkTarget(QStringLiteral("HTTP://A.EXAMPLE/")), QStringLiteral("mailto:HTTP://A.EXAMPLE/"));
}

TEST(About, NoAddressNoLink)
{
    ImageStore images;
    AboutWindow about(images, QString(), QString());
    about.show();
    EXPECT_FALSE(about.labURL(0)->isVisible());
    EXPECT_FALSE(about.labURL(1)->isVisible());
    EXPECT_TRUE(about.labVersion()->isVisible());
}

TEST(About, UpdateAddressCarriesTheVersion)
{
    EXPECT_EQ(MainWindow::updateAddress(QStringLiteral("http://korbo.example.org/home/")),
              QStringLiteral("http://korbo.example.org/update.cfm?referrer=exe&vers=4.01"));
    EXPECT_EQ(MainWindow::updateAddress(QString()), QString());
}

} // namespace
