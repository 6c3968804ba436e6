#include "StatisticsWindow.h"

#include "BestPlay.h"
#include "History.h"
#include "Keyboard.h"
#include "Messages.h"
#include "Palette.h"
#include "Placement.h"
#include "SaveFile.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTimeAxis>
#include <QDir>
#include <QHorizontalBarSeries>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>

namespace korbo {

namespace {

// The histogram's bins, wide enough that a few dozen games show a shape.
constexpr int HistogramWidth = 50;
// The smallest a plot and its words beside it are drawn at the designed size, in twips.
constexpr int PlotWidth = 8400;
constexpr int PlotHeight = 5100;
constexpr int SummaryWidth = 3300;
// Best play's rarest totals at either end are left off the ranges plot, unless the
// player's own games reach there: a tenth of a percent on each side.
constexpr double BestPlayTail = 0.001;
// Dates along a time axis: few enough that each is read whole.
constexpr int DateTicks = 4;
// Pixels between a chart's edge and its axes' labels.
constexpr int ChartMargin = 2;

// A chart in the game's colours whatever the desktop's theme.
QChart *gameChart(const QFont &font)
{
    auto *chart = new QChart;
    chart->setTheme(QChart::ChartThemeLight);
    chart->setBackgroundBrush(PaleGreen);
    chart->setPlotAreaBackgroundBrush(Qt::white);
    chart->setPlotAreaBackgroundVisible(true);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->setLabelColor(Qt::black);
    chart->legend()->setFont(font);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(ChartMargin, ChartMargin, ChartMargin, ChartMargin));
    return chart;
}

void blackAxis(QAbstractAxis *axis, const QFont &font)
{
    axis->setLabelsFont(font);
    axis->setLabelsColor(Qt::black);
    axis->setTitleBrush(Qt::black);
}

// A plot and, beside it, its figures in words, which the keys reach and a screen
// reader reads.
QWidget *plotPage(QChart *chart, const QString &summary, const QString &name, const Zoom &zoom)
{
    auto *page = new QWidget;
    auto *layout = new QHBoxLayout(page);
    auto *view = new QChartView(chart);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(zoom.pxSize(PlotWidth, PlotHeight));
    view->setFocusPolicy(Qt::NoFocus);
    view->viewport()->setFocusPolicy(Qt::NoFocus);
    auto *words = new QLabel(summary);
    words->setObjectName(name);
    words->setWordWrap(true);
    words->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    words->setFocusPolicy(Qt::StrongFocus);
    words->setAccessibleName(summary);
    words->setMinimumWidth(zoom.px(SummaryWidth));
    words->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    layout->addWidget(view, 3);
    layout->addWidget(words, 1);
    return page;
}

// Round figures at the axis's ends; a single value stands between two.
void niceNumbers(QValueAxis *axis)
{
    if (axis->min() == axis->max())
        axis->setRange(axis->min() - 1, axis->max() + 1);
    axis->applyNiceNumbers();
}

// A day either side of a single game, which would otherwise have no span to show.
void spanOfDays(QDateTimeAxis *axis)
{
    if (axis->min() == axis->max())
        axis->setRange(axis->min().addDays(-1), axis->max().addDays(1));
}

// A time axis shows local time, and a game's clock as written should stand there as
// it is: each time moves by the local offset from UTC, worked out once (an hour's
// difference across a change of summer time does not show on an axis of days).
struct AxisTime {
    explicit AxisTime(const QList<PlayerStatistics::Point> &points)
        : shift(points.isEmpty() ? 0 : QDateTime(points.first().played.date(), points.first().played.time()).offsetFromUtc())
    {
    }
    qreal operator()(const QDateTime &played) const { return qreal(played.toMSecsSinceEpoch() - 1000 * shift); }
    qint64 shift;
};

QString number(double value, int decimals = 1)
{
    return QLocale().toString(value, 'f', decimals);
}

} // namespace

