#include "RecordsWindow.h"

#include "BoardView.h"
#include "Keyboard.h"
#include "Palette.h"
#include "Records.h"
#include "Twips.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>

namespace korbo {

namespace {

void place(QWidget *w, int left, int top, int width, int height)
{
    w->setGeometry(pxRect(left, top, width, height));
}

QLabel *heading(QWidget *parent, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setAutoFillBackground(true);
    SetSurface(label, LightGreen, TextGreen);
    return label;
}

QLabel *title(QWidget *parent, const QString &name, const QString &text)
{
    QLabel *label = heading(parent, text);
    label->setObjectName(name);
    QFont font(QStringLiteral("Verdana"));
    font.setBold(true);
    font.setPointSize(10);
    label->setFont(font);
    return label;
}

QLabel *columnHeading(QWidget *parent, int index, const QString &text)
{
    QLabel *label = heading(parent, text);
    label->setObjectName(QStringLiteral("ColHead"));
    label->setProperty("index", index);
    return label;
}

QPushButton *button(QWidget *parent, const QString &name, const QString &text)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

// A fixed-pitch font in which a whole record line fits `width` pixels. Named
// rather than taken from the desktop's idea of monospace, so every machine with the
// game's packages (fonts-dejavu-core) shows the same font.
QFont listFont(int width, int lineLength)
{
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    const QString widest(lineLength, QLatin1Char('W'));
    for (int size = 9; size >= 6; --size) {
        font.setPointSize(size);
        if (QFontMetrics(font).horizontalAdvance(widest) <= width)
            break;
    }
    return font;
}

// A records list that, on taking the focus, tells a screen reader which line the keys
// are on: told only of the list, a reader names the list and its length but no line.
class RecordList : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    void focusInEvent(QFocusEvent *event) override
    {
        QListWidget::focusInEvent(event);
        // After the list's own word that it has the focus, which would cover this one.
        QTimer::singleShot(0, this, [this] {
            if (!hasFocus() || currentRow() < 0)
                return;
            QAccessibleEvent line(this, QAccessible::Focus);
            line.setChild(currentRow());
            QAccessible::updateAccessibility(&line);
        });
    }
};

QListWidget *recordList(QWidget *parent, const QString &name)
{
    auto *list = new RecordList(parent);
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setUniformItemSizes(true);
    SetField(list, PaleGreen);
    return list;
}

} // namespace

RecordsWindow::RecordsWindow(Records &records, QWidget *parent)
    : QWidget(parent, Qt::Window), m_records(records), m_today([] { return QDate::currentDate(); })
{
    setObjectName(QStringLiteral("records"));
    AnswerStandardKeys(this);
    setFixedSize(pxSize(7620, 7080));
    setAutoFillBackground(true);
    SetSurface(this, LightGreen);

    m_label1 = title(this, QStringLiteral("Label1"), QString());
    place(m_label1, 60, 120, 3675, 315);
    m_colHead[0] = columnHeading(this, 0, QString());
    place(m_colHead[0], 120, 360, 375, 240);
    m_colHead[1] = columnHeading(this, 1, QString());
    place(m_colHead[1], 480, 360, 675, 240);
    m_listHI = recordList(this, QStringLiteral("ListHI"));
    place(m_listHI, 60, 600, 3675, 5910);

    m_label2 = title(this, QStringLiteral("Label2"), QString());
    place(m_label2, 3840, 120, 3675, 315);
    m_colHead[3] = columnHeading(this, 3, QString());
    place(m_colHead[3], 3840, 360, 375, 240);
    m_colHead[2] = columnHeading(this, 2, QString());
    place(m_colHead[2], 4200, 360, 675, 240);
    m_listLO = recordList(this, QStringLiteral("ListLO"));
    place(m_listLO, 3840, 600, 3675, 5910);

    // Room for a line: the list less its frame, a scroll bar and the item margins.
    m_lineRoom = m_listHI->width() - 2 * m_listHI->frameWidth()
        - m_listHI->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_listHI) - 6;

    m_butUnselect = button(this, QStringLiteral("butUnselect"), QString());
    place(m_butUnselect, 60, 6600, 1215, 315);
    m_butTodays = button(this, QStringLiteral("butTodays"), QString());
    place(m_butTodays, 1320, 6600, 1155, 315);
    m_butFindName = button(this, QStringLiteral("butFindName"), QString());
    place(m_butFindName, 2520, 6600, 1215, 315);

    m_txtFindName = new QLineEdit(this);
    m_txtFindName->setObjectName(QStringLiteral("txtFindName"));
    m_txtFindName->setMaxLength(RecordNameLength);
    QFont boxFont = m_txtFindName->font();
    boxFont.setPointSize(10);
    m_txtFindName->setFont(boxFont);
    SetField(m_txtFindName, PaleGreen);
    place(m_txtFindName, 3840, 6600, 1755, 315);

    m_command1 = button(this, QStringLiteral("Command1"), QString());
    place(m_command1, 6420, 6600, 1095, 315);

    m_buttonFont = m_command1->font();
    m_headingFont = m_colHead[0]->font();
    retranslate();

    connect(m_butUnselect, &QPushButton::clicked, this, &RecordsWindow::unselectAll);
    connect(m_butTodays, &QPushButton::clicked, this, &RecordsWindow::findTodays);
    connect(m_butFindName, &QPushButton::clicked, this, &RecordsWindow::findName);
    connect(m_txtFindName, &QLineEdit::returnPressed, this, &RecordsWindow::findName);
    connect(m_command1, &QPushButton::clicked, this, &RecordsWindow::closeRecords);
    connect(m_listHI, &QListWidget::itemClicked, this, &RecordsWindow::takeName);
    connect(m_listLO, &QListWidget::itemClicked, this, &RecordsWindow::takeName);
    connect(&m_records, &Records::changed, this, &RecordsWindow::refresh);

    refresh();
}

