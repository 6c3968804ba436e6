#pragma once

#include <QString>

#include <QCoro/QCoroTask>

namespace korbo {

enum class SoundMode {
    ToEnd,      // the caller waits until the recording has finished
    Background, // the caller goes on at once
};

// Plays the game's named recordings. Starting a sound stops the one playing; an
// unknown name plays nothing. Whether sound is wanted at all is the caller's concern.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Gets ready to play without keeping the caller waiting: called once the board
    // is up, so whatever the first sound needs is in place before it is asked for.
    virtual void prepare() {}
    virtual QCoro::Task<> play(QString name, SoundMode mode) = 0;
};

// A player that plays nothing and never waits: for a machine without sound and
// for runs of the game logic that do not care.
class SilentSoundPlayer : public SoundPlayer {
public:
    QCoro::Task<> play(QString, SoundMode) override { co_return; }
};

} // namespace korbo
