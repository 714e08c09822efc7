// SPDX-License-Identifier: GPL-3.0-or-later
#include "questions/Question.h"

#include <numeric>

namespace {
std::optional<std::int64_t> apply(Op op, std::int64_t left, std::int64_t right, std::int64_t unit)
{
    switch (op) {
    case Op::Add:
        return left + right;
    case Op::Subtract:
        if (left < right) {
            return std::nullopt;
        }
        return left - right;
    case Op::Multiply:
        // Scaled numbers: (l / u) × (r / u) = l × r / u², kept in u.
        if ((left * right) % unit != 0) {
            return std::nullopt;
        }
        return left * right / unit;
    case Op::Divide:
        if (right == 0 || (left * unit) % right != 0) {
            return std::nullopt;
        }
        return left * unit / right;
    }
    return std::nullopt;
}

std::int64_t unitOf(int places)
{
    std::int64_t unit = 1;
    for (int i = 0; i < places; ++i) {
        unit *= 10;
    }
    return unit;
}

Rational reduced(std::int64_t numerator, std::int64_t denominator)
{
    const std::int64_t common = std::gcd(numerator, denominator);
    return { numerator / common, denominator / common };
}

// One step on exact fractions: nothing below 0, nothing divided by 0.
std::optional<Rational> applyExactly(Op op, Rational left, Rational right)
{
    switch (op) {
    case Op::Add:
        return reduced(left.numerator * right.denominator + right.numerator * left.denominator,
            left.denominator * right.denominator);
    case Op::Subtract:
        if (left < right) {
            return std::nullopt;
        }
        return reduced(left.numerator * right.denominator - right.numerator * left.denominator,
            left.denominator * right.denominator);
    case Op::Multiply:
        return reduced(left.numerator * right.numerator, left.denominator * right.denominator);
    case Op::Divide:
        if (right.numerator == 0) {
            return std::nullopt;
        }
        return reduced(left.numerator * right.denominator, left.denominator * right.numerator);
    }
    return std::nullopt;
}

// A question with fractions, worked out in the order of operations.
std::optional<Rational> fractionValue(const Question& question)
{
    if (question.places != 0 || question.withRemainder || question.terms < 2 || question.terms > 3) {
        return std::nullopt;
    }
    const auto number = [&](int i) { return Questions::numberValue(question, i); };
    if (question.terms == 2) {
        return applyExactly(question.ops[0], number(0), number(1));
    }
    const int first = Questions::firstPair(question.ops, question.brackets);
    const auto inner
        = applyExactly(question.ops[static_cast<std::size_t>(first)], number(first), number(first + 1));
    if (!inner) {
        return std::nullopt;
    }
    const Op outer = question.ops[static_cast<std::size_t>(1 - first)];
    return first == 0 ? applyExactly(outer, *inner, number(2)) : applyExactly(outer, number(0), *inner);
}

// The answer as the question wants it written: a whole number; in lowest
// terms; or, unreduced, over the question's common denominator when it is a
// whole number of those parts.
void writeAnswer(Question& question, Rational answer)
{
    std::int64_t denominator = answer.denominator;
    if (question.unreduced && denominator > 1) {
        std::int64_t common = 1;
        for (int i = 0; i < question.terms; ++i) {
            common = std::lcm(common, std::int64_t { question.denominators[static_cast<std::size_t>(i)] });
        }
        if (common % denominator == 0) {
            denominator = common;
        }
    }
    question.answer = answer.numerator * (denominator / answer.denominator);
    question.answerDenominator = static_cast<std::int32_t>(denominator);
}
} // namespace

Rational Questions::numberValue(const Question& question, int index)
{
    const auto at = static_cast<std::size_t>(index);
    if (question.denominators[at] != 1) {
        return reduced(question.numbers[at], question.denominators[at]);
    }
    return reduced(question.numbers[at], unitOf(question.places));
}

Rational Questions::answerValue(const Question& question)
{
    if (question.answerDenominator != 1) {
        return reduced(question.answer, question.answerDenominator);
    }
    return reduced(question.answer, unitOf(question.places));
}

