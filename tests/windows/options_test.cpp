#include "ImageStore.h"
#include "OptionsDialog.h"
#include "UserDiceDialog.h"
#include "WindowGame.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace korbo;
using namespace korbo::test;

namespace {

struct OptionsWindow : ::testing::Test, WindowGame {
    OptionsDialog options{t.game, window.images(), messages, &window};

    QImage shownPreview() const { return options.ImgDice()->pixmap().toImage(); }
    QImage storeFace(int slot) { return window.images().storeFace(slot).toImage(); }
};

TEST_F(OptionsWindow, EveryChangeReachesTheOptionsAtOnce)
{
    const struct { OptionCheckBox *box; std::int16_t Options::*value; } boxes[] = {
        {options.noThrowSounds(), &Options::noThrowSoundsValue}, {options.Animation(), &Options::animationValue},
        {options.TextButtons(), &Options::textButtonsValue},     {options.CrossHair(), &Options::crossHairValue},
        {options.AutoThrow(), &Options::autoThrowValue},         {options.chkUnderlineWinner(), &Options::underlineWinnerValue},
        {options.ShowRecords(), &Options::showRecordsValue},
    };
    for (const auto &b : boxes) {
        const int before = g.options.*b.value;
        b.box->click();
        EXPECT_EQ(g.options.*b.value, 1 - before) << b.box->objectName().toStdString();
    }
    options.sound(2)->click();
    EXPECT_EQ(g.options.sound, SoundChoice::Zany);
    options.DiceStyle(StyleButtons)->click();
    EXPECT_EQ(g.options.diceStyle, StyleButtons);
    EXPECT_FALSE(options.butImport()->isEnabled()) << "only User Defined can import";
}

TEST_F(OptionsWindow, TheBoardBecomingActiveClosesItAsOk)
{
    QSignalSpy applied(&options, &OptionsDialog::applied);
    options.mainWindowActivated(); // not shown: nothing happens
    options.show();
    // The menu that opened it closing gives the board the focus back: no confirming
    // before the player has been in this window (it vanished at once without a
    // window manager).
    options.mainWindowActivated();
    EXPECT_TRUE(options.isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&options));
    options.DiceStyle(StyleRainbow)->click();
    options.mainWindowActivated();
    EXPECT_FALSE(options.isVisible());
    EXPECT_EQ(applied.count(), 1);
    EXPECT_EQ(window.images().liveStyle(), StyleRainbow);
    EXPECT_FALSE(options.Timer()->isActive());
}

TEST_F(OptionsWindow, OkInATurnChangesOnlyThatPlayersStyleAndTheLeaderMark)
{
    g.state.numPlayers = 3;
    for (int p = 1; p <= 3; ++p)
        g.state.playerDiceStyle[p] = StyleStandard;
    g.state.roundNo = 2;
    g.state.curPlayer = 2;
    g.sheet.setUnderlined(1, true);
    options.show();
    options.DiceStyle(StylePhoto)->click();
    options.chkUnderlineWinner()->click(); // Show Leader off
    options.butOK()->click();
    EXPECT_TRUE(g.state.playerDiceStyle[1] == StyleStandard && g.state.playerDiceStyle[2] == StylePhoto
                && g.state.playerDiceStyle[3] == StyleStandard);
    EXPECT_EQ(g.board.diceStyle(), StylePhoto);
    EXPECT_FALSE(g.sheet.underlined(1));

    // Between games only the board takes the style.
    g.state.roundNo = 0;
    options.DiceStyle(StyleButtons)->click();
    options.butOK()->click();
    EXPECT_EQ(g.state.playerDiceStyle[2], StylePhoto);
    EXPECT_EQ(g.board.diceStyle(), StyleButtons);
}

TEST_F(OptionsWindow, SoundButtonsPlayTheirGreetingAndMuteDiceRattles)
{
    const struct { QAbstractButton *button; QStringList played; bool muteEnabled; } clicks[] = {
        {options.sound(2), {"rnd14", "rnd9&"}, true},
        {options.sound(0), {"soundsoff&"}, false},
        {options.sound(1), {"soundson&"}, true},
        {options.noThrowSounds(), {}, true}, // ticked: quiet
        {options.noThrowSounds(), {"shake1&"}, true},
    };
    for (const auto &c : clicks) {
        t.sound.played.clear();
        c.button->click();
        EXPECT_TRUE(QTest::qWaitFor([&] { return t.sound.played.size() >= c.played.size(); }));
        EXPECT_EQ(t.sound.played, c.played) << c.button->objectName().toStdString();
        EXPECT_EQ(g.options.noThrowSoundsEnabled, c.muteEnabled) << c.button->objectName().toStdString();
    }
}

TEST_F(OptionsWindow, LoadingTheSettingsKeepsAGrayedBoxAndClicksTheStyleQuietly)
{
    Options &o = g.options;
    o.crossHairValue = 2;
    o.noThrowSoundsEnabled = false;
    o.sound = SoundChoice::Off;
    o.diceStyle = StyleUserDefined;
    options.setSamplesMuted(true);
    options.loadFromOptions();
    EXPECT_EQ(options.CrossHair()->checkState(), Qt::PartiallyChecked);
    options.sound(2)->click(); // while loading, only the choice changes
    EXPECT_EQ(o.sound, SoundChoice::Zany);
    QTest::qWait(10);
    EXPECT_TRUE(t.sound.played.isEmpty());
    EXPECT_EQ(o.crossHairValue, 2) << "loading writes nothing back: a grayed box stays grayed";
    EXPECT_FALSE(options.noThrowSounds()->isEnabled());
    // The style's click: preview started, Import open.
    EXPECT_TRUE(options.butImport()->isEnabled());
    EXPECT_TRUE(options.Timer()->isActive());
    EXPECT_EQ(shownPreview(), storeFace(37));

    // Then OK, as the start-up does.
    options.applyOptions();
    EXPECT_EQ(g.board.diceStyle(), StyleUserDefined);
    EXPECT_EQ(window.cursor().shape(), Qt::CrossCursor) << "grayed counts as ticked";
    // From there a click cycles between checked and unchecked only.
    for (int expected : {1, 0, 1}) {
        options.CrossHair()->click();
        EXPECT_EQ(o.crossHairValue, expected);
    }
}

TEST_F(OptionsWindow, ImportOpensTheUserDiceWindowModalAndLeavesTheOptionsOpen)
{
    // The board's own options window, which the board becoming active confirms.
    OptionsDialog &own = *window.optionsDialog();
    QTemporaryDir dir;
    own.setUserDiceFolder(dir.path());
    QSignalSpy applied(&own, &OptionsDialog::applied);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    own.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return own.isActiveWindow(); }));
    own.DiceStyle(StyleUserDefined)->click();
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto *dice = qobject_cast<UserDiceDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dice, nullptr);
        seen = true;
        EXPECT_EQ(dice->parentWidget(), &own);
        EXPECT_EQ(dice->userFolder(), dir.path());
        EXPECT_FALSE(own.Timer()->isActive());
        dice->butClose()->click();
        window.activateWindow(); // as a window manager may when the dialog goes
    });
    own.butImport()->click();
    EXPECT_TRUE(seen);
    // Saving changes nothing here: the window stays open, unconfirmed, and has the focus.
    EXPECT_TRUE(QTest::qWaitFor([&] { return own.isActiveWindow(); }));
    EXPECT_EQ(applied.count(), 0);
    // From then on, going back to the board confirms it again.
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !own.isVisible(); }));
    EXPECT_EQ(applied.count(), 1);
}

} // namespace
