#pragma once

// The ways dice move across the board, in twips (1/1440 inch) from the board's top:
// a die's top moves, its left never does. Kept in one place, as the pauses are, so
// the look of a throw can be read and tuned here. Smaller is higher up the board;
// the throwing area ends at geometry::ThrowAreaLimit, the held row lies below it.
namespace korbo::paths {

// A throw without animation: each die thrown simply lies somewhere in the area.
inline constexpr int DropTop = 1320;
inline constexpr int DropSpread = 1740; // DropTop + DropSpread stays inside the area

// An animated throw: each die is aimed at a spot, shows a little below it, then
// rises in steps past the spot to rest; the die thrown before it drifts up while
// the next one settles, as if pushed.
inline constexpr int AimTop = 1980;
inline constexpr int AimSpread = 1440;
inline constexpr int ShowBelowAim = 300;
inline constexpr int Rise = 600;            // how far past the aim a die rises
inline constexpr int RiseStep = 60;
inline constexpr int PushAfter = 400;       // the rise after which the die before it drifts
inline constexpr int PushStep = 25;
inline constexpr int LastPush = 50;         // the last die thrown settles a little higher

// Sorting: a die slides in steps; a held die overshoots the held row a little
// before settling into it; a die sent back lands just above the line, then hops.
inline constexpr int SlideStep = 200;
inline constexpr int HeldSlideEnd = 4080;
inline constexpr int BackInTray = 3060;
inline constexpr int HopStep = 10;
inline constexpr int FewestHops = 6;
inline constexpr int HopsSpread = 5;

// A joker: the die flies up to the top of the area, falls tumbling to the line,
// bounces and comes to rest somewhere in the area.
inline constexpr int JokerPeak = 1260;
inline constexpr int JokerFallStart = 1460;
inline constexpr int JokerFallStep = 160;
inline constexpr int JokerFallEnd = 3060;
inline constexpr int JokerBounce = 3120;
inline constexpr int JokerRiseStart = 2920;
inline constexpr int JokerRiseStep = 60;
inline constexpr int JokerRestTop = 1600;
inline constexpr int JokerRestSpread = 1100;

} // namespace korbo::paths
