// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every question of one shape under the step rules, counted and numbered
// without listing them: a question is a first step (the one the order of
// operations does first) whose result v goes into the second step with one
// more number. For each v from 0 to the results' limit the number of first
// steps giving v and of second steps taking v are counted in closed form (or
// from a table of factor pairs), so counting costs one pass over v and the
// i-th question one search among the running totals. Where the division may
// not undo the multiplication before it (a×b÷c in the tables), v's count is
// summed over its few factor pairs.

#include "questions/StepRules.h"

#include <memory>
#include <vector>

// Factor pairs of the numbers up to the results' limit under one set of step
// rules, shared by the shapes that need them.
class StepTables {
public:
    explicit StepTables(const StepRules& rules);

    const StepRules& rules() const { return m_rules; }
    // The first factors x of x×y = v (both factors allowed), smallest first.
    std::pair<const int*, const int*> factors(std::int64_t v) const;
    // The divisors z of v ÷ z = q (divisor and quotient allowed), smallest first.
    std::pair<const int*, const int*> divisors(std::int64_t v) const;

private:
    StepRules m_rules;
    std::vector<int> m_factorStart;
    std::vector<int> m_factors;
    std::vector<int> m_divisorStart;
    std::vector<int> m_divisors;
};

class ShapeSpace {
public:
    ShapeSpace(const Shape& shape, std::shared_ptr<const StepTables> tables);

    const Shape& shape() const { return m_shape; }
    const StepRules& rules() const { return m_tables->rules(); }
    std::int64_t count() const { return m_total.back(); }
    // The index-th question (0 ≤ index < count()), with its answer.
    Question at(std::int64_t index) const;
    bool contains(const Question& question) const;

private:
    std::int64_t firstCount(std::int64_t v) const;
    std::pair<std::int64_t, std::int64_t> firstAt(std::int64_t v, std::int64_t k) const;
    std::int64_t secondCount(std::int64_t v) const;
    std::int64_t secondAt(std::int64_t v, std::int64_t k) const;
    // a×b÷c under rules where the division may not take a or b: the second
    // step's count hangs on the first pair, so v's questions are counted pair by pair.
    std::int64_t undoingCount(std::int64_t v) const;
    Question undoingAt(std::int64_t v, std::int64_t k) const;

    Shape m_shape;
    std::shared_ptr<const StepTables> m_tables;
    int m_first = 0; // the pair worked out first: 0 the first two numbers, 1 the last two
    Op m_firstOp = Op::Add;
    Op m_secondOp = Op::Add;
    bool m_undoing = false; // a division that may not undo the multiplication before it
    std::vector<std::int64_t> m_total; // m_total[v]: the questions whose first result is below v
};
