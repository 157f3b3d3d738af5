#pragma once

#include "board/CellData.h"

#include <QString>
#include <QStringList>

#include <functional>

// Step lines: the whole board as 81 comma-separated tokens, each the
// cell's state digit followed by its value.
// The longest line a board can produce: 81 tokens of a state and nine
// digits, and 80 commas.
inline constexpr int kMaxStepLineLength = 890;
QString BoardToStepLine(const CellGrid &board);
// Sets state and value of all 81 cells from a step line. When the line runs
// out of commas, every remaining cell takes its final token. Throws
// ConvertError when a token does not start with a state digit (1..3); cells
// before that one are already set.
void StepLineToBoard(CellGrid &board, const QString &line);
// Throws ConvertError when StepLineToBoard would, and also for what only
// damage makes: a line longer than kMaxStepLineLength, a value of more
// than nine characters or with anything but the digits 1..9, or a given
// (state 1) that is not one digit. A record is resumed only when every step
// passes.
void CheckStepLine(const QString &line);

// The move history of the board, sampled on every tick of the clock. It
// holds the game record that the last-game file stores.
class Tfrmstep {
public:
    QStringList memostep;
    int curstep = 0;

    // The board the history samples and shows.
    CellGrid board;
    // Redraws the board after a step was put on it.
    std::function<void()> OnShowStep;

    void ClearSteps();
    // Appends the board when it differs from the step on show, dropping any
    // steps after that one.
    void RecordStep();
    void ResetSteps();
    void StepBack();
    void StepNext();
    void StepFirst();
    void StepLast();
    bool AtFirstStep() const;
    bool AtLastStep() const;
    void CutStepsAfter(int index);

private:
    void showStep();
};
