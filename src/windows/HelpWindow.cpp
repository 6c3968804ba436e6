#include "HelpWindow.h"

#include "Artwork.h"
#include "Keyboard.h"
#include "Options.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>
#include <QUrlQuery>
#include <QVBoxLayout>

namespace korbo {

namespace {

// The page draws each die as a small inline picture, which a text browser cannot
// show: such a picture becomes an image of the game's own die of the same size.
const QString kDieScheme = QStringLiteral("korbo-die");

QString withDiceAsImages(QString page)
{
    static const QRegularExpression inlineDie(
        QStringLiteral(R"re(<svg class="die[^"]*" width="(\d+)" height="(\d+)"[^>]*aria-label="(\d)">.*?</svg>)re"),
        QRegularExpression::DotMatchesEverythingOption);
    return page.replace(inlineDie, QStringLiteral(R"re(<img src="%1:\3?size=\1" width="\1" height="\2" alt="\3">)re")
                                       .arg(kDieScheme));
}

class PageBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

protected:
    QVariant loadResource(int type, const QUrl &name) override
    {
        if (type != QTextDocument::ImageResource || name.scheme() != kDieScheme)
            return QTextBrowser::loadResource(type, name);
        const int face = name.path().toInt();
        const int size = QUrlQuery(name).queryItemValue(QStringLiteral("size")).toInt();
        if (face < 1 || face > 6 || size < 1 || size > 256)
            return {};
        return artwork::dieFace(StyleStandard, face, size, devicePixelRatioF());
    }
};

} // namespace

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent, Qt::Window), m_browser(new PageBrowser(this))
{
    setObjectName(QStringLiteral("help"));
    AnswerStandardKeys(this);
    m_browser->setObjectName(QStringLiteral("helpPage"));
    m_browser->setOpenExternalLinks(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(720, 640);
}

void HelpWindow::showPage(const QString &path, const QString &anchor)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QString page = QString::fromUtf8(file.readAll());
    m_browser->setSearchPaths({QFileInfo(path).absolutePath()});
    m_browser->setHtml(withDiceAsImages(page));
    setWindowTitle(m_browser->documentTitle());
    show();
    raise();
    activateWindow();
    if (!anchor.isEmpty())
        m_browser->scrollToAnchor(anchor); // once laid out at the window's width

}

} // namespace korbo
