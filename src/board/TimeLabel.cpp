#include "board/TimeLabel.h"

#include "base/ClockText.h"
#include "board/Colors.h"

#include <QTimer>

TTimeLabel::TTimeLabel(QWidget *parent) : QLabel(parent), timer_(new QTimer(this))
{
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    pal.setColor(QPalette::WindowText, toQColor(clr::Lime));
    setPalette(pal);
    QFont f;
    f.setPointSize(11);
    f.setBold(true);
    setFont(f);
    setText(QStringLiteral("0:00:00"));
    resize(80, height());
    // The timer's own defaults: enabled, 1000 ms; without a handler its
    // ticks do nothing.
    timer_->setInterval(interval_);
    connect(timer_, &QTimer::timeout, this, [this] {
        if (onTimer_)
            onTimer_(timer_);
    });
    timer_->start();
}

void TTimeLabel::setTimerenabled(bool on)
{
    enabled_ = on;
    if (on)
        timer_->start(interval_);
    else
        timer_->stop();
}

void TTimeLabel::setTimeinterval(int ms)
{
    interval_ = ms;
    timer_->setInterval(ms);
}

void TTimeLabel::setOnTimer(NotifyEvent handler) { onTimer_ = std::move(handler); }

void TTimeLabel::setMS(int ms)
{
    ms_ = ms;
    setText(FormatSeconds(ms / 1000));
}

QString TTimeLabel::FormatSeconds(int s) { return clockText(s); }
