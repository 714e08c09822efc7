// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Questions of two or three numbers of exact digit counts joined by + and −
// (a+b, a−b, a+b+c, a−b−c, a+b−c, a−b+c) under the sheet's rules, counted
// exactly and numbered so that one can be drawn uniformly among them: no
// result on the way below 0, no decimal number ending in 0, every step
// carrying (borrowing) or none as chosen, and with a limit the first number
// and every result on the way at most the limit. The questions are built column by column from the ones up;
// what a column passes on (each step's carry or borrow, whether it has
// carried, whether each number so far is still within the limit) is a small
// state, and the questions that complete each state are counted once.

#include "drills/addsub/AddSubtract.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

struct ChainQuestion {
    std::array<std::int64_t, 3> numbers;
    std::array<bool, 2> subtract; // the sign before the second and the third number
    int terms; // 2 or 3

    std::int64_t result() const
    {
        std::int64_t value = numbers[0];
        for (int i = 1; i < terms; ++i) {
            value += subtract[i - 1] ? -numbers[i] : numbers[i];
        }
        return value;
    }
};

struct ChainShape {
    std::vector<int> digits; // of each number, two or three
    std::vector<bool> subtract; // of each step, one fewer
    CarryChoice carry;
    std::optional<std::int64_t> limit;
    bool decimals = false; // each number's last digit is never 0
};

class AddSubChainSpace {
public:
    explicit AddSubChainSpace(ChainShape shape);

    std::int64_t count() const { return m_completions.front()[initialState()]; }
    // index from 0 to count() − 1.
    ChainQuestion at(std::int64_t index) const;

private:
    using State = unsigned;
    static constexpr State kStates = 1U << 7;

    State initialState() const;
    // The state after a column whose digits are `digits`, or kStates when a
    // step that must not carry does.
    State next(State state, int column, const std::array<int, 3>& digits) const;
    bool finished(State state) const;
    // Calls visit(digits) for every choice of digits the column allows, in order.
    template <typename Visit> void forEachDigits(int column, const Visit& visit) const;

    ChainShape m_shape;
    int m_columns;
    std::vector<int> m_limitDigits; // the limit's digits from the ones up; all 9 without a limit
    // m_completions[c][state]: the ways to fill columns c and above from state.
    std::vector<std::array<std::int64_t, kStates>> m_completions;
};
