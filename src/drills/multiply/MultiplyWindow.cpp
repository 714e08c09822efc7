#include "drills/multiply/MultiplyWindow.h"

#include "drills/multiply/Multiplication.h"

namespace {
OperandRowDrill multiplyDrill(MultiplyGrade grade)
{
    const bool middle = grade == MultiplyGrade::Middle;
    const QString stage = middle ? QStringLiteral("中段") : QStringLiteral("高段");
    // Middle grades start at 3 × 1 digits, upper grades at 3 × 2.
    return { stage + QStringLiteral("乘算"), QStringLiteral("第一因数位数"), QStringLiteral("第二因数位数"),
        3, middle ? 1 : 2, 1, Multiplication::kMaxFirstDigits, 1, Multiplication::kMaxSecondDigits, false,
        MultiplyTexts::kDigitsMessage,
        middle ? MultiplyTexts::kMiddleGradeCountsMessage : MultiplyTexts::kCountsMessage,
        [stage, middle](int d1, int d2) {
            return Multiplication::sheet(stage, d1, d2,
                middle ? Multiplication::cellWidth(d1) : Multiplication::alignedCellWidth(d1, d2));
        },
        Multiplication::writeNextQuestion };
}
} // namespace

MultiplyWindow::MultiplyWindow(DrillEnvironment& environment, MultiplyGrade grade, QWidget* parent)
    : OperandRowWindow(environment, multiplyDrill(grade), parent)
{
}
