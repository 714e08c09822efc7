// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/multiply/Multiplication.h"

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
    RowDrill::writeOperation(line, factors.a, SheetSigns::kTimes, factors.b,
        withAnswer ? std::optional(factors.a * factors.b) : std::nullopt);
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

bool Multiplication::runRows(const OperandRun& run, SheetOutputs& outputs)
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

RowSheet Multiplication::sheet(const MultiplyGradeRules& grade, int firstDigits, int secondDigits, int places)
{
    const QString stem = RowDrill::operandStem(grade.stage, firstDigits, QStringLiteral("乘"), secondDigits);
    if (places > 0) {
        return RowDrill::namedSheet(
            stem + RowDrill::placesName(places), decimalCellWidth(firstDigits, secondDigits, places));
    }
    const int width
        = grade.alignedCells ? alignedCellWidth(firstDigits, secondDigits) : cellWidth(firstDigits);
    return RowDrill::namedSheet(stem, width);
}

std::int64_t Multiplication::decimalFactorCount(int digits)
{
    const std::int64_t lowest = Draws::powerOfTen(digits - 1) + 1;
    return Draws::nonMultiplesUpTo(Draws::powerOfTen(digits) - 1, 10)
        - Draws::nonMultiplesUpTo(lowest - 1, 10);
}

std::int64_t Multiplication::decimalFactorAt(int digits, std::int64_t index)
{
    return Draws::nonMultipleAt(Draws::nonMultiplesUpTo(Draws::powerOfTen(digits - 1), 10) + index, 10);
}

DecimalFactors Multiplication::drawDecimalFactors(
    RandomSource& random, int firstDigits, int secondDigits, int places)
{
    const bool decimalSecond = random.below(2) == 1;
    const std::int64_t a = decimalFactorAt(firstDigits, random.below(decimalFactorCount(firstDigits)));
    const std::int64_t b = decimalSecond
        ? decimalFactorAt(secondDigits, random.below(decimalFactorCount(secondDigits)))
        : drawOperand(random, secondDigits);
    return { a, b, places, decimalSecond ? places : 0 };
}

std::int64_t Multiplication::decimalDistinctCount(int firstDigits, int secondDigits)
{
    return decimalFactorCount(firstDigits) * (factorCount(secondDigits) + decimalFactorCount(secondDigits));
}

DecimalFactors Multiplication::decimalFactorsAt(
    int firstDigits, int secondDigits, int places, std::int64_t index)
{
    const std::int64_t seconds = factorCount(secondDigits) + decimalFactorCount(secondDigits);
    const std::int64_t a = decimalFactorAt(firstDigits, index / seconds);
    const std::int64_t second = index % seconds;
    if (second < factorCount(secondDigits)) {
        return { a, Draws::powerOfTen(secondDigits - 1) + 1 + second, places, 0 };
    }
    return { a, decimalFactorAt(secondDigits, second - factorCount(secondDigits)), places, places };
}

void Multiplication::writeDecimalQuestion(SheetLine& line, const DecimalFactors& factors, bool withAnswer)
{
    line.appendDecimal(factors.a, factors.aPlaces);
    line.appendSign(SheetSigns::kTimes);
    line.appendDecimal(factors.b, factors.bPlaces);
    line.appendAscii('=');
    if (withAnswer) {
        // The product of the two whole numbers has the places of both.
        line.appendDecimal(factors.a * factors.b, factors.aPlaces + factors.bPlaces);
    }
}

int Multiplication::decimalCellWidth(int firstDigits, int secondDigits, int places)
{
    // A decimal of d digits and p places is written with its point, and with
    // "0." before it when it is below 1.
    const auto written = [](int digits, int p) { return std::max(digits + 1, p + 2); };
    const int longest = written(firstDigits, places) + 1 + written(secondDigits, places) + 1
        + written(firstDigits + secondDigits, 2 * places);
    return std::max(alignedCellWidth(firstDigits, secondDigits), longest + 2);
}

bool Multiplication::runDecimalRows(const OperandRun& run, SheetOutputs& outputs)
{
    return RowDrill::run(
        run.sheet, run.layout,
        [&](SheetLine& row) {
            writeDecimalQuestion(row,
                drawDecimalFactors(run.random, run.firstDigits, run.secondDigits, run.option), run.answers);
        },
        outputs);
}
