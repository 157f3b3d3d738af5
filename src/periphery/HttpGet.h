#pragma once

#include "periphery/Seams.h"

// HTTP GET with QNetworkAccessManager. It blocks the caller but keeps the
// event loop running, so the windows still repaint while it waits.
class HttpGet final : public seams::Http {
public:
    std::optional<QByteArray> get(const QUrl &url, int timeoutMs) override;
};
