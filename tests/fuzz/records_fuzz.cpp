// Fuzz target: the records-file reader on an in-memory device.
// Whatever the file holds, each list keeps at most its 99 lines, and the file the
// game writes for those lists reads back to lists of the same lengths.
#include "Random.h"
#include "Records.h"
#include "RecordsFile.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

using namespace korbo;

namespace {

void readFrom(Records &records, QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    ReadRecords(records, buffer);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Records records;
    readFrom(records, QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    if (records.listHI.size() > RecordsMaxLines || records.listLO.size() > RecordsMaxLines)
        std::abort();

    Random random(size);
    Records again;
    readFrom(again, RecordsFileBytes(records, random));
    if (again.listHI.size() != records.listHI.size() || again.listLO.size() != records.listLO.size())
        std::abort();
    return 0;
}
