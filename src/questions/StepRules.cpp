// SPDX-License-Identifier: GPL-3.0-or-later
#include "questions/StepRules.h"

#include "random/Draws.h"

#include <algorithm>

bool StepRules::allows(const Step& step) const
{
    if (step.result < 0 || step.result > results) {
        return false;
    }
    switch (step.op) {
    case Op::Add:
        return true;
    case Op::Subtract:
        return step.left >= step.right;
    case Op::Multiply:
        return step.left >= 2 && step.right >= 2 && step.left <= largestFactor()
            && step.right <= largestFactor();
    case Op::Divide:
        return step.right >= 2 && step.right <= largestFactor() && step.result >= smallestQuotient()
            && step.result <= largestQuotient() && step.result * step.right == step.left;
    }
    return false;
}

bool StepRules::allows(const Question& question) const
{
    if (question.places != 0 || question.withRemainder) {
        return false;
    }
    for (int i = 0; i < question.terms; ++i) {
        const std::int64_t n = question.numbers[static_cast<std::size_t>(i)];
        if (n < 1 || n > largest) {
            return false;
        }
    }
    const auto working = Questions::work(question);
    if (!working || working->answer != question.answer) {
        return false;
    }
    for (int i = 0; i < working->stepCount; ++i) {
        if (!allows(working->steps[static_cast<std::size_t>(i)])) {
            return false;
        }
    }
    // A division undoes a multiplication only when it takes its result, as in 7×6÷6.
    if (working->stepCount == 2 && Questions::firstPair(question.ops, question.brackets) == 0
        && undoes(working->steps[0], working->steps[1])) {
        return false;
    }
    return question.brackets == Brackets::None || Questions::bracketsMatter(question);
}

bool Shape::bracketsChange() const
{
    const int first = Questions::precedence(ops[0]);
    const int second = Questions::precedence(ops[1]);
    switch (brackets) {
    case Brackets::None:
        return false;
    case Brackets::First:
        // (a+b)×c: the lower level first.
        return first < second;
    case Brackets::Last:
        break;
    }
    // a×(b+c); a−(b±c) and a÷(b×÷c) turn the inner operation round.
    return first > second || (first == second && (ops[0] == Op::Subtract || ops[0] == Op::Divide));
}

Question Shape::question(std::int64_t a, std::int64_t b, std::int64_t c) const
{
    Question q;
    q.numbers = { a, b, terms == 3 ? c : 0 };
    q.ops = { ops[0], terms == 3 ? ops[1] : Op::Add };
    q.terms = static_cast<std::uint8_t>(terms);
    q.brackets = brackets;
    return q;
}

int StepRules::widestText(const Shape& shape) const
{
    return shape.terms * Draws::digitCount(largest) + shape.terms + (shape.brackets == Brackets::None ? 0 : 2)
        + Draws::digitCount(results);
}
