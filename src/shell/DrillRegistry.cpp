// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/DrillRegistry.h"

#include "drills/addsub/AddSubWindow.h"
#include "drills/chains/ChainWindow.h"
#include "drills/divide/DivisionDrills.h"
#include "drills/mixed/MixedWindow.h"
#include "drills/multiply/MultiplyDrills.h"
#include "drills/rows/OperandRowWindow.h"
#include "drills/sets/SetDrillWindow.h"
#include "drills/units/UnitWindow.h"

const std::vector<DrillMenu>& DrillRegistry::menus()
{
    // "学前段(X)" has no access key: its "(X)" is plain text.
    static const std::vector<DrillMenu> table {
        { .name = "xqd", .caption = QStringLiteral("学前段(X)") },
        { .name = "dd", .caption = QStringLiteral("低段(&D)") },
        { .name = "zd", .caption = QStringLiteral("中段(&Z)") },
        { .name = "gd", .caption = QStringLiteral("高段(&G)") },
        { .name = "zh", .caption = QStringLiteral("综合(&Z)") },
        { .name = "jc", .caption = QStringLiteral("教材同步(&J)") },
    };
    return table;
}

const std::vector<DrillEntry>& DrillRegistry::drills()
{
    static const std::vector<DrillEntry> table {
        { .menu = "xqd",
            .entry = "j5",
            .caption = QStringLiteral("五笔加减"),
            .shortcut = QKeySequence(Qt::CTRL | Qt::Key_F5),
            .window = "xqd5",
            .definition = ChainDrills::kFiveTerm },
        { .menu = "xqd",
            .entry = "j7",
            .caption = QStringLiteral("七笔加减"),
            .shortcut = QKeySequence(Qt::CTRL | Qt::Key_F7),
            .window = "xqd7",
            .definition = ChainDrills::kSevenTerm },
        { .menu = "xqd",
            .entry = "j10",
            .caption = QStringLiteral("十笔加减"),
            .shortcut = QKeySequence(Qt::CTRL | Qt::Key_A),
            .window = "xqd10",
            .definition = ChainDrills::kTenTerm },
        { .menu = "dd",
            .entry = "ddjj",
            .caption = QStringLiteral("低段加减"),
            .shortcut = QKeySequence(Qt::CTRL | Qt::Key_B),
            .window = "ddjj1",
            .definition = AddSubDrills::kLower },
        { .menu = "zd",
            .entry = "zdjj",
            .caption = QStringLiteral("中段加减"),
            .shortcut = QKeySequence(Qt::CTRL | Qt::Key_C),
            .window = "zdjj1",
            .definition = AddSubDrills::kMiddle },
        { .menu = "zd",
            .entry = "zdcs",
            .caption = QStringLiteral("中段乘算"),
            .shortcut = QKeySequence(Qt::CTRL | Qt::Key_D),
            .window = "zdcs1",
            .definition = MultiplyDrills::rows(MultiplyDrills::kMiddle) },
        { .menu = "gd",
            .entry = "gdjj",
            .caption = QStringLiteral("高段加减"),
            .shortcut = QKeySequence(Qt::CTRL | Qt::Key_E),
            .window = "gdjj1",
            .definition = AddSubDrills::kUpper },
        { .menu = "gd",
            .entry = "gdcs",
            .caption = QStringLiteral("高段乘算"),
            .shortcut = QKeySequence(Qt::CTRL | Qt::Key_F),
            .window = "gdcs1",
            .definition = MultiplyDrills::rows(MultiplyDrills::kUpper) },
        { .menu = "gd",
            .entry = "gdchs",
            .caption = QStringLiteral("高段除算"),
            .shortcut = QKeySequence(Qt::CTRL | Qt::Key_G),
            .window = "gdchs1",
            .definition = DivisionDrills::rows(DivisionDrills::kUpper) },
        { .menu = "zh",
            .entry = "zhch",
            .caption = QStringLiteral("综合乘算"),
            .shortcut = QKeySequence(Qt::Key_F2),
            .window = "zhch1",
            .definition = MultiplyDrills::sets() },
        { .menu = "zh",
            .entry = "zhc",
            .caption = QStringLiteral("综合除算"),
            .shortcut = QKeySequence(Qt::Key_F3),
            .window = "zhcs2",
            .definition = DivisionDrills::sets() },
        { .menu = "zh",
            .entry = "yer",
            .caption = QStringLiteral("幼儿加减"),
            .shortcut = QKeySequence(Qt::Key_F4),
            .window = "yer1",
            .definition = AddSubDrills::kKindergarten },
        { .menu = "jc",
            .entry = "jcdy",
            .caption = QStringLiteral("按教材单元出题"),
            .shortcut = QKeySequence(Qt::Key_F5),
            .window = "jcdy1",
            .definition = UnitDrillDefinition {} },
        { .menu = "jc",
            .entry = "szhh",
            .caption = QStringLiteral("四则混合口算"),
            .shortcut = QKeySequence(Qt::Key_F6),
            .window = "szhh1",
            .definition = MixedDrillDefinition {} },
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

std::unique_ptr<DrillWindow> DrillRegistry::makeWindow(
    const DrillDefinition& definition, DrillEnvironment& environment)
{
    return std::visit(
        [&environment](const auto& drill) -> std::unique_ptr<DrillWindow> {
            using Window = typename std::decay_t<decltype(drill)>::Window;
            return std::make_unique<Window>(environment, drill);
        },
        definition);
}
