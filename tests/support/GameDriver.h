#pragma once

// The program's windows as the program entry builds them, in a private
// program directory, with scripted seams: the one way tests and benchmarks
// get a main window.
#include "game/DigitPad.h"
#include "game/QJ.h"
#include "game/Windows.h"
#include "game/main.h"
#include "records/Ufrmstep.h"
#include "support/FakeSeams.h"

#include <QRadioButton>
#include <QTemporaryDir>

#include <memory>

namespace fixture {

// A puzzle with one solution, as givens ('0' open) and solution.
inline const char *const kGivens =
    "800000000003600000070090200050007000000045700000100030001000068008500010090000400";
inline const char *const kSolution =
    "812753649943682175675491283154237896369845721287169534521974368438526917796318452";

struct Game {
    QTemporaryDir dir;
    FakeMessages messages;
    FakeClipboard clipboard;
    FakeShell shell;
    std::unique_ptr<Program> program;
    TForm1 *form = nullptr;
    Tfrmstep *steps = nullptr;

    explicit Game(bool opened = true)
    {
        if (opened)
            open();
    }
    ~Game() { close(); }

    void open()
    {
        seams::setProgramDirectory(dir.path());
        program = std::make_unique<Program>();
        form = &program->mainWindow();
        steps = program->windows().frmstep;
    }

    // Closing the window runs its close handler, as the program's end does.
    void close()
    {
        if (form)
            form->close();
        program.reset();
        form = nullptr;
        steps = nullptr;
    }

    void reopen()
    {
        close();
        open();
    }

    // The known puzzle (or other givens of its solution) on the board as an
    // import puts it: givens, solution (when withSolution), candidates,
    // history and clock started.
    void deal(bool withSolution = true, const QString &givens = QString::fromLatin1(kGivens))
    {
        form->ClearGame();
        form->QJ1->SetGivens(givens);
        if (withSolution)
            form->QJ1->SetSolution(QString::fromLatin1(kSolution));
        form->LoadPuzzle(true);
        form->rb_none->setChecked(true);
        form->digitPad->setDown(1);
        form->UpdateDigitBars();
        form->ResetSteps();
        form->TimeLabel1->setTimerenabled(true);
        form->TimeLabel1->setMS(0);
    }

    TPicNode *cell(int r, int c) const { return form->sd991->Cell(r, c); }
    QString solutionAt(int r, int c) const { return QString(QChar::fromLatin1(kSolution[(r - 1) * 9 + c - 1])); }
};

} // namespace fixture
