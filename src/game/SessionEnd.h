#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

class QSocketNotifier;

// Ends the program the way File > Exit does when the session ends: the
// session manager's request to save (commitDataRequest) and the signals
// SIGTERM, SIGHUP and SIGINT close the given window on the user-interface
// thread, so its close handler saves the game, and then leave the event loop.
// While it closes, messages go to standard error instead of boxes: a
// failed save must not hold the end of the session on a box.
// The signal handler only writes the signal number into a socket pair; a
// socket notifier reads it back in the event loop. One instance at a time;
// its destructor gives the signals back their default handling.
class SessionEnd : public QObject {
    Q_OBJECT
public:
    explicit SessionEnd(QWidget *window, QObject *parent = nullptr);
    ~SessionEnd() override;
    SessionEnd(const SessionEnd &) = delete;
    SessionEnd &operator=(const SessionEnd &) = delete;

    // Closes the window, its messages on standard error, and ends the
    // event loop.
    void end();

private:
    void readSignal();

    QPointer<QWidget> window_;
    QSocketNotifier *notifier_ = nullptr;
};
