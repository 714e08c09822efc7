// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window of a set drill (comprehensive division zhcs2, comprehensive
// multiplication zhch1): a grid of four kinds (first-operand digits,
// second-operand digits, count), questions per row and number of sets. Each
// set is checked, drawn and written on its own: one sheet file and one printed
// page per set.

#include "drills/sets/KindGrid.h"
#include "drills/sets/SetDrill.h"
#include "forms/DrillWindow.h"

#include <array>
#include <variant>

class QCheckBox;

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

class SetDrillWindow : public DrillWindow {
    Q_OBJECT
public:
    SetDrillWindow(DrillEnvironment& environment, SetDrillDefinition definition, QWidget* parent = nullptr);

protected:
    std::optional<DrillRun> readRun() override;

private:
    // The first-digits, second-digits and count boxes of one kind.
    struct KindColumn {
        QLineEdit* first;
        QLineEdit* second;
        QLineEdit* count;
    };

    std::optional<int> readNumber(const QString& text) const;
    std::vector<KindBoxes> readGrid() const;

    SetDrillDefinition m_definition;
    std::array<KindColumn, 4> m_grid {};
    QLineEdit* m_perRow = nullptr;
    QLineEdit* m_sets = nullptr;
    QCheckBox* m_distinct = nullptr; // only where the drill offers it
};
