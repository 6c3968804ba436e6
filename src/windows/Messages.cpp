#include "Messages.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace korbo {

namespace {
QString titleOrProgram(const QString &title)
{
    return title.isEmpty() ? ProgramName : title;
}
} // namespace

void NameApplication()
{
    QApplication::setApplicationName(QStringLiteral("korbo"));
    // Lets the desktop match the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(KORBO_APP_ID));
}

void Messages::information(QWidget *parent, const QString &title, const QString &text, bool icon)
{
    QMessageBox box(icon ? QMessageBox::Information : QMessageBox::NoIcon, titleOrProgram(title),
                    text, QMessageBox::Ok, parent);
    box.exec();
}

void Messages::warning(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, titleOrProgram(title), text, QMessageBox::Ok, parent);
    box.exec();
}

bool Messages::askYesNo(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, titleOrProgram(title), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> Messages::input(QWidget *parent, const QString &title, const QString &prompt)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent, titleOrProgram(title), prompt,
                                               QLineEdit::Normal, QString(), &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

} // namespace korbo
