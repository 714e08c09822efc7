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
