// Fuzz target: the settings reader, from bytes and from a device.
// Whatever the file holds, every setting must end up with a value the game knows,
// both ways of reading must agree, and what the game writes must read back the same.
#include "Options.h"
#include "Settings.h"

#include <QBuffer>

#include <cstdlib>
#include <cstdint>

using namespace korbo;

namespace {

bool knownBox(std::int16_t value)
{
    return value >= 0 && value <= 2;
}

bool sameSettings(const Options &a, const Options &b)
{
    return a.animationValue == b.animationValue && a.textButtonsValue == b.textButtonsValue
        && a.crossHairValue == b.crossHairValue && a.autoThrowValue == b.autoThrowValue
        && a.underlineWinnerValue == b.underlineWinnerValue
        && a.noThrowSoundsValue == b.noThrowSoundsValue
        && a.noThrowSoundsEnabled == b.noThrowSoundsEnabled && a.sound == b.sound
        && a.diceStyle == b.diceStyle;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));

    Options fromBytes;
    ReadSettingsBytes(fromBytes, bytes);

    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    Options fromDevice;
    ReadSettings(fromDevice, buffer);

    for (std::int16_t box : {fromBytes.animationValue, fromBytes.textButtonsValue,
                             fromBytes.crossHairValue, fromBytes.autoThrowValue,
                             fromBytes.underlineWinnerValue, fromBytes.noThrowSoundsValue})
        if (!knownBox(box))
            std::abort();
    if (fromBytes.diceStyle < 1 || fromBytes.diceStyle > DiceStyleCount)
        std::abort();
    if (!sameSettings(fromBytes, fromDevice))
        std::abort();

    // The file the game writes for these settings gives them back.
    Options again;
    again.noThrowSoundsEnabled = fromBytes.noThrowSoundsEnabled;
    ReadSettingsBytes(again, SettingsFileBytes(fromBytes));
    if (!sameSettings(fromBytes, again))
        std::abort();
    return 0;
}
