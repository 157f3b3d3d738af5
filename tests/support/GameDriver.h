#pragma once

// The program's windows as the program entry builds them, in a private
// program directory, with scripted seams: the one way tests and benchmarks
// get a main window.
#include "exchange/ImportReader.h"
#include "app/Program.h"
#include "game/main.h"
#include "play/PlayModel.h"
#include "records/Ufrmstep.h"
#include "support/FakeSeams.h"
#include "support/Puzzles.h"

#include <QTemporaryDir>

#include <memory>

namespace fixture {

struct Game {
    QTemporaryDir dir;
    FakeMessages messages;
    FakeClipboard clipboard;
    FakeShell shell;
    std::unique_ptr<Program> program;
    TForm1 *form = nullptr;
    Tfrmstep *steps = nullptr;
    PlayModel *play = nullptr;

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
        play = &program->play();
    }

    // Closing the window runs its close handler, as the program's end does.
    void close()
    {
        if (form)
            form->close();
        program.reset();
        form = nullptr;
        steps = nullptr;
        play = nullptr;
    }

    void reopen()
    {
        close();
        open();
    }

    // The known puzzle (or other givens of its solution) on the board as an
    // import puts it: read by the import reader, then played with its
    // solution (when withSolution), candidates, history and clock started.
    void deal(bool withSolution = true, const QString &givens = QString::fromLatin1(kGivens))
    {
        TPICSD33 source;
        importreader::readImport(givens).applyTo(source.grid());
        form->PlayPuzzle(source, withSolution ? QString::fromLatin1(kSolution) : QString());
    }

    TPicNode *cell(int r, int c) const { return form->sd991->Cell(r, c); }
    QString solutionAt(int r, int c) const { return QString(QChar::fromLatin1(kSolution[(r - 1) * 9 + c - 1])); }
};

} // namespace fixture
