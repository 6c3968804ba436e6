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

// The one record of everything the game knows about the game in progress.
// A window that shows a value reads it from here at the moment it draws.
struct GameState {
    // Players
    Int16 numPlayers = 0;
    Table1<QString, MaxPlayers> playerName{};
    Table1<bool, MaxPlayers> pcPlayer{};
    Table1<Int16, MaxPlayers> jokers{};
    Table1<Int16, MaxPlayers> playerDiceStyle{};

    // Score table: score[player][category], NotScored until entered.
    std::array<Table1<Int16, CategoryCount>, MaxPlayers + 1> score{};

    // Dice
    DiceArray dice{};
    Table1<bool, DiceCount> diceToThrow{};

    // Turn and game progress
    Int16 roundNo = 0;
    Int16 curPlayer = 0;
    Int16 throwNo = 0;
    Table1<bool, CategoryCount> catShown{};
    bool busy = false;
    QString promptText;
    // From the end of a complete game until the next one starts: the prompt is
    // "Game Over", and the categories say so too.
    bool gameOver = false;

    // For the current dice, what entering each open category is worth to the player
    // whose turn it is under best play: its score now and the points expected after
    // it; 0 for entered categories and before the first throw. Worked out only while
    // someone watches (the variables monitor).
    Table1<double, CategoryCount> catEval{};

    // The settings folder, ending in a separator.
    QString winDir;

    GameState();

    bool gameInProgress() const { return roundNo > 0; }
    const QString &currentName() const { return playerName[curPlayer]; }
};

// Names and descriptions of the fourteen categories, in category order.
QString categoryName(int category);
QString categoryDescription(int category);
// The captions the category buttons carry before they are first refreshed.
QString initialCategoryCaption(int category);

class Random;

// Start-up initialisation of the game state. `settingsFolder` is where the
// settings file lives; a trailing separator is added when it lacks one.
void InitTables(GameState &state, Random &random, const QString &settingsFolder);

// The user's home folder: HOME, or the account's own when HOME is unset or relative.
QString HomeFolder();
// The game's folder in one of the desktop's base folders: `variable` when it holds an
// absolute path, otherwise `underHome` in the home folder; "korbo" inside either.
QString UserFolder(const char *variable, const char *underHome);
// The folder chosen for the settings file on this machine.
QString GetWindowsDir();

} // namespace korbo
