#pragma once

#include "Sounds.h"

#include <QCoro/QCoroTask>

namespace korbo {

enum class SoundMode {
    ToEnd,      // the caller waits until the recording has finished
    Background, // the caller goes on at once
};

// Plays the game's recordings. Starting a sound stops the one playing. Whether sound
// is wanted at all is the caller's concern.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Gets ready to play without keeping the caller waiting: called once the board
    // is up, so whatever the first sound needs is in place before it is asked for.
    virtual void prepare() {}
    virtual QCoro::Task<> play(Sound sound, SoundMode mode) = 0;
};

// A player that plays nothing and never waits: for a machine without sound and
// for runs of the game logic that do not care.
class SilentSoundPlayer : public SoundPlayer {
public:
    QCoro::Task<> play(Sound, SoundMode) override { co_return; }
};

} // namespace korbo
