// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A question as a value: two or three numbers, the operators between them, at
// most one pair of brackets, and its answer, worked out once with the order of
// operations (× and ÷ before + and −, left to right within a level, brackets
// first). Numbers may carry one or two decimal places; a division of two
// numbers may be written with its remainder, 17÷5=3……2.

#include <array>
#include <compare>
#include <cstdint>
#include <optional>
#include <tuple>

enum class Op : std::uint8_t { Add, Subtract, Multiply, Divide };

// None; the first two numbers in brackets, (a+b)×c; or the last two, a×(b+c).
enum class Brackets : std::uint8_t { None, First, Last };

// One operation as it is really carried out, on the numbers it really takes.
struct Step {
    Op op;
    std::int64_t left;
    std::int64_t right;
    std::int64_t result;
};

// The steps of a question in the order they are done, and its answer.
struct Working {
    std::array<Step, 2> steps {};
    int stepCount = 0;
    std::int64_t answer = 0;
    std::int64_t remainder = 0;
};

struct Question {
    std::array<std::int64_t, 3> numbers {}; // each × 10^places
    std::array<Op, 2> ops {};
    std::uint8_t terms = 2;
    Brackets brackets = Brackets::None;
    std::uint8_t places = 0; // decimal places the numbers and the answer are counted in
    bool withRemainder = false; // a division of two numbers answered as quotient……remainder
    std::int64_t answer = 0; // × 10^places
    std::int64_t remainder = 0;

    // The written question; equal questions have equal answers.
    auto operator<=>(const Question& other) const
    {
        return std::tie(numbers, ops, terms, brackets, places, withRemainder) <=> std::tie(
                   other.numbers, other.ops, other.terms, other.brackets, other.places, other.withRemainder);
    }
    bool operator==(const Question& other) const { return (*this <=> other) == 0; }
};

namespace Questions {
int precedence(Op op);
// Which pair of numbers is worked out first: 0 for the first two, 1 for the last two.
int firstPair(const std::array<Op, 2>& ops, Brackets brackets);

// Works the question out: every step's result a whole number (in its places)
// from 0 up and every division exact, except a division of two numbers with
// its remainder (a remainder of 0 is then refused too). Nothing when it fails.
std::optional<Working> work(const Question& question);

// The question with its answer filled in, or nothing when it does not work out.
std::optional<Question> make(Question question);

// Whether removing the brackets gives another answer (or none).
bool bracketsMatter(const Question& question);
} // namespace Questions
