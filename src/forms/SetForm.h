#pragma once
// The form table of the set drill family (comprehensive division and
// multiplication): what each control is called and where it stands. The
// grid has one column per kind: first-operand digits, second-operand digits
// and count from top to bottom.

#include "forms/DrillWindow.h"

#include <array>

namespace SetForm {
inline constexpr const char* kFirstTitle = "Label2";
inline constexpr const char* kSecondTitle = "Label3";
inline constexpr const char* kCountTitle = "Label6";
inline constexpr const char* kPerRowLabel = "Label5";
inline constexpr const char* kPerRowBox = "ttt";
inline constexpr const char* kSetsLabel = "Label7";
inline constexpr const char* kSetsBox = "Text1";
inline constexpr const char* kProgress = "Text3";
inline constexpr const char* kCompletion = "Label4";

inline constexpr Twips kFirstTitlePlace { 1560, 2040, 1335, 375 };
inline constexpr Twips kSecondTitlePlace { 1560, 2640, 1335, 255 };
inline constexpr Twips kCountTitlePlace { 1560, 3120, 1215, 375 };
inline constexpr Twips kPerRowLabelPlace { 1560, 3960, 1095, 375 };
inline constexpr Twips kPerRowBoxPlace { 3000, 3840, 855, 375 };
inline constexpr Twips kSetsLabelPlace { 1560, 4440, 1215, 375 };
inline constexpr Twips kSetsBoxPlace { 3000, 4440, 855, 375 };
// 题目不重复, beside the number of sets.
inline constexpr Twips kDistinctCheck { 4500, 4440, 1575, 495 };

inline constexpr std::array<int, 4> kColumnLefts { 3000, 3720, 4440, 5160 };
inline constexpr int kDividendTop = 2040;
inline constexpr int kDivisorTop = 2520;
inline constexpr int kCountTop = 3000;
inline constexpr int kBoxWidth = 615;
inline constexpr int kBoxHeight = 375;

inline constexpr std::array<std::array<const char*, 3>, 4> kBoxNames { {
    { "w11", "w12", "w13" },
    { "w21", "w22", "w23" },
    { "w31", "w32", "w33" },
    { "w41", "w42", "w43" },
} };

inline DrillLayout drillLayout(const QString& drillName)
{
    return {
        .drillName = drillName,
        .heading = { 2520, 720, 7215, 615 },
        .answerFrameName = "Frame1",
        .answerFrameCaption = QStringLiteral("是否打印答案"),
        .answerFrame = { 1560, 5280, 4455, 1095 },
        .option1 = { 2160, 5640, 855, 495 },
        .option2 = { 3480, 5640, 735, 495 },
        .option3 = { 4560, 5640, 1335, 495 },
        .outputFrameName = "Frame2",
        .outputFrame = { 6600, 1920, 3975, 1815 },
        .check1 = { 6840, 2640, 1695, 495 },
        .check2 = { 8520, 2640, 1935, 495 },
        .buttonFrameName = "Frame3",
        .buttonFrame = { 6600, 4200, 3975, 2175 },
        .command1 = { 8160, 4680, 1695, 495 },
        .command2 = { 8160, 5520, 1695, 495 },
        .command3 = { 6690, 4680, 1425, 495 },
        .progressName = kProgress,
        .progress = { 1200, 6840, 9615, 495 },
        .progressPoints = 12,
        .completionName = kCompletion,
        .completion = { 1200, 7560, 9615, 495 },
    };
}
} // namespace SetForm
