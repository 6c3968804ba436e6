#include "MainWindow.h"

#include "AboutWindow.h"
#include "BoardView.h"
#include "GameStyle.h"
#include "HelpWindow.h"
#include "ImageStore.h"
#include "Keyboard.h"
#include "Language.h"
#include "Messages.h"
#include "OptionsDialog.h"
#include "Palette.h"
#include "PlayersDialog.h"
#include "RecordsFile.h"
#include "RecordsStore.h"
#include "SaveFile.h"
#include "Settings.h"
#include "Speech.h"
#include "RecordsWindow.h"
#include "ScoresWindow.h"
#include "StatisticsWindow.h"
#include "BestPlay.h"
#include "VarsMonitor.h"
#include "Twips.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QLocale>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPointer>
#include <QScreen>
#include <QTime>
#include <QUrl>

#include <QCoro/QCoroSignal>

namespace korbo {

namespace {
// The property holding a menu entry's English caption.
constexpr const char *kCaptionSource = "korboCaption";
} // namespace

MainWindow::MainWindow(Game &game, Messages &messages, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint
                              | Qt::WindowCloseButtonHint
                              | Qt::CustomizeWindowHint),
      m_game(game), m_messages(messages),
      m_recordsStore(game.records, static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch()),
                     [&game] { return game.today(); }),
      m_history([&game] { return game.today(); })
{
    setObjectName(QStringLiteral("korbo"));
    InstallGameStyle(); // before the menu bar is made
    InstallFocusRing();
    // The image store starts drawing the first board's pictures on a worker at once;
    // the menus and the fonts are made meanwhile, the board last.
    m_images = new ImageStore(devicePixelRatio(), this);
    buildMenus();
    SetSurface(this, BoardGreen);
    // The menu bar on the felt: its captions black, whatever the desktop's theme.
    QPalette bar = menuBar()->palette();
    bar.setColor(QPalette::ButtonText, Qt::black);
    menuBar()->setPalette(bar);
    QFontMetrics(boardFont()).height(); // loads the fonts while the worker draws
    m_board = new BoardView(game, *m_images, this);
    setCentralWidget(m_board);
    // Asked for when the window is shown, by then drawn on the worker.
    const QSize iconSize(ImageStore::IconLogicalSize, ImageStore::IconLogicalSize);
    setWindowIcon(deferredIcon(iconSize, [images = m_images] { return images->windowIcon(); }));
    game.setHost(this);
    connect(menuOptions, &QAction::triggered, this, [this] {
        OptionsDialog *options = optionsDialog();
        options->show();
        options->raise();
        options->activateWindow();
    });
    connect(m_board, &BoardView::categoryClicked, this, [this](int c) { m_game.run(m_game.chooseCategory(c)); });
    connect(m_board, &BoardView::categoryHovered, this, [this](int c) { m_game.explainCategory(c); });
    connect(m_board, &BoardView::categoryAltReleased, this,
            [this](int c) { m_game.run(m_game.sampleCategorySound(c)); });
    setWindowTitle(game.board.title());
    connect(&game.board, &Board::titleChanged, this, [this] { setWindowTitle(m_game.board.title()); });
    connect(m_board, &BoardView::zoomChanged, this, [this](int percent) {
        // A size the player gave the window by its frame, or by maximising it.
        if (isVisible())
            m_viewChosen = true;
        // The size to come back to after maximised or full screen. Kept here: Qt knows
        // it only when the game itself changed the window's state, not when the
        // window manager or a Wayland compositor did.
        if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
            m_normalZoom = percent;
        if (m_scores) {
            m_scores->setZoom(percent);
            keepOnScreen(m_scores); // grown, it may reach past the screen's edge
        }
        if (m_statistics)
            m_statistics->setZoom(percent);
    });
}

MainWindow::~MainWindow()
{
    m_game.setHost(nullptr);
}

