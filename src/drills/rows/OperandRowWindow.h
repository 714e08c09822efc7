#pragma once
// The window of a row drill whose questions take two operands of chosen digit
// counts (multiplication, division in rows): the two digit boxes, questions
// per row, rows per page and pages per run. A drill is described by its boxes,
// sheet names and the runner that draws its questions.

#include "drills/rows/RowWindow.h"

#include <cstdint>
#include <functional>

class QCheckBox;

// The distinct questions of a drill's digit counts, numbered from 0.
struct NumberedQuestions {
    std::int64_t count;
    // Writes question number index at the end of the row.
    std::function<void(SheetLine& row, std::int64_t index, bool answers)> write;
};

struct RowDrillDefinition {
    QString drillName;
    RowBoxes boxes; // the two digit boxes, first and second operand, and the layout boxes
    std::function<RowSheet(int firstDigits, int secondDigits)> sheet;
    // Draws and writes a whole run: RowDrill::runDrawn with the drill's
    // question writer.
    bool (*run)(const OperandRun& run, SheetOutputs& outputs);
    // For a drill that offers 题目不重复: its questions of the digit counts.
    std::function<NumberedQuestions(int firstDigits, int secondDigits)> numbered = {};
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
};
