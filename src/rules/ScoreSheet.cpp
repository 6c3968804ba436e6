#include "ScoreSheet.h"

#include "Scoring.h"

namespace korbo {

namespace {
QString shown(int value) { return value == NotScored ? QString() : QString::number(value); }
} // namespace

QString ScoreSheet::cell(int player, int row) const
{
    if (row == SubtotalRow)
        return shown(UpperSubtotal(m_state, player));
    if (row == BonusRow)
        return shown(UpperBonus(m_state, player));
    return shown(m_state.score[player][row]);
}

QString ScoreSheet::total(int player) const
{
    for (int c = 1; c <= CategoryCount; ++c)
        if (m_state.score[player][c] != NotScored)
            return QString::number(PlayerTotal(m_state, player));
    return {};
}

void ScoreSheet::setUnderlined(int player, bool on)
{
    if (m_underlined[player] == on)
        return;
    m_underlined[player] = on;
    emit changed();
}

} // namespace korbo