void MainWindow::buildMenus()
{
    // Each entry keeps its English caption, to be shown again in another language.
    auto add = [this](QMenu *menu, const char *name, const char *caption, QKeySequence key = {}) {
        QAction *action = menu->addAction(tr(caption));
        action->setProperty(kCaptionSource, QByteArray(caption));
        action->setObjectName(QString::fromLatin1(name));
        if (!key.isEmpty())
            action->setShortcut(key);
        return action;
    };

    QMenu *game = addTopMenu(QT_TR_NOOP("&Game"));
    game->setObjectName(QStringLiteral("menuTopGame"));
    menuNew = add(game, "menuNew", QT_TR_NOOP("&New"), QKeySequence(Qt::Key_F2));
    // The desktop's own keys work beside the game's: the menu shows F2, Ctrl+N works too.
    menuNew->setShortcuts({QKeySequence(Qt::Key_F2), QKeySequence(Qt::CTRL | Qt::Key_N)});
    game->addSeparator();
    menuHint = add(game, "menuHint", QT_TR_NOOP("&Hint"), QKeySequence(Qt::Key_F5));
    menuCoach = add(game, "menuCoach", QT_TR_NOOP("&Coach"));
    menuCoach->setCheckable(true);
    game->addSeparator();
    menuPrint = add(game, "menuPrint", QT_TR_NOOP("&Print Scores"));
    menuPrint->setEnabled(false);
    game->addSeparator();
    menuExit = add(game, "menuExit", QT_TR_NOOP("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu *view = addTopMenu(QT_TR_NOOP("&View"));
    view->setObjectName(QStringLiteral("menuTopWindow"));
    menuPlayers = add(view, "menuPlayers", QT_TR_NOOP("&Players..."));
    menuScores = add(view, "menuScores", QT_TR_NOOP("&Scores"), QKeySequence(Qt::Key_F6));
    menuScores->setCheckable(true);
    menuScores->setEnabled(false);
    // From the board to the sheet's table and back, for the keyboard.
    menuGoToScores = add(view, "menuGoToScores", QT_TR_NOOP("&Go to Scores"), QKeySequence(Qt::CTRL | Qt::Key_F6));
    menuGoToScores->setShortcutContext(Qt::ApplicationShortcut);
    menuGoToScores->setEnabled(false);
    menuRecords = add(view, "menuRecords", QT_TR_NOOP("&Records"));
    menuStatistics = add(view, "menuStatistics", QT_TR_NOOP("Stat&istics..."), QKeySequence(Qt::Key_F7));
    view->addSeparator();
    // For a screen reader: the last line again, the dice, and whose turn it is.
    menuSayAgain = add(view, "menuSayAgain", QT_TR_NOOP("Say Agai&n"), QKeySequence(Qt::Key_L));
    menuSayDice = add(view, "menuSayDice", QT_TR_NOOP("Say &Dice"), QKeySequence(Qt::Key_D));
    menuSayTurn = add(view, "menuSayTurn", QT_TR_NOOP("Say &Turn"), QKeySequence(Qt::Key_W));
    view->addSeparator();
    menuCenterize = add(view, "menuCenterize", QT_TR_NOOP("&Arrange"));
    view->addSeparator();
    // The desktop's zoom keys: Ctrl and + (also = and the keypad's +, so no Shift is
    // needed), Ctrl and -, Ctrl and 0 for the designed size.
    menuZoomIn = add(view, "menuZoomIn", QT_TR_NOOP("&Zoom In"));
    menuZoomIn->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal),
                              QKeySequence(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Plus))});
    menuZoomOut = add(view, "menuZoomOut", QT_TR_NOOP("Zoom O&ut"));
    menuZoomOut->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Minus),
                               QKeySequence(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Minus))});
    menuActualSize = add(view, "menuActualSize", QT_TR_NOOP("A&ctual Size"));
    menuActualSize->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_0),
                                  QKeySequence(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_0))});
    menuFullScreen = add(view, "menuFullScreen", QT_TR_NOOP("&Full Screen"), QKeySequence(Qt::Key_F11));
    menuFullScreen->setCheckable(true);
    view->addSeparator();
    menuOptions = add(view, "menuOptions", QT_TR_NOOP("&Options..."));

    QMenu *help = addTopMenu(QT_TR_NOOP("&Help"));
    help->setObjectName(QStringLiteral("menuTopHelp"));
    menuHelp = add(help, "menuHelp", QT_TR_NOOP("How to &Play"), QKeySequence(Qt::Key_F1));
    // The page's keys section in the game's own help window, no browser needed.
    menuKeys = add(help, "menuKeys", QT_TR_NOOP("&Keys"));
    help->addSeparator();
    menuUpdate = add(help, "menuUpdate", QT_TR_NOOP("Check online for &Update"));
    help->addSeparator();
    menuLanguage = new QMenu(tr("&Language"), help);
    menuLanguage->setObjectName(QStringLiteral("menuLanguage"));
    menuLanguage->menuAction()->setProperty(kCaptionSource, QByteArray(QT_TR_NOOP("&Language")));
    help->addMenu(menuLanguage);
    help->addSeparator();
    menuAbout = add(help, "menuAbout", QT_TR_NOOP("&About"));
    auto *languages = new QActionGroup(menuLanguage);
    const auto addLanguage = [&](const QString &code, const QString &caption) {
        QAction *action = menuLanguage->addAction(caption);
        action->setObjectName(QStringLiteral("menuLanguage_") + (code.isEmpty() ? QStringLiteral("desktop") : code));
        action->setData(code);
        action->setCheckable(true);
        languages->addAction(action);
        connect(action, &QAction::triggered, this, [this, code] { chooseLanguage(code); });
        return action;
    };
    const char *desktopCaption = QT_TR_NOOP("The &Desktop's Language");
    QAction *desktop = addLanguage(QString(), tr(desktopCaption));
    desktop->setProperty(kCaptionSource, QByteArray(desktopCaption));
    desktop->setChecked(true);
    menuLanguage->addSeparator();
    // Each language by its own name, as the player who speaks it looks for it.
    // A language spoken in one country is named with it: "Português (Brasil)".
    for (const QString &code : AvailableLanguages()) {
        const QLocale locale(code);
        QString name = code == QLatin1String("en") ? QStringLiteral("English") : locale.nativeLanguageName();
        if (code.contains(QLatin1Char('_')))
            name += QStringLiteral(" (%1)").arg(locale.nativeTerritoryName());
        addLanguage(code, name.left(1).toUpper() + name.mid(1));
    }

    connect(menuNew, &QAction::triggered, this, [this] { m_game.run(m_game.newGame()); });
    connect(menuStatistics, &QAction::triggered, this, [this] {
        const bool first = !m_statistics;
        StatisticsWindow *statistics = statisticsWindow();
        if (first) // read the history as it was made; it goes beside the board, as far as the screen allows
            placeFrame(statistics, keptInside(besideFrame(availableArea(this), frameGeometry(), frameRect(statistics).size()),
                                              availableArea(this)));
        else
            statistics->refresh();
        statistics->show();
        statistics->raise();
        statistics->activateWindow();
    });
    connect(menuZoomIn, &QAction::triggered, this, [this] {
        const int now = m_board->zoom();
        const auto next = std::find_if(std::begin(Zoom::Steps), std::end(Zoom::Steps), [now](int step) { return step > now; });
        zoomTo(next == std::end(Zoom::Steps) ? Zoom::Largest : *next);
    });
    connect(menuZoomOut, &QAction::triggered, this, [this] {
        const int now = m_board->zoom();
        const auto next = std::find_if(std::rbegin(Zoom::Steps), std::rend(Zoom::Steps), [now](int step) { return step < now; });
        zoomTo(next == std::rend(Zoom::Steps) ? Zoom::Smallest : *next);
    });
    connect(menuActualSize, &QAction::triggered, this, [this] { zoomTo(Zoom::Designed); });
    connect(menuFullScreen, &QAction::triggered, this, [this](bool on) {
        m_viewChosen = true;
        setWindowState(on ? windowState() | Qt::WindowFullScreen : windowState() & ~Qt::WindowFullScreen);
    });
    connect(menuExit, &QAction::triggered, this, &QWidget::close);
    connect(menuHint, &QAction::triggered, this, [this] { m_game.run(m_game.showHint()); });
    connect(menuCoach, &QAction::toggled, this, [this](bool on) { m_game.setCoach(on); });
    // The menu shows whether a hint is there now; its key works whenever the game can
    // give one.
    connect(game, &QMenu::aboutToShow, this, [this] { menuHint->setEnabled(m_game.hintAvailable()); });
    connect(game, &QMenu::aboutToHide, this, [this] { menuHint->setEnabled(!m_game.strategyMissing()); });
    connect(menuPlayers, &QAction::triggered, this, &MainWindow::menuPlayersClick);
    connect(menuCenterize, &QAction::triggered, this, [this] { ArrangeWindows(this, m_scores); });
    connect(menuHelp, &QAction::triggered, this, &MainWindow::menuHelpClick);
    connect(menuKeys, &QAction::triggered, this, [this] { showHelpWindow(QStringLiteral("keys")); });
    connect(menuAbout, &QAction::triggered, this, &MainWindow::menuAboutClick);
    connect(menuUpdate, &QAction::triggered, this, &MainWindow::menuUpdateClick);
    menuUpdate->setEnabled(!updateAddress(homePage()).isEmpty());
    connect(menuScores, &QAction::triggered, this, &MainWindow::menuScoresClick);
    connect(menuGoToScores, &QAction::triggered, this, &MainWindow::menuGoToScoresClick);
    connect(menuPrint, &QAction::triggered, this, &MainWindow::menuPrintClick);
    connect(menuRecords, &QAction::triggered, this, &MainWindow::menuRecordsClick);
    connect(menuSayAgain, &QAction::triggered, this, [this] { m_board->speaker()->sayNow(m_board->speaker()->lastSaid()); });
    connect(menuSayDice, &QAction::triggered, this, [this] { m_board->speaker()->sayNow(m_game.diceReport()); });
    connect(menuSayTurn, &QAction::triggered, this, [this] { m_board->speaker()->sayNow(m_game.turnReport()); });
}

