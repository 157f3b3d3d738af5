#pragma once

#include "periphery/Seams.h"

#include <QList>
#include <QStringList>

// Seams that answer as a test scripts them and record what was asked.
// Construction installs them; destruction restores the inert seams.
class FakeMessages final : public seams::Messages {
public:
    FakeMessages() { seams::setMessages(this); }
    ~FakeMessages() override { seams::setMessages(nullptr); }

    // Answers for the next questions, in order; No once they run out.
    QList<bool> answers;
    QStringList asked, reports, errors;

    bool ask(const QString &text) override;
    void report(const QString &text) override { reports << text; }
    void error(const QString &text) override { errors << text; }
};

class FakeClipboard final : public seams::Clipboard {
public:
    FakeClipboard() { seams::setClipboard(this); }
    ~FakeClipboard() override { seams::setClipboard(nullptr); }
    QString content;
    void setText(const QString &text) override { content = text; }
    QString text() const override { return content; }
};

class FakeShell final : public seams::Shell {
public:
    FakeShell() { seams::setShell(this); }
    ~FakeShell() override { seams::setShell(nullptr); }
    QStringList opened;
    bool succeed = true;
    bool open(const QString &target) override
    {
        opened << target;
        return succeed;
    }
};

class FakeHttp final : public seams::Http {
public:
    FakeHttp() { seams::setHttp(this); }
    ~FakeHttp() override { seams::setHttp(nullptr); }
    QList<QUrl> requested;
    std::optional<QByteArray> body; // the answer to every request
    std::optional<QByteArray> get(const QUrl &url, int) override
    {
        requested << url;
        return body;
    }
};

class FakeColorChooser final : public seams::ColorChooser {
public:
    FakeColorChooser() { seams::setColorChooser(this); }
    ~FakeColorChooser() override { seams::setColorChooser(nullptr); }
    // Answers for the next choices, in order (nothing: cancelled);
    // cancelled once they run out.
    QList<std::optional<std::int32_t>> answers;
    QList<std::int32_t> initials;
    std::optional<std::int32_t> choose(std::int32_t initial) override
    {
        initials << initial;
        return answers.isEmpty() ? std::nullopt : answers.takeFirst();
    }
};

// Answers the file questions from a list, and remembers each title.
class FakeFileChooser final : public seams::FileChooser {
public:
    FakeFileChooser() { seams::setFileChooser(this); }
    ~FakeFileChooser() override { seams::setFileChooser(nullptr); }
    QList<std::optional<QString>> answers; // cancelled once they run out
    QStringList titles;
    std::optional<QString> openFile(const QString &title, const QString &) override
    {
        titles << title;
        return answers.isEmpty() ? std::nullopt : answers.takeFirst();
    }
};

#include "periphery/PrintSeam.h"

// Prints by drawing on device, when set (a PDF writer in tests), and
// answers every file question with fileName.
class FakePrinter final : public seams::Printer {
public:
    FakePrinter() { seams::setPrinter(this); }
    ~FakePrinter() override { seams::setPrinter(nullptr); }
    QPagedPaintDevice *device = nullptr;
    QString fileName;
    int prints = 0;
    bool print(const std::function<void(QPagedPaintDevice &)> &draw) override
    {
        ++prints;
        if (device)
            draw(*device);
        return device != nullptr;
    }
    QString saveFileName(const QString &, const QString &, const QString &) override { return fileName; }
};
