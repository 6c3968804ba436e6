#include "History.h"

#include "RecordsFile.h"
#include "Statistics.h"

#include <QAtomicInt>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <cmath>

namespace korbo {

const QString HistoryStore::FileName = QStringLiteral("history.sqlite");

namespace {

// The categories' columns, in category order: the same words in every language.
const char *const kCategoryColumns[CategoryCount + 1] = {
    nullptr, "ones", "twos", "threes", "fours", "fives", "sixes",
    "quad", "twins", "triples", "odds", "evens", "flush", "potluck", "korbo",
};

QString categoryColumns()
{
    QStringList columns;
    for (int c = 1; c <= CategoryCount; ++c)
        columns << HistoryColumn(c);
    return columns.join(QLatin1String(", "));
}

const QString kCreate[] = {
    QStringLiteral("CREATE TABLE game (id INTEGER PRIMARY KEY, played TEXT NOT NULL)"),
    QStringLiteral("CREATE TABLE seat (game INTEGER NOT NULL REFERENCES game(id) ON DELETE CASCADE, "
                   "seat INTEGER NOT NULL, name TEXT NOT NULL, name_key TEXT NOT NULL, computer INTEGER NOT NULL, "
                   "%1 INTEGER NOT NULL, bonus INTEGER NOT NULL, extra_points INTEGER NOT NULL, "
                   "total INTEGER NOT NULL, jokers_used INTEGER NOT NULL, points_lost REAL, "
                   "PRIMARY KEY (game, seat))")
        .arg(categoryColumns().replace(QLatin1String(", "), QLatin1String(" INTEGER NOT NULL, "))),
    QStringLiteral("CREATE INDEX seat_player ON seat (name_key, computer)"),
    // Who won each game: its seats' totals, read without the rest of each row.
    QStringLiteral("CREATE INDEX seat_game_total ON seat (game, total)"),
};

// Times are kept as the local time of the game, to the second.
const QString kTimeFormat = QStringLiteral("yyyy-MM-ddTHH:mm:ss");

QAtomicInt connections;

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

QString HistoryColumn(int category)
{
    return QLatin1String(kCategoryColumns[category]);
}

QString HistoryKey(const QString &name)
{
    return name.trimmed().toCaseFolded();
}

HistoryStore::HistoryStore(std::function<QDate()> today)
    : m_today(std::move(today)), m_connection(QStringLiteral("korbo-history-%1").arg(connections.fetchAndAddRelaxed(1)))
{
}

HistoryStore::~HistoryStore()
{
    close();
}

bool HistoryStore::isOpen() const
{
    return QSqlDatabase::contains(m_connection) && QSqlDatabase::database(m_connection, false).isOpen();
}

void HistoryStore::close()
{
    if (!QSqlDatabase::contains(m_connection))
        return;
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
}

namespace {

// What stands at the history's path, looked at without changing anything: a
// connection that may write would tidy a damaged database's journals away.
enum class Found { Nothing, Sound, Damaged, Newer, Busy };

Found inspect(const QString &connection, const QString &path, QString *why)
{
    if (!QFileInfo::exists(path))
        return Found::Nothing;
    Found found = Found::Damaged;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=%1").arg(HistoryStore::BusyWaitMs));
        QSqlQuery q(db);
        if (!db.open()) {
            *why = db.lastError().text();
        } else if (!q.exec(QStringLiteral("PRAGMA quick_check")) || !q.next()) {
            *why = q.lastError().text();
            // Another copy of the game holding the file is no damage.
            const QString code = q.lastError().nativeErrorCode();
            if (code == QLatin1String("5") || code == QLatin1String("6"))
                found = Found::Busy;
        } else if (q.value(0).toString() == QLatin1String("ok") && q.exec(QStringLiteral("PRAGMA user_version"))
                   && q.next()) {
            found = q.value(0).toInt() > HistoryStore::SchemaVersion ? Found::Newer : Found::Sound;
        }
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return found;
}

} // namespace

void HistoryStore::open(const QString &path)
{
    close();
    m_path = path;
    const FileAt at = LookAt(path);
    if (!at.usable()) {
        m_notes << tr("%1 is %2, not a file. Korbo leaves it as it is, and keeps no history of games while it is there.")
                       .arg(shown(path), at.what);
        return;
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    QString why;
    switch (inspect(m_connection + QLatin1String("-look"), path, &why)) {
    case Found::Newer:
        // A newer game's history: left exactly as it is.
        m_notes << tr("The history of games in %1 was written by a newer version of Korbo. It is left as it is, "
                      "and this version keeps no history of games.")
                       .arg(shown(path));
        return;
    case Found::Busy:
        m_notes << tr("Korbo could not read the history of games, and keeps none in this run:") + QLatin1Char('\n')
                       + shown(path) + QLatin1String(": ") + why;
        return;
    case Found::Damaged: {
        // Kept aside with its journals, which hold the last games written, and begun anew.
        const QString aside = KeepAside(path, m_today());
        for (const char *journal : {"-wal", "-shm"})
            if (!aside.isEmpty() && QFileInfo::exists(path + QLatin1String(journal)))
                QFile::rename(path + QLatin1String(journal), aside + QLatin1String(journal));
        const QString what = tr("The history of games was damaged, and a new one is begun.");
        m_notes << (aside.isEmpty() ? what + QLatin1Char(' ') + tr("The damaged file could not be kept aside:")
                                          + QLatin1Char('\n') + shown(path)
                                    : what + QLatin1Char(' ') + tr("The file as it was is kept as") + QLatin1Char('\n')
                                          + shown(aside));
        if (aside.isEmpty())
            return;
        break;
    }
    case Found::Nothing:
    case Found::Sound:
        break;
    }
    if (!begin(path)) {
        why = QSqlDatabase::database(m_connection, false).lastError().text();
        close();
        m_notes << tr("Korbo could not read the history of games, and keeps none in this run:") + QLatin1Char('\n')
                       + shown(path) + QLatin1String(": ") + why;
    }
}

// Opens the database for writing, and makes its tables where there are none yet:
// another copy of the game may be making them at the same moment.
bool HistoryStore::begin(const QString &path)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyWaitMs));
    if (!db.open())
        return false;
    QSqlQuery q(db);
    // Writers and readers apart: a copy of the game reading its statistics never holds
    // up another finishing a game.
    q.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    q.exec(QStringLiteral("PRAGMA foreign_keys=ON"));
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    bool ready = q.exec(QStringLiteral("PRAGMA user_version")) && q.next();
    const int version = ready ? q.value(0).toInt() : 0;
    if (ready && version < SchemaVersion) {
        for (const QString &statement : kCreate)
            ready = ready && q.exec(statement);
        ready = ready && q.exec(QStringLiteral("PRAGMA user_version=%1").arg(SchemaVersion));
    }
    ready = ready && version <= SchemaVersion;
    q.exec(ready ? QStringLiteral("COMMIT") : QStringLiteral("ROLLBACK"));
    return ready && !q.lastError().isValid();
}