StatisticsWindow::StatisticsWindow(HistoryStore &history, const BestPlay &best, Messages &messages, QWidget *parent)
    : QWidget(parent, Qt::Window), m_history(history), m_best(best), m_messages(messages)
{
    setObjectName(QStringLiteral("Statistics"));
    AnswerStandardKeys(this);
    SetSurface(this, PaleGreen);
    setAutoFillBackground(true);

    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    m_playerLabel = new QLabel;
    m_player = new QComboBox;
    m_player->setObjectName(QStringLiteral("cboPlayer"));
    m_playerLabel->setBuddy(m_player);
    top->addWidget(m_playerLabel);
    top->addWidget(m_player, 1);
    layout->addLayout(top);
    m_figures = new QLabel;
    m_figures->setObjectName(QStringLiteral("labFigures"));
    m_figures->setWordWrap(true);
    m_figures->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    m_figures->setFocusPolicy(Qt::StrongFocus);
    layout->addWidget(m_figures);
    m_plots = new QTabWidget;
    m_plots->setObjectName(QStringLiteral("tabPlots"));
    layout->addWidget(m_plots, 1);
    auto *buttons = new QHBoxLayout;
    const auto button = [&](const char *name, void (StatisticsWindow::*slot)()) {
        auto *b = new QPushButton;
        b->setObjectName(QLatin1String(name));
        connect(b, &QPushButton::clicked, this, slot);
        buttons->addWidget(b);
        return b;
    };
    m_export = button("butExport", &StatisticsWindow::exportHistory);
    m_clearPlayer = button("butClearPlayer", &StatisticsWindow::clearPlayer);
    m_clearAll = button("butClearAll", &StatisticsWindow::clearAll);
    buttons->addStretch();
    m_close = new QPushButton;
    m_close->setObjectName(QStringLiteral("butClose"));
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(m_close);
    layout->addLayout(buttons);
    connect(m_player, &QComboBox::currentIndexChanged, this, &StatisticsWindow::showPlayer);
    connect(m_plots, &QTabWidget::currentChanged, this, &StatisticsWindow::showPlot);
    retranslate();
    refresh();
}

void StatisticsWindow::retranslate()
{
    setWindowTitle(tr("Korbo Statistics"));
    m_playerLabel->setText(tr("&Player:"));
    m_export->setText(tr("&Export..."));
    m_clearPlayer->setText(tr("C&lear Player..."));
    m_clearAll->setText(tr("Clear &All..."));
    m_close->setText(tr("Close"));
    m_plots->setAccessibleName(tr("Plots"));
}

void StatisticsWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        refresh();
    }
}

void StatisticsWindow::setZoom(int percent)
{
    if (percent == m_zoom.percent)
        return;
    const Zoom was = m_zoom;
    m_zoom.percent = percent;
    QFont text = QApplication::font(this);
    text.setPointSizeF(m_zoom.points(text.pointSizeF()));
    setFont(text);
    present(); // the same figures, drawn anew at the new size
    if (isVisible()) {
        resize(size() * percent / was.percent);
        keepOnScreen(this);
    }
}

void StatisticsWindow::refresh()
{
    const QVariant was = m_player->currentData(); // by name, not caption: a language change renames "(computer)"
    const QSignalBlocker quiet(m_player);
    m_player->clear();
    for (const HistoryPlayer &p : m_history.players())
        m_player->addItem(p.computer ? tr("%1 (computer)").arg(p.name) : p.name,
                          QVariantList{p.name, p.computer});
    m_player->setCurrentIndex(std::max(0, m_player->findData(was)));
    showPlayer();
}

void StatisticsWindow::showPlayer()
{
    const QVariantList who = m_player->currentData().toList();
    m_shown = who.isEmpty() ? PlayerStatistics{} : m_history.statisticsOf(who[0].toString(), who[1].toBool());
    present();
}

