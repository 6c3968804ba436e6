#include "Game.h"

#include "Advisor.h"
#include "CategorySounds.h"
#include "Paths.h"
#include "Scoring.h"
#include "Ticks.h"

#include <QPointer>

#include <algorithm>

namespace korbo {

namespace {

const QString kJokerHint = QStringLiteral("Joker - Use one to re-throw any die at any point in the game");
const QString kJokerDragHint = QStringLiteral("Drop the Joker on the Die you would like to throw again");
const QString kJokerDieHint = QStringLiteral("Play a joker on this Die");

} // namespace

Game::Game(QObject *parent) : QObject(parent)
{
    for (int d = 1; d <= DiceCount; ++d)
        state.diceToThrow[d] = true;
}

QString Game::throwCaption(int throwsMade)
{
    static const char *const captions[] = {"1st Throw", "2nd Throw", "3rd Throw", "4th Throw", "Finished"};
    return QLatin1String(captions[std::clamp(throwsMade, 0, MaxThrows)]);
}

void Game::run(QCoro::Task<> command)
{
    // The command's task is kept by a procedure of its own, which resumes when it ends
    // and sees how: a stopped game's cancelled waits are a normal end.
    [](QPointer<Game> game, QCoro::Task<> task) -> QCoro::Task<> {
        QString failure;
        try {
            co_await std::move(task);
        } catch (const WaitCancelled &) {
        } catch (const std::exception &e) {
            failure = QString::fromLocal8Bit(e.what());
        } catch (...) {
            failure = QStringLiteral("an unknown exception");
        }
        if (!failure.isEmpty() && game)
            game->recover(failure);
    }(this, std::move(command));
}

void Game::recover(const QString &failure)
{
    qWarning("Korbo: a command failed (%s); the board is put back as the game stands", qPrintable(failure));
    // The board as the state has it, with every die where its side says.
    const bool playing = state.gameInProgress();
    const int p = state.curPlayer;
    board.clearMarks();
    for (int d = 1; d <= DiceCount; ++d) {
        board.setDieFace(d, state.dice[d]);
        if (!state.diceToThrow[d])
            board.setDieTop(d, geometry::HeldTop);
        else if (!geometry::inThrowingArea(board.die(d).top))
            board.setDieTop(d, paths::BackInTray);
        board.setDieVisible(d, playing && state.throwNo > 0);
    }
    for (int k = 1; k <= JokersPerGame; ++k)
        board.setJokerVisible(k, playing && k <= state.jokers[p]);
    for (int c = 1; c <= CategoryCount; ++c) {
        const bool entered = playing && state.score[p][c] != NotScored;
        const bool shown = playing && state.catShown[c];
        board.setCategoryLabel(c, entered ? QString::number(state.score[p][c])
                                  : shown ? QString::number(ScoreCategory(state.dice, c).score)
                                          : QString());
        board.setCategoryLabelColour(c, shown && !entered ? PreviewYellow : ScoreGreen);
    }
    RefreshCategoryButtons(board, state, options);
    board.setThrowCaption(playing ? throwCaption(state.throwNo) : QStringLiteral("Start Game"));
    board.setThrowEnabled(!playing || state.throwNo < MaxThrows);
    board.setAnnounce(state.promptText);
    state.busy = false;
}

QString Game::turnText(int round)
{
    if (round == RoundCount)
        return QStringLiteral("last go");
    const char *suffix = round == 1 ? "st" : round == 2 ? "nd" : round == 3 ? "rd" : "th";
    return QString::number(round) + QLatin1String(suffix) + QLatin1String(" turn");
}

// ---------------------------------------------------------------- game and turn start

QCoro::Task<> Game::newGame()
{
    if (state.numPlayers == 0) {
        m_host->choosePlayers();
        if (state.numPlayers == 0)
            co_return;
    }
    if (state.roundNo != 0) {
        co_await stopGame();
        co_return;
    }
    co_await NewGame();
}

QCoro::Task<> Game::stopGame()
{
    // The game may have ended while the question was open.
    if (state.roundNo != 0 && m_host->confirmStopGame() && state.roundNo != 0)
        co_await GameOver();
}

bool Game::setPlayers(const Seats &seats)
{
    if (state.gameInProgress())
        return false;
    Int16 count = 0;
    for (int i = 1; i <= MaxPlayers; ++i) {
        state.playerName[i] = seats.names[i];
        state.pcPlayer[i] = seats.computer[i];
        if (!seats.names[i].isEmpty())
            ++count;
    }
    state.numPlayers = count;
    // The sheet starts empty for the new company.
    ResetScoreTable();
    return true;
}

QCoro::Task<> Game::throwDice(By by)
{
    // After the fourth throw the button is disabled; the guard holds for any caller.
    if (state.busy || !playsNow(by) || (state.roundNo != 0 && state.throwNo >= MaxThrows))
        co_return;
    if (state.roundNo == 0) {
        co_await newGame();
        co_return;
    }
    if (state.throwNo >= 1) {
        strategy::Action holds;
        for (int d = 1; d <= DiceCount; ++d)
            holds.hold[d] = !state.diceToThrow[d];
        judge(holds, by);
    }
    co_await ThrowDice();
}

void Game::ResetScoreTable()
{
    for (int p = 1; p <= MaxPlayers; ++p)
        for (int c = 1; c <= CategoryCount; ++c)
            state.score[p][c] = NotScored;
    sheet.refresh();
}

QCoro::Task<> Game::NewGame()
{
    state.gameOver = false;
    m_coachsWord.clear();
    state.roundNo = 1;
    state.curPlayer = 1;
    state.throwNo = 0;
    const int style = options.diceStyle >= StyleStandard && options.diceStyle < StyleUserDefined
        ? options.diceStyle
        : StyleUserDefined;
    for (int i = 1; i <= MaxPlayers; ++i) {
        state.jokers[i] = JokersPerGame;
        state.diceToThrow[i] = true;
        if (state.playerDiceStyle[i] == 0)
            state.playerDiceStyle[i] = static_cast<Int16>(style);
    }
    ResetScoreTable();
    m_pointsLost.fill(0);
    sheet.setSummary({});
    m_host->setPrintEnabled(true);
    co_await StartTurn();
}

QCoro::Task<> Game::StartTurn()
{
    ++m_turnSerial;
    board.clearMarks();
    state.busy = true;
    const int p = state.curPlayer;
    board.setTitle(state.playerName[p] + QLatin1String("'s ") + turnText(state.roundNo));
    board.applyDiceStyle(state.playerDiceStyle[p]);
    for (int c = 1; c <= CategoryCount; ++c) {
        state.catShown[c] = false;
        board.setCategoryLabelColour(c, ScoreGreen);
        state.catEval[c] = 0;
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
    board.setThrowCaption(throwCaption(0));
    board.setThrowEnabled(true);
    state.throwNo = 0;
    for (int k = 1; k <= JokersPerGame; ++k)
        board.setJokerVisible(k, k <= state.jokers[p]);
    const QString prompt = QLatin1String("Off you go, ") + state.playerName[p];
    // What the last entry cost stays on the line with the greeting, to be read.
    co_await Announce(withCoachsWord(prompt));
    state.promptText = prompt;
    // The turn start stays busy through its automatic throw: were the throw to clear
    // the flag itself, a click in the moment before the turn start ends could start
    // a second throw, or a joker, that the turn start's own end would then leave
    // unguarded (a fifth throw, a joker charged to the next player).
    if (options.autoThrow())
        co_await rollDice();
    co_await clock.yield();
    state.busy = false;
    if (computersTurn())
        run(playComputerTurn());
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
    const Sound shake = diceThrown == 1 ? Sound::Shake1 : diceThrown <= 4 ? Sound::Shake3 : Sound::Shake5;
    co_await m_sound->play(shake, SoundMode::ToEnd);
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
    co_await rollDice();
    state.busy = false;
}

QCoro::Task<> Game::rollDice()
{
    int count = 0;
    for (int d = 1; d <= DiceCount; ++d)
        count += state.diceToThrow[d] ? 1 : 0;
    if (count == 0)
        co_return;
    board.clearMarks();
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
            board.setDieTop(d, random.below(paths::DropSpread) + paths::DropTop);
        }
    } else {
        for (int d = 1; d <= DiceCount; ++d)
            target[d] = random.below(paths::AimSpread) + paths::AimTop;
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
            board.setDieTop(d, target[d] + paths::ShowBelowAim);
            board.setDieVisible(d, true);
            for (int y = paths::RiseStep; y <= paths::Rise; y += paths::RiseStep) {
                board.setDieTop(d, target[d] - y);
                if (y > paths::PushAfter && prev > 0)
                    board.setDieTop(prev, board.die(prev).top - paths::PushStep);
                co_await clock.wait(ticks::Step);
            }
            prev = d;
        }
        if (prev > 0) {
            state.dice[prev] = static_cast<Int16>(RollDie(random));
            showDieFace(prev, state.dice[prev]);
            board.setDieTop(prev, board.die(prev).top - paths::LastPush);
        }
    }

    if (m_testDice)
        applyTestDice();
    updateEvaluations();

    const QString &name = state.currentName();
    board.setThrowCaption(throwCaption(state.throwNo));
    switch (state.throwNo) {
    case 1:
        state.promptText = QLatin1String("Sort your dice and throw again, ") + name;
        break;
    case 2:
        state.promptText = QLatin1String("Have another throw, ") + name;
        break;
    case 3:
        state.promptText = QLatin1String("One more throw left on this go, ") + name;
        break;
    default:
        board.setThrowEnabled(false);
        state.promptText = QLatin1String("Throwing over ") + name + QLatin1String(", choose your catagory");
        break;
    }

    co_await clock.wait(ticks::ThrowSettle);
    co_await clock.yield();
}

