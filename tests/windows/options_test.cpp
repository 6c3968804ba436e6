#include "Doubles.h"
#include "BoardView.h"
#include "ImageStore.h"
#include "MainWindow.h"
#include "OptionsDialog.h"
#include "Recorders.h"
#include "Twips.h"
#include "UserDiceDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace korbo;
using namespace korbo::test;

namespace {

struct OptionsWindow : ::testing::Test {
    TestGame t;
    RecordingMessages messages;
    MainWindow window{t.game, messages};
    OptionsDialog options{t.game, window.images(), messages, &window};
    Game &g = t.game;

    QImage shownPreview() const { return options.ImgDice()->pixmap().toImage(); }
    QImage storeFace(int slot) { return window.images().storeFace(slot).toImage(); }
};

TEST_F(OptionsWindow, LaidOutInTwoColumns)
{
    const QRect client = options.rect();
    QRect left;
    for (int i = 1; i <= 3; ++i) {
        EXPECT_TRUE(client.contains(options.Frame(i)->geometry())) << i;
        left |= options.Frame(i)->geometry();
        for (QWidget *child : options.Frame(i)->findChildren<QWidget *>())
            EXPECT_TRUE(options.Frame(i)->rect().contains(child->geometry())) << child->objectName().toStdString();
    }
    EXPECT_LT(options.Frame(1)->geometry().bottom(), options.Frame(2)->geometry().top());
    EXPECT_LT(options.Frame(2)->geometry().bottom(), options.Frame(3)->geometry().top());
    const QRect right = options.Frame(4)->geometry();
    EXPECT_TRUE(client.contains(right));
    EXPECT_LT(left.right(), right.left());
    EXPECT_EQ(options.Frame(1)->y(), right.y());

    // OK under the right column.
    const QRect ok = options.butOK()->geometry();
    EXPECT_GT(ok.top(), right.bottom());
    EXPECT_GE(ok.left(), right.left());
    EXPECT_LE(ok.right(), right.right());
    EXPECT_TRUE(client.contains(ok));
}

TEST_F(OptionsWindow, EveryChangeReachesTheOptionsAtOnce)
{
    struct Box { OptionCheckBox *box; std::int16_t Options::*value; };
    const Box boxes[] = {
        {options.noThrowSounds(), &Options::noThrowSoundsValue},
        {options.Animation(), &Options::animationValue},
        {options.TextButtons(), &Options::textButtonsValue},
        {options.CrossHair(), &Options::crossHairValue},
        {options.AutoThrow(), &Options::autoThrowValue},
        {options.chkUnderlineWinner(), &Options::underlineWinnerValue},
        {options.ShowRecords(), &Options::showRecordsValue},
    };
    QSignalSpy changed(&g.options, &Options::changed);
    for (const Box &b : boxes) {
        SCOPED_TRACE(b.box->objectName().toStdString());
        const int before = g.options.*b.value;
        b.box->click();
        EXPECT_EQ(g.options.*b.value, 1 - before);
        b.box->click();
        EXPECT_EQ(g.options.*b.value, before);
    }
    EXPECT_GE(changed.count(), 14);

    for (int i : {2, 0, 1}) {
        options.sound(i)->click();
        EXPECT_EQ(g.options.sound, static_cast<SoundChoice>(i));
    }
    for (int i : {4, 7, 1, 6}) {
        options.DiceStyle(i)->click();
        EXPECT_EQ(g.options.diceStyle, i);
    }
}

TEST_F(OptionsWindow, GrayedBoxesShowAsPartlyCheckedAndClickToChecked)
{
    g.options.animationValue = 2;
    g.options.textButtonsValue = 2;
    options.loadFromOptions();
    EXPECT_EQ(options.Animation()->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(g.options.animationValue, 2);
    EXPECT_TRUE(g.options.animation());
    options.Animation()->click();
    EXPECT_EQ(options.Animation()->checkState(), Qt::Checked);
    EXPECT_EQ(g.options.animationValue, 1);
    // From there a click cycles between unchecked and checked only.
    for (int expected : {0, 1, 0}) {
        options.Animation()->click();
        EXPECT_EQ(g.options.animationValue, expected);
    }
    EXPECT_EQ(options.TextButtons()->checkState(), Qt::PartiallyChecked);
}

TEST_F(OptionsWindow, EveryWayOfClosingActsAsOk)
{
    QPointer<OptionsDialog> guard(&options);
    QSignalSpy applied(&options, &OptionsDialog::applied);
    window.show();
    const struct { const char *guards; std::function<void()> close; } ways[] = {
        {"the close box hides the window and applies", [&] { EXPECT_FALSE(options.close()); }},
        {"Escape applies rather than cancels", [&] { QTest::keyClick(&options, Qt::Key_Escape); }},
        {"OK applies", [&] { options.butOK()->click(); }},
    };
    bool text = false;
    for (const auto &way : ways) {
        options.show();
        options.TextButtons()->click();
        options.DiceStyle(text ? StyleStandard : StyleLadybirds)->click();
        text = !text;
        way.close();
        ASSERT_FALSE(guard.isNull()) << way.guards;
        EXPECT_FALSE(options.isVisible()) << way.guards;
        EXPECT_FALSE(options.Timer()->isActive()) << way.guards;
        EXPECT_EQ(window.board()->butCat(Quad)->text().isEmpty(), !text) << way.guards;
        EXPECT_EQ(g.board.diceStyle(), text ? StyleLadybirds : StyleStandard) << way.guards;
    }
    EXPECT_EQ(applied.count(), 3);
}

TEST_F(OptionsWindow, TheBoardBecomingActiveClosesItAsOk)
{
    QSignalSpy applied(&options, &OptionsDialog::applied);
    options.mainWindowActivated(); // not shown: nothing happens
    EXPECT_EQ(applied.count(), 0);

    options.show();
    // The menu that opened it closing gives the board the focus back: no confirming
    // before the player has been in this window (it vanished at once without a
    // window manager).
    options.mainWindowActivated();
    EXPECT_TRUE(options.isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&options));
    options.DiceStyle(StyleRainbow)->click();
    EXPECT_TRUE(options.Timer()->isActive());
    options.mainWindowActivated();
    EXPECT_FALSE(options.isVisible());
    EXPECT_EQ(applied.count(), 1);
    EXPECT_EQ(g.board.diceStyle(), StyleRainbow);
    EXPECT_EQ(window.images().liveStyle(), StyleRainbow);
    EXPECT_FALSE(options.Timer()->isActive());
}

TEST_F(OptionsWindow, OnlyUserDefinedCanImport)
{
    for (int i : {7, 1, 7, 2, 3, 4, 7, 5, 6}) {
        options.DiceStyle(i)->click();
        EXPECT_EQ(options.butImport()->isEnabled(), i == StyleUserDefined) << i;
        EXPECT_EQ(options.previewStyle, i - 1);
        EXPECT_TRUE(options.Timer()->isActive());
    }
}

TEST_F(OptionsWindow, ThePreviewGoesOnFromTheFaceLastShown)
{
    options.DiceStyle(StyleStandard)->click();
    EXPECT_EQ(options.previewFace, 1);
    EXPECT_EQ(shownPreview(), storeFace(1));
    options.previewTick();
    options.previewTick();
    options.previewTick();
    EXPECT_EQ(options.previewFace, 4);
    EXPECT_EQ(shownPreview(), storeFace(4));

    options.DiceStyle(StyleRainbow)->click();
    EXPECT_EQ(options.previewStyle, 3);
    EXPECT_EQ(options.previewFace, 5);
    EXPECT_EQ(shownPreview(), storeFace(3 * 6 + 5));
    options.previewTick();
    EXPECT_EQ(shownPreview(), storeFace(3 * 6 + 6));
    options.previewTick(); // after six comes one
    EXPECT_EQ(options.previewFace, 1);
    EXPECT_EQ(shownPreview(), storeFace(3 * 6 + 1));
}

TEST_F(OptionsWindow, ThePreviewTicksOnTheTimer)
{
    options.Timer()->setInterval(1);
    options.DiceStyle(StylePhoto)->click();
    EXPECT_EQ(options.previewFace, 1);
    EXPECT_TRUE(QTest::qWaitFor([this] { return options.previewFace == 3; }, 2000));
    EXPECT_EQ(shownPreview(), storeFace(5 * 6 + 3));
}

TEST_F(OptionsWindow, OkInATurnChangesOnlyThatPlayersStyle)
{
    g.state.numPlayers = 3;
    for (int p = 1; p <= 3; ++p)
        g.state.playerDiceStyle[p] = StyleStandard;
    g.state.roundNo = 2;
    g.state.curPlayer = 2;
    options.show();
    options.DiceStyle(StylePhoto)->click();
    options.butOK()->click();
    EXPECT_EQ(g.state.playerDiceStyle[1], StyleStandard);
    EXPECT_EQ(g.state.playerDiceStyle[2], StylePhoto);
    EXPECT_EQ(g.state.playerDiceStyle[3], StyleStandard);
    EXPECT_EQ(g.board.diceStyle(), StylePhoto);

    // Between games only the board takes the style.
    g.state.roundNo = 0;
    options.show();
    options.DiceStyle(StyleButtons)->click();
    options.butOK()->click();
    EXPECT_EQ(g.state.playerDiceStyle[2], StylePhoto);
    EXPECT_EQ(g.board.diceStyle(), StyleButtons);
}

TEST_F(OptionsWindow, OkUnderlinesTheLeaderAsShowLeaderSays)
{
    g.state.numPlayers = 2;
    g.state.roundNo = 3;
    g.state.curPlayer = 1;
    g.sheet.setUnderlined(1, true);
    options.chkUnderlineWinner()->click(); // off
    options.butOK()->click();
    EXPECT_FALSE(g.sheet.underlined(1));
    EXPECT_FALSE(g.sheet.underlined(2));
}

TEST_F(OptionsWindow, SoundButtonsPlayTheirGreeting)
{
    struct Case { int button; QStringList played; bool muteEnabled; };
    const Case cases[] = {
        {2, {"rnd14", "rnd9&"}, true},
        {0, {"soundsoff&"}, false},
        {1, {"soundson&"}, true},
        {0, {"soundsoff&"}, false},
        {2, {"rnd14", "rnd9&"}, true},
    };
    for (const Case &c : cases) {
        t.sound.played.clear();
        options.sound(c.button)->click();
        EXPECT_TRUE(QTest::qWaitFor([&] { return t.sound.played.size() >= c.played.size(); }, 1000));
        EXPECT_EQ(t.sound.played, c.played) << c.button;
        EXPECT_EQ(options.noThrowSounds()->isEnabled(), c.muteEnabled) << c.button;
        EXPECT_EQ(g.options.noThrowSoundsEnabled, c.muteEnabled) << c.button;
    }
}

TEST_F(OptionsWindow, WhileStartingSoundButtonsOnlyChangeTheChoice)
{
    options.setSamplesMuted(true);
    for (int i : {0, 2, 1, 0}) {
        options.sound(i)->click();
        EXPECT_EQ(g.options.sound, static_cast<SoundChoice>(i));
        EXPECT_TRUE(options.noThrowSounds()->isEnabled());
    }
    QTest::qWait(10);
    EXPECT_TRUE(t.sound.played.isEmpty());
}

TEST_F(OptionsWindow, UntickingMuteDiceRattlesTheDice)
{
    options.noThrowSounds()->click(); // ticked: quiet
    EXPECT_TRUE(t.sound.played.isEmpty());
    options.noThrowSounds()->click();
    EXPECT_EQ(t.sound.played, QStringList{"shake1&"});

    // Whatever the sound choice.
    options.setSamplesMuted(true);
    options.sound(2)->click();
    options.setSamplesMuted(false);
    t.sound.played.clear();
    options.noThrowSounds()->click();
    options.noThrowSounds()->click();
    EXPECT_EQ(t.sound.played, QStringList{"shake1&"});
}

TEST_F(OptionsWindow, LoadingTheSettingsClicksTheStyleButQuietly)
{
    Options &o = g.options;
    o.animationValue = 0;
    o.textButtonsValue = 1;
    o.crossHairValue = 2;
    o.autoThrowValue = 1;
    o.underlineWinnerValue = 0;
    o.noThrowSoundsValue = 1;
    o.noThrowSoundsEnabled = false;
    o.sound = SoundChoice::Off;
    o.diceStyle = StyleUserDefined;
    options.setSamplesMuted(true);
    options.loadFromOptions();
    QTest::qWait(10);
    EXPECT_TRUE(t.sound.played.isEmpty());

    EXPECT_EQ(options.Animation()->checkState(), Qt::Unchecked);
    EXPECT_EQ(options.TextButtons()->checkState(), Qt::Checked);
    EXPECT_EQ(options.CrossHair()->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(options.AutoThrow()->checkState(), Qt::Checked);
    EXPECT_EQ(options.chkUnderlineWinner()->checkState(), Qt::Unchecked);
    EXPECT_EQ(options.noThrowSounds()->checkState(), Qt::Checked);
    EXPECT_FALSE(options.noThrowSounds()->isEnabled());
    EXPECT_TRUE(options.sound(0)->isChecked());
    EXPECT_TRUE(options.DiceStyle(7)->isChecked());
    // Loading writes nothing back: a grayed box stays grayed.
    EXPECT_EQ(o.crossHairValue, 2);
    // The style's click: preview started, Import open.
    EXPECT_TRUE(options.butImport()->isEnabled());
    EXPECT_TRUE(options.Timer()->isActive());
    EXPECT_EQ(options.previewStyle, 6);
    EXPECT_EQ(options.previewFace, 1);
    EXPECT_EQ(shownPreview(), storeFace(37));

    // Then OK, as the start-up does.
    options.applyOptions();
    EXPECT_FALSE(options.Timer()->isActive());
    EXPECT_EQ(g.board.diceStyle(), StyleUserDefined);
    EXPECT_EQ(window.cursor().shape(), Qt::CrossCursor); // grayed counts as ticked

    o.diceStyle = StyleTraditional;
    o.sound = SoundChoice::On;
    o.noThrowSoundsEnabled = true;
    options.loadFromOptions();
    EXPECT_FALSE(options.butImport()->isEnabled());
    EXPECT_TRUE(options.noThrowSounds()->isEnabled());
    EXPECT_EQ(options.previewStyle, 1);
    EXPECT_EQ(options.previewFace, 2);
    EXPECT_TRUE(t.sound.played.isEmpty());
}

TEST_F(OptionsWindow, PlacedOverTheMiddleOfTheBoard)
{
    struct Case { QRect main; QPoint expected; };
    const int w = options.width();
    const Case cases[] = {
        {QRect(200, 100, 600, 500), QPoint(200 + (600 - w) / 2, 100)},
        {QRect(200, 40, 100, 80), QPoint(200 - (w - 100) / 2, 40)}, // narrower: halved toward zero
        {QRect(0, 0, w + 1, 80), QPoint(0, 0)},
    };
    for (const Case &c : cases) {
        QWidget main;
        main.setGeometry(c.main);
        options.placeOver(&main);
        EXPECT_EQ(options.pos(), c.expected);
    }
}

TEST_F(OptionsWindow, ImportOpensTheUserDiceWindowModal)
{
    // The board's own options window, which the board becoming active confirms.
    OptionsDialog &own = *window.optionsDialog();
    QTemporaryDir dir;
    own.setUserDiceFolder(dir.filePath(QStringLiteral("mine")));
    QSignalSpy applied(&own, &OptionsDialog::applied);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    own.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return own.isActiveWindow(); }));
    own.DiceStyle(StyleUserDefined)->click();
    ASSERT_TRUE(own.Timer()->isActive());
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto *dice = qobject_cast<UserDiceDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dice, nullptr);
        seen = true;
        EXPECT_EQ(dice->parentWidget(), &own);
        EXPECT_TRUE(dice->isModal());
        EXPECT_EQ(dice->userFolder(), dir.filePath(QStringLiteral("mine")));
        EXPECT_FALSE(own.Timer()->isActive());
        // Centred by its outer frame.
        EXPECT_EQ(dice->frameGeometry(), centredFrame(availableArea(dice), dice->frameGeometry().size()));
        dice->butClose()->click();
        window.activateWindow(); // as a window manager may when the dialog goes
    });
    own.butImport()->click();
    EXPECT_TRUE(seen);
    // Saving changes nothing here: the window stays open, unconfirmed, and has the focus.
    EXPECT_TRUE(QTest::qWaitFor([&] { return own.isActiveWindow(); }));
    EXPECT_EQ(applied.count(), 0);
    EXPECT_TRUE(own.isVisible());
    EXPECT_FALSE(own.Timer()->isActive());
    // From then on, going back to the board confirms it again.
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !own.isVisible(); }));
    EXPECT_EQ(applied.count(), 1);
}

TEST_F(OptionsWindow, UserDiceGoToTheSettingsFolderUnlessSet)
{
    g.state.winDir = QStringLiteral("/somewhere/korbo/");
    EXPECT_EQ(options.userDiceFolder(), QStringLiteral("/somewhere/korbo/"));
    options.setUserDiceFolder(QStringLiteral("/else"));
    EXPECT_EQ(options.userDiceFolder(), QStringLiteral("/else"));
}

} // namespace
