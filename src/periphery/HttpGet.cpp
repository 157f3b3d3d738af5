#include "periphery/HttpGet.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QTimer>

#include <memory>
#include <utility>

namespace {

// One request on its own manager. done runs once, when the reply finishes,
// is aborted, outgrows the limit or runs out of time; never after the
// object is destroyed (destroying it aborts the request).
class PendingGet final : public QObject {
public:
    PendingGet(const seams::HttpRequest &request, seams::HttpDone done, QObject *parent = nullptr)
        : QObject(parent), done_(std::move(done)), maxBytes_(request.maxBytes)
    {
        QNetworkRequest r(request.url);
        for (const auto &[name, value] : request.headers)
            r.setRawHeader(name, value);
        r.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
        r.setTransferTimeout(request.timeoutMs);
        auto *manager = new QNetworkAccessManager(this);
        reply_ = manager->get(r);
        connect(reply_, &QNetworkReply::metaDataChanged, this, [this] {
            const QVariant length = reply_->header(QNetworkRequest::ContentLengthHeader);
            if (length.isValid() && tooLong(length.toLongLong()))
                reply_->abort();
        });
        connect(reply_, &QNetworkReply::readyRead, this, [this] {
            if (tooLong(reply_->bytesAvailable()))
                reply_->abort();
        });
        connect(reply_, &QNetworkReply::finished, this, &PendingGet::finish);
        // The transfer time-out restarts with every byte; this one does not,
        // so a server that trickles is cut off too.
        auto *deadline = new QTimer(this);
        deadline->setSingleShot(true);
        connect(deadline, &QTimer::timeout, reply_, &QNetworkReply::abort);
        deadline->start(request.timeoutMs);
    }

    ~PendingGet() override
    {
        done_ = nullptr;
        if (reply_) {
            reply_->disconnect(this);
            reply_->abort();
        }
    }

private:
    bool tooLong(qint64 bytes) const { return maxBytes_ >= 0 && bytes > maxBytes_; }

    void finish()
    {
        std::optional<QByteArray> body;
        if (reply_->error() == QNetworkReply::NoError
            && reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() / 100 == 2
            && !tooLong(reply_->bytesAvailable()))
            body = reply_->readAll();
        reply_->disconnect(this);
        reply_ = nullptr;
        if (auto done = std::exchange(done_, nullptr))
            done(std::move(body));
    }

    seams::HttpDone done_;
    qint64 maxBytes_;
    QPointer<QNetworkReply> reply_;
};

} // namespace

std::optional<QByteArray> HttpGet::get(const QUrl &url, int timeoutMs)
{
    seams::HttpRequest request;
    request.url = url;
    request.timeoutMs = timeoutMs;
    return fetch(request);
}

std::optional<QByteArray> HttpGet::fetch(const seams::HttpRequest &request)
{
    QEventLoop loop;
    std::optional<QByteArray> body;
    bool finished = false;
    PendingGet pending(request, [&](std::optional<QByteArray> answer) {
        body = std::move(answer);
        finished = true;
        loop.quit();
    });
    if (!finished)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    return body;
}

void HttpGet::fetchAsync(const seams::HttpRequest &request, QObject *context, seams::HttpDone done)
{
    // A child of context: destroying context destroys the request with it.
    auto self = std::make_shared<QPointer<PendingGet>>();
    *self = new PendingGet(
        request,
        [self, done = std::move(done)](std::optional<QByteArray> body) {
            if (*self)
                (*self)->deleteLater();
            done(std::move(body));
        },
        context);
}
