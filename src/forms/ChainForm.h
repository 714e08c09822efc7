// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The form table of the chain drill family (five-, seven- and ten-term
// chains): what each control is called and where it stands.

#include "forms/DrillWindow.h"

namespace ChainForm {
inline constexpr const char* kPerRowLabel = "Label2";
inline constexpr const char* kPerRowBox = "Text1";
inline constexpr const char* kRowsLabel = "Label4";
inline constexpr const char* kRowsBox = "Text3";
inline constexpr const char* kPagesLabel = "Label5";
inline constexpr const char* kPagesBox = "Text4";
inline constexpr const char* kProgress = "Text2";
inline constexpr const char* kCompletion = "Label3";

inline constexpr Twips kPerRowLabelPlace { 1800, 2040, 1695, 375 };
inline constexpr Twips kPerRowBoxPlace { 3600, 2040, 495, 375 };
inline constexpr Twips kRowsLabelPlace { 1800, 2640, 1455, 495 };
inline constexpr Twips kRowsBoxPlace { 3600, 2640, 495, 375 };
inline constexpr Twips kPagesLabelPlace { 1800, 3360, 1455, 495 };
inline constexpr Twips kPagesBoxPlace { 3600, 3360, 495, 375 };
// 题目不重复, between the settings and the button frame.
inline constexpr Twips kDistinctCheck { 4500, 4440, 1575, 495 };

inline DrillLayout drillLayout(const QString& drillName)
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
        .progressName = kProgress,
        .progress = { 1680, 6480, 8775, 495 },
        .progressPoints = 14.25,
        .completionName = kCompletion,
        .completion = { 720, 7320, 10455, 495 },
        .completionColor = QColor(128, 128, 255),
    };
}
} // namespace ChainForm
