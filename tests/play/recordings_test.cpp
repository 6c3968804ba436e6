#include "QtSoundPlayer.h"

#include <gtest/gtest.h>

#include <QDir>

using namespace korbo;

// The recordings themselves are checked by tools/sounds/test_sounds.py; here only that
// every sound the game can ask for is a file in the assets, embedded under the name the
// game asks for, and that no file is left without a sound to ask for it.
TEST(Recordings, EverySoundIsEmbeddedAndEveryFileIsASound)
{
    QStringList named;
    for (int i = 0; i < SoundCount; ++i)
        named << QtSoundPlayer::resourcePath(static_cast<Sound>(i)).section(QLatin1Char('/'), -1);
    // Sorted and spelt out, so that a failure shows which file is amiss.
    const auto listed = [](QStringList names) {
        names.sort();
        return names.join(QLatin1Char(' ')).toStdString();
    };
    for (const QString folder : {qEnvironmentVariable("KORBO_ASSETS") + QStringLiteral("/sounds"), QStringLiteral(":/sounds")})
        EXPECT_EQ(listed(QDir(folder).entryList({QStringLiteral("*.wav")}, QDir::Files)), listed(named)) << folder.toStdString();
}
