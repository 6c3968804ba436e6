#include "OptionsDialog.h"

#include "BoardView.h"
#include "Game.h"
#include "ImageStore.h"
#include "Keyboard.h"
#include "Language.h"
#include "MainWindow.h"
#include "Messages.h"
#include "Palette.h"
#include "Twips.h"
#include "UserDiceDialog.h"
#include "Widening.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace korbo {

namespace {

// "Zany": the first laugh to its end, the second while the player goes on.
QCoro::Task<> playZany(SoundPlayer &player)
{
    co_await player.play(Sound::Rnd14, SoundMode::ToEnd);
    co_await player.play(Sound::Rnd9, SoundMode::Background);
}

// The small dialog font: the board's, not bold.
QFont dialogFont()
{
    QFont font = boardFont();
    font.setBold(false);
    return font;
}

// Check boxes and option buttons: green text on the dialog's pale green.
void paintGreen(QWidget *control)
{
    SetSurface(control, PaleGreen, TextGreen);
    QPalette pal = control->palette();
    pal.setColor(QPalette::ButtonText, TextGreen);
    control->setPalette(pal);
    control->setBackgroundRole(QPalette::Window);
    control->setAutoFillBackground(true);
}

// Layout, in twips from the window's top-left; controls in a frame are placed from
// the frame's top-left.
constexpr int kSide = 60;         // left and right of the window, and between the columns
constexpr int kMargin = 90;       // above and below
constexpr int kLeftColumn = kSide;
constexpr int kLeftWidth = 1935;
constexpr int kRightColumn = kLeftColumn + kLeftWidth + kSide;
constexpr int kRightWidth = 3855 - kRightColumn - kSide;
constexpr int kFirstRow = 285;   // below the frame's caption
constexpr int kRowStep = 360;
constexpr int kRowHeight = 255;
constexpr int kFramePad = 135;   // below the last row
constexpr int kControlLeft = 90;
constexpr int kControlRight = 45;
constexpr int frameHeight(int rows) { return kFirstRow + (rows - 1) * kRowStep + kRowHeight + kFramePad; }
constexpr int controlWidth(int frameWidth) { return frameWidth - kControlLeft - kControlRight; }
// The three frames of the left column share out the height left over.
constexpr int kFrameGap = (4995 - 2 * kMargin - frameHeight(4) - 2 * frameHeight(3)) / 2;

constexpr int kSoundsTop = kMargin;
constexpr int kDisplayTop = kSoundsTop + frameHeight(4) + kFrameGap;
constexpr int kGameTop = kDisplayTop + frameHeight(3) + kFrameGap;
constexpr int kLeftBottom = kGameTop + frameHeight(3);

constexpr int kButtonHeight = 375;
constexpr int kOkTop = kLeftBottom - kButtonHeight;
constexpr int kStyleFrameHeight = kOkTop - kFrameGap - kMargin;
constexpr int kPreviewTop = 300;
constexpr int kFirstStyleTop = kPreviewTop + 720 + 120;
constexpr int kImportTop = kStyleFrameHeight - 120 - kButtonHeight;

} // namespace

// ---------------------------------------------------------------- check box

void OptionCheckBox::setRawValue(int value)
{
    if (value == 2) {
        setCheckState(Qt::PartiallyChecked); // makes the box tristate
    } else {
        setTristate(false);
        setCheckState(value ? Qt::Checked : Qt::Unchecked);
    }
}

int OptionCheckBox::rawValue() const
{
    switch (checkState()) {
    case Qt::Unchecked: return 0;
    case Qt::Checked: return 1;
    default: return 2;
    }
}

void OptionCheckBox::nextCheckState()
{
    const bool check = checkState() != Qt::Checked;
    setTristate(false);
    setCheckState(check ? Qt::Checked : Qt::Unchecked);
}

// ---------------------------------------------------------------- window