MainWindow::Folders MainWindow::defaultFolders()
{
    return {GetWindowsDir(), UserFolder("XDG_DATA_HOME", ".local/share")};
}

QCoro::Task<> MainWindow::startUp(Folders folders)
{
    m_folders = folders;
    setSamplesMuted(true);
    // Every start plays other games.
    m_game.seed(static_cast<std::uint32_t>(QTime::currentTime().msecsSinceStartOfDay() / 1000));
    LoadSettings();
    // The board as large as the player left it, as far as this screen allows.
    if (const int zoom = m_game.options().zoom; zoom != Zoom::Designed) {
        const QSize room = availableArea(this).marginsRemoved(frameMargins(this)).size()
            - QSize(0, menuBar()->sizeHint().height());
        m_board->setZoom(std::min(zoom, BoardView::fittingZoom(room)));
        m_normalZoom = m_board->zoom();
    }
    // Not adjustSize(), which keeps a window within two thirds of the screen: the zoom
    // is already within what the screen holds.
    ensurePolished();
    resize(sizeHint());
    CentreOnScreen(this);
    ResetBoard();
    if (m_game.options().fullScreen)
        setWindowState(Qt::WindowFullScreen);
    else if (m_game.options().maximised)
        setWindowState(Qt::WindowMaximized);
    show();
    co_await m_game.welcome();
    if (!m_startNotes.isEmpty())
        m_messages.warning(this, ProgramName, std::exchange(m_startNotes, {}).join(QLatin1String("\n\n")));
    // The board is up: now the sounds get ready, out of the way of the start.
    m_game.sound().prepare();
    // "debug" on the command line: the game's counters in a window of their own.
    if (m_game.testDiceMode()) {
        (new VarsMonitor(m_game, this))->show();
        m_game.evaluateCategories();
    }
    setSamplesMuted(false);
}

