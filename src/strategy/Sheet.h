#pragma once

#include "GameState.h"

#include <array>
#include <cstdint>
#include <vector>

namespace korbo::strategy {

inline constexpr int ThrowsPerTurn = MaxThrows;

// What the rest of one player's game depends on at the start of a turn, apart from
// the jokers left.
struct Sheet {
    std::uint16_t filled = 0; // bit c - 1 for every entered category c
    int upperSum = 0;         // the upper entries added up
    bool korboScored = false; // Korbo entered with more than 0

    bool isOpen(int category) const { return !(filled & bit(category)); }
    bool isFull() const { return filled == AllFilled; }
    static std::uint16_t bit(int category) { return static_cast<std::uint16_t>(1u << (category - 1)); }
    static constexpr std::uint16_t AllFilled = (1u << CategoryCount) - 1;

    // The sheet of `player` in a game in progress.
    static Sheet of(const GameState &state, int player);
};

// Numbers the sheets compactly. The upper sum only counts while the bonus is still to
// be won: from 80 on it is 80, and when the open upper categories cannot reach 80 any
// more all sums are one. Only sums the entered upper categories can make are numbered.
class SheetSpace {
public:
    static const SheetSpace &instance();

    int count() const { return m_upperCount * LowerCount; }
    // -1 for an upper sum that the entered categories cannot make.
    int indexOf(const Sheet &sheet) const;
    // The sheet numbered `index`, its upper sum the smallest of those it stands for.
    Sheet sheet(int index) const;

    struct Entry {
        int next;  // the sheet after the entry
        int bonus; // the upper bonus this entry earns
    };
    // Entering `category` with `slot` (see Hands::slot) from the sheet numbered `index`.
    Entry enter(int index, int category, int slot) const;

private:
    SheetSpace();

    // The lower categories' entered set, and for an entered Korbo whether it scored.
    static constexpr int LowerCount = 256 + 128;
    static constexpr int UpperSets = 64;

    int m_upperCount = 0;
    std::array<std::array<std::int16_t, UpperBonusThreshold + 1>, UpperSets> m_level{};
    std::array<int, UpperSets> m_upperOffset{};
    std::vector<std::uint8_t> m_upperSetOf; // by upper state
    std::vector<std::int8_t> m_sumOf;       // by upper state
};

} // namespace korbo::strategy
