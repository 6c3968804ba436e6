#include "ScoresWindow.h"

#include "BoardView.h"
#include "Game.h"
#include "Keyboard.h"
#include "Palette.h"
#include "ScoreTable.h"
#include "Twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace korbo {

namespace {

const QColor kOddRow(0, 64, 0);
const QColor kEvenRow(0, 112, 0);
constexpr int kCellWidth = 1035, kCellHeight = 255;
constexpr int kClientHeight = 5760;

int columnLeft(int p) { return 1260 + (p - 1) * 1200; }

// Sheet rows: categories 1..6, subtotal, bonus, categories 7..14.
int rowOfEntry(int k)
{
    if (k <= Sixes)
        return k;
    if (k == ScoreSheet::SubtotalRow)
        return 7;
    if (k == ScoreSheet::BonusRow)
        return 8;
    return k + 2;
}

void colour(QLabel *label, const QColor &c)
{
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, c);
    label->setPalette(pal);
}

} // namespace

ScoresWindow::ScoresWindow(Game &game, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      m_game(game)
{
    setObjectName(QStringLiteral("Scores"));
    AnswerStandardKeys(this);
    SetSurface(this, PaleGreen);
    setAutoFillBackground(true);

    // The table holds the rows' captions, the scores and the totals; the names stand
    // above it.
    m_table = new ScoreTable(this);
    place(m_table, QRect(120, 480, columnLeft(MaxPlayers) + kCellWidth - 120, 5400 + kCellHeight - 480));
    for (int r = 1; r <= ScoreSheet::RowsPerPlayer; ++r) {
        QLabel *label = placedLabel(m_table, 120, 480 + (r - 1) * 300, Qt::AlignRight, true);
        m_table->setCell(r - 1, 0, label);
        label->setObjectName(QStringLiteral("labCat%1").arg(r));
        colour(label, r % 2 ? kOddRow : kEvenRow);
        m_rows[r] = label;
    }
    // The totals' row has no caption to see; a screen reader names it.
    m_totalHead = placedLabel(m_table, 120, 5400, Qt::AlignRight, true);
    m_totalHead->setObjectName(QStringLiteral("labTotalHead"));
    m_table->setCell(ScoreTable::TotalRow, 0, m_totalHead);
    retranslate();
    for (int p = 1; p <= MaxPlayers; ++p) {
        m_names[p] = placedLabel(this, columnLeft(p), 120, Qt::AlignHCenter, true);
        m_names[p]->setObjectName(QStringLiteral("labName%1").arg(p));
        m_table->setColumnHeader(p, m_names[p]);
        m_totals[p] = placedLabel(m_table, columnLeft(p), 5400, Qt::AlignHCenter, true);
        m_totals[p]->setObjectName(QStringLiteral("labTotal%1").arg(p));
        m_table->setCell(ScoreTable::TotalRow, p, m_totals[p]);
        for (int k = 1; k <= ScoreSheet::RowsPerPlayer; ++k) {
            const int row = rowOfEntry(k);
            QLabel *cell = placedLabel(m_table, columnLeft(p), 480 + (row - 1) * 300, Qt::AlignHCenter, false);
            cell->setObjectName(QStringLiteral("labScore%1").arg(ScoreSheet::cellIndex(p, k)));
            colour(cell, row % 2 ? kOddRow : kEvenRow);
            m_cells[ScoreSheet::cellIndex(p, k)] = cell;
            m_table->setCell(row - 1, p, cell);
        }
    }
    // The coach's word on a finished game, under the totals.
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("labCoach"));
    m_summary->setWordWrap(true);
    colour(m_summary, kOddRow);
    setPlayerCount(game.state().numPlayers);
    refreshNames();
    refresh();
    connect(&game.sheet(), &ScoreSheet::changed, this, &ScoresWindow::refresh);
}

QLabel *ScoresWindow::placedLabel(QWidget *parent, int left, int top, Qt::Alignment align, bool bold)
{
    auto *label = new QLabel(parent);
    place(label, QRect(left, top, kCellWidth, kCellHeight));
    label->setAlignment(align | Qt::AlignVCenter);
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
    return label;
}

void ScoresWindow::place(QWidget *control, const QRect &twips)
{
    if (std::none_of(m_placed.begin(), m_placed.end(), [control](const auto &p) { return p.first == control; }))
        m_placed.emplace_back(control, twips);
    const QPoint parentAt = control->parentWidget() == this ? QPoint() : control->parentWidget()->pos();
    control->setGeometry(m_zoom.pxRect(twips.x(), twips.y(), twips.width(), twips.height()).translated(-parentAt));
}

void ScoresWindow::layOut()
{
    for (const auto &[control, twips] : m_placed)
        place(control, twips);
}

