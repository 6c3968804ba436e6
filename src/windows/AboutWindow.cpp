#include "AboutWindow.h"

#include "GameState.h"
#include "ImageStore.h"
#include "Language.h"
#include "Palette.h"
#include "Twips.h"
#include "Widening.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

namespace korbo {

namespace {
constexpr int kWidth = 4740; // twips
} // namespace

AboutWindow::AboutWindow(ImageStore &images, const QString &homePage, const QString &supportAddress,
                         QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      m_open([](const QUrl &url) { QDesktopServices::openUrl(url); })
{
    setObjectName(QStringLiteral("About"));
    ShowTranslated(this, "windowTitle", "korbo::AboutWindow", QT_TR_NOOP("About Korbo"));
    setModal(true);
    setMouseTracking(true);
    SetSurface(this, PaleGreen);
    setAutoFillBackground(true);

    auto *logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("logo"));
    logo->setGeometry(pxRect(120, 180, 4500, 975));
    logo->setAlignment(Qt::AlignCenter);
    logo->setPixmap(images.logo(QSize(300, 65)));

    m_version = new QLabel(QLatin1Char('v') + VersionText, this);
    m_version->setObjectName(QStringLiteral("labVersion"));
    m_version->setGeometry(pxRect(240, 1320, 4275, 255));
    m_version->setAlignment(Qt::AlignCenter);

    const QString addresses[2] = {homePage, supportAddress};
    const char *const headings[2] = {QT_TR_NOOP("Homepage :"), QT_TR_NOOP("Support/Bugs? :")};
    for (int i = 0; i < 2; ++i) {
        auto *heading = new QLabel(this);
        ShowTranslated(heading, "text", "korbo::AboutWindow", headings[i]);
        heading->setObjectName(QStringLiteral("Label%1").arg(i + 2));
        heading->setGeometry(pxRect(240, 2400 + 300 * i, 1575, 255));
        heading->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);

        auto *link = new QLabel(addresses[i], this);
        link->setObjectName(QStringLiteral("labURL%1").arg(i));
        link->setGeometry(pxRect(1920, 2400 + 300 * i, 2475, 255));
        QPalette blue = link->palette();
        blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
        link->setPalette(blue);
        link->setCursor(Qt::PointingHandCursor);
        link->setMouseTracking(true);
        link->installEventFilter(this);
        m_links[i] = link;
        // A build that names no address shows no link for it.
        heading->setVisible(!addresses[i].isEmpty());
        link->setVisible(!addresses[i].isEmpty());
    }

    // OK stands in the middle, under the links; with no links to show, under the
    // version, and the window ends below it.
    m_anyLink = !homePage.isEmpty() || !supportAddress.isEmpty();
    constexpr int OkWidth = 1635, OkHeight = 375, OkBelow = 60;
    const int okTop = m_anyLink ? 3060 : 1815;
    setFixedSize(pxSize(kWidth, okTop + OkHeight + OkBelow));
    m_ok = new QPushButton(this);
    ShowTranslated(m_ok, "text", "korbo::AboutWindow", QT_TR_NOOP("OK"));
    m_ok->setObjectName(QStringLiteral("butOK"));
    m_ok->setGeometry(pxRect((kWidth - OkWidth) / 2, okTop, OkWidth, OkHeight));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    WidenForTexts(this);
}

QString AboutWindow::linkTarget(const QString &caption)
{
    return caption.left(7) == QLatin1String("http://") ? caption : QLatin1String("mailto:") + caption;
}

void AboutWindow::labURLClick(int i)
{
    m_open(QUrl(linkTarget(m_links[i]->text())));
}

void AboutWindow::setUnderlined(int i, bool on)
{
    QFont font = m_links[i]->font();
    font.setUnderline(on);
    m_links[i]->setFont(font);
}

bool AboutWindow::eventFilter(QObject *watched, QEvent *event)
{
    for (int i = 0; i < 2; ++i) {
        if (watched != m_links[i])
            continue;
        if (event->type() == QEvent::MouseMove)
            setUnderlined(i, true);
        else if (event->type() == QEvent::MouseButtonPress)
            labURLClick(i);
    }
    return QDialog::eventFilter(watched, event);
}

void AboutWindow::mouseMoveEvent(QMouseEvent *event)
{
    // Crossing the background takes the underline off both links.
    if (!childAt(event->position().toPoint()))
        for (int i = 0; i < 2; ++i)
            setUnderlined(i, false);
    QDialog::mouseMoveEvent(event);
}

void AboutWindow::paintEvent(QPaintEvent *)
{
    if (!m_anyLink)
        return;
    QPainter painter(this);
    painter.setPen(QPen(LineGreen, 2));
    painter.drawLine(px(0, 2280), px(kWidth, 2280));
}

} // namespace korbo