OptionsDialog::OptionsDialog(Game &game, ImageStore &images, Messages &messages, QWidget *mainWindow)
    : QDialog(mainWindow, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      m_game(game), m_images(images), m_messages(messages), m_main(mainWindow)
{
    setObjectName(QStringLiteral("options"));
    AnswerStandardKeys(this);
    ShowTranslated(this, "windowTitle", "korbo::OptionsDialog", QT_TR_NOOP("Korbo Options"));
    setFixedSize(pxSize(3855, 4995));
    setModal(false);
    SetSurface(this, PaleGreen);
    setAutoFillBackground(true);
    setFont(dialogFont());

    auto frame = [this](int i, const char *caption, int left, int top, int width, int height) {
        auto *box = new QGroupBox(this);
        ShowTranslated(box, "title", "korbo::OptionsDialog", caption);
        box->setObjectName(QStringLiteral("Frame%1").arg(i));
        box->setGeometry(pxRect(left, top, width, height));
        m_frames[i] = box;
        return box;
    };
    auto option = [](QWidget *parent, int frameWidth, const QString &name, const char *context, const char *caption,
                     const char *tip, int top) {
        auto *button = new QRadioButton(parent);
        button->setObjectName(name);
        ShowTranslated(button, "text", context, caption);
        ShowTranslated(button, "toolTip", "korbo::OptionsDialog", tip);
        button->setGeometry(pxRect(kControlLeft, top, controlWidth(frameWidth), kRowHeight));
        paintGreen(button);
        return button;
    };
    auto check = [](QWidget *parent, const char *name, const char *caption, const char *tip, int row, bool on) {
        auto *box = new OptionCheckBox(QString(), parent);
        box->setObjectName(QString::fromLatin1(name));
        ShowTranslated(box, "text", "korbo::OptionsDialog", caption);
        if (*tip)
            ShowTranslated(box, "toolTip", "korbo::OptionsDialog", tip);
        box->setGeometry(pxRect(kControlLeft, kFirstRow + row * kRowStep, controlWidth(kLeftWidth), kRowHeight));
        box->setRawValue(on ? 1 : 0);
        paintGreen(box);
        return box;
    };

    // Sounds
    QGroupBox *sounds = frame(1, QT_TR_NOOP("Sounds"), kLeftColumn, kSoundsTop, kLeftWidth, frameHeight(4));
    const char *soundTips[SoundChoiceCount] = {QT_TR_NOOP("Sounds Off"), QT_TR_NOOP("Silly Sounds"), QT_TR_NOOP("Very Silly Sounds")};
    for (int i = 0; i < SoundChoiceCount; ++i) {
        m_sound[i] = option(sounds, kLeftWidth, QStringLiteral("sound%1").arg(i),
                            "korbo::Options", soundCaptionSource(static_cast<SoundChoice>(i)), soundTips[i],
                            kFirstRow + i * kRowStep);
        connect(m_sound[i], &QRadioButton::clicked, this, [this, i] { soundClick(i); });
        connect(m_sound[i], &QRadioButton::toggled, this, &OptionsDialog::storeControls);
    }
    m_sound[1]->setChecked(true);
    m_noThrowSounds = check(sounds, "noThrowSounds", QT_TR_NOOP("Mute Dice"), "", 3, false);
    connect(m_noThrowSounds, &QCheckBox::clicked, this, &OptionsDialog::noThrowSoundsClick);

    // Display
    QGroupBox *display = frame(2, QT_TR_NOOP("Display"), kLeftColumn, kDisplayTop, kLeftWidth, frameHeight(3));
    m_animation = check(display, "Animation", QT_TR_NOOP("Animation"), QT_TR_NOOP("For bouncier dice"), 0, true);
    m_textButtons = check(display, "TextButtons", QT_TR_NOOP("Text Buttons"), QT_TR_NOOP("...instead of fancy graphical ones"), 1, false);
    m_crossHair = check(display, "CrossHair", QT_TR_NOOP("Crosshair"), QT_TR_NOOP("...instead of standard arrow mouse pointer"), 2, false);

    // Game
    QGroupBox *gameFrame = frame(3, QT_TR_NOOP("Game"), kLeftColumn, kGameTop, kLeftWidth, frameHeight(3));
    m_autoThrow = check(gameFrame, "AutoThrow", QT_TR_NOOP("Auto 1st Throw"), QT_TR_NOOP("1st dice throw thrown automatically"), 0, false);
    m_underlineWinner = check(gameFrame, "chkUnderlineWinner", QT_TR_NOOP("Show Leader"),
                              QT_TR_NOOP("Underline current winner's name on scoreboard throughout game"), 1, true);
    m_showRecords = check(gameFrame, "ShowRecords", QT_TR_NOOP("Show Records"), QT_TR_NOOP("Pop up NEW Records at end of game"), 2, true);

    for (OptionCheckBox *box : {m_noThrowSounds, m_animation, m_textButtons, m_crossHair, m_autoThrow,
                                m_underlineWinner, m_showRecords})
        connect(box, &QCheckBox::stateChanged, this, &OptionsDialog::storeControls);

    // Dice Style
    QGroupBox *style = frame(4, QT_TR_NOOP("Dice Style"), kRightColumn, kMargin, kRightWidth, kStyleFrameHeight);
    m_imgDice = new QLabel(style);
    m_imgDice->setObjectName(QStringLiteral("ImgDice"));
    m_imgDice->setGeometry(pxRect((kRightWidth - 720) / 2, kPreviewTop, 720, 720));
    m_imgDice->setAlignment(Qt::AlignCenter);
    m_imgDice->setPixmap(images.storeFace(ImageStore::storeSlot(StyleStandard, 1)));
    for (int i = 1; i <= DiceStyleCount; ++i) {
        const bool user = diceStyleEntry(i).userPictures;
        m_diceStyle[i] = option(style, kRightWidth, QStringLiteral("DiceStyle%1").arg(i),
                                "korbo::Options", diceStyleEntry(i).caption,
                                user ? QT_TR_NOOP("Import your own dice") : QT_TR_NOOP("Select different dice style"),
                                kFirstStyleTop + (i - 1) * kRowStep);
        connect(m_diceStyle[i], &QRadioButton::clicked, this, [this, i] { diceStyleClick(i); });
        connect(m_diceStyle[i], &QRadioButton::toggled, this, &OptionsDialog::storeControls);
    }
    m_diceStyle[StyleStandard]->setChecked(true);
    m_butImport = new QPushButton(style);
    ShowTranslated(m_butImport, "text", "korbo::OptionsDialog", QT_TR_NOOP("Import ..."));
    m_butImport->setObjectName(QStringLiteral("butImport"));
    m_butImport->setGeometry(pxRect((kRightWidth - 1215) / 2, kImportTop, 1215, kButtonHeight));
    m_butImport->setEnabled(false);
    m_butImport->setAutoDefault(false);
    connect(m_butImport, &QPushButton::clicked, this, &OptionsDialog::butImportClick);

    m_butOK = new QPushButton(this);
    ShowTranslated(m_butOK, "text", "korbo::OptionsDialog", QT_TR_NOOP("OK"));
    m_butOK->setObjectName(QStringLiteral("butOK"));
    m_butOK->setGeometry(pxRect(kRightColumn + (kRightWidth - 1215) / 2, kOkTop, 1215, kButtonHeight));
    m_butOK->setAutoDefault(false);
    connect(m_butOK, &QPushButton::clicked, this, &OptionsDialog::closeAndApply);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer"));
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &OptionsDialog::previewTick);

    // The window shows the settings in force, whenever it is first made.
    showValues();
    WidenForTexts(this);
}

