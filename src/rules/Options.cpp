#include "Options.h"

namespace korbo {

QString diceStyleCaption(int style)
{
    static const char *const captions[DiceStyleCount] = {
        "Standard", "Traditional", "Ladybirds", "Rainbow", "Buttons", "Photo", "User Defined",
    };
    if (style < 1 || style > DiceStyleCount)
        return {};
    return QString::fromLatin1(captions[style - 1]);
}

QString soundCaption(SoundChoice choice)
{
    switch (choice) {
    case SoundChoice::Off: return QStringLiteral("Off");
    case SoundChoice::On: return QStringLiteral("On");
    case SoundChoice::Zany: return QStringLiteral("Zany");
    }
    return {};
}

} // namespace korbo
