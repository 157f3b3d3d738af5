#pragma once

#include <QWidget>

// Suspends the redrawing of one window for the life of the lock, so a
// change of many cells appears at once.
class UpdateLock {
public:
    explicit UpdateLock(QWidget *w) : w_(w), was_(w->updatesEnabled()) { w_->setUpdatesEnabled(false); }
    ~UpdateLock() { w_->setUpdatesEnabled(was_); }
    UpdateLock(const UpdateLock &) = delete;
    UpdateLock &operator=(const UpdateLock &) = delete;

private:
    QWidget *w_;
    bool was_;
};
