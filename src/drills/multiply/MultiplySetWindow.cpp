#include "drills/multiply/MultiplySetWindow.h"

#include "drills/multiply/Multiplication.h"

namespace {
std::vector<SetKind> multiplySetKinds(const std::vector<CheckedKind>& checked)
{
    std::vector<SetKind> kinds;
    for (const CheckedKind& kind : checked) {
        const int first = kind.first;
        const int second = kind.second;
        kinds.push_back({ kind.count, [first, second](RandomSource& random) {
                             const Factors f = Multiplication::drawFactors(random, first, second);
                             return SetEntry { Multiplication::questionText(f, false), f.a * f.b };
                         } });
    }
    return kinds;
}

SetDrillDefinition multiplySetDefinition()
{
    const KindGridRules rules { 1, Multiplication::kMaxFirstDigits, 1, Multiplication::kMaxSecondDigits, 0,
        50, SetDrillTexts::kDigitsMessage, SetDrillTexts::kCountMessage, QString() };
    return { MultiplySetTexts::kDrillName, QStringLiteral("第一因数位数"), QStringLiteral("第二因数位数"),
        { { { 2, 1, 30 }, { 3, 1, 30 }, { 2, 2, 20 }, { 3, 2, 0 } } }, rules,
        { MultiplySetTexts::kTitle, MultiplySetTexts::kFilePrefix, MultiplySetTexts::kCellWidth },
        multiplySetKinds, false };
}
} // namespace

MultiplySetWindow::MultiplySetWindow(DrillEnvironment& environment, QWidget* parent)
    : SetDrillWindow(environment, multiplySetDefinition(), parent)
{
}
