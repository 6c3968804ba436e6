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
};

TEST_F(OptionsWindow, OkInATurnChangesOnlyThatPlayersStyleAndTheLeaderMark)
{
    // Player 2's turn, Ann leading and underlined.
    g.setDice({6, 6, 6, 6, 6, 6});
    t.name({QStringLiteral("Ann"), QStringLiteral("Bob"), QStringLiteral("Cy")});
    t.run(g.newGame());
    t.run(g.throwDice());
    t.run(g.enterCategory(Korbo));
    ASSERT_TRUE(g.sheet().underlined(1));
    options.show();
    options.DiceStyle(StylePhoto)->click();
    EXPECT_FALSE(options.butImport()->isEnabled()) << "only User Defined can import";
    options.chkUnderlineWinner()->click(); // Show Leader off
    options.butOK()->click();
    EXPECT_TRUE(g.diceStyleOf(1) == StyleStandard && g.diceStyleOf(2) == StylePhoto
                && g.diceStyleOf(3) == StyleStandard);
    EXPECT_EQ(g.board.diceStyle(), StylePhoto);
    EXPECT_FALSE(g.sheet().underlined(1));

    // Between games only the board takes the style.
    messages.yes = true;
    t.run(g.stopGame());
    options.DiceStyle(StyleButtons)->click();
    options.butOK()->click();
    EXPECT_EQ(g.diceStyleOf(2), StylePhoto);
    EXPECT_EQ(g.board.diceStyle(), StyleButtons);
}

TEST_F(OptionsWindow, LoadingTheSettingsKeepsAGrayedBoxAndClicksTheStyleQuietly)
{
    OptionValues loaded;
    loaded.crossHairValue = 2;
    loaded.noThrowSoundsEnabled = false;
    loaded.sound = SoundChoice::Off;
    loaded.diceStyle = StyleUserDefined;
    g.setOptions(loaded);
    const Options &o = g.options();
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
    EXPECT_TRUE(options.butImport()->isEnabled() && options.Timer()->isActive());
    EXPECT_EQ(options.ImgDice()->pixmap().toImage(), window.images().storeFace(37).toImage());

    // Then OK, as the start-up does.
    options.closeAndApply();
    EXPECT_EQ(g.board.diceStyle(), StyleUserDefined);
    // From there a click cycles between checked and unchecked only, and sound off greys Mute Dice.
    for (int expected : {1, 0, 1}) {
        options.CrossHair()->click();
        EXPECT_EQ(o.crossHairValue, expected);
    }
    options.setSamplesMuted(false);
    for (int sound : {0, 1, 0}) {
        options.sound(sound)->click();
        const bool on = sound != 0;
        EXPECT_TRUE(options.noThrowSounds()->isEnabled() == on && o.noThrowSoundsEnabled == on) << sound;
    }
}

TEST_F(OptionsWindow, TheBoardBecomingActiveClosesItAsOkButNotWhileImportIsOpen)
{
    // The board's own options window, which the board becoming active confirms.
    OptionsDialog &own = *window.optionsDialog();
    QTemporaryDir dir;
    own.setUserDiceFolder(dir.path());
    QSignalSpy applied(&own, &OptionsDialog::applied);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    own.mainWindowActivated(); // not shown: nothing happens
    own.show();
    // The menu that opened it closing gives the board the focus back: no confirming
    // before the player has been in this window (it vanished at once without a
    // window manager).
    own.mainWindowActivated();
    EXPECT_TRUE(own.isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return own.isActiveWindow(); }));
    own.DiceStyle(StyleUserDefined)->click();
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto *dice = qobject_cast<UserDiceDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dice, nullptr);
        seen = true;
        EXPECT_TRUE(dice->parentWidget() == &own && dice->userFolder() == dir.path() && !own.Timer()->isActive());
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
    EXPECT_TRUE(window.images().liveStyle() == StyleUserDefined && !own.Timer()->isActive());
}

} // namespace
