#pragma once
// The distinct questions of the upper-grade division in rows: every divisor
// of the divisor digits with every quotient that puts the dividend inside its
// digit count, numbered divisor by divisor.

#include "drills/divide/Division.h"

#include <cstdint>
#include <vector>

class DivisionRowSpace {
public:
    DivisionRowSpace(int dividendDigits, int divisorDigits);

    std::int64_t count() const { return m_before.back(); }
    // index from 0 to count() − 1.
    DivisionQuestion at(std::int64_t index) const;

private:
    DivisionBounds m_bounds;
    // m_before[k]: the questions of the divisors below divisorLow + 1 + k.
    std::vector<std::int64_t> m_before;
};
