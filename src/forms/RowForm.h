// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The form table of the row drill family (multiplication and division in
// rows, addition and subtraction): what each control is called and where it
// stands. The settings lines are on the left, each a title label with its
// box; the add/subtract windows add their choices in frames of their own.

#include "forms/DrillWindow.h"

namespace RowForm {
inline constexpr const char* kFirstLabel = "Label2";
inline constexpr const char* kFirstBox = "Text1"; // the first operand's digits, or the kindergarten limit
inline constexpr const char* kSecondLabel = "Label3";
inline constexpr const char* kSecondBox = "Text2";
inline constexpr const char* kPerRowLabel = "Label5";
inline constexpr const char* kPerRowBox = "Text4";
inline constexpr const char* kRowsLabel = "Label6";
inline constexpr const char* kRowsBox = "Text5";
inline constexpr const char* kPagesLabel = "Label7";
inline constexpr const char* kPagesBox = "Text6";
inline constexpr const char* kProgress = "Text3";
inline constexpr const char* kCompletion = "Label4";
inline constexpr const char* kOperationFrame = "Frame4";
inline constexpr const char* kAddition = "Option4";
inline constexpr const char* kSubtraction = "Option5";
inline constexpr const char* kMixed = "Option6";
inline constexpr const char* kCarryFrame = "Frame5";
inline constexpr const char* kAnyCarry = "Option7";
inline constexpr const char* kAlwaysCarry = "Option8";
inline constexpr const char* kNeverCarry = "Option9";
inline constexpr const char* kFormFrame = "Frame6";
inline constexpr const char* kResultForm = "Option10";
inline constexpr const char* kBlankForm = "Option11";
// 得数不超过 (Check4 and its box Text7) on a line of its own above the
// settings, and 三个数 (Check5) beside it, between the heading and the frames.
inline constexpr const char* kLimitCheck = "Check4";
inline constexpr const char* kLimitBox = "Text7";
inline constexpr const char* kThreeNumbersCheck = "Check5";
inline constexpr Twips kLimitCheckPlace { 1560, 1380, 1695, 495 };
inline constexpr Twips kLimitBoxPlace { 3360, 1440, 855, 375 };
inline constexpr Twips kThreeNumbersPlace { 4440, 1380, 1935, 495 };
// The upper grades' decimal places, where the lower grades have the form frame.
inline constexpr const char* kPlacesFrame = "Frame7";
inline constexpr const char* kPlacesOptions[] = { "Option12", "Option13", "Option14" };
// The multiplication and division rows' choice of question kind, where the
// add/subtract windows have their operation frame.
inline constexpr const char* kChoiceFrame = "Frame4";
inline constexpr const char* kChoiceOptions[] = { "Option4", "Option5", "Option6" };

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
        .progressName = kProgress,
        .progress = { 1200, 6840, 9615, 495 },
        .progressPoints = 12,
        .completionName = kCompletion,
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

// The operation frame stands between the settings boxes and the output frame.
inline constexpr Twips kOperationFramePlace { 4440, 1920, 1560, 2295 };
inline Twips operationPlace(int line)
{
    return { 4620, 2400 + 540 * line, 1335, 495 };
}

inline constexpr Twips kChoiceFramePlace = kOperationFramePlace;
inline Twips choicePlace(int line)
{
    return operationPlace(line);
}

// The carry and form frames stand right of the output and button frames.
inline constexpr Twips kCarryFramePlace { 10800, 1920, 2415, 2295 };
inline Twips carryPlace(int line)
{
    return { 10980, 2400 + 540 * line, 2115, 495 };
}
inline constexpr Twips kFormFramePlace { 10800, 4200, 2415, 1755 };
inline Twips formPlace(int line)
{
    return { 10980, 4680 + 540 * line, 1455, 495 };
}
inline constexpr Twips kPlacesFramePlace { 10800, 4200, 2415, 2175 };
} // namespace RowForm
