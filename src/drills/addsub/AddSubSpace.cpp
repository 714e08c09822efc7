// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/addsub/AddSubSpace.h"

#include "random/Draws.h"

#include <algorithm>

namespace {
// Which digit pairs (x of the first operand, y of the second) a column allows.
enum class PairRule { Any, NoCarry, Carry, NoBorrow, Borrow, Greater, Equal };

bool allows(PairRule rule, int x, int y)
{
    switch (rule) {
    case PairRule::Any:
        return true;
    case PairRule::NoCarry:
        return x + y <= 9;
    case PairRule::Carry:
        return x + y >= 10;
    case PairRule::NoBorrow:
        return x >= y;
    case PairRule::Borrow:
        return x < y;
    case PairRule::Greater:
        return x > y;
    case PairRule::Equal:
        break;
    }
    return x == y;
}

// The digits an operand of `digits` digits may have in column `column`: a
// leading digit is never 0 (a one-digit operand is 1 to 9), nor a decimal's
// last one, and above its leading digit an operand has only 0.
std::pair<int, int> digitRange(int digits, int column, bool decimal)
{
    if (column >= digits) {
        return { 0, 0 };
    }
    return { column == digits - 1 || (decimal && column == 0) ? 1 : 0, 9 };
}

using Rules = std::vector<PairRule>;

// Blocks of columns with a first column (from the ones) where `special`
// holds: below it `before` holds, above it anything.
std::vector<Rules> firstColumnWhere(int columns, PairRule before, PairRule special, PairRule after)
{
    std::vector<Rules> blocks;
    for (int k = 0; k < columns; ++k) {
        Rules rules(static_cast<std::size_t>(columns), after);
        std::fill_n(rules.begin(), k, before);
        rules[static_cast<std::size_t>(k)] = special;
        blocks.push_back(rules);
    }
    return blocks;
}

// Subtractions of two numbers of the same digit count with a >= b: a = b, or
// the highest column where they differ, t, has the larger digit in a. With
// borrowing wanted, some column below t borrows (the first such, k).
std::vector<Rules> equalLengthSubtractions(int columns, CarryChoice carry)
{
    std::vector<Rules> blocks;
    if (carry == CarryChoice::Any) {
        blocks.push_back(Rules(static_cast<std::size_t>(columns), PairRule::Equal));
    }
    for (int t = 0; t < columns; ++t) {
        Rules top(static_cast<std::size_t>(columns), PairRule::Equal);
        top[static_cast<std::size_t>(t)] = PairRule::Greater;
        if (carry == CarryChoice::Any) {
            std::fill_n(top.begin(), t, PairRule::Any);
            blocks.push_back(top);
            continue;
        }
        for (const Rules& low : firstColumnWhere(t, PairRule::NoBorrow, PairRule::Borrow, PairRule::Any)) {
            Rules rules = top;
            std::copy(low.begin(), low.end(), rules.begin());
            blocks.push_back(rules);
        }
    }
    return blocks;
}

std::vector<Rules> digitBlocks(int columns, bool subtract, bool sameLength, CarryChoice carry)
{
    const auto all = [columns](PairRule rule) {
        return std::vector<Rules> { Rules(static_cast<std::size_t>(columns), rule) };
    };
    if (!subtract) {
        switch (carry) {
        case CarryChoice::Any:
            return all(PairRule::Any);
        case CarryChoice::Never:
            return all(PairRule::NoCarry);
        case CarryChoice::Always:
            break;
        }
        return firstColumnWhere(columns, PairRule::NoCarry, PairRule::Carry, PairRule::Any);
    }
    if (carry == CarryChoice::Never) {
        return all(PairRule::NoBorrow);
    }
    if (sameLength) {
        return equalLengthSubtractions(columns, carry);
    }
    // A longer first number is always the larger one.
    return carry == CarryChoice::Any
        ? all(PairRule::Any)
        : firstColumnWhere(columns, PairRule::NoBorrow, PairRule::Borrow, PairRule::Any);
}
} // namespace

bool AddSubtract::carries(std::int64_t a, std::int64_t b)
{
    int carry = 0;
    bool carried = false;
    for (; a > 0 || b > 0; a /= 10, b /= 10) {
        carry = (a % 10 + b % 10 + carry) >= 10 ? 1 : 0;
        carried = carried || carry == 1;
    }
    return carried;
}

bool AddSubtract::borrows(std::int64_t a, std::int64_t b)
{
    int borrow = 0;
    bool borrowed = false;
    for (; a > 0 || b > 0; a /= 10, b /= 10) {
        borrow = (a % 10 - borrow) < b % 10 ? 1 : 0;
        borrowed = borrowed || borrow == 1;
    }
    return borrowed;
}

AddSubSpace::AddSubSpace(const OperandRule& operands, bool subtract, CarryChoice carry,
    std::optional<std::int64_t> resultLimit, int places)
    : m_subtract(subtract)
{
    if (const auto* limit = std::get_if<LimitOperands>(&operands)) {
        // Both operands 1 … limit and the result 0 … limit, as the drill draws them.
        Column column { 1, {} };
        for (int a = 1; a <= limit->limit; ++a) {
            for (int b = 1; b <= limit->limit; ++b) {
                const int result = subtract ? a - b : a + b;
                const bool regrouped = subtract ? AddSubtract::borrows(a, b) : AddSubtract::carries(a, b);
                if (result >= 0 && result <= limit->limit
                    && (subtract ? a : result) <= resultLimit.value_or(limit->limit)
                    && (carry == CarryChoice::Any || regrouped == (carry == CarryChoice::Always))) {
                    column.pairs.emplace_back(a, b);
                }
            }
        }
        addBlock({ column });
        return;
    }
    const auto& digits = std::get<DigitOperands>(operands);
    // A subtraction takes the larger digit count first, as the drill does.
    const int first = subtract ? std::max(digits.firstDigits, digits.secondDigits) : digits.firstDigits;
    const int second = subtract ? std::min(digits.firstDigits, digits.secondDigits) : digits.secondDigits;
    const int columns = std::max(first, second);
    for (const Rules& rules : digitBlocks(columns, subtract, first == second, carry)) {
        std::vector<Column> block;
        for (int c = 0; c < columns; ++c) {
            Column column { Draws::powerOfTen(c), {} };
            const auto [xLow, xHigh] = digitRange(first, c, places > 0);
            const auto [yLow, yHigh] = digitRange(second, c, places > 0);
            for (int x = xLow; x <= xHigh; ++x) {
                for (int y = yLow; y <= yHigh; ++y) {
                    if (allows(rules[static_cast<std::size_t>(c)], x, y)) {
                        column.pairs.emplace_back(x, y);
                    }
                }
            }
            block.push_back(std::move(column));
        }
        addBlock(std::move(block));
    }
}

void AddSubSpace::addBlock(std::vector<Column> columns)
{
    std::int64_t count = 1;
    for (const Column& column : columns) {
        count *= static_cast<std::int64_t>(column.pairs.size());
    }
    if (count > 0) {
        m_blocks.push_back({ std::move(columns), count });
        m_count += count;
    }
}

AddSubQuestion AddSubSpace::at(std::int64_t index) const
{
    auto block = m_blocks.begin();
    while (index >= block->count) {
        index -= block->count;
        ++block;
    }
    AddSubQuestion question { 0, 0, m_subtract };
    for (const Column& column : block->columns) {
        const auto size = static_cast<std::int64_t>(column.pairs.size());
        const auto& [x, y] = column.pairs[static_cast<std::size_t>(index % size)];
        index /= size;
        question.a += x * column.place;
        question.b += y * column.place;
    }
    return question;
}
