#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

class EndingSignals;

// Ends the program the way File > Exit does when the session ends: the
// session manager's request to save (commitDataRequest) and the signals
// SIGTERM, SIGHUP and SIGINT (EndingSignals) close the given window on the
// user-interface thread, so its close handler saves the game, and then leave
// the event loop. While it closes, messages go to standard error instead of
// boxes: a failed save must not hold the end of the session on a box. One
// instance at a time.
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
    QPointer<QWidget> window_;
    EndingSignals *signals_;
};
