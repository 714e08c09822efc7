#include "drills/multiply/MultiplyWindow.h"

#include "drills/multiply/Multiplication.h"

namespace {
OperandRowDrill multiplyDrill(const QString& stage, int firstDigits, int secondDigits)
{
    return { stage + QStringLiteral("乘算"), QStringLiteral("第一因数位数"), QStringLiteral("第二因数位数"),
        firstDigits, secondDigits, 1, Multiplication::kMaxFirstDigits, 1, Multiplication::kMaxSecondDigits, false,
        MultiplyTexts::kDigitsMessage,
        [stage](int d1, int d2) { return Multiplication::sheet(stage, d1, d2); },
        Multiplication::writeNextQuestion };
}
} // namespace

MultiplyWindow::MultiplyWindow(DrillEnvironment& environment, const QString& stage, int firstDigits,
    int secondDigits, QWidget* parent)
    : OperandRowWindow(environment, multiplyDrill(stage, firstDigits, secondDigits), parent)
{
}
