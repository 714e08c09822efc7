// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one random source that every drill draws from. It starts from the same
// fixed state at every program start and is never seeded, so the same requests
// after a start give the same sheets. Algorithm: PCG32 (XSH RR), whose top 24
// bits make a single-precision value in [0, 1).

#include "random/Pcg32.h"

#include <cstdint>

// How nextWithin() searches: one state after another, or sixteen at a time
// in AVX2 registers (only where the processor has them).
enum class SearchLanes { One, Avx2 };

class RandomSource {
public:
    RandomSource() = default;

    // A source of its own for a numbered sheet: the same number gives the
    // same draws on every machine and at every start. The drills of the
    // shared source never use it.
    static RandomSource forSheet(std::uint32_t number);

    // Next value r with 0 <= r < 1, a multiple of 2^-24 (exact in a float).
    float next()
    {
        ++m_draws;
        return valueOf(Pcg32::output(step()));
    }

    // The first of the next values r whose 24 bits r × 2^24 lie in
    // lowest … highest, leaving the source exactly where drawing with next()
    // until then would: a rejection loop that only skips values, done several
    // states at a time.
    float nextWithin(std::uint32_t lowest, std::uint32_t highest);
    float nextWithin(std::uint32_t lowest, std::uint32_t highest, SearchLanes lanes);
    static bool avx2Available();

    // trunc(r * k) for a fresh r: r × 2^24 × k / 2^24 in whole numbers,
    // the same as truncScaled(next(), k) without going through floating point.
    std::int64_t below(std::int64_t k)
    {
        ++m_draws;
        return (static_cast<std::int64_t>(Pcg32::output(step()) >> 8) * k) >> 24;
    }

    // trunc(r * k): r is exact in a double and so is the product, for the k
    // the drills use (below 2^29).
    static std::int64_t truncScaled(float r, std::int64_t k)
    {
        return static_cast<std::int64_t>(static_cast<double>(r) * static_cast<double>(k));
    }

    // How many values have been drawn since the start.
    std::uint64_t draws() const { return m_draws; }

    bool operator==(const RandomSource&) const = default;

    static float valueOf(std::uint32_t bits) { return static_cast<float>(bits >> 8) * (1.0f / 16777216.0f); }

private:
    // Moves to the next state and returns the one it left.
    std::uint64_t step()
    {
        const std::uint64_t old = m_state;
        m_state = Pcg32::nextState(old);
        return old;
    }

    std::uint64_t m_state = 0x853c49e6748fea9bULL;
    std::uint64_t m_draws = 0;
};
