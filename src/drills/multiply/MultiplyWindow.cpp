#include "drills/multiply/MultiplyWindow.h"

#include "drills/multiply/Multiplication.h"

namespace {
OperandRowDrill multiplyDrill(MultiplyGrade grade)
{
    const bool middle = grade == MultiplyGrade::Middle;
    // Middle grades start at 3 × 1 digits, upper grades at 3 × 2.
    return { Multiplication::stage(grade) + QStringLiteral("乘算"), QStringLiteral("第一因数位数"),
        QStringLiteral("第二因数位数"), 3, middle ? 1 : 2, 1, Multiplication::kMaxFirstDigits, 1,
        Multiplication::kMaxSecondDigits, false, MultiplyTexts::kDigitsMessage,
        middle ? MultiplyTexts::kMiddleGradeCountsMessage
               : RowDrill::countsMessage(Multiplication::kLayoutLimits),
        [grade](int d1, int d2) { return Multiplication::sheet(grade, d1, d2); },
        Multiplication::writeNextQuestion,
        middle ? std::function<NumberedQuestions(int, int)>() : [](int d1, int d2) {
            return NumberedQuestions { Multiplication::distinctCount(d1, d2),
                [d1, d2](SheetLine& row, std::int64_t index, bool answers) {
                    Multiplication::writeQuestion(row, Multiplication::factorsAt(d1, d2, index), answers);
                } };
        } };
}
} // namespace

MultiplyWindow::MultiplyWindow(DrillEnvironment& environment, MultiplyGrade grade, QWidget* parent)
    : OperandRowWindow(environment, multiplyDrill(grade), parent)
{
}
