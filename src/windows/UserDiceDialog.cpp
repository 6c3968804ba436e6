#include "UserDiceDialog.h"

#include "BoardView.h"
#include "ImageStore.h"
#include "Language.h"
#include "Messages.h"
#include "Palette.h"
#include "Twips.h"
#include "Widening.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>

namespace korbo {

namespace {

constexpr int kDieLefts[ImageStore::FaceCount + 1] = {0, 120, 900, 1680, 2460, 3240, 4020};
constexpr int kDieTop = 420;
constexpr int kLabelLefts[ImageStore::FaceCount + 1] = {0, 300, 1080, 1920, 2640, 3480, 4260};
constexpr int kLabelTop = 120;
constexpr int kButtonTop = 1200;
constexpr int kButtonHeight = 375;
constexpr int kCopyChunk = 64 * 1024;

QFont dialogFont(bool bold)
{
    QFont font = boardFont();
    font.setBold(bold);
    return font;
}

QString chooseWithQtDialog(QWidget *parent, const QString &title, const QString &initial, const QString &filter)
{
    const QString chosen = QFileDialog::getOpenFileName(parent, title, initial, filter);
    return chosen.isEmpty() ? initial : chosen;
}

} // namespace

// ---------------------------------------------------------------- one face

UserDieBox::UserDieBox(int face, QWidget *parent) : QWidget(parent), m_face(face)
{
    setObjectName(QStringLiteral("imgDice%1").arg(face));
}

void UserDieBox::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    update();
}

void UserDieBox::setSelected(bool selected)
{
    if (m_selected == selected)
        return;
    m_selected = selected;
    update();
}

void UserDieBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFitted(painter, rect(), m_picture);
    if (m_selected) {
        painter.setPen(QPen(Qt::black, 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void UserDieBox::mousePressEvent(QMouseEvent *event)
{
    emit pressed(m_face);
    event->accept();
}

// ---------------------------------------------------------------- window

UserDiceDialog::UserDiceDialog(ImageStore &images, Messages &messages, const QString &userFolder, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      m_images(images), m_messages(messages), m_userFolder(userFolder), m_chooser(chooseWithQtDialog)
{
    setObjectName(QStringLiteral("UserDice"));
    ShowTranslated(this, "windowTitle", "korbo::UserDiceDialog", QT_TR_NOOP("Korbo User Defined Dice"));
    setModal(true);
    setFixedSize(pxSize(4875, 1635));
    SetSurface(this, PaleGreen);
    setAutoFillBackground(true);
    setFont(dialogFont(false));

    for (int f = 1; f <= ImageStore::FaceCount; ++f) {
        auto *die = new UserDieBox(f, this);
        die->setGeometry(pxRect(kDieLefts[f], kDieTop, 720, 720));
        die->setPicture(images.storeFace(ImageStore::userSlot(f)));
        connect(die, &UserDieBox::pressed, this, &UserDiceDialog::selectDie);
        m_dice[f] = die;

        auto *label = new QLabel(QString::number(f), this);
        label->setObjectName(QStringLiteral("Label1%1").arg(f));
        label->setGeometry(pxRect(kLabelLefts[f], kLabelTop, 255, 255));
        label->setAlignment(Qt::AlignCenter);
        label->setFont(dialogFont(true));
        SetSurface(label, PaleGreen, TextGreen);
        label->installEventFilter(this);
        m_labels[f] = label;
    }

    auto button = [this](const char *name, const char *caption, int left, int width) {
        auto *b = new QPushButton(this);
        ShowTranslated(b, "text", "korbo::UserDiceDialog", caption);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(pxRect(left, kButtonTop, width, kButtonHeight));
        return b;
    };
    m_butLoad = button("butLoad", QT_TR_NOOP("&Load Image ..."), 60, 1455);
    m_butHelp = button("butHelp", QT_TR_NOOP("Help"), 1680, 975);
    m_butCancel = button("butCancel", QT_TR_NOOP("Cancel"), 2760, 975);
    m_butClose = button("butClose", QT_TR_NOOP("Save"), 3840, 975);
    m_butClose->setDefault(true);
    connect(m_butLoad, &QPushButton::clicked, this, &UserDiceDialog::butLoadClick);
    connect(m_butHelp, &QPushButton::clicked, this, &UserDiceDialog::butHelpClick);
    connect(m_butCancel, &QPushButton::clicked, this, &UserDiceDialog::butCancelClick);
    connect(m_butClose, &QPushButton::clicked, this, &UserDiceDialog::butCloseClick);

    setTabOrder(m_butLoad, m_butHelp);
    setTabOrder(m_butHelp, m_butCancel);
    setTabOrder(m_butCancel, m_butClose);
    m_butLoad->setFocus();
    WidenForTexts(this);
}

QString UserDiceDialog::nameFilter()
{
    return tr("Icon or GIF images (*.gif *.ico)");
}

QString UserDiceDialog::helpText()
{
    return QStringList{
        tr("Points to note when creating User Defined Dice for Korbo:"),
        QString(),
        tr("- Image format must be GIF or Icon."),
        tr("- Maximum size of 48x48 pixels"),
        tr("- For best results specify a transparent background color"),
    }.join(QLatin1Char('\r'));
}

void UserDiceDialog::selectDie(int f)
{
    m_selected = f;
    for (int i = 1; i <= ImageStore::FaceCount; ++i)
        m_dice[i]->setSelected(i == f);
    // A screen reader cannot see the border: Load says which face it is for.
    m_butLoad->setAccessibleDescription(f ? tr("For face %1").arg(f) : QString());
}

void UserDiceDialog::keyPressEvent(QKeyEvent *event)
{
    // From the keyboard a face is chosen by its number, as a die is on the board.
    const int f = event->key() - Qt::Key_0;
    if ((event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && f >= 1 && f <= ImageStore::FaceCount) {
        selectDie(f);
        return;
    }
    QDialog::keyPressEvent(event);
}

bool UserDiceDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        // A number over a face selects the face.
        for (int f = 1; f <= ImageStore::FaceCount; ++f) {
            if (watched == m_labels[f]) {
                selectDie(f);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void UserDiceDialog::butLoadClick()
{
    if (m_selected == 0) {
        m_messages.warning(this, tr("Korbo User Dice !"), tr("Select a Dice to change!"));
        return;
    }
    UserDieBox *die = m_dice[m_selected];
    const QString chosen = m_chooser(this, tr("Select a GIF or ICO for Dice #%1").arg(m_selected),
                                     die->path(), nameFilter());
    if (chosen.isEmpty())
        return;
    die->setPath(chosen);
    // A file that does not load leaves the picture as it was; the path is kept.
    const QPixmap picture = m_images.loadUserPicture(chosen);
    if (!picture.isNull())
        die->setPicture(picture);
}

void UserDiceDialog::butHelpClick()
{
    m_messages.information(this, tr("Korbo User Dice"), helpText(), true);
}

void UserDiceDialog::butCloseClick()
{
    for (int f = 1; f <= ImageStore::FaceCount; ++f) {
        m_images.setStoreFace(ImageStore::userSlot(f), m_dice[f]->picture());
        if (!m_dice[f]->path().isEmpty())
            copyUserFile(f);
    }
    accept();
}

void UserDiceDialog::copyUserFile(int f)
{
    const QString source = m_dice[f]->path();
    if (!QFileInfo(source).isFile())
        return; // nothing to copy: whatever the folder holds stays
    QDir().mkpath(m_userFolder);
    // The start-up load looks for lower-case names: DICE.GIF is kept as dudd3.gif.
    const QString target =
        QDir(m_userFolder).filePath(QStringLiteral("dudd%1").arg(f) + source.right(4).toLower());
    const QString canonicalTarget = QFileInfo(target).canonicalFilePath();
    if (!canonicalTarget.isEmpty() && canonicalTarget == QFileInfo(source).canonicalFilePath())
        return; // already there
    // Written beside the old picture and renamed over it, so the folder always holds
    // one of the two. A copy that fails is passed over and the old picture stays.
    QFile in(source);
    QSaveFile out(target);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly))
        return;
    char buffer[kCopyChunk];
    qint64 got = 0;
    while ((got = in.read(buffer, sizeof buffer)) > 0) {
        if (out.write(buffer, got) != got)
            return;
    }
    if (got == 0)
        out.commit();
}

void UserDiceDialog::butCancelClick()
{
    reject();
}

} // namespace korbo
