// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of mixed-operation questions, step by step on the numbers each
// step really takes: every number written from 1 to `largest`; every result
// from 0 to `results`; a × step has factors of at least 2 (so nothing is
// multiplied by 1 or 0), a ÷ step is exact with a divisor of at least 2 and a
// quotient of at least 1; in the tables (表内) factors, divisors and
// quotients are at most 9, no step divides a number by itself (49÷7÷7,
// 57−9÷9) and no division undoes the multiplication just before it (7×6÷6,
// 7×6÷7). Brackets stand only where they change the answer.

#include "questions/Question.h"

#include <algorithm>

struct Shape;

struct StepRules {
    int largest = 100;
    int results = 100;
    bool withinTables = true; // 乘除在表内: factors, divisors and quotients at most 9

    bool operator==(const StepRules&) const = default;

    // The largest factor and divisor, and the largest quotient.
    std::int64_t largestFactor() const { return withinTables ? std::min(9, largest) : largest; }
    std::int64_t largestQuotient() const { return withinTables ? std::min(9, results) : results; }
    // In the tables a quotient of 1 would divide a number by itself.
    std::int64_t smallestQuotient() const { return withinTables ? 2 : 1; }
    // Whether a division right after a multiplication may take one of its factors.
    bool undoes(const Step& multiplication, const Step& division) const
    {
        return withinTables && multiplication.op == Op::Multiply && division.op == Op::Divide
            && division.left == multiplication.result
            && (division.right == multiplication.left || division.right == multiplication.right);
    }

    bool allows(const Step& step) const;
    // The most characters a question of the shape takes with its answer: every
    // number as long as the largest, the operators and "=", the brackets, and
    // the answer as long as the largest result.
    int widestText(const Shape& shape) const;
    // The question's written numbers, every step and its brackets.
    bool allows(const Question& question) const;
};

// Two or three numbers with their operators and brackets, the numbers left open.
struct Shape {
    int terms = 2;
    std::array<Op, 2> ops {};
    Brackets brackets = Brackets::None;

    bool operator==(const Shape&) const = default;

    // Whether brackets of this shape change the answer of every question it has.
    bool bracketsChange() const;
    Question question(std::int64_t a, std::int64_t b, std::int64_t c = 0) const;
};
