// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/addsub/AddSubChainSpace.h"

#include "random/Draws.h"

#include <algorithm>

namespace {
// State bits: each step's carry or borrow into the next column, whether
// each step has carried (borrowed) yet, and whether each number so far (the
// first, then each result) is within the limit in the columns done.
unsigned carryBit(std::size_t step)
{
    return 1U << step;
}
unsigned carriedBit(std::size_t step)
{
    return 1U << (2 + step);
}
unsigned withinBit(std::size_t number)
{
    return 1U << (4 + number);
}

// The digits a number of `digits` digits may have in column `column`: a
// leading digit is never 0, nor a decimal's last one, and above the leading
// digit only 0.
std::pair<int, int> digitRange(int digits, int column, bool decimal)
{
    if (column >= digits) {
        return { 0, 0 };
    }
    return { column == digits - 1 || (decimal && column == 0) ? 1 : 0, 9 };
}
} // namespace

AddSubChainSpace::AddSubChainSpace(ChainShape shape)
    : m_shape(std::move(shape))
{
    const int longest = *std::max_element(m_shape.digits.begin(), m_shape.digits.end());
    // One column more than the longest number or limit, for the last carry.
    m_columns = std::max(longest, m_shape.limit ? Draws::digitCount(*m_shape.limit) : 0) + 1;
    std::int64_t limit = m_shape.limit.value_or(-1);
    for (int c = 0; c < m_columns; ++c) {
        m_limitDigits.push_back(limit < 0 ? 9 : static_cast<int>(limit % 10));
        limit = limit < 0 ? limit : limit / 10;
    }
    m_completions.assign(static_cast<std::size_t>(m_columns) + 1, {});
    for (State state = 0; state < kStates; ++state) {
        m_completions.back()[state] = finished(state) ? 1 : 0;
    }
    for (int c = m_columns - 1; c >= 0; --c) {
        auto& here = m_completions[static_cast<std::size_t>(c)];
        const auto& above = m_completions[static_cast<std::size_t>(c) + 1];
        for (State state = 0; state < kStates; ++state) {
            std::int64_t ways = 0;
            forEachDigits(c, [&](const std::array<int, 3>& digits) {
                const State after = next(state, c, digits);
                ways += after < kStates ? above[after] : 0;
                return false;
            });
            here[state] = ways;
        }
    }
}

AddSubChainSpace::State AddSubChainSpace::initialState() const
{
    State state = 0;
    for (std::size_t n = 0; n < m_shape.digits.size(); ++n) {
        state |= withinBit(n);
    }
    return state;
}

AddSubChainSpace::State AddSubChainSpace::next(
    State state, int column, const std::array<int, 3>& digits) const
{
    const int limitDigit = m_limitDigits[static_cast<std::size_t>(column)];
    State after = 0;
    // Within the limit so far: a lower digit here, or an equal one and within below.
    const auto within = [&](std::size_t number, int digit) {
        if (digit < limitDigit || (digit == limitDigit && (state & withinBit(number)))) {
            after |= withinBit(number);
        }
    };
    int value = digits[0];
    within(0, value);
    for (std::size_t step = 0; step < m_shape.subtract.size(); ++step) {
        const int in = (state & carryBit(step)) ? 1 : 0;
        int out = 0;
        if (m_shape.subtract[step]) {
            value -= digits[step + 1] + in;
            out = value < 0 ? 1 : 0;
            value += 10 * out;
        } else {
            value += digits[step + 1] + in;
            out = value >= 10 ? 1 : 0;
            value -= 10 * out;
        }
        if (out == 1 && m_shape.carry == CarryChoice::Never) {
            return kStates;
        }
        after |= (out ? carryBit(step) : 0) | ((out || (state & carriedBit(step))) ? carriedBit(step) : 0);
        within(step + 1, value);
    }
    return after;
}

bool AddSubChainSpace::finished(State state) const
{
    for (std::size_t step = 0; step < m_shape.subtract.size(); ++step) {
        // A carry left over would need another column; a borrow left over is a result below 0.
        if (state & carryBit(step)) {
            return false;
        }
        if (m_shape.carry == CarryChoice::Always && !(state & carriedBit(step))) {
            return false;
        }
    }
    for (std::size_t n = 0; n < m_shape.digits.size(); ++n) {
        if (!(state & withinBit(n))) {
            return false;
        }
    }
    return true;
}

template <typename Visit> void AddSubChainSpace::forEachDigits(int column, const Visit& visit) const
{
    std::array<std::pair<int, int>, 3> ranges { { { 0, 0 }, { 0, 0 }, { 0, 0 } } };
    for (std::size_t n = 0; n < m_shape.digits.size(); ++n) {
        ranges[n] = digitRange(m_shape.digits[n], column, m_shape.decimals);
    }
    std::array<int, 3> digits {};
    for (digits[0] = ranges[0].first; digits[0] <= ranges[0].second; ++digits[0]) {
        for (digits[1] = ranges[1].first; digits[1] <= ranges[1].second; ++digits[1]) {
            for (digits[2] = ranges[2].first; digits[2] <= ranges[2].second; ++digits[2]) {
                if (visit(digits)) {
                    return;
                }
            }
        }
    }
}

ChainQuestion AddSubChainSpace::at(std::int64_t index) const
{
    ChainQuestion question { { 0, 0, 0 }, { false, false }, static_cast<int>(m_shape.digits.size()) };
    for (std::size_t step = 0; step < m_shape.subtract.size(); ++step) {
        question.subtract[step] = m_shape.subtract[step];
    }
    State state = initialState();
    std::int64_t place = 1;
    for (int c = 0; c < m_columns; ++c, place *= 10) {
        const auto& above = m_completions[static_cast<std::size_t>(c) + 1];
        forEachDigits(c, [&](const std::array<int, 3>& digits) {
            const State after = next(state, c, digits);
            const std::int64_t ways = after < kStates ? above[after] : 0;
            if (index >= ways) {
                index -= ways;
                return false;
            }
            for (std::size_t n = 0; n < 3; ++n) {
                question.numbers[n] += digits[n] * place;
            }
            state = after;
            return true;
        });
    }
    return question;
}
