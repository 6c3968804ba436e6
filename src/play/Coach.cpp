// The coach: hints, the cost of a person's choices, and a game's summary. Best play
// is worked out as the computer seats work it out; nothing here plays it.

#include "Advisor.h"
#include "DiceText.h"
#include "Game.h"
#include "Scoring.h"

#include <QLocale>
#include <QPointer>

#include <cmath>

namespace korbo {

namespace {

// Costs under this are the rounding of the table, not a worse choice.
constexpr double Negligible = 0.05;

// An action as the status line names it: "hold 5 5 5 and throw", "play a joker on
// the 2", "enter Korbo".
QString hintText(const GameState &state, const strategy::Action &action)
{
    switch (action.move) {
    case strategy::Move::Throw: {
        const QString held = facesText(state.dice, action.hold);
        if (held.isEmpty())
            return Game::tr("Throw all six again");
        return putsHeldDiceBack(state, action.hold) ? Game::tr("Hold only %1 and throw").arg(held)
                                                    : Game::tr("Hold %1 and throw").arg(held);
    }
    case strategy::Move::Joker:
        return Game::tr("Play a joker on the %1").arg(state.dice[action.die]);
    case strategy::Move::Enter:
        return Game::tr("Enter %1").arg(categoryName(action.category));
    }
    return {};
}

// The same, as the coach names a choice made ("Holding 5 5") and the best one
// ("holding 5 5 5 was best"): each is a phrase a translation puts in its sentences.
QString choiceText(const GameState &state, const strategy::Action &action, bool best)
{
    switch (action.move) {
    case strategy::Move::Throw: {
        const QString held = facesText(state.dice, action.hold);
        if (held.isEmpty())
            return best ? Game::tr("throwing all six") : Game::tr("Throwing all six");
        return (best ? Game::tr("holding %1") : Game::tr("Holding %1")).arg(held);
    }
    case strategy::Move::Joker:
        return (best ? Game::tr("a joker on the %1") : Game::tr("A joker on the %1")).arg(state.dice[action.die]);
    case strategy::Move::Enter:
        return categoryName(action.category);
    }
    return {};
}

// A number of points as the language writes it, to one decimal: "2.8", "2,8".
QString points(double value)
{
    return QLocale().toString(value, 'f', 1);
}

} // namespace

bool Game::hintAvailable() const
{
    return m_shown.gameInProgress() && !computersTurn() && m_shown.throwNo >= 1 && !m_busy && !m_strategyMissing;
}

QCoro::Task<> Game::showHint()
{
    if (!hintAvailable())
        co_return;
    QPointer<Game> self(this);
    const int serial = m_turnSerial;
    const std::shared_ptr<const strategy::TurnStartValues> values = co_await strategyValues();
    // The table may have been loading while the game went on.
    if (!self || serial != m_turnSerial || !hintAvailable())
        co_return;
    const GameState &state = m_engine.state();
    const strategy::Advice advice = strategy::advise(*values, state, state.curPlayer);
    const strategy::Action &action = advice.action;
    Table1<bool, DiceCount> dice{};
    if (action.move == strategy::Move::Throw)
        dice = action.hold;
    else if (action.move == strategy::Move::Joker)
        dice[action.die] = true;
    board.setMarks(dice, action.move == strategy::Move::Enter ? action.category : 0);
    //: a hint: what to do, then the points best play expects from here
    board.setAnnounce(tr("%1: %2 expected").arg(hintText(state, action), points(advice.expected)));
}

void Game::setCoach(bool on)
{
    OptionValues values = m_options.values();
    values.coach = on;
    setOptions(values);
    if (on)
        run([](QPointer<Game> game) -> QCoro::Task<> { co_await game->strategyValues(); }(this));
}

void Game::setLanguage(const QString &code)
{
    OptionValues values = m_options.values();
    values.language = code;
    setOptions(values);
}

void Game::judge(const strategy::Action &chosen, By by)
{
    // The decision is judged on the game as the rules have it, whatever is still moving.
    const GameState &state = m_engine.state();
    if (!m_options.coach || by != By::Person || !m_values || m_strategyMissing || !state.gameInProgress())
        return;
    const int p = state.curPlayer;
    m_judged[p] = true;
    const strategy::Position position = strategy::Position::of(state, p);
    const strategy::TurnPlanner planner(*m_values, strategy::Sheet::of(state, p), PlayerTotal(state, p),
                                        position.throwNo, position.jokers);
    const strategy::Advice best = planner.best(position);
    const double cost = best.expected - planner.expected(position, chosen);
    if (!(cost >= Negligible)) // a choice the rules refuse has no cost to tell
        return;
    m_pointsLost[p] += cost;
    if (chosen.move == strategy::Move::Enter) {
        // Told now, and again with the next greeting, since the turn passes on at once.
        m_coachsWord = tr("%1 cost %2 %3 points on average; %4 was best.")
                           .arg(categoryName(chosen.category), state.playerName[p], points(cost),
                                choiceText(state, best.action, true));
        board.setAnnounce(m_coachsWord);
        return;
    }
    board.setAnnounce(tr("%1 costs %2 points on average; %3 was best")
                          .arg(choiceText(state, chosen, false), points(cost), choiceText(state, best.action, true)));
}

QString Game::coachSummary() const
{
    if (!m_values || m_strategyMissing)
        return {};
    // What best play expects from an empty sheet: the score every loss is taken from.
    strategy::Position start;
    start.jokers = JokersPerGame;
    const double best = strategy::TurnPlanner(*m_values, strategy::Sheet{}, 0).best(start).expected;
    const GameState &state = m_shown;
    QStringList lines;
    for (int p = 1; p <= state.numPlayers; ++p) {
        if (state.pcPlayer[p])
            continue;
        lines << tr("%1 lost %2 points on average against best play: %3% of its %4.")
                     .arg(state.playerName[p], points(m_pointsLost[p]), points(100 * (best - m_pointsLost[p]) / best),
                          points(best));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace korbo
