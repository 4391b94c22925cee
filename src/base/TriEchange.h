#pragma once

// The exchange sort of the statistics views: for each position i from the
// first, every later position j in turn is swapped with i when it is strictly
// better. It is not stable, and the order it leaves equal entries in is what
// the tables show (and what the fewest-tables, read backwards, show reversed),
// so it must not be replaced by a library sort.

#include <cstddef>
#include <utility>

// Mieux(a, b): a must come before b.
template <class Liste, class Mieux> void TriEchange(Liste& L, Mieux mieux)
{
    const std::size_t N = L.size();
    for (std::size_t I = 0; I + 1 < N; ++I)
        for (std::size_t J = I + 1; J < N; ++J)
            if (mieux(L[J], L[I])) {
                using std::swap;
                swap(L[I], L[J]);
            }
}
