// SPDX-License-Identifier: GPL-3.0-or-later
#include "questions/ShapeSpace.h"

#include <QtGlobal>
#include <algorithm>

namespace {
// Lists, for each v up to highest, the values first(pair) of the pairs that make v.
template <typename Pairs>
void fillTable(std::int64_t highest, std::vector<int>& start, std::vector<int>& values, const Pairs& eachPair)
{
    std::vector<int> counts(static_cast<std::size_t>(highest) + 2, 0);
    eachPair([&](std::int64_t v, std::int64_t) { ++counts[static_cast<std::size_t>(v) + 1]; });
    for (std::size_t v = 1; v < counts.size(); ++v) {
        counts[v] += counts[v - 1];
    }
    start = counts;
    values.assign(static_cast<std::size_t>(start.back()), 0);
    eachPair([&](std::int64_t v, std::int64_t x) {
        values[static_cast<std::size_t>(counts[static_cast<std::size_t>(v)]++)] = static_cast<int>(x);
    });
}

std::int64_t rangeCount(std::int64_t low, std::int64_t high)
{
    return std::max<std::int64_t>(0, high - low + 1);
}
} // namespace

StepTables::StepTables(const StepRules& rules)
    : m_rules(rules)
{
    const std::int64_t highest = rules.results;
    const std::int64_t factor = rules.largestFactor();
    // x × y = v, both factors 2 … factor; pairs listed by x, smallest first.
    fillTable(highest, m_factorStart, m_factors, [&](const auto& take) {
        for (std::int64_t x = 2; x <= factor && 2 * x <= highest; ++x) {
            for (std::int64_t y = 2; y <= factor && x * y <= highest; ++y) {
                take(x * y, x);
            }
        }
    });
    // v ÷ z = q, the divisor z 2 … factor, the quotient q from the smallest to the largest quotient.
    const std::int64_t quotient = rules.largestQuotient();
    fillTable(highest, m_divisorStart, m_divisors, [&](const auto& take) {
        for (std::int64_t z = 2; z <= factor && z <= highest; ++z) {
            for (std::int64_t q = rules.smallestQuotient(); q <= quotient && z * q <= highest; ++q) {
                take(z * q, z);
            }
        }
    });
}

std::pair<const int*, const int*> StepTables::factors(std::int64_t v) const
{
    const auto at = static_cast<std::size_t>(v);
    return { m_factors.data() + m_factorStart[at], m_factors.data() + m_factorStart[at + 1] };
}

std::pair<const int*, const int*> StepTables::divisors(std::int64_t v) const
{
    const auto at = static_cast<std::size_t>(v);
    return { m_divisors.data() + m_divisorStart[at], m_divisors.data() + m_divisorStart[at + 1] };
}

ShapeSpace::ShapeSpace(const Shape& shape, std::shared_ptr<const StepTables> tables)
    : m_shape(shape)
    , m_tables(std::move(tables))
{
    m_first = shape.terms == 3 ? Questions::firstPair(shape.ops, shape.brackets) : 0;
    m_firstOp = shape.ops[static_cast<std::size_t>(m_first)];
    m_secondOp = shape.ops[static_cast<std::size_t>(1 - m_first)];
    m_undoing
        = shape.terms == 3 && m_first == 0 && rules().undoes({ m_firstOp, 2, 3, 6 }, { m_secondOp, 6, 3, 2 });
    const std::int64_t highest = rules().results;
    m_total.assign(static_cast<std::size_t>(highest) + 2, 0);
    const bool bracketsFit = shape.brackets == Brackets::None || shape.bracketsChange();
    for (std::int64_t v = 0; v <= highest; ++v) {
        std::int64_t here = 0;
        if (bracketsFit && m_undoing) {
            here = undoingCount(v);
        } else if (bracketsFit) {
            here = firstCount(v);
            if (here > 0 && shape.terms == 3) {
                here *= secondCount(v);
            }
        }
        m_total[static_cast<std::size_t>(v) + 1] = m_total[static_cast<std::size_t>(v)] + here;
    }
}

std::int64_t ShapeSpace::firstCount(std::int64_t v) const
{
    const std::int64_t most = rules().largest;
    switch (m_firstOp) {
    case Op::Add:
        return rangeCount(std::max<std::int64_t>(1, v - most), std::min(most, v - 1));
    case Op::Subtract:
        return std::max<std::int64_t>(0, most - v);
    case Op::Multiply: {
        const auto [begin, end] = m_tables->factors(v);
        return end - begin;
    }
    case Op::Divide:
        if (v < rules().smallestQuotient() || v > rules().largestQuotient()) {
            return 0;
        }
        return rangeCount(2, std::min(rules().largestFactor(), most / v));
    }
    return 0;
}

