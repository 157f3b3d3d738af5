#pragma once

#include "periphery/Seams.h"

#include <QByteArray>
#include <QObject>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>

// The version status in a server's answer: the number when the whole body
// is decimal digits that fit an int; 0 for no answer or anything else.
int versionStatusOf(const std::optional<QByteArray> &body);

// Asks the maker's web site whether a newer version exists, through the
// HTTP seam. Created once at start and never shown, so it needs no window.
class Tfrmcheck final : public QObject {
public:
    static constexpr int kLatest = 400;
    static constexpr qint64 kMaxBody = 64 * 1024;

    explicit Tfrmcheck(QObject *parent = nullptr);
    // A check still waiting is cancelled: its answer is never shown.
    ~Tfrmcheck() override;

    // GETs the version page and waits for it (the windows keep painting);
    // 0 on any failure, 400 when this version is the latest, else a newer
    // version exists. Never throws.
    int QueryVersionStatus();

    // The check at start: returns at once; when the answer tells of a newer
    // version, asks whether to download it and on Yes opens the home page.
    // Failures and "latest" show nothing. Does nothing while a check waits.
    void AutoCheckVersion();

    // The check from the Help menu: returns at once; when the answer comes,
    // reports failure or "latest", or asks whether to download the newer
    // version. ended runs once the wait is over, before any box, or when
    // the check is dropped unanswered (this object destroyed). While a
    // check from the menu waits, starts none and runs ended at once; a
    // check at start that waits is replaced.
    void CheckNewVersion(std::function<void()> ended = {});

    // True while a check waits for its answer.
    bool checking() const { return pending_ != nullptr; }

    // The web site asked (the maker's by default) and how long one request
    // may take in all (10 s by default).
    void setSite(const QUrl &site) { site_ = site; }
    void setTimeoutMs(int ms) { timeoutMs_ = ms; }
    // The GET every check sends: the version page, its headers and limits.
    seams::HttpRequest request() const;

private:
    class Pending;
    // Starts the GET; answer runs with the status unless the check is
    // dropped first.
    void start(std::unique_ptr<Pending> pending, std::function<void(int)> answer);
    void offerDownload();

    QUrl site_;
    int timeoutMs_ = 10000;
    // The context of the check that waits; deleting it drops the answer.
    std::unique_ptr<Pending> pending_;
    bool manual_ = false;
    bool querying_ = false;
};
