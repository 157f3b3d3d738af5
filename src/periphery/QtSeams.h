#pragma once

#include "periphery/Seams.h"

// The seams as the program uses them: Qt's message boxes, clipboard and
// desktop services.
class QtMessages final : public seams::Messages {
public:
    bool ask(const QString &text) override;
    void report(const QString &text) override;
    void error(const QString &text) override;
};

class QtClipboard final : public seams::Clipboard {
public:
    void setText(const QString &text) override;
    QString text() const override;
};

class QtShell final : public seams::Shell {
public:
    bool open(const QString &target) override;
};

class QtColorChooser final : public seams::ColorChooser {
public:
    std::optional<std::int32_t> choose(std::int32_t initial) override;
};

class QtFileChooser final : public seams::FileChooser {
public:
    std::optional<QString> openFile(const QString &title, const QString &filters) override;
};

// Installs the Qt seams for the life of the program.
void installQtSeams();
