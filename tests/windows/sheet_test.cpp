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

TEST_F(Sheet, ShowsOnlyThePlayersInTheGameAndFollowsTheModelAndTheLeader)
{
    ScoresWindow sheet(g);
    EXPECT_LE(sheet.labName(2)->geometry().right(), sheet.width());
    // The other columns exist for later players but lie beyond the right edge.
    EXPECT_GE(sheet.labName(3)->geometry().center().x(), sheet.width());
    g.state.score[2][Korbo] = 60;
    g.sheet.refresh();
    g.sheet.setUnderlined(2, true);
    EXPECT_EQ(sheet.labScore(16 + 14)->text(), QStringLiteral("60"));
    EXPECT_EQ(sheet.labTotal(2)->text(), QStringLiteral("60"));
    EXPECT_TRUE(sheet.labName(2)->font().underline());
    EXPECT_TRUE(sheet.labTotal(2)->font().underline());
    EXPECT_FALSE(sheet.labName(1)->font().underline());
    g.ResetScoreTable();
    EXPECT_TRUE(sheet.labScore(30)->text().isEmpty());
    EXPECT_TRUE(sheet.labTotal(2)->text().isEmpty());
}

TEST(Leader, FindLeader)
{
    // Each player's total as one entry; NotScored: nothing entered yet. (One player
    // and level tops: the whole-game tests.)
    const struct { std::vector<int> totals; int players; int leader; } cases[] = {
        {{0, 0}, 2, 0},                 // nobody above 0
        {{NotScored, 3}, 2, 2},         // nothing entered counts 0
        {{10, 90, 5}, 2, 2},            // only the players in the game count
        {{70, NotScored, 71}, 3, 3},
    };
    for (const auto &c : cases) {
        GameState state;
        state.numPlayers = static_cast<Int16>(c.players);
        for (int p = 1; p <= int(c.totals.size()); ++p)
            state.score[p][PotLuck] = static_cast<Int16>(c.totals[p - 1]);
        EXPECT_EQ(FindLeader(state), c.leader);
    }
}

TEST_F(Sheet, PrintsToAPdfPage)
{
    ScoresWindow sheet(g);
    g.state.score[1][Ones] = 3;
    g.sheet.refresh();
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
}

} // namespace
