// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/addsub/AddSubWindow.h"

#include "common/DistinctTexts.h"
#include "common/MessageBox.h"
#include "common/SettingText.h"
#include "forms/RowForm.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>

namespace {
// The captions a refusal names too (计算范围, 加法 …) are AddSubTexts'.
using namespace AddSubTexts;
const QString kFirstDigits = QStringLiteral("第一个数位数");
const QString kSecondDigits = QStringLiteral("第二个数位数");
const QString kOperationCaption = QStringLiteral("题型");

const QString kCarryCaption = QStringLiteral("进位退位");
const QString kAnyCarryCaption = QStringLiteral("不限");
const QString kFormCaption = QStringLiteral("题目形式");
const QString kResultCaption = QStringLiteral("求结果");
const QString kBlankCaption = QStringLiteral("填空");
const QString kPlacesCaption = QStringLiteral("小数位数");
const QString kWholeCaption = QStringLiteral("整数");
// The limit box's first contents, used once its choice is ticked.
constexpr int kInitialResultLimit = 20;

// The two digit boxes, or for kindergarten the limit box, and the layout boxes.
RowBoxes operandBoxes(const AddSubDrillDefinition& definition)
{
    RowBoxes boxes {
        .operands = { { .title = kLimit,
            .initial = definition.limit,
            .low = AddSubtract::kMinLimit,
            .high = AddSubtract::kMaxLimit } },
        .firstAtLeastSecond = false,
        .operandsMessage = AddSubTexts::kLimitMessage,
        .initialLayout = { .perRow = 5, .rowsPerPage = 25, .pages = 1 },
        .layoutLimits = AddSubtract::kLayoutLimits,
        .countsMessage = RowDrill::countsMessage(AddSubtract::kLayoutLimits),
    };
    if (definition.maxDigits > 0) {
        boxes.operands = { { .title = kFirstDigits,
                               .initial = definition.firstDigits,
                               .low = 1,
                               .high = definition.maxDigits },
            { .title = kSecondDigits,
                .initial = definition.secondDigits,
                .low = 1,
                .high = definition.maxDigits } };
        boxes.operandsMessage = AddSubTexts::digitsMessage(definition.maxDigits);
    }
    return boxes;
}

} // namespace

AddSubWindow::AddSubWindow(
    DrillEnvironment& environment, const AddSubDrillDefinition& definition, QWidget* parent)
    : RowWindow(environment, definition.drillName, operandBoxes(definition), parent)
    , m_definition(definition)
{
    using namespace RowForm;
    // A sheet mixes both operations unless told otherwise.
    m_operations = Controls::optionFrame(this, kOperationFrame, kOperationCaption, kOperationFramePlace,
        { { kAddition, kAdditionCaption }, { kSubtraction, kSubtractionCaption }, { kMixed, kMixedCaption } },
        operationPlace, 2);
    m_carry = Controls::optionFrame(this, kCarryFrame, kCarryCaption, kCarryFramePlace,
        { { kAnyCarry, kAnyCarryCaption }, { kAlwaysCarry, kAlwaysCarryCaption },
            { kNeverCarry, kNeverCarryCaption } },
        carryPlace);
    m_distinct
        = Controls::checkBox(this, DistinctTexts::kCheckName, DistinctTexts::kCheckCaption, kDistinctCheck);
    if (m_definition.offersBlanks) {
        m_forms = Controls::optionFrame(this, kFormFrame, kFormCaption, kFormFramePlace,
            { { kResultForm, kResultCaption }, { kBlankForm, kBlankCaption } }, formPlace);
    }
    m_limitCheck = Controls::checkBox(this, kLimitCheck, kLimitCaption, kLimitCheckPlace);
    m_limitBox = Controls::textBox(
        this, kLimitBox, QString::number(kInitialResultLimit), kLimitBoxPlace, kLimitCaption);
    // The box takes a value only while its choice is ticked.
    m_limitBox->setEnabled(false);
    connect(m_limitCheck, &QCheckBox::toggled, m_limitBox, &QWidget::setEnabled);
    if (m_definition.offersThreeNumbers) {
        m_threeNumbers
            = Controls::checkBox(this, kThreeNumbersCheck, kThreeNumbersCaption, kThreeNumbersPlace);
    }
    if (m_definition.offersDecimals) {
        m_places = Controls::optionFrame(this, kPlacesFrame, kPlacesCaption, kPlacesFramePlace,
            { { kPlacesOptions[0], kWholeCaption }, { kPlacesOptions[1], RowDrill::placesName(1) },
                { kPlacesOptions[2], RowDrill::placesName(2) } },
            formPlace);
    }
}

int AddSubWindow::places() const
{
    return m_places ? m_places->checkedId() : 0;
}

CarryChoice AddSubWindow::carry() const
{
    return static_cast<CarryChoice>(m_carry->checkedId());
}

QuestionForm AddSubWindow::form() const
{
    return m_forms ? static_cast<QuestionForm>(m_forms->checkedId()) : QuestionForm::Result;
}

AddSubOperation AddSubWindow::operation() const
{
    return static_cast<AddSubOperation>(m_operations->checkedId());
}

std::optional<RowWindow::PreparedSheet> AddSubWindow::prepareSheet(
    const std::vector<int>& operands, const RowLayout& layout)
{
    const OperandRule rule = operands.size() == 1
        ? OperandRule { LimitOperands { operands[0] } }
        : OperandRule { DigitOperands { operands[0], operands[1] } };
    AddSubSettings settings { rule, operation(), layout.perRow, layout.rowsPerPage, layout.pages, false,
        carry(), m_distinct->checkState() == Qt::Checked, form() };
    if (m_limitCheck->checkState() == Qt::Checked) {
        const auto limit = parseWholeNumber(m_limitBox->text());
        if (!inRange(limit, AddSubtract::kMinResultLimit, AddSubtract::kMaxResultLimit)) {
            MessageBox::show(this, AddSubTexts::kResultLimitMessage);
            return std::nullopt;
        }
        settings.resultLimit = *limit;
    }
    settings.threeNumbers = m_threeNumbers && m_threeNumbers->checkState() == Qt::Checked;
    settings.places = places();
    if (const auto message = AddSubtract::refusal(settings)) {
        MessageBox::show(this, *message);
        return std::nullopt;
    }
    const RowSheet sheet = AddSubtract::sheet(
        m_definition.stage, settings.operands, settings.form, settings.threeNumbers, settings.places);
    return PreparedSheet { sheet.fileName,
        [stage = m_definition.stage, settings](SheetOutputs& outputs, const DrillPass& pass) mutable {
            settings.answers = pass.answers;
            return AddSubtract::run(stage, settings, pass.random, outputs);
        } };
}
