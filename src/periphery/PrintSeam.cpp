#include "periphery/PrintSeam.h"

namespace seams {

namespace {
class InertPrinter final : public Printer {
public:
    bool print(const std::function<void(QPagedPaintDevice &)> &) override { return false; }
    QString saveFileName(const QString &, const QString &, const QString &) override { return {}; }
};
InertPrinter inertPrinter;
Printer *currentPrinter = &inertPrinter;
} // namespace

Printer &printer() { return *currentPrinter; }
void setPrinter(Printer *p) { currentPrinter = p ? p : &inertPrinter; }

} // namespace seams
