#include "Doubles.h"
#include "ImageStore.h"
#include "Options.h"
#include "UserDiceDialog.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImageWriter>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace korbo;
using namespace korbo::test;

namespace {

QString writeIcon(const QString &path, QSize size, QColor colour)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    EXPECT_TRUE(QImageWriter(path, "ico").write(image));
    return path;
}

QColor middle(const QPixmap &picture)
{
    const QImage image = picture.toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

struct UserDiceWindow : ::testing::Test {
    ImageStore images;
    RecordingMessages messages;
    QTemporaryDir dir;
    QString folder = dir.filePath(QStringLiteral("korbo")); // made by the first Save
    UserDiceDialog dialog{images, messages, folder};
    QStringList asked; // the open-file dialog's titles and initial files
    QString answer;    // the file it answers; cancelled, it answers the initial file

    void SetUp() override
    {
        dialog.setFileChooser([this](QWidget *, const QString &title, const QString &initial, const QString &) {
            asked << title << initial;
            return answer.isEmpty() ? initial : answer;
        });
    }
    void load(int die, const QString &path)
    {
        dialog.selectDie(die);
        answer = path;
        dialog.butLoad()->click();
    }
    QString inFolder(const QString &name) const { return QDir(folder).filePath(name); }
};

TEST_F(UserDiceWindow, AFaceIsChosenByPointerOrNumberAndLoadAsksForItsFile)
{
    dialog.butLoad()->click();
    EXPECT_EQ(messages.shown, QStringList{QStringLiteral("Korbo User Dice !|Select a Dice to change!")});
    EXPECT_TRUE(asked.isEmpty());
    dialog.show();
    const struct { QWidget *target; int selected; } presses[] = {
        {dialog.imgDice(3), 3}, {dialog.Label1(5), 5}, {dialog.imgDice(1), 1}, {dialog.Label1(6), 6},
    };
    for (const auto &p : presses) {
        QTest::mousePress(p.target, Qt::LeftButton);
        for (int f = 1; f <= 6; ++f)
            EXPECT_EQ(dialog.imgDice(f)->isSelected(), f == p.selected) << f;
    }
    // The face's number key, wherever the focus is; Load then names the face it is for.
    QTest::keyClick(dialog.butHelp(), Qt::Key_4);
    EXPECT_EQ(dialog.selectedDie(), 4);
    EXPECT_EQ(dialog.butLoad()->accessibleDescription(), QStringLiteral("For face 4"));
    const QString red = writeFile(dir.filePath(QStringLiteral("red.gif")), gif(1, 1));
    load(3, red);
    answer.clear(); // the next choice starts at the file chosen; cancelled, it keeps it
    dialog.butLoad()->click();
    EXPECT_EQ(asked, (QStringList{"Select a GIF or ICO for Dice #3", QString(), "Select a GIF or ICO for Dice #3", red}));
    EXPECT_EQ(dialog.imgDice(3)->path(), red);
}

TEST_F(UserDiceWindow, SaveCopiesEachChosenFileAndTheStoreTakesWhatLoads)
{
    const QString bad = writeFile(dir.filePath(QStringLiteral("bad.gif")), "GIF89a but not really");
    const struct {
        int face;
        QString file;
        const char *copy; // the name the file is saved under; null when none is
        QColor shown;     // invalid where the face keeps its picture
        const char *guards;
    } rows[] = {
        {1, dir.filePath(QStringLiteral("gone.gif")), nullptr, QColor(), "a file gone meanwhile is passed over"},
        {2, writeIcon(dir.filePath(QStringLiteral("wide.ico")), QSize(32, 16), Qt::blue), "dudd2.ico", Qt::blue,
         "an icon"},
        {3, writeFile(dir.filePath(QStringLiteral("RED.GIF")), gif(1, 1)), "dudd3.gif", Qt::red,
         "an upper-case extension saved in lower case, the name the next start looks for"},
        {4, bad, "dudd4.gif", QColor(), "a file that will not load is still copied"},
    };
    for (const auto &r : rows)
        load(r.face, r.file);
    // Nothing is stored before Save.
    EXPECT_EQ(images.storeFace(39).toImage(), images.storeFace(3).toImage());
    dialog.show();
    dialog.butClose()->click();
    QStringList copies;
    for (const auto &r : rows) {
        EXPECT_EQ(middle(images.storeFace(36 + r.face)), r.shown.isValid() ? r.shown : middle(images.storeFace(r.face)))
            << r.guards;
        if (r.copy) {
            EXPECT_EQ(readFile(inFolder(QLatin1String(r.copy))), readFile(r.file)) << r.guards;
            copies << QLatin1String(r.copy);
        }
    }
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), copies);
}