void StatisticsWindow::present()
{
    const PlayerStatistics &s = m_shown;
    const QLocale locale;
    m_figures->setText(
        s.games == 0 ? tr("No finished games yet.")
                     : tr("%n game(s): won %1, shared first place %2. Average %3 (best play %4), best %5, lowest %6, "
                          "standard deviation %7. Upper bonus in %8 % of games (best play %9 %). Korbos %10, "
                          "extra Korbos %11.", nullptr, s.games)
                           .arg(locale.toString(s.wins), locale.toString(s.ties), number(s.average),
                                number(m_best.mean), locale.toString(s.best), locale.toString(s.lowest),
                                number(s.deviation), number(100 * s.bonusRate, 0), number(100 * m_best.bonusRate, 0))
                           .arg(locale.toString(s.korbos), locale.toString(s.extraKorbos)));
    m_figures->setAccessibleName(m_figures->text());

    const int tab = m_plots->currentIndex();
    const QSignalBlocker quiet(m_plots); // each plot is made once its tab is the one shown
    m_makePlot.clear();
    while (m_plots->count() > 0) {
        QWidget *page = m_plots->widget(0);
        m_plots->removeTab(0);
        page->deleteLater();
    }
    if (s.games == 0)
        return;

    // Each plot is made the first time its tab is shown: a long history has many points.
    struct Plot {
        QString caption;
        QWidget *(StatisticsWindow::*make)();
    };
    const Plot plots[] = {{tr("&Totals"), &StatisticsWindow::totalsPage},
                          {tr("&Ranges"), &StatisticsWindow::rangesPage},
                          {tr("&Categories"), &StatisticsWindow::categoriesPage},
                          {tr("C&oach"), &StatisticsWindow::coachPage}};
    for (const Plot &plot : plots) {
        if (plot.make == &StatisticsWindow::coachPage && s.pointsLost.isEmpty())
            continue;
        auto *holder = new QWidget;
        holder->setAutoFillBackground(true); // the window's green, whatever the theme draws under tabs
        new QVBoxLayout(holder);
        holder->layout()->setContentsMargins(QMargins());
        m_makePlot.append(plot.make);
        m_plots->addTab(holder, plot.caption);
    }
    m_plots->setCurrentIndex(std::min(tab, m_plots->count() - 1));
    showPlot(m_plots->currentIndex());
}

void StatisticsWindow::showPlot(int index)
{
    QWidget *holder = m_plots->widget(index);
    if (!holder || index >= m_makePlot.size() || !holder->layout()->isEmpty())
        return;
    QWidget *page = (this->*m_makePlot[index])();
    holder->layout()->addWidget(page);
    // The words come next after the tabs for the Tab key, made later as they are. Where
    // the focus was on the page left (the tab's key pressed from its words), the page
    // coming in was still empty and took it itself: it goes on to its words.
    for (QLabel *words : page->findChildren<QLabel *>())
        if (words->focusPolicy() == Qt::StrongFocus) {
            setTabOrder(m_plots, words);
            setTabOrder(words, m_export);
            if (holder->hasFocus())
                words->setFocus();
        }
}

// Totals over time, with their running average.
QWidget *StatisticsWindow::totalsPage()
{
    const PlayerStatistics &s = m_shown;
    const QLocale locale;
    QChart *chart = gameChart(font());
    // Each game a dot: a line series without its line draws thousands of them at once,
    // where a scatter series makes an item of each.
    auto *totals = new QLineSeries;
    totals->setName(tr("Total"));
    totals->setPointsVisible(true);
    auto *running = new QLineSeries;
    running->setName(tr("Average of the last %n game(s)", nullptr, PlayerStatistics::RunningGames));
    const AxisTime onAxis(s.totals);
    for (const PlayerStatistics::Point &p : s.totals)
        totals->append(onAxis(p.played), p.value);
    for (const PlayerStatistics::Point &p : s.runningAverage)
        running->append(onAxis(p.played), p.value);
    chart->addSeries(totals);
    chart->addSeries(running);
    QPen dots = totals->pen(); // in the theme's colour
    dots.setStyle(Qt::NoPen);
    totals->setPen(dots);
    auto *x = new QDateTimeAxis;
    x->setFormat(QStringLiteral("d MMM yy"));
    x->setTickCount(DateTicks);
    auto *y = new QValueAxis;
    y->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries *series : chart->series()) {
        series->attachAxis(x);
        series->attachAxis(y);
    }
    blackAxis(x, font());
    blackAxis(y, font());
    niceNumbers(y);
    spanOfDays(x);
    const QString summary =
        tr("Totals of %n game(s) from %1 to %2. The average of the last %3 games is %4.", nullptr, s.games)
            .arg(locale.toString(s.totals.first().played.date(), QLocale::ShortFormat),
                 locale.toString(s.totals.last().played.date(), QLocale::ShortFormat),
                 locale.toString(int(PlayerStatistics::RunningGames)), number(s.runningAverage.last().value));
    return plotPage(chart, summary, QStringLiteral("labTotalsSummary"), m_zoom);
}

