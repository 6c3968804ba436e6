#include "Solitaire.h"

#include "Scoring.h"

namespace korbo::strategy {

SolitaireGame::SolitaireGame(const TurnStartValues &values, std::uint32_t seed) : m_values(values), m_random(seed)
{
    m_state.numPlayers = 1;
    m_state.curPlayer = Player;
    m_state.roundNo = 1;
    m_state.jokers[Player] = JokersPerGame;
}

Advice SolitaireGame::advice()
{
    if (!m_turn)
        m_turn = std::make_unique<TurnPlanner>(m_values, m_state, Player);
    return m_turn->best(Position::of(m_state, Player));
}

void SolitaireGame::play(const Action &action)
{
    GameState &s = m_state;
    switch (action.move) {
    case Move::Throw:
        for (int d = 1; d <= DiceCount; ++d) {
            s.diceToThrow[d] = s.throwNo == 0 || !action.hold[d];
            if (s.diceToThrow[d])
                s.dice[d] = static_cast<Int16>(RollDie(m_random));
        }
        ++s.throwNo;
        break;
    case Move::Joker:
        s.dice[action.die] = static_cast<Int16>(RollDie(m_random));
        --s.jokers[Player];
        break;
    case Move::Enter: {
        const int points = ScoreCategory(s, action.category).score;
        if (s.score[Player][Korbo] > 0 && ScoreCategory(s.dice, Korbo).score > 0)
            s.score[Player][Korbo] = static_cast<Int16>(s.score[Player][Korbo] + ExtraKorboPoints);
        s.score[Player][action.category] = static_cast<Int16>(points);
        ++s.roundNo;
        s.throwNo = 0;
        s.dice.fill(0);
        s.diceToThrow.fill(true);
        m_turn.reset();
        break;
    }
    }
}

int SolitaireGame::total() const
{
    return PlayerTotal(m_state, Player);
}

} // namespace korbo::strategy
