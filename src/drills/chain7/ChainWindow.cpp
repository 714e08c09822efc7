#include "drills/chain7/ChainWindow.h"

#include "common/DistinctTexts.h"
#include "common/MessageBox.h"

#include <QCheckBox>
#include <QLineEdit>

namespace {
DrillLayout chainLayout(const QString& drillName)
{
    return {
        .drillName = drillName,
        .heading = { 2520, 720, 7215, 615 },
        .answerFrameName = "Frame1",
        .answerFrameCaption = QStringLiteral("是否生成答案"),
        .answerFrame = { 1680, 4080, 2815, 2295 },
        .option1 = { 3120, 4440, 735, 495 },
        .option2 = { 3120, 5040, 735, 495 },
        .option3 = { 3120, 5640, 1335, 495 },
        .outputFrameName = "Frame3",
        .outputFrame = { 6360, 1920, 3975, 1695 },
        .check1 = { 6600, 2520, 1575, 495 },
        .check2 = { 8280, 2520, 1935, 495 },
        .buttonFrameName = "Frame2",
        .buttonFrame = { 6360, 3840, 3975, 2535 },
        .command1 = { 7320, 4320, 1935, 495 },
        .command2 = { 7320, 5160, 1935, 495 },
        .command3 = { 7320, 5760, 1935, 495 },
        .progressName = "Text2",
        .progress = { 1680, 6480, 8775, 495 },
        .progressPoints = 14.25,
        .completionName = "Label3",
        .completion = { 720, 7320, 10455, 495 },
        .completionColor = QColor(128, 128, 255),
    };
}
} // namespace

ChainWindow::ChainWindow(DrillEnvironment& environment, const ChainSheet& sheet, QWidget* parent)
    : DrillWindow(environment, chainLayout(sheet.drillName), parent)
    , m_sheet(sheet)
{
    m_perRow = addSetting("Label2", QStringLiteral("每排生成题数"), { 1800, 2040, 1695, 375 }, "Text1",
        QStringLiteral("15"), { 3600, 2040, 495, 375 });
    m_rows = addSetting("Label4", QStringLiteral("每页生成几排"), { 1800, 2640, 1455, 495 }, "Text3",
        QStringLiteral("5"), { 3600, 2640, 495, 375 });
    m_pages = addSetting("Label5", QStringLiteral("每次生成几页"), { 1800, 3360, 1455, 495 }, "Text4",
        QStringLiteral("5"), { 3600, 3360, 495, 375 });
    if (m_sheet.offersDistinct) {
        // Between the settings and the button frame, above the answers frame's right end.
        m_distinct = Controls::checkBox(
            this, DistinctTexts::kCheckName, DistinctTexts::kCheckCaption, { 4500, 4440, 1575, 495 });
    }
}

void ChainWindow::generate()
{
    auto settings = ChainDrill::readSettings(m_perRow->text(), m_rows->text(), m_pages->text(), false);
    if (!settings) {
        MessageBox::show(this, m_sheet.countsMessage);
        return;
    }
    if (m_distinct && m_distinct->checkState() == Qt::Checked) {
        const std::int64_t distinct = ChainDrill::distinctCount(m_sheet.terms, m_sheet.subtracted);
        if (distinct < qint64 { settings->perRow } * settings->rowsPerPage * settings->pages) {
            MessageBox::show(this, DistinctTexts::countMessage(distinct));
            return;
        }
        settings->distinct = true;
    }
    const bool done = runOnOutputs([&](SheetOutputs& outputs, const DrillPass& pass) {
        settings->answers = pass.answers;
        return ChainDrill::run(m_sheet, *settings, pass.random, outputs);
    });
    if (!done) {
        return;
    }
    const qint64 questions = qint64 { settings->perRow } * settings->rowsPerPage * settings->pages;
    showCompletion(DrillTexts::progress(23), ChainTexts::completion(m_sheet, questions));
}
