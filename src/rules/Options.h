#pragma once

#include "GameState.h"

#include <iterator>

#include <QObject>
#include <QString>

#include <cstdint>

namespace korbo {

enum class SoundChoice : int { Off = 0, On = 1, Zany = 2 };

// Dice styles as the options list them: each is a name here and a row in the table
// below; the artwork lists a painter for each.
enum DiceStyle : int {
    StyleStandard = 1, StyleTraditional, StyleLadybirds, StyleRainbow, StyleButtons, StylePhoto,
    StyleUserDefined
};

struct DiceStyleEntry {
    const char *token;   // the word in the settings file, the same in every language
    const char *caption; // the Options window's row, in English (translated where shown)
    bool userPictures;   // faces imported by the player, not painted
};

inline constexpr DiceStyleEntry DiceStyles[] = {
    {"Standard", QT_TRANSLATE_NOOP("korbo::Options", "Standard"), false},
    {"Traditional", QT_TRANSLATE_NOOP("korbo::Options", "Traditional"), false},
    {"Ladybirds", QT_TRANSLATE_NOOP("korbo::Options", "Ladybirds"), false},
    {"Rainbow", QT_TRANSLATE_NOOP("korbo::Options", "Rainbow"), false},
    {"Buttons", QT_TRANSLATE_NOOP("korbo::Options", "Buttons"), false},
    {"Photo", QT_TRANSLATE_NOOP("korbo::Options", "Photo"), false},
    {"User Defined", QT_TRANSLATE_NOOP("korbo::Options", "User Defined"), true},
};
inline constexpr int DiceStyleCount = static_cast<int>(std::size(DiceStyles));
static_assert(StyleUserDefined == DiceStyleCount, "every named dice style has its row in DiceStyles");

// A style's row; an unknown style number is the standard style.
inline constexpr int knownDiceStyle(int style) { return style >= 1 && style <= DiceStyleCount ? style : StyleStandard; }
inline constexpr const DiceStyleEntry &diceStyleEntry(int style) { return DiceStyles[knownDiceStyle(style) - 1]; }
// The style's row in the Options window, in the language in use.
QString diceStyleCaption(int style);
// The style a settings file's word names, 0 for none.
int diceStyleOfToken(const QString &token);
// The sound choice as the settings file writes it ("Off", "On", "Zany").
QString soundToken(SoundChoice choice);
// The choice's row in the Options window, in English (the source of its translations).
const char *soundCaptionSource(SoundChoice choice);

// The values of the Options dialog's controls. Check boxes keep their raw value
// (0 off, 1 on, 2 grayed) because the settings file stores exactly that.
struct OptionValues {
    // Raw check box values, as the dialog designs them before any settings load.
    std::int16_t animationValue = 1;
    std::int16_t textButtonsValue = 0;
    std::int16_t crossHairValue = 0;
    std::int16_t autoThrowValue = 0;
    std::int16_t underlineWinnerValue = 1;
    std::int16_t showRecordsValue = 1;
    std::int16_t noThrowSoundsValue = 0;
    bool noThrowSoundsEnabled = true;
    SoundChoice sound = SoundChoice::On;
    int diceStyle = StyleStandard;
    // Game / Coach: says what a choice cost. Not one of the Options window's controls.
    bool coach = false;
    // Help / Language: the language the player chose ("de"); empty follows the desktop.
    // Not one of the Options window's controls either.
    QString language;
    // The company of the last game, offered by the Players dialog at the next start.
    // Empty until the players were first chosen.
    Table1<QString, MaxPlayers> lastNames{};
    Table1<bool, MaxPlayers> lastComputer{};
    // How large the board was drawn, in percent of its designed size, and whether its
    // window filled the screen. Kept once the player has zoomed, resized or maximised.
    int zoom = 100;
    bool maximised = false;
    bool fullScreen = false;

    bool animation() const { return animationValue != 0; }
    bool textButtons() const { return textButtonsValue != 0; }
    bool crossHair() const { return crossHairValue != 0; }
    bool autoThrow() const { return autoThrowValue != 0; }
    bool underlineWinner() const { return underlineWinnerValue != 0; }
    bool showRecords() const { return showRecordsValue == 1; }
    bool noThrowSounds() const { return noThrowSoundsValue != 0; }


    bool operator==(const OptionValues &) const = default;
};

// The options in force. The dialog changes them through the game as its controls
// change, and every reader asks at the moment of use, so reads always see the
// dialog's current state.
class Options : public QObject, public OptionValues {
    Q_OBJECT
public:
    explicit Options(QObject *parent = nullptr) : QObject(parent) {}
    const OptionValues &values() const { return *this; }

signals:
    // Emitted by whoever edits the options (the dialog, the settings load) once the
    // values have been put in place, so views that depend on them can refresh.
    void changed();
};

} // namespace korbo
