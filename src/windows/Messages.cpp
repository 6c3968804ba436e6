#include "Messages.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>

#include <QCoro/QCoroSignal>

#include <memory>

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

namespace {
QMessageBox *yesNoBox(QWidget *parent, const QString &title, const QString &text)
{
    auto *box = new QMessageBox(QMessageBox::NoIcon, titleOrProgram(title), text,
                                QMessageBox::Yes | QMessageBox::No, parent);
    box->setDefaultButton(QMessageBox::No);
    return box;
}

// Shows a dialog, modal to its window, and waits for its answer; the dialog goes
// afterwards. Nothing when the dialog went first (its window closed).
QCoro::Task<std::optional<int>> answerOf(QDialog *dialog)
{
    QPointer<QDialog> guard(dialog);
    dialog->open();
    const int answer = co_await qCoro(dialog, &QDialog::finished);
    if (!guard)
        co_return std::nullopt;
    dialog->deleteLater();
    co_return answer;
}
} // namespace

bool Messages::askYesNo(QWidget *parent, const QString &title, const QString &text)
{
    std::unique_ptr<QMessageBox> box(yesNoBox(parent, title, text));
    return box->exec() == QMessageBox::Yes;
}

QCoro::Task<bool> Messages::ask(QWidget *parent, const QString &title, const QString &text)
{
    const std::optional<int> answer = co_await answerOf(yesNoBox(parent, title, text));
    co_return answer == QMessageBox::Yes;
}

QString Messages::saveFileName(QWidget *parent, const QString &title, const QString &suggested, const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, titleOrProgram(title), suggested, filter);
}

QCoro::Task<std::optional<QString>> Messages::input(QWidget *parent, const QString &title, const QString &prompt)
{
    auto *dialog = new QInputDialog(parent);
    dialog->setWindowTitle(titleOrProgram(title));
    dialog->setLabelText(prompt);
    dialog->setTextEchoMode(QLineEdit::Normal);
    QPointer<QInputDialog> guard(dialog);
    const std::optional<int> answer = co_await answerOf(dialog);
    if (!guard || answer != QDialog::Accepted)
        co_return std::nullopt;
    co_return dialog->textValue();
}

} // namespace korbo
