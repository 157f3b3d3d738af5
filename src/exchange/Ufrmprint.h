#pragma once

#include <QStringList>

class GameHost;

// The printable-board generator: never shown; fills the page template
// from the main board, writes "print_temp.htm" and opens it.
class Tfrmprint {
public:
    explicit Tfrmprint(GameHost &host) : host_(host) {}

    // Builds the page into the working directory and opens it with the
    // default program. A page that cannot be written shows the error box
    // with the reason; a page no program opens is reported with its path.
    void Button1Click();

    // The working copy of the last page built.
    QStringList Memo1;

private:
    GameHost &host_;
};
