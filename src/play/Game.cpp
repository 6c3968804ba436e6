#include "Game.h"

#include "Ticks.h"

namespace korbo {

namespace {

const QString kJokerHint = QStringLiteral("Joker - Use one to re-throw any die at any point in the game");
const QString kJokerDragHint = QStringLiteral("Drop the Joker on the Die you would like to throw again");
const QString kJokerDieHint = QStringLiteral("Play a joker on this Die");

// Held dice slide a little past the row before settling into it.
constexpr int kHeldSlideEnd = 4080;
// A die sent back to the throwing area lands just above the line, then hops.
constexpr int kBackInTray = 3060;

} // namespace

Game::Game(QObject *parent) : QObject(parent)
{
    for (int d = 1; d <= DiceCount; ++d)
        state.diceToThrow[d] = true;
}

QString Game::turnText(int round)
{
    if (round == RoundCount)
        return QStringLiteral("last go");
    const char *suffix = round == 1 ? "st" : round == 2 ? "nd" : round == 3 ? "rd" : "th";
    return QString::number(round) + QLatin1String(suffix) + QLatin1String(" turn");
}

// ---------------------------------------------------------------- game and turn start

QCoro::Task<> Game::menuNewClick()
{
    if (state.numPlayers == 0) {
        m_host->choosePlayers();
        if (state.numPlayers == 0)
            co_return;
    }
    if (state.roundNo != 0) {
        // Stopping a game is finished together with the end of a game.
        co_return;
    }
    co_await NewGame();
}

QCoro::Task<> Game::butThrowClick()
{
    if (state.busy)
        co_return;
    if (state.roundNo == 0)
        co_await menuNewClick();
    else
        co_await ThrowDice();
}

void Game::ResetScoreTable()
{
    for (int p = 1; p <= MaxPlayers; ++p)
        for (int c = 1; c <= CategoryCount; ++c)
            state.score[p][c] = NotScored;
}

QCoro::Task<> Game::NewGame()
{
    state.roundNo = 1;
    state.curPlayer = 1;
    state.throwNo = 0;
    const int style = options.diceStyle >= 1 && options.diceStyle <= 6 ? options.diceStyle
                                                                        : StyleUserDefined;
    for (int i = 1; i <= MaxPlayers; ++i) {
        state.jokers[i] = JokersPerGame;
        state.diceToThrow[i] = true;
        if (state.playerDiceStyle[i] == 0)
            state.playerDiceStyle[i] = static_cast<Int16>(style);
    }
    ResetScoreTable();
    m_host->clearScoreSheet();
    m_host->setPrintEnabled(true);
    co_await StartTurn();
}

QCoro::Task<> Game::StartTurn()
{
    state.busy = true;
    const int p = state.curPlayer;
    board.setTitle(state.playerName[p] + QLatin1String("'s ") + turnText(state.roundNo));
    board.applyDiceStyle(state.playerDiceStyle[p]);
    for (int c = 1; c <= CategoryCount; ++c) {
        state.catShown[c] = false;
        board.setCategoryLabelColour(c, ScoreGreen);
        if (c <= DiceCount) {
            state.dice[c] = 0;
            board.setDieVisible(c, false);
            state.diceToThrow[c] = true;
        }
        if (state.score[p][c] == NotScored) {
            board.setCategoryLabel(c, QString());
            board.setCategoryEnabled(c, true);
            if (!options.textButtons())
                board.setCategoryPicture(c, ButtonPicture::Open);
        } else {
            board.setCategoryLabel(c, QString::number(state.score[p][c]));
            if (!options.textButtons())
                board.setCategoryPicture(c, ButtonPicture::Used);
        }
    }
    board.setThrowCaption(QStringLiteral("1st Throw"));
    board.setThrowEnabled(true);
    state.throwNo = 0;
    for (int k = 1; k <= JokersPerGame; ++k)
        board.setJokerVisible(k, k <= state.jokers[p]);
    const QString prompt = QLatin1String("Off you go, ") + state.playerName[p];
    co_await Announce(prompt);
    state.promptText = prompt;
    if (options.autoThrow())
        co_await ThrowDice();
    co_await clock.yield();
    state.busy = false;
}

// ---------------------------------------------------------------- throwing

void Game::showDieFace(int d, int face)
{
    board.setDieFace(d, face);
}

QCoro::Task<> Game::playThrowSound(int diceThrown)
{
    if (options.sound == SoundChoice::Off || options.noThrowSounds())
        co_return;
    co_await clock.yield();
    const char *name = diceThrown == 1 ? "shake1" : diceThrown <= 4 ? "shake3" : "shake5";
    co_await m_sound->play(QString::fromLatin1(name), SoundMode::ToEnd);
}

void Game::applyTestDice()
{
    const std::optional<QString> answer = m_host->askTestDice();
    // Only a full answer of six faces counts; anything else leaves the dice as thrown,
    // so a die never shows a face it cannot have.
    if (!answer || answer->size() < DiceCount)
        return;
    for (int k = 0; k < DiceCount; ++k)
        if (answer->at(k) < u'1' || answer->at(k) > u'6')
            return;
    for (int k = 1; k <= DiceCount; ++k) {
        state.dice[k] = static_cast<Int16>(answer->at(k - 1).digitValue());
        showDieFace(k, state.dice[k]);
    }
}

QCoro::Task<> Game::ThrowDice()
{
    state.busy = true;
    int count = 0;
    for (int d = 1; d <= DiceCount; ++d)
        count += state.diceToThrow[d] ? 1 : 0;
    if (count == 0) {
        state.busy = false;
        co_return;
    }
    ++state.throwNo;
    for (int c = 1; c <= CategoryCount; ++c) {
        if (state.catShown[c]) {
            state.catShown[c] = false;
            board.setCategoryLabel(c, QString());
        }
    }

    const bool animate = options.animation();
    if (state.throwNo > 1) {
        // The dice to throw again are picked up one by one.
        for (QChar ch : ShuffleString(random, QStringLiteral("654321"))) {
            const int d = ch.digitValue();
            if (!state.diceToThrow[d])
                continue;
            if (animate)
                co_await clock.wait(ticks::RethrowLift);
            board.setDieVisible(d, false);
        }
    }

    std::array<int, DiceCount + 1> target{};
    if (!animate) {
        for (int d = 1; d <= DiceCount; ++d) {
            if (!state.diceToThrow[d])
                continue;
            state.dice[d] = static_cast<Int16>(RollDie(random));
            showDieFace(d, state.dice[d]);
            board.setDieTop(d, random.below(1740) + 1320);
        }
    } else {
        for (int d = 1; d <= DiceCount; ++d)
            target[d] = random.below(1440) + 1980;
    }

    co_await playThrowSound(count);

    if (!animate) {
        for (int d = 1; d <= DiceCount; ++d)
            if (state.diceToThrow[d])
                board.setDieVisible(d, true);
    } else {
        // Each die flies in from below and rises to rest; the one thrown before it keeps
        // tumbling (a fresh face every step) and drifts up a little as the next lands.
        int prev = 0;
        for (QChar ch : ShuffleString(random, QStringLiteral("123456"))) {
            const int d = ch.digitValue();
            if (prev > 0) {
                state.dice[prev] = static_cast<Int16>(RollDie(random));
                showDieFace(prev, state.dice[prev]);
                co_await clock.wait(ticks::Step);
            }
            if (!state.diceToThrow[d])
                continue;
            board.setDieTop(d, target[d] + 300);
            board.setDieVisible(d, true);
            for (int y = 60; y <= 600; y += 60) {
                board.setDieTop(d, target[d] - y);
                if (y > 400 && prev > 0)
                    board.setDieTop(prev, board.die(prev).top - 25);
                co_await clock.wait(ticks::Step);
            }
            prev = d;
        }
        if (prev > 0) {
            state.dice[prev] = static_cast<Int16>(RollDie(random));
            showDieFace(prev, state.dice[prev]);
            board.setDieTop(prev, board.die(prev).top - 50);
        }
    }

    if (m_testDice)
        applyTestDice();

    const QString &name = state.currentName();
    switch (state.throwNo) {
    case 1:
        board.setThrowCaption(QStringLiteral("2nd Throw"));
        state.promptText = QLatin1String("Sort your dice and throw again, ") + name;
        break;
    case 2:
        board.setThrowCaption(QStringLiteral("3rd Throw"));
        state.promptText = QLatin1String("Have another throw, ") + name;
        break;
    case 3:
        board.setThrowCaption(QStringLiteral("4th Throw"));
        state.promptText = QLatin1String("One more throw left on this go, ") + name;
        break;
    default:
        board.setThrowCaption(QStringLiteral("Finished"));
        board.setThrowEnabled(false);
        state.promptText = QLatin1String("Throwing over ") + name + QLatin1String(", choose your catagory");
        break;
    }

    co_await clock.wait(ticks::ThrowSettle);
    co_await clock.yield();
    state.busy = false;
}

// ---------------------------------------------------------------- sorting

QCoro::Task<> Game::imgDiceMouseDown(int d, Qt::MouseButton button)
{
    if (button == Qt::LeftButton) {
        co_await ToggleDie(d);
        co_return;
    }
    // Any other button moves every die of this face that lies on the same side.
    const bool side = state.diceToThrow[d];
    co_await ToggleDie(d);
    for (int i = 1; i <= DiceCount; ++i)
        if (i != d && state.dice[i] == state.dice[d] && state.diceToThrow[i] == side)
            co_await ToggleDie(i);
}

QCoro::Task<> Game::SlideDie(int d, int from, int to)
{
    const int step = from <= to ? 200 : -200;
    for (int y = from; step > 0 ? y <= to : y >= to; y += step) {
        board.setDieTop(d, y);
        co_await clock.wait(ticks::Step);
    }
    board.setDieTop(d, to);
    co_await clock.wait(ticks::Step);
}

QCoro::Task<> Game::ToggleDie(int d)
{
    const bool animate = options.animation();
    if (geometry::inThrowingArea(board.die(d).top)) {
        if (animate) {
            co_await SlideDie(d, board.die(d).top, kHeldSlideEnd);
            co_await clock.wait(ticks::HeldSettle);
        }
        board.setDieTop(d, geometry::HeldTop);
        state.diceToThrow[d] = false;
    } else {
        if (!animate) {
            board.setDieTop(d, kBackInTray);
        } else {
            co_await SlideDie(d, board.die(d).top, kBackInTray);
            board.setDieTop(d, kBackInTray);
            const int hops = random.below(5) + 6;
            for (int y = 10; y <= 10 * hops; y += 10) {
                co_await clock.wait(ticks::Step);
                board.setDieTop(d, kBackInTray - y);
            }
        }
        state.diceToThrow[d] = true;
    }
}

// ---------------------------------------------------------------- jokers

void Game::jokerMouseMove() { board.setAnnounce(kJokerHint); }
void Game::formDragOver() { board.setAnnounce(kJokerDragHint); }
void Game::imgDiceDragOver() { board.setAnnounce(kJokerDieHint); }

QCoro::Task<> Game::jokerDrop(int d, int k)
{
    // Refused while a throw, a commit or a turn start runs: in the pause after a commit
    // the token would be charged to the next player and change a die that the next
    // turn resets anyway.
    if (state.busy || state.roundNo == 0 || !board.jokerVisible(k) || !board.die(d).visible
        || state.jokers[state.curPlayer] <= 0)
        co_return;
    state.busy = true;
    int face = 0;
    if (options.animation()) {
        const int landing = random.below(1100) + 1600;
        for (int y = board.die(d).top; y >= 1260; y -= 200) {
            board.setDieTop(d, y);
            co_await clock.wait(ticks::Step);
        }
        board.setDieTop(d, 1260);
        showDieFace(d, RollDie(random));
        co_await clock.wait(ticks::Step);
        for (int y = 1460; y <= 3060; y += 160) {
            board.setDieTop(d, y);
            co_await clock.wait(ticks::Step);
        }
        board.setDieTop(d, 3120);
        face = RollDie(random);
        showDieFace(d, face);
        co_await clock.wait(ticks::Step);
        for (int y = 2920; y >= landing; y -= 60) {
            board.setDieTop(d, y);
            co_await clock.wait(ticks::Step);
        }
        // A held die goes back to the held row, so where it lies and whether the next
        // throw rolls it still agree.
        if (!state.diceToThrow[d]) {
            co_await SlideDie(d, board.die(d).top, kHeldSlideEnd);
            board.setDieTop(d, geometry::HeldTop);
        }
    } else {
        board.setDieVisible(d, false);
        co_await clock.wait(ticks::JokerHidden);
        face = RollDie(random);
        showDieFace(d, face);
        board.setDieVisible(d, true);
    }
    state.dice[d] = static_cast<Int16>(face);
    --state.jokers[state.curPlayer];
    board.setJokerVisible(k, false);
    state.busy = false;
}

// ---------------------------------------------------------------- status line

QCoro::Task<> Game::Announce(QString text)
{
    board.setAnnounce(QString());
    co_await clock.wait(ticks::AnnounceBlank);
    board.setAnnounce(text);
}

void Game::formMouseMove()
{
    board.setAnnounce(state.promptText);
}

} // namespace korbo
