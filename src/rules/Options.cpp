#include "Options.h"

#include <QCoreApplication>

namespace korbo {

QString diceStyleCaption(int style)
{
    return QCoreApplication::translate("korbo::Options", diceStyleEntry(style).caption);
}

int diceStyleOfToken(const QString &token)
{
    for (int style = 1; style <= DiceStyleCount; ++style)
        if (token.compare(QLatin1String(DiceStyles[style - 1].token), Qt::CaseInsensitive) == 0)
            return style;
    return 0;
}

QString soundToken(SoundChoice choice)
{
    switch (choice) {
    case SoundChoice::Off: return QStringLiteral("Off");
    case SoundChoice::On: return QStringLiteral("On");
    case SoundChoice::Zany: return QStringLiteral("Zany");
    }
    return {};
}

const char *soundCaptionSource(SoundChoice choice)
{
    switch (choice) {
    case SoundChoice::Off: return QT_TRANSLATE_NOOP("korbo::Options", "Off");
    case SoundChoice::On: return QT_TRANSLATE_NOOP("korbo::Options", "On");
    case SoundChoice::Zany: return QT_TRANSLATE_NOOP("korbo::Options", "Zany");
    }
    return "";
}

} // namespace korbo
