// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The draws the question rules share: a whole number trunc(r × high) from a
// source of values 0 <= r < 1, drawn again until it is large enough; the
// values r that give whole numbers in a range; and the powers of ten that
// digit counts turn into.

#include "random/RandomSource.h"

#include <QtGlobal>
#include <array>
#include <cstdint>
#include <type_traits>

namespace Draws {
// Operands have at most six digits.
inline constexpr std::array<std::int64_t, 7> kPowersOfTen { 1, 10, 100, 1000, 10000, 100000, 1000000 };

// 10^exponent for exponent 0 to 6.
inline std::int64_t powerOfTen(int exponent)
{
    Q_ASSERT(exponent >= 0 && exponent < static_cast<int>(kPowersOfTen.size()));
    return kPowersOfTen[static_cast<std::size_t>(exponent)];
}

// The digits of a number that is not negative (one for 0).
inline int digitCount(std::int64_t value)
{
    int digits = 1;
    for (; value >= 10; value /= 10) {
        ++digits;
    }
    return digits;
}

// The 24 bits v of the values r = v / 2^24 with lowest <= trunc(r × high) <= highest,
// for 0 <= lowest <= highest < high <= 2^24. trunc(r × high) is floor(v × high / 2^24)
// exactly and grows with v, so they form one range.
struct BitsRange {
    std::uint32_t lowest;
    std::uint32_t highest;
};

inline BitsRange bitsScalingInto(std::int64_t high, std::int64_t lowest, std::int64_t highest)
{
    Q_ASSERT(0 <= lowest && lowest <= highest && highest < high && high <= (std::int64_t { 1 } << 24));
    constexpr std::int64_t kScale = std::int64_t { 1 } << 24;
    const auto ceilingOfScaled = [high](std::int64_t n) { return (n * kScale + high - 1) / high; };
    return { static_cast<std::uint32_t>(ceilingOfScaled(lowest)),
        static_cast<std::uint32_t>(ceilingOfScaled(highest + 1) - 1) };
}

// How many of the whole numbers 1 … x are not multiples of m (m >= 2), and
// the k-th of them, counting from 0: k = q(m − 1) + (r − 1) stands for qm + r.
inline std::int64_t nonMultiplesUpTo(std::int64_t x, std::int64_t m)
{
    return x - x / m;
}
inline std::int64_t nonMultipleAt(std::int64_t k, std::int64_t m)
{
    return k / (m - 1) * m + k % (m - 1) + 1;
}

// trunc(r × k) for a fresh value r: from the shared source in whole numbers,
// from any other source (tests hand chosen values) through its next().
template <typename Source> std::int64_t below(Source& source, std::int64_t k)
{
    if constexpr (std::is_same_v<Source, RandomSource>) {
        return source.below(k);
    } else {
        return RandomSource::truncScaled(source.next(), k);
    }
}

// trunc(r × high) for fresh values r, drawn again while below lowest. The
// value is always below high, as r is below 1.
template <typename Source> std::int64_t atLeast(Source& source, std::int64_t lowest, std::int64_t high)
{
    std::int64_t value = 0;
    do {
        value = below(source, high);
    } while (value < lowest);
    return value;
}
} // namespace Draws