bool MainWindow::LoadSettings()
{
    // The records are read even on a first run: the file is written back at exit, and
    // an unread file would come back empty.
    m_recordsStore.load(QDir(m_folders.data).filePath(RecordsFileName));
    m_startNotes << m_recordsStore.takeNotes();
    // Every finished game, beside the records.
    m_history.open(QDir(m_folders.data).filePath(HistoryStore::FileName));
    m_startNotes << m_history.takeNotes();
    const QString settingsPath = QDir(m_folders.settings).filePath(SettingsFileName);
    RemoveStaleSaves(settingsPath);
    const FileAt settingsAt = LookAt(settingsPath);
    if (!settingsAt.usable())
        m_startNotes << tr("%1 is %2, not a file. Korbo leaves it as it is: the settings are the defaults, "
                           "and cannot be saved while it is there.")
                            .arg(QDir::toNativeSeparators(settingsPath), settingsAt.what);
    if (settingsAt.kind == FileAt::Nothing)
        return false; // a first run: the defaults stand until the options are confirmed
    m_images->loadUserDice(m_folders.data);
    Options read;
    static_cast<OptionValues &>(read) = m_game.options().values();
    ReadSettingsFile(read, settingsPath);
    m_game.setOptions(read);
    menuCoach->setChecked(read.coach);
    if (!read.language.isEmpty())
        showLanguage(read.language);
    // Confirmed as the Options window would confirm them, which puts them into effect.
    ApplyOptions(m_game, this);
    return true;
}

