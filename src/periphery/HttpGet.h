#pragma once

#include "periphery/Seams.h"

// HTTP GET with QNetworkAccessManager. Redirects are not followed, every
// request ends within its time-out however slowly the server answers, and a
// body over the size limit is dropped as soon as it grows past it. The
// waiting forms keep the event loop running (without user input), so the
// windows still repaint.
class HttpGet final : public seams::Http {
public:
    std::optional<QByteArray> get(const QUrl &url, int timeoutMs) override;
    std::optional<QByteArray> fetch(const seams::HttpRequest &request) override;
    void fetchAsync(const seams::HttpRequest &request, QObject *context, seams::HttpDone done) override;
};
