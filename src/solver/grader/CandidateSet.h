#pragma once

#include <array>
#include <bit>
#include <cstdint>

namespace grader {

// A set of candidates (cell, digit), index cell * 9 + digit - 1.
struct CandidateSet {
    std::array<std::uint64_t, 12> w{};

    void set(int cell, int d)
    {
        const int i = cell * 9 + d - 1;
        w[static_cast<std::size_t>(i / 64)] |= std::uint64_t{1} << (i % 64);
    }
    bool test(int cell, int d) const
    {
        const int i = cell * 9 + d - 1;
        return (w[static_cast<std::size_t>(i / 64)] >> (i % 64)) & 1;
    }
    CandidateSet operator&(const CandidateSet &o) const
    {
        CandidateSet r;
        for (std::size_t k = 0; k < w.size(); ++k)
            r.w[k] = w[k] & o.w[k];
        return r;
    }
    CandidateSet operator|(const CandidateSet &o) const
    {
        CandidateSet r;
        for (std::size_t k = 0; k < w.size(); ++k)
            r.w[k] = w[k] | o.w[k];
        return r;
    }
    // Set difference.
    CandidateSet operator-(const CandidateSet &o) const
    {
        CandidateSet r;
        for (std::size_t k = 0; k < w.size(); ++k)
            r.w[k] = w[k] & ~o.w[k];
        return r;
    }
    CandidateSet &operator|=(const CandidateSet &o) { return *this = *this | o; }
    bool empty() const
    {
        for (std::uint64_t x : w)
            if (x)
                return false;
        return true;
    }
    bool operator==(const CandidateSet &) const = default;
    // Every digit of the cell.
    void setCell(int cell)
    {
        for (int d = 1; d <= 9; ++d)
            set(cell, d);
    }
    int count() const
    {
        int n = 0;
        for (std::uint64_t x : w)
            n += std::popcount(x);
        return n;
    }
    template <class F> void forEach(F f) const
    {
        for (std::size_t k = 0; k < w.size(); ++k)
            for (std::uint64_t x = w[k]; x; x &= x - 1) {
                const int i = static_cast<int>(k) * 64 + std::countr_zero(x);
                f(i / 9, i % 9 + 1);
            }
    }
};

} // namespace grader
