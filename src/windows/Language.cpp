#include "Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QWidget>

#include <memory>

namespace korbo {

namespace {

const QString kEnglish = QStringLiteral("en");

// A translator may try a catalogue without building the game: the folder named by
// KORBO_TRANSLATIONS is looked in first.
QStringList catalogueFolders()
{
    QStringList folders;
    if (const QString own = qEnvironmentVariable("KORBO_TRANSLATIONS"); !own.isEmpty())
        folders << own;
    folders << QStringLiteral(":/i18n");
    return folders;
}

QString gameCatalogue(const QString &code)
{
    const QString name = QStringLiteral("korbo_%1.qm").arg(code);
    for (const QString &folder : catalogueFolders())
        if (QFileInfo::exists(QDir(folder).filePath(name)))
            return QDir(folder).filePath(name);
    return {};
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
    for (const QString &folder : catalogueFolders())
        for (const QString &file : QDir(folder).entryList({QStringLiteral("korbo_*.qm")}, QDir::Files, QDir::Name))
            if (const QString code = file.mid(6, file.size() - 9); !codes.contains(code))
                codes << code;
    if (!codes.contains(kEnglish))
        codes.prepend(kEnglish);
    return codes;
}

QString DesktopLanguage()
{
    const QStringList available = AvailableLanguages();
    for (const QString &wanted : QLocale::system().uiLanguages()) {
        // "pt-BR" is spoken by "pt_BR" where there is one, "de-AT" by "de"; "C" and
        // "POSIX" are the sources' English.
        const QString whole = QString(wanted).replace(QLatin1Char('-'), QLatin1Char('_'));
        const QString language = wanted.section(QLatin1Char('-'), 0, 0).toLower();
        if (language == QLatin1String("c") || language == QLatin1String("posix"))
            return kEnglish;
        for (const QString &code : {whole, language})
            if (available.contains(code))
                return code;
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
