#include "periphery/Ufrmcheck.h"

#include "periphery/MakerSite.h"

#include <QString>

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

void Tfrmcheck::AutoCheckVersion()
{
    if (pending_ || querying_)
        return;
    pending_ = std::make_unique<QObject>();
    try {
        seams::http().fetchAsync(request(), pending_.get(), [this](std::optional<QByteArray> body) {
            // Free the context after this call, not inside it.
            pending_.release()->deleteLater();
            const int status = versionStatusOf(body);
            if (status != 0 && status != kLatest)
                seams::guard([this] { offerDownload(); });
        });
    } catch (...) {
        pending_.reset();
    }
}

void Tfrmcheck::CheckNewVersion()
{
    if (querying_)
        return;
    // The player's own question answers the one at start too.
    pending_.reset();
    const int status = QueryVersionStatus();
    if (status == 0)
        seams::messages().report(QStringLiteral("Check new version status:Connect server failed."));
    else if (status == kLatest)
        seams::messages().report(QStringLiteral("This is the lastest version."));
    else
        offerDownload();
}

void Tfrmcheck::offerDownload()
{
    if (seams::messages().ask(QStringLiteral("Have a new version,Do you want to download it?")))
        seams::shell().open(QString::fromLatin1(kMakerSite));
}