std::optional<Rational> Questions::value(const Question& question)
{
    if (question.hasFractions()) {
        return fractionValue(question);
    }
    const auto working = work(question);
    if (!working) {
        return std::nullopt;
    }
    return reduced(working->answer, unitOf(question.places));
}

int Questions::precedence(Op op)
{
    return op == Op::Multiply || op == Op::Divide ? 1 : 0;
}

int Questions::firstPair(const std::array<Op, 2>& ops, Brackets brackets)
{
    if (brackets != Brackets::None) {
        return brackets == Brackets::First ? 0 : 1;
    }
    return precedence(ops[1]) > precedence(ops[0]) ? 1 : 0;
}

std::optional<Working> Questions::work(const Question& question)
{
    if (question.hasFractions()) {
        return std::nullopt;
    }
    Working working;
    const std::int64_t unit = unitOf(question.places);
    const auto& n = question.numbers;
    if (question.terms == 2) {
        if (question.withRemainder) {
            if (question.ops[0] != Op::Divide || question.places != 0 || n[1] == 0 || n[0] % n[1] == 0) {
                return std::nullopt;
            }
            working.steps[0] = { Op::Divide, n[0], n[1], n[0] / n[1] };
            working.stepCount = 1;
            working.answer = n[0] / n[1];
            working.remainder = n[0] % n[1];
            return working;
        }
        const auto result = apply(question.ops[0], n[0], n[1], unit);
        if (!result) {
            return std::nullopt;
        }
        working.steps[0] = { question.ops[0], n[0], n[1], *result };
        working.stepCount = 1;
        working.answer = *result;
        return working;
    }
    if (question.terms != 3 || question.withRemainder) {
        return std::nullopt;
    }
    const int first = firstPair(question.ops, question.brackets);
    const Op innerOp = question.ops[static_cast<std::size_t>(first)];
    const Op outerOp = question.ops[static_cast<std::size_t>(1 - first)];
    const std::int64_t innerLeft = n[static_cast<std::size_t>(first)];
    const std::int64_t innerRight = n[static_cast<std::size_t>(first) + 1];
    const auto inner = apply(innerOp, innerLeft, innerRight, unit);
    if (!inner) {
        return std::nullopt;
    }
    const std::int64_t outerLeft = first == 0 ? *inner : n[0];
    const std::int64_t outerRight = first == 0 ? n[2] : *inner;
    const auto outer = apply(outerOp, outerLeft, outerRight, unit);
    if (!outer) {
        return std::nullopt;
    }
    working.steps[0] = { innerOp, innerLeft, innerRight, *inner };
    working.steps[1] = { outerOp, outerLeft, outerRight, *outer };
    working.stepCount = 2;
    working.answer = *outer;
    return working;
}

bool Questions::complete(Question& question)
{
    if (question.hasFractions()) {
        const auto answer = fractionValue(question);
        if (!answer) {
            return false;
        }
        writeAnswer(question, *answer);
        question.remainder = 0;
        return true;
    }
    if (question.terms == 2 && !question.withRemainder) {
        // One step, as work() does it, without its record of the steps.
        const auto result
            = apply(question.ops[0], question.numbers[0], question.numbers[1], unitOf(question.places));
        if (!result) {
            return false;
        }
        question.answer = *result;
        question.remainder = 0;
        return true;
    }
    const auto working = work(question);
    if (!working) {
        return false;
    }
    question.answer = working->answer;
    question.remainder = working->remainder;
    return true;
}

std::optional<Question> Questions::make(Question question)
{
    if (!complete(question)) {
        return std::nullopt;
    }
    return question;
}

bool Questions::bracketsMatter(const Question& question)
{
    if (question.brackets == Brackets::None) {
        return false;
    }
    Question bare = question;
    bare.brackets = Brackets::None;
    if (question.hasFractions()) {
        const auto with = value(question);
        const auto without = value(bare);
        return !with || !without || *with != *without;
    }
    const auto with = work(question);
    const auto without = work(bare);
    return !with || !without || with->answer != without->answer;
}
