// SPDX-License-Identifier: GPL-3.0-or-later
#include "random/RandomSource.h"

#include "random/RangeSearch.h"

bool RandomSource::avx2Available()
{
    return RangeSearch::avx2Available();
}

float RandomSource::nextWithin(std::uint32_t lowest, std::uint32_t highest)
{
    return nextWithin(lowest, highest, avx2Available() ? SearchLanes::Avx2 : SearchLanes::One);
}

float RandomSource::nextWithin(std::uint32_t lowest, std::uint32_t highest, SearchLanes lanes)
{
    const RangeSearch::Found found = lanes == SearchLanes::Avx2 && avx2Available()
        ? RangeSearch::sixteenLanes(m_state, lowest, highest)
        : RangeSearch::oneLane(m_state, lowest, highest);
    m_state = found.nextState;
    m_draws += found.draws;
    return valueOf(found.bits);
}

RandomSource RandomSource::forSheet(std::uint32_t number)
{
    // The number is spread over all 64 bits (SplitMix64's finaliser), so
    // neighbouring numbers start far apart in the sequence, then seeded as
    // PCG32 seeds a state: one step, add the seed, one more step.
    std::uint64_t seed = number + 0x9e3779b97f4a7c15ULL;
    seed = (seed ^ (seed >> 30U)) * 0xbf58476d1ce4e5b9ULL;
    seed = (seed ^ (seed >> 27U)) * 0x94d049bb133111ebULL;
    seed ^= seed >> 31U;
    RandomSource source;
    source.m_state = Pcg32::nextState(Pcg32::nextState(0) + seed);
    return source;
}
