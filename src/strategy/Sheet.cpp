#include "Sheet.h"

#include "Scoring.h"

#include <algorithm>
#include <set>

namespace korbo::strategy {

namespace {

constexpr int UpperMask = (1 << Sixes) - 1; // all six upper categories
constexpr int LowerCategories = CategoryCount - Sixes;
constexpr int KorboLowerBit = 1 << (Korbo - Quad);

// The most the open upper categories can still add.
int upperRoom(int upperSet)
{
    int room = 0;
    for (int c = Ones; c <= Sixes; ++c)
        if (!(upperSet & (1 << (c - 1))))
            room += c * DiceCount;
    return room;
}

} // namespace

Sheet Sheet::of(const GameState &state, int player)
{
    Sheet sheet;
    for (int c = 1; c <= CategoryCount; ++c) {
        if (state.score[player][c] == NotScored)
            continue;
        sheet.filled |= bit(c);
        if (c <= Sixes)
            sheet.upperSum += state.score[player][c];
    }
    sheet.korboScored = state.score[player][Korbo] > 0;
    return sheet;
}

const SheetSpace &SheetSpace::instance()
{
    static const SheetSpace space;
    return space;
}

SheetSpace::SheetSpace()
{
    for (int u = 0; u < UpperSets; ++u) {
        // Every sum the entered upper categories can make, capped at the threshold.
        std::set<int> sums{0};
        for (int c = Ones; c <= Sixes; ++c) {
            if (!(u & (1 << (c - 1))))
                continue;
            std::set<int> more;
            for (int s : sums)
                for (int n = 0; n <= DiceCount; ++n)
                    more.insert(std::min(UpperBonusThreshold, s + c * n));
            sums = std::move(more);
        }
        m_upperOffset[u] = m_upperCount;
        m_level[u].fill(-1);
        const int room = upperRoom(u);
        int levels = 0;
        int lost = -1; // the level of every sum that cannot reach the bonus any more
        for (int s : sums) {
            if (u == UpperMask && levels > 0) {
                m_level[u][s] = 0;
                continue;
            }
            if (u != UpperMask && s + room < UpperBonusThreshold) {
                if (lost < 0) {
                    lost = levels++;
                    m_upperSetOf.push_back(static_cast<std::uint8_t>(u));
                    m_sumOf.push_back(static_cast<std::int8_t>(s));
                }
                m_level[u][s] = static_cast<std::int16_t>(lost);
                continue;
            }
            m_level[u][s] = static_cast<std::int16_t>(levels++);
            m_upperSetOf.push_back(static_cast<std::uint8_t>(u));
            m_sumOf.push_back(static_cast<std::int8_t>(s));
        }
        m_upperCount += levels;
    }
}

int SheetSpace::indexOf(const Sheet &sheet) const
{
    if (sheet.upperSum < 0)
        return -1;
    const int u = sheet.filled & UpperMask;
    const int level = m_level[u][std::min(sheet.upperSum, UpperBonusThreshold)];
    if (level < 0)
        return -1;
    const int lowerSet = sheet.filled >> Sixes;
    const int lower = sheet.korboScored && (lowerSet & KorboLowerBit)
        ? (1 << LowerCategories) + (lowerSet & ~KorboLowerBit)
        : lowerSet;
    return (m_upperOffset[u] + level) * LowerCount + lower;
}

Sheet SheetSpace::sheet(int index) const
{
    const int upper = index / LowerCount;
    int lower = index % LowerCount;
    Sheet sheet;
    sheet.korboScored = lower >= (1 << LowerCategories);
    if (sheet.korboScored)
        lower = (lower - (1 << LowerCategories)) | KorboLowerBit;
    sheet.filled = static_cast<std::uint16_t>(m_upperSetOf[upper] | (lower << Sixes));
    sheet.upperSum = m_sumOf[upper];
    return sheet;
}

SheetSpace::Entry SheetSpace::enter(int index, int category, int slot) const
{
    Sheet next = sheet(index);
    Entry entry{-1, 0};
    next.filled |= Sheet::bit(category);
    if (category <= Sixes) {
        const int before = next.upperSum;
        next.upperSum += category * slot;
        // A sum standing for sums that cannot reach the bonus cannot reach it from here.
        entry.bonus = BonusEarned(before, next.upperSum);
    } else if (category == Korbo) {
        next.korboScored = slot > 0;
    }
    entry.next = indexOf(next);
    return entry;
}

} // namespace korbo::strategy
