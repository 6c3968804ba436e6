#include "Doubles.h"
#include "Options.h"
#include "Settings.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

using namespace korbo;

namespace {

// What the options hold, told as the lines of the settings file that differ from a
// fresh game's, and "mute disabled" when Mute Dice cannot be used.
QString changes(const Options &options)
{
    const QList<QByteArray> fresh = SettingsFileBytes(Options()).split('\n');
    const QList<QByteArray> now = SettingsFileBytes(options).split('\n');
    QStringList out;
    for (int i = 0; i < now.size(); ++i)
        if (now[i] != fresh.value(i))
            out << QString::fromLatin1(now[i].trimmed());
    if (!options.noThrowSoundsEnabled)
        out << QStringLiteral("mute disabled");
    return out.join(QLatin1Char(' '));
}

// What reading `bytes` changes; the file's reader, which reads a device in pieces,
// must read the same.
QString changesReading(QByteArray bytes)
{
    Options options, fromDevice;
    ReadSettingsBytes(options, bytes);
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    ReadSettings(fromDevice, device);
    EXPECT_EQ(changes(fromDevice), changes(options)) << "read from a device";
    return changes(options);
}

TEST(Settings, WrittenAsNineLinesAndReadBack)
{
    const QByteArray files[] = {
        "[Korbo v4.01]\r\nAnimation=1\r\nTextButtons=0\r\nCrosshair=0\r\nAuto1stThrow=0\r\nShowLeader=1\r\n"
        "Sound=On\r\nNoThrowSounds=0\r\nDiceType=Standard\r\n",
        "[Korbo v4.01]\r\nAnimation=0\r\nTextButtons=1\r\nCrosshair=2\r\nAuto1stThrow=1\r\nShowLeader=0\r\n"
        "Sound=Zany\r\nNoThrowSounds=1\r\nDiceType=User Defined\r\n",
        "[Korbo v4.01]\r\nAnimation=2\r\nTextButtons=2\r\nCrosshair=1\r\nAuto1stThrow=2\r\nShowLeader=2\r\n"
        "Sound=Off\r\nNoThrowSounds=2\r\nDiceType=Photo\r\n",
    };
    EXPECT_EQ(SettingsFileBytes(Options()), files[0]) << "a fresh game's settings";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a/b/") + SettingsFileName); // folders made
    for (const QByteArray &file : files) {
        Options written;
        ReadSettingsBytes(written, file);
        ASSERT_TRUE(WriteSettingsFile(written, path));
        EXPECT_EQ(test::readFile(path), file);
        Options read;
        QSignalSpy changed(&read, &Options::changed);
        ASSERT_TRUE(ReadSettingsFile(read, path));
        EXPECT_EQ(changed.count(), 1);
        EXPECT_EQ(changes(read), changes(written));
    }
    // Show Records is neither written nor read.
    Options options;
    options.showRecordsValue = 0;
    EXPECT_EQ(SettingsFileBytes(options), files[0]);
    ReadSettingsBytes(options, "ShowRecords=1\r\n");
    EXPECT_EQ(options.showRecordsValue, 0);
}

TEST(Settings, ReadingOddLines)
{
    const struct { const char *guards; QByteArray bytes; const char *read; } rows[] = {
        {"the sound read as off also disables Mute Dice", "Sound=off\r\n", "Sound=Off mute disabled"},
        {"on again keeps Mute Dice disabled", "Sound=Off\r\nSound=On\r\n", "mute disabled"},
        {"keys and values in any case", "SOUND=zany\r\nDICETYPE=RAINBOW\r\n", "Sound=Zany DiceType=Rainbow"},
        {"a space in a sound or a style makes it unknown", "Sound=Zany\r\nSound=On \r\nDiceType= Photo\r\n",
         "Sound=Zany"},
        {"spaces around the equals sign make another key", "Animation=0\r\nAnimation = 1\r\n", "Animation=0"},
        {"a number followed by text, and none at all", "TextButtons=1abc\r\nShowLeader=abc\r\n",
         "TextButtons=1 ShowLeader=0"},
        // a 3 was once taken as a fourth state of a check box
        {"a box out of range, then more lines", "Crosshair=3\r\nDiceType=Photo\r\nAuto1stThrow=2\r\n",
         "Auto1stThrow=2 DiceType=Photo"},
        {"out of range keeps the previous value", "Crosshair=1\r\nCrosshair=5\r\nCrosshair=-1\r\n", "Crosshair=1"},
        {"wrapping past 16 bits is no way in", "ShowLeader=65536\r\nAnimation=99999999999999999999\r\n", ""},
        {"leading spaces and decimals round, halves to even",
         "Crosshair=  1.6\r\nAnimation=\t0.4\r\nAuto1stThrow=2.5\r\nTextButtons=.5\r\n",
         "Animation=0 Crosshair=2 Auto1stThrow=2"},
        {"a fraction that rounds out of range", "Crosshair=2.6\r\nAnimation=-0.6\r\n", ""},
        {"an unknown style keeps the last good one", "DiceType=Photo\r\nDiceType=Purple\r\n", "DiceType=Photo"},
        {"lines with no key and unknown keys", "=1\r\nAnimation\r\n=Sound=Off\r\nMuteDice=1\r\n", ""},
        {"the value runs to the end of the line", "Crosshair=1=2\r\nDiceType=Traditional=\r\n", "Crosshair=1"},
        {"any section line", "[Other]\r\nTextButtons=1\r\n", "TextButtons=1"},
        {"bare line feeds, no end on the last line", "Animation=0\nDiceType=Photo", "Animation=0 DiceType=Photo"},
        {"a lone carriage return is part of the line", "Sound=Zany\rDiceType=Photo\r\n", ""},
        {"Latin-1 text", "DiceType=Ph\xf6to\r\n\xc4nimation=0\r\n", ""},
        {"a line too long is passed over, and the lines after it read",
         "Animation=0\r\n" + QByteArray(64 * 1024, 'x') + "\r\nCrosshair=2\r\n", "Animation=0 Crosshair=2"},
        {"nothing is read past the size limit", QByteArray(SettingsMaxFileBytes - 4, '\n') + "Crosshair=2\r\n", ""},
    };
    for (const auto &r : rows)
        EXPECT_EQ(changesReading(r.bytes), QLatin1String(r.read)) << r.guards;
}

TEST(Settings, AFileThatIsNotThereOrCannotBeWrittenChangesNothing)
{
    QTemporaryDir dir;
    Options options;
    options.diceStyle = StylePhoto;
    EXPECT_FALSE(ReadSettingsFile(options, dir.filePath(SettingsFileName)));
    EXPECT_EQ(changes(options), QStringLiteral("DiceType=Photo"));

    const QString plain = test::writeFile(dir.filePath(QStringLiteral("plain")), "old\r\n");
    // A full disk fails only when the buffer is flushed, which once put a short file in
    // the old one's place; a limit on file sizes stands in for it (writing `plain`).
    rlimit unlimited{};
    getrlimit(RLIMIT_FSIZE, &unlimited);
    const rlimit full{16, unlimited.rlim_max};
    const auto signalWas = std::signal(SIGXFSZ, SIG_IGN);
    for (const QString &path : {plain + QStringLiteral("/sub/") + SettingsFileName, dir.path(), plain}) {
        setrlimit(RLIMIT_FSIZE, path == plain ? &full : &unlimited);
        const bool written = bool(WriteSettingsFile(options, path));
        setrlimit(RLIMIT_FSIZE, &unlimited);
        EXPECT_FALSE(written) << path.toStdString();
        EXPECT_EQ(test::readFile(plain), "old\r\n");
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"plain"});
    }
    std::signal(SIGXFSZ, signalWas);
}

} // namespace
