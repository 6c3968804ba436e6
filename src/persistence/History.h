#pragma once

#include "GameState.h"
#include "SaveFile.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QStringList>

#include <functional>
#include <optional>
#include <utility>

namespace korbo {

struct PlayerStatistics;

// One seat of a finished game, as the history keeps it.
struct SeatRecord {
    int seat = 0;
    QString name; // as typed
    bool computer = false;
    // Each category's entry; Korbo's holds its extra points.
    Table1<Int16, CategoryCount> scores{};
    int bonus = 0;
    int extraPoints = 0;
    int total = 0;
    int jokersUsed = 0;
    // What the seat's choices cost against best play, where the coach was on.
    std::optional<double> pointsLost;

    // A Korbo scored, and how many more six of a kinds were entered after it.
    bool korbo() const { return scores[Korbo] > 0; }
    int extraKorbos() const { return extraPoints / ExtraKorboPoints; }
    bool operator==(const SeatRecord &) const = default;
};

struct GameRecord {
    QDateTime played;
    QList<SeatRecord> seats;
    bool operator==(const GameRecord &) const = default;
};

// Whom the statistics are about: a name, its letter case ignored as the records do,
// people and computer seats of one name kept apart.
struct HistoryPlayer {
    QString name; // as last typed
    bool computer = false;
    int games = 0;
    bool operator==(const HistoryPlayer &) const = default;
};

// Every finished game, kept in an SQLite database beside the records file. Each game
// is written in one transaction; other copies of the game may write the same file at
// the same time (SQLite takes turns for them). A damaged database is kept aside with
// its journal files and a new one begun; one made by a newer version of the game is
// left untouched, and nothing is kept meanwhile. The player hears of either once.
class HistoryStore : public QObject {
    Q_OBJECT
public:
    explicit HistoryStore(std::function<QDate()> today);
    ~HistoryStore() override;

    // Opens (or begins) the database at `path`.
    void open(const QString &path);
    bool isOpen() const;

    // Adds a finished game; on failure the answer says why, and nothing of it is kept.
    SaveResult add(const GameRecord &game);
    // Every player of the history, most games first.
    QList<HistoryPlayer> players() const;
    // Every game, oldest first.
    QList<GameRecord> allGames() const;
    // What the games of `name` (letter case ignored), a person or a computer seat,
    // come to; worked out by the database, so a long history opens at once.
    PlayerStatistics statisticsOf(const QString &name, bool computer) const;
    // Forgets one player's seats (a game left with no seat goes too), or everything.
    SaveResult clear(const QString &name, bool computer);
    SaveResult clearAll();
    // The history as CSV: a heading line, then one line per seat per game.
    QByteArray csv() const;

    // What the player should hear of since last asked, each once.
    QStringList takeNotes() { return std::exchange(m_notes, {}); }

    // The layout of the tables this version writes; a newer one is never touched.
    static constexpr int SchemaVersion = 1;
    // How long a write waits while another copy of the game writes.
    static constexpr int BusyWaitMs = 5000;
    static const QString FileName;

private:
    bool begin(const QString &path);
    void close();
    QList<GameRecord> query(const QString &where, const QVariantList &values) const;
    SaveResult run(const std::function<bool()> &work, const QString &doing);

    std::function<QDate()> m_today;
    QString m_connection;
    QString m_path;
    QStringList m_notes;
};

// A name as the history compares it: letter case ignored.
QString HistoryKey(const QString &name);
// A category's column in the history and its export ("ones" … "korbo"), the same in
// every language.
QString HistoryColumn(int category);

} // namespace korbo
