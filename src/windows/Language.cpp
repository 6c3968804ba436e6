#include "Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QWidget>

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

// Keeps one property of a widget in the language in use.
class TranslatedText : public QObject {
public:
    TranslatedText(QWidget *widget, const char *property, const char *context, const char *source)
        : QObject(widget), m_widget(widget), m_property(property), m_context(context), m_source(source)
    {
        widget->installEventFilter(this);
        show();
    }
    void show() const
    {
        m_widget->setProperty(m_property.constData(), QCoreApplication::translate(m_context, m_source));
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange)
            show();
        return false;
    }

private:
    QWidget *m_widget;
    QByteArray m_property;
    const char *m_context;
    const char *m_source;
};

} // namespace

void ShowTranslated(QWidget *widget, const char *property, const char *context, const char *source)
{
    // A property set again replaces its earlier text.
    const QString name = QStringLiteral("translated ") + QLatin1String(property);
    delete widget->findChild<QObject *>(name, Qt::FindDirectChildrenOnly);
    auto *text = new TranslatedText(widget, property, context, source);
    text->setObjectName(name);
}

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