// ---------------------------------------------------------------- sorting

QCoro::Task<> Game::toggleHold(int d, By by)
{
    if (d >= 1 && d <= DiceCount && playsNow(by))
        co_await ToggleDie(d);
}

QCoro::Task<> Game::moveFace(int d, By by)
{
    if (d < 1 || d > DiceCount || !playsNow(by))
        co_return;
    // Only dice on the table count: during the first throw the dice still to come
    // are hidden and have no face yet, as has the one in flight.
    const bool side = state.diceToThrow[d];
    co_await ToggleDie(d);
    for (int i = 1; i <= DiceCount; ++i)
        if (i != d && board.die(i).visible && state.dice[i] == state.dice[d] && state.diceToThrow[i] == side)
            co_await ToggleDie(i);
}

QCoro::Task<> Game::SlideDie(int d, int from, int to)
{
    const int step = from <= to ? paths::SlideStep : -paths::SlideStep;
    for (int y = from; step > 0 ? y <= to : y >= to; y += step) {
        board.setDieTop(d, y);
        co_await clock.wait(ticks::Step);
    }
    board.setDieTop(d, to);
    co_await clock.wait(ticks::Step);
}

QCoro::Task<> Game::ToggleDie(int d)
{
    // A hidden die is not on the table: moving it would keep it from the next throw.
    if (!board.die(d).visible)
        co_return;
    board.clearMarks();
    const bool animate = options.animation();
    if (geometry::inThrowingArea(board.die(d).top)) {
        if (animate) {
            co_await SlideDie(d, board.die(d).top, paths::HeldSlideEnd);
            co_await clock.wait(ticks::HeldSettle);
        }
        board.setDieTop(d, geometry::HeldTop);
        state.diceToThrow[d] = false;
    } else {
        if (!animate) {
            board.setDieTop(d, paths::BackInTray);
        } else {
            co_await SlideDie(d, board.die(d).top, paths::BackInTray);
            board.setDieTop(d, paths::BackInTray);
            const int hops = random.below(paths::HopsSpread) + paths::FewestHops;
            for (int y = paths::HopStep; y <= paths::HopStep * hops; y += paths::HopStep) {
                co_await clock.wait(ticks::Step);
                board.setDieTop(d, paths::BackInTray - y);
            }
        }
        state.diceToThrow[d] = true;
    }
}

