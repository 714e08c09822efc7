// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A set drill window as data (comprehensive division, comprehensive
// multiplication): its drill name, the titles and first contents of its grid
// of four kinds, the grid's rules, its sheet and the kinds of questions the
// checked grid asks for.

#include "drills/sets/KindGrid.h"
#include "drills/sets/SetDrill.h"

#include <QString>
#include <array>
#include <functional>
#include <variant>
#include <vector>

class SetDrillWindow;

struct SetDrillDefinition {
    using Window = SetDrillWindow; // the window family that shows it

    QString drillName;
    QString firstTitle; // "被除数位数"
    QString secondTitle; // "除数位数"
    // Initial first digits, second digits and count of the four kinds.
    std::array<std::array<int, 3>, 4> defaults;
    KindGridRules rules;
    SetSheet sheet;
    // The set engine's kinds for the checked grid.
    std::function<std::vector<SetKind>(const std::vector<CheckedKind>&)> kinds;
    // How the grid and the number of sets are read: rounded to the nearest
    // 16-bit whole number (the division drill), or whole numbers only, so a
    // typed fraction gets the box's message.
    bool roundsFractions = false;
    // For a drill that offers 题目不重复: the kinds of one set with no question
    // twice in it, or the message refusing a grid that asks for more distinct
    // questions than exist.
    std::function<std::variant<std::vector<SetKind>, QString>(const std::vector<CheckedKind>&)> distinctKinds
        = {};
};