SaveResult HistoryStore::run(const std::function<bool()> &work, const QString &doing)
{
    if (!isOpen())
        return {};
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    // Taking the write lock at once: a busy database is waited for here, not half-way.
    QSqlQuery begin(db);
    if (!begin.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return {doing + QLatin1Char('\n') + shown(m_path) + QLatin1String(": ") + begin.lastError().text()};
    if (work()) {
        QSqlQuery commit(db);
        if (commit.exec(QStringLiteral("COMMIT")))
            return {};
    }
    const QString why = db.lastError().text();
    QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
    return {doing + QLatin1Char('\n') + shown(m_path) + QLatin1String(": ") + why};
}

SaveResult HistoryStore::add(const GameRecord &game)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QString error;
    const auto fail = [&error](const QSqlQuery &q) {
        error = q.lastError().text();
        return false;
    };
    SaveResult result = run([&] {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("INSERT INTO game (played) VALUES (?)"));
        q.addBindValue(game.played.toString(kTimeFormat));
        if (!q.exec())
            return fail(q);
        const qlonglong id = q.lastInsertId().toLongLong();
        q.prepare(QStringLiteral("INSERT INTO seat (game, seat, name, name_key, computer, %1, bonus, extra_points, "
                                 "total, jokers_used, points_lost) VALUES (%2)")
                      .arg(categoryColumns(), QStringList(CategoryCount + 10, QStringLiteral("?")).join(QLatin1Char(','))));
        for (const SeatRecord &s : game.seats) {
            q.addBindValue(id);
            q.addBindValue(s.seat);
            q.addBindValue(s.name);
            q.addBindValue(HistoryKey(s.name));
            q.addBindValue(s.computer ? 1 : 0);
            for (int c = 1; c <= CategoryCount; ++c)
                q.addBindValue(int(s.scores[c]));
            for (int value : {s.bonus, s.extraPoints, s.total, s.jokersUsed})
                q.addBindValue(value);
            q.addBindValue(s.pointsLost ? QVariant(*s.pointsLost) : QVariant());
            if (!q.exec())
                return fail(q);
        }
        return true;
    }, tr("Korbo could not keep this game in the history of games:"));
    if (!result && !error.isEmpty())
        result.error += QLatin1String(" (") + error + QLatin1Char(')');
    return result;
}

