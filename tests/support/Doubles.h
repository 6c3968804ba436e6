#pragma once

#include "Messages.h"

#include <QByteArray>
#include <QFile>
#include <QStringList>

#include <functional>

namespace korbo::test {

// Answers message boxes without showing them, and remembers each as "title|text".
class RecordingMessages : public Messages {
public:
    QStringList shown;
    bool yes = false;                 // the answer to every question
    std::function<void()> whileAsking; // runs while a question is up
    void information(QWidget *, const QString &title, const QString &text, bool) override { note(title, text); }
    void warning(QWidget *, const QString &title, const QString &text) override { note(title, text); }
    void note(const QString &title, const QString &text) { shown << title + QLatin1Char('|') + text; }
    bool askYesNo(QWidget *, const QString &title, const QString &text) override
    {
        note(title, text);
        if (whileAsking)
            whileAsking();
        return yes;
    }
    QCoro::Task<bool> ask(QWidget *w, const QString &title, const QString &text) override { co_return askYesNo(w, title, text); }
    QString savePath; // where every Save dialog saves; empty cancels it
    QString saveFileName(QWidget *, const QString &title, const QString &, const QString &) override
    {
        note(title, savePath);
        return savePath;
    }
};

// A file's bytes, or "(none)" when it cannot be read.
inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

// Writes a whole file; answers its path.
inline QString writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

// A one-colour GIF of the given size: one pixel stretched by its header, so a file can
// claim to be huge while staying a few bytes long.
inline QByteArray gif(int width, int height, const char *rgbHex = "FF0000")
{
    QByteArray bytes("GIF89a");
    auto le16 = [&bytes](int v) { bytes.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF)); };
    le16(width);
    le16(height);
    bytes.append(char(0x80)).append(char(0)).append(char(0)); // two-colour table
    bytes.append(QByteArray::fromHex(rgbHex)).append(QByteArray::fromHex("000000"));
    bytes.append(char(0x2C));
    le16(0); le16(0); le16(width); le16(height);
    bytes.append(char(0));
    bytes.append(QByteArray::fromHex("0202440100"));          // one pixel of colour 0
    bytes.append(char(0x3B));
    return bytes;
}

} // namespace korbo::test
