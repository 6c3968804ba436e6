// The history of games: kept whole, read back as written, safe against damage, newer
// versions and a second copy of the game, and what the statistics make of it.
#include "History.h"
#include "Statistics.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <random>
#include <thread>

using namespace korbo;

namespace {

const QDate Today(2026, 12, 7);

SeatRecord seat(int number, const QString &name, int total, bool computer = false)
{
    SeatRecord s;
    s.seat = number;
    s.name = name;
    s.computer = computer;
    s.scores.fill(0);
    s.scores[Sixes] = static_cast<Int16>(total);
    s.total = total;
    return s;
}

GameRecord game(int day, QList<SeatRecord> seats)
{
    return {QDateTime(Today.addDays(day), QTime(20, 15, 30)), std::move(seats)};
}

struct History : ::testing::Test {
    QTemporaryDir folder;
    QString path = folder.filePath(HistoryStore::FileName);
    HistoryStore store{[] { return Today; }};
};

TEST_F(History, AGameIsReadBackAsWrittenAndExportedAsASpreadsheetReadsIt)
{
    store.open(path);
    ASSERT_TRUE(store.isOpen());
    SeatRecord ann = seat(1, QStringLiteral("Ann"), 312);
    ann.scores[Korbo] = 180;
    ann.extraPoints = 120;
    ann.bonus = UpperBonusPoints;
    ann.jokersUsed = 2;
    ann.pointsLost = 12.25;
    const GameRecord first = game(0, {ann, seat(2, QStringLiteral("Иван, \"Ваня\""), 250, true)});
    ASSERT_TRUE(store.add(first));
    // guards: each a way a spreadsheet would run or split a name
    const struct { const char *name, *field; } rows[] = {
        {"=SUM(A1)", "\"'=SUM(A1)\""}, {"+1", "\"'+1\""}, {"-2", "\"'-2\""}, {"@me", "\"'@me\""},
        {"a,b", "\"a,b\""}, {"x\"y", "\"x\"\"y\""}, {"Zoë", "Zoë"},
    };
    for (const auto &row : rows)
        ASSERT_TRUE(store.add(game(1, {seat(1, QString::fromUtf8(row.name), 100)})));
    EXPECT_EQ(store.allGames().value(0), first) << "every field as written, the coach's figure and none";
    const QList<QByteArray> lines = store.csv().split('\n');
    EXPECT_EQ(lines.value(1), "2026-12-07T20:15:30,1,1,Ann,0,0,0,0,0,0,312,0,0,0,0,0,0,0,180,40,120,312,2,12.25\r");
    EXPECT_TRUE(lines.value(2).startsWith("2026-12-07T20:15:30,1,2,\"Иван, \"\"Ваня\"\"\",1,")) << lines.value(2).data();
    for (int i = 0; i < int(std::size(rows)); ++i)
        EXPECT_TRUE(lines.value(3 + i).contains(",1," + QByteArray(rows[i].field) + ",0,")) << lines.value(3 + i).data();
    EXPECT_TRUE(store.csv().startsWith("played,game,seat,name,computer,ones,")) << "a heading line";
}

TEST_F(History, APlayerIsANameWhateverItsCaseAndClearingForgetsOnlyThem)
{
    store.open(path);
    store.add(game(0, {seat(1, QStringLiteral("ann"), 200), seat(2, QStringLiteral("Bob"), 210)}));
    store.add(game(1, {seat(1, QStringLiteral("ANN"), 220), seat(2, QStringLiteral("Ann"), 230, true)}));
    store.add(game(2, {seat(1, QStringLiteral("Ann"), 240)}));
    EXPECT_EQ(store.players(), (QList<HistoryPlayer>{{QStringLiteral("Ann"), false, 3},
                                                     {QStringLiteral("Ann"), true, 1},
                                                     {QStringLiteral("Bob"), false, 1}}))
        << "the latest spelling; a computer seat of the same name apart";
    EXPECT_EQ(store.statisticsOf(QStringLiteral("aNN"), false).games, 3);
    ASSERT_TRUE(store.clear(QStringLiteral("ann"), false));
    EXPECT_EQ(store.allGames().size(), 2) << "the game Ann played alone goes with her";
    EXPECT_EQ(store.statisticsOf(QStringLiteral("Ann"), true).games, 1);
    ASSERT_TRUE(store.clearAll());
    EXPECT_TRUE(store.allGames().isEmpty());
}

TEST_F(History, ADamagedDatabaseIsKeptAsideWithItsJournalsAndANewOneBegun)
{
    QByteArray junk(8192, 'x');
    for (const char *suffix : {"", "-wal", "-shm"}) {
        QFile file(path + QLatin1String(suffix));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(junk);
    }
    store.open(path);
    ASSERT_TRUE(store.isOpen());
    const QString aside = path + QLatin1String(".damaged-20261207");
    for (const char *suffix : {"", "-wal", "-shm"}) {
        QFile kept(aside + QLatin1String(suffix));
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly)) << suffix;
        // The -shm is only an index SQLite rebuilds, whatever it held.
        EXPECT_TRUE(kept.readAll() == junk || QByteArray(suffix) == "-shm") << suffix;
    }
    EXPECT_EQ(store.takeNotes().size(), 1);
    EXPECT_TRUE(store.takeNotes().isEmpty()) << "told once";
    EXPECT_TRUE(store.add(game(0, {seat(1, QStringLiteral("Ann"), 200)})));
    EXPECT_EQ(store.allGames().size(), 1);
}

