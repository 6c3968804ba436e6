#pragma once

#include "GameState.h"

namespace korbo {

struct CategoryScore {
    Int16 score = 0;
    bool bonusFlag = false; // the category's bonus was earned; chooses the sounds
};

// Keeps only the digits 1..6 of `text`, ones first, then twos, and so on.
// A text shorter than two characters comes back unchanged.
QString SortDigits(const QString &text);

// The six faces as digits, sorted ascending.
QString BuildDiceString(const DiceArray &dice);

int DiceTotal(const DiceArray &dice);

// What `category` would score for these dice. Works on any six dice, so a hint
// or a computer player can ask without touching the game in progress.
CategoryScore ScoreCategory(const DiceArray &dice, int category);

// What a further six of a kind adds to Korbo's entry, wherever the dice are entered,
// once Korbo holds a score above 0: ExtraKorboPoints; otherwise nothing.
int ExtraPoints(bool korboScored, bool sixOfAKind);
int ExtraPoints(Int16 korboEntry, const DiceArray &dice);
// The upper bonus an entry earns: UpperBonusPoints when it takes the upper sum from
// below the threshold to the threshold or above; otherwise nothing.
int BonusEarned(int upperBefore, int upperAfter);

// The sum of a player's entered upper scores; NotScored while none is entered.
Int16 UpperSubtotal(const GameState &state, int player);

// Upper bonus state for a player: UpperBonusPoints once the upper entries reach
// UpperBonusThreshold, 0 when all six are entered below that, -1 while undecided.
Int16 UpperBonus(const GameState &state, int player);

// Every entered score of the player plus the upper bonus once it is earned.
int PlayerTotal(const GameState &state, int player);

// The player with the strictly highest total above 0, the lower number on a tie;
// 0 with fewer than two players or when nobody has scored.
int FindLeader(const GameState &state);

} // namespace korbo
