// SPDX-License-Identifier: GPL-3.0-or-later
#include "random/RangeSearch.h"

#include "random/Pcg32.h"

#include <array>

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#define MIREVA_HAVE_AVX2_SEARCH 1
#include <immintrin.h>
#endif

namespace {

struct Jump {
    std::uint64_t multiplier;
    std::uint64_t increment;
};

// The step that moves a state n places at once: s -> s × multiplier + increment.
constexpr Jump jump(int places)
{
    Jump j { 1, 0 };
    for (int i = 0; i < places; ++i) {
        j = { j.multiplier * Pcg32::kMultiplier, j.increment * Pcg32::kMultiplier + Pcg32::kIncrement };
    }
    return j;
}

constexpr int kLanes = 16;
constexpr Jump kLaneJump = jump(kLanes);
} // namespace

RangeSearch::Found RangeSearch::oneLane(std::uint64_t state, std::uint32_t lowest, std::uint32_t highest)
{
    const std::uint32_t width = highest - lowest;
    for (std::uint64_t draws = 1;; ++draws) {
        const std::uint64_t old = state;
        state = Pcg32::nextState(old);
        const std::uint32_t bits = Pcg32::output(old);
        if ((bits >> 8) - lowest <= width) {
            return { state, draws, bits };
        }
    }
}

#ifdef MIREVA_HAVE_AVX2_SEARCH
namespace {
__attribute__((target("avx2"))) inline __m256i advance(
    __m256i s, __m256i multiplierLow, __m256i multiplierSwapped, __m256i increment)
{
    // s × multiplier mod 2^64 from 32-bit halves: low × low in full, plus
    // the two cross products, of which only their low 32 bits count, in the
    // high half.
    const __m256i lowLow = _mm256_mul_epu32(s, multiplierLow);
    const __m256i cross = _mm256_mullo_epi32(s, multiplierSwapped);
    const __m256i crossSum = _mm256_and_si256(_mm256_add_epi64(cross, _mm256_slli_epi64(cross, 32)),
        _mm256_set1_epi64x(static_cast<long long>(0xFFFFFFFF00000000ULL)));
    return _mm256_add_epi64(_mm256_add_epi64(lowLow, crossSum), increment);
}

// All ones in a lane whose output lies outside the range. The output is
// formed in the top half of the lane: the 32 xorshifted bits are doubled
// into both halves and shifted left by 32 − rotation. Its low half is
// whatever the shift brought along, which the range allows for.
__attribute__((target("avx2"))) inline __m256i rejected(__m256i s, __m256i bias, __m256i limit)
{
    const __m256i thirtyTwo = _mm256_set1_epi64x(32);
    const __m256i xorshifted = _mm256_srli_epi64(_mm256_xor_si256(_mm256_srli_epi64(s, 18), s), 27);
    const __m256i doubled = _mm256_shuffle_epi32(xorshifted, 0xA0);
    const __m256i rotated = _mm256_sllv_epi64(doubled, _mm256_sub_epi64(thirtyTwo, _mm256_srli_epi64(s, 59)));
    return _mm256_cmpgt_epi64(_mm256_add_epi64(rotated, bias), limit);
}
} // namespace

__attribute__((target("avx2"))) RangeSearch::Found RangeSearch::sixteenLanes(
    std::uint64_t state, std::uint32_t lowest, std::uint32_t highest)
{
    // The output's top 24 bits, at the top of a lane, lie in the range
    // exactly when lane − lowest << 40, taken without sign, is at most the
    // range's width with all lower bits set. Flipping the sign bit on both
    // sides lets the signed compare of AVX2 decide that.
    const std::uint64_t low = static_cast<std::uint64_t>(lowest) << 40U;
    const std::uint64_t width = (static_cast<std::uint64_t>(highest - lowest) << 40U) | 0xFFFFFFFFFFULL;
    constexpr std::uint64_t kSign = 1ULL << 63U;
    const __m256i bias = _mm256_set1_epi64x(static_cast<long long>(kSign - low));
    const __m256i limit = _mm256_set1_epi64x(static_cast<long long>(width ^ kSign));
    const std::uint64_t m = kLaneJump.multiplier;
    const __m256i mulLow = _mm256_set1_epi64x(static_cast<long long>(m & 0xFFFFFFFFU));
    const __m256i mulSwapped = _mm256_set1_epi64x(static_cast<long long>((m >> 32U) | (m << 32U)));
    const __m256i inc = _mm256_set1_epi64x(static_cast<long long>(kLaneJump.increment));

    alignas(32) std::array<std::uint64_t, kLanes> states {};
    for (std::uint64_t& s : states) {
        s = state;
        state = Pcg32::nextState(state);
    }
    const auto* lanes = reinterpret_cast<const __m256i*>(states.data());
    __m256i s0 = _mm256_load_si256(lanes);
    __m256i s1 = _mm256_load_si256(lanes + 1);
    __m256i s2 = _mm256_load_si256(lanes + 2);
    __m256i s3 = _mm256_load_si256(lanes + 3);
    for (std::uint64_t drawn = 0;; drawn += kLanes) {
        const __m256i none
            = _mm256_and_si256(_mm256_and_si256(rejected(s0, bias, limit), rejected(s1, bias, limit)),
                _mm256_and_si256(rejected(s2, bias, limit), rejected(s3, bias, limit)));
        if (_mm256_movemask_epi8(none) != -1) {
            _mm256_store_si256(reinterpret_cast<__m256i*>(states.data()), s0);
            _mm256_store_si256(reinterpret_cast<__m256i*>(states.data() + 4), s1);
            _mm256_store_si256(reinterpret_cast<__m256i*>(states.data() + 8), s2);
            _mm256_store_si256(reinterpret_cast<__m256i*>(states.data() + 12), s3);
            for (int i = 0; i < kLanes; ++i) {
                const std::uint64_t old = states[static_cast<std::size_t>(i)];
                const std::uint32_t bits = Pcg32::output(old);
                if ((bits >> 8) - lowest <= highest - lowest) {
                    return { Pcg32::nextState(old), drawn + static_cast<std::uint64_t>(i) + 1, bits };
                }
            }
        }
        s0 = advance(s0, mulLow, mulSwapped, inc);
        s1 = advance(s1, mulLow, mulSwapped, inc);
        s2 = advance(s2, mulLow, mulSwapped, inc);
        s3 = advance(s3, mulLow, mulSwapped, inc);
    }
}

bool RangeSearch::avx2Available()
{
    static const bool available = __builtin_cpu_supports("avx2");
    return available;
}
#else
RangeSearch::Found RangeSearch::sixteenLanes(std::uint64_t state, std::uint32_t lowest, std::uint32_t highest)
{
    return oneLane(state, lowest, highest);
}

bool RangeSearch::avx2Available()
{
    return false;
}
#endif
