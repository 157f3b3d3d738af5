#include "game/SessionEnd.h"

#include "game/EndingSignals.h"

#include <QGuiApplication>
#include <QSessionManager>

SessionEnd::SessionEnd(QWidget *window, QObject *parent)
    : QObject(parent), window_(window), signals_(new EndingSignals([this] { end(); }, this))
{
    if (qGuiApp != nullptr)
        connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager &) { end(); });
}

SessionEnd::~SessionEnd() = default;

void SessionEnd::end()
{
    if (window_ != nullptr)
        window_->close();
    // Closing the main window ends the loop by itself unless another window
    // is open. exit, not quit: quit asks every window first, and a modal box
    // may refuse; exit also ends the event loops of open dialogs.
    QCoreApplication::exit(0);
}
