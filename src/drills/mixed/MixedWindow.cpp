// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/mixed/MixedWindow.h"

#include "common/DistinctTexts.h"
#include "common/MessageBox.h"
#include "common/SettingText.h"
#include "forms/MixedForm.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFileInfo>
#include <QLineEdit>

namespace {
const QString kLargestTitle = QStringLiteral("最大数");
const QString kResultsTitle = QStringLiteral("得数不超过");
const QString kOperationCaption = QStringLiteral("运算");
const QString kOperationNames[]
    = { QStringLiteral("加"), QStringLiteral("减"), QStringLiteral("乘"), QStringLiteral("除") };
const QString kStepsCaption = QStringLiteral("步数");
const QString kOneStep = QStringLiteral("一步");
const QString kTwoSteps = QStringLiteral("两步");
const QString kBracketed = QStringLiteral("两步带括号");
const QString kTableCaption = QStringLiteral("乘除在表内");
} // namespace

MixedWindow::MixedWindow(
    DrillEnvironment& environment, const MixedDrillDefinition& definition, QWidget* parent)
    : DrillWindow(environment, RowForm::drillLayout(definition.drillName), parent)
    , m_definition(definition)
{
    using namespace MixedForm;
    m_largest = settingLine(0, kLargestLabel, kLargestTitle, kLargestBox, definition.largest);
    m_results = settingLine(1, kResultsLabel, kResultsTitle, kResultsBox, definition.results);
    const RowLayout& initial = definition.initialLayout;
    m_perRow = settingLine(2, RowForm::kPerRowLabel, RowDrill::kPerRowTitle, kPerRowBox, initial.perRow);
    m_rows = settingLine(3, RowForm::kRowsLabel, RowDrill::kRowsTitle, kRowsBox, initial.rowsPerPage);
    m_pages = settingLine(4, RowForm::kPagesLabel, RowDrill::kPagesTitle, kPagesBox, initial.pages);

    Controls::frame(this, kOperationFrame, kOperationCaption, kOperationFramePlace);
    for (int i = 0; i < 4; ++i) {
        m_operations.push_back(
            Controls::checkBox(this, kOperations[i], kOperationNames[i], operationPlace(i)));
        m_operations.back()->setChecked(true);
    }
    m_steps = Controls::optionFrame(this, kStepsFrame, kStepsCaption, kStepsFramePlace,
        { { kSteps[0], kOneStep }, { kSteps[1], kTwoSteps }, { kSteps[2], kBracketed } }, stepsPlace, 1);
    m_table = Controls::checkBox(this, kTableCheck, kTableCaption, kTableCheckPlace);
    m_table->setChecked(true);
    m_distinct = Controls::checkBox(
        this, DistinctTexts::kCheckName, DistinctTexts::kCheckCaption, RowForm::kDistinctCheck);
}

QLineEdit* MixedWindow::settingLine(
    int line, const char* labelName, const QString& title, const char* boxName, int initial)
{
    QLineEdit* box = addSetting(labelName, title, RowForm::settingLabel(line), boxName,
        QString::number(initial), RowForm::settingBox(line));
    box->setAccessibleName(title);
    return box;
}

void MixedWindow::showEvent(QShowEvent* event)
{
    DrillWindow::showEvent(event);
    if (m_operationsInOrder) {
        return;
    }
    // The shared order goes down each column, which would take 加, 乘 and the
    // steps before 减 and 除: each operation follows the one before it, then the steps.
    QList<QWidget*> chain(m_operations.begin(), m_operations.end());
    for (const MixedSteps step : { MixedSteps::One, MixedSteps::Two, MixedSteps::TwoBracketed }) {
        chain.append(m_steps->button(static_cast<int>(step)));
    }
    for (qsizetype i = 1; i < chain.size(); ++i) {
        setTabOrder(chain[i - 1], chain[i]);
    }
    m_operationsInOrder = true;
}

MixedSteps MixedWindow::steps() const
{
    return static_cast<MixedSteps>(m_steps->checkedId());
}

std::optional<DrillWindow::DrillRun> MixedWindow::readRun()
{
    MixedSettings settings;
    for (std::size_t i = 0; i < m_operations.size(); ++i) {
        // Only a fully ticked box counts.
        settings.operations[i] = m_operations[i]->checkState() == Qt::Checked;
    }
    settings.steps = steps();
    const auto largest = parseWholeNumber(m_largest->text());
    if (!inRange(largest, 1, MixedOperations::kMaxLargest)) {
        MessageBox::show(this, MixedTexts::kLargestMessage);
        return std::nullopt;
    }
    const auto results = parseWholeNumber(m_results->text());
    if (!inRange(results, 1, MixedOperations::kMaxResults)) {
        MessageBox::show(this, MixedTexts::kResultsMessage);
        return std::nullopt;
    }
    const auto layout
        = RowDrill::readLayout(m_perRow->text(), m_rows->text(), m_pages->text(), m_definition.layoutLimits);
    if (!layout) {
        MessageBox::show(this, RowDrill::countsMessage(m_definition.layoutLimits));
        return std::nullopt;
    }
    settings.rules
        = { static_cast<int>(*largest), static_cast<int>(*results), m_table->checkState() == Qt::Checked };
    settings.layout = *layout;
    settings.distinct = m_distinct->checkState() == Qt::Checked;
    if (const auto message = MixedOperations::refusal(settings)) {
        MessageBox::show(this, *message);
        return std::nullopt;
    }
    const QString fileName = MixedOperations::sheet(settings).fileName;
    return DrillRun { [settings](SheetOutputs& outputs, const DrillPass& pass) mutable {
                         settings.answers = pass.answers;
                         return MixedOperations::run(settings, pass.random, outputs);
                     },
        DrillTexts::progress(), DrillTexts::completion(layout->questions(), fileName),
        QFileInfo(fileName).completeBaseName() };
}
