#include "drills/divide/Division.h"

#include "common/Flatten.h"
#include "drills/rows/RowDrill.h"
#include "random/RandomSource.h"

#include <QtGlobal>

bool DivisionRules::drawable(const DivisionKind& kind)
{
    return kind.dividendDigits >= kind.divisorDigits;
}

KindGridRules DivisionRules::gridRules()
{
    return { 1, kMaxDividendDigits, 1, kMaxDivisorDigits, 0, kMaxCount, DivisionTexts::kDigitsMessage,
        DivisionTexts::kCountMessage, DivisionTexts::kFewerDigitsMessage };
}

SetSheet DivisionRules::sheet()
{
    return { DivisionTexts::kTitle, DivisionTexts::kFilePrefix, kCellWidth };
}

void DivisionRules::writeQuestion(SheetLine& line, const DivisionQuestion& question, bool withAnswer)
{
    RowDrill::writeOperation(line, question.dividend, u"÷", question.divisor,
        withAnswer ? std::optional<std::int64_t>(question.quotient) : std::nullopt);
}

namespace {
void writeNextRowQuestion(
    SheetLine& row, RandomSource& random, int dividendDigits, int divisorDigits, bool withAnswer)
{
    DivisionRules::writeQuestion(row,
        DrawDivisionQuestion(random, { dividendDigits, divisorDigits, 1 }, QuotientDraw::InRange),
        withAnswer);
}
} // namespace

MIREVA_FLATTEN bool DivisionRules::runRows(const OperandRun& run, SheetOutputs& outputs)
{
    return RowDrill::runDrawn<writeNextRowQuestion>(run, outputs);
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
                                const DivisionQuestion q = DrawDivisionQuestion(random, kind);
                                return SetEntry { DivisionRules::questionText(q), q.quotient };
                            } });
    }
    return setKinds;
}

std::vector<SetEntry> BuildDivisionSet(
    RandomSource& random, const std::array<DivisionKind, DivisionRules::kKinds>& kinds)
{
    return SetDrill::buildSet(random, divisionSetKinds(kinds));
}

QString FormatDivisionCell(const QString& text, std::int64_t quotient, bool answers)
{
    return SetDrill::formatCell(text, quotient, answers, DivisionRules::kCellWidth);
}
