// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A question as a value: two or three numbers, the operators between them, at
// most one pair of brackets, and its answer, worked out once with the order of
// operations (× and ÷ before + and −, left to right within a level, brackets
// first). Numbers are exact: whole numbers, decimals of up to four places
// (held as whole numbers × 10^places) or fractions (numerator and
// denominator); a division of two numbers may be written with its remainder,
// 17÷5=3……2.

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

// An exact value: a fraction in lowest terms with a positive denominator (1
// for a whole number). Questions with fractions are worked out in these.
struct Rational {
    std::int64_t numerator = 0;
    std::int64_t denominator = 1;

    bool operator==(const Rational&) const = default;
    std::strong_ordering operator<=>(const Rational& other) const
    {
        return numerator * other.denominator <=> other.numerator * denominator;
    }
};

// The steps of a question in the order they are done, and its answer.
struct Working {
    std::array<Step, 2> steps {};
    int stepCount = 0;
    std::int64_t answer = 0;
    std::int64_t remainder = 0;
};

struct Question {
    std::array<std::int64_t, 3> numbers {}; // each × 10^places, or a fraction's numerator
    // A fraction's denominator (2 and more), or 1 for a whole number or decimal.
    std::array<std::int32_t, 3> denominators { 1, 1, 1 };
    std::array<Op, 2> ops {};
    std::uint8_t terms = 2;
    Brackets brackets = Brackets::None;
    std::uint8_t places = 0; // decimal places the numbers and the answer are counted in
    bool withRemainder = false; // a division of two numbers answered as quotient……remainder
    // A fraction answer keeps the question's denominator (2/8+3/8=5/8, not
    // 1/2); otherwise it is written in lowest terms. A whole answer is whole.
    bool unreduced = false;
    std::int64_t answer = 0; // × 10^places, or a fraction's numerator
    std::int32_t answerDenominator = 1; // the answer as written: answer / answerDenominator
    std::int64_t remainder = 0;

    bool hasFractions() const { return denominators[0] != 1 || denominators[1] != 1 || denominators[2] != 1; }

    // The written question; equal questions have equal answers.
    auto operator<=>(const Question& other) const
    {
        return std::tie(numbers, ops, terms, brackets, places, withRemainder, denominators, unreduced)
            <=> std::tie(other.numbers, other.ops, other.terms, other.brackets, other.places,
                other.withRemainder, other.denominators, other.unreduced);
    }
    bool operator==(const Question& other) const { return (*this <=> other) == 0; }
};

namespace Questions {
int precedence(Op op);
// Which pair of numbers is worked out first: 0 for the first two, 1 for the last two.
int firstPair(const std::array<Op, 2>& ops, Brackets brackets);

// Works the question out: every step's result a whole number (in its places)
// from 0 up and every division exact, except a division of two numbers with
// its remainder (a remainder of 0 is then refused too). Nothing when it fails
// or when the question has fractions (see value()).
std::optional<Working> work(const Question& question);

// The exact value of a question's answer, worked out step by step in
// fractions when it has any (every step from 0 up, nothing divided by 0),
// else as work() does. Nothing when it does not work out.
std::optional<Rational> value(const Question& question);
// A number of the question, or its answer, as an exact value.
Rational numberValue(const Question& question, int index);
Rational answerValue(const Question& question);

// The question with its answer filled in, or nothing when it does not work out.
std::optional<Question> make(Question question);
// Fills in the answer in place; false when the question does not work out.
bool complete(Question& question);

// Whether removing the brackets gives another answer (or none).
bool bracketsMatter(const Question& question);
} // namespace Questions
