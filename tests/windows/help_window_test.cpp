// The help page in the game's own window, for a desktop with nothing to open it.
#include "HelpWindow.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>

#include <set>

using namespace korbo;

namespace {

TEST(HelpWindow, EachLanguagesPageShowsItsDiceItsLinksLeadSomewhereAndKeysIsFound)
{
    // Guards a die of the page left blank (a text browser draws no inline pictures),
    // a link inside the page that leads nowhere, and Help / Keys opening at the top.
    const QDir help(qEnvironmentVariable("KORBO_ASSETS") + QStringLiteral("/help"));
    const QStringList pages = help.entryList({QStringLiteral("korbo*.htm")}, QDir::Files);
    ASSERT_GE(pages.size(), 9) << qPrintable(help.path());
    for (const QString &name : pages) {
        SCOPED_TRACE(name.toStdString());
        HelpWindow window;
        window.showPage(help.filePath(name), QStringLiteral("keys"));
        QTextDocument *page = window.browser()->document();
        int dice = 0;
        std::set<QString> anchors, links;
        for (QTextBlock block = page->begin(); block.isValid(); block = block.next()) {
            for (const QString &anchor : block.charFormat().anchorNames()) // where a section starts
                anchors.insert(anchor);
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat format = it.fragment().charFormat();
                for (const QString &anchor : format.anchorNames())
                    anchors.insert(anchor);
                if (format.isAnchor() && format.anchorHref().startsWith(QLatin1Char('#')))
                    links.insert(format.anchorHref().mid(1));
                if (format.isImageFormat()) {
                    const QTextImageFormat image = format.toImageFormat();
                    const QImage drawn = page->resource(QTextDocument::ImageResource, QUrl(image.name())).value<QImage>();
                    EXPECT_EQ(drawn.deviceIndependentSize().toSize(), QSize(int(image.width()), int(image.height())))
                        << image.name().toStdString();
                    ++dice;
                }
            }
        }
        EXPECT_GT(dice, 100);
        EXPECT_GT(links.size(), 10u);
        for (const QString &link : links)
            EXPECT_TRUE(anchors.count(link)) << "#" << link.toStdString();
        EXPECT_GT(window.browser()->verticalScrollBar()->value(), 0) << "at the keys";
        EXPECT_FALSE(window.windowTitle().isEmpty());
    }
}

} // namespace
