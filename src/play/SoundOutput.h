#pragma once

#include <QString>

namespace korbo {

// What actually makes a recording heard: one recording at a time, named by its
// resource path (":/sounds/pop.wav"). The game's own implementation lives in the
// audio module, loaded once the board is up, so that the audio libraries do not
// slow the game's start.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Starts the recording from its beginning, stopping whatever was playing.
    virtual void play(const QString &resourcePath) = 0;
    virtual void stop() = 0;
    // Whether the audio system calls that recording playing right now.
    virtual bool isPlaying(const QString &resourcePath) const = 0;
    // Whether there is an audio output to be heard on right now.
    virtual bool hasDevice() const = 0;
};

// The audio module's one entry point: makes its SoundOutput, which the caller owns.
// Called on the thread that plays the sounds.
using MakeSoundOutput = SoundOutput *(*)();
inline constexpr const char *MakeSoundOutputSymbol = "korbo_make_sound_output";

} // namespace korbo
