#include "Engine.h"

#include <algorithm>

namespace korbo {

Engine::Engine(std::unique_ptr<DiceSource> dice) : m_dice(std::move(dice))
{
    m_state.diceToThrow.fill(true);
}

Outcome Engine::setPlayers(const Seats &seats)
{
    if (m_state.gameInProgress())
        return {};
    m_state.numPlayers = 0;
    for (int p = 1; p <= MaxPlayers; ++p) {
        m_state.playerName[p] = seats.names[p];
        m_state.pcPlayer[p] = seats.computer[p];
        if (!seats.names[p].isEmpty())
            ++m_state.numPlayers;
    }
    // The sheet starts empty for the new company.
    for (auto &scores : m_state.score)
        scores.fill(NotScored);
    return {false, {}};
}

Outcome Engine::newGame()
{
    if (m_state.gameInProgress() || m_state.numPlayers == 0)
        return {};
    m_state.gameOver = false;
    m_state.roundNo = 1;
    m_state.curPlayer = 1;
    m_state.jokers.fill(JokersPerGame);
    for (auto &scores : m_state.score)
        scores.fill(NotScored);
    startTurn();
    return {false, {event::GameStarted{}, event::TurnPassed{}}};
}

Outcome Engine::stopGame()
{
    if (!m_state.gameInProgress())
        return {};
    m_state.roundNo = 0;
    m_state.gameOver = false;
    for (auto &scores : m_state.score)
        scores.fill(NotScored);
    return {false, {event::GameEnded{}}};
}

void Engine::startTurn()
{
    m_state.throwNo = 0;
    m_state.dice.fill(0);
    m_state.diceToThrow.fill(true);
    m_state.catShown.fill(false);
}

bool Engine::canThrow() const
{
    return m_state.gameInProgress() && m_state.throwNo < MaxThrows
        && std::any_of(m_state.diceToThrow.begin() + 1, m_state.diceToThrow.end(), [](bool t) { return t; });
}

Outcome Engine::throwDice()
{
    if (!canThrow())
        return {};
    event::DiceThrown thrown;
    for (int d = 1; d <= DiceCount; ++d) {
        thrown.dice[d] = m_state.diceToThrow[d];
        if (thrown.dice[d])
            m_state.dice[d] = static_cast<Int16>(m_dice->roll());
    }
    ++m_state.throwNo;
    // A score shown for the old dice no longer holds.
    m_state.catShown.fill(false);
    return {false, {thrown}};
}

Outcome Engine::fixDice(const DiceArray &faces)
{
    if (!m_state.gameInProgress() || m_state.throwNo == 0
        || std::any_of(faces.begin() + 1, faces.end(), [](Int16 f) { return f < 1 || f > 6; }))
        return {};
    std::copy(faces.begin() + 1, faces.end(), m_state.dice.begin() + 1);
    return {false, {}};
}

bool Engine::canMove(int die) const
{
    return m_state.gameInProgress() && m_state.throwNo > 0 && die >= 1 && die <= DiceCount;
}

Outcome Engine::toggleHold(int die)
{
    if (!canMove(die))
        return {};
    m_state.diceToThrow[die] = !m_state.diceToThrow[die];
    return {false, {event::DieMoved{die, !m_state.diceToThrow[die]}}};
}

Outcome Engine::moveFace(int die)
{
    if (!canMove(die))
        return {};
    const bool side = m_state.diceToThrow[die];
    Outcome outcome = toggleHold(die);
    for (int d = 1; d <= DiceCount; ++d)
        if (d != die && m_state.dice[d] == m_state.dice[die] && m_state.diceToThrow[d] == side)
            outcome.events.push_back(toggleHold(d).events.front());
    return outcome;
}

bool Engine::canPlayJoker(int die) const
{
    return canMove(die) && m_state.jokers[m_state.curPlayer] > 0;
}

Outcome Engine::playJoker(int die)
{
    if (!canPlayJoker(die))
        return {};
    m_state.dice[die] = static_cast<Int16>(m_dice->roll());
    --m_state.jokers[m_state.curPlayer];
    return {false, {event::JokerPlayed{die}}};
}

bool Engine::canEnter(int category) const
{
    return m_state.gameInProgress() && m_state.throwNo > 0 && category >= 1 && category <= CategoryCount
        && m_state.score[m_state.curPlayer][category] == NotScored;
}

Outcome Engine::preview(int category)
{
    if (!canEnter(category))
        return {};
    m_state.catShown[category] = true;
    return {false, {event::ScoreShown{category, ScoreCategory(m_state.dice, category)}}};
}

Outcome Engine::enter(int category)
{
    if (!canEnter(category))
        return {};
    Outcome outcome{false, {}};
    const int p = m_state.curPlayer;
    const CategoryScore entry = ScoreCategory(m_state.dice, category);
    if (const int extra = ExtraPoints(m_state.score[p][Korbo], m_state.dice)) {
        m_state.score[p][Korbo] = static_cast<Int16>(m_state.score[p][Korbo] + extra);
        outcome.events.push_back(event::KorboGrew{p, extra});
    }
    m_state.score[p][category] = entry.score;
    outcome.events.push_back(event::ScoreEntered{p, category, entry});

    if (++m_state.curPlayer > m_state.numPlayers) {
        m_state.curPlayer = 1;
        ++m_state.roundNo;
    }
    if (m_state.roundNo > RoundCount) {
        event::GameEnded ended;
        for (int q = 1; q <= m_state.numPlayers; ++q)
            ended.results.append({m_state.playerName[q], PlayerTotal(m_state, q)});
        m_state.roundNo = 0;
        m_state.gameOver = true;
        outcome.events.push_back(ended);
        return outcome;
    }
    startTurn();
    outcome.events.push_back(event::TurnPassed{});
    return outcome;
}

} // namespace korbo