TEST_F(History, ANewerVersionsHistoryIsLeftUntouched)
{
    {
        auto db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("newer"));
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery(db).exec(QStringLiteral("PRAGMA user_version=%1").arg(HistoryStore::SchemaVersion + 1));
        QSqlQuery(db).exec(QStringLiteral("CREATE TABLE future (x)"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("newer"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    store.open(path);
    EXPECT_FALSE(store.isOpen());
    EXPECT_EQ(store.takeNotes().size(), 1);
    EXPECT_TRUE(store.add(game(0, {seat(1, QStringLiteral("Ann"), 200)}))) << "nothing kept, nothing to tell again";
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
}

TEST_F(History, TwoCopiesFinishingGamesAtOnceBothLand)
{
    constexpr int Each = 40;
    auto play = [this](const QString &name) {
        HistoryStore copy([] { return Today; });
        copy.open(path);
        for (int i = 0; i < Each; ++i)
            EXPECT_TRUE(copy.add(game(i, {seat(1, name, 100 + i), seat(2, QStringLiteral("Bob"), 90)})));
    };
    std::thread one(play, QStringLiteral("Ann")), two(play, QStringLiteral("Cy"));
    one.join();
    two.join();
    store.open(path);
    EXPECT_EQ(store.allGames().size(), 2 * Each);
    EXPECT_EQ(store.statisticsOf(QStringLiteral("Cy"), false).games, Each);
}

// The time of a game as the statistics' series carry it: the clock as written.
QDateTime asWritten(const QDateTime &played)
{
    return QDateTime(played.date(), played.time(), Qt::UTC);
}

// A player's statistics worked out directly from the games, seat by seat, as the
// database is not asked to: what the store's figures must equal.
PlayerStatistics workedOutDirectly(const QList<GameRecord> &games, const QString &name, bool computer)
{
    PlayerStatistics s;
    const QString key = HistoryKey(name);
    double sum = 0, squares = 0;
    int bonuses = 0;
    Table1<double, CategoryCount> categorySums{};
    for (const GameRecord &game : games) {
        const auto top = std::max_element(game.seats.begin(), game.seats.end(),
                                          [](const SeatRecord &a, const SeatRecord &b) { return a.total < b.total; });
        const auto atTop = std::count_if(game.seats.begin(), game.seats.end(),
                                         [&](const SeatRecord &seat) { return seat.total == top->total; });
        for (const SeatRecord &seat : game.seats) {
            if (seat.computer != computer || HistoryKey(seat.name) != key)
                continue;
            ++s.games;
            if (game.seats.size() >= 2 && seat.total == top->total)
                ++(atTop == 1 ? s.wins : s.ties);
            sum += seat.total;
            squares += double(seat.total) * seat.total;
            s.best = s.games == 1 ? seat.total : std::max(s.best, seat.total);
            s.lowest = s.games == 1 ? seat.total : std::min(s.lowest, seat.total);
            bonuses += seat.bonus > 0;
            s.korbos += seat.korbo();
            s.extraKorbos += seat.extraKorbos();
            for (int c = 1; c <= CategoryCount; ++c)
                categorySums[c] += seat.scores[c];
            s.totals.append({asWritten(game.played), double(seat.total)});
            if (seat.pointsLost)
                s.pointsLost.append({asWritten(game.played), *seat.pointsLost});
        }
    }
    if (s.games == 0)
        return s;
    s.average = sum / s.games;
    s.deviation = s.games > 1 ? std::sqrt(std::max(0.0, (squares - sum * sum / s.games) / (s.games - 1))) : 0;
    s.bonusRate = double(bonuses) / s.games;
    for (int c = 1; c <= CategoryCount; ++c)
        s.categoryAverage[c] = categorySums[c] / s.games;
    double window = 0;
    for (int i = 0; i < s.totals.size(); ++i) {
        window += s.totals[i].value;
        if (i >= PlayerStatistics::RunningGames)
            window -= s.totals[i - PlayerStatistics::RunningGames].value;
        s.runningAverage.append({s.totals[i].played, window / std::min(i + 1, PlayerStatistics::RunningGames)});
    }
    return s;
}


TEST_F(History, StatisticsFromThePlayersGamesAlone)
{
    SeatRecord korbo = seat(1, QStringLiteral("ann"), 300);
    korbo.scores[Korbo] = 180;
    korbo.extraPoints = 120;
    korbo.bonus = UpperBonusPoints;
    korbo.pointsLost = 4.5;
    const QList<GameRecord> games = {
        game(0, {korbo, seat(2, QStringLiteral("Bob"), 200)}),                     // a win
        game(1, {seat(1, QStringLiteral("Ann"), 200), seat(2, QStringLiteral("Bob"), 200)}), // a tie
        game(2, {seat(1, QStringLiteral("ANN"), 100)}),                             // alone: no win
        game(3, {seat(1, QStringLiteral("Ann"), 400, true), seat(2, QStringLiteral("Bob"), 500)}), // the computer's
    };
    store.open(path);
    for (const GameRecord &g : games)
        store.add(g);
    const PlayerStatistics s = store.statisticsOf(QStringLiteral("Ann"), false);
    EXPECT_EQ(s, workedOutDirectly(games, QStringLiteral("Ann"), false));
    EXPECT_EQ(s.games, 3);
    EXPECT_EQ(s.wins, 1);
    EXPECT_EQ(s.ties, 1);
    EXPECT_DOUBLE_EQ(s.average, 200);
    EXPECT_EQ(s.best, 300);
    EXPECT_EQ(s.lowest, 100);
    EXPECT_DOUBLE_EQ(s.deviation, 100) << "a sample's: the square root of 20000 / 2";
    EXPECT_DOUBLE_EQ(s.bonusRate, 1.0 / 3);
    EXPECT_EQ(s.korbos, 1);
    EXPECT_EQ(s.extraKorbos, 2);
    EXPECT_DOUBLE_EQ(s.categoryAverage[Korbo], 60);
    EXPECT_EQ(s.pointsLost.size(), 1);
    EXPECT_EQ(s.histogram(100), (QList<int>{0, 1, 1, 1}));
    EXPECT_DOUBLE_EQ(s.runningAverage.last().value, 200);
}

TEST_F(History, TheRunningAverageForgetsOldGames)
{
    store.open(path);
    for (int i = 0; i < PlayerStatistics::RunningGames + 5; ++i)
        store.add(game(i, {seat(1, QStringLiteral("Ann"), i < 5 ? 0 : 100)}));
    const PlayerStatistics s = store.statisticsOf(QStringLiteral("Ann"), false);
    EXPECT_DOUBLE_EQ(s.runningAverage.last().value, 100) << "the first five zeros are out of its window";
    EXPECT_DOUBLE_EQ(s.runningAverage[5].value, 100.0 / 6);
}

TEST_F(History, EveryPlayersFiguresEqualThoseWorkedOutDirectly)
{
    // Guards a figure the database works out differently from the games themselves:
    // shared first places, a game alone, coached and uncoached seats, a name in
    // several spellings, across a seeded history.
    std::mt19937 random(7);
    const QStringList names{QStringLiteral("Ann"), QStringLiteral("ANN"), QStringLiteral("Bob"), QStringLiteral("Cy")};
    store.open(path);
    for (int i = 0; i < 120; ++i) {
        QList<SeatRecord> seats;
        const int count = 1 + int(random() % 3);
        for (int n = 1; n <= count; ++n) {
            SeatRecord s = seat(n, names[int(random() % names.size())], 150 + int(random() % 8) * 25, random() % 5 == 0);
            s.scores[Korbo] = static_cast<Int16>(60 * (random() % 3));
            s.extraPoints = s.scores[Korbo] > 60 ? s.scores[Korbo] - 60 : 0;
            s.bonus = random() % 2 ? UpperBonusPoints : 0;
            if (random() % 2)
                s.pointsLost = (random() % 100) / 8.0;
            seats << s;
        }
        ASSERT_TRUE(store.add(game(i % 40, seats)));
    }
    const QList<GameRecord> games = store.allGames();
    for (const HistoryPlayer &player : store.players())
        EXPECT_EQ(store.statisticsOf(player.name, player.computer), workedOutDirectly(games, player.name, player.computer))
            << player.name.toStdString() << (player.computer ? " (computer)" : "");
}

} // namespace