OptionsDialog *MainWindow::optionsDialog()
{
    if (!m_options) {
        // The settings live in the options model from start-up; the window shows them.
        m_options = new OptionsDialog(m_game, *m_images, m_messages, this);
        m_options->setUserDiceFolder(m_folders.data);
        m_options->setSamplesMuted(m_samplesMuted);
        m_options->placeOver(this);
        m_options->loadFromOptions();
    }
    return m_options;
}

void MainWindow::setSamplesMuted(bool muted)
{
    m_samplesMuted = muted;
    if (m_options)
        m_options->setSamplesMuted(muted);
}

void MainWindow::chooseLanguage(const QString &code)
{
    m_game.setLanguage(code);
    showLanguage(code);
}

void MainWindow::showLanguage(const QString &code)
{
    // A language this build does not speak (kept by another version) is the desktop's.
    const QString spoken = AvailableLanguages().contains(code) ? code : QString();
    UseLanguage(spoken.isEmpty() ? DesktopLanguage() : spoken);
    for (QAction *action : menuLanguage->actions())
        if (action->isCheckable())
            action->setChecked(action->data().toString() == spoken);
}

QMenu *MainWindow::addTopMenu(const char *caption)
{
    QMenu *menu = menuBar()->addMenu(tr(caption));
    menu->menuAction()->setProperty(kCaptionSource, QByteArray(caption));
    return menu;
}

void MainWindow::zoomTo(int percent)
{
    m_viewChosen = true;
    percent = std::clamp(percent, int(Zoom::Smallest), int(Zoom::Largest));
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
        m_board->setZoom(std::min(percent, BoardView::fittingZoom(m_board->size())));
        return;
    }
    // The menus and the frame stay as they are; the board takes what is left.
    const QSize chrome = size() - m_board->size();
    const QSize room = availableArea(this).marginsRemoved(frameMargins(this)).size() - chrome;
    percent = std::min(percent, BoardView::fittingZoom(room));
    m_board->setZoom(percent);
    resize(BoardView::sizeAt(percent) + chrome);
    keepOnScreen(this);
}

int MainWindow::normalZoom() const
{
    return windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen) ? m_normalZoom : m_board->zoom();
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    // Escape leaves full screen when nothing on the board had a use for it.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && isFullScreen()) {
        menuFullScreen->trigger();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        menuFullScreen->setChecked(isFullScreen());
    if (event->type() == QEvent::LanguageChange) {
        for (QAction *action : findChildren<QAction *>())
            if (const QByteArray caption = action->property(kCaptionSource).toByteArray(); !caption.isEmpty())
                action->setText(tr(caption.constData()));
        m_game.retranslate();
        return;
    }
    if (event->type() != QEvent::ActivationChange || !isActiveWindow())
        return;
    // Coming back to the board confirms the options window if it is open.
    if (m_options)
        m_options->mainWindowActivated();
    // Once Qt has given the focus back as it can, the board makes sure the keys reach it.
    QMetaObject::invokeMethod(m_board, &BoardView::restoreFocus, Qt::QueuedConnection);
}

