#pragma once

#include <QString>

#include <functional>

class QPagedPaintDevice;

// Printing and choosing where to save a file, behind a seam so that tests
// never show the system's dialogs.
namespace seams {

class Printer {
public:
    virtual ~Printer() = default;
    // Shows the system's print dialog; when the player prints, draw runs
    // on the chosen printer. False when cancelled.
    virtual bool print(const std::function<void(QPagedPaintDevice &)> &draw) = 0;
    // Asks where to save a file; empty when cancelled.
    virtual QString saveFileName(const QString &caption, const QString &suggested, const QString &filter) = 0;
};

// Until one is installed every print and every choice is cancelled.
Printer &printer();
void setPrinter(Printer *p);

} // namespace seams
