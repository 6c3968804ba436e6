#include "RecordsFile.h"

#include "Random.h"
#include "Records.h"

#include <QFile>
#include <QIODevice>

#include <algorithm>

namespace korbo {

namespace {

// Hands out the file's lines without their line ends. Once the file is used up,
// every further read gives the last line read again.
class LineSource {
public:
    explicit LineSource(QIODevice &device) : m_device(device) {}

    bool atEnd() const { return m_device.atEnd(); }

    const QString &next()
    {
        if (!m_device.atEnd()) {
            QByteArray raw = m_device.readLine();
            if (raw.endsWith('\n'))
                raw.chop(1);
            if (raw.endsWith('\r'))
                raw.chop(1);
            m_last = QString::fromLatin1(raw);
        }
        return m_last;
    }

    const QString &last() const { return m_last; }

private:
    QIODevice &m_device;
    QString m_last;
};

// The number a count line starts with, after any spaces; 0 when there is none or
// it is negative. Very long numbers are held at a billion.
qint64 leadingNumber(const QString &text)
{
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
    const qint64 count = leadingNumber(DecodeText(source.next()));
    QStringList list;
    for (qint64 i = 0; i < count; ++i) {
        if (source.atEnd()) {
            // Every read from here on gives the last line again; fill what room is
            // left with it instead of reading on.
            const QString repeated = DecodeText(source.last());
            for (; i < count && list.size() < RecordsMaxLines; ++i)
                list << repeated;
            break;
        }
        const QString &line = source.next();
        if (list.size() < RecordsMaxLines)
            list << DecodeText(line);
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

void ReadRecords(Records &records, QIODevice &device)
{
    LineSource source(device);
    const QStringList highs = readList(source);
    const QStringList tries = readList(source);
    records.setLists(highs, tries);
}

bool ReadRecordsFile(Records &records, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        records.clear();
        return false;
    }
    ReadRecords(records, file);
    return true;
}

} // namespace korbo
