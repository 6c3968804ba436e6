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

// Reads the file a line at a time, without line ends: at most RecordsMaxFileBytes in
// all, lines cut at RecordsMaxLineBytes. Either limit reached is damage: a records file
// is a few kilobytes.
class LineSource {
public:
    explicit LineSource(QIODevice &device) : m_device(device)
    {
        // A byte-order mark is what an editor may leave at the start: read past it.
        if (m_device.peek(3) == QByteArrayLiteral("\xEF\xBB\xBF"))
            m_device.skip(3);
    }

    bool atEnd() const { return m_device.atEnd() || m_budget <= 0; }
    bool damaged() const { return m_damaged; }

    QString next()
    {
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
        if (m_budget <= 0 && !m_device.atEnd())
            m_damaged = true;
        return QString::fromLatin1(raw);
    }

private:
    QIODevice &m_device;
    qint64 m_budget = RecordsMaxFileBytes;
    bool m_damaged = false;
};

// The count a count line holds, as the game writes it: spaces, then digits (" 5");
// -1 for any other text.
int countIn(const QString &text)
{
    static const QRegularExpression written(QStringLiteral("^ *([0-9]{1,9})$"));
    const QRegularExpressionMatch match = written.match(text);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// The position a record line starts with, 1..99 right-aligned in two columns and
// followed by a space; 0 for any other text.
int positionIn(const QString &text)
{
    static const QRegularExpression written(QStringLiteral("^( [1-9]|[1-9][0-9]) "));
    if (text.size() != RecordLineLength || !written.match(text).hasMatch())
        return 0;
    return text.left(2).trimmed().toInt();
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

bool ReadRecords(Records &records, QIODevice &device, int *linesLeftOut)
{
    // Each record line carries its position, so the lists can be told apart by the
    // lines themselves: a list runs while the positions rise, and the next position 1
    // starts the Super Tries. The count lines are checked against what was found. A
    // line that cannot be decoded, or breaks the order, is left out and counted; no
    // line is ever made up.
    LineSource source(device);
    QStringList lists[2];
    int counts[2] = {-1, -1};
    int list = 0, lastPosition = 0, leftOut = 0;
    while (!source.atEnd()) {
        const QString text = DecodeText(source.next());
        if (const int count = countIn(text); count >= 0) {
            // A line lost before anything else was the highs' count.
            if (list == 0 && lists[0].isEmpty() && counts[0] < 0 && leftOut == 0) {
                counts[0] = count;
                continue;
            }
            if (list == 0 || (lists[1].isEmpty() && counts[1] < 0)) {
                list = 1;
                lastPosition = 0;
                counts[1] = count;
                continue;
            }
        } else if (const int position = positionIn(text)) {
            if (position == 1 && list == 0 && !lists[0].isEmpty()) {
                list = 1; // the Super Tries' count line was lost
                lastPosition = 0;
            }
            if (position > lastPosition) {
                lists[list] << text;
                lastPosition = position;
                continue;
            }
        }
        ++leftOut;
    }
    records.setLists(lists[0], lists[1]);
    if (linesLeftOut)
        *linesLeftOut = leftOut;
    return leftOut == 0 && !source.damaged() && counts[0] == lists[0].size() && counts[1] == lists[1].size();
}

QString KeepAside(const QString &path, const QDate &today)
{
    const QString base = path + QLatin1String(".damaged-") + today.toString(QStringLiteral("yyyyMMdd"));
    QString aside = base;
    for (int n = 2; QFileInfo::exists(aside) || QFileInfo(aside).isSymLink(); ++n)
        aside = base + QLatin1Char('-') + QString::number(n);
    return QFile::rename(path, aside) ? aside : QString();
}

RecordsRead ReadRecordsFile(Records &records, const QString &path, int *linesLeftOut)
{
    if (linesLeftOut)
        *linesLeftOut = 0;
    const FileAt at = LookAt(path);
    if (at.kind == FileAt::Nothing) {
        records.clear();
        return RecordsRead::Missing;
    }
    // Only a plain file is opened: a pipe would keep the game waiting for a writer,
    // a device would never end.
    QFile file(path);
    if (!at.usable() || !file.open(QIODevice::ReadOnly)) {
        records.clear();
        return RecordsRead::Unreadable;
    }
    return ReadRecords(records, file, linesLeftOut) ? RecordsRead::Whole : RecordsRead::Damaged;
}

} // namespace korbo
