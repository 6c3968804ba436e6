#pragma once

#include "GameState.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace korbo {

// The faces of the dice marked in `which`, smallest first, as the status line names
// them: "5 5 6".
inline QString facesText(const DiceArray &dice, const Table1<bool, DiceCount> &which)
{
    QList<int> faces;
    for (int d = 1; d <= DiceCount; ++d)
        if (which[d])
            faces.append(dice[d]);
    std::sort(faces.begin(), faces.end());
    QStringList words;
    for (int face : faces)
        words.append(QString::number(face));
    return words.join(QLatin1Char(' '));
}

// Whether a die held now is left out of `hold`, and so goes back into play: then
// "holds 6 6" alone would read as "holds 6 6 as well".
inline bool putsHeldDiceBack(const GameState &state, const Table1<bool, DiceCount> &hold)
{
    for (int d = 1; d <= DiceCount; ++d)
        if (!state.diceToThrow[d] && !hold[d])
            return true;
    return false;
}

// "1 joker left", "2 jokers left".
inline QString jokersLeftText(int left)
{
    return QCoreApplication::translate("korbo::DiceText", "%n joker(s) left", nullptr, left);
}

} // namespace korbo
