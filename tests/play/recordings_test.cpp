#include "QtSoundPlayer.h"

#include <gtest/gtest.h>

#include <QDir>

using namespace korbo;

// The recordings themselves are checked by tools/sounds/test_sounds.py; here only that the
// program carries every one of them and nothing else.
TEST(Recordings, EveryFileInTheAssetsIsEmbedded)
{
    const QDir sounds(qEnvironmentVariable("KORBO_ASSETS") + QStringLiteral("/sounds"));
    QStringList files = sounds.entryList({QStringLiteral("*.wav")}, QDir::Files, QDir::Name);
    ASSERT_EQ(files.size(), 41);
    for (QString &file : files)
        file = file.chopped(4).toLower();
    files.sort();
    EXPECT_EQ(QtSoundPlayer::names(), files);
}