// ---------------------------------------------------------------- jokers

void Game::explainJoker() { board.setAnnounce(kJokerHint); }
void Game::explainJokerOverTable() { board.setAnnounce(kJokerDragHint); }
void Game::explainJokerOverDie() { board.setAnnounce(kJokerDieHint); }

int Game::anyJoker() const
{
    // The last token still on the board, so the row of tokens shortens from its end.
    for (int k = JokersPerGame; k >= 1; --k)
        if (board.jokerVisible(k))
            return k;
    return 0;
}

bool Game::canPlayJoker(int d, int token, By by) const
{
    const int k = token == AnyJoker ? anyJoker() : token;
    if (!playsNow(by))
        return false;
    // Refused while a throw, a commit or a turn start runs: in the pause after a commit
    // the token would be charged to the next player and change a die that the next
    // turn resets anyway.
    return !state.busy && state.roundNo != 0 && k >= 1 && k <= JokersPerGame && d >= 1 && d <= DiceCount
        && board.jokerVisible(k) && board.die(d).visible && state.jokers[state.curPlayer] > 0;
}

QCoro::Task<> Game::playJoker(int d, int token, By by)
{
    if (!canPlayJoker(d, token, by))
        co_return;
    const int k = token == AnyJoker ? anyJoker() : token;
    strategy::Action joker;
    joker.move = strategy::Move::Joker;
    joker.die = d;
    judge(joker, by);
    board.clearMarks();
    state.busy = true;
    const int p = state.curPlayer;
    int face = 0;
    if (options.animation()) {
        const int landing = random.below(paths::JokerRestSpread) + paths::JokerRestTop;
        for (int y = board.die(d).top; y >= paths::JokerPeak; y -= paths::SlideStep) {
            board.setDieTop(d, y);
            co_await clock.wait(ticks::Step);
        }
        board.setDieTop(d, paths::JokerPeak);
        showDieFace(d, RollDie(random));
        co_await clock.wait(ticks::Step);
        for (int y = paths::JokerFallStart; y <= paths::JokerFallEnd; y += paths::JokerFallStep) {
            board.setDieTop(d, y);
            co_await clock.wait(ticks::Step);
        }
        board.setDieTop(d, paths::JokerBounce);
        face = RollDie(random);
        showDieFace(d, face);
        co_await clock.wait(ticks::Step);
        for (int y = paths::JokerRiseStart; y >= landing; y -= paths::JokerRiseStep) {
            board.setDieTop(d, y);
            co_await clock.wait(ticks::Step);
        }
        // A held die goes back to the held row, so where it lies and whether the next
        // throw rolls it still agree.
        if (!state.diceToThrow[d]) {
            co_await SlideDie(d, board.die(d).top, paths::HeldSlideEnd);
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
    --state.jokers[p];
    board.setJokerVisible(k, false);
    updateEvaluations();
    state.busy = false;
}

// ---------------------------------------------------------------- categories

void Game::explainCategory(int c)
{
    if (c < 1 || c > CategoryCount)
        return;
    const int p = state.curPlayer;
    const bool scored = p >= 1 && state.score[p][c] != NotScored;
    if (scored && state.roundNo > 0)
        board.setAnnounce(QStringLiteral("You already scored on that catagory!"));
    else if (!scored && state.throwNo == 0 && state.roundNo > 0)
        board.setAnnounce(QStringLiteral("Throw some dice first!"));
    else if (state.gameOver)
        board.setAnnounce(state.promptText);
    else
        board.setAnnounce(categoryName(c) + QLatin1String(" - ") + categoryDescription(c));
}

bool Game::canChooseCategory(int c) const
{
    return !state.busy && c >= 1 && c <= CategoryCount && state.roundNo != 0 && state.throwNo != 0
        && state.score[state.curPlayer][c] == NotScored;
}

QCoro::Task<> Game::previewCategory(int c, By by)
{
    if (canChooseCategory(c) && !state.catShown[c])
        co_await chooseCategory(c, by);
}

QCoro::Task<> Game::enterCategory(int c, By by)
{
    if (!canChooseCategory(c))
        co_return;
    if (!state.catShown[c])
        co_await chooseCategory(c, by);
    co_await chooseCategory(c, by);
}

QCoro::Task<> Game::chooseCategory(int c, By by)
{
    if (!canChooseCategory(c) || !playsNow(by))
        co_return;
    if (state.catShown[c]) {
        strategy::Action entry;
        entry.move = strategy::Move::Enter;
        entry.category = c;
        judge(entry, by);
    }
    board.clearMarks();
    state.busy = true;
    const CategoryScore entry = ScoreCategory(state.dice, c);
    board.setCategoryLabel(c, QString::number(entry.score));
    co_await clock.yield();
    if (!state.catShown[c]) {
        // First click: show what it would score.
        state.catShown[c] = true;
        board.setCategoryLabelColour(c, PreviewYellow);
        co_await clock.wait(ticks::PreviewHold);
        state.busy = false;
        co_return;
    }
    co_await commit(c, entry);
}

QCoro::Task<> Game::commit(int c, CategoryScore entry)
{
    const int p = state.curPlayer;
    const Int16 s = entry.score;

    // Another six of a kind after a Korbo was entered with a score earns 60 more,
    // whichever category these dice go into.
    if (state.score[p][Korbo] > 0 && ScoreCategory(state.dice, Korbo).score > 0) {
        state.score[p][Korbo] = static_cast<Int16>(state.score[p][Korbo] + ExtraKorboPoints);
        sheet.refresh();
        co_await clock.yield();
        if (options.sound != SoundChoice::Off)
            co_await m_sound->play(Sound::Growl, SoundMode::ToEnd);
    }

    if (!options.textButtons())
        board.setCategoryPicture(c, ButtonPicture::Used);
    board.setCategoryLabelColour(c, ScoreGreen);
    co_await clock.yield();

    // The sheet shows the entry with the subtotal, bonus and total that follow from it.
    state.score[p][c] = s;
    sheet.refresh();

    if (options.underlineWinner())
        UnderlineLeader();

    if (s == 0) {
        if (options.sound == SoundChoice::On) {
            co_await m_sound->play(Sound::UhOh, SoundMode::ToEnd);
        } else if (options.sound == SoundChoice::Zany) {
            co_await m_sound->play(Sound::OhDear, SoundMode::ToEnd);
            co_await m_sound->play(Sound::Zero, SoundMode::Background);
        }
    } else {
        co_await playCategorySound(c, entry.bonusFlag);
    }

    ++state.curPlayer;
    if (state.curPlayer > state.numPlayers) {
        state.curPlayer = 1;
        ++state.roundNo;
        if (state.roundNo > RoundCount) {
            co_await GameOver();
            co_return;
        }
    }
    co_await clock.wait(state.numPlayers > 1 ? ticks::BetweenTurns : ticks::BetweenTurnsSolo);
    co_await StartTurn();
}

QCoro::Task<> Game::playCategorySound(int c, bool bonusFlag)
{
    const int twins = state.curPlayer >= 1 ? state.score[state.curPlayer][Twins] : NotScored;
    co_await PlayCategorySound(*m_sound, options, random, clock, c, bonusFlag, twins);
}

QCoro::Task<> Game::sampleCategorySound(int c)
{
    if (c >= 1 && c <= CategoryCount)
        co_await playCategorySound(c, true);
}

void Game::UnderlineLeader(bool force)
{
    if (state.roundNo == 0)
        return;
    for (int p = 1; p <= state.numPlayers; ++p)
        sheet.setUnderlined(p, false);
    if (!force && !options.underlineWinner())
        return;
    if (const int leader = FindLeader(state))
        sheet.setUnderlined(leader, true);
}

// ---------------------------------------------------------------- end of a game

void Game::ResetBoard()
{
    ResetBoardArea(board);
    m_host->resetBoardWindow();
}

QCoro::Task<> Game::GameOver()
{
    // A stopped game: whatever of it still waits (dice in flight, a joker, sounds, the
    // pause before the next turn) ends where it waits and never touches the board.
    if (state.roundNo <= RoundCount)
        clock.cancelWaits();
    ++m_turnSerial;
    board.clearMarks();
    state.busy = true;
    board.setTitle(QStringLiteral("Korbo"));
    // A complete game is over; a stopped one leaves the version on the line.
    state.gameOver = state.roundNo > RoundCount;
    state.promptText = state.gameOver ? QStringLiteral("Game Over") : QLatin1String("Korbo v") + VersionText;
    board.setAnnounce(state.gameOver ? withCoachsWord(state.promptText) : state.promptText);
    board.setThrowCaption(QStringLiteral("Start Game"));
    ResetBoard();
    QList<RecordResult> results; // a complete game's totals
    if (state.roundNo <= RoundCount) {
        // A stopped game leaves no trace.
        ResetScoreTable();
    } else {
        // The winner is marked whatever the Show Leader option says.
        UnderlineLeader(true);
        if (options.coach)
            sheet.setSummary(coachSummary());
        m_host->showScoreSheet();
        for (int p = 1; p <= state.numPlayers; ++p)
            results.append({state.playerName[p], static_cast<Int16>(PlayerTotal(state, p))});
    }
    state.roundNo = 0;
    // With no game on, every button shows its open picture again; otherwise the last
    // player's used pictures would stay on an empty board.
    RefreshCategoryButtons(board, state, options);
    board.setThrowEnabled(true);
    m_host->focusBoard();
    // New records come up over the board and take the keys, so Escape closes them
    // at once.
    const bool changed = !results.isEmpty() && records.MergeResults(results, today());
    if (!results.isEmpty())
        m_host->saveRecords();
    if (options.showRecords() && changed)
        m_host->showRecords();
    state.busy = false;
    co_return;
}

// ---------------------------------------------------------------- status line

QCoro::Task<> Game::Announce(QString text)
{
    board.setAnnounce(QString());
    co_await clock.wait(ticks::AnnounceBlank);
    board.setAnnounce(text);
}

QString Game::withCoachsWord(const QString &text)
{
    const QString word = std::exchange(m_coachsWord, QString());
    return word.isEmpty() ? text : word + QLatin1Char(' ') + text;
}

void Game::showPrompt()
{
    board.setAnnounce(state.promptText);
}

// ---------------------------------------------------------------- windows and options

void Game::showScoreSheet()
{
    if (state.numPlayers != 0)
        m_host->showScoreSheet();
}

void Game::setOptions(const OptionValues &values)
{
    static_cast<OptionValues &>(options) = values;
    emit options.changed();
}

void Game::ApplyOptions()
{
    UnderlineLeader();
    RefreshCategoryButtons(board, state, options);
    const int style = options.diceStyle;
    // The player whose turn it is takes the new style at once; the others keep theirs.
    if (state.roundNo > 0)
        state.playerDiceStyle[state.curPlayer] = static_cast<Int16>(style);
    board.applyDiceStyle(style);
}

} // namespace korbo
