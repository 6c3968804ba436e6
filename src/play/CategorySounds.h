#pragma once

#include "Options.h"
#include "Random.h"
#include "SoundPlayer.h"
#include "TickClock.h"

#include <QCoro/QCoroTask>

namespace korbo {

// The sounds that greet a score entered in category `c`, in the style the options
// choose ("Off" plays nothing). `bonusFlag` is set when Odds or Evens scored all six
// dice; `twinsScore` is the current player's Twins entry (-1 while not yet scored).
//
// The last sound of the sequence plays in the background unless "Auto 1st Throw" is
// on, when the next throw is to wait for it; every earlier sound plays to its end.
// Whatever the category, the random letter order is drawn once sound is on, so a
// seeded game replays the same whichever sounds it plays.
QCoro::Task<> PlayCategorySound(SoundPlayer &player, const Options &options, Random &random,
                                TickClock &clock, int c, bool bonusFlag, int twinsScore);

} // namespace korbo
