#include "Hands.h"

#include "Scoring.h"

#include <cmath>
#include <numeric>

namespace korbo::strategy {

namespace {

constexpr int KeyBase = DiceCount + 1;
constexpr int KeyCount = KeyBase * KeyBase * KeyBase * KeyBase * KeyBase * KeyBase;

int keyOf(const Counts &counts)
{
    int key = 0;
    for (int f = FaceCount - 1; f >= 0; --f)
        key = key * KeyBase + counts[f];
    return key;
}

// Every way to spread `left` dice over faces `face`..6, most on the lowest face first.
void spread(Counts &counts, int face, int left, std::vector<Counts> &out)
{
    if (face == FaceCount - 1) {
        counts[face] = static_cast<std::int8_t>(left);
        out.push_back(counts);
        return;
    }
    for (int n = left; n >= 0; --n) {
        counts[face] = static_cast<std::int8_t>(n);
        spread(counts, face + 1, left - n, out);
    }
}

double factorial(int n)
{
    double f = 1;
    for (int i = 2; i <= n; ++i)
        f *= i;
    return f;
}

} // namespace

const Hands &Hands::instance()
{
    static const Hands hands;
    return hands;
}

Hands::Hands() : m_indexByKey(KeyCount, -1)
{
    std::vector<Counts> all;
    for (int size = 0; size <= DiceCount; ++size) {
        Counts counts{};
        spread(counts, 0, size, all);
    }
    Q_ASSERT(static_cast<int>(all.size()) == HandCount);
    for (int h = 0; h < HandCount; ++h) {
        m_counts[h] = all[h];
        m_indexByKey[keyOf(all[h])] = static_cast<std::int16_t>(h);
    }
    for (int h = 0; h < HandCount; ++h) {
        int distinct = 0;
        m_faces[h].fill(0);
        for (int f = 1; f <= FaceCount; ++f) {
            Counts more = m_counts[h], fewer = m_counts[h];
            ++more[f - 1];
            --fewer[f - 1];
            m_plus[h][f - 1] = size(h) < DiceCount ? static_cast<std::int16_t>(index(more)) : -1;
            m_minus[h][f - 1] = fewer[f - 1] >= 0 ? static_cast<std::int16_t>(index(fewer)) : -1;
            if (m_counts[h][f - 1] > 0)
                m_faces[h][distinct++] = static_cast<std::int8_t>(f);
        }
    }

    for (int roll = 0; roll < RollCount; ++roll) {
        m_keepStart[roll] = static_cast<int>(m_keeps.size());
        for (int h = 0; h < FirstRoll; ++h) {
            bool inside = true;
            for (int f = 0; f < FaceCount; ++f)
                inside = inside && m_counts[h][f] <= m_counts[FirstRoll + roll][f];
            if (inside)
                m_keeps.push_back(static_cast<std::int16_t>(h));
        }
    }
    m_keepStart[RollCount] = static_cast<int>(m_keeps.size());

    const double throws = std::pow(FaceCount, DiceCount);
    for (int roll = 0; roll < RollCount; ++roll) {
        const Counts &c = m_counts[FirstRoll + roll];
        double orders = factorial(DiceCount);
        for (int n : c)
            orders /= factorial(n);
        m_rollChance[roll] = orders / throws;

        const DiceArray d = dice(roll);
        m_sixOfAKind[roll] = ScoreCategory(d, Korbo).score > 0;
        for (int category = 1; category <= CategoryCount; ++category) {
            m_score[category][roll] = ScoreCategory(d, category).score;
            if (category <= Sixes)
                m_slot[category][roll] = c[category - 1];
            else if (category == Korbo)
                m_slot[category][roll] = m_sixOfAKind[roll] ? 1 : 0;
        }
    }
}

std::span<const std::int16_t> Hands::keeps(int roll) const
{
    return std::span<const std::int16_t>(m_keeps).subspan(m_keepStart[roll], m_keepStart[roll + 1] - m_keepStart[roll]);
}

int Hands::size(int hand) const
{
    const Counts &c = m_counts[hand];
    return std::accumulate(c.begin(), c.end(), 0);
}

int Hands::index(const Counts &counts) const
{
    return m_indexByKey[keyOf(counts)];
}

int Hands::indexOf(const DiceArray &dice) const
{
    Counts counts{};
    for (int d = 1; d <= DiceCount; ++d)
        ++counts[dice[d] - 1];
    return index(counts);
}

DiceArray Hands::dice(int roll) const
{
    DiceArray d{};
    int next = 1;
    for (int f = 1; f <= FaceCount; ++f)
        for (int n = 0; n < m_counts[FirstRoll + roll][f - 1]; ++n)
            d[next++] = static_cast<Int16>(f);
    return d;
}

} // namespace korbo::strategy
