// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The distinct questions of the upper-grade division in rows: every divisor
// of the divisor digits with every quotient that puts the dividend inside its
// digit count (or, with remainders, every dividend there above the divisor
// that the divisor does not divide), numbered divisor by divisor.

#include "drills/divide/Division.h"

#include <cstdint>
#include <vector>

class DivisionRowSpace {
public:
    DivisionRowSpace(int dividendDigits, int divisorDigits, bool remainders = false);

    std::int64_t count() const { return m_before.back(); }
    // index from 0 to count() − 1.
    DivisionQuestion at(std::int64_t index) const;

private:
    DivisionBounds m_bounds;
    bool m_remainders;
    // m_before[k]: the questions of the divisors below divisorLow + 1 + k.
    std::vector<std::int64_t> m_before;
};
