#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace korbo {

// The languages Korbo speaks, by code ("en", "de"): English, the sources' own, every
// translation built into the game, and any catalogue korbo_<code>.qm in the folder
// named by KORBO_TRANSLATIONS (for a translator trying a catalogue out).
QStringList AvailableLanguages();

// The first of the desktop's languages (LANGUAGE, then LC_ALL, LC_MESSAGES, LANG)
// that Korbo speaks; English where none is.
QString DesktopLanguage();

// Speaks `code` from now on: the game's texts, Qt's own (standard buttons, the file
// dialog) where the system has them, and numbers written the language's way. Every
// window is told (LanguageChange) and shows its texts anew. An unknown code is
// English. Files never change with the language: they are written without it.
void UseLanguage(const QString &code);

// The language in use.
QString CurrentLanguage();

// Sets a property of a widget ("text", "title", "toolTip", "windowTitle") to the
// translation of `source`, an English text marked for lupdate in `context`, now and
// again whenever the language changes, so a window need not set its texts anew.
void ShowTranslated(QWidget *widget, const char *property, const char *context, const char *source);

} // namespace korbo
