#include "drills/divide/DivisionWindow.h"

#include "drills/divide/Division.h"

namespace {
SetDrillDefinition divisionDefinition()
{
    return { DivisionTexts::kDrillName, QStringLiteral("被除数位数"), QStringLiteral("除数位数"),
        { { { 2, 1, 30 }, { 3, 1, 30 }, { 3, 2, 20 }, { 4, 2, 0 } } }, DivisionRules::gridRules(),
        DivisionRules::sheet(),
        [](const std::vector<CheckedKind>& checked) {
            std::array<DivisionKind, DivisionRules::kKinds> kinds {};
            for (std::size_t k = 0; k < kinds.size() && k < checked.size(); ++k) {
                kinds[k] = { checked[k].first, checked[k].second, checked[k].count };
            }
            return divisionSetKinds(kinds);
        },
        true };
}
} // namespace

DivisionWindow::DivisionWindow(DrillEnvironment& environment, QWidget* parent)
    : SetDrillWindow(environment, divisionDefinition(), parent)
{
}
