#include "Doubles.h"
#include "Recorders.h"
#include "ScoresWindow.h"

#include <gtest/gtest.h>

#include <QPrinter>
#include <QTemporaryDir>

using namespace korbo;
using namespace korbo::test;

namespace {

struct Sheet : ::testing::Test {
    TestGame t;
    Game &g = t.game;
    void SetUp() override { t.name({QStringLiteral("Red"), QStringLiteral("Blue")}); }
};

TEST_F(Sheet, ShowsOnlyThePlayersInTheGameFollowsTheModelAndTheLeaderAndPrintsOnOnePage)
{
    ScoresWindow sheet(g);
    EXPECT_LE(sheet.labName(2)->geometry().right(), sheet.width());
    // The other columns exist for later players but lie beyond the right edge.
    EXPECT_GE(sheet.labName(3)->geometry().center().x(), sheet.width());
    g.setDice({1, 1, 2, 3, 4, 5, 6, 6, 6, 6, 6, 6}); // Red's Ones score 2, Blue's Korbo 60
    t.run(g.newGame());
    for (int c : {Ones, Korbo}) {
        t.run(g.throwDice());
        t.run(g.enterCategory(c));
    }

    EXPECT_EQ(sheet.labScore(16 + 14)->text(), QStringLiteral("60"));
    EXPECT_EQ(sheet.labTotal(2)->text(), QStringLiteral("60"));
    EXPECT_TRUE(sheet.labName(2)->font().underline() && sheet.labTotal(2)->font().underline()
                && !sheet.labName(1)->font().underline());
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("scores.pdf"));
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        sheet.printTo(printer);
    }
    const QByteArray bytes = readFile(path);
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 1);
    EXPECT_TRUE(bytes.contains("/Subtype /Image")); // the sheet, as it looks
    t.host.answerStop = true;
    t.run(g.stopGame());
    EXPECT_TRUE(sheet.labScore(30)->text().isEmpty() && sheet.labTotal(2)->text().isEmpty());
}

} // namespace
