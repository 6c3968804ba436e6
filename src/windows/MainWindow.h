#pragma once

#include "Game.h"
#include "History.h"
#include "Placement.h"
#include "RecordsStore.h"
#include "Twips.h"

#include <QAction>
#include <QMainWindow>
#include <QPointer>
#include <QUrl>

#include <functional>

namespace korbo {

class BoardView;
class HelpWindow;
class ImageStore;
class Messages;
class OptionsDialog;
class RecordsWindow;
class ScoresWindow;
class StatisticsWindow;

// The game board window ("korbo"): the board, the menus and the windows' life cycle.
// It is also the host the game asks for dialogs and for the score sheet.
class MainWindow : public QMainWindow, public GameHost {
    Q_OBJECT
public:
    MainWindow(Game &game, Messages &messages, QWidget *parent = nullptr);
    ~MainWindow() override;

    Game &game() { return m_game; }
    BoardView *board() const { return m_board; }
    ImageStore &images() { return *m_images; }

    // Where the game keeps its files: the settings file in one folder, the records
    // and the user's dice pictures in the other.
    struct Folders {
        QString settings;
        QString data;
    };
    static Folders defaultFolders();

    // Start-up after the window exists: tables, settings, records and the user's
    // dice, placement, an empty board, shown, greeted.
    // The records file's scrambling starts from `seed`, as the dice do from the game's.
    void seedRecordsFile(std::uint32_t seed) { m_recordsStore.seed(seed); }
    QCoro::Task<> startUp(Folders folders);
    void ResetBoard();
    // Reads the settings file, the user's dice and the records; false on a first run
    // (no settings file), when the defaults stand.
    bool LoadSettings();
    // Writes the settings file, then the records file; for each that could not be
    // written, its path and why.
    QStringList StoreSettings();
    // Leaving when the desktop or a signal says so: as Game / Exit, but without the
    // question during a game, and with whatever could not be saved told on the error
    // output, since no one may be there to answer a message box.
    void saveAndLeave();
    const Folders &folders() const { return m_folders; }

    // The score sheet, laid out beside the board the first time it is needed.
    ScoresWindow *scores();
    bool scoresBuilt() const { return m_scores != nullptr; }
    RecordsWindow *recordsWindow();
    // One player's history of games, made the first time it is wanted.
    StatisticsWindow *statisticsWindow();
    // The Options window, made the first time it is wanted and only hidden after.
    OptionsDialog *optionsDialog();
    // While the game starts up the Options window's sound choices play no sample.
    void setSamplesMuted(bool muted);

    // Menu entries, by their names.
    QAction *menuNew = nullptr;
    QAction *menuHint = nullptr;
    QAction *menuCoach = nullptr;
    QAction *menuPrint = nullptr;
    QAction *menuExit = nullptr;
    QAction *menuPlayers = nullptr;
    QAction *menuScores = nullptr;
    QAction *menuGoToScores = nullptr;
    QAction *menuRecords = nullptr;
    QAction *menuStatistics = nullptr;
    QAction *menuSayAgain = nullptr;
    QAction *menuSayDice = nullptr;
    QAction *menuSayTurn = nullptr;
    QAction *menuCenterize = nullptr;
    QAction *menuZoomIn = nullptr;
    QAction *menuZoomOut = nullptr;
    QAction *menuActualSize = nullptr;
    QAction *menuFullScreen = nullptr;
    QAction *menuOptions = nullptr;
    QAction *menuHelp = nullptr;
    QAction *menuKeys = nullptr;
    QAction *menuUpdate = nullptr;
    QAction *menuAbout = nullptr;
    // Help / Language: the desktop's language, then each language by its own name.
    QMenu *menuLanguage = nullptr;

    void menuPlayersClick();
    void menuScoresClick();
    void menuGoToScoresClick();
    void menuPrintClick();
    void menuRecordsClick();
    void menuHelpClick();
    // The help page in the game's own window, at the section `anchor` when given.
    void showHelpWindow(const QString &anchor = {});
    void menuAboutClick();
    // Speaks `code` ("" for the desktop's language) in every window, kept with the settings.
    void chooseLanguage(const QString &code);
    void showLanguage(const QString &code);
    void menuUpdateClick();
    // The board at `percent` of its designed size: the window grows or shrinks to fit
    // it, as far as the screen allows; maximised or full screen, the board does.
    void zoomTo(int percent);
    // The board's zoom in the window as it is when neither maximised nor full screen.
    int normalZoom() const;
    // The home page and support address this build was given; empty when none.
    static QString homePage();
    static QString supportAddress();
    // The update page of a home page: its host's /update.cfm, asked for this version.
    static QString updateAddress(const QString &homePage);
    // The help page installed with the game, in the language in use where there is one;
    // empty when it cannot be found.
    static QString helpPage();

    // GameHost
    QCoro::Task<> choosePlayers() override;
    QCoro::Task<bool> confirmStopGame() override;
    void setPrintEnabled(bool on) override;
    void resetBoardWindow() override;
    void showScoreSheet() override;
    void showRecords() override;
    void focusBoard() override;
    void saveRecords() override;
    void keepGame(const GameRecord &game) override;
    HistoryStore &history() { return m_history; }
    void strategyUnavailable(const QString &why) override;
    QCoro::Task<std::optional<QString>> askTestDice() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    QMenu *addTopMenu(const char *caption);
    bool event(QEvent *event) override;

private:
    void buildMenus();
    // The Players dialog is placed over the board; once it is closed the sheet and
    // the menus follow the names (`saved`: it kept them).
    void placePlayersDialog(QDialog *dialog);
    void playersChosen(int playersBefore, bool saved);

    Game &m_game;
    Messages &m_messages;
    ImageStore *m_images = nullptr;
    BoardView *m_board = nullptr;
    Folders m_folders;
    bool m_stored = false;
    bool m_samplesMuted = false;
    // The player zoomed or resized the board: its size is kept with the settings.
    bool m_viewChosen = false;
    int m_normalZoom = Zoom::Designed;
    ScoresWindow *m_scores = nullptr;
    OptionsDialog *m_options = nullptr;
    RecordsWindow *m_records = nullptr;
    HelpWindow *m_help = nullptr;
    StatisticsWindow *m_statistics = nullptr;
    RecordsStore m_recordsStore;
    HistoryStore m_history;
    // What the player is told once the board is up: a records file kept aside,
    // something other than a file where one of the game's files should be.
    QStringList m_startNotes;
};

// Opens a page or document with the desktop's own program for it (xdg-open, no
// shell between); `done` says, while `context` lives, whether anything opened it.
void OpenWithDesktop(const QUrl &url, QObject *context, std::function<void(bool opened)> done);

} // namespace korbo
