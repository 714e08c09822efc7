// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/divide/DivisionRowSpace.h"

#include <algorithm>

namespace {
std::int64_t lowestQuotient(const DivisionBounds& bounds, std::int64_t divisor)
{
    return bounds.dividendLow / divisor + 1;
}
} // namespace

DivisionRowSpace::DivisionRowSpace(int dividendDigits, int divisorDigits, bool remainders)
    : m_bounds(DivisionRules::bounds({ dividendDigits, divisorDigits, 1 }))
    , m_remainders(remainders)
{
    m_before.push_back(0);
    if (remainders) {
        const DivisionBounds divisors = DivisionRules::remainderDivisors(m_bounds);
        for (std::int64_t divisor = divisors.divisorLow + 1; divisor < divisors.divisorHigh; ++divisor) {
            m_before.push_back(m_before.back() + DivisionRules::remainderDividendCount(m_bounds, divisor));
        }
        return;
    }
    for (std::int64_t divisor = m_bounds.divisorLow + 1; divisor < m_bounds.divisorHigh; ++divisor) {
        const std::int64_t highest = (m_bounds.dividendHigh - 1) / divisor;
        m_before.push_back(
            m_before.back() + std::max<std::int64_t>(0, highest - lowestQuotient(m_bounds, divisor) + 1));
    }
}

DivisionQuestion DivisionRowSpace::at(std::int64_t index) const
{
    // The last divisor whose questions start at or before index.
    const auto next = std::upper_bound(m_before.begin(), m_before.end(), index);
    const auto k = static_cast<std::int64_t>(next - m_before.begin()) - 1;
    const std::int64_t divisor = m_bounds.divisorLow + 1 + k;
    if (m_remainders) {
        return DivisionRules::remainderQuestionAt(
            m_bounds, divisor, index - m_before[static_cast<std::size_t>(k)]);
    }
    const std::int64_t quotient
        = lowestQuotient(m_bounds, divisor) + index - m_before[static_cast<std::size_t>(k)];
    return { static_cast<std::int32_t>(quotient * divisor), static_cast<std::int32_t>(divisor),
        static_cast<std::int32_t>(quotient) };
}
