#pragma once

#include <QString>
#include <QStringList>

namespace korbo {

// The languages Korbo speaks, by code ("en", "de"): English, the sources' own, and
// every translation built into the game.
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

} // namespace korbo
