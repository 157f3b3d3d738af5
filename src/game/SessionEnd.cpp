#include "game/SessionEnd.h"

#include "periphery/Seams.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr std::array<int, 3> endingSignals{SIGTERM, SIGHUP, SIGINT};

// [0] written by the signal handler, [1] read in the event loop.
int signalPipe[2] = {-1, -1};

void onSignal(int signal)
{
    const int saved = errno;
    const char byte = static_cast<char>(signal);
    // Non-blocking: when the pipe is full a close is already on its way.
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[0], &byte, 1);
    errno = saved;
}

} // namespace

SessionEnd::SessionEnd(QWidget *window, QObject *parent) : QObject(parent), window_(window)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return; // No signal handling; the program still runs.
    ::fcntl(signalPipe[0], F_SETFL, ::fcntl(signalPipe[0], F_GETFL) | O_NONBLOCK);
    ::fcntl(signalPipe[1], F_SETFL, ::fcntl(signalPipe[1], F_GETFL) | O_NONBLOCK);
    notifier_ = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SessionEnd::readSignal);

    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : endingSignals)
        ::sigaction(signal, &action, nullptr);

    if (qGuiApp != nullptr)
        connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager &) { end(); });
}

SessionEnd::~SessionEnd()
{
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (const int signal : endingSignals)
        ::sigaction(signal, &action, nullptr);
    delete notifier_;
    for (int &fd : signalPipe) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

void SessionEnd::readSignal()
{
    char bytes[16];
    bool any = false;
    while (::read(signalPipe[1], bytes, sizeof bytes) > 0)
        any = true;
    if (any)
        end();
}

void SessionEnd::end()
{
    // Nobody is there to answer a box now: a failed save is said on
    // standard error, so the program still ends.
    seams::StandardErrorMessages console;
    seams::Messages &before = seams::messages();
    seams::setMessages(&console);
    if (window_ != nullptr)
        window_->close();
    seams::setMessages(&before);
    // Closing the main window ends the loop by itself unless another window
    // is open. exit, not quit: quit asks every window first, and a modal box
    // may refuse; exit also ends the event loops of open dialogs.
    QCoreApplication::exit(0);
}
