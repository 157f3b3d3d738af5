#pragma once

#include "periphery/PrintSeam.h"

// The system's print dialog (Qt Print Support) and Qt's file dialog.
class QtPrinter final : public seams::Printer {
public:
    bool print(const std::function<void(QPagedPaintDevice &)> &draw) override;
    QString saveFileName(const QString &caption, const QString &suggested, const QString &filter) override;
};
