#pragma once

namespace grader {

// Calls f on every k-element combination (k <= 4) of the indices 0..n-1,
// in lexicographic order, as an index array; stops early and returns true
// when f returns true.
template <class F> bool combinations(int n, int k, F f)
{
    int idx[4] = {0, 1, 2, 3};
    if (k > n)
        return false;
    while (true) {
        if (f(idx))
            return true;
        int i = k - 1;
        while (i >= 0 && idx[i] == n - k + i)
            --i;
        if (i < 0)
            return false;
        ++idx[i];
        for (int j = i + 1; j < k; ++j)
            idx[j] = idx[j - 1] + 1;
    }
}

} // namespace grader