// Totals by range, beside best play's.
QWidget *StatisticsWindow::rangesPage()
{
    const PlayerStatistics &s = m_shown;
    const QLocale locale;
    QChart *chart = gameChart(font());
    const QList<int> mine = s.histogram(HistogramWidth);
    QList<int> best;
    for (int b = 0; b < m_best.histogram.size(); ++b) {
        const int bin = b * BestPlay::BinWidth / HistogramWidth;
        if (best.size() <= bin)
            best.resize(bin + 1);
        best[bin] += m_best.histogram[b];
    }
    // From the lowest bin either reaches to the highest, best play's rare tails left off.
    const int tail = int(BestPlayTail * m_best.games);
    int first = 0;
    for (int below = 0; first < best.size() && mine.value(first) == 0 && below + best[first] <= tail; ++first)
        below += best[first];
    int last = int(std::max(mine.size(), best.size()));
    for (int above = 0; last > first + 1 && mine.value(last - 1) == 0 && above + best.value(last - 1) <= tail; --last)
        above += best.value(last - 1);
    auto *own = new QBarSet(tr("Your games, %"));
    auto *ideal = new QBarSet(tr("Best play, %"));
    QStringList ranges;
    QStringList lines;
    for (int b = first; b < last; ++b) {
        const double yours = 100.0 * mine.value(b) / s.games;
        const double bests = 100.0 * best.value(b) / std::max(1, m_best.games);
        *own << yours;
        *ideal << bests;
        ranges << locale.toString(b * HistogramWidth);
        lines << tr("%1 to %2: %3 % (best play %4 %)")
                     .arg(locale.toString(b * HistogramWidth), locale.toString((b + 1) * HistogramWidth - 1),
                          number(yours, 0), number(bests, 0));
    }
    auto *series = new QBarSeries;
    series->append(own);
    series->append(ideal);
    chart->addSeries(series);
    auto *x = new QBarCategoryAxis;
    x->append(ranges);
    auto *y = new QValueAxis;
    y->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    blackAxis(x, font());
    blackAxis(y, font());
    niceNumbers(y);
    const auto most = std::max_element(mine.begin(), mine.end()) - mine.begin();
    lines.prepend(tr("Most of your totals, %1 %, lie from %2 to %3. Best play's average is %4.")
                      .arg(number(100.0 * mine.value(int(most)) / s.games, 0),
                           locale.toString(int(most) * HistogramWidth),
                           locale.toString(int(most) * HistogramWidth + HistogramWidth - 1), number(m_best.mean)));
    const QString summary = lines.join(QLatin1Char('\n'));
    return plotPage(chart, summary, QStringLiteral("labRangesSummary"), m_zoom);
}

