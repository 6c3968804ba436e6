// The computer seats: their turns, played through the same commands a person's
// clicks reach, and the evaluations the variables monitor shows.

#include "Advisor.h"
#include "DiceText.h"
#include "Game.h"
#include "Scoring.h"
#include "Ticks.h"
#include "ValueTable.h"

#include <QCoroFuture>
#include <QPointer>

#include <algorithm>

namespace korbo {

namespace {

// Without its table the computer still plays each turn for that turn's points,
// as if the game ended with it.
class ThisTurnOnly : public strategy::TurnStartValues {
public:
    double value(int, int) const override { return 0; }
};

} // namespace

void Game::setStrategyValues(std::shared_ptr<const strategy::TurnStartValues> values, const QString &whyNone)
{
    if (values) {
        m_values = std::move(values);
        return;
    }
    // The player hears of it once, when something first needs the table.
    m_values = std::make_shared<const ThisTurnOnly>();
    m_strategyMissing = true;
    m_host->strategyUnavailable(whyNone);
}

QCoro::Task<std::shared_ptr<const strategy::TurnStartValues>> Game::strategyValues()
{
    if (!m_values) {
        QPointer<Game> self(this);
        const strategy::SharedTable loaded = co_await strategy::ValueTable::shared();
        if (!self)
            co_return loaded.table;
        if (!m_values)
            setStrategyValues(loaded.table, loaded.error);
    }
    // A copy: handed a member, the task's promise would move out of it.
    co_return std::shared_ptr<const strategy::TurnStartValues>(m_values);
}

void Game::evaluateCategories()
{
    m_evaluating = true;
    run([](QPointer<Game> game) -> QCoro::Task<> {
        co_await game->strategyValues();
        if (game)
            game->updateEvaluations();
    }(this));
}

void Game::updateEvaluations()
{
    const GameState &state = m_engine.state();
    if (!m_evaluating || !m_values || !state.gameInProgress() || state.throwNo == 0)
        return;
    const int p = state.curPlayer;
    const strategy::Position position = strategy::Position::of(state, p);
    const int points = PlayerTotal(state, p);
    const strategy::TurnPlanner planner(*m_values, strategy::Sheet::of(state, p), points, position.throwNo,
                                        position.jokers);
    for (int c = 1; c <= CategoryCount; ++c) {
        strategy::Action entry;
        entry.move = strategy::Move::Enter;
        entry.category = c;
        m_catEval[c] = state.score[p][c] == NotScored ? planner.expected(position, entry) - points : 0;
    }
}

QCoro::Task<> Game::playComputerTurn()
{
    QPointer<Game> self(this);
    const int serial = m_turnSerial;
    const std::shared_ptr<const strategy::TurnStartValues> values = co_await strategyValues();
    const auto stillMine = [&] { return self && m_turnSerial == serial && computersTurn(); };
    if (!stillMine())
        co_return;
    // The computer decides on the game as the rules have it.
    const GameState &state = m_engine.state();
    const int p = state.curPlayer;
    for (;;) {
        co_await clock.wait(ticks::ComputerThinks);
        if (!stillMine())
            co_return;
        const strategy::Action action = strategy::advise(*values, state, p).action;
        const QString name = state.playerName[p];
        const int throwsBefore = state.throwNo, jokersBefore = state.jokers[p];
        // The line is made before it is handed on: a temporary made inside a co_await
        // is destroyed twice by GCC 12.
        QString line;
        switch (action.move) {
        case strategy::Move::Throw:
            if (state.throwNo > 0) {
                // The line says what stays; the dice then go where the throw wants
                // them, one at a time, as a person would move them.
                const QString held = facesText(state.dice, action.hold);
                line = held.isEmpty() ? tr("%1 throws all the dice again").arg(name)
                       : putsHeldDiceBack(state, action.hold) ? tr("%1 holds only %2").arg(name, held)
                                                              : tr("%1 holds %2").arg(name, held);
                co_await Announce(line);
                for (int d = 1; d <= DiceCount; ++d) {
                    if (action.hold[d] != state.diceToThrow[d])
                        continue;
                    co_await toggleHold(d, By::Computer);
                    co_await clock.wait(ticks::ComputerHolds);
                }
            }
            co_await throwDice(By::Computer);
            break;
        case strategy::Move::Joker:
            line = tr("%1 plays a joker on the %2").arg(name).arg(state.dice[action.die]);
            co_await Announce(line);
            co_await playJoker(action.die, AnyJoker, By::Computer);
            break;
        case strategy::Move::Enter:
            line = tr("%1 chooses %2").arg(name, categoryName(action.category));
            co_await Announce(line);
            co_await enterCategory(action.category, By::Computer);
            co_return;
        }
        // Every decision throws or plays a joker; were one refused, asking again
        // would only get the same answer.
        if (!stillMine())
            co_return;
        if (state.throwNo == throwsBefore && state.jokers[p] == jokersBefore) {
            qWarning("Korbo: %s's move was refused; the turn waits for the game to be stopped", qPrintable(name));
            co_return;
        }
    }
}

} // namespace korbo
