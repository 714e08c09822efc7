#include "drills/multiply/Multiplication.h"

#include "common/Flatten.h"
#include "drills/rows/RowDrill.h"
#include "random/Draws.h"

#include <algorithm>

std::int64_t Multiplication::drawOperand(RandomSource& random, int digits)
{
    return Draws::atLeast(random, Draws::powerOfTen(digits - 1) + 1, Draws::powerOfTen(digits));
}

Factors Multiplication::drawFactors(RandomSource& random, int firstDigits, int secondDigits)
{
    const std::int64_t a = drawOperand(random, firstDigits);
    const std::int64_t b = drawOperand(random, secondDigits);
    return { a, b };
}

namespace {
// The factors strictly between 10^(digits−1) and 10^digits.
std::int64_t factorCount(int digits)
{
    return Draws::powerOfTen(digits) - Draws::powerOfTen(digits - 1) - 1;
}
} // namespace

std::int64_t Multiplication::distinctCount(int firstDigits, int secondDigits)
{
    return factorCount(firstDigits) * factorCount(secondDigits);
}

Factors Multiplication::factorsAt(int firstDigits, int secondDigits, std::int64_t index)
{
    const std::int64_t seconds = factorCount(secondDigits);
    return { Draws::powerOfTen(firstDigits - 1) + 1 + index / seconds,
        Draws::powerOfTen(secondDigits - 1) + 1 + index % seconds };
}

void Multiplication::writeQuestion(SheetLine& line, const Factors& factors, bool withAnswer)
{
    RowDrill::writeOperation(
        line, factors.a, u"×", factors.b, withAnswer ? std::optional(factors.a * factors.b) : std::nullopt);
}

QString Multiplication::questionText(const Factors& factors, bool withAnswer)
{
    SheetLine line;
    writeQuestion(line, factors, withAnswer);
    return line.text();
}

namespace {
void writeNextQuestion(
    SheetLine& row, RandomSource& random, int firstDigits, int secondDigits, bool withAnswer)
{
    Multiplication::writeQuestion(
        row, Multiplication::drawFactors(random, firstDigits, secondDigits), withAnswer);
}
} // namespace

MIREVA_FLATTEN bool Multiplication::runRows(const OperandRun& run, SheetOutputs& outputs)
{
    return RowDrill::runDrawn<writeNextQuestion>(run, outputs);
}

int Multiplication::cellWidth(int firstDigits)
{
    return 6 * firstDigits;
}

int Multiplication::alignedCellWidth(int firstDigits, int secondDigits)
{
    return std::max(cellWidth(firstDigits), 2 * (firstDigits + secondDigits) + 4);
}

QString Multiplication::stage(MultiplyGrade grade)
{
    return grade == MultiplyGrade::Middle ? QStringLiteral("中段") : QStringLiteral("高段");
}

RowSheet Multiplication::sheet(MultiplyGrade grade, int firstDigits, int secondDigits)
{
    const int width = grade == MultiplyGrade::Middle ? cellWidth(firstDigits)
                                                     : alignedCellWidth(firstDigits, secondDigits);
    return RowDrill::namedSheet(
        RowDrill::operandStem(stage(grade), firstDigits, QStringLiteral("乘"), secondDigits), width);
}
