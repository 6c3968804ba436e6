#include "Random.h"

#include <array>

namespace korbo {

namespace {
// Entry i (1..36) of the table; entry 0 is unused.
constexpr std::array<int, 37> kFaceTable = {
    0,
    5, 3, 6, 5, 1, 3, 4, 6, 2, 1, 3, 2, // 1..12
    4, 6, 2, 4, 5, 1, 5, 3, 1, 4, 3, 1, // 13..24
    2, 4, 5, 6, 2, 6, 1, 2, 4, 6, 3, 5, // 25..36
};
} // namespace

int FaceTable(int index)
{
    Q_ASSERT(index >= 1 && index <= 36);
    return kFaceTable[index];
}

int RollDie(Random &random)
{
    return FaceTable(random.below(36) + 1);
}

QString ShuffleString(Random &random, QString s)
{
    QString result;
    result.reserve(s.size());
    while (s.size() >= 2) {
        const int p = random.below(static_cast<int>(s.size()));
        result += s.at(p);
        s.remove(p, 1);
    }
    result += s;
    return result;
}

} // namespace korbo
