// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Draws of whole numbers 0 … count−1 that index a drill's questions: one
// uniform index, and a run's indices without repeats. The run owns the
// indices already used, so a run stays a function of its settings and of
// the random source's state.

#include "random/RandomSource.h"

#include <cstdint>
#include <unordered_map>
#include <unordered_set>

namespace Draws {
// Uniform in 0 … count−1 for 1 <= count < 2^47. Up to 2^24 it takes one
// value; above, two values make a 48-bit number, drawn again (less than half
// the time) when it falls in the incomplete last round of count.
std::int64_t uniformIndex(RandomSource& random, std::int64_t count);
} // namespace Draws

// Indices 0 … count−1, none twice, for a run that wants at most `wanted` of
// them. When the indices are plenty (at least twice the wanted number), an
// index already used is drawn again, which happens less than half the time;
// otherwise each draw picks among the indices still unused (a partial
// shuffle), so even a run that wants every index needs one value per draw.
class DistinctIndices {
public:
    DistinctIndices(std::int64_t count, std::int64_t wanted);

    std::int64_t count() const { return m_count; }
    // The caller never asks for more than count indices.
    std::int64_t next(RandomSource& random);

private:
    std::int64_t m_count;
    bool m_shuffles;
    std::int64_t m_taken = 0;
    std::unordered_set<std::int64_t> m_used;
    std::unordered_map<std::int64_t, std::int64_t> m_moved; // shuffled position → index held there
};
