// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes a question as the sheets write it: + - × ÷ as the other drills
// write them, brackets "(" ")", a remainder as 17÷5=3……2, decimals without
// trailing zeros, and no spaces inside a question.

#include "questions/Question.h"

#include <QString>

class SheetLine;

namespace QuestionText {
char16_t sign(Op op);
// Writes the question and, when asked, its answer after the "=".
void write(SheetLine& line, const Question& question, bool withAnswer);
QString text(const Question& question, bool withAnswer);
// Characters the question takes with its answer.
int length(const Question& question);
} // namespace QuestionText
