#pragma once
// Where the controls of the row drill windows (multiplication, addition and
// subtraction) stand: the common frames, buttons and report lines, and the
// settings lines on the left, each a title label with its box.

#include "forms/DrillWindow.h"

namespace RowLayoutPlaces {
inline DrillLayout drillLayout(const QString& drillName)
{
    return { drillName, { 2520, 720, 7215, 615 }, "Frame1", QStringLiteral("是否打印答案"),
        { 1560, 5040, 3135, 1335 }, { 2160, 5640, 855, 495 }, { 3480, 5640, 735, 495 }, "Frame2",
        { 6120, 1920, 4455, 1815 }, { 6480, 2640, 1695, 495 }, { 8280, 2640, 1935, 495 }, "Frame3",
        { 6120, 4200, 4455, 2175 }, { 8160, 4680, 1695, 495 }, { 8160, 5520, 1695, 495 }, "Text3",
        { 1200, 6840, 9615, 495 }, 12, "Label4", { 1200, 7560, 9615, 495 }, QColor() };
}

// Settings lines 0 to 4, top to bottom, 540 twips apart.
inline Twips settingLabel(int line)
{
    return { 1680, 2040 + 540 * line, 1575, 375 };
}
inline Twips settingBox(int line)
{
    return { 3360, 2040 + 540 * line, 855, 375 };
}

// 题目不重复, in the free space between the settings boxes and the button frame.
inline constexpr Twips kDistinctCheck { 4500, 4440, 1575, 495 };
} // namespace RowLayoutPlaces