QStringList MainWindow::StoreSettings()
{
    // Each file on its own: a settings folder that cannot be written must not cost
    // the records.
    QStringList failures;
    if (m_viewChosen) {
        OptionValues view = m_game.options().values();
        view.zoom = normalZoom();
        view.maximised = isMaximized();
        view.fullScreen = isFullScreen();
        m_game.setOptions(view);
    }
    const QString settings = QDir(m_folders.settings).filePath(SettingsFileName);
    if (const SaveResult saved = WriteSettingsFile(m_game.options(), settings); !saved)
        failures << QDir::toNativeSeparators(settings) + QLatin1String(": ") + saved.error;
    if (const SaveResult saved = m_recordsStore.save(); !saved)
        failures << saved.error;
    return failures;
}

void MainWindow::saveRecords()
{
    // Each finished game's results are on disk at once, so a crash or a power cut
    // later in the run cannot take them.
    const SaveResult saved = m_recordsStore.save();
    QStringList notes = m_recordsStore.takeNotes();
    if (!saved)
        notes << tr("Korbo could not save the records:") + QLatin1Char('\n') + saved.error;
    if (!notes.isEmpty())
        m_messages.warning(this, ProgramName, notes.join(QLatin1String("\n\n")));
}

void MainWindow::keepGame(const GameRecord &game)
{
    const SaveResult kept = m_history.add(game);
    if (!kept)
        m_messages.warning(this, ProgramName, kept.error);
    else if (m_statistics && m_statistics->isVisible())
        m_statistics->refresh(); // open beside the board, it counts the game just ended
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_stored) {
        event->accept();
        return;
    }
    if (m_game.state().gameInProgress()
        && !m_messages.askYesNo(this, tr("Quit Korbo"), tr("Are you sure you want to quit?"))) {
        event->ignore();
        return;
    }
    // Saved once, then nothing of the game runs any more: waits never resume.
    if (const QStringList failures = StoreSettings(); !failures.isEmpty())
        m_messages.warning(this, ProgramName,
                           tr("Korbo could not save:") + QLatin1Char('\n') + failures.join(QLatin1Char('\n')));
    m_stored = true;
    m_game.halt();
    // The other windows go with the board, without their own close handling; with no
    // window left the program ends.
    for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (child->isWindow())
            child->hide();
    event->accept();
}

void MainWindow::saveAndLeave()
{
    if (!m_stored) {
        for (const QString &failure : StoreSettings())
            qWarning("Korbo could not save %s", qPrintable(failure));
        m_stored = true;
    }
    m_game.halt();
    // Every window goes, an open dialog too, which ends its wait. The program ends
    // once the procedure that waited on it, maybe the close question itself, has
    // unwound: closing the board now would be lost in a close already under way.
    for (QWidget *window : QApplication::topLevelWidgets())
        window->hide();
    QMetaObject::invokeMethod(this, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

void MainWindow::ResetBoard()
{
    m_game.clearBoard();
}

void MainWindow::resetBoardWindow()
{
    // The board keeps the size the player gave it.
    if (m_options)
        m_options->placeOver(this);
}

bool MainWindow::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::ScreenChangeInternal:
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    case QEvent::DevicePixelRatioChange:
#endif
        // On a screen of another density the pictures are drawn again for it, so they
        // stay sharp there.
        m_images->setDevicePixelRatio(devicePixelRatio());
        break;
    default:
        break;
    }
    return QMainWindow::event(event);
}

ScoresWindow *MainWindow::scores()
{
    if (!m_scores) {
        m_scores = new ScoresWindow(m_game, this);
        m_scores->setZoom(m_board->zoom());
        placeFrame(m_scores, besideFrame(availableArea(this), frameGeometry(), frameRect(m_scores).size()));
        connect(m_scores, &ScoresWindow::hiddenByUser, this, [this] {
            menuScores->setChecked(false);
            activateWindow(); // the keys go back to the board
        });
    }
    return m_scores;
}

void MainWindow::menuScoresClick()
{
    if (m_game.state().numPlayers == 0) {
        menuScores->setChecked(false);
        return;
    }
    if (scores()->isVisible()) {
        m_scores->hide();
        menuScores->setChecked(false);
    } else {
        m_game.showScoreSheet();
        activateWindow();
    }
}

