#include "QtSoundPlayer.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QFile>
#include <QHash>
#include <QtEndian>

#include <cmath>
#include <cstdlib>

using namespace korbo;

namespace {

// Every recording the game asks for, as the game's code spells them.
const QStringList expectedNames = {
    "SHAKE1", "SHAKE3", "SHAKE5", "POP",
    "RND1", "RND2", "RND3", "RND4", "RND5", "RND6", "RND7", "RND8", "RND9",
    "RND10", "RND11", "RND12", "RND13", "RND14", "RND15", "RND16", "RND17",
    "QUAD_STD", "QUAD_ZANY", "COO", "BOW", "ARROW", "TWANG", "ODDS", "EVENS",
    "FLUSH_STD", "FLUSH_ZANY", "POTLUCK_STD", "POTLUCK_ZANY", "KORBO_STD", "KORBO_ZANY",
    "UHOH", "OHDEAR", "ZERO", "GROWL", "SOUNDSOFF", "SOUNDSON",
};

QByteArray contents(const QString &name)
{
    QFile file(QtSoundPlayer::resourcePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

TEST(Recordings, EveryNameIsEmbeddedAndNothingElse)
{
    ASSERT_EQ(expectedNames.size(), 41);
    QStringList lower;
    for (const QString &name : expectedNames)
        lower << name.toLower();
    lower.sort();
    EXPECT_EQ(QtSoundPlayer::names(), lower);
}

TEST(Recordings, NoTwoAreTheSame)
{
    QHash<QByteArray, QString> seen;
    for (const QString &name : QtSoundPlayer::names()) {
        const QByteArray bytes = contents(name);
        const auto info = readWaveInfo(bytes);
        ASSERT_TRUE(info) << name.toStdString();
        const QByteArray samples = bytes.mid(info->dataOffset, info->dataSize);
        const QByteArray digest = QCryptographicHash::hash(samples, QCryptographicHash::Sha256);
        EXPECT_FALSE(seen.contains(digest))
            << name.toStdString() << " has the same samples as "
            << seen.value(digest).toStdString();
        seen.insert(digest, name);
    }
    EXPECT_EQ(seen.size(), 41);
}

class Recording : public ::testing::TestWithParam<QString> {};

TEST_P(Recording, IsEmbedded)
{
    EXPECT_FALSE(QtSoundPlayer::findName(GetParam()).isEmpty());
    EXPECT_FALSE(contents(GetParam()).isEmpty());
}

TEST_P(Recording, Is16BitMonoPcm)
{
    const auto info = readWaveInfo(contents(GetParam()));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->formatTag, 1);
    EXPECT_EQ(info->channels, 1);
    EXPECT_EQ(info->bitsPerSample, 16);
    EXPECT_GE(info->sampleRate, 8000);
    EXPECT_LE(info->sampleRate, 48000);
    EXPECT_EQ(info->dataSize % 2, 0);
}

TEST_P(Recording, LastsATenthOfASecondToTwoSeconds)
{
    const auto length = QtSoundPlayer::duration(GetParam());
    ASSERT_TRUE(length);
    EXPECT_GE(length->count(), 100);
    EXPECT_LE(length->count(), 2000);
    // The header's length agrees with the samples there are.
    const auto info = readWaveInfo(contents(GetParam()));
    ASSERT_TRUE(info);
    const double seconds = double(info->dataSize) / 2 / info->sampleRate;
    EXPECT_NEAR(length->count(), seconds * 1000, 1.0);
}

TEST_P(Recording, IsNotSilent)
{
    const QByteArray bytes = contents(GetParam());
    const auto info = readWaveInfo(bytes);
    ASSERT_TRUE(info);
    int peak = 0;
    const char *samples = bytes.constData() + info->dataOffset;
    for (qsizetype i = 0; i + 1 < info->dataSize; i += 2)
        peak = std::max(peak, std::abs(int(qFromLittleEndian<qint16>(samples + i))));
    const double dbfs = 20.0 * std::log10(std::max(peak, 1) / 32768.0);
    EXPECT_GT(dbfs, -20.0) << "peak " << peak;
}

INSTANTIATE_TEST_SUITE_P(Sounds, Recording, ::testing::ValuesIn(expectedNames),
                         [](const ::testing::TestParamInfo<QString> &info) {
                             return info.param.toStdString();
                         });

} // namespace