TEST_F(UserDiceWindow, SavingReplacesOnlyTheFaceFileOfTheSameKind)
{
    ASSERT_TRUE(QDir().mkpath(folder));
    const QByteArray green = gif(1, 1, "00FF00");
    writeFile(inFolder(QStringLiteral("dudd2.gif")), green);
    writeFile(inFolder(QStringLiteral("dudd6.gif")), "old");
    const QString inPlace = writeFile(inFolder(QStringLiteral("dudd1.gif")), gif(1, 1));
    load(1, inPlace); // guards a copy onto itself emptying the file
    load(2, writeIcon(dir.filePath(QStringLiteral("face2.ico")), QSize(16, 16), Qt::blue));
    const QString six = writeFile(dir.filePath(QStringLiteral("face6.gif")), gif(1, 1));
    load(6, six);
    dialog.butClose()->click();
    EXPECT_TRUE(readFile(inPlace) == gif(1, 1) && readFile(inFolder(QStringLiteral("dudd2.gif"))) == green
                && QFileInfo::exists(inFolder(QStringLiteral("dudd2.ico")))
                && readFile(inFolder(QStringLiteral("dudd6.gif"))) == readFile(six));
}

TEST(UserDiceFiles, AtStartTheGifBeatsTheIconAndBadFilesAreSkipped)
{
    QTemporaryDir dir;
    for (int face : {1, 2, 5})
        writeIcon(dir.filePath(QStringLiteral("dudd%1.ico").arg(face)), QSize(16, 16), Qt::blue);
    writeFile(dir.filePath(QStringLiteral("dudd1.gif")), gif(1, 1));
    writeIcon(dir.filePath(QStringLiteral("dudd1.GIF")), QSize(16, 16), Qt::blue); // the lower-case name wins
    writeFile(dir.filePath(QStringLiteral("dudd2.GIF")), gif(1, 1));                   // as older versions saved it
    writeFile(dir.filePath(QStringLiteral("dudd3.gif")), "GIF89a this is not a picture");
    writeFile(dir.filePath(QStringLiteral("dudd4.gif")), gif(60000, 60000)); // claims to be huge
    writeFile(dir.filePath(QStringLiteral("dudd5.gif")), QByteArray());     // empty: the icon stays
    ImageStore store;
    EXPECT_EQ(store.storeFace(37).toImage(), store.storeFace(1).toImage()) << "a copy of Standard until then";
    EXPECT_EQ(store.loadUserDice(dir.path()), 5);
    const QColor expected[] = {Qt::red, Qt::red, QColor(), QColor(), Qt::blue, QColor()};
    for (int f = 1; f <= 6; ++f)
        EXPECT_EQ(middle(store.storeFace(36 + f)), expected[f - 1].isValid() ? expected[f - 1] : middle(store.storeFace(f)))
            << "face " << f;
    // The new pictures reach the dice only when the style is applied again.
    EXPECT_NE(middle(store.liveFace(1)), QColor(Qt::red));
    store.ApplyDiceStyle(StyleUserDefined);
    EXPECT_EQ(middle(store.liveFace(1)), QColor(Qt::red));
}

TEST(UserDiceFiles, AGifIsNotDrawnOnACanvasFarLargerThanItsPicture)
{
    // Guards a 35-byte file taking 100 MB at start: the reader tells only a GIF frame's
    // size, then draws the frame on the canvas the header asks for, here 5000 by 5000.
    QTemporaryDir dir;
    QByteArray bytes = gif(1, 1);
    bytes.replace(6, 4, QByteArray::fromHex("88138813"));
    const QString path = writeFile(dir.filePath(QStringLiteral("dudd1.gif")), bytes);
    const ImageStore store;
    // Loaded in a child process, whose peak memory starts where this one's is now.
    const pid_t child = fork();
    if (child == 0) {
        rusage before{}, after{};
        getrusage(RUSAGE_SELF, &before);
        const bool drawn = !store.loadUserPicture(path).isNull();
        getrusage(RUSAGE_SELF, &after);
        _exit(drawn ? 1 : after.ru_maxrss - before.ru_maxrss > 20 * 1024 ? 2 : 0);
    }
    int status = -1;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "1: the picture was taken; 2: it took over 20 MB";
}

} // namespace
