// Fuzz target: the settings reader, from bytes and from a device.
// Whatever the file holds, every setting must end up with a value the game knows,
// both ways of reading must agree, and what the game writes must read back the same.
#include "Options.h"
#include "Settings.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

using namespace korbo;

namespace {

// Two sets of options alike in all the file holds, and in whether Mute Dice can be used.
bool sameSettings(const Options &a, const Options &b)
{
    return SettingsFileBytes(a) == SettingsFileBytes(b) && a.noThrowSoundsEnabled == b.noThrowSoundsEnabled;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    Options fromBytes, fromDevice;
    ReadSettingsBytes(fromBytes, bytes);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    ReadSettings(fromDevice, buffer);

    for (std::int16_t box : {fromBytes.animationValue, fromBytes.textButtonsValue, fromBytes.crossHairValue,
                             fromBytes.autoThrowValue, fromBytes.underlineWinnerValue, fromBytes.noThrowSoundsValue})
        if (box < 0 || box > 2)
            std::abort();
    if (fromBytes.diceStyle < 1 || fromBytes.diceStyle > DiceStyleCount || !sameSettings(fromBytes, fromDevice))
        std::abort();

    // The file the game writes for these settings gives them back.
    Options again;
    again.noThrowSoundsEnabled = fromBytes.noThrowSoundsEnabled;
    ReadSettingsBytes(again, SettingsFileBytes(fromBytes));
    if (!sameSettings(fromBytes, again))
        std::abort();
    return 0;
}
