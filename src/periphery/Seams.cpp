#include "periphery/Seams.h"

#include "periphery/ProgramDirectory.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

namespace seams {

namespace {

class InertMessages final : public Messages {
public:
    bool ask(const QString &) override { return false; }
    void report(const QString &) override {}
    void error(const QString &) override {}
};

class InertClipboard final : public Clipboard {
public:
    void setText(const QString &) override {}
    QString text() const override { return {}; }
};

class InertShell final : public Shell {
public:
    bool open(const QString &) override { return false; }
};

class InertHttp final : public Http {
public:
    std::optional<QByteArray> get(const QUrl &, int) override { return std::nullopt; }
};

InertMessages inertMessages;
InertClipboard inertClipboard;
InertShell inertShell;
InertHttp inertHttp;

Messages *currentMessages = &inertMessages;
Clipboard *currentClipboard = &inertClipboard;
Shell *currentShell = &inertShell;
Http *currentHttp = &inertHttp;
QString currentDirectory;

} // namespace

namespace {
void writeLine(const QString &text)
{
    const QByteArray line = QStringLiteral("%1: %2\n").arg(QCoreApplication::applicationName(), text).toLocal8Bit();
    std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), stderr);
    std::fflush(stderr);
}
} // namespace

bool StandardErrorMessages::ask(const QString &text)
{
    writeLine(text + QStringLiteral(" (No)"));
    return false;
}
void StandardErrorMessages::report(const QString &text) { writeLine(text); }
void StandardErrorMessages::error(const QString &text) { writeLine(text); }

std::optional<QByteArray> Http::fetch(const HttpRequest &request)
{
    std::optional<QByteArray> body = get(request.url, request.timeoutMs);
    if (body && request.maxBytes >= 0 && body->size() > request.maxBytes)
        body.reset();
    return body;
}

void Http::fetchAsync(const HttpRequest &request, QObject *context, HttpDone done)
{
    QMetaObject::invokeMethod(
        context, [done = std::move(done), body = fetch(request)] { done(body); }, Qt::QueuedConnection);
}

Messages &messages() { return *currentMessages; }
Clipboard &clipboard() { return *currentClipboard; }
Shell &shell() { return *currentShell; }
Http &http() { return *currentHttp; }

void setMessages(Messages *m) { currentMessages = m ? m : &inertMessages; }
void setClipboard(Clipboard *c) { currentClipboard = c ? c : &inertClipboard; }
void setShell(Shell *s) { currentShell = s ? s : &inertShell; }
void setHttp(Http *h) { currentHttp = h ? h : &inertHttp; }

QString programDirectory()
{
    if (currentDirectory.isEmpty() && QCoreApplication::instance())
        return QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    return currentDirectory;
}

void setProgramDirectory(const QString &dir)
{
    currentDirectory = dir.isEmpty() ? dir : withSlash(dir);
}

} // namespace seams

namespace seams {

namespace {
bool errorBoxOpen = false;

void showError(const QString &text)
{
    // A fault that repeats while its box is open (a timer, a repaint) must
    // not stack boxes until the program is unusable.
    if (errorBoxOpen)
        return;
    errorBoxOpen = true;
    try {
        messages().error(text);
    } catch (...) {
    }
    errorBoxOpen = false;
}
} // namespace

void guard(const std::function<void()> &handler, const std::function<void()> &onFailure)
{
    QString text;
    try {
        handler();
        return;
    } catch (const std::exception &e) {
        text = QString::fromUtf8(e.what());
    } catch (...) {
        text = QStringLiteral("An unexpected error occurred.");
    }
    if (onFailure) {
        try {
            onFailure();
        } catch (...) {
        }
    }
    showError(text);
}

bool errorShowing() { return errorBoxOpen; }

} // namespace seams

namespace seams {

namespace {
class InertColorChooser final : public ColorChooser {
public:
    std::optional<std::int32_t> choose(std::int32_t) override { return std::nullopt; }
};
InertColorChooser inertColorChooser;
ColorChooser *currentColorChooser = &inertColorChooser;
} // namespace

ColorChooser &colorChooser() { return *currentColorChooser; }
void setColorChooser(ColorChooser *c) { currentColorChooser = c ? c : &inertColorChooser; }

namespace {
class InertFileChooser final : public FileChooser {
public:
    std::optional<QString> openFile(const QString &, const QString &) override { return std::nullopt; }
};
InertFileChooser inertFileChooser;
FileChooser *currentFileChooser = &inertFileChooser;
} // namespace

FileChooser &fileChooser() { return *currentFileChooser; }
void setFileChooser(FileChooser *c) { currentFileChooser = c ? c : &inertFileChooser; }

} // namespace seams
