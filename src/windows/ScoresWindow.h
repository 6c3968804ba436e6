#pragma once

#include "GameState.h"
#include "ScoreSheet.h"

#include <QLabel>
#include <QWidget>

#include <array>

class QPrinter;

namespace korbo {

class Game;
class ScoreTable;

// "Korbo Scores": every player's entries, subtotal, bonus and total, one column per
// player. Always laid out for six players; its width shows the players in the game.
// Closing it only hides it.
class ScoresWindow : public QWidget {
    Q_OBJECT
public:
    explicit ScoresWindow(Game &game, QWidget *parent = nullptr);

    QLabel *labName(int p) const { return m_names[p]; }
    QLabel *labCat(int row) const { return m_rows[row]; }
    QLabel *labScore(int index) const { return m_cells[index]; }
    QLabel *labTotal(int p) const { return m_totals[p]; }
    ScoreTable *table() const { return m_table; }

    // The names are narrowed at most to this stretch, then cut short.
    static constexpr int NarrowestName = 75;
    // Width for a number of players: the row labels and that many columns.
    static int widthFor(int players);
    void setPlayerCount(int players);
    // The names as the game state has them now.
    void refreshNames();
    // Paints the sheet's client area, as it looks now, on a printer's page.
    void printTo(QPrinter &printer);

signals:
    void hiddenByUser();

protected:
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *) override;
    void changeEvent(QEvent *event) override;

private:
    // The captions and title in the language in use.
    void retranslate();
    void refresh();

    Game &m_game;
    Table1<QLabel *, MaxPlayers> m_names{};
    Table1<QLabel *, ScoreSheet::RowsPerPlayer> m_rows{};
    Table1<QLabel *, ScoreSheet::CellCount> m_cells{};
    Table1<QLabel *, MaxPlayers> m_totals{};
    ScoreTable *m_table = nullptr;
    QLabel *m_totalHead = nullptr;
    QLabel *m_summary = nullptr;
    int m_players = 0;
    // The coach's summary laid out under the totals, the window as tall as it needs.
    void fitSummary();
};

} // namespace korbo
