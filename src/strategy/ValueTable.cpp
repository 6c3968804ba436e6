#include "ValueTable.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QSaveFile>
#include <QtConcurrent/QtConcurrentRun>
#include <QtEndian>

#include <cmath>
#include <cstring>
#include <iterator>
#include <limits>

namespace korbo::strategy {

namespace {

// Raise when the turn's rules change in a way the scores below do not show:
// throws, jokers, the upper bonus, the extra Korbo.
constexpr std::uint32_t TurnRulesRevision = 1;

// The rule constants a table is worked out for, named in its header, so a table made
// for other rules says which rule differs.
struct RuleConstant {
    const char *name;
    int value;
};
constexpr RuleConstant kRules[] = {
    {"throws a turn", ThrowsPerTurn},           {"jokers a game", JokersPerGame},
    {"upper sum for the bonus", UpperBonusThreshold}, {"points of the upper bonus", UpperBonusPoints},
    {"points for a further Korbo", ExtraKorboPoints},
};
constexpr int RuleCount = int(std::size(kRules));

// The file: this header, then the values as little-endian 16-bit numbers. The digest
// is the SHA-256 of the values, so a table damaged anywhere is refused rather than
// played from.
constexpr char Magic[4] = {'K', 'R', 'B', '3'};
constexpr int DigestSize = 32;
struct Header {
    char magic[4];
    std::uint32_t scale;
    std::uint64_t rulesVersion;
    std::uint64_t count;
    std::int32_t rules[RuleCount];
    char digest[DigestSize];
};

QByteArray digestOf(QByteArrayView body)
{
    return QCryptographicHash::hash(body, QCryptographicHash::Sha256);
}
constexpr qsizetype HeaderSize = sizeof(Header);

std::uint64_t entryCount()
{
    return static_cast<std::uint64_t>(SheetSpace::instance().count()) * JokerLevels;
}

// FNV-1a, 64 bits.
class Digest {
public:
    void add(std::int64_t value)
    {
        for (int i = 0; i < 8; ++i) {
            m_hash ^= static_cast<std::uint8_t>(value >> (8 * i));
            m_hash *= 0x100000001b3ull;
        }
    }
    std::uint64_t value() const { return m_hash; }

private:
    std::uint64_t m_hash = 0xcbf29ce484222325ull;
};

} // namespace

std::uint64_t ValueTable::rulesVersion()
{
    static const std::uint64_t version = [] {
        Digest digest;
        for (int v : {int(TurnRulesRevision), ThrowsPerTurn, JokersPerGame, UpperBonusThreshold, UpperBonusPoints,
                      ExtraKorboPoints, Scale})
            digest.add(v);
        const Hands &hands = Hands::instance();
        for (int c = 1; c <= CategoryCount; ++c)
            for (int roll = 0; roll < RollCount; ++roll)
                digest.add(hands.score(c, roll));
        return digest.value();
    }();
    return version;
}

QString ValueTable::fileName()
{
    return QStringLiteral(KORBO_STRATEGY_TABLE_NAME);
}

QStringList ValueTable::searchPaths()
{
    const QString programDir = QCoreApplication::applicationDirPath();
    return {
        QDir(programDir).filePath(fileName()),
        QDir::cleanPath(programDir + QLatin1Char('/') + QStringLiteral(KORBO_STRATEGY_INSTALLED_DIR)
                        + QLatin1Char('/') + fileName()),
    };
}

ValueTable ValueTable::rounded(const ExactValues &exact)
{
    ValueTable table;
    table.m_values.reserve(exact.values().size());
    for (double v : exact.values()) {
        const long units = std::lround(v * Scale);
        Q_ASSERT(units >= 0 && units <= std::numeric_limits<std::uint16_t>::max());
        table.m_values.push_back(static_cast<std::uint16_t>(units));
    }
    return table;
}

bool ValueTable::save(const QString &path, std::uint64_t version) const
{
    Header header;
    std::memcpy(header.magic, Magic, sizeof Magic);
    header.scale = qToLittleEndian<std::uint32_t>(Scale);
    header.rulesVersion = qToLittleEndian(version);
    header.count = qToLittleEndian<std::uint64_t>(m_values.size());
    for (int i = 0; i < RuleCount; ++i)
        header.rules[i] = qToLittleEndian<std::int32_t>(kRules[i].value);
    QByteArray data(HeaderSize + qsizetype(m_values.size() * sizeof(std::uint16_t)), Qt::Uninitialized);
    qToLittleEndian<std::uint16_t>(m_values.data(), qsizetype(m_values.size()), data.data() + HeaderSize);
    std::memcpy(header.digest, digestOf(QByteArrayView(data).sliced(HeaderSize)).constData(), DigestSize);
    std::memcpy(data.data(), &header, HeaderSize);

    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.commit();
}

std::shared_ptr<const ValueTable> ValueTable::load(const QString &path, QString *error)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return std::shared_ptr<const ValueTable>();
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    Header header;
    if (file.read(reinterpret_cast<char *>(&header), HeaderSize) != HeaderSize
        || std::memcmp(header.magic, Magic, sizeof Magic) != 0)
        return fail(QStringLiteral("not a strategy table"));
    for (int i = 0; i < RuleCount; ++i)
        if (const int made = qFromLittleEndian(header.rules[i]); made != kRules[i].value)
            return fail(QStringLiteral("made for %1 %2, not %3").arg(made).arg(QLatin1String(kRules[i].name)).arg(kRules[i].value));
    if (qFromLittleEndian(header.rulesVersion) != rulesVersion()
        || qFromLittleEndian(header.scale) != std::uint32_t(Scale))
        return fail(QStringLiteral("made for other rules"));
    const std::uint64_t count = entryCount();
    if (qFromLittleEndian(header.count) != count || file.size() != HeaderSize + qint64(count * sizeof(std::uint16_t)))
        return fail(QStringLiteral("damaged"));

    auto table = std::make_shared<ValueTable>();
    table->m_values.resize(count);
    const QByteArray data = file.readAll();
    if (data.size() != qsizetype(count * sizeof(std::uint16_t)))
        return fail(file.errorString());
    if (digestOf(data) != QByteArrayView(header.digest, DigestSize))
        return fail(QStringLiteral("damaged"));
    qFromLittleEndian<std::uint16_t>(data.constData(), qsizetype(count), table->m_values.data());
    return table;
}

QFuture<std::shared_ptr<const ValueTable>> ValueTable::loadAsync(const QString &path)
{
    return QtConcurrent::run([path] { return load(path); });
}

QFuture<SharedTable> ValueTable::shared()
{
    static QMutex mutex;
    static QFuture<SharedTable> loading;
    static bool started = false;
    const QMutexLocker lock(&mutex);
    if (!started) {
        started = true;
        loading = QtConcurrent::run([paths = searchPaths()] {
            QStringList errors;
            for (const QString &path : paths) {
                QString error;
                if (auto table = load(path, &error))
                    return SharedTable{table, {}};
                errors << path + QStringLiteral(": ") + error;
            }
            const QString why = errors.join(QStringLiteral("; "));
            qWarning("Korbo plays without its strategy table (%s)", qPrintable(why));
            return SharedTable{nullptr, why};
        });
    }
    return loading;
}

} // namespace korbo::strategy
