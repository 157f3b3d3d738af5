#include "guide/NextStep.h"

#include "board/BoardLogic.h"
#include "solver/grader/Board.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace nextstep {

namespace {

// Blue-ish for the pattern, orange-ish for the changes: two families that
// stay apart for the common kinds of colour blindness too.
constexpr TColor kPatternFamily[] = {clr::rgb(0, 110, 255), clr::rgb(0, 190, 230), clr::rgb(130, 40, 230),
                                     clr::rgb(20, 40, 160)};
constexpr TColor kChangeFamily[] = {clr::rgb(255, 120, 0), clr::rgb(255, 200, 0), clr::rgb(230, 0, 150),
                                    clr::rgb(200, 0, 0)};

// Beside both families, the fallbacks when a family has none that stands
// out: a board painted in the very colours of a family.
constexpr TColor kOtherColors[] = {clr::White, clr::rgb(0, 170, 0), clr::rgb(128, 128, 128)};
// The distance a frame needs from its surroundings to be read at a glance.
constexpr int kReadable = 150;

// The colour of colours farthest from the nearest of avoid, and that gap.
std::pair<TColor, int> farthest(std::span<const TColor> colors, std::span<const TColor> avoid)
{
    std::pair<TColor, int> best{colors.front(), -1};
    for (TColor c : colors) {
        int gap = 1 << 20;
        for (TColor a : avoid)
            gap = std::min(gap, colorDistance(c, a));
        if (gap > best.second)
            best = {c, gap};
    }
    return best;
}

TColor pick(std::span<const TColor> family, std::span<const TColor> avoid)
{
    const auto own = farthest(family, avoid);
    if (own.second >= kReadable)
        return own.first;
    // The first of the farthest, in the order pattern, change, others.
    const auto any = std::max({farthest(kPatternFamily, avoid), farthest(kChangeFamily, avoid),
                               farthest(kOtherColors, avoid)},
                              [](const auto &a, const auto &b) { return a.second < b.second; });
    return any.second > own.second ? any.first : own.first;
}

} // namespace

engine::Grid placedDigits(const CellGrid &board)
{
    engine::Grid g{};
    for (int i = 0; i < 81; ++i)
        g[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(boardlogic::placedDigit(board[i]));
    return g;
}

QString explanationHtml(const grader::Explanation &e) { return explanationHtml(e, -1); }

QString explanationHtml(const grader::Explanation &e, int current)
{
    QString html;
    int n = 0;
    for (const grader::ExplainStep &s : e.steps) {
        // Grey, not hidden: the player still sees where the step leads.
        const bool faded = current >= 0 && n != current;
        const QString style = faded ? QStringLiteral(" style=\"color:#808080\"") : QString();
        html += QStringLiteral("<p style=\"margin-bottom:2px\"><a name=\"step%1\"></a><b%4>%1. %2</b></p><p%4>%3</p>")
                    .arg(++n)
                    .arg(s.title.toHtmlEscaped(), s.text.toHtmlEscaped(), style);
    }
    if (e.state != grader::ExplainState::Steps || e.steps.empty())
        html += QStringLiteral("<p>%1</p>").arg(e.message.toHtmlEscaped());
    return html;
}

std::optional<grader::CellDigit> placement(const grader::Explanation &e)
{
    if (e.state != grader::ExplainState::Steps || e.steps.empty() || !e.steps.back().place
        || e.steps.back().changes.size() != 1)
        return std::nullopt;
    const grader::CellDigit p = e.steps.back().changes.front();
    if (p.cell < 0 || p.cell > 80 || p.digit < 1 || p.digit > 9)
        return std::nullopt;
    return p;
}

namespace {

Marks marksOfSteps(const grader::Explanation &e, std::size_t from, std::size_t to)
{
    Marks marks{};
    const auto mark = [&](int cell, Mark m) {
        if (cell >= 0 && cell < 81 && marks[static_cast<std::size_t>(cell)] != Mark::Change)
            marks[static_cast<std::size_t>(cell)] = m;
    };
    to = std::min(to, e.steps.size());
    for (std::size_t i = from; i < to; ++i)
        for (int c : e.steps[i].pattern)
            mark(c, Mark::Pattern);
    for (std::size_t i = from; i < to; ++i)
        for (const grader::CellDigit &cd : e.steps[i].changes)
            mark(cd.cell, Mark::Change);
    if (e.state == grader::ExplainState::WrongDigit)
        mark(e.wrong.cell, Mark::Change);
    return marks;
}

} // namespace

Marks marksOf(const grader::Explanation &e) { return marksOfSteps(e, 0, e.steps.size()); }

Marks marksOf(const grader::Explanation &e, int step)
{
    if (step < 0)
        return marksOfSteps(e, 0, 0);
    return marksOfSteps(e, static_cast<std::size_t>(step), static_cast<std::size_t>(step) + 1);
}

std::array<std::optional<DigitBits>, 81> candidatesAt(const engine::Grid &placed, const grader::Explanation &e,
                                                       int step)
{
    std::array<std::optional<DigitBits>, 81> out{};
    if (e.state != grader::ExplainState::Steps || e.steps.empty())
        return out;
    grader::Board b;
    b.setPuzzle(placed);
    for (int i = 0; i < 81; ++i)
        if (!placed[static_cast<std::size_t>(i)])
            out[static_cast<std::size_t>(i)] = static_cast<DigitBits>(b.cand[static_cast<std::size_t>(i)] << 1);
    const std::size_t before = static_cast<std::size_t>(std::clamp(step, 0, static_cast<int>(e.steps.size())));
    for (std::size_t k = 0; k < before; ++k)
        if (!e.steps[k].place)
            for (const grader::CellDigit &cd : e.steps[k].changes)
                if (auto &c = out[static_cast<std::size_t>(cd.cell)])
                    *c = static_cast<DigitBits>(*c & ~(1u << cd.digit));
    return out;
}

int colorDistance(TColor a, TColor b)
{
    // The "red mean" weighting: cheap and close enough to what eyes see.
    const double rm = (clr::red(a) + clr::red(b)) / 2.0;
    const double dr = clr::red(a) - clr::red(b), dg = clr::green(a) - clr::green(b), db = clr::blue(a) - clr::blue(b);
    return static_cast<int>(std::sqrt((2 + rm / 256) * dr * dr + 4 * dg * dg + (2 + (255 - rm) / 256) * db * db));
}

MarkColors markColors(std::span<const TColor> backgrounds)
{
    std::vector<TColor> avoid;
    for (TColor c : backgrounds)
        if (clr::isRgb(c))
            avoid.push_back(c);
    // The board's black lines border every frame.
    avoid.push_back(clr::Black);
    MarkColors out;
    out.pattern = pick(kPatternFamily, avoid);
    avoid.push_back(out.pattern);
    out.change = pick(kChangeFamily, avoid);
    return out;
}

} // namespace nextstep
