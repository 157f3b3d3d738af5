#pragma once

#include "board/CellData.h"
#include "base/TColor.h"
#include "solver/Engine.h"
#include "solver/grader/Explain.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <span>

// The window-free side of "Next Step": what the board holds, what the
// window says, which cells it marks and in which colours.
namespace nextstep {

// What an explanation depends on: the placed digits and the known solution.
struct Position {
    engine::Grid placed{};
    std::optional<engine::Grid> solution;
    bool operator==(const Position &) const = default;
};

// Givens and big numbers, 0 for every open cell.
engine::Grid placedDigits(const CellGrid &board);

// The window's text as rich text: the steps numbered, each title bold on a
// line of its own above its sentences; the state's sentence after steps
// that stop short of a placement; the sentence alone for the other states.
QString explanationHtml(const grader::Explanation &e);
// The same with one step the current one: the others in grey, each step
// anchored as "stepN" (from 1) to scroll to.
QString explanationHtml(const grader::Explanation &e, int current);

// The placement the explanation ends in, if any.
std::optional<grader::CellDigit> placement(const grader::Explanation &e);

enum class Mark : std::uint8_t { None, Pattern, Change };
using Marks = std::array<Mark, 81>;
// The cells of every step's pattern, and the cells that lose a candidate or
// take the placement (a change outranks a pattern); a wrong digit's cell
// counts as a change.
Marks marksOf(const grader::Explanation &e);
// The marks of one step alone (0 based): its pattern and its changes.
Marks marksOf(const grader::Explanation &e, int step);

// Candidates by digit: bit d for digit d.
using DigitBits = std::uint16_t;
// The walk's candidates at `step` (0 based): for each open cell of placed,
// the digits its peers leave it less those the steps before that one
// struck; nothing for a placed cell, and nothing at all for an
// explanation without steps.
std::array<std::optional<DigitBits>, 81> candidatesAt(const engine::Grid &placed, const grader::Explanation &e,
                                                       int step);

struct MarkColors {
    TColor pattern;
    TColor change;
    bool operator==(const MarkColors &) const = default;
};
// The frame colours for marks drawn over cells of the given backgrounds
// (RGB colours): a cool one for patterns and a warm one for changes, each
// the one of its family farthest from every background and the board's
// black lines (another colour when none of the family stands out), the
// change colour also far from the pattern colour.
MarkColors markColors(std::span<const TColor> backgrounds);
// A perceptual distance of two RGB colours (0 .. about 765).
int colorDistance(TColor a, TColor b);

} // namespace nextstep
