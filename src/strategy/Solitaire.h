#pragma once

#include "Advisor.h"
#include "Engine.h"

#include <cstdint>
#include <memory>

namespace korbo::strategy {

// One player's whole game played by best play through the game's own rules engine,
// with the game's dice: what the benchmark and the tests watch best play do.
class SolitaireGame {
public:
    SolitaireGame(const TurnStartValues &values, std::uint32_t seed);

    bool over() const { return m_engine.state().gameOver; }
    const GameState &state() const { return m_engine.state(); }
    // Best play's choice where the turn stands.
    Advice advice();
    // Carries out `action` through the engine's commands; false when the rules
    // refuse it (and then nothing changed).
    bool play(const Action &action);
    int total() const;

    static constexpr int Player = 1;

private:
    const TurnStartValues &m_values;
    Engine m_engine;
    std::unique_ptr<TurnPlanner> m_turn; // made at the first question of a turn
};

} // namespace korbo::strategy
