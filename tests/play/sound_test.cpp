#include "CategorySounds.h"
#include "GameState.h"
#include "QtSoundPlayer.h"
#include "Recorders.h"

#include <gtest/gtest.h>

#include <QCoro/QCoroTask>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <optional>

using namespace korbo;
using namespace std::chrono_literals;

namespace {

// ------------------------------------------------------------ category sequences

struct Setting {
    SoundChoice sound;
    bool autoThrow;
};

constexpr Setting Std{SoundChoice::On, false};
constexpr Setting StdAuto{SoundChoice::On, true};
constexpr Setting Zany{SoundChoice::Zany, false};
constexpr Setting ZanyAuto{SoundChoice::Zany, true};
constexpr Setting Off{SoundChoice::Off, false};
constexpr Setting OffAuto{SoundChoice::Off, true};

struct Played {
    QStringList sounds;
    Random random;
};

Played playCategory(Setting setting, int c, bool bonus = false, int twins = NotScored,
                    quint32 seed = 7)
{
    Options options;
    options.sound = setting.sound;
    options.autoThrowValue = setting.autoThrow ? 1 : 0;
    TickClock clock(0ns);
    test::RecordingSoundPlayer player;
    Played result{{}, Random(seed)};
    QCoro::waitFor(PlayCategorySound(player, options, result.random, clock, c, bonus, twins));
    result.sounds = player.played;
    return result;
}

struct SequenceCase {
    const char *what;
    Setting setting;
    int c;
    bool bonus;
    int twins;
    QStringList expected;
};

class CategorySequence : public ::testing::TestWithParam<SequenceCase> {};

TEST_P(CategorySequence, PlaysExactlyTheseSounds)
{
    const SequenceCase &t = GetParam();
    EXPECT_EQ(playCategory(t.setting, t.c, t.bonus, t.twins).sounds, t.expected) << t.what;
}

const QStringList fourPops{"pop", "pop", "pop", "pop"};

INSTANTIATE_TEST_SUITE_P(
    Categories, CategorySequence,
    ::testing::Values(
        SequenceCase{"Ones std", Std, Ones, false, -1, {"pop"}},
        SequenceCase{"Fours std", Std, Fours, false, -1, fourPops},
        SequenceCase{"Sixes std", Std, Sixes, false, -1,
                     {"pop", "pop", "pop", "pop", "pop", "pop"}},
        SequenceCase{"Twins zany 40", Zany, Twins, false, 40, {"rnd11", "rnd11", "rnd11", "coo&"}},
        SequenceCase{"Twins zany 21", Zany, Twins, false, 21, {"rnd11", "rnd11", "rnd11", "coo&"}},
        SequenceCase{"Twins zany 20", Zany, Twins, false, 20, {"rnd11", "rnd11", "coo&"}},
        SequenceCase{"Twins zany 10", Zany, Twins, false, 10, {"rnd11", "coo&"}},
        SequenceCase{"Twins zany unscored", Zany, Twins, false, -1, {"rnd11", "coo&"}},
        SequenceCase{"Twins zany, auto throw", ZanyAuto, Twins, false, 40,
                     {"rnd11", "rnd11", "rnd11", "coo"}},
        SequenceCase{"Twins std 40", Std, Twins, false, 40, {"coo&"}},
        SequenceCase{"Twins std, auto throw", StdAuto, Twins, false, 40, {"coo"}},
        SequenceCase{"Triples zany", Zany, Triples, false, -1, {"bow", "arrow", "twang&"}},
        SequenceCase{"Triples zany, auto throw", ZanyAuto, Triples, false, -1,
                     {"bow", "arrow", "twang"}},
        SequenceCase{"Triples std, auto throw", StdAuto, Triples, false, -1, {"twang"}},
        SequenceCase{"Odds zany, all six odd", Zany, Odds, true, -1, {"odds", "rnd4&"}},
        SequenceCase{"Odds zany, all six odd, auto throw", ZanyAuto, Odds, true, -1,
                     {"odds", "rnd4"}},
        SequenceCase{"Odds zany, fewer", Zany, Odds, false, -1, {"odds"}},
        SequenceCase{"Odds std, all six odd", Std, Odds, true, -1, {"odds"}},
        SequenceCase{"Evens zany, all six even", Zany, Evens, true, -1, {"evens", "rnd4&"}},
        SequenceCase{"Quad std", Std, Quad, false, -1, {"quad_std&"}},
        SequenceCase{"Quad zany", Zany, Quad, false, -1, {"quad_zany&"}},
        SequenceCase{"Quad std, auto throw", StdAuto, Quad, false, -1, {"quad_std"}},
        SequenceCase{"Flush zany", Zany, Flush, false, -1, {"flush_zany&"}},
        SequenceCase{"PotLuck zany", Zany, PotLuck, false, -1, {"potluck_zany&"}},
        SequenceCase{"Korbo std", Std, Korbo, false, -1, {"korbo_std&"}},
        SequenceCase{"Korbo zany, auto throw", ZanyAuto, Korbo, false, -1, {"korbo_zany"}},
        SequenceCase{"Off, Fours", Off, Fours, false, -1, {}},
        SequenceCase{"Off, Korbo, auto throw", OffAuto, Korbo, false, -1, {}},
        SequenceCase{"category 0", Zany, 0, true, 40, {}},
        SequenceCase{"category 15", Std, 15, true, 40, {}}));

// Zany scores in Ones..Sixes: the first c-1 letters of the shuffled alphabet, then the
// 17th, each letter standing for its rnd sound.
struct ZanyCase {
    int c;
    bool autoThrow;
    quint32 seed;
};

class ZanyNumbers : public ::testing::TestWithParam<ZanyCase> {};

TEST_P(ZanyNumbers, PlayDifferentRandomNoisesOnePerDie)
{
    const ZanyCase &t = GetParam();
    const QStringList played =
        playCategory(t.autoThrow ? ZanyAuto : Zany, t.c, false, -1, t.seed).sounds;

    Random reference(t.seed);
    const QString letters = ShuffleString(reference, QStringLiteral("ABCDEFGHIJKLMNOPQ"));
    QStringList expected;
    for (int i = 0; i < t.c - 1; ++i)
        expected << QStringLiteral("rnd%1").arg(letters.at(i).unicode() - u'A' + 1);
    expected << QStringLiteral("rnd%1").arg(letters.at(16).unicode() - u'A' + 1)
                    + (t.autoThrow ? QString() : QStringLiteral("&"));
    EXPECT_EQ(played, expected);

}

INSTANTIATE_TEST_SUITE_P(Categories, ZanyNumbers,
                         ::testing::Values(ZanyCase{Ones, false, 1}, ZanyCase{Fours, true, 7},
                                           ZanyCase{Sixes, false, 12345}));

// The shuffle is drawn whenever sound is on, whatever the category and style, so a
// seeded game takes the same random numbers whichever sounds it hears.
struct DrawCase {
    Setting setting;
    int c;
    bool draws;
};

class RandomDraw : public ::testing::TestWithParam<DrawCase> {};

TEST_P(RandomDraw, ShufflesOnceWhenSoundIsOn)
{
    const DrawCase &t = GetParam();
    Played played = playCategory(t.setting, t.c, true, 40, 11);
    Random reference(11);
    if (t.draws)
        ShuffleString(reference, QStringLiteral("ABCDEFGHIJKLMNOPQ"));
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(played.random.next(), reference.next());
}

INSTANTIATE_TEST_SUITE_P(
    Categories, RandomDraw,
    ::testing::Values(DrawCase{Std, Ones, true}, DrawCase{Std, Quad, true},
                      DrawCase{Std, Twins, true}, DrawCase{Zany, Triples, true},
                      DrawCase{Zany, Odds, true}, DrawCase{Zany, Fours, true},
                      DrawCase{StdAuto, Korbo, true}, DrawCase{Zany, 15, true},
                      DrawCase{Off, Fours, false}, DrawCase{OffAuto, Korbo, false}));

// ------------------------------------------------------------ wave headers

QByteArray chunk(const char *id, const QByteArray &body, std::optional<quint32> size = {})
{
    QByteArray out(id, 4);
    char le[4];
    qToLittleEndian<quint32>(size.value_or(static_cast<quint32>(body.size())), le);
    out.append(le, 4);
    out.append(body);
    if (body.size() % 2)
        out.append('\0');
    return out;
}

QByteArray fmtBody(int tag, int channels, int rate, int bits, int extra = 0)
{
    QByteArray b(16 + extra, '\0');
    const int block = channels * bits / 8;
    qToLittleEndian<quint16>(tag, b.data());
    qToLittleEndian<quint16>(channels, b.data() + 2);
    qToLittleEndian<quint32>(rate, b.data() + 4);
    qToLittleEndian<quint32>(rate * block, b.data() + 8);
    qToLittleEndian<quint16>(block, b.data() + 12);
    qToLittleEndian<quint16>(bits, b.data() + 14);
    return b;
}

QByteArray riff(const QByteArray &chunks)
{
    QByteArray out("RIFF");
    char le[4];
    qToLittleEndian<quint32>(static_cast<quint32>(chunks.size() + 4), le);
    out.append(le, 4);
    out.append("WAVE");
    out.append(chunks);
    return out;
}

const QByteArray tenthOfASecond(2205 * 2, '\x11');   // 22050 Hz mono 16-bit
const QByteArray monoFmt = chunk("fmt ", fmtBody(1, 1, 22050, 16));

struct HeaderCase {
    const char *what;
    QByteArray file;
    bool valid;
    int formatTag, channels, rate, bits;
    qsizetype offset, size;
    qint64 micros;
};

class WaveHeader : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(WaveHeader, ReadsFormatAndLength)
{
    const HeaderCase &t = GetParam();
    const auto info = readWaveInfo(t.file);
    ASSERT_EQ(info.has_value(), t.valid) << t.what;
    if (!info)
        return;
    EXPECT_EQ(info->formatTag, t.formatTag) << t.what;
    EXPECT_EQ(info->channels, t.channels) << t.what;
    EXPECT_EQ(info->sampleRate, t.rate) << t.what;
    EXPECT_EQ(info->bitsPerSample, t.bits) << t.what;
    EXPECT_EQ(info->dataOffset, t.offset) << t.what;
    EXPECT_EQ(info->dataSize, t.size) << t.what;
    EXPECT_EQ(info->duration().count(), t.micros) << t.what;
}

INSTANTIATE_TEST_SUITE_P(
    Parsing, WaveHeader,
    ::testing::Values(
        HeaderCase{"plain 44-byte header", riff(monoFmt + chunk("data", tenthOfASecond)), true,
                   1, 1, 22050, 16, 44, 4410, 100'000},
        HeaderCase{"list chunk before fmt",
                   riff(chunk("LIST", QByteArray(26, 'x')) + monoFmt
                        + chunk("data", tenthOfASecond)),
                   true, 1, 1, 22050, 16, 78, 4410, 100'000},
        HeaderCase{"data cut short",
                   riff(monoFmt + chunk("data", tenthOfASecond)).chopped(2205), true, 1, 1,
                   22050, 16, 44, 2205, 50'000},
        HeaderCase{"no data chunk", riff(monoFmt), false, 0, 0, 0, 0, 0, 0, 0},
        HeaderCase{"not a wave", QByteArray("RIFF\0\0\0\0AVI ", 12) + monoFmt, false, 0, 0, 0, 0,
                   0, 0, 0},
        HeaderCase{"empty", QByteArray(), false, 0, 0, 0, 0, 0, 0, 0}));

// ------------------------------------------------------------ the Qt player

TEST(QtSoundPlayer, LengthsComeFromTheWaveHeaders)
{
    // pop.wav: 6526 bytes, a 44-byte header, 22050 Hz mono 16-bit.
    EXPECT_EQ(QtSoundPlayer::duration(Sound::Pop), 147ms);
    EXPECT_EQ(QtSoundPlayer::ticksFor(147ms), 15);
    EXPECT_EQ(QtSoundPlayer::ticksFor(150ms), 15);
    EXPECT_EQ(QtSoundPlayer::ticksFor(151ms), 16);
    EXPECT_EQ(QtSoundPlayer::ticksFor(0ms), 0);
}

int warnings = 0;
void countWarnings(QtMsgType type, const QMessageLogContext &, const QString &)
{
    warnings += type == QtWarningMsg;
}

TEST(QtSoundPlayer, WaitsForASoundOnlyWhileItCanBeHeard)
{
    struct Row {
        const char *guards;
        bool module, device;
        SoundMode mode;
        bool waits;
    };
    const Row rows[] = {
        {"a sound played to its end lasts its recording", true, true, SoundMode::ToEnd, true},
        {"a background sound lets the game go on", true, true, SoundMode::Background, false},
        {"no output device: every sound waited its length (a throw took 2.7 s)", true, false,
         SoundMode::ToEnd, false},
        {"no audio module: the same", false, false, SoundMode::ToEnd, false},
    };
    const Sound name = Sound::Arrow;
    for (const Row &row : rows) {
        SCOPED_TRACE(row.guards);
        TickClock clock(0ns);
        auto output = std::make_unique<test::FakeSoundOutput>(row.device);
        test::FakeSoundOutput &heard = *output;
        QtSoundPlayer player = row.module ? QtSoundPlayer(clock, std::move(output))
                                          : QtSoundPlayer(clock, nullptr, {QStringLiteral("/nonexistent/audio.so")});
        warnings = 0;
        const QtMessageHandler before = qInstallMessageHandler(countWarnings);
        for (int i = 0; i < 3; ++i)
            QCoro::waitFor(player.play(name, row.mode));
        qInstallMessageHandler(before);
        EXPECT_EQ(clock.ticksWaited(), row.waits ? 3 * QtSoundPlayer::ticksFor(*QtSoundPlayer::duration(name)) : 0);
        EXPECT_EQ(heard.played.size(), row.module && row.device ? 3 : 0);
        // Silence is explained once a run, not at every sound.
        EXPECT_EQ(warnings, row.device ? 0 : 1);
    }
}

// ------------------------------------------------------------ the audio module

TEST(AudioModule, IsFoundWhereTheBuildPutsItAndLoadedOnce)
{
    AudioModule module({QStringLiteral(KORBO_AUDIO_BUILD_DIR "/" KORBO_AUDIO_MODULE_NAME)});
    module.startLoading();
    module.startLoading(); // a second call changes nothing
    SoundOutput *output = module.output();
    ASSERT_NE(output, nullptr);
    EXPECT_EQ(module.output(), output);
    EXPECT_EQ(module.loadedOutput(), output);

    // Starting a sound stops the one playing. (Without an audio device Qt calls a
    // started sound playing for good, which is what this reads.)
    const QString coo = QtSoundPlayer::resourcePath(Sound::Coo);
    const QString twang = QtSoundPlayer::resourcePath(Sound::Twang);
    output->play(coo);
    EXPECT_TRUE(output->isPlaying(coo));
    output->play(twang);
    EXPECT_FALSE(output->isPlaying(coo));
    EXPECT_TRUE(output->isPlaying(twang));
    output->stop();
    EXPECT_FALSE(output->isPlaying(twang));
}

TEST(AudioModule, AJunkFileIsNoModule)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString junk = dir.filePath(QStringLiteral("junk.so"));
    QFile file(junk);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("this is no shared object");
    file.close();
    AudioModule module({junk});
    EXPECT_EQ(module.output(), nullptr);
}

} // namespace
