#pragma once

#include <QString>

#include <cstdint>
#include <random>

namespace korbo {

// The game's one source of chance: uniform single-precision values in [0, 1).
// Seeded once at start-up from the time of day; tests seed it to replay a game.
class Random {
public:
    explicit Random(std::uint32_t seed = 1) { this->seed(seed); }

    void seed(std::uint32_t seed) { m_engine.seed(seed); }

    // A value in [0, 1). 24 random bits make every result an exact float below 1.
    float next() { return static_cast<float>(m_engine() >> 8) * (1.0f / 16777216.0f); }

    // 32 random bits, to seed another generator with.
    std::uint32_t next32() { return m_engine(); }

    // Int(R * n): a whole number in 0 .. n-1.
    int below(int n) { return static_cast<int>(next() * static_cast<float>(n)); }

private:
    std::mt19937 m_engine;
};

// Face of each of the 36 table entries a roll picks from; each face occurs six times.
int FaceTable(int index);

// A die roll: a random entry of the face table.
int RollDie(Random &random);

// The characters of `s` in a random order.
QString ShuffleString(Random &random, QString s);

} // namespace korbo
