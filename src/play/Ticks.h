#pragma once

// Every pause of the game, in ticks of the tick clock (10 ms each). Kept in one
// place so the pace of the game can be read and tuned here.
namespace korbo::ticks {

inline constexpr int Step = 1;             // one frame of any animation
inline constexpr int AnnounceBlank = 10;   // the status line stays blank before a new prompt
inline constexpr int PreviewHold = 30;     // after a category's score is previewed
inline constexpr int BetweenTurns = 100;   // after a commit, before the next player's turn
inline constexpr int BetweenTurnsSolo = 50; // the same with a single player
inline constexpr int ThrowSettle = 20;     // closing pause of every throw
inline constexpr int RethrowLift = 2;      // before each die is picked up for a re-throw
inline constexpr int HeldSettle = 3;       // after a die slides into the held row
inline constexpr int JokerHidden = 75;     // a joker's die is off the board without animation
inline constexpr int ComputerThinks = 75;  // a computer seat shows what it will do before each decision
inline constexpr int ComputerHolds = 20;   // between the dice a computer seat moves

} // namespace korbo::ticks