std::pair<std::int64_t, std::int64_t> ShapeSpace::firstAt(std::int64_t v, std::int64_t k) const
{
    switch (m_firstOp) {
    case Op::Add: {
        const std::int64_t x = std::max<std::int64_t>(1, v - rules().largest) + k;
        return { x, v - x };
    }
    case Op::Subtract:
        return { 1 + k + v, 1 + k };
    case Op::Multiply: {
        const std::int64_t x = m_tables->factors(v).first[k];
        return { x, v / x };
    }
    case Op::Divide:
        break;
    }
    return { v * (2 + k), 2 + k };
}

std::int64_t ShapeSpace::secondCount(std::int64_t v) const
{
    const std::int64_t most = rules().largest;
    const std::int64_t highest = rules().results;
    const std::int64_t factor = rules().largestFactor();
    const bool vLeft = m_first == 0;
    switch (m_secondOp) {
    case Op::Add:
        return rangeCount(1, std::min(most, highest - v));
    case Op::Subtract:
        return vLeft ? rangeCount(1, std::min(most, v))
                     : rangeCount(std::max<std::int64_t>(1, v), std::min(most, v + highest));
    case Op::Multiply:
        if (v < 2 || v > factor) {
            return 0;
        }
        return rangeCount(2, std::min(factor, highest / v));
    case Op::Divide:
        break;
    }
    if (vLeft) {
        const auto [begin, end] = m_tables->divisors(v);
        return end - begin;
    }
    if (v < 2 || v > factor) {
        return 0;
    }
    return rangeCount(rules().smallestQuotient(), std::min({ rules().largestQuotient(), most / v, highest }));
}

std::int64_t ShapeSpace::secondAt(std::int64_t v, std::int64_t k) const
{
    const bool vLeft = m_first == 0;
    switch (m_secondOp) {
    case Op::Add:
        return 1 + k;
    case Op::Subtract:
        return vLeft ? 1 + k : std::max<std::int64_t>(1, v) + k;
    case Op::Multiply:
        return 2 + k;
    case Op::Divide:
        break;
    }
    return vLeft ? m_tables->divisors(v).first[k] : v * (rules().smallestQuotient() + k);
}

std::int64_t ShapeSpace::undoingCount(std::int64_t v) const
{
    // Every divisor of v but the factors x and y of x×y = v (both divide v
    // with an allowed quotient, as factors are divisors and quotients alike).
    const std::int64_t divisors = secondCount(v);
    std::int64_t count = 0;
    for (std::int64_t k = 0; k < firstCount(v); ++k) {
        const auto [x, y] = firstAt(v, k);
        count += divisors - (x == y ? 1 : 2);
    }
    return count;
}

Question ShapeSpace::undoingAt(std::int64_t v, std::int64_t k) const
{
    const std::int64_t divisors = secondCount(v);
    for (std::int64_t pair = 0;; ++pair) {
        const auto [x, y] = firstAt(v, pair);
        const std::int64_t here = divisors - (x == y ? 1 : 2);
        if (k >= here) {
            k -= here;
            continue;
        }
        // The k-th divisor that is neither factor, smallest first.
        for (std::int64_t d = 0;; ++d) {
            const std::int64_t z = secondAt(v, d);
            if (z != x && z != y && k-- == 0) {
                return m_shape.question(x, y, z);
            }
        }
    }
}

Question ShapeSpace::at(std::int64_t index) const
{
    Q_ASSERT(index >= 0 && index < count());
    // The first result v whose questions hold the index.
    const auto it = std::upper_bound(m_total.begin(), m_total.end(), index);
    const std::int64_t v = (it - m_total.begin()) - 1;
    std::int64_t k = index - m_total[static_cast<std::size_t>(v)];
    Question question;
    if (m_undoing) {
        question = undoingAt(v, k);
    } else if (m_shape.terms == 2) {
        const auto [x, y] = firstAt(v, k);
        question = m_shape.question(x, y);
    } else {
        const std::int64_t seconds = secondCount(v);
        const auto [x, y] = firstAt(v, k / seconds);
        const std::int64_t z = secondAt(v, k % seconds);
        question = m_first == 0 ? m_shape.question(x, y, z) : m_shape.question(z, x, y);
    }
    const auto made = Questions::make(question);
    Q_ASSERT(made && rules().allows(*made));
    return *made;
}

bool ShapeSpace::contains(const Question& question) const
{
    if (question.terms != m_shape.terms || question.brackets != m_shape.brackets
        || question.ops[0] != m_shape.ops[0] || (m_shape.terms == 3 && question.ops[1] != m_shape.ops[1])) {
        return false;
    }
    return rules().allows(question);
}
