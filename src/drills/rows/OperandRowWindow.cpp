#include "drills/rows/OperandRowWindow.h"

#include "common/MessageBox.h"
#include "common/SettingText.h"
#include "drills/multiply/Multiplication.h"
#include "drills/rows/RowLayoutPlaces.h"

#include <QLineEdit>

OperandRowWindow::OperandRowWindow(DrillEnvironment& environment, OperandRowDrill drill, QWidget* parent)
    : DrillWindow(environment, RowLayoutPlaces::drillLayout(drill.drillName), parent)
    , m_drill(std::move(drill))
{
    m_firstDigits = addSetting("Label2", m_drill.firstTitle, RowLayoutPlaces::settingLabel(0), "Text1",
        QString::number(m_drill.firstDigits), RowLayoutPlaces::settingBox(0));
    m_secondDigits = addSetting("Label3", m_drill.secondTitle, RowLayoutPlaces::settingLabel(1), "Text2",
        QString::number(m_drill.secondDigits), RowLayoutPlaces::settingBox(1));
    m_perRow = addSetting("Label5", QStringLiteral("每行题数"), RowLayoutPlaces::settingLabel(2), "Text4",
        QStringLiteral("5"), RowLayoutPlaces::settingBox(2));
    m_rows = addSetting("Label6", QStringLiteral("每页行数"), RowLayoutPlaces::settingLabel(3), "Text5",
        QStringLiteral("30"), RowLayoutPlaces::settingBox(3));
    m_pages = addSetting("Label7", QStringLiteral("每次页数"), RowLayoutPlaces::settingLabel(4), "Text6",
        QStringLiteral("4"), RowLayoutPlaces::settingBox(4));
}

void OperandRowWindow::generate()
{
    const auto d1 = parseWholeNumber(m_firstDigits->text());
    const auto d2 = parseWholeNumber(m_secondDigits->text());
    if (!inRange(d1, m_drill.firstLow, m_drill.firstHigh) || !inRange(d2, m_drill.secondLow, m_drill.secondHigh)
        || (m_drill.firstAtLeastSecond && *d1 < *d2)) {
        MessageBox::show(this, m_drill.digitsMessage);
        return;
    }
    const auto n = parseWholeNumber(m_perRow->text());
    const auto m = parseWholeNumber(m_rows->text());
    const auto p = parseWholeNumber(m_pages->text());
    if (!inRange(n, 1, Multiplication::kMaxPerRow) || !inRange(m, 1, Multiplication::kMaxRows)
        || !inRange(p, 1, Multiplication::kMaxPages)) {
        MessageBox::show(this, MultiplyTexts::kCountsMessage);
        return;
    }
    const int first = static_cast<int>(*d1);
    const int second = static_cast<int>(*d2);
    const bool answers = answersShown();
    const RowSheet sheet = m_drill.sheet(first, second);

    SheetOutputs outputs(m_environment.printTarget, outputChoice(), this);
    if (!outputs.open()
        || !RowDrill::run(sheet, { static_cast<int>(*n), static_cast<int>(*m), static_cast<int>(*p) },
            [&] { return m_drill.question(m_environment.random, first, second, answers); }, outputs)) {
        return;
    }
    showCompletion(DrillTexts::progress(), DrillTexts::completion(*n * *m * *p, sheet.fileName));
}
