// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/rows/RowWindow.h"

#include "common/MessageBox.h"
#include "common/SettingText.h"
#include "forms/RowForm.h"

#include <QFileInfo>
#include <QLineEdit>

RowWindow::RowWindow(DrillEnvironment& environment, const QString& drillName, RowBoxes boxes, QWidget* parent)
    : DrillWindow(environment, RowForm::drillLayout(drillName), parent)
    , m_boxes(std::move(boxes))
{
    using namespace RowForm;
    const char* const labelNames[] = { kFirstLabel, kSecondLabel };
    const char* const boxNames[] = { kFirstBox, kSecondBox };
    for (std::size_t i = 0; i < m_boxes.operands.size(); ++i) {
        const OperandBox& operand = m_boxes.operands[i];
        m_operandBoxes.push_back(
            settingLine(static_cast<int>(i), labelNames[i], operand.title, boxNames[i], operand.initial));
    }
    const RowLayout& initial = m_boxes.initialLayout;
    m_perRow = settingLine(2, kPerRowLabel, RowDrill::kPerRowTitle, kPerRowBox, initial.perRow);
    m_rows = settingLine(3, kRowsLabel, RowDrill::kRowsTitle, kRowsBox, initial.rowsPerPage);
    m_pages = settingLine(4, kPagesLabel, RowDrill::kPagesTitle, kPagesBox, initial.pages);
}

QLineEdit* RowWindow::settingLine(
    int line, const char* labelName, const QString& title, const char* boxName, int initial)
{
    return addSetting(labelName, title, RowForm::settingLabel(line), boxName, QString::number(initial),
        RowForm::settingBox(line));
}

std::optional<std::vector<int>> RowWindow::readOperands() const
{
    std::vector<int> values;
    for (std::size_t i = 0; i < m_operandBoxes.size(); ++i) {
        const auto value = parseWholeNumber(m_operandBoxes[i]->text());
        if (!inRange(value, m_boxes.operands[i].low, m_boxes.operands[i].high)) {
            return std::nullopt;
        }
        values.push_back(static_cast<int>(*value));
    }
    if (m_boxes.firstAtLeastSecond && values[0] < values[1]) {
        return std::nullopt;
    }
    return values;
}

std::optional<DrillWindow::DrillRun> RowWindow::readRun()
{
    const auto operands = readOperands();
    if (!operands) {
        MessageBox::show(this, m_boxes.operandsMessage);
        return std::nullopt;
    }
    const auto layout
        = RowDrill::readLayout(m_perRow->text(), m_rows->text(), m_pages->text(), m_boxes.layoutLimits);
    if (!layout) {
        MessageBox::show(this, m_boxes.countsMessage);
        return std::nullopt;
    }
    std::optional<Run> run = prepareRun(*operands, *layout);
    if (!run) {
        return std::nullopt;
    }
    return DrillRun { std::move(run->writePass), DrillTexts::progress(),
        DrillTexts::completion(layout->questions(), run->fileName),
        QFileInfo(run->fileName).completeBaseName() };
}
