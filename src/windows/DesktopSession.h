#pragma once

#include <QObject>

class QSocketNotifier;

namespace korbo {

class MainWindow;

// Leaving with the desktop. A SIGTERM (a desktop ending its session, a system
// shutting down, `kill`) or a SIGHUP (the terminal that started the game going
// away) makes the board leave as Game / Exit does, without asking even during a
// game, so the settings and records are written. When the session manager asks
// running programs to save before the session ends, the two files are written at
// once, and again at the exit that follows.
//
// A signal may arrive at any instruction of any thread, where almost nothing is
// safe to call; its handler only writes a byte to a socket, and the board leaves
// from the event loop, which reads that socket.
class DesktopSession : public QObject {
    Q_OBJECT
public:
    explicit DesktopSession(MainWindow &window);
    ~DesktopSession() override;

private:
    MainWindow &m_window;
    QSocketNotifier *m_notifier = nullptr;
};

} // namespace korbo
