#pragma once

#include "AudioModule.h"
#include "SoundPlayer.h"
#include "TickClock.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QObject>
#include <QString>
#include <QStringList>

#include <QCoro/QCoroTask>

#include <chrono>
#include <memory>
#include <optional>

namespace korbo {

// What a wave file's header says about its sound.
struct WaveInfo {
    int formatTag = 0;      // 1 = integer PCM
    int channels = 0;
    int sampleRate = 0;     // frames per second
    int bitsPerSample = 0;
    qsizetype dataOffset = 0; // where the samples start in the file
    qsizetype dataSize = 0;   // bytes of samples (clipped to what the file holds)

    // The sound's length, from the byte count of its samples.
    std::chrono::microseconds duration() const;
};

// Reads a RIFF/WAVE header: the "fmt " and "data" chunks, wherever they are and
// whatever other chunks surround them. Nothing when the bytes are no wave file.
std::optional<WaveInfo> readWaveInfo(QByteArrayView bytes);

// Plays the recordings embedded in the game (:/sounds/<name>.wav) through the
// audio module (Qt Multimedia).
//
// A wait for a sound's end is measured on the game's tick clock by the recording's
// own length, not by what the audio system reports: without an audio device Qt may
// call a sound playing for ever. So the window keeps painting meanwhile, and a clock
// with zero-length ticks never waits.
//
// A sound that cannot be heard (no audio module, no output device) is skipped at
// once: the game goes on without waiting for it, and says why once a run.
//
// The audio module is loaded when prepare() is called (once the board is up) or at
// the first sound.
class QtSoundPlayer : public QObject, public SoundPlayer {
    Q_OBJECT
public:
    explicit QtSoundPlayer(TickClock &clock, QObject *parent = nullptr,
                           QStringList modulePaths = AudioModule::searchPaths());
    // Plays through this output instead of the audio module's.
    QtSoundPlayer(TickClock &clock, std::unique_ptr<SoundOutput> output);
    ~QtSoundPlayer() override;

    void prepare() override;
    QCoro::Task<> play(Sound sound, SoundMode mode) override;

    // Stops whatever is playing.
    void stop();

    // Whether the audio system calls the recording playing right now.
    bool isPlaying(Sound sound) const;

    // The resource path of a recording (":/sounds/pop.wav").
    static QString resourcePath(Sound sound);
    // A recording's length from its wave header; nothing when it is unreadable.
    static std::optional<std::chrono::milliseconds> duration(Sound sound);
    // The ticks a wait for the end of that long a sound lasts (ten milliseconds
    // each, rounded up).
    static int ticksFor(std::chrono::milliseconds length);

private:
    TickClock &m_clock;
    AudioModule m_module;
    bool m_saidNoDevice = false;
};

} // namespace korbo
