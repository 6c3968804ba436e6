#pragma once

#include "Statistics.h"
#include "Twips.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;

namespace korbo {

class HistoryStore;
class Messages;
struct BestPlay;

// "Korbo Statistics": one player's history of games, in figures and in plots beside
// what best play reaches. Each plot has its figures in words beside it, which a
// screen reader reads (a chart gives it nothing).
class StatisticsWindow : public QWidget {
    Q_OBJECT
public:
    StatisticsWindow(HistoryStore &history, const BestPlay &best, Messages &messages, QWidget *parent = nullptr);

    QComboBox *cboPlayer() const { return m_player; }
    // The figures shown, as worked out for the chosen player.
    const PlayerStatistics &shown() const { return m_shown; }
    // The players anew from the history, keeping the chosen one where there still is one.
    void refresh();
    // Texts and plots grow and shrink with the board.
    void setZoom(int percent);
    int zoom() const { return m_zoom.percent; }
    QTabWidget *plots() const { return m_plots; }

protected:
    void changeEvent(QEvent *event) override;

private:
    // Every text in the language in use.
    void retranslate();
    // The chosen player's figures read from the history, then shown.
    void showPlayer();
    // The figures read last, in words and plots.
    void present();
    // The plot on tab `index`, made if it is not yet.
    void showPlot(int index);
    QWidget *totalsPage();
    QWidget *rangesPage();
    QWidget *categoriesPage();
    QWidget *coachPage();
    void exportHistory();
    void clearPlayer();
    void clearAll();

    HistoryStore &m_history;
    const BestPlay &m_best;
    Messages &m_messages;
    QComboBox *m_player = nullptr;
    QLabel *m_playerLabel = nullptr;
    QLabel *m_figures = nullptr;
    QPushButton *m_export = nullptr;
    QPushButton *m_clearPlayer = nullptr;
    QPushButton *m_clearAll = nullptr;
    QPushButton *m_close = nullptr;
    Zoom m_zoom;
    QTabWidget *m_plots = nullptr;
    PlayerStatistics m_shown;
    QList<QWidget *(StatisticsWindow::*)()> m_makePlot;
};

} // namespace korbo
