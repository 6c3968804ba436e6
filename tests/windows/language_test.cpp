// The game in another language, switched while it runs.
#include "Language.h"
#include "OptionsDialog.h"
#include "ScoresWindow.h"
#include "WindowGame.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLocale>

using namespace korbo;
using namespace korbo::test;

namespace {

TEST(Language, SwitchesEveryOpenWindowAndBackToTheSourcesEnglish)
{
    // Guards a catalogue left out of the build, a window that keeps its old texts
    // (no LanguageChange handled), numbers left in English, and English disturbed
    // by a translation that stays installed.
    ASSERT_TRUE(AvailableLanguages().contains(QStringLiteral("de")));
    WindowGame w;
    OptionsDialog *options = w.window.optionsDialog();
    ScoresWindow *sheet = w.window.scores();
    UseLanguage(QStringLiteral("de"));
    QCoreApplication::processEvents(); // windows hear of it in their turn
    EXPECT_EQ(w.window.menuNew->text(), QStringLiteral("&Neu"));
    EXPECT_EQ(options->windowTitle(), QStringLiteral("Korbo Optionen")) << "a window made before";
    EXPECT_EQ(sheet->labCat(7)->text(), QStringLiteral("Summe oben")) << "a window that sets its texts itself";
    EXPECT_EQ(QLocale().toString(2.8, 'f', 1), QStringLiteral("2,8")) << "numbers the language's way";
    MainWindow later(w.g, w.messages);
    EXPECT_EQ(later.menuNew->text(), QStringLiteral("&Neu")) << "a window made afterwards";
    UseLanguage(QStringLiteral("xx"));
    QCoreApplication::processEvents();
    EXPECT_EQ(CurrentLanguage(), QStringLiteral("en")) << "a language Korbo does not speak is English";
    EXPECT_EQ(w.window.menuNew->text(), QStringLiteral("&New"));
    EXPECT_EQ(options->windowTitle(), QStringLiteral("Korbo Options"));
    EXPECT_EQ(sheet->labCat(7)->text(), QStringLiteral("Subtotal"));
    EXPECT_EQ(QLocale().toString(2.8, 'f', 1), QStringLiteral("2.8"));
}

} // namespace
