// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The PCG32 (XSH RR) generator's step and output, shared by the random source
// and the search that skips ahead in its sequence.

#include <cstdint>

namespace Pcg32 {
inline constexpr std::uint64_t kMultiplier = 6364136223846793005ULL;
inline constexpr std::uint64_t kIncrement = 1442695040888963407ULL;

// The state that follows a state.
constexpr std::uint64_t nextState(std::uint64_t state)
{
    return state * kMultiplier + kIncrement;
}

// The 32 output bits of a state.
constexpr std::uint32_t output(std::uint64_t state)
{
    const auto xorshifted = static_cast<std::uint32_t>(((state >> 18U) ^ state) >> 27U);
    const auto rot = static_cast<std::uint32_t>(state >> 59U);
    return (xorshifted >> rot) | (xorshifted << ((32U - rot) & 31U));
}
} // namespace Pcg32
