#include "drills/divide/DivisionRowWindow.h"

#include "drills/divide/Division.h"
#include "drills/multiply/Multiplication.h"

namespace {
const QString kStage = QStringLiteral("高段");

OperandRowDrill divisionRowDrill()
{
    return { kStage + QStringLiteral("除算"), QStringLiteral("被除数位数"), QStringLiteral("除数位数"), 3, 1,
        2, DivisionRules::kMaxDividendDigits, 1, DivisionRules::kMaxDivisorDigits, true,
        DivisionRowTexts::kDigitsMessage, RowDrill::countsMessage(Multiplication::kLayoutLimits),
        [](int d1, int d2) {
            return RowDrill::namedSheet(
                RowDrill::operandStem(kStage, d1, QStringLiteral("除"), d2), DivisionRules::kCellWidth);
        },
        [](SheetLine& row, RandomSource& random, int d1, int d2, bool answers) {
            // A whole run can hold 400,000 questions: one draw per quotient
            // keeps the largest six-digit ÷ five-digit run to a moment.
            DivisionRules::writeQuestion(
                row, DrawDivisionQuestion(random, { d1, d2, 1 }, QuotientDraw::InRange), answers);
        } };
}
} // namespace

DivisionRowWindow::DivisionRowWindow(DrillEnvironment& environment, QWidget* parent)
    : OperandRowWindow(environment, divisionRowDrill(), parent)
{
}
