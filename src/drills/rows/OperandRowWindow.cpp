// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/rows/OperandRowWindow.h"

#include "common/DistinctTexts.h"
#include "common/MessageBox.h"
#include "forms/RowForm.h"
#include "random/DistinctDraws.h"

#include <QButtonGroup>
#include <QCheckBox>

OperandRowWindow::OperandRowWindow(DrillEnvironment& environment, RowDrillDefinition drill, QWidget* parent)
    : RowWindow(environment, drill.drillName, drill.boxes, parent)
    , m_drill(std::move(drill))
{
    if (m_drill.numbered) {
        m_distinct = Controls::checkBox(
            this, DistinctTexts::kCheckName, DistinctTexts::kCheckCaption, RowForm::kDistinctCheck);
    }
    if (m_drill.choice) {
        std::vector<std::pair<const char*, QString>> options;
        for (std::size_t i = 0; i < m_drill.choice->options.size(); ++i) {
            options.emplace_back(RowForm::kChoiceOptions[i], m_drill.choice->options[i]);
        }
        m_choice = Controls::optionFrame(this, RowForm::kChoiceFrame, m_drill.choice->caption,
            RowForm::kChoiceFramePlace, options, RowForm::choicePlace);
    }
}

std::optional<RowWindow::PreparedSheet> OperandRowWindow::prepareSheet(
    const std::vector<int>& digits, const RowLayout& layout)
{
    const int first = digits[0];
    const int second = digits[1];
    const int chosen = m_choice ? m_choice->checkedId() : 0;
    const RowSheet sheet = m_drill.sheet(first, second, chosen);
    std::optional<NumberedQuestions> numbered;
    if (m_distinct && m_distinct->checkState() == Qt::Checked) {
        numbered = m_drill.numbered(first, second, chosen);
        if (numbered->count < layout.questions()) {
            MessageBox::show(this, DistinctTexts::countMessage(numbered->count));
            return std::nullopt;
        }
    }

    return PreparedSheet { sheet.fileName,
        [runDrawn = m_drill.run, sheet, layout, numbered, first, second, chosen](
            SheetOutputs& outputs, const DrillPass& pass) {
            if (numbered) {
                DistinctIndices indices(numbered->count, layout.questions());
                return RowDrill::run(
                    sheet, layout,
                    [&](SheetLine& row) { numbered->write(row, indices.next(pass.random), pass.answers); },
                    outputs);
            }
            return runDrawn({ sheet, layout, pass.random, first, second, pass.answers, chosen }, outputs);
        } };
}
