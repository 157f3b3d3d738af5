#pragma once

#include <QString>

#include <string>

// The one rule for splitting text into lines, used by every reader of line
// files: CR LF, LF and lone CR each end a line; a final line end makes no
// empty line after it, and empty text has no lines.
namespace textlines {

// Hands out a text piece by piece: the bytes up to the next line end (the
// end is consumed), or up to the end of the text when no line end is left.
// Remembers the next CR and the next LF, so each is searched for (by
// memchr for char) once per line even when the text holds only one kind.
template <typename Char>
class Scanner {
public:
    Scanner() = default;
    // afterCr: the text before this one ended with CR, so an LF that starts
    // this one completes that line end.
    Scanner(const Char *begin, const Char *end, bool afterCr = false)
        : pos_(afterCr && begin != end && *begin == Char('\n') ? begin + 1 : begin), end_(end)
    {
        cr_ = find(pos_, Char('\r'));
        lf_ = find(pos_, Char('\n'));
    }

    // The next piece as [first, last); ended tells whether a line end
    // follows it. False once the text is used up.
    bool next(const Char *&first, const Char *&last, bool &ended)
    {
        if (pos_ == end_)
            return false;
        if (cr_ < pos_)
            cr_ = find(pos_, Char('\r'));
        if (lf_ < pos_)
            lf_ = find(pos_, Char('\n'));
        const Char *stop = cr_ < lf_ ? cr_ : lf_;
        first = pos_;
        last = stop;
        ended = stop != end_;
        endsInCr_ = false;
        if (!ended) {
            pos_ = end_;
            return true;
        }
        pos_ = stop + 1;
        if (*stop == Char('\r')) {
            if (pos_ == end_)
                endsInCr_ = true;
            else if (*pos_ == Char('\n'))
                ++pos_;
        }
        return true;
    }

    // The last piece ended with a CR at the very end of the text.
    bool endsInCr() const { return endsInCr_; }

private:
    const Char *find(const Char *from, Char ch) const
    {
        const Char *p = std::char_traits<Char>::find(from, static_cast<std::size_t>(end_ - from), ch);
        return p ? p : end_;
    }

    const Char *pos_ = nullptr;
    const Char *end_ = nullptr;
    const Char *cr_ = nullptr;
    const Char *lf_ = nullptr;
    bool endsInCr_ = false;
};

// Calls line(first, last) for every line of [begin, end), without its line
// end.
template <typename Char, typename F>
void forEachLine(const Char *begin, const Char *end, F &&line)
{
    Scanner<Char> scanner(begin, end);
    const Char *first, *last;
    bool ended;
    while (scanner.next(first, last, ended))
        line(first, last);
}

// The text without blanks at either end, where a blank is any character
// of code 32 or less (space and the control characters), as the game's
// files count them.
inline QString trimBlanks(const QString &s)
{
    qsizetype from = 0, to = s.size();
    while (from < to && s.at(from).unicode() <= u' ')
        ++from;
    while (to > from && s.at(to - 1).unicode() <= u' ')
        --to;
    return s.mid(from, to - from);
}

} // namespace textlines
