#pragma once

#include <QCoro/QCoroTask>
#include <QString>

#include <optional>

class QWidget;

namespace korbo {

// The name a box without a title of its own shows.
inline const QString ProgramName = QStringLiteral("Korbo");

// Names the program for the desktop: "korbo" for its folders, and the name of its
// menu entry. It sets no display name, since the desktop would append one to every
// window title.
void NameApplication();

// The game's message boxes and its one-line input prompt, behind a small interface so
// tests can answer them. The texts and titles are always the game's own.
class Messages {
public:
    virtual ~Messages() = default;
    // An OK box; `icon` false shows no icon.
    virtual void information(QWidget *parent, const QString &title, const QString &text, bool icon);
    virtual void warning(QWidget *parent, const QString &title, const QString &text);
    // A Yes/No question without an icon, No the default. True for Yes.
    virtual bool askYesNo(QWidget *parent, const QString &title, const QString &text);
    // The same question, awaited by the procedure that asks it.
    virtual QCoro::Task<bool> ask(QWidget *parent, const QString &title, const QString &text);
    // A one-line input prompt, awaited; nothing when cancelled.
    virtual QCoro::Task<std::optional<QString>> input(QWidget *parent, const QString &title, const QString &prompt);
    // The desktop's Save dialog, starting at `suggested`; the path chosen, empty when
    // cancelled.
    virtual QString saveFileName(QWidget *parent, const QString &title, const QString &suggested, const QString &filter);
};

} // namespace korbo
