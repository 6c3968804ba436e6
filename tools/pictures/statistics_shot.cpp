// Plays a long-standing player's games through the game, then renders the Statistics
// window with each of its plots to PNG files. Ann plays by hand as many do (she keeps
// the face she has most of, spends her jokers on the last throw and takes the best
// score on the sheet) with the coach on; Robo, a computer seat, plays best play.
// The games are seeded, so the pictures are the same every run. The scale is the
// screen's: run with QT_SCALE_FACTOR=2 to see the window as a high-density screen does.
// The games stay in OUT_DIR/korbo, records and history, for the game itself to show
// (XDG_DATA_HOME=OUT_DIR).
//   statistics_shot TABLE OUT_DIR [GAMES]   (200 games unless told)
#include "Game.h"
#include "History.h"
#include "Language.h"
#include "MainWindow.h"
#include "Messages.h"
#include "Scoring.h"
#include "StatisticsWindow.h"
#include "ValueTable.h"

#include <QApplication>
#include <QComboBox>
#include <QCoro/QCoroTask>
#include <QDir>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>

using namespace korbo;

namespace {

void settle(Game &game)
{
    do
        QCoreApplication::processEvents();
    while (game.busy() || game.computersTurn());
}

int mostCommonFace(const GameState &state)
{
    int count[7] = {};
    for (int d = 1; d <= DiceCount; ++d)
        ++count[state.dice[d]];
    int face = 6;
    for (int f = 5; f >= 1; --f)
        if (count[f] > count[face])
            face = f;
    return face;
}

int bestScoring(const GameState &state)
{
    int chosen = 0;
    for (int c = CategoryCount; c >= 1; --c)
        if (state.score[state.curPlayer][c] == NotScored
            && (!chosen || ScoreCategory(state.dice, c).score >= ScoreCategory(state.dice, chosen).score))
            chosen = c;
    return chosen;
}

// One of Ann's turns, as a person plays it.
void playByHand(Game &game)
{
    const auto act = [&game](QCoro::Task<> command) {
        QCoro::waitFor(std::move(command));
        settle(game);
    };
    for (int throwNo = 1; throwNo <= MaxThrows; ++throwNo) {
        act(game.throwDice());
        const GameState &state = game.state();
        const int face = mostCommonFace(state);
        if (throwNo == MaxThrows) {
            for (int d = 1; d <= DiceCount; ++d)
                if (state.dice[d] != face && state.jokers[state.curPlayer] > 0 && game.canPlayJoker(d))
                    act(game.playJoker(d));
            break;
        }
        for (int d = 1; d <= DiceCount; ++d)
            if (state.diceToThrow[d] == (state.dice[d] == face))
                act(game.toggleHold(d));
    }
    act(game.enterCategory(bestScoring(game.state())));
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    UseLanguage(QStringLiteral("en")); // with its plural forms: "200 games"
    if (argc < 3) {
        std::fprintf(stderr, "usage: statistics_shot TABLE OUT_DIR [GAMES]\n");
        return 2;
    }
    const auto table = strategy::ValueTable::load(QString::fromLocal8Bit(argv[1]));
    if (!table) {
        std::fprintf(stderr, "no strategy table at %s\n", argv[1]);
        return 1;
    }
    const QString out = QString::fromLocal8Bit(argv[2]);
    const int games = argc > 3 ? std::atoi(argv[3]) : 200;
    const QString data = out + QStringLiteral("/korbo");
    QDir().mkpath(data);
    for (const QString &file : {QString(HistoryStore::FileName), QStringLiteral("data.dat")})
        QFile::remove(data + QLatin1Char('/') + file); // a rerun plays the same games anew
    QTemporaryDir settings;

    Game game;
    Messages messages;
    game.clock.setTickLength(std::chrono::nanoseconds(0));
    game.setStrategyValues(table);
    MainWindow window(game, messages);
    QCoro::waitFor(window.startUp({settings.path(), data}));
    game.seed(29);
    OptionValues quick = game.options().values();
    quick.animationValue = 0;
    quick.showRecordsValue = 0;
    quick.sound = SoundChoice::Off;
    game.setOptions(quick);
    window.menuCoach->setChecked(true);
    Seats seats;
    seats.names[1] = QStringLiteral("Ann");
    seats.names[2] = QStringLiteral("Robo");
    seats.computer[2] = true;
    game.setPlayers(seats);

    // A game an evening, most evenings, from the spring on.
    const QDateTime first(QDate(2026, 4, 1), QTime(19, 30));
    for (int played = 0; played < games; ++played) {
        game.now = [&] { return first.addDays(played + played / 3).addSecs(60 * (played % 7) * 11); };
        QCoro::waitFor(game.throwDice()); // a new game
        settle(game);
        while (game.state().gameInProgress())
            playByHand(game);
    }

    StatisticsWindow *statistics = window.statisticsWindow();
    statistics->refresh();
    statistics->show();
    const qreal scale = statistics->devicePixelRatio();
    const QString suffix = QStringLiteral("_%1x.png").arg(scale);
    const char *const pages[] = {"totals", "ranges", "categories", "coach"};
    for (int page = 0; page < statistics->plots()->count(); ++page) {
        statistics->plots()->setCurrentIndex(page);
        QCoreApplication::processEvents();
        const QString file = out + QStringLiteral("/statistics_%1").arg(QLatin1String(pages[page])) + suffix;
        statistics->grab().save(file);
        std::printf("wrote %s\n", qPrintable(file));
    }
    std::printf("%s: %d games, average %.1f\n", qPrintable(statistics->cboPlayer()->currentText()),
                statistics->shown().games, statistics->shown().average);
    return 0;
}
