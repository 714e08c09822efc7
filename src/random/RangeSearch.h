// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finding the first output of the PCG32 sequence whose top 24 bits lie in a
// range, for rejection loops that draw millions of values to keep one. The
// portable search steps one state at a time and compares the bits instead of
// converting each value; the AVX2 search holds sixteen consecutive states and
// moves each sixteen places per round, so one round tests sixteen draws.

#include <cstdint>

namespace RangeSearch {
struct Found {
    std::uint64_t nextState; // the state after the accepted one
    std::uint64_t draws; // values drawn, the accepted one included
    std::uint32_t bits; // its output
};

Found oneLane(std::uint64_t state, std::uint32_t lowest, std::uint32_t highest);
// Only to be called where the processor has AVX2.
Found sixteenLanes(std::uint64_t state, std::uint32_t lowest, std::uint32_t highest);
bool avx2Available();
} // namespace RangeSearch
