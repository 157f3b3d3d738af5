#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

#include <cstdint>
#include <functional>
#include <optional>
#include <type_traits>
#include <utility>

// The program's contacts with the outside world, each behind a small
// interface so that tests can script the answers and read back what was
// asked. The program installs Qt's implementations at start.
namespace seams {

class Messages {
public:
    virtual ~Messages() = default;
    // A confirmation box with Yes and No; true for Yes.
    virtual bool ask(const QString &text) = 0;
    // A message box with one OK button.
    virtual void report(const QString &text) = 0;
    // The standard error box.
    virtual void error(const QString &text) = 0;
};

// Reports and errors written to standard error, every question answered
// No: what the program says while nobody can answer a box, as when the
// session ends and the program must end with it.
class StandardErrorMessages final : public Messages {
public:
    bool ask(const QString &text) override;
    void report(const QString &text) override;
    void error(const QString &text) override;
};

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void setText(const QString &text) = 0;
    virtual QString text() const = 0;
};

class Shell {
public:
    virtual ~Shell() = default;
    // Opens a local file or a web address with the system's default
    // program; false when nothing could be started.
    virtual bool open(const QString &target) = 0;
};

// One GET as the program asks it.
struct HttpRequest {
    QUrl url;
    QList<std::pair<QByteArray, QByteArray>> headers;
    // The whole request, connecting included, ends within this time.
    int timeoutMs = 10000;
    // A longer body is a failure; negative for no limit.
    qint64 maxBytes = -1;
};

using HttpDone = std::function<void(std::optional<QByteArray>)>;

class Http {
public:
    virtual ~Http() = default;
    // One GET; the body, or nothing on any failure or after timeoutMs.
    virtual std::optional<QByteArray> get(const QUrl &url, int timeoutMs) = 0;
    // One GET with headers and a size limit, waiting for the answer. The
    // body of a 2xx answer, or nothing on any failure. By default the plain
    // get, without the headers.
    virtual std::optional<QByteArray> fetch(const HttpRequest &request);
    // Starts one GET and returns at once; done runs later, on context's
    // thread, with what fetch would give. Destroying context cancels the
    // request: done never runs after that. By default fetch, then done
    // queued to context.
    virtual void fetchAsync(const HttpRequest &request, QObject *context, HttpDone done);
};

// The installed seams. Until something is installed they are inert:
// questions are answered No, reports and errors go nowhere, the clipboard
// holds nothing, nothing opens and every request fails.
Messages &messages();
Clipboard &clipboard();
Shell &shell();
Http &http();

// Install a seam (not owned); null restores the inert one.
void setMessages(Messages *m);
void setClipboard(Clipboard *c);
void setShell(Shell *s);
void setHttp(Http *h);

// The directory of the game's files, with a trailing separator.
QString programDirectory();
void setProgramDirectory(const QString &dir);

} // namespace seams

namespace seams {
// Runs one event handler. An exception that escapes it runs onFailure, if
// given, then shows the standard error box with its text; the handler stops
// there and the program goes on. While one error box is open no other
// opens: a failure meanwhile is dropped.
void guard(const std::function<void()> &handler, const std::function<void()> &onFailure = {});
// True while guard's error box is open.
bool errorShowing();
} // namespace seams

namespace seams {
// Connects a signal to a handler that runs guarded (see guard). The
// handler takes the signal's arguments, or none.
template <typename Sender, typename Signal, typename F>
QMetaObject::Connection connectGuarded(const Sender *sender, Signal signal, const QObject *context, F handler)
{
    return QObject::connect(sender, signal, context, [handler](auto &&...args) {
        guard([&] {
            if constexpr (std::is_invocable_v<F, decltype(args)...>)
                handler(args...);
            else
                handler();
        });
    });
}
} // namespace seams

namespace seams {
// The colour chooser dialog. Colours are 0x00BBGGRR values.
class ColorChooser {
public:
    virtual ~ColorChooser() = default;
    // Opens on initial; the chosen colour, or nothing when cancelled.
    virtual std::optional<std::int32_t> choose(std::int32_t initial) = 0;
};

// Until one is installed every choice is cancelled.
ColorChooser &colorChooser();
void setColorChooser(ColorChooser *c);

// The question for a file to open.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    // filters as a file dialog takes them ("Name (*.a *.b);;All files (*)");
    // the chosen file's path, or nothing when cancelled.
    virtual std::optional<QString> openFile(const QString &title, const QString &filters) = 0;
};

// Until one is installed every choice is cancelled.
FileChooser &fileChooser();
void setFileChooser(FileChooser *c);
} // namespace seams
