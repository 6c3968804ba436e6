#pragma once

#include "GameState.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace korbo::strategy {

// Which dice show which face matters to the score, not which die shows it, so the
// engine works on multisets of faces ("hands"): 924 of zero to six dice, 462 of them
// a full throw of six.
inline constexpr int FaceCount = 6;
inline constexpr int HandCount = 924;
inline constexpr int RollCount = 462;
// Hands are numbered by size, then by their counts; the six-dice hands come last.
inline constexpr int FirstRoll = HandCount - RollCount;
// Hands of five dice: what is left when one die of a throw is taken away.
inline constexpr int FirstFive = FirstRoll - 252;
// What an entry can lead to, per category: the dice of that face for an upper
// category (0..6), six of a kind or not for Korbo, a single outcome otherwise.
inline constexpr int SlotCount = DiceCount + 1;

using Counts = std::array<std::int8_t, FaceCount>; // dice showing face f at [f - 1]

// Tables about hands, made once: what a hand becomes with a die more or less, the
// chance of each throw of six, and every category's score for every throw.
class Hands {
public:
    static const Hands &instance();

    const Counts &counts(int hand) const { return m_counts[hand]; }
    int size(int hand) const;
    int index(const Counts &counts) const;
    int indexOf(const DiceArray &dice) const;
    // Hand with one more die showing `face`, or -1 for a hand of six.
    int plus(int hand, int face) const { return m_plus[hand][face - 1]; }
    // Hand with one die showing `face` fewer, or -1 when none shows it.
    int minus(int hand, int face) const { return m_minus[hand][face - 1]; }
    // The faces a hand holds, each once, in rising order; ends at the first 0.
    const std::array<std::int8_t, FaceCount> &faces(int hand) const { return m_faces[hand]; }
    // Every hand of at most five dice taken from a throw of six: what can be held
    // for the next throw.
    std::span<const std::int16_t> keeps(int roll) const;

    // Throws of six are numbered 0..RollCount-1 from here on ("roll").
    double rollChance(int roll) const { return m_rollChance[roll]; }
    int score(int category, int roll) const { return m_score[category][roll]; }
    int slot(int category, int roll) const { return m_slot[category][roll]; }
    bool sixOfAKind(int roll) const { return m_sixOfAKind[roll]; }
    DiceArray dice(int roll) const; // the faces in rising order, as dice 1..6

private:
    Hands();

    std::array<Counts, HandCount> m_counts{};
    std::array<std::array<std::int16_t, FaceCount>, HandCount> m_plus{};
    std::array<std::array<std::int16_t, FaceCount>, HandCount> m_minus{};
    std::array<std::array<std::int8_t, FaceCount>, HandCount> m_faces{};
    std::vector<std::int16_t> m_indexByKey;
    std::vector<std::int16_t> m_keeps;
    std::array<int, RollCount + 1> m_keepStart{};
    std::array<double, RollCount> m_rollChance{};
    std::array<std::array<std::int16_t, RollCount>, CategoryCount + 1> m_score{};
    std::array<std::array<std::int8_t, RollCount>, CategoryCount + 1> m_slot{};
    std::array<bool, RollCount> m_sixOfAKind{};
};

} // namespace korbo::strategy
