#include "DesktopSession.h"

#include "MainWindow.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace korbo {

namespace {

// The signals that mean "leave now": the session or the system ends (SIGTERM), the
// controlling terminal is gone (SIGHUP).
constexpr int kLeaveSignals[] = {SIGTERM, SIGHUP};

// [0] is read by the event loop, [1] written by the handler. One pair for the whole
// program, as signal handlers are.
int s_wakeUp[2] = {-1, -1};

extern "C" void onLeaveSignal(int)
{
    // The interrupted code may be about to read errno.
    const int savedErrno = errno;
    const char byte = 1;
    // Nothing to do when it fails: a byte already waiting wakes the loop as well.
    [[maybe_unused]] const ssize_t written = ::write(s_wakeUp[1], &byte, 1);
    errno = savedErrno;
}

} // namespace

DesktopSession::DesktopSession(MainWindow &window) : m_window(window)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, s_wakeUp) == 0) {
        m_notifier = new QSocketNotifier(s_wakeUp[0], QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, [this] {
            char bytes[16];
            while (::read(s_wakeUp[0], bytes, sizeof bytes) > 0) {
            }
            m_window.saveAndLeave();
        });
        struct sigaction action = {};
        action.sa_handler = onLeaveSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (const int signal : kLeaveSignals)
            ::sigaction(signal, &action, nullptr);
    }
#ifndef QT_NO_SESSIONMANAGER
    // The session manager may still cancel the logout, so the game goes on after saving.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager &) {
        for (const QString &failure : m_window.StoreSettings())
            qWarning("Korbo could not save %s", qPrintable(failure));
    });
#endif
}

DesktopSession::~DesktopSession()
{
    // Back to the default: a signal after this ends the program at once.
    for (const int signal : kLeaveSignals)
        std::signal(signal, SIG_DFL);
    ::close(s_wakeUp[0]);
    ::close(s_wakeUp[1]);
    s_wakeUp[0] = s_wakeUp[1] = -1;
}

} // namespace korbo
