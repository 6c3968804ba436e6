#include "ScoreSheet.h"

namespace korbo {

void ScoreSheet::setCell(int player, int row, const QString &text)
{
    QString &cell = m_cells[cellIndex(player, row)];
    if (cell == text)
        return;
    cell = text;
    emit changed();
}

void ScoreSheet::setTotal(int player, const QString &text)
{
    if (m_totals[player] == text)
        return;
    m_totals[player] = text;
    emit changed();
}

void ScoreSheet::setUnderlined(int player, bool on)
{
    if (m_underlined[player] == on)
        return;
    m_underlined[player] = on;
    emit changed();
}

void ScoreSheet::ClearScoreSheet()
{
    for (QString &cell : m_cells)
        cell.clear();
    for (QString &total : m_totals)
        total.clear();
    emit changed();
}

int ScoreSheet::numericValue(const QString &text)
{
    const QString trimmed = text.trimmed();
    qsizetype end = 0;
    if (end < trimmed.size() && (trimmed[end] == u'-' || trimmed[end] == u'+'))
        ++end;
    while (end < trimmed.size() && trimmed[end].isDigit())
        ++end;
    bool ok = false;
    const int value = trimmed.left(end).toInt(&ok);
    return ok ? value : 0;
}

int FindLeader(const ScoreSheet &sheet, int numPlayers)
{
    if (numPlayers < 2)
        return 0;
    int leader = 0, best = 0;
    for (int p = 1; p <= numPlayers; ++p) {
        const int value = ScoreSheet::numericValue(sheet.total(p));
        if (value > best) {
            best = value;
            leader = p;
        }
    }
    return leader;
}

} // namespace korbo