void RecordsWindow::retranslate()
{
    setWindowTitle(tr("Korbo Records"));
    m_label1->setText(tr("Brilliant Highs"));
    m_label2->setText(tr("Super Tries"));
    for (int i : {0, 3})
        m_colHead[i]->setText(tr("Pos"));
    for (int i : {1, 2})
        m_colHead[i]->setText(tr("Score"));
    // A screen reader calls each list by its title and tells its columns.
    m_listHI->setAccessibleName(m_label1->text());
    m_listLO->setAccessibleName(m_label2->text());
    for (QListWidget *list : {m_listHI, m_listLO})
        list->setAccessibleDescription(tr("Position, name, score, date"));
    m_butUnselect->setText(tr("Unselect"));
    m_butTodays->setText(tr("Find Today's"));
    m_butFindName->setText(tr("Find Name:"));
    m_txtFindName->setAccessibleName(tr("Name to find"));
    m_command1->setText(tr("Close"));
    // A caption that would touch its button's edges is narrowed to keep clear of them.
    for (QPushButton *b : {m_butUnselect, m_butTodays, m_butFindName, m_command1}) {
        b->setFont(m_buttonFont);
        QStyleOptionButton option;
        option.initFrom(b);
        option.text = b->text();
        const QRect area = b->style()->subElementRect(QStyle::SE_PushButtonContents, &option, b)
                               .adjusted(CaptionMargin, 0, -CaptionMargin, 0);
        b->setFont(fittedFont(m_buttonFont, b->text(), area, Qt::AlignCenter));
    }
    // So are the column headings, which stand over the lists' columns.
    for (QLabel *head : m_colHead)
        head->setFont(fittedFont(m_headingFont, head->text(), head->contentsRect(), int(head->alignment())));
}

void RecordsWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        refresh();
    }
}

void RecordsWindow::setTodaySource(std::function<QDate()> today)
{
    m_today = std::move(today);
}

void RecordsWindow::showRecords()
{
    // Shown without marking anything: the focus starts on Close, since a list taking
    // the focus would select its first entry.
    if (!isVisible())
        m_command1->setFocus();
    show();
    raise();
    activateWindow();
}

void RecordsWindow::refresh()
{
    // Each item shows its line in the language in use and keeps the file's own, which
    // finding matches against.
    const int lineLength = RecordLineShown(RecordLineOfKey(RecordKeyOfResult({}, 0, QDate(2000, 9, 1)), 1)).size();
    const QFont fixed = listFont(m_lineRoom, std::max(lineLength, RecordLineLength));
    for (auto [list, lines] : {std::pair(m_listHI, &m_records.listHI), std::pair(m_listLO, &m_records.listLO)}) {
        list->setFont(fixed);
        list->clear();
        for (const QString &line : *lines) {
            auto *item = new QListWidgetItem(RecordLineShown(line), list);
            item->setData(Qt::UserRole, line);
            // Read as one line without the padding: "1, Ann, 365, 07 Dec 26".
            item->setData(Qt::AccessibleTextRole, RecordLineSpoken(item->text()));
        }
    }
}

void RecordsWindow::takeName(QListWidgetItem *item)
{
    if (item)
        m_txtFindName->setText(RecordLineName(item->data(Qt::UserRole).toString()));
}

void RecordsWindow::selectWhere(const std::function<bool(const QString &)> &matches)
{
    for (QListWidget *list : {m_listHI, m_listLO})
        for (int i = 0; i < list->count(); ++i) {
            QListWidgetItem *item = list->item(i);
            item->setSelected(matches(item->data(Qt::UserRole).toString()));
        }
}

void RecordsWindow::findName()
{
    if (m_txtFindName->text().isEmpty())
        return;
    // The file holds each name in Latin letters: "Иван" is found as "Ivan".
    const QString wanted = RecordName(m_txtFindName->text()).toLower();
    selectWhere([&](const QString &line) { return line.toLower().contains(wanted); });
}

void RecordsWindow::findTodays()
{
    const QString today = RecordDateText(m_today());
    selectWhere([&](const QString &line) { return line.contains(today); });
}

void RecordsWindow::unselectAll()
{
    selectWhere([](const QString &) { return false; });
}

void RecordsWindow::closeRecords()
{
    hide();
    unselectAll();
    m_txtFindName->clear();
}

void RecordsWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    closeRecords();
}

} // namespace korbo