// Each category's average, beside best play's.
QWidget *StatisticsWindow::categoriesPage()
{
    const PlayerStatistics &s = m_shown;
    QChart *chart = gameChart(font());
    auto *own = new QBarSet(tr("Your average"));
    auto *ideal = new QBarSet(tr("Best play"));
    QStringList names;
    QStringList lines;
    int worst = 1;
    // The first category lies lowest: in turn from the last, Ones stand at the top
    // as on the sheet.
    for (int c = CategoryCount; c >= 1; --c) {
        *own << s.categoryAverage[c];
        *ideal << m_best.categoryAverage[c];
        names << categoryName(c);
        lines.prepend(tr("%1: %2 (best play %3)")
                          .arg(categoryName(c), number(s.categoryAverage[c]), number(m_best.categoryAverage[c])));
        if (m_best.categoryAverage[c] - s.categoryAverage[c] >= m_best.categoryAverage[worst] - s.categoryAverage[worst])
            worst = c;
    }
    // Lying down, so that each category's name is read whole beside its bars.
    auto *series = new QHorizontalBarSeries;
    series->append(own);
    series->append(ideal);
    chart->addSeries(series);
    auto *y = new QBarCategoryAxis;
    y->append(names);
    y->setTruncateLabels(false);
    auto *x = new QValueAxis;
    x->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    blackAxis(x, font());
    blackAxis(y, font());
    niceNumbers(x);
    lines.prepend(tr("%1 costs you most: %2 points a game against best play's %3.")
                      .arg(categoryName(worst), number(s.categoryAverage[worst]),
                           number(m_best.categoryAverage[worst])));
    const QString summary = lines.join(QLatin1Char('\n'));
    return plotPage(chart, summary, QStringLiteral("labCategoriesSummary"), m_zoom);
}

// What the coach counted, game by game.
QWidget *StatisticsWindow::coachPage()
{
    const PlayerStatistics &s = m_shown;
    QChart *chart = gameChart(font());
    auto *lost = new QLineSeries;
    lost->setName(tr("Points lost against best play"));
    double sum = 0;
    const AxisTime onAxis(s.pointsLost);
    for (const PlayerStatistics::Point &p : s.pointsLost) {
        lost->append(onAxis(p.played), p.value);
        sum += p.value;
    }
    chart->addSeries(lost);
    auto *x = new QDateTimeAxis;
    x->setFormat(QStringLiteral("d MMM yy"));
    x->setTickCount(DateTicks);
    auto *y = new QValueAxis;
    y->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    lost->attachAxis(x);
    lost->attachAxis(y);
    blackAxis(x, font());
    blackAxis(y, font());
    niceNumbers(y);
    spanOfDays(x);
    const QString summary = tr("In %n coached game(s) your choices cost %1 points a game on average; the last cost %2.",
                               nullptr, int(s.pointsLost.size()))
                                .arg(number(sum / s.pointsLost.size()), number(s.pointsLost.last().value));
    return plotPage(chart, summary, QStringLiteral("labCoachSummary"), m_zoom);
}

void StatisticsWindow::exportHistory()
{
    const QString path = m_messages.saveFileName(this, tr("Export History"),
                                                 QDir::home().filePath(QStringLiteral("korbo-history.csv")),
                                                 tr("Comma-separated values (*.csv)"));
    if (path.isEmpty())
        return;
    if (const SaveResult saved = SaveWholeFile(path, m_history.csv()); !saved)
        m_messages.warning(this, tr("Export History"), saved.error);
}

void StatisticsWindow::clearPlayer()
{
    const QVariantList who = m_player->currentData().toList();
    if (who.isEmpty()
        || !m_messages.askYesNo(this, tr("Clear History"),
                                tr("Forget every game of %1? This cannot be undone.").arg(m_player->currentText())))
        return;
    if (const SaveResult cleared = m_history.clear(who[0].toString(), who[1].toBool()); !cleared)
        m_messages.warning(this, tr("Clear History"), cleared.error);
    refresh();
}

void StatisticsWindow::clearAll()
{
    if (!m_messages.askYesNo(this, tr("Clear History"), tr("Forget every game of every player? This cannot be undone.")))
        return;
    if (const SaveResult cleared = m_history.clearAll(); !cleared)
        m_messages.warning(this, tr("Clear History"), cleared.error);
    refresh();
}

} // namespace korbo