void ScoresWindow::setZoom(int percent)
{
    if (percent == m_zoom.percent)
        return;
    m_zoom.percent = percent;
    QFont sheet = QApplication::font(this);
    sheet.setPointSizeF(m_zoom.points(sheet.pointSizeF()));
    setFont(sheet);
    for (QLabel *label : findChildren<QLabel *>()) {
        QFont font = label->font();
        font.setPointSizeF(sheet.pointSizeF());
        label->setFont(font);
    }
    layOut();
    retranslate();
    refreshNames();
    fitSummary();
    update();
}

void ScoresWindow::retranslate()
{
    setWindowTitle(tr("Korbo Scores"));
    for (int r = 1; r <= ScoreSheet::RowsPerPlayer; ++r) {
        QLabel *label = m_rows[r];
        label->setText(r <= Sixes ? categoryName(r) : r == 7 ? tr("Subtotal") : r == 8 ? tr("Bonus") : categoryName(r - 2));
        // A caption longer than its column is narrowed, then made smaller, to stay whole.
        QFont bold = font();
        bold.setBold(true);
        label->setFont(fittedFont(bold, label->text(), label->contentsRect(), label->alignment()));
    }
    m_totalHead->setAccessibleName(tr("Total"));
}

void ScoresWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

int ScoresWindow::widthFor(int players, Zoom zoom)
{
    return zoom.px((players + 1) * 1275);
}

void ScoresWindow::setPlayerCount(int players)
{
    m_players = players;
    m_table->setPlayerCount(players);
    fitSummary();
}

void ScoresWindow::fitSummary()
{
    const int width = widthFor(m_players, m_zoom);
    const int margin = m_zoom.px(120);
    m_summary->setText(m_game.sheet().summary());
    const int height = m_summary->text().isEmpty() ? 0 : m_summary->heightForWidth(width - 2 * margin);
    m_summary->setGeometry(margin, m_zoom.px(kClientHeight), width - 2 * margin, height);
    m_summary->setVisible(height > 0);
    setFixedSize(width, m_zoom.px(kClientHeight) + (height > 0 ? height + margin : 0));
}

void ScoresWindow::refreshNames()
{
    // The names share one font, at the sheet's size: narrowed together as far as the
    // longest needs, down to three quarters. A name still too long is cut short, and
    // is whole in its tooltip and for a screen reader.
    QFont shared = font();
    shared.setBold(true);
    const int width = m_names[1]->contentsRect().width();
    for (int stretch = 100; stretch >= NarrowestName; stretch -= 5) {
        shared.setStretch(stretch);
        const QFontMetrics metrics(shared);
        const auto fits = [&](const QString &name) { return metrics.horizontalAdvance(name) <= width; };
        if (std::all_of(m_game.state().playerName.begin(), m_game.state().playerName.end(), fits))
            break;
    }
    const QFontMetrics metrics(shared);
    for (int p = 1; p <= MaxPlayers; ++p) {
        QLabel *label = m_names[p];
        const QString &name = m_game.state().playerName[p];
        const QString shown = metrics.elidedText(name, Qt::ElideRight, width);
        label->setText(shown);
        label->setToolTip(shown == name ? QString() : name);
        label->setAccessibleName(shown == name ? QString() : name);
        QFont font = shared;
        font.setUnderline(label->font().underline());
        label->setFont(font);
    }
}

void ScoresWindow::refresh()
{
    const ScoreSheet &sheet = m_game.sheet();
    if (sheet.summary() != m_summary->text())
        fitSummary();
    for (int i = 1; i <= ScoreSheet::CellCount; ++i)
        m_cells[i]->setText(sheet.cell(i));
    for (int p = 1; p <= MaxPlayers; ++p) {
        m_totals[p]->setText(sheet.total(p));
        for (QLabel *label : {m_names[p], m_totals[p]}) {
            QFont font = label->font();
            font.setUnderline(sheet.underlined(p));
            label->setFont(font);
        }
    }
}

void ScoresWindow::paintEvent(QPaintEvent *)
{
    // The line that sets the totals apart from the table.
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, std::max(1, m_zoom.px(TwipsPerPixel))));
    painter.drawLine(m_zoom.px(0, 5280), m_zoom.px(9060, 5280));
}

void ScoresWindow::closeEvent(QCloseEvent *event)
{
    // The sheet stays for the whole run; its close box only hides it.
    event->ignore();
    hide();
    emit hiddenByUser();
}

void ScoresWindow::printTo(QPrinter &printer)
{
    const QPixmap image = grab();
    QPainter painter(&printer);
    const QRect page = painter.viewport();
    QSize size = image.deviceIndependentSize().toSize();
    // As large as the page allows, keeping the sheet's proportions.
    size.scale(page.size(), Qt::KeepAspectRatio);
    painter.setViewport(page.x(), page.y(), size.width(), size.height());
    painter.setWindow(image.rect());
    painter.drawPixmap(0, 0, image);
}

} // namespace korbo
