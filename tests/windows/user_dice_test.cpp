#include "ImageStore.h"
#include "Messages.h"
#include "Twips.h"
#include "UserDiceDialog.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace korbo;

namespace {

class WarningMessages : public Messages {
public:
    QStringList shown;
    void information(QWidget *, const QString &title, const QString &text, bool) override
    {
        shown << title + QLatin1Char('|') + text;
    }
    void warning(QWidget *, const QString &title, const QString &text) override
    {
        shown << QStringLiteral("!") + title + QLatin1Char('|') + text;
    }
};

// A one-colour GIF of the given size: a one-pixel image stretched by its header.
QByteArray gif(int width, int height, const char *rgbHex)
{
    QByteArray bytes("GIF89a");
    auto le16 = [&bytes](int v) { bytes.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF)); };
    le16(width);
    le16(height);
    bytes.append(char(0x80)).append(char(0)).append(char(0)); // two-colour table
    bytes.append(QByteArray::fromHex(rgbHex)).append(QByteArray::fromHex("000000"));
    bytes.append(char(0x2C));
    le16(0); le16(0); le16(width); le16(height);
    bytes.append(char(0));
    bytes.append(QByteArray::fromHex("0202440100"));          // one pixel of colour 0
    bytes.append(char(0x3B));
    return bytes;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct UserDiceWindow : ::testing::Test {
    ImageStore images;
    WarningMessages messages;
    QTemporaryDir dir;
    QString folder = dir.filePath(QStringLiteral("korbo"));   // made by the first Save
    QString pictures = dir.filePath(QStringLiteral("pictures"));
    UserDiceDialog dialog{images, messages, folder};

    // What the open-file dialog was asked, and what it answers.
    struct Ask { QString title, initial, filter; };
    QList<Ask> asked;
    QString answer;
    bool cancel = false;

    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(pictures));
        dialog.setFileChooser([this](QWidget *parent, const QString &title, const QString &initial,
                                     const QString &filter) {
            EXPECT_EQ(parent, &dialog);
            asked.push_back({title, initial, filter});
            return cancel ? initial : answer;
        });
    }

    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = QDir(pictures).filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QString writeIcon(const QString &name, QSize size, QColor colour)
    {
        const QString path = QDir(pictures).filePath(name);
        QImage image(size, QImage::Format_ARGB32);
        image.fill(colour);
        QImageWriter writer(path, "ico");
        EXPECT_TRUE(writer.write(image)) << writer.errorString().toStdString();
        return path;
    }
    void load(int die, const QString &path)
    {
        dialog.selectDie(die);
        answer = path;
        dialog.butLoad()->click();
    }
    QImage shown(int f) const { return dialog.imgDice(f)->picture().toImage(); }
    QImage store(int slot) const { return images.storeFace(slot).toImage(); }
    QString inFolder(const QString &name) const { return QDir(folder).filePath(name); }
};

