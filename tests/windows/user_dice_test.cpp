#include "Doubles.h"
#include "ImageStore.h"
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

#include <functional>

using namespace korbo;
using namespace korbo::test;

namespace {


QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct UserDiceWindow : ::testing::Test {
    ImageStore images;
    RecordingMessages messages;
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
    EXPECT_EQ(messages.shown, QStringList{QStringLiteral("Korbo User Dice !|Select a Dice to change!")});
    EXPECT_TRUE(asked.isEmpty());
}

TEST_F(UserDiceWindow, TheFileDialogNamesTheFace)
{
    cancel = true;
    dialog.selectDie(3);
    dialog.butLoad()->click();
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0].title, QStringLiteral("Select a GIF or ICO for Dice #3"));
    // Cancelled: nothing changes.
    EXPECT_TRUE(dialog.imgDice(3)->path().isEmpty());
    EXPECT_EQ(shown(3), store(39));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(UserDiceWindow, AGifReplacesTheFaceAndSaveKeepsIt)
{
    // An upper-case extension is saved in lower case, the name the next start looks for.
    const QString red = write(QStringLiteral("RED.GIF"), gif(1, 1));
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
    const QString newGif = write(QStringLiteral("face6.gif"), gif(1, 1));
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
    const QByteArray bytes = gif(1, 1);
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

TEST_F(UserDiceWindow, CancelAndEscapeForgetEverything)
{
    dialog.show();
    const struct { const char *guards; std::function<void()> close; } ways[] = {
        {"Cancel", [&] { dialog.butCancel()->click(); }},
        {"Escape acts as Cancel, not Save", [&] { QTest::keyClick(&dialog, Qt::Key_Escape); }},
    };
    for (const auto &way : ways) {
        const QImage before = store(39);
        load(3, write(QStringLiteral("red.gif"), gif(1, 1)));
        way.close();
        EXPECT_FALSE(dialog.isVisible()) << way.guards;
        EXPECT_EQ(dialog.result(), QDialog::Rejected) << way.guards;
        EXPECT_EQ(store(39), before) << way.guards;
        EXPECT_FALSE(QFileInfo::exists(folder)) << way.guards;
        dialog.show();
    }
}

} // namespace
