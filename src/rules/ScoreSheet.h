#pragma once

#include "GameState.h"

#include <QObject>
#include <QString>

#include <array>

namespace korbo {

// What the score sheet shows: a text per cell, the totals and which names are
// underlined. The commit writes it cell by cell as the score is entered; the
// totals here are what the end of a game reads back.
class ScoreSheet : public QObject {
    Q_OBJECT
public:
    static constexpr int RowsPerPlayer = 16; // categories 1..14, subtotal, bonus
    static constexpr int SubtotalRow = 15;
    static constexpr int BonusRow = 16;
    static constexpr int CellCount = MaxPlayers * RowsPerPlayer;

    explicit ScoreSheet(QObject *parent = nullptr) : QObject(parent) {}

    // labScore index of player p's row k (k: category 1..14, 15 subtotal, 16 bonus).
    static constexpr int cellIndex(int player, int row) { return (player - 1) * RowsPerPlayer + row; }

    const QString &cell(int index) const { return m_cells[index]; }
    const QString &cell(int player, int row) const { return m_cells[cellIndex(player, row)]; }
    void setCell(int player, int row, const QString &text);
    const QString &total(int player) const { return m_totals[player]; }
    void setTotal(int player, const QString &text);
    bool underlined(int player) const { return m_underlined[player]; }
    void setUnderlined(int player, bool on);

    // Empties every score cell and every total.
    void ClearScoreSheet();

    // The leading whole number of a total's text; an empty text counts 0.
    static int numericValue(const QString &text);

signals:
    void changed();

private:
    std::array<QString, CellCount + 1> m_cells{};
    std::array<QString, MaxPlayers + 1> m_totals{};
    std::array<bool, MaxPlayers + 1> m_underlined{};
};

// The player with the strictly highest total above 0, the lower number on a tie;
// 0 with fewer than two players or when nobody has scored.
int FindLeader(const ScoreSheet &sheet, int numPlayers);

} // namespace korbo
