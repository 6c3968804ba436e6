#include "Records.h"
#include "RecordsWindow.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace korbo;

namespace {

const QStringList Highs = {
    QStringLiteral(" 1  412 Red Team     15 Jun 24"),
    QStringLiteral(" 2  300 Blue         01 Jan 23"),
    QStringLiteral(" 3  250 RED TEAM     14 Jun 24"),
    QStringLiteral(" 4  222 Green        15 Jun 24"),
};
const QStringList Tries = {
    QStringLiteral(" 1  120 Redd         15 Jun 24"),
    QStringLiteral(" 2  150 red team     02 Feb 22"),
    QStringLiteral(" 3  180 Blue         15 Jun 23"),
};

struct RecordsWindowTest : ::testing::Test {
    Records records;
    RecordsWindow window{records};
    QListWidget *listHI = window.findChild<QListWidget *>(QStringLiteral("ListHI"));
    QListWidget *listLO = window.findChild<QListWidget *>(QStringLiteral("ListLO"));
    QLineEdit *box = window.findChild<QLineEdit *>(QStringLiteral("txtFindName"));

    void SetUp() override
    {
        records.setLists(Highs, Tries);
        window.setTodaySource([] { return QDate(2024, 6, 15); });
        window.showRecords();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void click(const char *name) { window.findChild<QPushButton *>(QLatin1String(name))->click(); }
    static QList<int> selectedRows(const QListWidget *list)
    {
        QList<int> rows;
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->isSelected())
                rows << i;
        return rows;
    }
};

TEST_F(RecordsWindowTest, FollowsTheModel)
{
    EXPECT_EQ(listHI->item(2)->text(), Highs[2]);
    records.MergeResults({{QStringLiteral("New"), 999}}, QDate(2024, 6, 15));
    EXPECT_EQ(listHI->item(0)->text(), QStringLiteral(" 1  999 New          15 Jun 24"));
    EXPECT_EQ(listLO->item(3)->text(), QStringLiteral(" 4  999 New          15 Jun 24"));
    records.clear();
    EXPECT_EQ(listHI->count() + listLO->count(), 0);
    for (const char *name : {"butFindName", "butTodays", "butUnselect"}) // nothing to find in empty lists
        click(name);
}

TEST_F(RecordsWindowTest, ColumnsLineUpAndFit)
{
    // Where position, total, name, day, month and year start in a line.
    const int columnStarts[] = {0, 3, 8, 21, 24, 28};
    for (QListWidget *list : {listHI, listLO}) {
        const QFontMetrics metrics(list->font());
        const QString first = list->item(0)->text();
        for (int row = 0; row < list->count(); ++row) {
            const QString line = list->item(row)->text();
            for (int column : columnStarts)
                EXPECT_EQ(metrics.horizontalAdvance(line.left(column)), metrics.horizontalAdvance(first.left(column)))
                    << list->objectName().toStdString() << " row " << row << " column " << column + 1;
            EXPECT_LE(metrics.horizontalAdvance(line), list->viewport()->width());
        }
    }
}

TEST_F(RecordsWindowTest, ClickingAnEntryTakesItsNameForFindName)
{
    QTest::mouseClick(listHI->viewport(), Qt::LeftButton, {}, listHI->visualItemRect(listHI->item(0)).center());
    EXPECT_EQ(box->text(), QStringLiteral("Red Team"));
    // Only the clicked entry is marked: nothing is searched yet.
    EXPECT_EQ(selectedRows(listHI), QList<int>({0}));
    EXPECT_TRUE(selectedRows(listLO).isEmpty());
    QTest::keyClick(box, Qt::Key_Return); // Enter in the box finds, as the button does
    EXPECT_EQ(selectedRows(listHI), QList<int>({0, 2}));
    EXPECT_EQ(selectedRows(listLO), QList<int>({1}));
    QTest::keyClicks(box, QStringLiteral("abcdefghijklmnop"));
    EXPECT_EQ(box->text().size(), 12);
}

TEST_F(RecordsWindowTest, FindingMarksEveryMatchInBothLists)
{
    const struct { const char *button, *find; int year; QList<int> highs, tries; const char *guards; } rows[] = {
        {"butFindName", "red", 2024, {0, 2}, {0, 1}, "the whole line in any case"},
        {"butFindName", "2", 2024, {0, 1, 2, 3}, {0, 1, 2}, "numbers and dates too"},
        {"butFindName", "  300", 2024, {1}, {}, "spaces count"},
        {"butFindName", "", 2024, {1}, {}, "an empty box finds nothing and keeps the marks"},
        {"butTodays", "", 2024, {0, 3}, {0}, "today's date in the program's own text, not last year's"},
        {"butUnselect", "red", 2024, {}, {}, "Unselect clears both lists"},
    };
    for (const auto &r : rows) {
        box->setText(QLatin1String(r.find));
        window.setTodaySource([&r] { return QDate(r.year, 6, 15); });
        click(r.button);
        EXPECT_EQ(selectedRows(listHI), r.highs) << r.guards;
        EXPECT_EQ(selectedRows(listLO), r.tries) << r.guards;
    }
}

} // namespace
