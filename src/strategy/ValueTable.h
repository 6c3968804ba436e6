#pragma once

#include "Values.h"

#include <QFuture>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <vector>

namespace korbo::strategy {

class ValueTable;

// The game's own table as loaded for everyone, or why it could not be.
struct SharedTable {
    std::shared_ptr<const ValueTable> table;
    QString error;
};

// The turn-start values as the game ships them: worked out once when the game is
// built (tools/strategy) and kept as 16-bit fixed point, together with the version
// of the rules they were worked out for. A table made for other rules is refused.
class ValueTable : public TurnStartValues {
public:
    // Values are whole multiples of 1/Scale of a point. 16 bits hold up to 511.99,
    // more than any turn start is worth.
    static constexpr int Scale = 128;

    // Stands for the rules this build plays by: the turn's rules and every
    // category's score for every throw. Changes whenever one of them changes.
    static std::uint64_t rulesVersion();
    static QString fileName();
    // Where the game looks for its table, in order: beside the program (the build
    // tree puts it there) and where an installation puts it.
    static QStringList searchPaths();

    static constexpr double Largest = 65535.0 / Scale;

    // Each value rounded to the nearest 1/Scale; all must lie in 0..Largest.
    static ValueTable rounded(const ExactValues &exact);
    bool save(const QString &path, std::uint64_t version = rulesVersion()) const;

    // Null for a missing, damaged or foreign file, with the reason in `error`. The
    // values are checked against the digest they were saved with.
    static std::shared_ptr<const ValueTable> load(const QString &path, QString *error = nullptr);
    // The same on a worker thread.
    static QFuture<std::shared_ptr<const ValueTable>> loadAsync(const QString &path);
    // The game's table from searchPaths(), loaded on a worker the first time anyone
    // asks (never at start-up: the table is only wanted once a computer player or a
    // hint needs it); every later call shares that load. No table when none could be
    // used, with the reasons.
    static QFuture<SharedTable> shared();

    double value(int sheet, int jokers) const override
    {
        return m_values[static_cast<std::size_t>(sheet) * JokerLevels + jokers] / double(Scale);
    }

private:
    std::vector<std::uint16_t> m_values;
};

} // namespace korbo::strategy
