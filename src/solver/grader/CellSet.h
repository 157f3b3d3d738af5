#pragma once

#include <bit>
#include <cstdint>

namespace grader {

// A set of the 81 cells, as two machine words.
struct CellSet {
    std::uint64_t lo = 0; // cells 0..63
    std::uint64_t hi = 0; // cells 64..80

    static CellSet of(int cell)
    {
        CellSet s;
        s.set(cell);
        return s;
    }
    void set(int i)
    {
        if (i < 64)
            lo |= std::uint64_t{1} << i;
        else
            hi |= std::uint64_t{1} << (i - 64);
    }
    void reset(int i)
    {
        if (i < 64)
            lo &= ~(std::uint64_t{1} << i);
        else
            hi &= ~(std::uint64_t{1} << (i - 64));
    }
    bool test(int i) const { return i < 64 ? (lo >> i) & 1 : (hi >> (i - 64)) & 1; }
    int count() const { return std::popcount(lo) + std::popcount(hi); }
    bool empty() const { return (lo | hi) == 0; }
    int first() const { return lo ? std::countr_zero(lo) : hi ? 64 + std::countr_zero(hi) : -1; }

    CellSet operator&(const CellSet &o) const { return {lo & o.lo, hi & o.hi}; }
    CellSet operator|(const CellSet &o) const { return {lo | o.lo, hi | o.hi}; }
    // Set difference.
    CellSet operator-(const CellSet &o) const { return {lo & ~o.lo, hi & ~o.hi}; }
    CellSet &operator&=(const CellSet &o) { return *this = *this & o; }
    CellSet &operator|=(const CellSet &o) { return *this = *this | o; }
    CellSet &operator-=(const CellSet &o) { return *this = *this - o; }
    bool operator==(const CellSet &o) const = default;

    template <class F> void forEach(F f) const
    {
        for (std::uint64_t w = lo; w; w &= w - 1)
            f(std::countr_zero(w));
        for (std::uint64_t w = hi; w; w &= w - 1)
            f(64 + std::countr_zero(w));
    }
};

} // namespace grader
