// SPDX-License-Identifier: GPL-3.0-or-later
#include "questions/QuestionText.h"

#include "output/SheetLine.h"

char16_t QuestionText::sign(Op op)
{
    switch (op) {
    case Op::Add:
        return SheetSigns::kPlus;
    case Op::Subtract:
        return SheetSigns::kMinus;
    case Op::Multiply:
        return SheetSigns::kTimes;
    case Op::Divide:
        break;
    }
    return SheetSigns::kDivide;
}

void QuestionText::write(SheetLine& line, const Question& question, bool withAnswer)
{
    const auto number = [&](std::int64_t value) { line.appendDecimal(value, question.places); };
    for (int i = 0; i < question.terms; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (i > 0) {
            line.appendSign(sign(question.ops[at - 1]));
        }
        const bool opens = (question.brackets == Brackets::First && i == 0)
            || (question.brackets == Brackets::Last && i == 1);
        if (opens) {
            line.appendAscii('(');
        }
        number(question.numbers[at]);
        const bool closes = (question.brackets == Brackets::First && i == 1)
            || (question.brackets == Brackets::Last && i == 2);
        if (closes) {
            line.appendAscii(')');
        }
    }
    line.appendAscii('=');
    if (!withAnswer) {
        return;
    }
    number(question.answer);
    if (question.withRemainder) {
        line.appendText(SheetSigns::kRemainderMark);
        line.appendNumber(question.remainder);
    }
}

QString QuestionText::text(const Question& question, bool withAnswer)
{
    SheetLine line;
    write(line, question, withAnswer);
    return line.text();
}

int QuestionText::length(const Question& question)
{
    return static_cast<int>(text(question, true).size());
}
