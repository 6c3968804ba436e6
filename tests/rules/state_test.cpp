#include "GameState.h"
#include "Options.h"
#include "Random.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSet>

#include <pwd.h>
#include <unistd.h>

using namespace korbo;

namespace {

TEST(GameState, StartsWithNoGameAndNothingScored)
{
    GameState s;
    EXPECT_EQ(s.roundNo, 0);
    EXPECT_FALSE(s.gameInProgress());
    EXPECT_EQ(s.numPlayers, 0);
    for (int p = 1; p <= MaxPlayers; ++p) {
        EXPECT_EQ(s.subtotal[p], NotScored);
        for (int c = 1; c <= CategoryCount; ++c)
            EXPECT_EQ(s.score[p][c], NotScored);
    }
    for (int c = 0; c <= CategoryCount; ++c)
        EXPECT_EQ(s.catEval[c], 0);
}

TEST(GameState, InitTables)
{
    GameState s;
    s.busy = true;
    Random random;
    InitTables(s, random, QStringLiteral("/home/someone/.config/korbo"));
    EXPECT_FALSE(s.busy);
    EXPECT_EQ(s.lineBreak, QStringLiteral("\r"));
    EXPECT_EQ(s.promptText, QStringLiteral("Welcome to Korbo"));
    EXPECT_EQ(s.winDir, QStringLiteral("/home/someone/.config/korbo/"));
    InitTables(s, random, QStringLiteral("/already/"));
    EXPECT_EQ(s.winDir, QStringLiteral("/already/"));

    const struct { int c; const char *name; const char *desc; const char *caption; } rows[] = {
        {1, "Ones", "Score all 1's (80+ for categories 1-6 get 40 bonus)", "Ones"},
        {6, "Sixes", "Score all 6's (80+ for categories 1-6 get 40 bonus)", "Sixes"},
        {7, "Quad", "Score the face value of all dice if there is 4 the same", "Quads"},
        {8, "Twins", "10 points for each pair, 40 points for 3 pairs", "Twins"},
        {9, "Triples", "15 points for a set of three, 40 for two sets", "Triplets"},
        {10, "Odds", "Score all odd dice, bonus 11 for 6 odd dice", "Odds"},
        {11, "Evens", "Score all even dice, bonus 10 for 6 even dice", "Evens"},
        {12, "Flush", "35 points for a run of 5 dice, 50 points for a run of 6", "Flush"},
        {13, "PotLuck", "Score the face value of the dice", "Pot Luck"},
        {14, "Korbo", "6 dice the same scores 60 points", "Korbo"},
    };
    for (const auto &r : rows) {
        EXPECT_EQ(s.catName[r.c], QLatin1String(r.name));
        EXPECT_EQ(s.catDesc[r.c], QLatin1String(r.desc));
        EXPECT_EQ(initialCategoryCaption(r.c), QLatin1String(r.caption));
    }
}

TEST(Random, ValuesStayInUnitIntervalAndRepeatForASeed)
{
    Random a(42), b(42);
    for (int i = 0; i < 100000; ++i) {
        const float v = a.next();
        ASSERT_GE(v, 0.0f);
        ASSERT_LT(v, 1.0f);
        ASSERT_EQ(v, b.next());
    }
}

TEST(Random, FaceTableHoldsEachFaceAtItsSixPlaces)
{
    const int indices[7][6] = {
        {},
        {5, 10, 18, 21, 24, 31},
        {9, 12, 15, 25, 29, 32},
        {2, 6, 11, 20, 23, 35},
        {7, 13, 16, 22, 26, 33},
        {1, 4, 17, 19, 27, 36},
        {3, 8, 14, 28, 30, 34},
    };
    for (int face = 1; face <= 6; ++face)
        for (int i : indices[face])
            EXPECT_EQ(FaceTable(i), face) << "index " << i;
}

TEST(Random, RollDieGivesEachFaceASixth)
{
    Random random(7);
    constexpr int rolls = 600000;
    int count[7] = {};
    for (int i = 0; i < rolls; ++i) {
        const int f = RollDie(random);
        ASSERT_GE(f, 1);
        ASSERT_LE(f, 6);
        ++count[f];
    }
    for (int f = 1; f <= 6; ++f)
        EXPECT_NEAR(count[f], rolls / 6, rolls / 6 * 0.01) << "face " << f;
}

TEST(Random, ShuffleStringPermutes)
{
    Random random(3);
    QSet<QString> seen;
    for (int i = 0; i < 2000; ++i) {
        QString s = ShuffleString(random, QStringLiteral("123456"));
        seen.insert(s);
        std::sort(s.begin(), s.end());
        ASSERT_EQ(s, QStringLiteral("123456"));
    }
    EXPECT_GT(seen.size(), 600); // of 720 orders, nearly all turn up
    EXPECT_EQ(ShuffleString(random, QStringLiteral("A")), QStringLiteral("A"));
    EXPECT_EQ(ShuffleString(random, QString()), QString());
    const QString letters = ShuffleString(random, QStringLiteral("ABCDEFGHIJKLMNOPQ"));
    EXPECT_EQ(QSet<QChar>(letters.begin(), letters.end()).size(), 17);
}

TEST(Options, ValuesBeforeAnySettingsAreLoaded)
{
    Options o;
    EXPECT_TRUE(o.animation());
    EXPECT_FALSE(o.textButtons());
    EXPECT_FALSE(o.crossHair());
    EXPECT_FALSE(o.autoThrow());
    EXPECT_TRUE(o.underlineWinner());
    EXPECT_TRUE(o.showRecords());
    EXPECT_FALSE(o.noThrowSounds());
    EXPECT_TRUE(o.noThrowSoundsEnabled);
    EXPECT_EQ(o.sound, SoundChoice::On);
    EXPECT_EQ(o.soundStyleSuffix(), QStringLiteral("_std"));
    EXPECT_EQ(o.diceStyle, StyleStandard);
    o.sound = SoundChoice::Off;
    EXPECT_EQ(o.soundStyleSuffix(), QStringLiteral("_zany"));
    o.showRecordsValue = 2; // a grayed box is not "1"
    EXPECT_FALSE(o.showRecords());
    EXPECT_EQ(diceStyleCaption(7), QStringLiteral("User Defined"));
    EXPECT_EQ(diceStyleCaption(0), QString());
}

TEST(Folders, FollowTheDesktopsBaseFoldersAndTheHome)
{
    struct Row {
        const char *guards;
        const char *home, *config;
        QString settings;
    };
    const QString account = QFile::decodeName(getpwuid(getuid())->pw_dir);
    const Row rows[] = {
        {"the usual place", "/h", nullptr, QStringLiteral("/h/.config/korbo")},
        {"an absolute XDG_CONFIG_HOME", "/h", "/x", QStringLiteral("/x/korbo")},
        {"a relative one was taken from the folder the game started in", "/h", "cfg",
         QStringLiteral("/h/.config/korbo")},
        {"no HOME gave //.config/korbo", nullptr, nullptr, account + QStringLiteral("/.config/korbo")},
    };
    const QByteArray home = qgetenv("HOME"), config = qgetenv("XDG_CONFIG_HOME");
    for (const Row &row : rows) {
        row.home ? qputenv("HOME", row.home) : qunsetenv("HOME");
        row.config ? qputenv("XDG_CONFIG_HOME", row.config) : qunsetenv("XDG_CONFIG_HOME");
        EXPECT_EQ(GetWindowsDir(), QDir::cleanPath(row.settings)) << row.guards;
    }
    home.isNull() ? qunsetenv("HOME") : qputenv("HOME", home);
    config.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", config);
}

} // namespace
