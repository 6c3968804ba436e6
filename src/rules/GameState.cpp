#include "GameState.h"

#include <QCoreApplication>
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

// Names, captions and descriptions in English; each is shown in the language in use.
const CategoryText kCategories[CategoryCount] = {
    {QT_TRANSLATE_NOOP("korbo::Category", "Ones"),
     QT_TRANSLATE_NOOP("korbo::Category", "Ones"),
     QT_TRANSLATE_NOOP("korbo::Category", "Score all 1's (80+ for categories 1-6 get 40 bonus)")},
    {QT_TRANSLATE_NOOP("korbo::Category", "Twos"),
     QT_TRANSLATE_NOOP("korbo::Category", "Twos"),
     QT_TRANSLATE_NOOP("korbo::Category", "Score all 2's (80+ for categories 1-6 get 40 bonus)")},
    {QT_TRANSLATE_NOOP("korbo::Category", "Threes"),
     QT_TRANSLATE_NOOP("korbo::Category", "Threes"),
     QT_TRANSLATE_NOOP("korbo::Category", "Score all 3's (80+ for categories 1-6 get 40 bonus)")},
    {QT_TRANSLATE_NOOP("korbo::Category", "Fours"),
     QT_TRANSLATE_NOOP("korbo::Category", "Fours"),
     QT_TRANSLATE_NOOP("korbo::Category", "Score all 4's (80+ for categories 1-6 get 40 bonus)")},
    {QT_TRANSLATE_NOOP("korbo::Category", "Fives"),
     QT_TRANSLATE_NOOP("korbo::Category", "Fives"),
     QT_TRANSLATE_NOOP("korbo::Category", "Score all 5's (80+ for categories 1-6 get 40 bonus)")},
    {QT_TRANSLATE_NOOP("korbo::Category", "Sixes"),
     QT_TRANSLATE_NOOP("korbo::Category", "Sixes"),
     QT_TRANSLATE_NOOP("korbo::Category", "Score all 6's (80+ for categories 1-6 get 40 bonus)")},
    {QT_TRANSLATE_NOOP("korbo::Category", "Quad"),
     QT_TRANSLATE_NOOP("korbo::Category", "Quads"),
     QT_TRANSLATE_NOOP("korbo::Category", "Score the face value of all dice if there is 4 the same")},
    {QT_TRANSLATE_NOOP("korbo::Category", "Twins"),
     QT_TRANSLATE_NOOP("korbo::Category", "Twins"),
     QT_TRANSLATE_NOOP("korbo::Category", "10 points for each pair, 40 points for 3 pairs")},
    {QT_TRANSLATE_NOOP("korbo::Category", "Triples"),
     QT_TRANSLATE_NOOP("korbo::Category", "Triplets"),
     QT_TRANSLATE_NOOP("korbo::Category", "15 points for a set of three, 40 for two sets")},
    {QT_TRANSLATE_NOOP("korbo::Category", "Odds"),
     QT_TRANSLATE_NOOP("korbo::Category", "Odds"),
     QT_TRANSLATE_NOOP("korbo::Category", "Score all odd dice, bonus 11 for 6 odd dice")},
    {QT_TRANSLATE_NOOP("korbo::Category", "Evens"),
     QT_TRANSLATE_NOOP("korbo::Category", "Evens"),
     QT_TRANSLATE_NOOP("korbo::Category", "Score all even dice, bonus 10 for 6 even dice")},
    {QT_TRANSLATE_NOOP("korbo::Category", "Flush"),
     QT_TRANSLATE_NOOP("korbo::Category", "Flush"),
     QT_TRANSLATE_NOOP("korbo::Category", "35 points for a run of 5 dice, 50 points for a run of 6")},
    {QT_TRANSLATE_NOOP("korbo::Category", "PotLuck"),
     QT_TRANSLATE_NOOP("korbo::Category", "Pot Luck"),
     QT_TRANSLATE_NOOP("korbo::Category", "Score the face value of the dice")},
    {QT_TRANSLATE_NOOP("korbo::Category", "Korbo"),
     QT_TRANSLATE_NOOP("korbo::Category", "Korbo"),
     QT_TRANSLATE_NOOP("korbo::Category", "6 dice the same scores 60 points")},
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

QString categoryName(int category) { return QCoreApplication::translate("korbo::Category", text(category).name); }
QString categoryDescription(int category) { return QCoreApplication::translate("korbo::Category", text(category).desc); }
QString initialCategoryCaption(int category) { return QCoreApplication::translate("korbo::Category", text(category).caption); }

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
