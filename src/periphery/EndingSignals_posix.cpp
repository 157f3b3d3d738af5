#include "periphery/EndingSignals.h"

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

EndingSignals::EndingSignals(std::function<void()> onEnd, QObject *parent) : QObject(parent), onEnd_(std::move(onEnd))
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return; // No signal handling; the program still runs.
    ::fcntl(signalPipe[0], F_SETFL, ::fcntl(signalPipe[0], F_GETFL) | O_NONBLOCK);
    ::fcntl(signalPipe[1], F_SETFL, ::fcntl(signalPipe[1], F_GETFL) | O_NONBLOCK);
    notifier_ = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &EndingSignals::readSignal);

    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : endingSignals)
        ::sigaction(signal, &action, nullptr);
}

EndingSignals::~EndingSignals()
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

void EndingSignals::readSignal()
{
    char bytes[16];
    bool any = false;
    while (::read(signalPipe[1], bytes, sizeof bytes) > 0)
        any = true;
    if (any)
        onEnd_();
}
