#include "AboutWindow.h"
#include "ImageStore.h"
#include "MainWindow.h"

#include <gtest/gtest.h>

#include <QUrl>

using namespace korbo;

namespace {

TEST(About, EachLinkOpensItsTargetAndNoAddressShowsNoLink)
{
    ImageStore images;
    AboutWindow about(images, QStringLiteral("http://korbo.example.org/"), QStringLiteral("help@korbo.example.org"));
    QStringList opened;
    about.setOpener([&](const QUrl &url) { opened << url.toString(); });
    about.labURLClick(0);
    about.labURLClick(1);
    EXPECT_EQ(opened, (QStringList{"http://korbo.example.org/", "mailto:help@korbo.example.org"}));
    EXPECT_EQ(MainWindow::updateAddress(QStringLiteral("http://korbo.example.org/home/")),
              QStringLiteral("http://korbo.example.org/update.cfm?referrer=exe&vers=4.01"));

    AboutWindow bare(images, QString(), QString());
    bare.show();
    EXPECT_FALSE(bare.labURL(0)->isVisible() || bare.labURL(1)->isVisible());
    EXPECT_TRUE(bare.labVersion()->isVisible());
    EXPECT_EQ(MainWindow::updateAddress(QString()), QString());
}

} // namespace
