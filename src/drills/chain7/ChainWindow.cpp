#include "drills/chain7/ChainWindow.h"

namespace {
DrillLayout chainLayout(const QString& drillName)
{
    return { drillName, { 2520, 720, 7215, 615 },
        "Frame1", QStringLiteral("是否生成答案"), { 1680, 4080, 2535, 1695 }, { 3120, 4440, 735, 495 },
        { 3120, 5040, 735, 495 },
        "Frame3", { 6360, 1920, 3975, 1695 }, { 6600, 2520, 1575, 495 }, { 8280, 2520, 1935, 495 },
        "Frame2", { 6360, 3840, 3975, 2055 }, { 7320, 4320, 1935, 495 }, { 7320, 5160, 1935, 495 },
        "Text2", { 1680, 6480, 8775, 495 }, 14.25, "Label3", { 720, 7320, 10455, 495 }, QColor(128, 128, 255) };
}
} // namespace

ChainWindow::ChainWindow(DrillEnvironment& environment, QWidget* parent)
    : DrillWindow(environment, chainLayout(QStringLiteral("七笔加减")), parent)
{
}

void ChainWindow::generate() { }
