// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/rows/RowWindow.h"

#include "common/MessageBox.h"
#include "common/SettingText.h"
#include "forms/RowForm.h"

#include <QFileInfo>
#include <QLineEdit>

RowWindow::RowWindow(DrillEnvironment& environment, const DrillLayout& layout, const SettingLines& lines,
    RowBoxes boxes, QWidget* parent)
    : DrillWindow(environment, layout, parent)
    , m_lines(lines)
    , m_boxes(std::move(boxes))
{
    using namespace RowForm;
    const char* const labelNames[] = { kFirstLabel, kSecondLabel };
    const char* const boxNames[] = { kFirstBox, kSecondBox };
    Q_ASSERT(m_boxes.operands.size() <= std::size(boxNames));
    for (std::size_t i = 0; i < m_boxes.operands.size(); ++i) {
        const OperandBox& operand = m_boxes.operands[i];
        m_operandBoxes.push_back(
            settingLine(static_cast<int>(i), labelNames[i], operand.title, boxNames[i], operand.initial));
    }
    const RowLayout& initial = m_boxes.initialLayout;
    const int line = m_lines.layoutLine;
    m_layoutBoxes = { settingLine(line, kPerRowLabel, RowDrill::kPerRowTitle, kPerRowBox, initial.perRow),
        settingLine(line + 1, kRowsLabel, RowDrill::kRowsTitle, kRowsBox, initial.rowsPerPage),
        settingLine(line + 2, kPagesLabel, RowDrill::kPagesTitle, kPagesBox, initial.pages) };
    if (m_lines.sheetNumber) {
        m_numberBox.emplace(this, m_lines.sheetNumber->first, m_lines.sheetNumber->second);
    }
}

RowWindow::RowWindow(DrillEnvironment& environment, const QString& drillName, RowBoxes boxes, QWidget* parent)
    : RowWindow(environment, RowForm::drillLayout(drillName),
        { .label = RowForm::settingLabel, .box = RowForm::settingBox, .layoutLine = 2 }, std::move(boxes),
        parent)
{
}

QLineEdit* RowWindow::settingLine(
    int line, const char* labelName, const QString& title, const char* boxName, int initial)
{
    return addSetting(
        labelName, title, m_lines.label(line), boxName, QString::number(initial), m_lines.box(line));
}

std::variant<std::vector<int>, QString> RowWindow::readOperands() const
{
    std::vector<int> values;
    for (std::size_t i = 0; i < m_operandBoxes.size(); ++i) {
        const OperandBox& operand = m_boxes.operands[i];
        const auto value = parseWholeNumber(m_operandBoxes[i]->text());
        if (!inRange(value, operand.low, operand.high)) {
            return operand.message.isEmpty() ? m_boxes.operandsMessage : operand.message;
        }
        values.push_back(static_cast<int>(*value));
    }
    if (m_boxes.firstAtLeastSecond && values[0] < values[1]) {
        return m_boxes.operandsMessage;
    }
    return values;
}

std::optional<DrillWindow::DrillRun> RowWindow::readRun()
{
    const auto operands = readOperands();
    if (const auto* refusal = std::get_if<QString>(&operands)) {
        MessageBox::show(this, *refusal);
        return std::nullopt;
    }
    const auto layout = RowDrill::readLayout(
        m_layoutBoxes[0]->text(), m_layoutBoxes[1]->text(), m_layoutBoxes[2]->text(), m_boxes.layoutLimits);
    if (!layout) {
        MessageBox::show(this, m_boxes.countsMessage);
        return std::nullopt;
    }
    if (m_numberBox) {
        const std::optional<int> number = m_numberBox->read();
        if (!number) {
            MessageBox::show(this, SheetNumberTexts::kMessage);
            return std::nullopt;
        }
        m_sheetNumber = *number;
    }
    std::optional<PreparedSheet> sheet = prepareSheet(std::get<std::vector<int>>(operands), *layout);
    if (!sheet) {
        return std::nullopt;
    }
    return DrillRun { std::move(sheet->writePass), DrillTexts::progress(),
        DrillTexts::completion(layout->questions(), sheet->fileName),
        QFileInfo(sheet->fileName).completeBaseName() };
}

void RowWindow::sheetGenerated()
{
    if (m_numberBox) {
        m_numberBox->renew();
    }
}
