#include "GameState.h"

#include <QDir>
#include <QFile>

#include <pwd.h>
#include <unistd.h>

namespace korbo {

namespace {

struct CategoryText {
    const char *name;
    const char *caption;
    const char *desc;
};

const CategoryText kCategories[CategoryCount] = {
    {"Ones", "Ones", "Score all 1's (80+ for categories 1-6 get 40 bonus)"},
    {"Twos", "Twos", "Score all 2's (80+ for categories 1-6 get 40 bonus)"},
    {"Threes", "Threes", "Score all 3's (80+ for categories 1-6 get 40 bonus)"},
    {"Fours", "Fours", "Score all 4's (80+ for categories 1-6 get 40 bonus)"},
    {"Fives", "Fives", "Score all 5's (80+ for categories 1-6 get 40 bonus)"},
    {"Sixes", "Sixes", "Score all 6's (80+ for categories 1-6 get 40 bonus)"},
    {"Quad", "Quads", "Score the face value of all dice if there is 4 the same"},
    {"Twins", "Twins", "10 points for each pair, 40 points for 3 pairs"},
    {"Triples", "Triplets", "15 points for a set of three, 40 for two sets"},
    {"Odds", "Odds", "Score all odd dice, bonus 11 for 6 odd dice"},
    {"Evens", "Evens", "Score all even dice, bonus 10 for 6 even dice"},
    {"Flush", "Flush", "35 points for a run of 5 dice, 50 points for a run of 6"},
    {"PotLuck", "Pot Luck", "Score the face value of the dice"},
    {"Korbo", "Korbo", "6 dice the same scores 60 points"},
};

const CategoryText &text(int category)
{
    Q_ASSERT(category >= 1 && category <= CategoryCount);
    return kCategories[category - 1];
}

} // namespace

GameState::GameState()
{
    for (auto &row : score)
        row.fill(NotScored);
    diceToThrow.fill(true);
}

QString categoryName(int category) { return QString::fromLatin1(text(category).name); }
QString categoryDescription(int category) { return QString::fromLatin1(text(category).desc); }
QString initialCategoryCaption(int category) { return QString::fromLatin1(text(category).caption); }

QString HomeFolder()
{
    // Without HOME (or with a relative one) the account's own home folder stands.
    const QString home = qEnvironmentVariable("HOME");
    if (QDir::isAbsolutePath(home))
        return home;
    if (const passwd *account = getpwuid(getuid()); account && account->pw_dir)
        return QFile::decodeName(account->pw_dir);
    return QDir::rootPath();
}

QString UserFolder(const char *variable, const char *underHome)
{
    // The desktop's base folders; a relative value is to be ignored.
    const QString base = qEnvironmentVariable(variable);
    const QString root = QDir::isAbsolutePath(base) ? base : QDir(HomeFolder()).filePath(QLatin1String(underHome));
    return QDir::cleanPath(root + QLatin1String("/korbo"));
}

QString GetWindowsDir()
{
    return UserFolder("XDG_CONFIG_HOME", ".config");
}

} // namespace korbo
