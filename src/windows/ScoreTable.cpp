#include "ScoreTable.h"

#include "Keyboard.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>

#include <algorithm>

namespace korbo {

namespace {

QString shownText(const QLabel *label)
{
    // A name cut short to fit is whole in its accessible name.
    return label->accessibleName().isEmpty() ? label->text() : label->accessibleName();
}

// A player's name over a column.
class HeaderAccess : public QAccessibleWidget {
public:
    explicit HeaderAccess(QLabel *label) : QAccessibleWidget(label, QAccessible::ColumnHeader) {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return shownText(static_cast<const QLabel *>(widget()));
        return QAccessibleWidget::text(t);
    }
};

const ScoreTable *tableOf(const QWidget *cell)
{
    return static_cast<const ScoreTable *>(cell->parentWidget());
}

// A reader asks the table for a cell's row and column and for the headers over it:
// the table answers from what the sheet shows.
class CellAccess : public QAccessibleWidget, public QAccessibleTableCellInterface {
public:
    explicit CellAccess(QLabel *cell) : QAccessibleWidget(cell, QAccessible::Cell) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const auto *label = static_cast<const QLabel *>(widget());
        // The leader's name and total are underlined on the sheet.
        if (rowIndex() == ScoreTable::TotalRow && columnIndex() > 0 && label->font().underline() && !label->text().isEmpty())
            return ScoreTable::tr("%1, in the lead").arg(label->text());
        return shownText(label);
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface *> columnHeaderCells() const override
    {
        return headers(tableOf(widget())->columnHeader(columnIndex()));
    }
    QList<QAccessibleInterface *> rowHeaderCells() const override
    {
        // The caption heads its own row too: the table's row header is asked of the
        // row's first cell.
        return headers(tableOf(widget())->rowHeader(rowIndex()));
    }
    int columnIndex() const override { return position().x(); }
    int rowIndex() const override { return position().y(); }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return parent(); }

private:
    QPoint position() const { return tableOf(widget())->positionOf(static_cast<const QLabel *>(widget())); }
    static QList<QAccessibleInterface *> headers(QLabel *header)
    {
        if (!header)
            return {};
        return {QAccessible::queryAccessibleInterface(header)};
    }
};

class TableAccess : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit TableAccess(ScoreTable *table) : QAccessibleWidget(table, QAccessible::Table) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return ScoreTable::tr("Scores");
        return QAccessibleWidget::text(t);
    }

    // The children are the cells of the players in the game, row by row.
    int childCount() const override { return rowCount() * columnCount(); }
    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        return cellAt(index / columnCount(), index % columnCount());
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const auto *cell = child ? qobject_cast<const QLabel *>(child->object()) : nullptr;
        const QPoint at = cell ? table()->positionOf(cell) : QPoint(-1, -1);
        return at.x() < 0 ? -1 : at.y() * columnCount() + at.x();
    }

    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override
    {
        if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
            return nullptr;
        return QAccessible::queryAccessibleInterface(table()->cell(row, column));
    }
    QString columnDescription(int column) const override
    {
        const QLabel *header = column >= 0 && column < columnCount() ? table()->columnHeader(column) : nullptr;
        return header ? shownText(header) : QString();
    }
    QString rowDescription(int row) const override
    {
        return row >= 0 && row < rowCount() ? shownText(table()->rowHeader(row)) : QString();
    }
    int columnCount() const override { return table()->columnCount(); }
    int rowCount() const override { return ScoreTable::Rows; }

    // Nothing on the sheet is ever selected.
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface *> selectedCells() const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *) override {}

private:
    const ScoreTable *table() const { return static_cast<const ScoreTable *>(widget()); }
};

QAccessibleInterface *tableInterface(const QString &, QObject *object)
{
    if (auto *table = qobject_cast<ScoreTable *>(object))
        return new TableAccess(table);
    auto *label = qobject_cast<QLabel *>(object);
    if (!label || !label->parentWidget())
        return nullptr;
    // Every label of the table is a cell, asked where it stands when a reader wants
    // to know (it may be asked of before the table has placed it).
    if (qobject_cast<ScoreTable *>(label->parentWidget()))
        return new CellAccess(label);
    // The headers stand beside the table, in the same window.
    const auto *table = label->parentWidget()->findChild<ScoreTable *>(QString(), Qt::FindDirectChildrenOnly);
    if (!table)
        return nullptr;
    for (int column = 1; column <= MaxPlayers; ++column)
        if (table->columnHeader(column) == label)
            return new HeaderAccess(label);
    return nullptr;
}

} // namespace

ScoreTable::ScoreTable(QWidget *parent) : QWidget(parent)
{
    static const bool installed = (QAccessible::installFactory(tableInterface), true);
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("scoreTable"));
}

void ScoreTable::setPlayerCount(int players)
{
    m_players = players;
    moveTo(m_row, m_column);
}

QPoint ScoreTable::positionOf(const QLabel *cell) const
{
    for (int row = 0; row < Rows; ++row)
        for (int column = 0; column < columnCount(); ++column)
            if (m_cells[row][column] == cell)
                return {column, row};
    return {-1, -1};
}

void ScoreTable::moveTo(int row, int column)
{
    QLabel *was = cell(m_row, m_column);
    const bool focused = was && was->hasFocus();
    m_row = std::clamp(row, 0, Rows - 1);
    m_column = std::clamp(column, 0, columnCount() - 1);
    // Only the cell last visited is on Tab's way.
    if (was)
        was->setFocusPolicy(Qt::NoFocus);
    QLabel *now = cell(m_row, m_column);
    if (!now)
        return;
    now->setFocusPolicy(Qt::TabFocus);
    if (focused)
        now->setFocus(Qt::OtherFocusReason);
}

void ScoreTable::keyPressEvent(QKeyEvent *event)
{
    int row = m_row, column = m_column;
    switch (event->key()) {
    case Qt::Key_Up: --row; break;
    case Qt::Key_Down: ++row; break;
    case Qt::Key_Left: --column; break;
    case Qt::Key_Right: ++column; break;
    case Qt::Key_Home: column = 0; break;
    case Qt::Key_End: column = columnCount() - 1; break;
    case Qt::Key_PageUp: row = 0; break;
    case Qt::Key_PageDown: row = Rows - 1; break;
    default: QWidget::keyPressEvent(event); return;
    }
    MarkKeyboardUse(window());
    moveTo(row, column);
}

} // namespace korbo
