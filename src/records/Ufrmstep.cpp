#include "records/Ufrmstep.h"

#include "base/Digits.h"

QString BoardToStepLine(const CellGrid &board)
{
    QString line;
    line.reserve(890);
    for (int i = 0; i < 81; ++i) {
        const CellData &c = board[i];
        if (i > 0)
            line.append(QLatin1Char(','));
        // States are single digits; anything else still round-trips.
        if (c.state >= 0 && c.state <= 9)
            line.append(QChar(u'0' + c.state));
        else
            line.append(QString::number(c.state));
        line.append(c.value);
    }
    return line;
}

namespace {

// A value the board can hold: at most nine of the digits 1..9.
void checkValue(QStringView value)
{
    if (value.size() > 9)
        throw ConvertError(QStringLiteral("A cell holds more than nine digits"));
    for (const QChar ch : value)
        if (ch < QLatin1Char('1') || ch > QLatin1Char('9'))
            throw ConvertError(QStringLiteral("'%1' is not a digit of a cell").arg(ch));
}

// Walks the 81 tokens of a step line by its reading rule, handing each
// cell's state and value text to f. Views only: no copying per token.
template <typename F>
void forEachToken(const QString &line, bool strict, F f)
{
    // Within these limits a line that runs out of commas early may repeat
    // its final token; beyond them it is damage, and repeating a huge token
    // 81 times would only multiply it.
    if (strict && line.size() > kMaxStepLineLength)
        throw ConvertError(QStringLiteral("A step line is longer than %1 characters").arg(kMaxStepLineLength));
    QStringView rest(line);
    for (int i = 0; i < 81; ++i) {
        QStringView token;
        const qsizetype comma = rest.indexOf(QLatin1Char(','));
        if (comma >= 0) {
            token = rest.left(comma);
            rest = rest.mid(comma + 1).trimmed();
        } else {
            token = rest.trimmed();
        }
        if (token.isEmpty())
            throw ConvertError(QStringLiteral("cell %1 has no state").arg(i + 1));
        const int state = digitValue(token.at(0));
        // Only a damaged file holds other states; the board knows no others.
        if (state < stFixed || state > stCandidates)
            throw ConvertError(QStringLiteral("'%1' is not a valid cell state").arg(token.at(0)));
        const QStringView value = token.mid(1);
        if (strict) {
            checkValue(value);
            // The board shows a given's value as its digit and the solver
            // reads any other as a blank: a given of several digits would
            // make the puzzle unsolvable later.
            if (state == stFixed && value.size() != 1)
                throw ConvertError(QStringLiteral("A given holds '%1', not one digit").arg(value));
        }
        f(i, state, value);
    }
}

} // namespace

void StepLineToBoard(CellGrid &board, const QString &line)
{
    forEachToken(line, false, [&](int i, int state, QStringView value) {
        CellData &c = board[i];
        c.state = state;
        c.value = value.toString();
    });
}

void CheckStepLine(const QString &line)
{
    forEachToken(line, true, [](int, int, QStringView) {});
}

void Tfrmstep::ClearSteps() { memostep.clear(); }

void Tfrmstep::RecordStep()
{
    const QString current = curstep >= 0 && curstep < memostep.size() ? memostep.at(curstep) : QString();
    const QString candidate = BoardToStepLine(board);
    if (candidate == current)
        return;
    CutStepsAfter(curstep);
    memostep.append(candidate);
    curstep = static_cast<int>(memostep.size()) - 1;
}

void Tfrmstep::ResetSteps()
{
    ClearSteps();
    RecordStep();
    curstep = 0;
}

void Tfrmstep::StepBack()
{
    --curstep;
    showStep();
}

void Tfrmstep::StepNext()
{
    ++curstep;
    showStep();
}

void Tfrmstep::StepFirst()
{
    curstep = 0;
    showStep();
}

void Tfrmstep::StepLast()
{
    curstep = static_cast<int>(memostep.size()) - 1;
    showStep();
}

bool Tfrmstep::AtFirstStep() const { return curstep == 0; }

bool Tfrmstep::AtLastStep() const { return memostep.size() - 1 == curstep; }

void Tfrmstep::CutStepsAfter(int index)
{
    if (index < -1)
        index = -1;
    while (memostep.size() - 1 > index)
        memostep.removeLast();
}

void Tfrmstep::showStep()
{
    // The step buttons guard the bounds; a call outside them (from a
    // script or a damaged file) must not read past the list.
    if (curstep < 0 || curstep >= memostep.size())
        return;
    StepLineToBoard(board, memostep.at(curstep));
    if (OnShowStep)
        OnShowStep();
}
