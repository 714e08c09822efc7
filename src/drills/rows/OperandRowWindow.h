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

// The distinct questions of a drill's digit counts, numbered from 0.
struct NumberedQuestions {
    std::int64_t count;
    // Writes question number index at the end of the row.
    std::function<void(SheetLine& row, std::int64_t index, bool answers)> write;
};

// A choice of the kind of question in a frame of its own (整除 / 有余数, the
// decimal places); its first option, chosen at start, is the drill's plain questions.
struct RowChoice {
    QString caption;
    std::vector<QString> options;
};

class OperandRowWindow;

struct RowDrillDefinition {
    using Window = OperandRowWindow; // the window family that shows it

    QString drillName;
    RowBoxes boxes; // the two digit boxes, first and second operand, and the layout boxes
    // option: the chosen option of the drill's choice, 0 where it has none.
    std::function<RowSheet(int firstDigits, int secondDigits, int option)> sheet;
    // Draws and writes a whole run: RowDrill::runDrawn with the drill's
    // question writer for the chosen option.
    bool (*run)(const OperandRun& run, SheetOutputs& outputs);
    // For a drill that offers 题目不重复: its questions of the digit counts.
    std::function<NumberedQuestions(int firstDigits, int secondDigits, int option)> numbered = {};
    std::optional<RowChoice> choice = std::nullopt;
};

class OperandRowWindow : public RowWindow {
    Q_OBJECT
public:
    OperandRowWindow(DrillEnvironment& environment, RowDrillDefinition drill, QWidget* parent = nullptr);

protected:
    std::optional<Run> prepareRun(const std::vector<int>& digits, const RowLayout& layout) override;

private:
    RowDrillDefinition m_drill;
    QCheckBox* m_distinct = nullptr; // only where the drill offers it
    QButtonGroup* m_choice = nullptr; // only where the drill offers a choice; ids from 0
};
