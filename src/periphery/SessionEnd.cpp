#include "periphery/SessionEnd.h"

#include "periphery/EndingSignals.h"
#include "periphery/Seams.h"

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