void MainWindow::menuGoToScoresClick()
{
    if (m_game.state().numPlayers == 0)
        return;
    if (m_scores && m_scores->isActiveWindow()) {
        activateWindow();
        return;
    }
    m_game.showScoreSheet();
    m_scores->raise();
    m_scores->activateWindow();
}

void MainWindow::showScoreSheet()
{
    ScoresWindow *sheet = scores();
    if (!sheet->isVisible()) {
        // The sheet never hides the board: where it would, the pair stands side by side.
        const auto [board, beside] = clearOfEachOther(availableArea(this), frameGeometry(), frameRect(sheet));
        placeFrame(this, board);
        placeFrame(sheet, beside);
    }
    sheet->show();
    menuScores->setChecked(true);
}

void MainWindow::menuPrintClick()
{
    if (!m_game.state().gameInProgress())
        return;
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Print Scores"));
    if (dialog.exec() == QDialog::Accepted)
        scores()->printTo(printer);
}

RecordsWindow *MainWindow::recordsWindow()
{
    // The lists live in the records model from start-up; their window is made the
    // first time it is wanted.
    if (!m_records) {
        m_records = new RecordsWindow(m_game.records, this);
        m_records->setTodaySource([this] { return m_game.today(); });
        // First shown over the middle of the board.
        QRect frame = frameRect(m_records);
        frame.moveCenter(frameGeometry().center());
        placeFrame(m_records, keptInside(frame, availableArea(this)));
    }
    return m_records;
}

StatisticsWindow *MainWindow::statisticsWindow()
{
    if (!m_statistics) {
        m_statistics = new StatisticsWindow(m_history, BestPlay::shipped(), m_messages, this);
        m_statistics->setZoom(m_board->zoom());
        m_statistics->resize(m_statistics->sizeHint());
    }
    return m_statistics;
}

QString MainWindow::helpPage()
{
    // The page in the language in use where there is one, the English page otherwise.
    const QDir programFolder(QCoreApplication::applicationDirPath());
    QStringList names{QStringLiteral("korbo.htm")};
    if (CurrentLanguage() != QLatin1String("en"))
        names.prepend(QStringLiteral("korbo_%1.htm").arg(CurrentLanguage()));
    for (const QString &name : names)
        for (const QString &candidate : {programFolder.filePath(name), programFolder.filePath(QStringLiteral("../share/korbo/") + name)})
            if (QFileInfo::exists(candidate))
                return QFileInfo(candidate).canonicalFilePath();
    return {};
}

void MainWindow::menuHelpClick()
{
    const QString page = helpPage();
    if (page.isEmpty()) {
        m_messages.information(this, tr("How to Play"),
                               tr("The help page korbo.htm is not where the game was installed."), true);
        return;
    }
    // Where nothing on the desktop opens the page, the game shows it itself.
    OpenWithDesktop(QUrl::fromLocalFile(page), this, [this](bool opened) {
        if (!opened)
            showHelpWindow();
    });
}

void MainWindow::showHelpWindow(const QString &anchor)
{
    const QString page = helpPage();
    if (page.isEmpty()) {
        m_messages.information(this, tr("How to Play"),
                               tr("The help page korbo.htm is not where the game was installed."), true);
        return;
    }
    if (!m_help)
        m_help = new HelpWindow(this);
    m_help->showPage(page, anchor);
}

void MainWindow::menuAboutClick()
{
    AboutWindow about(*m_images, homePage(), supportAddress(), this);
    CentreOnScreen(&about);
    about.exec();
}

QString MainWindow::homePage() { return QStringLiteral(KORBO_HOMEPAGE); }
QString MainWindow::supportAddress() { return QStringLiteral(KORBO_SUPPORT_EMAIL); }

QString MainWindow::updateAddress(const QString &homePage)
{
    const QUrl home(homePage);
    if (homePage.isEmpty() || !home.isValid() || home.host().isEmpty())
        return {};
    return home.scheme() + QLatin1String("://") + home.authority()
        + QLatin1String("/update.cfm?referrer=exe&vers=") + VersionText;
}

