#include "periphery/EndingSignals.h"

// A window program on Windows is told of the end of the session through
// WM_QUERYENDSESSION, which Qt turns into the commit-data request.
EndingSignals::EndingSignals(std::function<void()> onEnd, QObject *parent) : QObject(parent), onEnd_(std::move(onEnd)) {}

EndingSignals::~EndingSignals() = default;

void EndingSignals::readSignal() {}
