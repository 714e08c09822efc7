// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes a question as the sheets write it: + - × ÷ as the other drills
// write them, brackets "(" ")", a remainder as 17÷5=3……2, decimals without
// trailing zeros and with a 0 before the point below one, a fraction as
// "3/5", and no spaces inside a question.

#include "questions/Question.h"

#include <QString>
#include <vector>

class SheetLine;

// One piece of a written question, for a painter that draws some pieces its
// own way (a fraction stacked, numerator over denominator).
struct QuestionPart {
    enum class Kind : std::uint8_t {
        Number, // a whole number or decimal: "12", "0.35"
        Fraction, // "3/5"; numerator and denominator apart
        Operator, // + - × ÷
        Bracket, // ( )
        Equals, // =
        RemainderMark, // …… before a remainder
    };
    Kind kind = Kind::Number;
    QString text; // as the sheet file writes it
    QString numerator; // a fraction's
    QString denominator;

    bool operator==(const QuestionPart&) const = default;
};

namespace QuestionText {
char16_t sign(Op op);
// Writes the question and, when asked, its answer after the "=".
void write(SheetLine& line, const Question& question, bool withAnswer);
QString text(const Question& question, bool withAnswer);
// The question's pieces in writing order; their texts joined are text().
std::vector<QuestionPart> parts(const Question& question, bool withAnswer);
// Characters the question takes with its answer (counted, not written).
int length(const Question& question);
} // namespace QuestionText