QList<GameRecord> HistoryStore::query(const QString &where, const QVariantList &values) const
{
    QList<GameRecord> games;
    if (!isOpen())
        return games;
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT game.id, game.played, seat.seat, seat.name, seat.computer, %1, seat.bonus, "
                             "seat.extra_points, seat.total, seat.jokers_used, seat.points_lost "
                             "FROM game JOIN seat ON seat.game = game.id %2 ORDER BY game.played, game.id, seat.seat")
                  .arg(categoryColumns(), where));
    for (const QVariant &value : values)
        q.addBindValue(value);
    if (!q.exec())
        return games;
    qlonglong current = -1;
    while (q.next()) {
        int i = 0;
        const qlonglong id = q.value(i++).toLongLong();
        const QString played = q.value(i++).toString();
        if (id != current) {
            games.append({QDateTime::fromString(played, kTimeFormat), {}});
            current = id;
        }
        SeatRecord s;
        s.seat = q.value(i++).toInt();
        s.name = q.value(i++).toString();
        s.computer = q.value(i++).toInt() != 0;
        for (int c = 1; c <= CategoryCount; ++c)
            s.scores[c] = static_cast<Int16>(q.value(i++).toInt());
        s.bonus = q.value(i++).toInt();
        s.extraPoints = q.value(i++).toInt();
        s.total = q.value(i++).toInt();
        s.jokersUsed = q.value(i++).toInt();
        if (const QVariant lost = q.value(i++); !lost.isNull())
            s.pointsLost = lost.toDouble();
        games.last().seats.append(s);
    }
    return games;
}

QList<GameRecord> HistoryStore::allGames() const
{
    return query({}, {});
}

PlayerStatistics HistoryStore::statisticsOf(const QString &name, bool computer) const
{
    PlayerStatistics s;
    if (!isOpen())
        return s;
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.setForwardOnly(true);
    // The player's seats, each with the highest total of its game, how many seats
    // reached it, and how many seats the game had.
    const QString mine = QStringLiteral(
        "WITH mine AS (SELECT s.*, g.played, "
        "(SELECT MAX(o.total) FROM seat o WHERE o.game = s.game) AS top, "
        "(SELECT COUNT(*) FROM seat o WHERE o.game = s.game) AS seats FROM seat s JOIN game g ON g.id = s.game "
        "WHERE s.name_key = ? AND s.computer = ?) ");
    QStringList averages;
    for (int c = 1; c <= CategoryCount; ++c)
        averages << QStringLiteral("AVG(%1)").arg(HistoryColumn(c));
    q.prepare(mine + QStringLiteral("SELECT COUNT(*), "
                                    "TOTAL(seats >= 2 AND total = top AND "
                                    "(SELECT COUNT(*) FROM seat o WHERE o.game = mine.game AND o.total = mine.top) = 1), "
                                    "TOTAL(seats >= 2 AND total = top AND "
                                    "(SELECT COUNT(*) FROM seat o WHERE o.game = mine.game AND o.total = mine.top) > 1), "
                                    "TOTAL(total), TOTAL(total * total), MAX(total), MIN(total), TOTAL(bonus > 0), "
                                    "TOTAL(korbo > 0), TOTAL(extra_points), %1 FROM mine")
                  .arg(averages.join(QLatin1String(", "))));
    q.addBindValue(HistoryKey(name));
    q.addBindValue(computer ? 1 : 0);
    if (!q.exec() || !q.next() || q.value(0).toInt() == 0)
        return s;
    int i = 0;
    s.games = q.value(i++).toInt();
    s.wins = q.value(i++).toInt();
    s.ties = q.value(i++).toInt();
    const double sum = q.value(i++).toDouble(), squares = q.value(i++).toDouble();
    s.best = q.value(i++).toInt();
    s.lowest = q.value(i++).toInt();
    s.bonusRate = q.value(i++).toDouble() / s.games;
    s.korbos = q.value(i++).toInt();
    s.extraKorbos = q.value(i++).toInt() / ExtraKorboPoints;
    for (int c = 1; c <= CategoryCount; ++c)
        s.categoryAverage[c] = q.value(i++).toDouble();
    s.average = sum / s.games;
    s.deviation = s.games > 1 ? std::sqrt(std::max(0.0, (squares - sum * sum / s.games) / (s.games - 1))) : 0;

    // The series, game by game: the time as written (read as if at Greenwich, which
    // keeps the clock the player saw), the total, and the coach's figure.
    q.prepare(QStringLiteral("SELECT CAST(strftime('%s', g.played) AS INTEGER), s.total, s.points_lost "
                             "FROM seat s JOIN game g ON g.id = s.game WHERE s.name_key = ? AND s.computer = ? "
                             "ORDER BY g.played, g.id, s.seat"));
    q.addBindValue(HistoryKey(name));
    q.addBindValue(computer ? 1 : 0);
    if (!q.exec())
        return s;
    double window = 0;
    while (q.next()) {
        const QDateTime played = QDateTime::fromSecsSinceEpoch(q.value(0).toLongLong(), Qt::UTC);
        const double total = q.value(1).toDouble();
        s.totals.append({played, total});
        window += total;
        const int n = int(s.totals.size());
        if (n > PlayerStatistics::RunningGames)
            window -= s.totals[n - 1 - PlayerStatistics::RunningGames].value;
        s.runningAverage.append({played, window / std::min(n, int(PlayerStatistics::RunningGames))});
        if (const QVariant lost = q.value(2); !lost.isNull())
            s.pointsLost.append({played, lost.toDouble()});
    }
    return s;
}

