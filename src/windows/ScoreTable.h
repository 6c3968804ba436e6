#pragma once

#include "ScoreSheet.h"

#include <QLabel>
#include <QWidget>

#include <array>

namespace korbo {

// The score sheet as a table, for the keyboard and a screen reader. Its cells are its
// own child labels: one row for each line of the sheet and one for the totals; the
// first column holds the rows' captions, then one column for each player in the
// game. The captions are also the rows' headers and the players' names above the
// table its columns' headers. (A reader reading a whole row as the focus goes up or
// down says its cells and no headers, so the caption is the row's first cell.) The
// arrow keys move the focus from cell to cell (Home and End to the row's ends, Page
// Up and Page Down to the column's), and only the cell last visited takes the focus
// from Tab, so the table is one stop on the way through the window. It paints
// nothing itself: the sheet looks the same with it as without.
class ScoreTable : public QWidget {
    Q_OBJECT
public:
    static constexpr int Rows = ScoreSheet::RowsPerPlayer + 1; // the sheet's lines, then the total
    static constexpr int TotalRow = Rows - 1;

    explicit ScoreTable(QWidget *parent);

    // Rows and columns count from 0; column 0 holds the captions, column p player p.
    void setCell(int row, int column, QLabel *cell) { m_cells[row][column] = cell; }
    void setColumnHeader(int column, QLabel *header) { m_columnHeaders[column] = header; }
    QLabel *cell(int row, int column) const { return m_cells[row][column]; }
    QLabel *rowHeader(int row) const { return m_cells[row][0]; }
    QLabel *columnHeader(int column) const { return m_columnHeaders[column]; }

    int columnCount() const { return m_players + 1; }
    // Only the players in the game have columns; the focus stays in the table.
    void setPlayerCount(int players);
    // Where a cell stands, or (-1, -1) for a label that is none of the table's cells.
    QPoint positionOf(const QLabel *cell) const;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void moveTo(int row, int column);

    std::array<std::array<QLabel *, MaxPlayers + 1>, Rows> m_cells{};
    std::array<QLabel *, MaxPlayers + 1> m_columnHeaders{}; // none over the captions
    int m_players = 0;
    int m_row = 0;
    int m_column = 1;
};

} // namespace korbo
