// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The addition or subtraction questions that a sheet's settings allow, with
// or without carrying (borrowing), counted exactly and numbered so that a
// question can be drawn uniformly among them or without repeats. Digit-count
// questions are described column by column, from the ones up: blocks that do
// not overlap, each fixing which digit pairs may stand in each column, so a
// count is a product and a number is a mixed-radix number. Questions within a
// limit are few and simply listed.

#include "drills/addsub/AddSubtract.h"

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace AddSubtract {
// True when adding a and b carries in some column, column by column from the ones.
bool carries(std::int64_t a, std::int64_t b);
// True when taking b from a (a >= b) borrows in some column.
bool borrows(std::int64_t a, std::int64_t b);
} // namespace AddSubtract

class AddSubSpace {
public:
    // resultLimit: within a kindergarten limit, the result (a subtraction's
    // minuend) at most this as well. places: digit-count operands are
    // decimals with that many places, so their last digit is never 0.
    AddSubSpace(const OperandRule& operands, bool subtract, CarryChoice carry,
        std::optional<std::int64_t> resultLimit = std::nullopt, int places = 0);

    std::int64_t count() const { return m_count; }
    // index from 0 to count() − 1.
    AddSubQuestion at(std::int64_t index) const;

private:
    struct Column {
        std::int64_t place; // the value of one unit in this column
        std::vector<std::pair<int, int>> pairs; // first and second operand digits
    };
    struct Block {
        std::vector<Column> columns;
        std::int64_t count;
    };

    void addBlock(std::vector<Column> columns);

    bool m_subtract;
    std::vector<Block> m_blocks;
    std::int64_t m_count = 0;
};
