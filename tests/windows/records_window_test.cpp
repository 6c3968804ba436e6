#include "Records.h"
#include "RecordsWindow.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLabel>
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

class RecordsWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        records.setLists(Highs, Tries);
        window.setTodaySource([] { return QDate(2024, 6, 15); });
        window.showRecords();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        listHI = window.findChild<QListWidget *>(QStringLiteral("ListHI"));
        listLO = window.findChild<QListWidget *>(QStringLiteral("ListLO"));
        box = window.findChild<QLineEdit *>(QStringLiteral("txtFindName"));
        ASSERT_TRUE(listHI && listLO && box);
    }

    QPushButton *button(const char *name)
    {
        auto *b = window.findChild<QPushButton *>(QLatin1String(name));
        EXPECT_TRUE(b) << name;
        return b;
    }

    void click(const char *name) { QTest::mouseClick(button(name), Qt::LeftButton); }

    void clickEntry(QListWidget *list, int row)
    {
        const QRect rect = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    }

    static QList<int> selectedRows(const QListWidget *list)
    {
        QList<int> rows;
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->isSelected())
                rows << i;
        return rows;
    }

    Records records;
    RecordsWindow window{records};
    QListWidget *listHI = nullptr;
    QListWidget *listLO = nullptr;
    QLineEdit *box = nullptr;
};

TEST_F(RecordsWindowTest, ShowsTheModelsLists)
{
    ASSERT_EQ(listHI->count(), Highs.size());
    ASSERT_EQ(listLO->count(), Tries.size());
    EXPECT_EQ(listHI->item(2)->text(), Highs[2]);
    EXPECT_EQ(listLO->item(1)->text(), Tries[1]);

    // The window follows the model.
    records.MergeResults({{QStringLiteral("New"), 999}}, QDate(2024, 6, 15));
    EXPECT_EQ(listHI->count(), Highs.size() + 1);
    EXPECT_EQ(listHI->item(0)->text(), QStringLiteral(" 1  999 New          15 Jun 24"));
    EXPECT_EQ(listLO->item(3)->text(), QStringLiteral(" 4  999 New          15 Jun 24"));
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

TEST_F(RecordsWindowTest, ClickingAnEntryTakesItsNameAndFindNameMarksItInBothLists)
{
    clickEntry(listHI, 0);
    EXPECT_EQ(box->text(), QStringLiteral("Red Team"));
    // Only the clicked entry is marked: nothing is searched yet.
    EXPECT_EQ(selectedRows(listHI), QList<int>({0}));
    EXPECT_TRUE(selectedRows(listLO).isEmpty());

    click("butFindName");
    EXPECT_EQ(selectedRows(listHI), QList<int>({0, 2}));
    EXPECT_EQ(selectedRows(listLO), QList<int>({1}));

    clickEntry(listLO, 2);
    EXPECT_EQ(box->text(), QStringLiteral("Blue"));
}

TEST_F(RecordsWindowTest, FindNameMatchesTheWholeLineInAnyCase)
{
    const struct { const char *find; QList<int> highs; QList<int> tries; } rows[] = {
        {"Red Team", {0, 2}, {1}},
        {"red", {0, 2}, {0, 1}},
        {"REDD", {}, {0}},
        {"2", {0, 1, 2, 3}, {0, 1, 2}},   // every line holding a 2
        {"15 jun", {0, 3}, {0, 2}},
        {"  300", {1}, {}},
        {"zzz", {}, {}},
    };
    for (const auto &r : rows) {
        box->setText(QLatin1String(r.find));
        click("butFindName");
        EXPECT_EQ(selectedRows(listHI), r.highs) << r.find;
        EXPECT_EQ(selectedRows(listLO), r.tries) << r.find;
    }
}

TEST_F(RecordsWindowTest, EnterInTheBoxFindsAndAnEmptyBoxDoesNothing)
{
    QTest::keyClicks(box, QStringLiteral("blue"));
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(selectedRows(listHI), QList<int>({1}));
    EXPECT_EQ(selectedRows(listLO), QList<int>({2}));

    box->clear();
    click("butFindName");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(selectedRows(listHI), QList<int>({1}));
    EXPECT_EQ(selectedRows(listLO), QList<int>({2}));
}

TEST_F(RecordsWindowTest, FindTodaysUsesTheProgramsOwnDateText)
{
    click("butTodays");
    EXPECT_EQ(selectedRows(listHI), QList<int>({0, 3}));
    EXPECT_EQ(selectedRows(listLO), QList<int>({0})); // "15 Jun 23" is another year

    window.setTodaySource([] { return QDate(2023, 1, 1); });
    click("butTodays");
    EXPECT_EQ(selectedRows(listHI), QList<int>({1}));
    EXPECT_TRUE(selectedRows(listLO).isEmpty());

    click("butUnselect");
    EXPECT_TRUE(selectedRows(listHI).isEmpty());
    EXPECT_TRUE(selectedRows(listLO).isEmpty());
}

TEST_F(RecordsWindowTest, ClosingHidesAndForgetsTheSearch)
{
    for (bool byButton : {true, false}) {
        box->setText(QStringLiteral("red"));
        click("butFindName");
        ASSERT_FALSE(selectedRows(listHI).isEmpty());
        if (byButton)
            click("Command1");
        else
            window.close();
        EXPECT_FALSE(window.isVisible()) << byButton;
        EXPECT_TRUE(box->text().isEmpty()) << byButton;

        window.showRecords();
        EXPECT_TRUE(window.isVisible());
        EXPECT_TRUE(selectedRows(listHI).isEmpty()) << byButton;
        EXPECT_TRUE(selectedRows(listLO).isEmpty()) << byButton;
        EXPECT_TRUE(box->text().isEmpty());
    }
}

TEST_F(RecordsWindowTest, TheBoxTakesTwelveCharacters)
{
    QTest::keyClicks(box, QStringLiteral("abcdefghijklmnop"));
    EXPECT_EQ(box->text(), QStringLiteral("abcdefghijkl"));
}

TEST_F(RecordsWindowTest, EmptyListsGiveNothingToDo)
{
    records.clear();
    EXPECT_EQ(listHI->count(), 0);
    EXPECT_EQ(listLO->count(), 0);
    box->setText(QStringLiteral("red"));
    for (const char *name : {"butFindName", "butTodays", "butUnselect"})
        click(name);
    EXPECT_EQ(box->text(), QStringLiteral("red"));
    EXPECT_EQ(listHI->count(), 0);
    EXPECT_TRUE(window.isVisible());
}

} // namespace
