#pragma once

#include <QLatin1String>
#include <QString>

namespace korbo {

// The game's recordings, one for each file in assets/sounds. Asking for a sound by
// this name instead of by its file name means a misspelt sound no longer compiles
// (a misspelt file name used to play nothing).
enum class Sound {
    Arrow, Bow, Coo, Evens, Growl, Odds, OhDear, Pop, Twang, UhOh, Zero,
    // Quad, Flush, PotLuck and Korbo each have a recording of their own in both styles.
    QuadStd, QuadZany, FlushStd, FlushZany, PotLuckStd, PotLuckZany, KorboStd, KorboZany,
    // The zany style's assorted noises, in the order the shuffled letters A..Q pick them.
    Rnd1, Rnd2, Rnd3, Rnd4, Rnd5, Rnd6, Rnd7, Rnd8, Rnd9, Rnd10, Rnd11, Rnd12, Rnd13,
    Rnd14, Rnd15, Rnd16, Rnd17,
    // Dice shaken: one die, up to four, five or six.
    Shake1, Shake3, Shake5,
    // The Options dialog's greeting when sound is switched off or on.
    SoundsOff, SoundsOn,
};
inline constexpr int SoundCount = static_cast<int>(Sound::SoundsOn) + 1;
inline constexpr int RandomSoundCount = 17; // Rnd1..Rnd17

// The recording's file name without ".wav", lower case: the one place file names are
// written.
QLatin1String soundName(Sound sound);

// Rnd1..Rnd17 by number; n must be 1..RandomSoundCount.
Sound randomSound(int n);

} // namespace korbo
