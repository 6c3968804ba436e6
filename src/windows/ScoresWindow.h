#pragma once

#include "GameState.h"
#include "ScoreSheet.h"
#include "Twips.h"

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
    static int widthFor(int players, Zoom zoom = {});
    // The sheet drawn at the board's zoom, in percent of its designed size.
    void setZoom(int percent);
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
    // A label at a place on the sheet, given in twips in the window's coordinates also
    // when it belongs to the table.
    QLabel *placedLabel(QWidget *parent, int left, int top, Qt::Alignment align, bool bold);
    // A control at its place in twips, at the zoom.
    void place(QWidget *control, const QRect &twips);
    // Every placed control where the zoom puts it.
    void layOut();
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
    Zoom m_zoom;
    // Each control and its place in twips, in the window's coordinates, containers first.
    std::vector<std::pair<QWidget *, QRect>> m_placed;
    // The coach's summary laid out under the totals, the window as tall as it needs.
    void fitSummary();
};

} // namespace korbo
