// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/divide/Division.h"

#include "drills/rows/RowDrill.h"
#include "random/RandomSource.h"

#include <QtGlobal>
#include <algorithm>

bool DivisionRules::drawable(const DivisionKind& kind)
{
    return kind.dividendDigits >= kind.divisorDigits;
}

KindGridRules DivisionRules::gridRules()
{
    return {
        .firstLow = 1,
        .firstHigh = kMaxDividendDigits,
        .secondLow = 1,
        .secondHigh = kMaxDivisorDigits,
        .countLow = 0,
        .countHigh = kMaxCount,
        .digitsMessage = DivisionTexts::kDigitsMessage,
        .countMessage = DivisionTexts::kCountMessage,
        .fewerDigitsMessage = DivisionTexts::kFewerDigitsMessage,
    };
}

SetSheet DivisionRules::sheet()
{
    return {
        .title = DivisionTexts::kTitle, .filePrefix = DivisionTexts::kFilePrefix, .cellWidth = kCellWidth
    };
}

void DivisionRules::writeQuestion(SheetLine& line, const DivisionQuestion& question, bool withAnswer)
{
    RowDrill::writeOperation(line, question.dividend, SheetSigns::kDivide, question.divisor,
        withAnswer ? std::optional<std::int64_t>(question.quotient) : std::nullopt);
}

namespace {
void writeNextRowQuestion(
    SheetLine& row, RandomSource& random, int dividendDigits, int divisorDigits, bool withAnswer)
{
    DivisionRules::writeQuestion(row,
        drawDivisionQuestion(random, { dividendDigits, divisorDigits, 1 }, QuotientDraw::InRange),
        withAnswer);
}
} // namespace

bool DivisionRules::runRows(const OperandRun& run, SheetOutputs& outputs)
{
    return RowDrill::runDrawn<writeNextRowQuestion>(run, outputs);
}

namespace {
// The dividends of a remainder question by this divisor: above it, and
// strictly inside their digit count.
std::int64_t lowestRemainderDividend(const DivisionBounds& bounds, std::int64_t divisor)
{
    return std::max(bounds.dividendLow + 1, divisor + 1);
}
} // namespace

DivisionBounds DivisionRules::remainderDivisors(const DivisionBounds& bounds)
{
    // A divisor leaves a remainder question while divisor + 1 is a dividend.
    return { bounds.dividendLow, bounds.dividendHigh, bounds.divisorLow,
        std::min(bounds.divisorHigh, bounds.dividendHigh - 1) };
}

std::int64_t DivisionRules::remainderDividendCount(const DivisionBounds& bounds, std::int64_t divisor)
{
    const std::int64_t lowest = lowestRemainderDividend(bounds, divisor);
    return Draws::nonMultiplesUpTo(bounds.dividendHigh - 1, divisor)
        - Draws::nonMultiplesUpTo(lowest - 1, divisor);
}

DivisionQuestion DivisionRules::remainderQuestionAt(
    const DivisionBounds& bounds, std::int64_t divisor, std::int64_t index)
{
    const std::int64_t dividend = Draws::nonMultipleAt(
        Draws::nonMultiplesUpTo(lowestRemainderDividend(bounds, divisor) - 1, divisor) + index, divisor);
    return { static_cast<std::int32_t>(dividend), static_cast<std::int32_t>(divisor),
        static_cast<std::int32_t>(dividend / divisor), static_cast<std::int32_t>(dividend % divisor) };
}

DivisionQuestion DivisionRules::drawRemainderQuestion(
    RandomSource& random, int dividendDigits, int divisorDigits)
{
    const DivisionBounds bounds = DivisionRules::bounds({ dividendDigits, divisorDigits, 1 });
    const DivisionBounds divisors = remainderDivisors(bounds);
    const std::int64_t divisor
        = divisors.divisorLow + 1 + random.below(divisors.divisorHigh - divisors.divisorLow - 1);
    return remainderQuestionAt(bounds, divisor, random.below(remainderDividendCount(bounds, divisor)));
}

void DivisionRules::writeRemainderQuestion(SheetLine& line, const DivisionQuestion& question, bool withAnswer)
{
    writeQuestion(line, question, withAnswer);
    if (withAnswer) {
        line.appendText(SheetSigns::kRemainderMark);
        line.appendNumber(question.remainder);
    }
}

int DivisionRules::remainderCellWidth(int dividendDigits, int divisorDigits)
{
    // dividend ÷ divisor = quotient (at most dividendDigits − divisorDigits + 1
    // digits) …… remainder (at most divisorDigits digits).
    const int longest = dividendDigits + 1 + divisorDigits + 1 + (dividendDigits - divisorDigits + 1)
        + static_cast<int>(SheetSigns::kRemainderMark.size()) + divisorDigits;
    return std::max(kCellWidth, longest + 3);
}

namespace {
void writeNextRemainderQuestion(
    SheetLine& row, RandomSource& random, int dividendDigits, int divisorDigits, bool withAnswer)
{
    DivisionRules::writeRemainderQuestion(
        row, DivisionRules::drawRemainderQuestion(random, dividendDigits, divisorDigits), withAnswer);
}
} // namespace

bool DivisionRules::runRemainderRows(const OperandRun& run, SheetOutputs& outputs)
{
    return RowDrill::runDrawn<writeNextRemainderQuestion>(run, outputs);
}

QString DivisionRules::questionText(const DivisionQuestion& question)
{
    SheetLine line;
    writeQuestion(line, question, false);
    return line.text();
}

Draws::BitsRange DivisionRules::fittingQuotientBits(const DivisionBounds& bounds, std::int64_t divisor)
{
    return Draws::bitsScalingInto(
        bounds.dividendHigh, bounds.dividendLow / divisor + 1, (bounds.dividendHigh - 1) / divisor);
}

std::vector<SetKind> divisionSetKinds(const std::array<DivisionKind, DivisionRules::kKinds>& kinds)
{
    std::vector<SetKind> setKinds;
    for (const DivisionKind& kind : kinds) {
        setKinds.push_back({ kind.count, [kind](RandomSource& random) {
                                const DivisionQuestion q = drawDivisionQuestion(random, kind);
                                return SetEntry { DivisionRules::questionText(q), q.quotient };
                            } });
    }
    return setKinds;
}
