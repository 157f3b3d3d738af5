#pragma once

#include <QString>

class TPicNode;

// What assistive technology (AT-SPI on Linux, UI Automation on Windows,
// both through Qt's bridges) reads of a board: every cell an object of its
// own, named by what it shows; the cursor's cell is the focused one.
namespace boardaccessible {

// "Row 3, column 5: your 4" and so on, from what the cell shows now.
QString cellName(const TPicNode &cell);
// Installs the interfaces for boards and cells; once is enough.
void install();

} // namespace boardaccessible
