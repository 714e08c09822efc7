// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/chains/ChainRules.h"

namespace {
qsizetype textLength(int value)
{
    qsizetype length = value < 0 ? 2 : 1;
    for (int rest = value / 10; rest != 0; rest /= 10) {
        ++length;
    }
    return length;
}

// The value right-aligned in its field, as QString::number(value).rightJustified(width).
void appendField(SheetLine& line, int value)
{
    line.appendSpaces(std::max<qsizetype>(ChainRules::kFieldWidth - textLength(value), 0));
    line.appendNumber(value);
}
} // namespace

void ChainRules::writeTermLine(SheetLine& line, const ChainRow& row, int k)
{
    for (const ChainQuestion& question : row) {
        appendField(line, question.shown.at(static_cast<std::size_t>(k - 1)));
    }
}

void ChainRules::writeAnswerLine(SheetLine& line, const ChainRow& row)
{
    for (const ChainQuestion& question : row) {
        appendField(line, question.answer);
    }
}

QString ChainRules::formatAnswerUnderline(int questions)
{
    return kUnderlinePiece.repeated(std::max(questions, 0));
}

QString ChainRules::separatorLine(int questions)
{
    return kSeparatorPiece.repeated(std::max(questions, 0));
}
