#include "Options.h"

namespace korbo {

QString diceStyleCaption(int style)
{
    return QString::fromLatin1(diceStyleEntry(style).caption);
}

int diceStyleOfToken(const QString &token)
{
    for (int style = 1; style <= DiceStyleCount; ++style)
        if (token.compare(QLatin1String(DiceStyles[style - 1].token), Qt::CaseInsensitive) == 0)
            return style;
    return 0;
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
