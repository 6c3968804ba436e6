#include "Doubles.h"
#include "Options.h"
#include "Settings.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QSignalSpy>
#include <QTemporaryDir>


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

TEST(Settings, WrittenLineByLineAndReadBack)
{
    const QByteArray files[] = {
        "[Korbo v4.01]\r\nAnimation=1\r\nTextButtons=0\r\nCrosshair=0\r\nAuto1stThrow=0\r\nShowLeader=1\r\n"
        "Sound=On\r\nNoThrowSounds=0\r\nDiceType=Standard\r\n",
        "[Korbo v4.01]\r\nAnimation=2\r\nTextButtons=2\r\nCrosshair=1\r\nAuto1stThrow=2\r\nShowLeader=2\r\n"
        "Sound=Off\r\nNoThrowSounds=2\r\nDiceType=User Defined\r\nCoach=1\r\n", // the coach's line only while on
        // A chosen language, and the last game's company: a name in any script, the
        // computer's seats, no line for an empty seat.
        "[Korbo v4.01]\r\nAnimation=1\r\nTextButtons=0\r\nCrosshair=0\r\nAuto1stThrow=0\r\nShowLeader=1\r\n"
        "Sound=Zany\r\nNoThrowSounds=0\r\nDiceType=Ladybirds\r\nLanguage=pt_BR\r\nName1=\xd0\x98\xd0\xb2\xd0\xb0\xd0\xbd\r\n"
        "Name2=Zo\xc3\xab\r\nPC2=1\r\nName4=Al\r\n",
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
        {"a space in a sound or a style makes it unknown, which keeps the last good one",
         "Sound=Zany\r\nSound=On \r\nDiceType=Rainbow\r\nDiceType= Photo\r\n", "Sound=Zany DiceType=Rainbow"},
        {"spaces around the equals sign make another key", "Animation=0\r\nAnimation = 1\r\n", "Animation=0"},
        {"a number followed by text, and none at all", "TextButtons=1abc\r\nShowLeader=abc\r\n",
         "TextButtons=1 ShowLeader=0"},
        {"out of range keeps the previous value (a 3 was once a fourth state of a check box)",
         "Crosshair=1\r\nCrosshair=3\r\nCrosshair=-1\r\nAuto1stThrow=2\r\n", "Crosshair=1 Auto1stThrow=2"},
        {"wrapping past 16 bits is no way in", "ShowLeader=65536\r\nAnimation=99999999999999999999\r\n", ""},
        {"leading spaces and decimals round, halves to even",
         "Crosshair=  1.6\r\nAnimation=\t0.4\r\nAuto1stThrow=2.5\r\nTextButtons=.5\r\n",
         "Animation=0 Crosshair=2 Auto1stThrow=2"},
        {"a fraction that rounds out of range", "Crosshair=2.6\r\nAnimation=-0.6\r\n", ""},
        {"lines with no key and unknown keys", "=1\r\nAnimation\r\n=Sound=Off\r\nMuteDice=1\r\n", ""},
        {"the value runs to the end of the line", "Crosshair=1=2\r\nDiceType=Traditional=\r\n", "Crosshair=1"},
        {"any section line", "[Other]\r\nTextButtons=1\r\n", "TextButtons=1"},
        {"bare line feeds, no end on the last line", "Animation=0\nDiceType=Photo", "Animation=0 DiceType=Photo"},
        {"a lone carriage return is part of the line", "Sound=Zany\rDiceType=Photo\r\n", ""},
        {"a line too long is passed over, and the lines after it read",
         "Animation=0\r\n" + QByteArray(64 * 1024, 'x') + "\r\nCrosshair=2\r\n", "Animation=0 Crosshair=2"},
        {"nothing is read past the size limit", QByteArray(SettingsMaxFileBytes - 4, '\n') + "Crosshair=2\r\n", ""},
    };
    for (const auto &r : rows)
        EXPECT_EQ(changesReading(r.bytes), QLatin1String(r.read)) << r.guards;
}

} // namespace
