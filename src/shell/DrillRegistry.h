// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every drill the program offers, in one table. A row is a drill: where its
// entry stands in the main menu, the entry's name, caption and shortcut, the
// object name of its window, and its definition, which says what the drill
// offers and which window family shows it. The main window, the shell, the
// tests and the benchmark all walk these rows, and one function builds any
// drill's window from its definition.
//
// A new drill of an existing family is its definition (beside its rules),
// one row here and its golden sheets. A new window family is its definition
// type (naming its window class as Window, whose constructor takes the drill
// environment and the definition), one more alternative of DrillDefinition
// (with its definition's header included here) and the include of its
// window's header in DrillRegistry.cpp.

#include "drills/addsub/AddSubDrills.h"
#include "drills/chains/ChainDrill.h"
#include "drills/mixed/MixedOperations.h"
#include "drills/rows/RowDrillDefinition.h"
#include "drills/sets/SetDrillDefinition.h"
#include "drills/units/UnitDrill.h"

#include <QKeySequence>
#include <QString>
#include <memory>
#include <variant>
#include <vector>

class DrillWindow;
struct DrillEnvironment;

// One alternative per window family.
using DrillDefinition = std::variant<ChainDrillDefinition, AddSubDrillDefinition, RowDrillDefinition,
    SetDrillDefinition, UnitDrillDefinition, MixedDrillDefinition>;

// A drill menu of the main window, between its first entry and 帮助.
struct DrillMenu {
    const char* name; // its object name
    QString caption;
};

struct DrillEntry {
    const char* menu; // the object name of the main menu it stands in
    const char* entry; // the object name of its menu entry
    QString caption;
    QKeySequence shortcut;
    const char* window; // the object name of its window
    DrillDefinition definition;
};

namespace DrillRegistry {
// The drill menus, in the order of the menu bar.
const std::vector<DrillMenu>& menus();
// Every drill, in the order of the main menu.
const std::vector<DrillEntry>& drills();
// The drill of that menu entry, or null.
const DrillEntry* find(const QString& entry);
// The window of a drill, as its definition describes it (its object name is the shell's to give).
std::unique_ptr<DrillWindow> makeWindow(const DrillDefinition& definition, DrillEnvironment& environment);
} // namespace DrillRegistry
