#include "drills/multiply/MultiplyWindow.h"

#include "common/MessageBox.h"
#include "common/SettingText.h"
#include "drills/multiply/Multiplication.h"
#include "drills/rows/RowLayoutPlaces.h"

#include <QLineEdit>

MultiplyWindow::MultiplyWindow(DrillEnvironment& environment, const QString& stage, int firstDigits,
    int secondDigits, QWidget* parent)
    : DrillWindow(environment, RowLayoutPlaces::drillLayout(stage + QStringLiteral("乘算")), parent)
    , m_stage(stage)
{
    m_firstDigits = addSetting("Label2", QStringLiteral("第一因数位数"), RowLayoutPlaces::settingLabel(0),
        "Text1", QString::number(firstDigits), RowLayoutPlaces::settingBox(0));
    m_secondDigits = addSetting("Label3", QStringLiteral("第二因数位数"), RowLayoutPlaces::settingLabel(1),
        "Text2", QString::number(secondDigits), RowLayoutPlaces::settingBox(1));
    m_perRow = addSetting("Label5", QStringLiteral("每行题数"), RowLayoutPlaces::settingLabel(2), "Text4",
        QStringLiteral("5"), RowLayoutPlaces::settingBox(2));
    m_rows = addSetting("Label6", QStringLiteral("每页行数"), RowLayoutPlaces::settingLabel(3), "Text5",
        QStringLiteral("30"), RowLayoutPlaces::settingBox(3));
    m_pages = addSetting("Label7", QStringLiteral("每次页数"), RowLayoutPlaces::settingLabel(4), "Text6",
        QStringLiteral("4"), RowLayoutPlaces::settingBox(4));
}

void MultiplyWindow::generate()
{
    const auto d1 = parseWholeNumber(m_firstDigits->text());
    const auto d2 = parseWholeNumber(m_secondDigits->text());
    if (!inRange(d1, 1, Multiplication::kMaxFirstDigits) || !inRange(d2, 1, Multiplication::kMaxSecondDigits)) {
        MessageBox::show(this, MultiplyTexts::kDigitsMessage);
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
    const MultiplySettings settings { static_cast<int>(*d1), static_cast<int>(*d2), static_cast<int>(*n),
        static_cast<int>(*m), static_cast<int>(*p), answersShown() };

    SheetOutputs outputs(m_environment.printTarget, outputChoice(), this);
    if (!outputs.open() || !Multiplication::run(m_stage, settings, m_environment.random, outputs)) {
        return;
    }
    showCompletion(MultiplyTexts::progress(),
        DrillTexts::completion(*n * *m * *p,
            MultiplyTexts::fileName(m_stage, settings.firstDigits, settings.secondDigits)));
}
