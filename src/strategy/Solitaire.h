#pragma once

#include "Advisor.h"
#include "Random.h"

#include <cstdint>
#include <memory>

namespace korbo::strategy {

// One player's whole game played by the engine, straight on the game state with the
// game's scoring and dice: what the benchmark and the tests watch the engine do.
class SolitaireGame {
public:
    SolitaireGame(const TurnStartValues &values, std::uint32_t seed);

    bool over() const { return m_state.roundNo > RoundCount; }
    const GameState &state() const { return m_state; }
    // The engine's choice where the turn stands.
    Advice advice();
    // Carries out `action` as the game would, whether or not the rules allow it.
    void play(const Action &action);
    int total() const;

    static constexpr int Player = 1;

private:
    const TurnStartValues &m_values;
    GameState m_state;
    Random m_random;
    std::unique_ptr<TurnPlanner> m_turn; // made at the first question of a turn
};

} // namespace korbo::strategy