void OptionsDialog::storeControls()
{
    if (m_loadingControls)
        return;
    OptionValues o = m_game.options().values();
    o.animationValue = static_cast<std::int16_t>(m_animation->rawValue());
    o.textButtonsValue = static_cast<std::int16_t>(m_textButtons->rawValue());
    o.crossHairValue = static_cast<std::int16_t>(m_crossHair->rawValue());
    o.autoThrowValue = static_cast<std::int16_t>(m_autoThrow->rawValue());
    o.underlineWinnerValue = static_cast<std::int16_t>(m_underlineWinner->rawValue());
    o.showRecordsValue = static_cast<std::int16_t>(m_showRecords->rawValue());
    o.noThrowSoundsValue = static_cast<std::int16_t>(m_noThrowSounds->rawValue());
    o.noThrowSoundsEnabled = m_noThrowSounds->isEnabled();
    for (int i = 0; i < SoundChoiceCount; ++i)
        if (m_sound[i]->isChecked())
            o.sound = static_cast<SoundChoice>(i);
    for (int i = DiceStyleCount; i >= 1; --i)
        if (m_diceStyle[i]->isChecked())
            o.diceStyle = i;
    m_game.setOptions(o);
}

void OptionsDialog::showValues()
{
    const Options &o = m_game.options();
    const int sound = static_cast<int>(o.sound);
    const int style = o.diceStyle;
    // Every control from the values as they are now, nothing stored meanwhile: storing
    // after each control would overwrite the values not yet read.
    m_loadingControls = true;
    m_animation->setRawValue(o.animationValue);
    m_textButtons->setRawValue(o.textButtonsValue);
    m_crossHair->setRawValue(o.crossHairValue);
    m_autoThrow->setRawValue(o.autoThrowValue);
    m_underlineWinner->setRawValue(o.underlineWinnerValue);
    m_showRecords->setRawValue(o.showRecordsValue);
    m_noThrowSounds->setRawValue(o.noThrowSoundsValue);
    m_noThrowSounds->setEnabled(o.noThrowSoundsEnabled);
    if (sound >= 0 && sound < SoundChoiceCount)
        m_sound[sound]->setChecked(true);
    m_diceStyle[knownDiceStyle(style)]->setChecked(true);
    m_loadingControls = false;
}

