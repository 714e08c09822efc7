#include "drills/rows/OperandRowWindow.h"

#include "common/DistinctTexts.h"
#include "common/MessageBox.h"
#include "forms/RowForm.h"
#include "random/DistinctDraws.h"

#include <QCheckBox>

OperandRowWindow::OperandRowWindow(DrillEnvironment& environment, RowDrillDefinition drill, QWidget* parent)
    : RowWindow(environment, drill.drillName, drill.boxes, parent)
    , m_drill(std::move(drill))
{
    if (m_drill.numbered) {
        m_distinct = Controls::checkBox(
            this, DistinctTexts::kCheckName, DistinctTexts::kCheckCaption, RowForm::kDistinctCheck);
    }
}

std::optional<RowWindow::Run> OperandRowWindow::prepareRun(
    const std::vector<int>& digits, const RowLayout& layout)
{
    const int first = digits[0];
    const int second = digits[1];
    const RowSheet sheet = m_drill.sheet(first, second);
    std::optional<NumberedQuestions> numbered;
    if (m_distinct && m_distinct->checkState() == Qt::Checked) {
        numbered = m_drill.numbered(first, second);
        if (numbered->count < layout.questions()) {
            MessageBox::show(this, DistinctTexts::countMessage(numbered->count));
            return std::nullopt;
        }
    }

    return Run { sheet.fileName,
        [this, sheet, layout, numbered, first, second](SheetOutputs& outputs, const DrillPass& pass) {
            if (numbered) {
                DistinctIndices indices(numbered->count, layout.questions());
                return RowDrill::run(
                    sheet, layout,
                    [&](SheetLine& row) { numbered->write(row, indices.next(pass.random), pass.answers); },
                    outputs);
            }
            return m_drill.run({ sheet, layout, pass.random, first, second, pass.answers }, outputs);
        } };
}