void MainWindow::menuUpdateClick()
{
    const QString address = updateAddress(homePage());
    if (!address.isEmpty())
        QDesktopServices::openUrl(QUrl(address));
}

void MainWindow::menuRecordsClick()
{
    recordsWindow()->showRecords();
}

void MainWindow::showRecords()
{
    recordsWindow()->showRecords();
}

void MainWindow::focusBoard()
{
    activateWindow();
    m_board->butThrow()->setFocus();
}

void MainWindow::menuPlayersClick()
{
    if (m_game.state().gameInProgress()) {
        m_messages.information(this, QString(), tr("Can't change players in a game"), false);
        return;
    }
    PlayersDialog dialog(m_game, this);
    placePlayersDialog(&dialog);
    const int before = m_game.state().numPlayers;
    dialog.exec();
    playersChosen(before, dialog.saved());
}

QCoro::Task<> MainWindow::choosePlayers()
{
    // Asked by New itself: the game's command awaits the dialog.
    QPointer<PlayersDialog> dialog = new PlayersDialog(m_game, this);
    placePlayersDialog(dialog);
    const int before = m_game.state().numPlayers;
    dialog->open();
    co_await qCoro(dialog.data(), &QDialog::finished);
    if (!dialog)
        co_return;
    playersChosen(before, dialog->saved());
    dialog->deleteLater();
}

void MainWindow::placePlayersDialog(QDialog *dialog)
{
    // Near the board's top-left corner, wherever the board stands in a larger window.
    const QRect frame(frameGeometry().topLeft() + px(120, 480) + m_board->toPixels(0, 0), frameRect(dialog).size());
    placeFrame(dialog, keptInside(frame, availableArea(this)));
}

void MainWindow::playersChosen(int before, bool saved)
{
    if (saved) {
        const bool anyone = m_game.state().numPlayers != 0;
        menuScores->setEnabled(anyone);
        menuGoToScores->setEnabled(anyone);
        if (!anyone) {
            menuPrint->setEnabled(false);
            if (m_scores)
                m_scores->hide();
            menuScores->setChecked(false);
        }
    }
    if (m_game.state().numPlayers != before) {
        scores()->setPlayerCount(m_game.state().numPlayers);
        keepOnScreen(m_scores); // a wider sheet may now reach past the screen's edge
    }
    scores()->refreshNames();
}

QCoro::Task<bool> MainWindow::confirmStopGame()
{
    co_return co_await m_messages.ask(this, tr("Quit Current Game?"), tr("Stop this game?"));
}

void MainWindow::setPrintEnabled(bool on)
{
    menuPrint->setEnabled(on);
}

void MainWindow::strategyUnavailable(const QString &why)
{
    menuCoach->setChecked(false);
    menuCoach->setEnabled(false);
    menuHint->setEnabled(false);
    m_messages.warning(this, ProgramName,
                       tr("Korbo's table of best play cannot be used:") + QLatin1Char('\n') + why + QLatin1Char('\n')
                           + tr("Computer players will play each turn for that turn's points alone, "
                                "and Hint and Coach are not available."));
}

QCoro::Task<std::optional<QString>> MainWindow::askTestDice()
{
    co_return co_await m_messages.input(this, tr("Test Dice"), tr("Enter 6 dice"));
}

// ---------------------------------------------------------------- the desktop

void OpenWithDesktop(const QUrl &url, QObject *context, std::function<void(bool opened)> done)
{
    // The desktop's opener tells by its exit code whether anything could open the
    // page. It is not parented: a browser it started must outlive the game, and a
    // QProcess ends its process when it is destroyed.
    auto *opener = new QProcess;
    auto finish = [opener, context = QPointer<QObject>(context), done](bool opened) {
        opener->disconnect();
        opener->deleteLater();
        if (context)
            done(opened);
    };
    QObject::connect(opener, &QProcess::finished, opener, [finish](int code, QProcess::ExitStatus status) {
        finish(status == QProcess::NormalExit && code == 0);
    });
    QObject::connect(opener, &QProcess::errorOccurred, opener, [finish](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            finish(false);
    });
    opener->start(QStringLiteral("xdg-open"), {url.toString(QUrl::FullyEncoded)});
}

} // namespace korbo
