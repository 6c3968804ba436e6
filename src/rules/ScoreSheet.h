#pragma once

#include "GameState.h"

#include <QObject>
#include <QString>

#include <array>

namespace korbo {

// What the score sheet shows, read from the score table: a text per cell, the totals
// and which names are underlined. The game says when the table changed; the sheet
// window then reads the cells again.
class ScoreSheet : public QObject {
    Q_OBJECT
public:
    static constexpr int RowsPerPlayer = CategoryCount + 2; // the categories, subtotal, bonus
    static constexpr int SubtotalRow = CategoryCount + 1;
    static constexpr int BonusRow = CategoryCount + 2;
    static constexpr int CellCount = MaxPlayers * RowsPerPlayer;

    explicit ScoreSheet(const GameState &state, QObject *parent = nullptr) : QObject(parent), m_state(state) {}

    // labScore index of player p's row k (k: a category, SubtotalRow or BonusRow).
    static constexpr int cellIndex(int player, int row) { return (player - 1) * RowsPerPlayer + row; }

    // A category's entry, the upper subtotal once an upper category is entered, the
    // bonus once it is decided; empty otherwise.
    QString cell(int player, int row) const;
    QString cell(int index) const { return cell((index - 1) / RowsPerPlayer + 1, (index - 1) % RowsPerPlayer + 1); }
    // The player's total, from the first entry on.
    QString total(int player) const;
    bool underlined(int player) const { return m_underlined[player]; }
    void setUnderlined(int player, bool on);

    // The score table changed.
    void refresh() { emit changed(); }

    // What the coach says of a finished game, under the totals; empty for none.
    const QString &summary() const { return m_summary; }
    void setSummary(const QString &text)
    {
        if (text != m_summary) {
            m_summary = text;
            emit changed();
        }
    }

signals:
    void changed();

private:
    const GameState &m_state;
    std::array<bool, MaxPlayers + 1> m_underlined{};
    QString m_summary;
};

} // namespace korbo
