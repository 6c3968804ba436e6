// The game in another language, switched while it runs.
#include "DiceText.h"
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

TEST(Language, CountsTakeEachLanguagesPluralForms)
{
    // Guards a catalogue that does not declare its language (Polish and Russian then
    // get English's two forms), a form left out, and forms in the wrong order.
    const struct { const char *code; int n; const char *text; } rows[] = {
        {"en", 1, "1 joker left"},        {"en", 2, "2 jokers left"},
        {"pl", 1, "został 1 joker"},      {"pl", 2, "zostały 2 jokery"},
        {"pl", 5, "zostało 5 jokerów"},   {"pl", 22, "zostały 22 jokery"},
        {"ru", 1, "остался 1 джокер"},    {"ru", 2, "осталось 2 джокера"},
        {"ru", 5, "осталось 5 джокеров"}, {"ru", 22, "осталось 22 джокера"},
    };
    for (const auto &r : rows) {
        UseLanguage(QLatin1String(r.code));
        EXPECT_EQ(jokersLeftText(r.n), QString::fromUtf8(r.text)) << r.code << " " << r.n;
    }
    UseLanguage(QStringLiteral("en"));
}

} // namespace