void OptionsDialog::loadFromOptions()
{
    showValues();
    storeControls();
    // Setting an option button clicks it: the style's preview starts. The sound
    // buttons' click would only play a sample, and taking the settings in force is
    // no choice of the player's.
    diceStyleClick(knownDiceStyle(m_game.options().diceStyle));
}

void OptionsDialog::soundClick(int i)
{
    if (m_samplesMuted)
        return;
    m_noThrowSounds->setEnabled(i != 0);
    storeControls();
    SoundPlayer &player = m_game.sound();
    switch (i) {
    case 0: m_game.run(player.play(Sound::SoundsOff, SoundMode::Background)); break;
    case 1: m_game.run(player.play(Sound::SoundsOn, SoundMode::Background)); break;
    case 2: m_game.run(playZany(player)); break;
    default: break;
    }
}

void OptionsDialog::noThrowSoundsClick()
{
    if (m_noThrowSounds->checkState() == Qt::Unchecked)
        m_game.run(m_game.sound().play(Sound::Shake1, SoundMode::Background));
}

void OptionsDialog::diceStyleClick(int i)
{
    previewStyle = i - 1;
    previewTick();
    m_timer->start();
    m_butImport->setEnabled(diceStyleEntry(i).userPictures);
}

void OptionsDialog::previewTick()
{
    previewFace = previewFace % DiceCount + 1;
    m_imgDice->setPixmap(m_images.storeFace(ImageStore::storeSlot(previewStyle + 1, previewFace)));
}

void OptionsDialog::butImportClick()
{
    m_timer->stop();
    UserDiceDialog dialog(m_images, m_messages, userDiceFolder(), this);
    CentreOnScreen(&dialog);
    // A window manager may hand the focus to the board when the dialog goes (openbox
    // does), which would confirm this window although the player never went back to
    // the board. Until this window is active again, the board becoming active only
    // sends the focus back here. Asking for the focus at once is no cure: the window
    // manager may still pass it to the board afterwards.
    m_awaitingFocus = true;
    dialog.exec();
    if (isActiveWindow())
        m_awaitingFocus = false;
}

void ApplyOptions(Game &game, QWidget *mainWindow)
{
    if (mainWindow) {
        if (game.options().crossHair())
            mainWindow->setCursor(Qt::CrossCursor);
        else
            mainWindow->unsetCursor();
    }
    game.showOptions();
}

void OptionsDialog::closeAndApply()
{
    m_awaitingFocus = false;
    hide();
    // The controls and the options agree at every moment, so the options are applied.
    ApplyOptions(m_game, m_main);
    m_timer->stop();
    emit applied();
}

void OptionsDialog::mainWindowActivated()
{
    if (!isVisible())
        return;
    if (!m_awaitingFocus)
        closeAndApply();
    else if (!QApplication::activeModalWidget())
        activateWindow();
}

void OptionsDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_awaitingFocus = !isActiveWindow();
}

void OptionsDialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !QApplication::activeModalWidget())
        m_awaitingFocus = false;
}

void OptionsDialog::placeOver(QWidget *main)
{
    const QRect board = main->frameGeometry();
    QRect own = frameRect(this);
    own.moveTopLeft(QPoint(board.left() + (board.width() - own.width()) / 2, board.top()));
    placeFrame(this, keptInside(own, availableArea(main)));
}

void OptionsDialog::closeEvent(QCloseEvent *event)
{
    // The close box is OK: the window hides and lives on.
    event->ignore();
    closeAndApply();
}

void OptionsDialog::reject()
{
    closeAndApply(); // Escape
}

} // namespace korbo
