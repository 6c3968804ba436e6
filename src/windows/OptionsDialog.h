#pragma once

#include "GameState.h"
#include "Options.h"

#include <QCheckBox>
#include <QDialog>
#include <QPointer>

#include <array>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;

namespace korbo {

class Game;
class ImageStore;
class Messages;

// A check box that shows the settings' raw value 2 as grayed; a click on it only
// ever checks or unchecks, a grayed box becoming checked.
class OptionCheckBox : public QCheckBox {
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;
    // 0 unchecked, 1 checked, 2 grayed.
    void setRawValue(int value);
    int rawValue() const;

protected:
    void nextCheckState() override;
};

// Puts the options into effect on the board: the pointer, the leader mark, the
// category buttons and the dice style (the current player's own during a game).
void ApplyOptions(Game &game, QWidget *mainWindow);

// "Korbo Options": a modeless tool window over the board. Its controls are the
// game's settings: every change is handed to the game at once. OK, the close
// box, Escape and the board becoming active while it is shown all apply the
// settings to the board and hide the window; it is never destroyed before the board.
class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    OptionsDialog(Game &game, ImageStore &images, Messages &messages, QWidget *mainWindow);

    // Controls, by their names; sound(0..2), DiceStyle(1..7), Frame(1..4).
    QGroupBox *Frame(int i) const { return m_frames[i]; }
    QRadioButton *sound(int i) const { return m_sound[i]; }
    OptionCheckBox *noThrowSounds() const { return m_noThrowSounds; }
    OptionCheckBox *Animation() const { return m_animation; }
    OptionCheckBox *TextButtons() const { return m_textButtons; }
    OptionCheckBox *CrossHair() const { return m_crossHair; }
    OptionCheckBox *AutoThrow() const { return m_autoThrow; }
    OptionCheckBox *chkUnderlineWinner() const { return m_underlineWinner; }
    OptionCheckBox *ShowRecords() const { return m_showRecords; }
    QLabel *ImgDice() const { return m_imgDice; }
    QRadioButton *DiceStyle(int i) const { return m_diceStyle[i]; }
    QPushButton *butImport() const { return m_butImport; }
    QPushButton *butOK() const { return m_butOK; }
    QTimer *Timer() const { return m_timer; }

    // The style the preview shows (0-based) and the face it showed last (1..6; 0
    // before the first tick).
    int previewStyle = 0;
    int previewFace = 0;

    // Sets every control from game.options(), as after reading the settings file. The
    // dice style is clicked as by the player (the preview starts, Import follows it);
    // no sample sound plays.
    void loadFromOptions();

    // Left over the middle of the board, top level with the board's top.
    void placeOver(QWidget *main);

    // Where the user's dice pictures are copied.
    void setUserDiceFolder(const QString &folder) { m_userDiceFolder = folder; }
    const QString &userDiceFolder() const { return m_userDiceFolder; }

    // While muted the sound choices play no sample: the game is starting up.
    void setSamplesMuted(bool muted) { m_samplesMuted = muted; }

public slots:
    // Hides the window and puts the settings into effect on the board.
    void closeAndApply();
    // The board became the active window: while shown, this window closes as by OK,
    // unless the user dice window has closed and this window has not had the focus since.
    void mainWindowActivated();
    // Shows the next face of the style being previewed.
    void previewTick();

signals:
    // The settings have been applied and the window is hidden.
    void applied();

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    void soundClick(int i);
    void noThrowSoundsClick();
    void diceStyleClick(int i);
    void butImportClick();
    // Hands every control's value to the game.
    void storeControls();
    // Sets every control from game.options() without storing or clicking anything.
    void showValues();

    Game &m_game;
    ImageStore &m_images;
    Messages &m_messages;
    QPointer<QWidget> m_main;
    QString m_userDiceFolder;
    // Set while controls are being made or loaded: their changes are stored afterwards.
    bool m_loadingControls = true;
    bool m_samplesMuted = false;
    // Set from this window's showing, and from the opening of the user dice window,
    // until this window is active: meanwhile the board becoming active (the menu that
    // opened it closing, a window manager passing the focus on) is not the player
    // coming back to the board.
    bool m_awaitingFocus = false;

    static constexpr int FrameCount = 4; // Sounds, Display, Game, Dice Style
    static constexpr int SoundChoiceCount = static_cast<int>(SoundChoice::Zany) + 1;
    Table1<QGroupBox *, FrameCount> m_frames{};
    std::array<QRadioButton *, SoundChoiceCount> m_sound{};
    OptionCheckBox *m_noThrowSounds = nullptr;
    OptionCheckBox *m_animation = nullptr;
    OptionCheckBox *m_textButtons = nullptr;
    OptionCheckBox *m_crossHair = nullptr;
    OptionCheckBox *m_autoThrow = nullptr;
    OptionCheckBox *m_underlineWinner = nullptr;
    OptionCheckBox *m_showRecords = nullptr;
    QLabel *m_imgDice = nullptr;
    Table1<QRadioButton *, DiceStyleCount> m_diceStyle{};
    QPushButton *m_butImport = nullptr;
    QPushButton *m_butOK = nullptr;
    QTimer *m_timer = nullptr;
};

} // namespace korbo
