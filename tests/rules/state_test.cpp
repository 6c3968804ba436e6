#include "GameState.h"
#include "Random.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <pwd.h>
#include <unistd.h>

using namespace korbo;

namespace {

// A die's face from the generator: in range, repeated for a seed, each a sixth of the time.
TEST(Random, RollDieRepeatsForASeedAndGivesEachFaceASixth)
{
    Random random(7), again(7);
    constexpr int rolls = 600000;
    int count[7] = {};
    for (int i = 0; i < rolls; ++i) {
        const int f = RollDie(random);
        ASSERT_TRUE(f >= 1 && f <= 6 && f == RollDie(again)) << i;
        ++count[f];
    }
    for (int f = 1; f <= 6; ++f)
        EXPECT_NEAR(count[f], rolls / 6, rolls / 6 * 0.01) << "face " << f;
}

TEST(Folders, FollowTheDesktopsBaseFoldersAndTheHome)
{
    const QString account = QFile::decodeName(getpwuid(getuid())->pw_dir);
    const struct { const char *guards, *home, *config; QString settings; } rows[] = {
        {"the usual place", "/h", nullptr, QStringLiteral("/h/.config/korbo")},
        {"an absolute XDG_CONFIG_HOME", "/h", "/x", QStringLiteral("/x/korbo")},
        {"a relative one was taken from the folder the game started in", "/h", "cfg",
         QStringLiteral("/h/.config/korbo")},
        {"no HOME gave //.config/korbo", nullptr, nullptr, account + QStringLiteral("/.config/korbo")},
    };
    const QByteArray home = qgetenv("HOME"), config = qgetenv("XDG_CONFIG_HOME");
    for (const auto &row : rows) {
        row.home ? qputenv("HOME", row.home) : qunsetenv("HOME");
        row.config ? qputenv("XDG_CONFIG_HOME", row.config) : qunsetenv("XDG_CONFIG_HOME");
        EXPECT_EQ(GetWindowsDir(), QDir::cleanPath(row.settings)) << row.guards;
    }
    home.isNull() ? qunsetenv("HOME") : qputenv("HOME", home);
    config.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", config);
}

} // namespace
