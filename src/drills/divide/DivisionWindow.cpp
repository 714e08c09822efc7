#include "drills/divide/DivisionWindow.h"

namespace {
DrillLayout divisionLayout(const QString& drillName)
{
    return { drillName, { 2520, 720, 7215, 615 },
        "Frame1", QStringLiteral("是否打印答案"), { 1560, 5280, 3135, 1095 }, { 2160, 5640, 855, 495 },
        { 3480, 5640, 735, 495 },
        "Frame2", { 6600, 1920, 3975, 1815 }, { 6840, 2640, 1695, 495 }, { 8520, 2640, 1935, 495 },
        "Frame3", { 6600, 4200, 3975, 2175 }, { 8160, 4680, 1695, 495 }, { 8160, 5520, 1695, 495 },
        "Text3", { 1200, 6840, 9615, 495 }, 12, "Label4", { 1200, 7560, 9615, 495 }, QColor() };
}
} // namespace

DivisionWindow::DivisionWindow(DrillEnvironment& environment, QWidget* parent)
    : DrillWindow(environment, divisionLayout(QStringLiteral("综合除算")), parent)
{
}

void DivisionWindow::generate() { }
