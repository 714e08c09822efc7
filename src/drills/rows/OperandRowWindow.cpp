#include "drills/rows/OperandRowWindow.h"

#include "common/DistinctTexts.h"
#include "common/MessageBox.h"
#include "common/SettingText.h"
#include "forms/RowForm.h"

#include "random/DistinctDraws.h"

#include <QCheckBox>
#include <QLineEdit>
#include <optional>

OperandRowWindow::OperandRowWindow(DrillEnvironment& environment, RowDrillDefinition drill, QWidget* parent)
    : DrillWindow(environment, RowForm::drillLayout(drill.drillName), parent)
    , m_drill(std::move(drill))
    , m_firstDigits(addSetting(RowForm::kFirstLabel, m_drill.firstTitle, RowForm::settingLabel(0),
          RowForm::kFirstBox, QString::number(m_drill.firstDigits), RowForm::settingBox(0)))
    , m_secondDigits(addSetting(RowForm::kSecondLabel, m_drill.secondTitle, RowForm::settingLabel(1),
          RowForm::kSecondBox, QString::number(m_drill.secondDigits), RowForm::settingBox(1)))
    , m_layout(this, { 5, 30, 4 })
{
    if (m_drill.numbered) {
        m_distinct = Controls::checkBox(
            this, DistinctTexts::kCheckName, DistinctTexts::kCheckCaption, RowForm::kDistinctCheck);
    }
}

void OperandRowWindow::generate()
{
    const auto d1 = parseWholeNumber(m_firstDigits->text());
    const auto d2 = parseWholeNumber(m_secondDigits->text());
    if (!inRange(d1, m_drill.firstLow, m_drill.firstHigh)
        || !inRange(d2, m_drill.secondLow, m_drill.secondHigh) || (m_drill.firstAtLeastSecond && *d1 < *d2)) {
        MessageBox::show(this, m_drill.digitsMessage);
        return;
    }
    const auto layout = m_layout.read(m_drill.layoutLimits);
    if (!layout) {
        MessageBox::show(this, m_drill.countsMessage);
        return;
    }
    const int first = static_cast<int>(*d1);
    const int second = static_cast<int>(*d2);
    const RowSheet sheet = m_drill.sheet(first, second);
    const qint64 wanted = RowLayoutBoxes::questions(*layout);
    std::optional<NumberedQuestions> numbered;
    if (m_distinct && m_distinct->checkState() == Qt::Checked) {
        numbered = m_drill.numbered(first, second);
        if (numbered->count < wanted) {
            MessageBox::show(this, DistinctTexts::countMessage(numbered->count));
            return;
        }
    }

    const bool done = runOnOutputs([&](SheetOutputs& outputs, const DrillPass& pass) {
        if (numbered) {
            DistinctIndices indices(numbered->count, wanted);
            return RowDrill::run(
                sheet, *layout,
                [&](SheetLine& row) { numbered->write(row, indices.next(pass.random), pass.answers); },
                outputs);
        }
        return RowDrill::run(
            sheet, *layout,
            [&](SheetLine& row) { m_drill.writeQuestion(row, pass.random, first, second, pass.answers); },
            outputs);
    });
    if (done) {
        showCompletion(DrillTexts::progress(), DrillTexts::completion(wanted, sheet.fileName));
    }
}
