#include "Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace korbo {

namespace {

const QString kEnglish = QStringLiteral("en");

QString gameCatalogue(const QString &code)
{
    return QStringLiteral(":/i18n/korbo_%1.qm").arg(code);
}

struct Installed {
    QString code = kEnglish;
    std::unique_ptr<QTranslator> game;
    std::unique_ptr<QTranslator> qt;
};

Installed &installed()
{
    static Installed one;
    return one;
}

} // namespace

QStringList AvailableLanguages()
{
    QStringList codes;
    const QStringList files = QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("korbo_*.qm")}, QDir::Files, QDir::Name);
    for (const QString &file : files)
        codes << file.mid(6, file.size() - 9);
    if (!codes.contains(kEnglish))
        codes.prepend(kEnglish);
    return codes;
}

QString DesktopLanguage()
{
    const QStringList available = AvailableLanguages();
    for (const QString &wanted : QLocale::system().uiLanguages()) {
        // "de-AT" is spoken by "de"; "C" and "POSIX" are the sources' English.
        const QString language = wanted.section(QLatin1Char('-'), 0, 0).toLower();
        if (language == QLatin1String("c") || language == QLatin1String("posix"))
            return kEnglish;
        if (available.contains(language))
            return language;
    }
    return kEnglish;
}

void UseLanguage(const QString &wanted)
{
    const QString code = AvailableLanguages().contains(wanted) ? wanted : kEnglish;
    Installed &now = installed();
    for (auto *translator : {now.game.get(), now.qt.get()})
        if (translator)
            QCoreApplication::removeTranslator(translator);
    now.code = code;
    now.game = std::make_unique<QTranslator>();
    if (now.game->load(gameCatalogue(code)))
        QCoreApplication::installTranslator(now.game.get());
    now.qt = std::make_unique<QTranslator>();
    if (code != kEnglish
        && now.qt->load(QLocale(code), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(now.qt.get());
    QLocale::setDefault(QLocale(code));
}

QString CurrentLanguage()
{
    return installed().code;
}

} // namespace korbo
