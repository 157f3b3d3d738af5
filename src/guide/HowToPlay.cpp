#include "guide/HowToPlay.h"

#include "play/KeyTable.h"
#include "puzzle/Levels.h"
#include "solver/grader/Grader.h"
#include "solver/grader/Technique.h"

#include <QStringList>

namespace howtoplay {

namespace {

// Level 0 and 1 both need singles only; the ladder counts from 1 there.
int ladderLevel(int level) { return level <= 1 ? 1 : level; }

const char *const kRules = R"(
<h2>The rules</h2>
<p>Fill every empty cell with a digit from 1 to 9 so that each row, each
column and each of the nine 3&times;3 boxes holds every digit once. The
digits printed in black are the givens and cannot be changed. The game is
won when the board is full and no digit clashes with another:
"Puzzle Solved" shows and the clock stops.</p>
<h2>Show Candidates</h2>
<ul>
<li><b>None (F1)</b> shows only digits.</li>
<li><b>All (F2)</b> shows the pencil marks (candidates) of every open cell.</li>
<li><b>Only one (F3)</b> shows marks only where the digit selected on the pad can go.</li>
</ul>
<p><b>Auto Update Candidates</b> strikes a placed digit from the marks of its
row, column and box.</p>
)";

const char *const kControls = R"(
<h2>Mouse and keys</h2>
<table border="1" cellspacing="0" cellpadding="3">
<tr><th>Action</th><th>What it does</th></tr>
<tr><td>Left click on a cell (None)</td><td>writes the digit selected on the pad</td></tr>
<tr><td>Right click on a cell (None)</td><td>empties the cell</td></tr>
<tr><td>Left click on a mark (All, Only one)</td><td>makes that mark the cell's digit</td></tr>
<tr><td>Right click on a mark (All, Only one)</td><td>deletes that candidate</td></tr>
<tr><td>Left click on a placed digit (All, Only one)</td><td>takes it back to marks</td></tr>
<tr><td>Right click beside the marks (All, Only one)</td><td>a menu to add, remove or regenerate candidates</td></tr>
<tr><td>Click on the clock</td><td>pauses, or goes on</td></tr>
<tr><td>Click on the paused board</td><td>goes on</td></tr>
)";

// After the key rows.
const char *const kMore = R"(</table>
<p>The tool bar's bulb gives a hint, the tick shows the solution, the
circular arrow restarts, and the four arrows step through the history of
the board.</p>
<h2>Explain Next Step</h2>
<p><b>Tools &gt; Explain Next Step</b> (F4) opens a window beside the board
with the next logical step from your digits: the techniques needed, easiest
first, down to the digit they place, framed on the board. <b>Apply</b>
places that digit as your own move.</p>
<h2>Pause, best times and options</h2>
<p><b>Tools &gt; Pause</b>, P, the Pause key or a click on the clock stops the
clock and hides the board; the game also pauses while its window is
minimised. A game dealt by a level command and finished without Show
Solution counts for <b>Tools &gt; Best Times</b> (the ten best of each level,
with the date and the hints used); imported or continued games do not.
<b>Tools &gt; Options</b> chooses whether every clashing cell shows,
whether wrong digits show dark red, whether a new game asks before it
replaces one in progress, and whether minimising pauses.</p>
<p><b>File &gt; Print Puzzles</b> prints a sheet of puzzles of a level (or one
of each), up to twelve, one to six to a page, with a page of solutions, or
saves it as PDF.</p>
<h2>Puzzle files</h2>
<p><b>File &gt; Open Puzzle File</b>, a file or text dropped on the window, or
a file named on the command line starts a puzzle as a game of level
"Unknown". The game reads:</p>
<ul>
<li>collections one puzzle a line (<i>.sdm</i>, <i>.txt</i>): 81 cells, ".", "0"
or "*" for a blank, with or without a comment after the puzzle;</li>
<li>grids of nine rows, with or without frames and "#" header lines
(SadMan and SudoCue <i>.sdk</i>, Simple Sudoku <i>.ss</i> and its copied text);</li>
<li>puzzle addresses with <i>bd=</i> and 81 digits, HoDoKu library lines, Solo's
game IDs (<i>3x3:</i>) and OpenSudoku files (<i>.opensudoku</i>);</li>
<li>the four layouts of <b>File &gt; Import or Create Sudoku</b>.</li>
</ul>
<p>A file of several puzzles lists them with their number, givens, level and
title; choose a level to list only its puzzles, and <b>Play</b> one.
<b>File &gt; Next Puzzle</b> then plays the next one of that list.</p>
)";

} // namespace

QString techniquesOf(int level)
{
    QStringList names;
    for (int t = 0; t < static_cast<int>(grader::Technique::Count); ++t) {
        const grader::TechniqueInfo &row = grader::info(static_cast<grader::Technique>(t));
        if (row.level == ladderLevel(level))
            names << QString::fromLatin1(row.title);
    }
    return names.join(QStringLiteral(", "));
}

QString html()
{
    QString levelsPart = QStringLiteral("<h2>The five levels</h2><table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">"
                                        "<tr><th>Level</th><th>What it needs</th></tr>");
    for (int level = 0; level < levels::kCount; ++level) {
        QString needs;
        if (level == 0)
            needs = QStringLiteral("singles only, with %1 givens or more: %2").arg(grader::kVeryEasyGivens).arg(techniquesOf(0));
        else if (level == 1)
            needs = QStringLiteral("singles only, with fewer givens: %1").arg(techniquesOf(1));
        else
            needs = QStringLiteral("the techniques of the levels before, and at least one of: %1").arg(techniquesOf(level));
        levelsPart += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>").arg(QString::fromLatin1(levels::kNames[level]), needs);
    }
    levelsPart += QStringLiteral("</table><p>docs/difficulty.md describes each technique.</p>");
    QString keys;
    for (const keytable::Row &row : keytable::rows())
        keys += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>\n")
                    .arg(QString::fromLatin1(row.keys).toHtmlEscaped(), QString::fromLatin1(row.words).toHtmlEscaped());
    return QStringLiteral("<h1>How to Play</h1>") + QString::fromLatin1(kRules) + QString::fromLatin1(kControls) + keys
           + QString::fromLatin1(kMore) + levelsPart;
}

} // namespace howtoplay
