#include "shell/DrillRegistry.h"

#include "drills/addsub/AddSubWindow.h"
#include "drills/chains/ChainWindow.h"
#include "drills/divide/DivisionDrills.h"
#include "drills/multiply/MultiplyDrills.h"

namespace {
template <const ChainDrillDefinition& definition> std::unique_ptr<DrillWindow> chain(DrillEnvironment& e)
{
    return std::make_unique<ChainWindow>(e, definition);
}

template <AddSubDrill drill> std::unique_ptr<DrillWindow> addSub(DrillEnvironment& e)
{
    return std::make_unique<AddSubWindow>(e, addSubDrillDefinition(drill));
}

template <MultiplyGrade grade> std::unique_ptr<DrillWindow> multiplyRows(DrillEnvironment& e)
{
    return std::make_unique<OperandRowWindow>(e, MultiplyDrills::rows(grade));
}

std::unique_ptr<DrillWindow> divisionRows(DrillEnvironment& e)
{
    return std::make_unique<OperandRowWindow>(e, DivisionDrills::rows());
}

std::unique_ptr<DrillWindow> multiplySets(DrillEnvironment& e)
{
    return std::make_unique<SetDrillWindow>(e, MultiplyDrills::sets());
}

std::unique_ptr<DrillWindow> divisionSets(DrillEnvironment& e)
{
    return std::make_unique<SetDrillWindow>(e, DivisionDrills::sets());
}
} // namespace

const std::vector<DrillEntry>& DrillRegistry::drills()
{
    static const std::vector<DrillEntry> table {
        { "xqd", "j5", QStringLiteral("五笔加减"), QKeySequence(Qt::CTRL | Qt::Key_F5), "xqd5",
            chain<ChainDrills::kFiveTerm> },
        { "xqd", "j7", QStringLiteral("七笔加减"), QKeySequence(Qt::CTRL | Qt::Key_F7), "xqd7",
            chain<ChainDrills::kSevenTerm> },
        { "xqd", "j10", QStringLiteral("十笔加减"), QKeySequence(Qt::CTRL | Qt::Key_A), "xqd10",
            chain<ChainDrills::kTenTerm> },
        { "dd", "ddjj", QStringLiteral("低段加减"), QKeySequence(Qt::CTRL | Qt::Key_B), "ddjj1",
            addSub<AddSubDrill::Lower> },
        { "zd", "zdjj", QStringLiteral("中段加减"), QKeySequence(Qt::CTRL | Qt::Key_C), "zdjj1",
            addSub<AddSubDrill::Middle> },
        { "zd", "zdcs", QStringLiteral("中段乘算"), QKeySequence(Qt::CTRL | Qt::Key_D), "zdcs1",
            multiplyRows<MultiplyGrade::Middle> },
        { "gd", "gdjj", QStringLiteral("高段加减"), QKeySequence(Qt::CTRL | Qt::Key_E), "gdjj1",
            addSub<AddSubDrill::Upper> },
        { "gd", "gdcs", QStringLiteral("高段乘算"), QKeySequence(Qt::CTRL | Qt::Key_F), "gdcs1",
            multiplyRows<MultiplyGrade::Upper> },
        { "gd", "gdchs", QStringLiteral("高段除算"), QKeySequence(Qt::CTRL | Qt::Key_G), "gdchs1",
            divisionRows },
        { "zh", "zhch", QStringLiteral("综合乘算"), QKeySequence(Qt::Key_F2), "zhch1", multiplySets },
        { "zh", "zhc", QStringLiteral("综合除算"), QKeySequence(Qt::Key_F3), "zhcs2", divisionSets },
        { "zh", "yer", QStringLiteral("幼儿加减"), QKeySequence(Qt::Key_F4), "yer1",
            addSub<AddSubDrill::Kindergarten> },
    };
    return table;
}

const DrillEntry* DrillRegistry::find(const QString& entry)
{
    for (const DrillEntry& drill : drills()) {
        if (entry == QLatin1String(drill.entry)) {
            return &drill;
        }
    }
    return nullptr;
}
