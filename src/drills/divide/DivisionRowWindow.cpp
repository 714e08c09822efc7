#include "drills/divide/DivisionRowWindow.h"

#include "drills/divide/Division.h"
#include "drills/divide/DivisionRowSpace.h"
#include "drills/multiply/Multiplication.h"

#include <memory>

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
        },
        [](int d1, int d2) {
            auto space = std::make_shared<const DivisionRowSpace>(d1, d2);
            return NumberedQuestions { space->count(),
                [space](SheetLine& row, std::int64_t index, bool answers) {
                    DivisionRules::writeQuestion(row, space->at(index), answers);
                } };
        } };
}
} // namespace

DivisionRowWindow::DivisionRowWindow(DrillEnvironment& environment, QWidget* parent)
    : OperandRowWindow(environment, divisionRowDrill(), parent)
{
}
