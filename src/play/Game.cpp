#include "Game.h"

#include "CategorySounds.h"
#include "Scoring.h"
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
        // The game may have ended while the question was open.
        if (m_host->confirmStopGame() && state.roundNo != 0) {
            co_await GameOver();
            state.promptText = QLatin1String("Korbo v") + VersionText;
        }
        co_return;
    }
    co_await NewGame();
}

QCoro::Task<> Game::butThrowClick()
{
    // After the fourth throw the button is disabled; the guard holds for any caller.
    if (state.busy || (state.roundNo != 0 && state.throwNo >= MaxThrows))
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
    sheet.ClearScoreSheet();
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
    // The turn start stays busy through its automatic throw: were the throw to clear
    // the flag itself, a click in the moment before the turn start ends could start
    // a second throw, or a joker, that the turn start's own end would then leave
    // unguarded (a fifth throw, a joker charged to the next player).
    if (options.autoThrow())
        co_await rollDice();
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
}

// ---------------------------------------------------------------- sorting

QCoro::Task<> Game::imgDiceMouseDown(int d, Qt::MouseButton button)
{
    if (button == Qt::LeftButton) {
        co_await ToggleDie(d);
        co_return;
    }
    // Any other button moves every die of this face that lies on the same side. Only
    // dice on the table count: during the first throw the dice still to come are
    // hidden and have no face yet, as has the one in flight.
    const bool side = state.diceToThrow[d];
    co_await ToggleDie(d);
    for (int i = 1; i <= DiceCount; ++i)
        if (i != d && board.die(i).visible && state.dice[i] == state.dice[d] && state.diceToThrow[i] == side)
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
    // A hidden die is not on the table: moving it would keep it from the next throw.
    if (!board.die(d).visible)
        co_return;
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

bool Game::jokerAccepted(int d, int k) const
{
    // Refused while a throw, a commit or a turn start runs: in the pause after a commit
    // the token would be charged to the next player and change a die that the next
    // turn resets anyway.
    return !state.busy && state.roundNo != 0 && k >= 1 && k <= JokersPerGame && d >= 1 && d <= DiceCount
        && board.jokerVisible(k) && board.die(d).visible && state.jokers[state.curPlayer] > 0;
}

QCoro::Task<> Game::jokerDrop(int d, int k)
{
    if (!jokerAccepted(d, k))
        co_return;
    state.busy = true;
    const int p = state.curPlayer;
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
    --state.jokers[p];
    board.setJokerVisible(k, false);
    state.busy = false;
}

// ---------------------------------------------------------------- categories

void Game::butCatMouseMove(int c)
{
    const int p = state.curPlayer;
    const bool scored = p >= 1 && state.score[p][c] != NotScored;
    if (scored && state.roundNo > 0)
        board.setAnnounce(QStringLiteral("You already scored on that catagory!"));
    else if (!scored && state.throwNo == 0 && state.roundNo > 0)
        board.setAnnounce(QStringLiteral("Throw some dice first!"));
    else if (state.promptText == QLatin1String("Game Over"))
        board.setAnnounce(state.promptText);
    else
        board.setAnnounce(state.catName[c] + QLatin1String(" - ") + state.catDesc[c]);
}

QCoro::Task<> Game::butCatClick(int c)
{
    if (state.busy)
        co_return;
    const int p = state.curPlayer;
    if (state.roundNo == 0 || state.throwNo == 0 || state.score[p][c] != NotScored)
        co_return;
    state.busy = true;
    const CategoryScore entry = ScoreCategory(state, c);
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
        state.score[p][Korbo] = static_cast<Int16>(state.score[p][Korbo] + 60);
        sheet.setCell(p, Korbo, QString::number(state.score[p][Korbo]));
        co_await clock.yield();
        if (options.sound != SoundChoice::Off)
            co_await m_sound->play(QStringLiteral("growl"), SoundMode::ToEnd);
    }

    if (!options.textButtons())
        board.setCategoryPicture(c, ButtonPicture::Used);
    board.setCategoryLabelColour(c, ScoreGreen);
    co_await clock.yield();

    state.score[p][c] = s;
    sheet.setCell(p, c, QString::number(s));

    int total = 0;
    for (int k = 1; k <= CategoryCount; ++k)
        if (state.score[p][k] != NotScored)
            total += state.score[p][k];
    const Int16 bonus = UpperBonus(state, p);
    if (state.subtotal[p] != NotScored)
        sheet.setCell(p, ScoreSheet::SubtotalRow, QString::number(state.subtotal[p]));
    if (bonus == 0 || bonus == 40)
        sheet.setCell(p, ScoreSheet::BonusRow, QString::number(bonus));
    sheet.setTotal(p, QString::number(total + (bonus > 0 ? bonus : 0)));

    if (options.underlineWinner())
        UnderlineLeader();

    if (s == 0) {
        if (options.sound == SoundChoice::On) {
            co_await m_sound->play(QStringLiteral("uhoh"), SoundMode::ToEnd);
        } else if (options.sound == SoundChoice::Zany) {
            co_await m_sound->play(QStringLiteral("ohdear"), SoundMode::ToEnd);
            co_await m_sound->play(QStringLiteral("zero"), SoundMode::Background);
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

QCoro::Task<> Game::butCatAltRelease(int c)
{
    co_await playCategorySound(c, true);
}

void Game::UnderlineLeader()
{
    if (state.roundNo == 0)
        return;
    for (int p = 1; p <= state.numPlayers; ++p)
        sheet.setUnderlined(p, false);
    if (!options.underlineWinner())
        return;
    if (const int leader = FindLeader(sheet, state.numPlayers))
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
    state.busy = true;
    board.setTitle(QStringLiteral("Korbo"));
    state.promptText = QStringLiteral("Game Over");
    board.setThrowCaption(QStringLiteral("Start Game"));
    ResetBoard();
    if (state.roundNo <= RoundCount) {
        // A stopped game leaves no trace.
        sheet.ClearScoreSheet();
        ResetScoreTable();
    } else {
        // The winner is marked whatever the Show Leader option says.
        const Int16 showLeader = options.underlineWinnerValue;
        options.underlineWinnerValue = 1;
        UnderlineLeader();
        options.underlineWinnerValue = showLeader;
        m_host->showScoreSheet();
        QList<RecordResult> results;
        for (int p = 1; p <= state.numPlayers; ++p)
            results.append({state.playerName[p], static_cast<Int16>(ScoreSheet::numericValue(sheet.total(p)))});
        const bool changed = records.MergeResults(results, today());
        if (options.showRecords() && changed)
            m_host->showRecords();
    }
    state.roundNo = 0;
    // With no game on, every button shows its open picture again; otherwise the last
    // player's used pictures would stay on an empty board.
    RefreshCategoryButtons(board, state, options);
    board.setThrowEnabled(true);
    m_host->focusBoard();
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

void Game::formMouseMove()
{
    board.setAnnounce(state.promptText);
}

} // namespace korbo
