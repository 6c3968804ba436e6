#include "RecordsFile.h"

#include "Random.h"
#include "Records.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QIODevice>

#include <algorithm>

namespace korbo {

namespace {

// Hands out the file's lines without their line ends. Once the file is used up,
// every further read gives the last line read again. It reads at most
// RecordsMaxFileBytes and cuts lines at RecordsMaxLineBytes, noting either as damage:
// a records file is a few kilobytes.
class LineSource {
public:
    explicit LineSource(QIODevice &device) : m_device(device) {}

    bool atEnd() const { return m_device.atEnd() || m_budget <= 0; }
    bool damaged() const { return m_damaged; }
    void noteDamage() { m_damaged = true; }

    const QString &next()
    {
        if (atEnd())
            return m_last;
        QByteArray raw = m_device.readLine(std::min<qint64>(RecordsMaxLineBytes, m_budget) + 1);
        m_budget -= raw.size();
        if (!raw.endsWith('\n') && !m_device.atEnd()) {
            // Too long for a records line: the rest of it is passed over.
            m_damaged = true;
            char c = 0;
            while (m_budget > 0 && m_device.getChar(&c) && c != '\n')
                --m_budget;
        }
        if (raw.endsWith('\n'))
            raw.chop(1);
        if (raw.endsWith('\r'))
            raw.chop(1);
        m_last = QString::fromLatin1(raw);
        if (m_budget <= 0 && !m_device.atEnd())
            m_damaged = true;
        return m_last;
    }

    const QString &last() const { return m_last; }

private:
    QIODevice &m_device;
    QString m_last;
    qint64 m_budget = RecordsMaxFileBytes;
    bool m_damaged = false;
};

// The count a count line holds: spaces, then digits, as the game writes it (" 5").
// Anything else is damage, and the count is what the number it starts with gives:
// 0 when there is none or it is negative. Very long numbers are held at a billion.
qint64 countOf(const QString &text, LineSource &source)
{
    static const QRegularExpression written(QStringLiteral("^ *[0-9]+$"));
    if (!written.match(text).hasMatch())
        source.noteDamage();
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    qint64 n = 0;
    constexpr qint64 Limit = 1000000000;
    for (; i < text.size() && text.at(i).isDigit() && text.at(i).unicode() < 128; ++i)
        n = std::min(Limit, n * 10 + (text.at(i).unicode() - '0'));
    return negative ? 0 : n;
}

QStringList readList(LineSource &source)
{
    if (source.atEnd())
        source.noteDamage(); // no count line
    const qint64 count = countOf(DecodeText(source.next()), source);
    QStringList list;
    for (qint64 i = 0; i < count; ++i) {
        if (source.atEnd()) {
            // Fewer lines than the count: every read from here on gives the last
            // line again; fill what room is left with it instead of reading on.
            source.noteDamage();
            const QString repeated = DecodeText(source.last());
            for (; i < count && list.size() < RecordsMaxLines; ++i)
                list << repeated;
            break;
        }
        const QString line = DecodeText(source.next());
        if (line.isEmpty())
            source.noteDamage(); // the game never writes an empty line
        if (list.size() < RecordsMaxLines)
            list << line;
    }
    return list;
}

QByteArray encodedLine(const QString &text, Random &random)
{
    return EncodeText(text, random).toLatin1() + "\r\n";
}

void appendList(QByteArray &out, const QStringList &list, Random &random)
{
    out += encodedLine(QLatin1Char(' ') + QString::number(list.size()), random);
    for (const QString &line : list)
        out += encodedLine(line, random);
}

} // namespace

QByteArray RecordsFileBytes(const Records &records, Random &random)
{
    QByteArray out;
    appendList(out, records.listHI, random);
    appendList(out, records.listLO, random);
    return out;
}

SaveResult WriteRecordsFile(const Records &records, const QString &path, Random &random)
{
    return SaveWholeFile(path, RecordsFileBytes(records, random));
}

bool ReadRecords(Records &records, QIODevice &device)
{
    LineSource source(device);
    const QStringList highs = readList(source);
    const QStringList tries = readList(source);
    records.setLists(highs, tries);
    return !source.damaged();
}

QString KeepAside(const QString &path, const QDate &today)
{
    const QString base = path + QLatin1String(".damaged-") + today.toString(QStringLiteral("yyyyMMdd"));
    QString aside = base;
    for (int n = 2; QFileInfo::exists(aside) || QFileInfo(aside).isSymLink(); ++n)
        aside = base + QLatin1Char('-') + QString::number(n);
    return QFile::rename(path, aside) ? aside : QString();
}

RecordsRead ReadRecordsFile(Records &records, const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        records.clear();
        return RecordsRead::Missing;
    }
    // Only a plain file is opened: a pipe would keep the game waiting for a writer,
    // a device would never end.
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        records.clear();
        return RecordsRead::Unreadable;
    }
    return ReadRecords(records, file) ? RecordsRead::Whole : RecordsRead::Damaged;
}

} // namespace korbo
