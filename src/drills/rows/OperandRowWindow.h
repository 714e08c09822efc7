// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window of a row drill whose questions take two operands of chosen digit
// counts (multiplication, division in rows): the two digit boxes, questions
// per row, rows per page and pages per run. A drill is described by its boxes,
// sheet names and the runner that draws its questions.

#include "drills/rows/RowWindow.h"

#include <cstdint>
#include <functional>
#include <optional>

class QButtonGroup;
class QCheckBox;

class OperandRowWindow : public RowWindow {
    Q_OBJECT
public:
    OperandRowWindow(DrillEnvironment& environment, RowDrillDefinition drill, QWidget* parent = nullptr);

protected:
    std::optional<PreparedSheet> prepareSheet(
        const std::vector<int>& digits, const RowLayout& layout) override;

private:
    RowDrillDefinition m_drill;
    QCheckBox* m_distinct = nullptr; // only where the drill offers it
    QButtonGroup* m_choice = nullptr; // only where the drill offers a choice; ids from 0
};
