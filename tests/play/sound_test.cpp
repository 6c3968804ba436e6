#include "CategorySounds.h"
#include "Doubles.h"
#include "GameState.h"
#include "QtSoundPlayer.h"
#include "Recorders.h"

#include <gtest/gtest.h>

#include <QCoro/QCoroTask>
#include <QDir>
#include <QTemporaryDir>

using namespace korbo;
using namespace std::chrono_literals;

namespace {


const QString Alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQ");
constexpr quint32 Seed = 7;

// The sounds entering category c plays, as "name" (to its end) or "name&" (in the
// background), separated by spaces; `random` is left as the sounds left it.
QString categorySounds(Random &random, SoundChoice sound, bool autoThrow, int c, bool bonus = false,
                       int twins = NotScored)
{
    Options options;
    options.sound = sound;
    options.autoThrowValue = autoThrow ? 1 : 0;
    TickClock clock(0ns);
    test::RecordingSoundPlayer player;
    QCoro::waitFor(PlayCategorySound(player, options, random, clock, c, bonus, twins));
    return player.played.join(QLatin1Char(' '));
}

TEST(CategorySound, EachCategoryPlaysItsSequenceAndDrawsTheLettersOnce)
{
    constexpr SoundChoice On = SoundChoice::On, Zany = SoundChoice::Zany, Off = SoundChoice::Off;
    const struct { SoundChoice sound; bool autoThrow; int c; bool bonus; int twins; const char *played, *guards; } rows[] = {
        {Zany, false, Sixes, false, -1, "rnd2 rnd5 rnd14 rnd7 rnd9 rnd15&",
         "zany: a noise per die, the shuffled letters' first ones, then the last"},
        {Zany, false, Twins, false, 21, "rnd11 rnd11 rnd11 coo&", "a bloop for every ten points, up to three"},
        {Zany, false, Twins, false, 20, "rnd11 rnd11 coo&", "20 is two bloops, not three"},
        {Zany, false, Twins, false, -1, "rnd11 coo&", "Twins not yet scored: one bloop"},
        {Zany, true, Twins, false, 40, "rnd11 rnd11 rnd11 coo", "Auto 1st Throw waits for the last sound"},
        {On, false, Twins, false, 40, "coo&", "the standard style has no bloops"},
        {Zany, false, Triples, false, -1, "bow arrow twang&", "zany Triples draws the bow first"},
        {On, true, Triples, false, -1, "twang", "standard Triples only twangs"},
        {Zany, false, Odds, true, -1, "odds rnd4&", "all six odd earns the cheer"},
        {Zany, false, Odds, false, -1, "odds", "fewer earn none"},
        {On, false, Odds, true, -1, "odds", "nor does the standard style"},
        {On, false, Quad, false, -1, "quad_std&", "the standard style's own recording"},
        {Zany, true, Korbo, false, -1, "korbo_zany", "the zany one's, waited for"},
        {Off, true, Korbo, false, -1, "", "sound off plays nothing"},
        {On, false, 15, true, 40, "", "no category, no sound"},
    };
    for (const auto &r : rows) {
        Random random(Seed), reference(Seed);
        EXPECT_EQ(categorySounds(random, r.sound, r.autoThrow, r.c, r.bonus, r.twins), QLatin1String(r.played)) << r.guards;
        // The letters are shuffled whenever sound is on, so a seeded game takes the same
        // random numbers whichever sounds it hears.
        if (r.sound != Off)
            ShuffleString(reference, Alphabet);
        EXPECT_EQ(random.next(), reference.next()) << r.guards;
    }
}


int warnings = 0;

TEST(QtSoundPlayer, WaitsForASoundOnlyWhileItCanBeHeard)
{
    const struct { const char *guards; bool module, device; SoundMode mode; bool waits; } rows[] = {
        {"a sound played to its end lasts its recording", true, true, SoundMode::ToEnd, true},
        {"a background sound lets the game go on", true, true, SoundMode::Background, false},
        {"no output device: every sound waited its length (a throw took 2.7 s)", true, false,
         SoundMode::ToEnd, false},
        {"no audio module: the same", false, false, SoundMode::ToEnd, false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.guards);
        TickClock clock(0ns);
        auto output = std::make_unique<test::FakeSoundOutput>(row.device);
        test::FakeSoundOutput &heard = *output;
        QtSoundPlayer player = row.module ? QtSoundPlayer(clock, std::move(output))
                                          : QtSoundPlayer(clock, nullptr, {QStringLiteral("/nonexistent/audio.so")});
        warnings = 0;
        const QtMessageHandler before = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &, const QString &) { warnings += type == QtWarningMsg; });
        for (int i = 0; i < 3; ++i)
            QCoro::waitFor(player.play(Sound::Pop, row.mode));
        qInstallMessageHandler(before);
        // pop.wav lasts 147 ms by its header (6526 bytes, 44 of them header, 22050 Hz mono
        // 16-bit): 15 ticks, rounded up.
        EXPECT_EQ(clock.ticksWaited(), row.waits ? 3 * 15 : 0);
        EXPECT_EQ(heard.played.size(), row.module && row.device ? 3 : 0);
        // Silence is explained once a run, not at every sound.
        EXPECT_EQ(warnings, row.device ? 0 : 1);
    }
}


TEST(AudioModule, IsFoundWhereTheBuildPutsItAndLoadedOnceAndAJunkFileIsNone)
{
    QTemporaryDir dir;
    EXPECT_EQ(AudioModule({test::writeFile(dir.filePath(QStringLiteral("junk.so")), "no shared object")}).output(), nullptr);
    AudioModule module({QStringLiteral(KORBO_AUDIO_BUILD_DIR "/" KORBO_AUDIO_MODULE_NAME)});
    module.startLoading();
    module.startLoading(); // a second call changes nothing
    SoundOutput *output = module.output();
    ASSERT_NE(output, nullptr);
    EXPECT_EQ(module.output(), output);

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
    for (const QString &folder : {qEnvironmentVariable("KORBO_ASSETS") + QStringLiteral("/sounds"), QStringLiteral(":/sounds")})
        EXPECT_EQ(listed(QDir(folder).entryList({QStringLiteral("*.wav")}, QDir::Files)), listed(named)) << folder.toStdString();
}

} // namespace
