// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window of a set drill (comprehensive division zhcs2, comprehensive
// multiplication zhch1): a grid of four kinds (first-operand digits,
// second-operand digits, count), questions per row and number of sets. Each
// set is checked, drawn and written on its own: one sheet file and one printed
// page per set.

#include "drills/sets/SetDrillDefinition.h"
#include "forms/DrillWindow.h"

#include <array>
#include <variant>

class QCheckBox;

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
