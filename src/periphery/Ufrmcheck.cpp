#include "periphery/Ufrmcheck.h"

#include "periphery/MakerSite.h"

#include <QString>

#include <utility>

int versionStatusOf(const std::optional<QByteArray> &body)
{
    // Digits and nothing else: a sign, a blank or a line end is not the
    // page's answer.
    if (!body || body->isEmpty())
        return 0;
    for (const char c : *body)
        if (c < '0' || c > '9')
            return 0;
    bool ok = false;
    const int status = body->toInt(&ok, 10);
    return ok ? status : 0;
}

// The context of a waiting check: the request lives as its child, and its
// end runs exactly once, when the answer comes or the check is dropped.
class Tfrmcheck::Pending final : public QObject {
public:
    explicit Pending(std::function<void()> ended) : ended_(std::move(ended)) {}
    ~Pending() override { end(); }
    void end()
    {
        if (auto ended = std::exchange(ended_, nullptr))
            ended();
    }

private:
    std::function<void()> ended_;
};

Tfrmcheck::Tfrmcheck(QObject *parent) : QObject(parent), site_(QString::fromLatin1(kMakerSite)) {}

Tfrmcheck::~Tfrmcheck() = default;

seams::HttpRequest Tfrmcheck::request() const
{
    seams::HttpRequest r;
    r.url = site_.resolved(QUrl(QStringLiteral("/myasp/newversion.asp")));
    r.headers = {{"Accept", "text/html, */*"},
                 {"User-Agent", "Mozilla/3.0 (compatible; Indy Library)"},
                 {"Content-Type", "text/html"}};
    r.timeoutMs = timeoutMs_;
    r.maxBytes = kMaxBody;
    return r;
}

int Tfrmcheck::QueryVersionStatus()
{
    // The wait runs the event loop; a check that arrives meanwhile (from a
    // timer, say) starts no second request.
    if (querying_)
        return 0;
    querying_ = true;
    int status = 0;
    try {
        status = versionStatusOf(seams::http().fetch(request()));
    } catch (...) {
    }
    querying_ = false;
    return status;
}

void Tfrmcheck::start(std::unique_ptr<Pending> pending, std::function<void(int)> answer)
{
    pending_ = std::move(pending);
    try {
        seams::http().fetchAsync(request(), pending_.get(), [this, answer](std::optional<QByteArray> body) {
            // Free the context after this call, not inside it.
            Pending *done = pending_.release();
            done->end();
            done->deleteLater();
            manual_ = false;
            const int status = versionStatusOf(body);
            seams::guard([&] { answer(status); });
        });
    } catch (...) {
        // No request: the check ends as one without an answer.
        pending_.reset();
        manual_ = false;
        seams::guard([&] { answer(0); });
    }
}

void Tfrmcheck::AutoCheckVersion()
{
    if (pending_ || querying_)
        return;
    start(std::make_unique<Pending>(nullptr), [this](int status) {
        if (status != 0 && status != kLatest)
            offerDownload();
    });
}

void Tfrmcheck::CheckNewVersion(std::function<void()> ended)
{
    if (manual_ || querying_) {
        if (ended)
            ended();
        return;
    }
    // The player's own question answers the one at start too.
    pending_.reset();
    manual_ = true;
    start(std::make_unique<Pending>(std::move(ended)), [this](int status) {
        if (status == 0)
            seams::messages().report(QStringLiteral("Check new version status:Connect server failed."));
        else if (status == kLatest)
            seams::messages().report(QStringLiteral("This is the lastest version."));
        else
            offerDownload();
    });
}

void Tfrmcheck::offerDownload()
{
    if (seams::messages().ask(QStringLiteral("Have a new version,Do you want to download it?")))
        seams::shell().open(QString::fromLatin1(kMakerSite));
}
