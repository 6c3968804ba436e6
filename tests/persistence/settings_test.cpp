#include "Options.h"
#include "Settings.h"
#include "Damage.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <ostream>

using namespace korbo;

namespace {

// Everything the settings touch, plus Show Records, which they must leave alone.
// Member defaults are the options' own defaults.
struct Values {
    int animation = 1;
    int textButtons = 0;
    int crossHair = 0;
    int autoThrow = 0;
    int underlineWinner = 1;
    int showRecords = 1;
    int noThrowSounds = 0;
    bool noThrowSoundsEnabled = true;
    SoundChoice sound = SoundChoice::On;
    int diceStyle = StyleStandard;

    bool operator==(const Values &) const = default;
};

std::ostream &operator<<(std::ostream &out, const Values &v)
{
    return out << "{animation " << v.animation << ", textButtons " << v.textButtons << ", crossHair "
               << v.crossHair << ", autoThrow " << v.autoThrow << ", underlineWinner "
               << v.underlineWinner << ", showRecords " << v.showRecords << ", noThrowSounds "
               << v.noThrowSounds << ", enabled " << v.noThrowSoundsEnabled << ", sound "
               << static_cast<int>(v.sound) << ", diceStyle " << v.diceStyle << "}";
}

Values valuesOf(const Options &o)
{
    return {o.animationValue, o.textButtonsValue, o.crossHairValue, o.autoThrowValue,
            o.underlineWinnerValue, o.showRecordsValue, o.noThrowSoundsValue,
            o.noThrowSoundsEnabled, o.sound, o.diceStyle};
}

void setValues(Options &o, const Values &v)
{
    o.animationValue = static_cast<std::int16_t>(v.animation);
    o.textButtonsValue = static_cast<std::int16_t>(v.textButtons);
    o.crossHairValue = static_cast<std::int16_t>(v.crossHair);
    o.autoThrowValue = static_cast<std::int16_t>(v.autoThrow);
    o.underlineWinnerValue = static_cast<std::int16_t>(v.underlineWinner);
    o.showRecordsValue = static_cast<std::int16_t>(v.showRecords);
    o.noThrowSoundsValue = static_cast<std::int16_t>(v.noThrowSounds);
    o.noThrowSoundsEnabled = v.noThrowSoundsEnabled;
    o.sound = v.sound;
    o.diceStyle = v.diceStyle;
}

Values readFromBytes(const QByteArray &bytes, const Values &start = {})
{
    Options options;
    setValues(options, start);
    ReadSettingsBytes(options, bytes);
    return valuesOf(options);
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

const QByteArray DefaultFile = "[Korbo v4.01]\r\n"
                               "Animation=1\r\n"
                               "TextButtons=0\r\n"
                               "Crosshair=0\r\n"
                               "Auto1stThrow=0\r\n"
                               "ShowLeader=1\r\n"
                               "Sound=On\r\n"
                               "NoThrowSounds=0\r\n"
                               "DiceType=Standard\r\n";

TEST(Settings, DefaultsWriteNineLines)
{
    Options options;
    EXPECT_EQ(SettingsFileBytes(options), DefaultFile);
}

TEST(Settings, ChangedValuesAreWrittenAndReadBack)
{
    const struct { Values values; QByteArray lines; } rows[] = {
        {{.animation = 0, .textButtons = 1, .crossHair = 2, .autoThrow = 1, .underlineWinner = 0,
          .noThrowSounds = 1, .sound = SoundChoice::Zany, .diceStyle = StyleUserDefined},
         "Animation=0\r\nTextButtons=1\r\nCrosshair=2\r\nAuto1stThrow=1\r\nShowLeader=0\r\n"
         "Sound=Zany\r\nNoThrowSounds=1\r\nDiceType=User Defined\r\n"},
        {{.animation = 2, .textButtons = 2, .crossHair = 1, .autoThrow = 2, .underlineWinner = 2,
          .noThrowSounds = 2, .sound = SoundChoice::On, .diceStyle = StylePhoto},
         "Animation=2\r\nTextButtons=2\r\nCrosshair=1\r\nAuto1stThrow=2\r\nShowLeader=2\r\n"
         "Sound=On\r\nNoThrowSounds=2\r\nDiceType=Photo\r\n"},
        // Reading the sound off also disables Mute Dice.
        {{.noThrowSounds = 1, .noThrowSoundsEnabled = false, .sound = SoundChoice::Off,
          .diceStyle = StyleLadybirds},
         "Animation=1\r\nTextButtons=0\r\nCrosshair=0\r\nAuto1stThrow=0\r\nShowLeader=1\r\n"
         "Sound=Off\r\nNoThrowSounds=1\r\nDiceType=Ladybirds\r\n"},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(SettingsFileName);
    for (const auto &r : rows) {
        Options written;
        setValues(written, r.values);
        ASSERT_TRUE(WriteSettingsFile(written, path));
        EXPECT_EQ(fileBytes(path), "[Korbo v4.01]\r\n" + r.lines);

        Options read;
        QSignalSpy spy(&read, &Options::changed);
        ASSERT_TRUE(ReadSettingsFile(read, path));
        EXPECT_EQ(spy.count(), 1);
        EXPECT_EQ(valuesOf(read), r.values);
    }
}

TEST(Settings, ShowRecordsIsNotStored)
{
    Options options;
    options.showRecordsValue = 0;
    EXPECT_EQ(SettingsFileBytes(options), DefaultFile);
    EXPECT_EQ(readFromBytes("ShowRecords=1\r\n", {.showRecords = 0}).showRecords, 0);
    EXPECT_EQ(readFromBytes(DefaultFile, {.showRecords = 2}).showRecords, 2);
}

TEST(Settings, ReadingOddLines)
{
    const struct { const char *what; QByteArray bytes; Values expected; } rows[] = {
        {"only the sound off", "Sound=off\r\n",
         {.noThrowSoundsEnabled = false, .sound = SoundChoice::Off}},
        {"the key in capitals", "SOUND=zany\r\nDICETYPE=RAINBOW\r\n",
         {.sound = SoundChoice::Zany, .diceStyle = StyleRainbow}},
        {"the sound with a trailing space", "Sound=Zany\r\nSound=On \r\nSound= Off\r\n",
         {.sound = SoundChoice::Zany}},
        {"on again keeps Mute Dice disabled", "Sound=Off\r\nSound=On\r\n",
         {.noThrowSoundsEnabled = false}},
        {"an unknown sound", "Sound=Loud\r\n", {}},
        {"spaces around the equals sign", "Animation=0\r\nAnimation = 1\r\nTextButtons =1\r\n",
         {.animation = 0}},
        {"a number followed by text", "TextButtons=1abc\r\n", {.textButtons = 1}},
        {"no number at all", "ShowLeader=abc\r\nTextButtons=\r\n", {.underlineWinner = 0}},
        // a 3 was once taken as a fourth state of a check box
        {"a box out of range, then more lines", "Crosshair=3\r\nDiceType=Photo\r\nAuto1stThrow=2\r\n",
         {.autoThrow = 2, .diceStyle = StylePhoto}},
        {"out of range keeps the previous value", "Crosshair=1\r\nCrosshair=5\r\nCrosshair=-1\r\n",
         {.crossHair = 1}},
        {"too large for 16 bits", "ShowLeader=70000\r\nAnimation=99999999999999999999999999\r\n", {}},
        {"wrapping past 16 bits is no way in", "ShowLeader=65536\r\nAnimation=65537\r\n", {}},
        {"leading spaces and a decimal part", "Crosshair=  1.6\r\nAnimation=\t0.4\r\n",
         {.animation = 0, .crossHair = 2}},
        {"halves round to even", "Crosshair=2.5\r\nTextButtons=0.5\r\nAuto1stThrow=1.5\r\n",
         {.crossHair = 2, .autoThrow = 2}},
        {"a fraction that rounds out of range", "Crosshair=2.6\r\nAnimation=-0.6\r\n", {}},
        {"a small negative fraction rounds to off", "Animation=-0.4\r\nShowLeader=+0\r\n",
         {.animation = 0, .underlineWinner = 0}},
        {"a decimal point with no digits", "Animation=.\r\nTextButtons=.7\r\n",
         {.animation = 0, .textButtons = 1}},
        {"an unknown dice style", "DiceType=Purple\r\n", {}},
        {"an unknown style keeps the last good one", "DiceType=Photo\r\nDiceType=Purple\r\n",
         {.diceStyle = StylePhoto}},
        {"a style with a leading space", "DiceType= Photo\r\n", {}},
        {"a repeated key, the last wins", "DiceType=Rainbow\r\nNoThrowSounds=1\r\nDiceType=Buttons\r\n"
                                          "NoThrowSounds=2\r\n",
         {.noThrowSounds = 2, .diceStyle = StyleButtons}},
        {"lines with no key", "=1\r\nAnimation\r\n=Sound=Off\r\n\r\nhello world\r\n", {}},
        {"the value runs to the end of the line", "Crosshair=1=2\r\nDiceType=Traditional=\r\n",
         {.crossHair = 1}},
        {"unknown keys", "ShowRecords=0\r\nMuteDice=1\r\nAnimations=0\r\n", {}},
        {"any section line", "[Korbo v9.99]\r\n[Other]\r\nTextButtons=1\r\n", {.textButtons = 1}},
        {"bare line feeds", "Animation=0\nTextButtons=1\nSound=Zany\n",
         {.animation = 0, .textButtons = 1, .sound = SoundChoice::Zany}},
        {"no end on the last line", "Animation=2\r\nDiceType=Photo",
         {.animation = 2, .diceStyle = StylePhoto}},
        {"a lone carriage return is part of the line", "Sound=Zany\rDiceType=Photo\r\n", {}},
        {"Latin-1 text", "DiceType=Ph\xf6to\r\n\xc4nimation=0\r\nSound=\xff\r\n", {}},
        {"an empty file", "", {}},
    };
    for (const auto &r : rows)
        EXPECT_EQ(readFromBytes(r.bytes), r.expected) << r.what;
}

TEST(Settings, AMissingFileChangesNothing)
{
    QTemporaryDir dir;
    const Values start{.animation = 2, .crossHair = 1, .noThrowSoundsEnabled = false,
                       .sound = SoundChoice::Zany, .diceStyle = StyleRainbow};
    Options options;
    setValues(options, start);
    QSignalSpy spy(&options, &Options::changed);
    EXPECT_FALSE(ReadSettingsFile(options, dir.filePath(SettingsFileName)));
    EXPECT_EQ(valuesOf(options), start);
    EXPECT_EQ(spy.count(), 0);
}

TEST(Settings, WritingMakesTheFolderAndReplacesTheWholeFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a/b/") + SettingsFileName);
    Options options;
    ASSERT_TRUE(WriteSettingsFile(options, path));
    EXPECT_EQ(fileBytes(path), DefaultFile);

    writeBytes(path, DefaultFile + QByteArray(500, 'x'));
    options.diceStyle = StyleButtons;
    ASSERT_TRUE(WriteSettingsFile(options, path));
    EXPECT_EQ(fileBytes(path), SettingsFileBytes(options));
    EXPECT_EQ(QDir(QFileInfo(path).absolutePath()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList({SettingsFileName}));
}

TEST(Settings, WritingWhereNoFileCanBeMadeFailsAndLeavesEverythingAsItWas)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString blocker = dir.filePath(QStringLiteral("not-a-folder"));
    writeBytes(blocker, "old contents\r\n");
    const QString folder = dir.filePath(QStringLiteral("a-folder"));
    ASSERT_TRUE(QDir().mkpath(folder + QStringLiteral("/inside")));

    const struct { const char *what; QString path; } rows[] = {
        {"a parent that is a file", blocker + QLatin1Char('/') + SettingsFileName},
        {"a grandparent that is a file", blocker + QStringLiteral("/sub/") + SettingsFileName},
        {"a path that is a folder", folder},
    };
    Options options;
    options.diceStyle = StylePhoto;
    for (const auto &r : rows) {
        EXPECT_FALSE(WriteSettingsFile(options, r.path)) << r.what;
        EXPECT_EQ(fileBytes(blocker), "old contents\r\n") << r.what;
        EXPECT_TRUE(QFileInfo(folder).isDir()) << r.what;
        EXPECT_EQ(QDir(folder).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                  QStringList({QStringLiteral("inside")}))
            << r.what;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                  QStringList({QStringLiteral("a-folder"), QStringLiteral("not-a-folder")}))
            << r.what;
    }
}

// Random and damaged files must never crash, hang or put a value out of range; the
// lines with any key and any value are where a check box once took a 3.
TEST(Settings, SurvivesRandomAndDamagedFiles)
{
    Options good;
    setValues(good, {.animation = 2, .textButtons = 1, .noThrowSounds = 1, .sound = SoundChoice::Zany,
                     .diceStyle = StyleUserDefined});
    test::Damage damage(20240718, SettingsFileBytes(good), "=01234.-AaDdEeNnOoSs \r\n\t\xff");
    const char *const keys[] = {"Animation", "textbuttons", "CROSSHAIR", "Auto1stThrow", "ShowLeader",
                                "Sound", "NoThrowSounds", "DiceType", "", "x"};
    const char *const values[] = {"0", "1", "2", "3", "-1", "1.5", "2.5", " 2", "off", "ZANY", "On",
                                  "photo", "User Defined", "99999", "1e9", "", "abc", "\xff"};
    for (int round = 0; round < 800; ++round) {
        QByteArray bytes;
        if (round % 4 == 3) {
            for (int n = damage.below(20); n > 0; --n)
                bytes += QByteArray(keys[damage.below(std::size(keys))]) + "="
                         + values[damage.below(std::size(values))] + (damage.below(2) ? "\r\n" : "\n");
        } else {
            bytes = damage.next(round);
        }
        Options options;
        options.showRecordsValue = 2;
        ReadSettingsBytes(options, bytes);
        const Values v = valuesOf(options);
        for (int box : {v.animation, v.textButtons, v.crossHair, v.autoThrow, v.underlineWinner,
                        v.noThrowSounds}) {
            ASSERT_GE(box, 0) << round;
            ASSERT_LE(box, 2) << round;
        }
        ASSERT_EQ(v.showRecords, 2) << round;
        ASSERT_GE(static_cast<int>(v.sound), 0) << round;
        ASSERT_LE(static_cast<int>(v.sound), 2) << round;
        ASSERT_GE(v.diceStyle, 1) << round;
        ASSERT_LE(v.diceStyle, DiceStyleCount) << round;
        // Mute Dice is only ever disabled together with the sound being read as off.
        if (!v.noThrowSoundsEnabled) {
            ASSERT_TRUE(bytes.toLower().contains("sound=off")) << round;
        }
        // Whatever was read writes a file that reads back the same.
        ASSERT_EQ(readFromBytes(SettingsFileBytes(options), v), v) << round;
    }
}

} // namespace
