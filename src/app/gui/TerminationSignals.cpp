#include "app/gui/TerminationSignals.h"

#include <QApplication>
#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace velakor {

#ifdef Q_OS_UNIX
namespace {

// A signal handler may do almost nothing; it writes one byte into this pipe, and the event
// loop, watching the other end, does the ending. The pipe is the process's own, like the
// signal dispositions it serves, so it lives as long as the process.
int signalPipe[2] = {-1, -1};

extern "C" void OnTerminationSignal(int) {
    const int savedErrno = errno;
    const char byte = 1;
    // Non-blocking: a full pipe already holds a request to end.
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
    errno = savedErrno;
}

bool SetFlags(int fd) {
    return ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK) == 0 &&
           ::fcntl(fd, F_SETFD, FD_CLOEXEC) == 0;
}

}  // namespace
#endif

void EndOnTerminationSignals() {
#ifdef Q_OS_UNIX
    if (signalPipe[0] != -1 || QCoreApplication::instance() == nullptr) return;
    if (::pipe(signalPipe) != 0) return;
    if (!SetFlags(signalPipe[0]) || !SetFlags(signalPipe[1])) {
        ::close(signalPipe[0]);
        ::close(signalPipe[1]);
        signalPipe[0] = signalPipe[1] = -1;
        return;
    }
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, QCoreApplication::instance(), [] {
        char bytes[64];
        while (::read(signalPipe[0], bytes, sizeof bytes) > 0) {
        }
        // The main form's close ends the program; a second copy's message box, closed,
        // lets that copy end. Then leave the loop, should a window have stayed.
        QApplication::closeAllWindows();
        QCoreApplication::quit();
    });

    struct sigaction action {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(signal, &action, nullptr);
#endif
}

}  // namespace velakor
