#include "Language.h"
#include "Records.h"
#include "RecordsWindow.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace korbo;

namespace {

const QStringList Highs = {
    QStringLiteral(" 1  412 Red Team     15 Jun 24"),
    QStringLiteral(" 2  300 Blue         01 Mar 23"),
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

TEST_F(RecordsWindowTest, FindingMarksEveryMatchInBothLists)
{
    const struct { const char *button, *find; QList<int> highs, tries; const char *guards; } rows[] = {
        {"butFindName", "red", {0, 2}, {0, 1}, "the whole line in any case"},
        {"butFindName", "2", {0, 1, 2, 3}, {0, 1, 2}, "numbers and dates too"},
        {"butFindName", "  300", {1}, {}, "spaces count"},
        {"butFindName", "", {1}, {}, "an empty box finds nothing and keeps the marks"},
        {"butTodays", "", {0, 3}, {0}, "today's date in the program's own text, not last year's"},
        {"butUnselect", "red", {}, {}, "Unselect clears both lists"},
    };
    for (const auto &r : rows) {
        box->setText(QLatin1String(r.find));
        click(r.button);
        EXPECT_EQ(selectedRows(listHI), r.highs) << r.guards;
        EXPECT_EQ(selectedRows(listLO), r.tries) << r.guards;
    }
}

TEST_F(RecordsWindowTest, InAnotherLanguageItsMonthsShowAndFindingStillMatchesTheFile)
{
    // Guards English months left in German, finding matched against the shown lines
    // (Today's would find nothing), and a name typed in its own script that the file
    // holds in Latin letters.
    UseLanguage(QStringLiteral("de"));
    QCoreApplication::processEvents();
    EXPECT_EQ(listHI->item(1)->text(), QStringLiteral(" 2  300 Blue         01 Mär 23"));
    window.setTodaySource([] { return QDate(2023, 3, 1); });
    click("butTodays");
    EXPECT_EQ(selectedRows(listHI), QList<int>({1}));
    box->setText(QStringLiteral("Ред"));
    click("butFindName");
    EXPECT_EQ(selectedRows(listHI), QList<int>({0, 2}));
    EXPECT_EQ(selectedRows(listLO), QList<int>({0, 1}));
    UseLanguage(QStringLiteral("en"));
    QCoreApplication::processEvents();
    EXPECT_EQ(listHI->item(1)->text(), Highs[1]);
}

} // namespace
