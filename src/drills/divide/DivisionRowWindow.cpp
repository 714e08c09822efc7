#include "drills/divide/DivisionRowWindow.h"

#include "drills/divide/Division.h"

namespace {
const QString kStage = QStringLiteral("高段");

QString sheetName(int dividendDigits, int divisorDigits)
{
    return kStage + QString::number(dividendDigits) + QStringLiteral("位除") + QString::number(divisorDigits)
        + QStringLiteral("位速算");
}

OperandRowDrill divisionRowDrill()
{
    return { kStage + QStringLiteral("除算"), QStringLiteral("被除数位数"), QStringLiteral("除数位数"), 3, 1, 2,
        DivisionRules::kMaxDividendDigits, 1, DivisionRules::kMaxDivisorDigits, true,
        DivisionRowTexts::kDigitsMessage,
        [](int d1, int d2) {
            return RowSheet { DivisionRowTexts::fileName(d1, d2), DivisionRowTexts::title(d1, d2),
                DivisionRules::kCellWidth };
        },
        [](SheetLine& row, RandomSource& random, int d1, int d2, bool answers) {
            DivisionRules::writeQuestion(row, DrawDivisionQuestion(random, { d1, d2, 1 }), answers);
        } };
}
} // namespace

QString DivisionRowTexts::fileName(int dividendDigits, int divisorDigits)
{
    return sheetName(dividendDigits, divisorDigits) + QStringLiteral(".xls");
}

QString DivisionRowTexts::title(int dividendDigits, int divisorDigits)
{
    return QStringLiteral("小学") + sheetName(dividendDigits, divisorDigits) + QStringLiteral("试题");
}

DivisionRowWindow::DivisionRowWindow(DrillEnvironment& environment, QWidget* parent)
    : OperandRowWindow(environment, divisionRowDrill(), parent)
{
}
