#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace korbo {

// Sizes of the game. Every per-player, per-die and per-category table is indexed
// from 1 so the numbers in the code are the numbers the player sees; entry 0 is unused.
inline constexpr int MaxPlayers = 6;
inline constexpr int DiceCount = 6;
inline constexpr int CategoryCount = 14;
inline constexpr int RoundCount = 14;
inline constexpr int JokersPerGame = 3;
inline constexpr int MaxThrows = 4; // throws in a turn
// The upper categories' bonus: 40 points once their entries add up to 80.
inline constexpr int UpperBonusThreshold = 80;
inline constexpr int UpperBonusPoints = 40;
// A six of a kind entered anywhere once Korbo holds a score.
inline constexpr int ExtraKorboPoints = 60;
inline constexpr std::int16_t NotScored = -1;

// Version text shown in the settings file's section line, the prompt after a
// stopped game and the About window.
inline const QString VersionText = QStringLiteral("4.01");

// Category numbers, used to index buttons, labels, the score table and sheet rows.
enum Category : int {
    Ones = 1, Twos, Threes, Fours, Fives, Sixes,
    Quad, Twins, Triples, Odds, Evens, Flush, PotLuck, Korbo
};

template <typename T, int N> using Table1 = std::array<T, N + 1>;

using Int16 = std::int16_t;
using DiceArray = Table1<Int16, DiceCount>;

// Everything the rules know of a game: the players, the score table, the dice and
// where the game stands. The engine keeps it; the board shows a copy that follows it
// step by step.
struct GameState {
    // Players
    Int16 numPlayers = 0;
    Table1<QString, MaxPlayers> playerName{};
    Table1<bool, MaxPlayers> pcPlayer{};
    Table1<Int16, MaxPlayers> jokers{};

    // Score table: score[player][category], NotScored until entered.
    std::array<Table1<Int16, CategoryCount>, MaxPlayers + 1> score{};

    // Dice
    DiceArray dice{};
    Table1<bool, DiceCount> diceToThrow{};

    // Turn and game progress
    Int16 roundNo = 0;
    Int16 curPlayer = 0;
    Int16 throwNo = 0;
    // Categories whose score for these dice has been shown, not yet entered.
    Table1<bool, CategoryCount> catShown{};
    // From the end of a complete game until the next one starts.
    bool gameOver = false;

    GameState();

    bool gameInProgress() const { return roundNo > 0; }
    const QString &currentName() const { return playerName[curPlayer]; }
};

// Names and descriptions of the fourteen categories, in category order.
QString categoryName(int category);
QString categoryDescription(int category);
// The captions the category buttons carry before they are first refreshed.
QString initialCategoryCaption(int category);

// The user's home folder: HOME, or the account's own when HOME is unset or relative.
QString HomeFolder();
// The game's folder in one of the desktop's base folders: `variable` when it holds an
// absolute path, otherwise `underHome` in the home folder; "korbo" inside either.
QString UserFolder(const char *variable, const char *underHome);
// The folder chosen for the settings file on this machine.
QString GetWindowsDir();

} // namespace korbo
