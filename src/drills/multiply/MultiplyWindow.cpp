#include "drills/multiply/MultiplyWindow.h"

#include "common/MessageBox.h"
#include "common/SettingText.h"
#include "drills/multiply/Multiplication.h"

#include <QLineEdit>

namespace {
DrillLayout multiplyLayout(const QString& drillName)
{
    return { drillName, { 2520, 720, 7215, 615 },
        "Frame1", QStringLiteral("是否打印答案"), { 1560, 5040, 3135, 1335 }, { 2160, 5640, 855, 495 },
        { 3480, 5640, 735, 495 },
        "Frame2", { 6120, 1920, 4455, 1815 }, { 6480, 2640, 1695, 495 }, { 8280, 2640, 1935, 495 },
        "Frame3", { 6120, 4200, 4455, 2175 }, { 8160, 4680, 1695, 495 }, { 8160, 5520, 1695, 495 },
        "Text3", { 1200, 6840, 9615, 495 }, 12, "Label4", { 1200, 7560, 9615, 495 }, QColor() };
}
} // namespace

MultiplyWindow::MultiplyWindow(DrillEnvironment& environment, const QString& stage, int firstDigits,
    int secondDigits, QWidget* parent)
    : DrillWindow(environment, multiplyLayout(stage + QStringLiteral("乘算")), parent)
    , m_stage(stage)
{
    m_firstDigits = addSetting("Label2", QStringLiteral("第一因数位数"), { 1680, 2040, 1575, 375 }, "Text1",
        QString::number(firstDigits), { 3360, 2040, 855, 375 });
    m_secondDigits = addSetting("Label3", QStringLiteral("第二因数位数"), { 1680, 2580, 1575, 375 }, "Text2",
        QString::number(secondDigits), { 3360, 2580, 855, 375 });
    m_perRow = addSetting("Label5", QStringLiteral("每行题数"), { 1680, 3120, 1575, 375 }, "Text4",
        QStringLiteral("5"), { 3360, 3120, 855, 375 });
    m_rows = addSetting("Label6", QStringLiteral("每页行数"), { 1680, 3660, 1575, 375 }, "Text5",
        QStringLiteral("30"), { 3360, 3660, 855, 375 });
    m_pages = addSetting("Label7", QStringLiteral("每次页数"), { 1680, 4200, 1575, 375 }, "Text6",
        QStringLiteral("4"), { 3360, 4200, 855, 375 });
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
