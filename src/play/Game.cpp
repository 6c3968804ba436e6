#include "Game.h"

#include "Advisor.h"
#include "CategorySounds.h"
#include "DiceText.h"
#include "Paths.h"
#include "Scoring.h"
#include "Ticks.h"

#include <QPointer>

#include <QCoro/QCoroSignal>

#include <algorithm>

namespace korbo {

Game::Game(QObject *parent) : QObject(parent)
{
    seed(1);
}

void Game::seed(std::uint32_t seed)
{
    m_script.clear();
    m_gameSeeds.seed(seed);
    // The decoration's generator starts elsewhere in the sequence, so it never
    // repeats the dice.
    m_random.seed(seed ^ 0x9E3779B9u);
}

void Game::setDice(QList<int> faces)
{
    m_script = std::move(faces);
}

QString Game::throwCaption(int throwsMade)
{
    static const char *const captions[] = {QT_TR_NOOP("1st Throw"), QT_TR_NOOP("2nd Throw"), QT_TR_NOOP("3rd Throw"),
                                           QT_TR_NOOP("4th Throw"), QT_TR_NOOP("Finished")};
    return tr(captions[std::clamp(throwsMade, 0, MaxThrows)]);
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

void Game::setBusy(bool on)
{
    m_busy = on;
    if (!on)
        emit idle();
}

QCoro::Task<> Game::untilIdle()
{
    QPointer<Game> self(this);
    while (self && m_busy)
        co_await qCoro(this, &Game::idle);
}

void Game::retranslate()
{
    const GameState &state = m_shown;
    const bool playing = state.gameInProgress();
    for (int c = 1; c <= CategoryCount; ++c)
        if (!board.category(c).caption.isEmpty())
            board.setCategoryCaption(c, m_options.textButtons() ? categoryName(c) : initialCategoryCaption(c));
    board.setThrowCaption(playing ? throwCaption(state.throwNo) : tr("Start Game"));
    if (playing && board.title() != QLatin1String("Korbo"))
        board.setTitle(turnTitle(state.playerName[state.curPlayer], state.roundNo));
}

void Game::recover(const QString &failure)
{
    qWarning("Korbo: a command failed (%s); the board is put back as the game stands", qPrintable(failure));
    // The board as the engine has the game, with every die where its side says.
    m_shown = m_engine.state();
    m_sheet.refresh();
    const GameState &state = m_shown;
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
    RefreshCategoryButtons(board, state, m_options);
    board.setThrowCaption(playing ? throwCaption(state.throwNo) : tr("Start Game"));
    board.setThrowEnabled(!playing || state.throwNo < MaxThrows);
    board.setAnnounce(m_prompt);
    setBusy(false);
}

QString Game::turnTitle(const QString &name, int round)
{
    if (round >= RoundCount)
        return tr("%1's last go").arg(name);
    // Each round's ordinal on its own: languages write them in their own ways.
    static const char *const ordinals[RoundCount - 1] = {
        QT_TR_NOOP("1st"), QT_TR_NOOP("2nd"),  QT_TR_NOOP("3rd"),  QT_TR_NOOP("4th"),  QT_TR_NOOP("5th"),
        QT_TR_NOOP("6th"), QT_TR_NOOP("7th"),  QT_TR_NOOP("8th"),  QT_TR_NOOP("9th"),  QT_TR_NOOP("10th"),
        QT_TR_NOOP("11th"), QT_TR_NOOP("12th"), QT_TR_NOOP("13th")};
    //: the window's title for a turn, "Ann's 1st turn"; %2 is the round's ordinal
    return tr("%1's %2 turn").arg(name, tr(ordinals[std::clamp(round, 1, RoundCount - 1) - 1]));
}

// ---------------------------------------------------------------- game and turn start

QCoro::Task<> Game::newGame()
{
    QPointer<Game> self(this);
    if (m_shown.numPlayers == 0) {
        co_await m_host->choosePlayers();
        if (!self || m_shown.numPlayers == 0)
            co_return;
    }
    if (m_shown.roundNo != 0) {
        co_await stopGame();
        co_return;
    }
    co_await beginGame();
}

QCoro::Task<> Game::stopGame()
{
    if (m_shown.roundNo == 0)
        co_return;
    QPointer<Game> self(this);
    const bool stop = co_await m_host->confirmStopGame();
    // The game may have ended while the question was open.
    if (!self || !stop)
        co_return;
    const Outcome stopped = m_engine.stopGame();
    if (stopped)
        co_await GameOver(std::get<event::GameEnded>(stopped.events.back()));
}

bool Game::setPlayers(const Seats &seats)
{
    if (!m_engine.setPlayers(seats))
        return false;
    OptionValues values = m_options.values();
    values.lastNames = seats.names;
    values.lastComputer = seats.computer;
    setOptions(values);
    // The sheet starts empty for the new company.
    m_shown = m_engine.state();
    m_sheet.refresh();
    return true;
}

QCoro::Task<> Game::throwDice(By by)
{
    // After the fourth throw the button is disabled; the guard holds for any caller.
    if (m_busy || !playsNow(by) || (m_shown.roundNo != 0 && m_shown.throwNo >= MaxThrows))
        co_return;
    if (m_shown.roundNo == 0) {
        co_await newGame();
        co_return;
    }
    const GameState &rules = m_engine.state();
    if (rules.throwNo >= 1) {
        strategy::Action holds;
        for (int d = 1; d <= DiceCount; ++d)
            holds.hold[d] = !rules.diceToThrow[d];
        judge(holds, by);
    }
    setBusy(true);
    co_await rollDice();
    setBusy(false);
}

void Game::clearScores()
{
    for (auto &row : m_shown.score)
        row.fill(NotScored);
    m_sheet.refresh();
}

QCoro::Task<> Game::beginGame()
{
    // Each game throws dice of its own: a generator seeded for it, or a test's script.
    if (m_script.isEmpty())
        m_engine.setDice(std::make_unique<SeededDice>(m_gameSeeds.next32()));
    else
        m_engine.setDice(std::make_unique<ScriptedDice>(m_script));
    if (!m_engine.newGame())
        co_return;
    m_coachsWord.clear();
    m_shown = m_engine.state();
    // A seat's first game takes the style of the options; a style the table does not
    // know shows the player's own pictures, as it always has.
    const int style = knownDiceStyle(m_options.diceStyle) == m_options.diceStyle ? m_options.diceStyle : StyleUserDefined;
    for (int i = 1; i <= MaxPlayers; ++i)
        if (m_diceStyles[i] == 0)
            m_diceStyles[i] = static_cast<Int16>(style);
    m_sheet.refresh();
    m_pointsLost.fill(0);
    m_judged.fill(false);
    m_extraPoints.fill(0);
    m_sheet.setSummary({});
    m_host->setPrintEnabled(true);
    co_await StartTurn();
}

QCoro::Task<> Game::StartTurn()
{
    ++m_turnSerial;
    board.clearMarks();
    setBusy(true);
    // The turn as the engine has begun it: no dice yet, every one to throw.
    m_shown = m_engine.state();
    const GameState &state = m_shown;
    const int p = state.curPlayer;
    board.setTitle(turnTitle(state.playerName[p], state.roundNo));
    board.applyDiceStyle(m_diceStyles[p]);
    m_catEval.fill(0);
    for (int c = 1; c <= CategoryCount; ++c) {
        board.setCategoryLabelColour(c, ScoreGreen);
        if (c <= DiceCount)
            board.setDieVisible(c, false);
        if (state.score[p][c] == NotScored) {
            board.setCategoryLabel(c, QString());
            board.setCategoryEnabled(c, true);
            if (!m_options.textButtons())
                board.setCategoryPicture(c, ButtonPicture::Open);
        } else {
            board.setCategoryLabel(c, QString::number(state.score[p][c]));
            if (!m_options.textButtons())
                board.setCategoryPicture(c, ButtonPicture::Used);
        }
    }
    board.setThrowCaption(throwCaption(0));
    board.setThrowEnabled(true);
    for (int k = 1; k <= JokersPerGame; ++k)
        board.setJokerVisible(k, k <= state.jokers[p]);
    const QString prompt = tr("Off you go, %1").arg(state.playerName[p]);
    // What the last entry cost stays on the line with the greeting, to be read.
    co_await Announce(withCoachsWord(prompt));
    m_prompt = prompt;
    // The turn start stays busy through its automatic throw: were the throw to clear
    // the flag itself, a click in the moment before the turn start ends could start
    // a second throw, or a joker, that the turn start's own end would then leave
    // unguarded (a fifth throw, a joker charged to the next player).
    if (m_options.autoThrow())
        co_await rollDice();
    co_await clock.yield();
    setBusy(false);
    if (computersTurn())
        run(playComputerTurn());
}

// ---------------------------------------------------------------- throwing

QCoro::Task<> Game::playThrowSound(int diceThrown)
{
    if (m_options.sound == SoundChoice::Off || m_options.noThrowSounds())
        co_return;
    co_await clock.yield();
    const Sound shake = diceThrown == 1 ? Sound::Shake1 : diceThrown <= 4 ? Sound::Shake3 : Sound::Shake5;
    co_await m_sound->play(shake, SoundMode::ToEnd);
}

QCoro::Task<> Game::applyTestDice()
{
    QPointer<Game> self(this);
    const std::optional<QString> answer = co_await m_host->askTestDice();
    // Only a full answer of six faces counts; anything else leaves the dice as thrown,
    // so a die never shows a face it cannot have.
    if (!self || !answer || answer->size() < DiceCount)
        co_return;
    DiceArray faces{};
    for (int k = 1; k <= DiceCount; ++k)
        faces[k] = static_cast<Int16>(answer->at(k - 1).isDigit() ? answer->at(k - 1).digitValue() : 0);
    if (!m_engine.fixDice(faces))
        co_return;
    for (int k = 1; k <= DiceCount; ++k) {
        m_shown.dice[k] = faces[k];
        board.setDieFace(k, faces[k]);
    }
}

QCoro::Task<> Game::rollDice()
{
    const Outcome thrown = m_engine.throwDice();
    if (!thrown)
        co_return;
    const Table1<bool, DiceCount> &fly = std::get<event::DiceThrown>(thrown.events.front()).dice;
    const DiceArray &faces = m_engine.state().dice;
    const int count = static_cast<int>(std::count(fly.begin() + 1, fly.end(), true));
    board.clearMarks();
    m_shown.throwNo = m_engine.state().throwNo;
    for (int c = 1; c <= CategoryCount; ++c) {
        if (m_shown.catShown[c]) {
            m_shown.catShown[c] = false;
            board.setCategoryLabel(c, QString());
        }
    }
    // A die comes to rest on the face the engine threw.
    auto land = [&](int d) {
        m_shown.dice[d] = faces[d];
        board.setDieFace(d, faces[d]);
    };

    const bool animate = m_options.animation();
    if (m_shown.throwNo > 1) {
        // The dice to throw again are picked up one by one.
        for (QChar ch : ShuffleString(m_random, QStringLiteral("654321"))) {
            const int d = ch.digitValue();
            if (!fly[d])
                continue;
            if (animate)
                co_await clock.wait(ticks::RethrowLift);
            board.setDieVisible(d, false);
        }
    }

    std::array<int, DiceCount + 1> target{};
    if (!animate) {
        for (int d = 1; d <= DiceCount; ++d) {
            if (!fly[d])
                continue;
            land(d);
            board.setDieTop(d, m_random.below(paths::DropSpread) + paths::DropTop);
        }
    } else {
        for (int d = 1; d <= DiceCount; ++d)
            target[d] = m_random.below(paths::AimSpread) + paths::AimTop;
    }

    co_await playThrowSound(count);

    if (!animate) {
        for (int d = 1; d <= DiceCount; ++d)
            if (fly[d])
                board.setDieVisible(d, true);
    } else {
        // Each die flies in from below and rises to rest; the one thrown before it keeps
        // tumbling (a fresh face every step) and drifts up a little as the next lands,
        // coming to rest on its own face as that one appears.
        int prev = 0;
        for (QChar ch : ShuffleString(m_random, QStringLiteral("123456"))) {
            const int d = ch.digitValue();
            if (prev > 0) {
                if (fly[d])
                    land(prev);
                else
                    board.setDieFace(prev, RollDie(m_random));
                co_await clock.wait(ticks::Step);
            }
            if (!fly[d])
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
            land(prev);
            board.setDieTop(prev, board.die(prev).top - paths::LastPush);
        }
    }

    if (m_testDice)
        co_await applyTestDice();
    updateEvaluations();

    const QString &name = m_shown.currentName();
    board.setThrowCaption(throwCaption(m_shown.throwNo));
    switch (m_shown.throwNo) {
    case 1:
        m_prompt = tr("Sort your dice and throw again, %1").arg(name);
        break;
    case 2:
        m_prompt = tr("Have another throw, %1").arg(name);
        break;
    case 3:
        m_prompt = tr("One more throw left on this go, %1").arg(name);
        break;
    default:
        board.setThrowEnabled(false);
        m_prompt = tr("Throwing over %1, choose your catagory").arg(name);
        break;
    }

    emit told(diceReport() + QLatin1Char(' ') + m_prompt);
    co_await clock.wait(ticks::ThrowSettle);
    co_await clock.yield();
}

// ---------------------------------------------------------------- sorting

QCoro::Task<> Game::toggleHold(int d, By by)
{
    co_await moveDice(d, by, false);
}

QCoro::Task<> Game::moveFace(int d, By by)
{
    co_await moveDice(d, by, true);
}

QCoro::Task<> Game::moveDice(int d, By by, bool wholeFace)
{
    // Only a die on the table can be moved: during the first throw the dice still to
    // come are hidden.
    if (d < 1 || d > DiceCount || !board.die(d).visible || !playsNow(by))
        co_return;
    QPointer<Game> self(this);
    co_await untilIdle();
    if (!self || !playsNow(by))
        co_return;
    const Outcome moved = wholeFace ? m_engine.moveFace(d) : m_engine.toggleHold(d);
    for (const Event &e : moved.events)
        co_await showMove(std::get<event::DieMoved>(e));
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

QCoro::Task<> Game::showMove(const event::DieMoved &moved)
{
    const int d = moved.die;
    board.clearMarks();
    const bool animate = m_options.animation();
    if (moved.held) {
        if (animate) {
            co_await SlideDie(d, board.die(d).top, paths::HeldSlideEnd);
            co_await clock.wait(ticks::HeldSettle);
        }
        board.setDieTop(d, geometry::HeldTop);
    } else {
        if (!animate) {
            board.setDieTop(d, paths::BackInTray);
        } else {
            co_await SlideDie(d, board.die(d).top, paths::BackInTray);
            board.setDieTop(d, paths::BackInTray);
            const int hops = m_random.below(paths::HopsSpread) + paths::FewestHops;
            for (int y = paths::HopStep; y <= paths::HopStep * hops; y += paths::HopStep) {
                co_await clock.wait(ticks::Step);
                board.setDieTop(d, paths::BackInTray - y);
            }
        }
    }
    m_shown.diceToThrow[d] = !moved.held;
}

// ---------------------------------------------------------------- jokers

void Game::explainJoker() { board.setAnnounce(tr("Joker - Use one to re-throw any die at any point in the game")); }
void Game::explainJokerOverTable() { board.setAnnounce(tr("Drop the Joker on the Die you would like to throw again")); }
void Game::explainJokerOverDie() { board.setAnnounce(tr("Play a joker on this Die")); }

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
    // Refused while a throw, a commit or a turn start is shown: in the pause after a
    // commit the token would be charged to the next player and change a die that the
    // next turn resets anyway. The token played and the die must be on the table.
    return !m_busy && playsNow(by) && m_engine.canPlayJoker(d) && k >= 1 && k <= JokersPerGame
        && board.jokerVisible(k) && board.die(d).visible;
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
    setBusy(true);
    const int p = m_shown.curPlayer;
    m_engine.playJoker(d);
    const int face = m_engine.state().dice[d];
    if (m_options.animation()) {
        const int landing = m_random.below(paths::JokerRestSpread) + paths::JokerRestTop;
        for (int y = board.die(d).top; y >= paths::JokerPeak; y -= paths::SlideStep) {
            board.setDieTop(d, y);
            co_await clock.wait(ticks::Step);
        }
        board.setDieTop(d, paths::JokerPeak);
        board.setDieFace(d, RollDie(m_random));
        co_await clock.wait(ticks::Step);
        for (int y = paths::JokerFallStart; y <= paths::JokerFallEnd; y += paths::JokerFallStep) {
            board.setDieTop(d, y);
            co_await clock.wait(ticks::Step);
        }
        board.setDieTop(d, paths::JokerBounce);
        board.setDieFace(d, face);
        co_await clock.wait(ticks::Step);
        for (int y = paths::JokerRiseStart; y >= landing; y -= paths::JokerRiseStep) {
            board.setDieTop(d, y);
            co_await clock.wait(ticks::Step);
        }
        // A held die goes back to the held row, so where it lies and whether the next
        // throw rolls it still agree.
        if (!m_shown.diceToThrow[d]) {
            co_await SlideDie(d, board.die(d).top, paths::HeldSlideEnd);
            board.setDieTop(d, geometry::HeldTop);
        }
    } else {
        board.setDieVisible(d, false);
        co_await clock.wait(ticks::JokerHidden);
        board.setDieFace(d, face);
        board.setDieVisible(d, true);
    }
    m_shown.dice[d] = static_cast<Int16>(face);
    --m_shown.jokers[p];
    board.setJokerVisible(k, false);
    updateEvaluations();
    emit told(diceReport());
    setBusy(false);
}

// ---------------------------------------------------------------- categories

void Game::explainCategory(int c)
{
    if (c < 1 || c > CategoryCount)
        return;
    const GameState &state = m_shown;
    const int p = state.curPlayer;
    const bool scored = p >= 1 && state.score[p][c] != NotScored;
    if (scored && state.roundNo > 0)
        board.setAnnounce(tr("You already scored on that catagory!"));
    else if (!scored && state.throwNo == 0 && state.roundNo > 0)
        board.setAnnounce(tr("Throw some dice first!"));
    else if (state.gameOver)
        board.setAnnounce(m_prompt);
    else
        board.setAnnounce(categoryName(c) + QLatin1String(" - ") + categoryDescription(c));
}

bool Game::canChooseCategory(int c) const
{
    return !m_busy && m_engine.canEnter(c);
}

QCoro::Task<> Game::previewCategory(int c, By by)
{
    if (canChooseCategory(c) && !m_shown.catShown[c])
        co_await chooseCategory(c, by);
}

QCoro::Task<> Game::enterCategory(int c, By by)
{
    if (!canChooseCategory(c))
        co_return;
    if (!m_shown.catShown[c])
        co_await chooseCategory(c, by);
    co_await chooseCategory(c, by);
}

QCoro::Task<> Game::chooseCategory(int c, By by)
{
    if (!canChooseCategory(c) || !playsNow(by))
        co_return;
    const bool shown = m_shown.catShown[c];
    if (shown) {
        strategy::Action entry;
        entry.move = strategy::Move::Enter;
        entry.category = c;
        judge(entry, by);
    }
    board.clearMarks();
    setBusy(true);
    const Outcome outcome = shown ? m_engine.enter(c) : m_engine.preview(c);
    // The score as the engine has worked it out, shown before anything else happens.
    for (const Event &e : outcome.events) {
        if (const auto *preview = std::get_if<event::ScoreShown>(&e))
            board.setCategoryLabel(c, QString::number(preview->entry.score));
        else if (const auto *entered = std::get_if<event::ScoreEntered>(&e))
            board.setCategoryLabel(c, QString::number(entered->entry.score));
    }
    co_await clock.yield();
    if (!shown) {
        // First click: show what it would score.
        m_shown.catShown[c] = true;
        board.setCategoryLabelColour(c, PreviewYellow);
        emit told(tr("%1 would score %2").arg(initialCategoryCaption(c), board.category(c).label));
        co_await clock.wait(ticks::PreviewHold);
        setBusy(false);
        co_return;
    }
    co_await commit(outcome);
}

QCoro::Task<> Game::commit(const Outcome &entered)
{
    const int p = m_shown.curPlayer;
    for (const Event &e : entered.events) {
        if (const auto *grew = std::get_if<event::KorboGrew>(&e)) {
            // Another six of a kind after a Korbo was entered with a score: Korbo's
            // entry grows first, with a growl.
            m_extraPoints[grew->player] += grew->points;
            m_shown.score[p][Korbo] = static_cast<Int16>(m_shown.score[p][Korbo] + grew->points);
            m_sheet.refresh();
            co_await clock.yield();
            if (m_options.sound != SoundChoice::Off)
                co_await m_sound->play(Sound::Growl, SoundMode::ToEnd);
        } else if (const auto *score = std::get_if<event::ScoreEntered>(&e)) {
            const int c = score->category;
            const Int16 s = score->entry.score;
            if (!m_options.textButtons())
                board.setCategoryPicture(c, ButtonPicture::Used);
            board.setCategoryLabelColour(c, ScoreGreen);
            co_await clock.yield();

            // The sheet shows the entry with the subtotal, bonus and total that follow from it.
            m_shown.score[p][c] = s;
            m_sheet.refresh();
            emit told(tr("%1 scored %2").arg(initialCategoryCaption(c)).arg(s));

            if (m_options.underlineWinner())
                UnderlineLeader();

            if (s == 0) {
                if (m_options.sound == SoundChoice::On) {
                    co_await m_sound->play(Sound::UhOh, SoundMode::ToEnd);
                } else if (m_options.sound == SoundChoice::Zany) {
                    co_await m_sound->play(Sound::OhDear, SoundMode::ToEnd);
                    co_await m_sound->play(Sound::Zero, SoundMode::Background);
                }
            } else {
                co_await playCategorySound(c, score->entry.bonusFlag);
            }
        } else if (const auto *ended = std::get_if<event::GameEnded>(&e)) {
            co_await GameOver(*ended);
        } else if (std::holds_alternative<event::TurnPassed>(e)) {
            co_await clock.wait(m_shown.numPlayers > 1 ? ticks::BetweenTurns : ticks::BetweenTurnsSolo);
            co_await StartTurn();
        }
    }
}

QCoro::Task<> Game::playCategorySound(int c, bool bonusFlag)
{
    const int twins = m_shown.curPlayer >= 1 ? m_shown.score[m_shown.curPlayer][Twins] : NotScored;
    co_await PlayCategorySound(*m_sound, m_options, m_random, clock, c, bonusFlag, twins);
}

QCoro::Task<> Game::sampleCategorySound(int c)
{
    if (c >= 1 && c <= CategoryCount)
        co_await playCategorySound(c, true);
}

void Game::UnderlineLeader(bool force)
{
    if (m_shown.roundNo == 0)
        return;
    for (int p = 1; p <= m_shown.numPlayers; ++p)
        m_sheet.setUnderlined(p, false);
    if (!force && !m_options.underlineWinner())
        return;
    if (const int leader = FindLeader(m_shown))
        m_sheet.setUnderlined(leader, true);
}

// ---------------------------------------------------------------- end of a game

void Game::clearBoard()
{
    ResetBoardArea(board);
    m_host->resetBoardWindow();
}

QCoro::Task<> Game::welcome()
{
    co_await clock.yield();
    co_await Announce(m_prompt);
}

QCoro::Task<> Game::GameOver(const event::GameEnded &ended)
{
    const bool complete = !ended.results.isEmpty();
    // A stopped game: whatever of it still waits (dice in flight, a joker, sounds, the
    // pause before the next turn) ends where it waits and never touches the board.
    if (!complete)
        clock.cancelWaits();
    ++m_turnSerial;
    board.clearMarks();
    setBusy(true);
    board.setTitle(QStringLiteral("Korbo"));
    // A complete game is over; a stopped one leaves the version on the line.
    m_shown.gameOver = complete;
    m_prompt = complete ? tr("Game Over") : tr("Korbo v%1").arg(VersionText);
    board.setAnnounce(complete ? withCoachsWord(m_prompt) : m_prompt);
    board.setThrowCaption(tr("Start Game"));
    clearBoard();
    QList<RecordResult> results; // a complete game's totals
    if (!complete) {
        // A stopped game leaves no trace.
        clearScores();
    } else {
        // The winner is marked whatever the Show Leader option says.
        UnderlineLeader(true);
        if (m_options.coach)
            m_sheet.setSummary(coachSummary());
        m_host->showScoreSheet();
        for (const Result &r : ended.results)
            results.append({r.name, static_cast<Int16>(r.total)});
    }
    m_shown = m_engine.state();
    // With no game on, every button shows its open picture again; otherwise the last
    // player's used pictures would stay on an empty board.
    RefreshCategoryButtons(board, m_shown, m_options);
    board.setThrowEnabled(true);
    m_host->focusBoard();
    // New records come up over the board and take the keys, so Escape closes them
    // at once.
    const bool changed = !results.isEmpty() && records.MergeResults(results, today());
    if (!results.isEmpty()) {
        m_host->saveRecords(); // the records first: the history is an addition
        m_host->keepGame(finishedGame());
    }
    if (m_options.showRecords() && changed)
        m_host->showRecords();
    setBusy(false);
    co_return;
}

GameRecord Game::finishedGame() const
{
    const GameState &state = m_engine.state();
    GameRecord game{now(), {}};
    for (int p = 1; p <= state.numPlayers; ++p) {
        SeatRecord seat;
        seat.seat = p;
        seat.name = state.playerName[p];
        seat.computer = state.pcPlayer[p];
        seat.scores = state.score[p];
        seat.bonus = std::max<int>(0, UpperBonus(state, p));
        seat.extraPoints = m_extraPoints[p];
        seat.total = PlayerTotal(state, p);
        seat.jokersUsed = JokersPerGame - state.jokers[p];
        if (m_judged[p])
            seat.pointsLost = m_pointsLost[p];
        game.seats.append(seat);
    }
    return game;
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
    board.setAnnounce(m_prompt);
}

QString Game::diceReport() const
{
    if (!m_shown.gameInProgress() || m_shown.throwNo == 0)
        return tr("No dice thrown yet.");
    Table1<bool, DiceCount> held{}, free{};
    for (int d = 1; d <= DiceCount; ++d)
        (m_shown.diceToThrow[d] ? free : held)[d] = true;
    QStringList parts;
    if (const QString faces = facesText(m_shown.dice, held); !faces.isEmpty())
        parts << tr("Held %1.").arg(faces);
    if (const QString faces = facesText(m_shown.dice, free); !faces.isEmpty())
        parts << tr("Thrown %1.").arg(faces);
    return parts.join(QLatin1Char(' '));
}

QString Game::turnReport() const
{
    if (!m_shown.gameInProgress())
        return m_prompt;
    const int p = m_shown.curPlayer;
    //: "Ann's 1st turn, round 1 of 14, 3 jokers left."
    return tr("%1, round %2 of %3, %4.")
        .arg(turnTitle(m_shown.playerName[p], m_shown.roundNo))
        .arg(m_shown.roundNo)
        .arg(RoundCount)
        .arg(jokersLeftText(m_shown.jokers[p]));
}

// ---------------------------------------------------------------- windows and options

void Game::showScoreSheet()
{
    if (m_shown.numPlayers != 0)
        m_host->showScoreSheet();
}

void Game::setOptions(const OptionValues &values)
{
    static_cast<OptionValues &>(m_options) = values;
    emit m_options.changed();
}

void Game::showOptions()
{
    UnderlineLeader();
    RefreshCategoryButtons(board, m_shown, m_options);
    const int style = m_options.diceStyle;
    // The player whose turn it is takes the new style at once; the others keep theirs.
    if (m_shown.roundNo > 0)
        m_diceStyles[m_shown.curPlayer] = static_cast<Int16>(style);
    board.applyDiceStyle(style);
}

} // namespace korbo
