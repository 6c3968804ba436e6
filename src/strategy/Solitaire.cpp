#include "Solitaire.h"

namespace korbo::strategy {

SolitaireGame::SolitaireGame(const TurnStartValues &values, std::uint32_t seed)
    : m_values(values), m_engine(std::make_unique<SeededDice>(seed))
{
    Seats seats;
    seats.names[Player] = QStringLiteral("Solo");
    m_engine.setPlayers(seats);
    m_engine.newGame();
}

Advice SolitaireGame::advice()
{
    if (!m_turn)
        m_turn = std::make_unique<TurnPlanner>(m_values, state(), Player);
    return m_turn->best(Position::of(state(), Player));
}

bool SolitaireGame::play(const Action &action)
{
    switch (action.move) {
    case Move::Throw:
        // The dice go where the throw wants them, then the rest are thrown.
        if (state().throwNo > 0)
            for (int d = 1; d <= DiceCount; ++d)
                if (action.hold[d] == state().diceToThrow[d] && !m_engine.toggleHold(d))
                    return false;
        return bool(m_engine.throwDice());
    case Move::Joker:
        return bool(m_engine.playJoker(action.die));
    case Move::Enter:
        m_turn.reset();
        return bool(m_engine.enter(action.category));
    }
    return false;
}

int SolitaireGame::total() const
{
    return PlayerTotal(state(), Player);
}

} // namespace korbo::strategy
