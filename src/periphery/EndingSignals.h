#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

// Hands the process's ending signals (SIGTERM, SIGHUP, SIGINT) to the event
// loop: the handler only writes the signal number into a socket pair, and a
// socket notifier reads it back and calls onEnd on the user-interface
// thread. Windows has no such signals (the end of a session reaches the
// program as Qt's commit-data request), so there it does nothing. One
// instance at a time; its destructor gives the signals back their default
// handling.
class EndingSignals final : public QObject {
public:
    explicit EndingSignals(std::function<void()> onEnd, QObject *parent = nullptr);
    ~EndingSignals() override;
    EndingSignals(const EndingSignals &) = delete;
    EndingSignals &operator=(const EndingSignals &) = delete;

private:
    void readSignal();

    std::function<void()> onEnd_;
    QSocketNotifier *notifier_ = nullptr;
};
