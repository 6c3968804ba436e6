#pragma once

#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

namespace korbo {

// What the game says to a screen reader without taking the focus from where the
// player left it. The reader is told of a notification named by the line, shown
// afresh for each line; a reader speaks such a notification whatever has the focus.
// A standing line counts once it has stood a moment (the status strip's explanations
// under a pointer or focus passing over the board are not all said), a line about
// something that happened always counts, and no line is said twice running. A reader
// cuts a line short when the next begins, so lines wait their turn: each is given
// the time it takes to speak before the next is told. It takes no room and draws
// nothing.
class Speaker : public QWidget {
    Q_OBJECT
public:
    explicit Speaker(QWidget *parent);

    // How long a line must stand before it is said, and the time a reader takes for
    // each character, a usual pace unless told of a faster reader.
    void setPace(int settleMs, int msPerCharacter);

    // A line that stands, like the status strip's: said once it has stood a moment,
    // unless another line takes its place first.
    void say(const QString &line);
    // A line about something that happened: said in its turn, never dropped.
    void tell(const QString &line);
    // Said at once, even when it was the last line said: the player asked for it.
    void sayNow(const QString &line);
    // The last line said, for the key that says it again.
    const QString &lastSaid() const { return m_said; }

private:
    void speak(const QString &line);
    void queue(const QString &line);
    void next();

    QString m_waiting;   // the line standing, not yet settled
    QStringList m_queue; // settled lines waiting for the one being spoken
    QString m_said;
    QTimer m_settle;
    QTimer m_speaking;
    int m_msPerCharacter = 70;
};

} // namespace korbo
