#pragma once
// Where the controls of the row drill windows (multiplication, addition and
// subtraction) stand: the common frames, buttons and report lines, and the
// settings lines on the left, each a title label with its box.

#include "forms/DrillWindow.h"

namespace RowLayoutPlaces {
inline DrillLayout drillLayout(const QString& drillName)
{
    return {
        .drillName = drillName,
        .heading = { 2520, 720, 7215, 615 },
        .answerFrameName = "Frame1",
        .answerFrameCaption = QStringLiteral("是否打印答案"),
        .answerFrame = { 1560, 5040, 4455, 1335 },
        .option1 = { 2160, 5640, 855, 495 },
        .option2 = { 3480, 5640, 735, 495 },
        .option3 = { 4560, 5640, 1335, 495 },
        .outputFrameName = "Frame2",
        .outputFrame = { 6120, 1920, 4455, 1815 },
        .check1 = { 6480, 2640, 1695, 495 },
        .check2 = { 8280, 2640, 1935, 495 },
        .buttonFrameName = "Frame3",
        .buttonFrame = { 6120, 4200, 4455, 2175 },
        .command1 = { 8160, 4680, 1695, 495 },
        .command2 = { 8160, 5520, 1695, 495 },
        .command3 = { 6360, 4680, 1575, 495 },
        .progressName = "Text3",
        .progress = { 1200, 6840, 9615, 495 },
        .progressPoints = 12,
        .completionName = "Label4",
        .completion = { 1200, 7560, 9615, 495 },
    };
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
