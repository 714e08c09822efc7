#include "drills/multiply/MultiplySetWindow.h"

#include "common/DistinctTexts.h"
#include "drills/multiply/Multiplication.h"
#include "random/DistinctDraws.h"

#include <map>
#include <memory>

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

// Kinds of the same digit counts share their factor pairs: one set never
// holds a pair twice, whichever kinds draw it. The pairs used belong to the set.
std::variant<std::vector<SetKind>, QString> distinctSetKinds(const std::vector<CheckedKind>& checked)
{
    std::map<std::pair<int, int>, std::int64_t> wanted;
    for (const CheckedKind& kind : checked) {
        wanted[{ kind.first, kind.second }] += kind.count;
    }
    auto indices = std::make_shared<std::map<std::pair<int, int>, DistinctIndices>>();
    for (const auto& [digits, count] : wanted) {
        const std::int64_t distinct = Multiplication::distinctCount(digits.first, digits.second);
        if (distinct < count) {
            return DistinctTexts::countMessage(distinct);
        }
        indices->emplace(digits, DistinctIndices(distinct, count));
    }
    std::vector<SetKind> kinds;
    for (const CheckedKind& kind : checked) {
        const int first = kind.first;
        const int second = kind.second;
        kinds.push_back({ kind.count, [indices, first, second](RandomSource& random) {
                             const std::int64_t index = indices->at({ first, second }).next(random);
                             const Factors f = Multiplication::factorsAt(first, second, index);
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
        multiplySetKinds, false, distinctSetKinds };
}
} // namespace

MultiplySetWindow::MultiplySetWindow(DrillEnvironment& environment, QWidget* parent)
    : SetDrillWindow(environment, multiplySetDefinition(), parent)
{
}
