// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/mixed/MixedWindow.h"

#include "common/DistinctTexts.h"
#include "common/MessageBox.h"
#include "common/SettingText.h"
#include "forms/MixedForm.h"
#include "random/RandomSource.h"

#include <QButtonGroup>
#include <QCheckBox>
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

namespace {
RowBoxes settingBoxes(const MixedDrillDefinition& definition)
{
    return { .operands = { { .title = kLargestTitle,
                               .initial = definition.largest,
                               .low = 1,
                               .high = MixedOperations::kMaxLargest,
                               .message = MixedTexts::kLargestMessage },
                 { .title = kResultsTitle,
                     .initial = definition.results,
                     .low = 1,
                     .high = MixedOperations::kMaxResults,
                     .message = MixedTexts::kResultsMessage } },
        .initialLayout = definition.initialLayout,
        .layoutLimits = definition.layoutLimits,
        .countsMessage = RowDrill::countsMessage(definition.layoutLimits) };
}
} // namespace

MixedWindow::MixedWindow(
    DrillEnvironment& environment, const MixedDrillDefinition& definition, QWidget* parent)
    : RowWindow(environment, RowForm::drillLayout(definition.drillName),
        { .label = RowForm::settingLabel,
            .box = RowForm::settingBox,
            .layoutLine = 2,
            .sheetNumber = std::pair(MixedForm::kSheetNumberLabel, MixedForm::kSheetNumberBox) },
        settingBoxes(definition), parent)
{
    using namespace MixedForm;
    Controls::frame(this, kOperationFrame, kOperationCaption, kOperationFramePlace);
    for (int i = 0; i < 4; ++i) {
        m_operations.push_back(
            Controls::checkBox(this, kOperations[i], kOperationNames[i], operationPlace(i)));
        m_operations.back()->setChecked(true);
    }
    m_steps = Controls::optionFrame(this, kStepsFrame, kStepsCaption, kStepsFramePlace,
        { { kSteps[0], kOneStep }, { kSteps[1], kTwoSteps }, { kSteps[2], kBracketed } }, stepsPlace, 1);
    m_withinTables = Controls::checkBox(this, kTableCheck, kTableCaption, kTableCheckPlace);
    m_withinTables->setChecked(true);
    m_distinct = Controls::checkBox(
        this, DistinctTexts::kCheckName, DistinctTexts::kCheckCaption, RowForm::kDistinctCheck);

    // The shared order goes down each column, which would take 加, 乘 and the
    // steps before 减 and 除: each operation follows the one before it, then the steps.
    QList<QWidget*> chain(m_operations.begin(), m_operations.end());
    for (const MixedSteps step : { MixedSteps::One, MixedSteps::Two, MixedSteps::TwoBracketed }) {
        chain.append(m_steps->button(static_cast<int>(step)));
    }
    setKeyboardChain(chain, false);
}

MixedSteps MixedWindow::steps() const
{
    return static_cast<MixedSteps>(m_steps->checkedId());
}

std::optional<RowWindow::PreparedSheet> MixedWindow::prepareSheet(
    const std::vector<int>& operands, const RowLayout& layout)
{
    MixedSettings settings;
    for (std::size_t i = 0; i < m_operations.size(); ++i) {
        // Only a fully ticked box counts.
        settings.operations[i] = m_operations[i]->checkState() == Qt::Checked;
    }
    settings.steps = steps();
    settings.rules = { operands[0], operands[1], m_withinTables->checkState() == Qt::Checked };
    settings.layout = layout;
    settings.distinct = m_distinct->checkState() == Qt::Checked;
    settings.sheetNumber = sheetNumber();
    if (const auto message = MixedOperations::refusal(settings)) {
        MessageBox::show(this, *message);
        return std::nullopt;
    }
    return PreparedSheet { MixedOperations::sheet(settings).fileName,
        // Each pass draws the numbered sheet afresh from its own source.
        [settings](SheetOutputs& outputs, const DrillPass& pass) mutable {
            settings.answers = pass.answers;
            RandomSource random = RandomSource::forSheet(static_cast<std::uint32_t>(settings.sheetNumber));
            return MixedOperations::run(settings, random, outputs);
        } };
}