TEST_F(UserDiceWindow, AFixedModalWindow)
{
    EXPECT_EQ(dialog.objectName(), QStringLiteral("UserDice"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Korbo User Defined Dice"));
    EXPECT_TRUE(dialog.isModal());
    EXPECT_EQ(dialog.windowType(), Qt::Dialog);
    EXPECT_FALSE(dialog.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(dialog.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(dialog.size(), pxSize(4875, 1635));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_EQ(dialog.palette().color(QPalette::Window), QColor(192, 255, 192));
}

TEST_F(UserDiceWindow, FacesNumbersAndButtonsWhereDesigned)
{
    const int dieLefts[] = {0, 120, 900, 1680, 2460, 3240, 4020};
    const int labelLefts[] = {0, 300, 1080, 1920, 2640, 3480, 4260};
    for (int f = 1; f <= 6; ++f) {
        SCOPED_TRACE(f);
        EXPECT_EQ(dialog.imgDice(f)->objectName(), QStringLiteral("imgDice%1").arg(f));
        EXPECT_EQ(dialog.imgDice(f)->geometry(), pxRect(dieLefts[f], 420, 720, 720));
        EXPECT_EQ(shown(f), store(36 + f));
        EXPECT_TRUE(dialog.imgDice(f)->path().isEmpty());
        EXPECT_FALSE(dialog.imgDice(f)->isSelected());
        QLabel *label = dialog.Label1(f);
        EXPECT_EQ(label->text(), QString::number(f));
        EXPECT_EQ(label->geometry(), pxRect(labelLefts[f], 120, 255, 255));
        EXPECT_EQ(label->alignment(), Qt::AlignCenter);
        EXPECT_TRUE(label->font().bold());
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    }
    EXPECT_EQ(dialog.selectedDie(), 0);

    struct Button { QPushButton *button; const char *name, *caption; int left; };
    const Button buttons[] = {
        {dialog.butLoad(), "butLoad", "&Load Image ...", 60},
        {dialog.butHelp(), "butHelp", "Help", 1680},
        {dialog.butCancel(), "butCancel", "Cancel", 2760},
        {dialog.butClose(), "butClose", "Save", 3840},
    };
    for (const Button &b : buttons) {
        SCOPED_TRACE(b.name);
        EXPECT_EQ(b.button->objectName(), QLatin1String(b.name));
        EXPECT_EQ(b.button->text(), QLatin1String(b.caption));
        EXPECT_EQ(b.button->pos(), px(b.left, 1200));
        EXPECT_EQ(b.button->height(), px(375));
        EXPECT_TRUE(dialog.rect().contains(b.button->geometry()));
        const int captionWidth = b.button->fontMetrics().horizontalAdvance(b.button->text().remove(QLatin1Char('&')));
        EXPECT_GT(b.button->width(), captionWidth + 8);
    }
    EXPECT_TRUE(dialog.butClose()->isDefault());
    EXPECT_EQ(dialog.focusWidget(), dialog.butLoad());
    EXPECT_EQ(dialog.butLoad()->nextInFocusChain(), dialog.butHelp());
}

TEST_F(UserDiceWindow, PressingAFaceOrItsNumberSelectsIt)
{
    dialog.show();
    struct Press { QWidget *target; int selected; };
    const Press presses[] = {
        {dialog.imgDice(3), 3}, {dialog.Label1(5), 5}, {dialog.imgDice(1), 1}, {dialog.Label1(6), 6},
    };
    for (const Press &p : presses) {
        QTest::mousePress(p.target, Qt::LeftButton);
        EXPECT_EQ(dialog.selectedDie(), p.selected);
        for (int f = 1; f <= 6; ++f)
            EXPECT_EQ(dialog.imgDice(f)->isSelected(), f == p.selected) << f;
    }
    // The selected face has a thin black border; the others none.
    const QImage selected = dialog.imgDice(6)->grab().toImage();
    EXPECT_EQ(selected.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(selected.pixelColor(selected.width() - 1, selected.height() / 2), QColor(Qt::black));
    EXPECT_NE(selected.pixelColor(1, selected.height() / 2), QColor(Qt::black));
    const QImage other = dialog.imgDice(5)->grab().toImage();
    EXPECT_NE(other.pixelColor(0, other.height() / 2), QColor(Qt::black));
}

TEST_F(UserDiceWindow, LoadWithoutAFaceOnlyWarns)
{
    dialog.butLoad()->click();
    EXPECT_EQ(messages.shown, QStringList{QStringLiteral("!Korbo User Dice !|Select a Dice to change!")});
    EXPECT_TRUE(asked.isEmpty());
}

TEST_F(UserDiceWindow, TheFileDialogNamesTheFace)
{
    cancel = true;
    dialog.selectDie(3);
    dialog.butLoad()->click();
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0].title, QStringLiteral("Select a GIF or ICO for Dice #3"));
    EXPECT_TRUE(asked[0].initial.isEmpty());
    EXPECT_EQ(asked[0].filter, QStringLiteral("Icon or GIF images (*.gif *.ico)"));
    EXPECT_EQ(UserDiceDialog::nameFilter(), asked[0].filter);
    // Cancelled: nothing changes.
    EXPECT_TRUE(dialog.imgDice(3)->path().isEmpty());
    EXPECT_EQ(shown(3), store(39));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(UserDiceWindow, AGifReplacesTheFaceAndSaveKeepsIt)
{
    // An upper-case extension is saved in lower case, the name the next start looks for.
    const QString red = write(QStringLiteral("RED.GIF"), gif(1, 1, "FF0000"));
    load(3, red);
    EXPECT_EQ(dialog.imgDice(3)->path(), red);
    EXPECT_EQ(shown(3).pixelColor(0, 0), QColor(Qt::red));
    EXPECT_NE(store(39).pixelColor(24, 24), QColor(Qt::red)); // not stored before Save

    // The next choice for the face starts at the file chosen; cancelling keeps it.
    cancel = true;
    dialog.butLoad()->click();
    ASSERT_EQ(asked.size(), 2);
    EXPECT_EQ(asked[1].initial, red);
    EXPECT_EQ(dialog.imgDice(3)->path(), red);
    EXPECT_EQ(shown(3).pixelColor(0, 0), QColor(Qt::red));

    const QImage before1 = store(37);
    dialog.butClose()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(store(39).pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(store(37), before1);
    EXPECT_EQ(readAll(inFolder(QStringLiteral("dudd3.gif"))), readAll(red));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("dudd3.gif")});

    // What Save copied is what the next start loads.
    ImageStore next;
    EXPECT_EQ(next.loadUserDice(folder), 1);
    EXPECT_EQ(next.storeFace(39).toImage().pixelColor(0, 0), QColor(Qt::red));
}

TEST_F(UserDiceWindow, AnIconReplacesTheFace)
{
    const QString blue = writeIcon(QStringLiteral("blue.ico"), QSize(48, 48), Qt::blue);
    load(5, blue);
    EXPECT_EQ(shown(5).pixelColor(10, 10), QColor(Qt::blue));
    dialog.butClose()->click();
    EXPECT_EQ(store(41).pixelColor(10, 10), QColor(Qt::blue));
    EXPECT_TRUE(QFileInfo::exists(inFolder(QStringLiteral("dudd5.ico"))));
}

TEST_F(UserDiceWindow, OtherSizesAreFittedKeepingTheirShape)
{
    // 32 × 16 fills the width of the box and a band across its middle.
    const QString wide = writeIcon(QStringLiteral("wide.ico"), QSize(32, 16), Qt::blue);
    load(2, wide);
    dialog.show();
    const QImage painted = dialog.imgDice(2)->grab().toImage();
    const int w = painted.width(), h = painted.height();
    EXPECT_EQ(painted.pixelColor(w / 2, h / 2), QColor(Qt::blue));
    EXPECT_EQ(painted.pixelColor(2, h / 2), QColor(Qt::blue));
    EXPECT_NE(painted.pixelColor(w / 2, h / 8), QColor(Qt::blue));
    EXPECT_NE(painted.pixelColor(w / 2, h - 1 - h / 8), QColor(Qt::blue));
}

TEST_F(UserDiceWindow, AFileThatWillNotLoadKeepsThePictureButIsCopied)
{
    const QString bad = write(QStringLiteral("bad.gif"), QByteArray("GIF89a but not really"));
    const QString huge = write(QStringLiteral("huge.gif"), gif(60000, 60000, "00FF00"));
    for (const QString &path : {bad, huge}) {
        load(4, path);
        EXPECT_EQ(dialog.imgDice(4)->path(), path);
        EXPECT_EQ(shown(4), store(40));
    }
    EXPECT_TRUE(messages.shown.isEmpty());
    const QImage before = store(40);
    dialog.butClose()->click();
    EXPECT_EQ(store(40), before);
    EXPECT_EQ(readAll(inFolder(QStringLiteral("dudd4.gif"))), readAll(huge));
}

TEST_F(UserDiceWindow, SavingReplacesTheFaceFileAndLeavesTheOtherKind)
{
    ASSERT_TRUE(QDir().mkpath(folder));
    const QByteArray oldGif = gif(1, 1, "00FF00");
    {
        QFile old(inFolder(QStringLiteral("dudd2.gif")));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(oldGif);
        QFile older(inFolder(QStringLiteral("dudd6.gif")));
        ASSERT_TRUE(older.open(QIODevice::WriteOnly));
        older.write("old");
    }
    load(2, writeIcon(QStringLiteral("face2.ico"), QSize(16, 16), Qt::blue));
    const QString newGif = write(QStringLiteral("face6.gif"), gif(1, 1, "FF0000"));
    load(6, newGif);
    dialog.butClose()->click();
    EXPECT_EQ(readAll(inFolder(QStringLiteral("dudd2.gif"))), oldGif);
    EXPECT_TRUE(QFileInfo::exists(inFolder(QStringLiteral("dudd2.ico"))));
    EXPECT_EQ(readAll(inFolder(QStringLiteral("dudd6.gif"))), readAll(newGif));
}

TEST_F(UserDiceWindow, AFileAlreadyInPlaceIsLeftAlone)
{
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString inPlace = inFolder(QStringLiteral("dudd1.gif"));
    const QByteArray bytes = gif(1, 1, "FF0000");
    {
        QFile file(inPlace);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    load(1, inPlace);
    dialog.butClose()->click();
    EXPECT_EQ(readAll(inPlace), bytes);
    EXPECT_EQ(store(37).pixelColor(0, 0), QColor(Qt::red));
}

TEST_F(UserDiceWindow, AMissingFileIsPassedOver)
{
    load(1, dir.filePath(QStringLiteral("gone.gif")));
    EXPECT_EQ(dialog.imgDice(1)->path(), dir.filePath(QStringLiteral("gone.gif")));
    dialog.butClose()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(QFileInfo::exists(inFolder(QStringLiteral("dudd1.gif"))));
}

TEST_F(UserDiceWindow, CancelForgetsEverything)
{
    const QImage before = store(39);
    load(3, write(QStringLiteral("red.gif"), gif(1, 1, "FF0000")));
    dialog.butCancel()->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(store(39), before);
    EXPECT_FALSE(QFileInfo::exists(folder));
}

TEST_F(UserDiceWindow, EscapeIsCancel)
{
    const QImage before = store(38);
    load(2, write(QStringLiteral("red.gif"), gif(1, 1, "FF0000")));
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(store(38), before);
    EXPECT_FALSE(QFileInfo::exists(folder));
}

TEST_F(UserDiceWindow, HelpExplainsThePictures)
{
    dialog.butHelp()->click();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0],
              QStringLiteral("Korbo User Dice|Points to note when creating User Defined Dice for Korbo:\r\r"
                             "- Image format must be GIF or Icon.\r- Maximum size of 48x48 pixels\r"
                             "- For best results specify a transparent background color"));
}

} // namespace
