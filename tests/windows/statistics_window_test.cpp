// The Statistics window: each player's own figures in the words the player reads, the
// plots each player has, and export and clearing only once the player has said so.
#include "BestPlay.h"
#include "Doubles.h"
#include "History.h"
#include "StatisticsWindow.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

using namespace korbo;
using namespace korbo::test;

namespace {

SeatRecord seat(int number, const char *name, int total, bool computer = false)
{
    SeatRecord s;
    s.seat = number;
    s.name = QString::fromLatin1(name);
    s.computer = computer;
    s.scores.fill(0);
    s.scores[Sixes] = static_cast<Int16>(total);
    s.total = total;
    return s;
}

struct Statistics : ::testing::Test {
    QTemporaryDir folder;
    HistoryStore store{[] { return QDate(2026, 12, 7); }};
    RecordingMessages messages;
    const BestPlay &best = BestPlay::shipped();

    void SetUp() override
    {
        store.open(folder.filePath(HistoryStore::FileName));
        const auto game = [this](int day, QList<SeatRecord> seats) {
            ASSERT_TRUE(store.add({QDateTime(QDate(2026, 3, 1 + day), QTime(20, 0)), std::move(seats)}));
        };
        game(0, {seat(1, "Ann", 300), seat(2, "Robo", 250, true)}); // Ann wins
        game(1, {seat(1, "ann", 200), seat(2, "Robo", 200, true)}); // a shared first place
        SeatRecord coached = seat(1, "ANN", 250);
        coached.pointsLost = 12.5;
        game(2, {coached}); // alone: no win
        game(3, {seat(1, "Ann", 270, true)}); // a computer seat of the same name
    }
    static QString text(QWidget *window, const char *name)
    {
        const auto *label = window->findChild<QLabel *>(QLatin1String(name));
        return label ? label->text() : QStringLiteral("(no %1)").arg(QLatin1String(name));
    }
    static void click(QWidget *window, const char *name) { window->findChild<QPushButton *>(QLatin1String(name))->click(); }
};

TEST_F(Statistics, EachPlayerIsShownTheirOwnFiguresAndPlots)
{
    // Guards the figures put into the sentence in the wrong places, a person and a
    // computer seat of one name mixed up, and a plot or its words missing.
    StatisticsWindow window(store, best, messages);
    QComboBox *players = window.cboPlayer();
    ASSERT_EQ(players->count(), 3);
    EXPECT_EQ(players->itemText(0), QStringLiteral("ANN")) << "the spelling of the latest game, most games first";
    EXPECT_EQ(players->itemText(1), QStringLiteral("Robo (computer)"));
    EXPECT_EQ(players->itemText(2), QStringLiteral("Ann (computer)"));
    const QString bests = QString::number(best.mean, 'f', 1);
    EXPECT_EQ(text(&window, "labFigures"),
              QStringLiteral("3 games: won 1, shared first place 1. Average 250.0 (best play %1), best 300, lowest 200, "
                             "standard deviation 50.0. Upper bonus in 0 % of games (best play %2 %). Korbos 0, "
                             "extra Korbos 0.")
                  .arg(bests, QString::number(100 * best.bonusRate, 'f', 0)));

    // What each tab's words say, and only Ann's coached game gives a coach's tab.
    const struct { const char *summary; QString starts; } pages[] = {
        {"labTotalsSummary", QStringLiteral("Totals of 3 games from 3/1/26 to 3/3/26. The average of the last 10 games is 250.0.")},
        {"labRangesSummary", QStringLiteral("Most of your totals, 33 %, lie from 200 to 249. Best play's average is %1.\n"
                                            "200 to 249: 33 % (best play 0 %)").arg(bests)},
        {"labCategoriesSummary", QStringLiteral("Korbo costs you most: 0.0 points a game against best play's %1.\nOnes: 0.0")
                                     .arg(best.categoryAverage[Korbo], 0, 'f', 1)},
        {"labCoachSummary", QStringLiteral("In 1 coached game your choices cost 12.5 points a game on average; the last cost 12.5.")},
    };
    ASSERT_EQ(window.plots()->count(), 4);
    for (int tab = 0; tab < 4; ++tab) {
        window.plots()->setCurrentIndex(tab);
        EXPECT_TRUE(text(&window, pages[tab].summary).startsWith(pages[tab].starts)) << qPrintable(text(&window, pages[tab].summary));
    }
    players->setCurrentIndex(1);
    EXPECT_TRUE(text(&window, "labFigures").startsWith(QLatin1String("2 games: won 0, shared first place 1. Average 225.0")));
    EXPECT_EQ(window.plots()->count(), 3) << "no coached game of Robo's";
    players->setCurrentIndex(2);
    EXPECT_TRUE(text(&window, "labFigures").startsWith(QLatin1String("1 game: won 0, shared first place 0. Average 270.0")));
}

TEST_F(Statistics, ExportAndClearingDoNothingUntilThePlayerSaysSo)
{
    // Guards an export written without a place chosen or its failure kept quiet, and
    // clearing without the question, or of more than the player chosen.
    StatisticsWindow window(store, best, messages);
    click(&window, "butExport"); // cancelled
    messages.savePath = writeFile(folder.filePath(QStringLiteral("a file")), "x") + QStringLiteral("/history.csv");
    click(&window, "butExport");
    EXPECT_EQ(messages.shown.size(), 3) << qPrintable(messages.shown.join(QLatin1Char('\n')));
    EXPECT_TRUE(messages.shown.value(2).startsWith(QLatin1String("Export History|"))) << "the failure told";
    messages.savePath = folder.filePath(QStringLiteral("history.csv"));
    click(&window, "butExport");
    EXPECT_EQ(readFile(messages.savePath), store.csv());

    click(&window, "butClearPlayer"); // answered No
    click(&window, "butClearAll");
    EXPECT_EQ(window.cboPlayer()->count(), 3);
    messages.yes = true;
    click(&window, "butClearPlayer");
    ASSERT_EQ(window.cboPlayer()->count(), 2);
    EXPECT_EQ(window.cboPlayer()->itemText(1), QStringLiteral("Ann (computer)")) << "the person Ann alone forgotten";
    click(&window, "butClearAll");
    EXPECT_EQ(window.cboPlayer()->count(), 0);
    EXPECT_EQ(text(&window, "labFigures"), QStringLiteral("No finished games yet."));
    EXPECT_EQ(window.plots()->count(), 0);
    EXPECT_TRUE(messages.shown.filter(QStringLiteral("Clear History|Forget every game of ANN? This cannot be undone.")).size() == 2);
}

} // namespace
