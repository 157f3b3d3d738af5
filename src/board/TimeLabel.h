#pragma once

#include <QLabel>
#include <QString>

#include <functional>

class QTimer;

// A label that shows an elapsed time as h:m:s and carries its own timer.
// It does not count by itself: the owner's tick handler advances MS.
class TTimeLabel : public QLabel {
    Q_OBJECT
public:
    using NotifyEvent = std::function<void(QObject *sender)>;

    explicit TTimeLabel(QWidget *parent = nullptr);

    bool timerenabled() const { return enabled_; }
    void setTimerenabled(bool on);
    int timeinterval() const { return interval_; }
    void setTimeinterval(int ms);
    // The handler runs with the internal timer as sender.
    const NotifyEvent &OnTimer() const { return onTimer_; }
    void setOnTimer(NotifyEvent handler);
    int MS() const { return ms_; }
    void setMS(int ms);

    // h:m:s without leading zeros; hours are not wrapped.
    static QString FormatSeconds(int s);

    QTimer *timer() const { return timer_; }

private:
    QTimer *timer_;
    bool enabled_ = true;
    int interval_ = 1000;
    int ms_ = 0;
    NotifyEvent onTimer_;
};