QList<HistoryPlayer> HistoryStore::players() const
{
    QList<HistoryPlayer> players;
    if (!isOpen())
        return players;
    // Each player under the spelling of their latest game.
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT (SELECT s2.name FROM seat s2 JOIN game g2 ON g2.id = s2.game "
                               "WHERE s2.name_key = seat.name_key AND s2.computer = seat.computer "
                               "ORDER BY g2.played DESC, g2.id DESC LIMIT 1), computer, COUNT(*) AS n "
                               "FROM seat GROUP BY name_key, computer ORDER BY n DESC, name_key")))
        return players;
    while (q.next())
        players.append({q.value(0).toString(), q.value(1).toInt() != 0, q.value(2).toInt()});
    return players;
}

SaveResult HistoryStore::clear(const QString &name, bool computer)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    return run([&] {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("DELETE FROM seat WHERE name_key = ? AND computer = ?"));
        q.addBindValue(HistoryKey(name));
        q.addBindValue(computer ? 1 : 0);
        return q.exec() && q.exec(QStringLiteral("DELETE FROM game WHERE id NOT IN (SELECT game FROM seat)"));
    }, tr("Korbo could not clear the history of games:"));
}

SaveResult HistoryStore::clearAll()
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    return run([&] {
        QSqlQuery q(db);
        return q.exec(QStringLiteral("DELETE FROM seat")) && q.exec(QStringLiteral("DELETE FROM game"));
    }, tr("Korbo could not clear the history of games:"));
}

namespace {

// A field as RFC 4180 writes it; a text a spreadsheet would take for a formula
// (=, +, - or @ first) is written with an apostrophe before it, so it stays text.
QByteArray csvField(QString text)
{
    if (!text.isEmpty() && QStringLiteral("=+-@\t\r").contains(text.front()))
        text.prepend(QLatin1Char('\''));
    if (text.contains(QLatin1Char('"')) || text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('\n'))
        || text.contains(QLatin1Char('\r')) || text.startsWith(QLatin1Char('\'')))
        text = QLatin1Char('"') + text.replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
    return text.toUtf8();
}

} // namespace

QByteArray HistoryStore::csv() const
{
    QByteArray out = "played,game,seat,name,computer,";
    out += categoryColumns().remove(QLatin1Char(' ')).toLatin1();
    out += ",bonus,extra_points,total,jokers_used,points_lost\r\n";
    int number = 0;
    for (const GameRecord &game : allGames()) {
        ++number;
        for (const SeatRecord &s : game.seats) {
            QByteArrayList fields{game.played.toString(Qt::ISODate).toLatin1(), QByteArray::number(number),
                                  QByteArray::number(s.seat), csvField(s.name), s.computer ? "1" : "0"};
            for (int c = 1; c <= CategoryCount; ++c)
                fields << QByteArray::number(s.scores[c]);
            for (int value : {s.bonus, s.extraPoints, s.total, s.jokersUsed})
                fields << QByteArray::number(value);
            // Numbers in the C way, a point before the decimals, whatever the language.
            fields << (s.pointsLost ? QByteArray::number(*s.pointsLost, 'f', 2) : QByteArray());
            out += fields.join(',') + "\r\n";
        }
    }
    return out;
}

} // namespace korbo
