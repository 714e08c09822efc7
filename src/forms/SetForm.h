// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The form table of the set drill family (comprehensive division and
// multiplication): what each control is called and where it stands. The
// grid has one column per kind: first-operand digits, second-operand digits
// and count from top to bottom.

#include "forms/DrillWindow.h"
#include "forms/RowForm.h"

#include <array>

namespace SetForm {
inline constexpr const char* kFirstTitle = "Label2";
inline constexpr const char* kSecondTitle = "Label3";
inline constexpr const char* kCountTitle = "Label6";
inline constexpr const char* kPerRowLabel = "Label5";
inline constexpr const char* kPerRowBox = "ttt";
inline constexpr const char* kSetsLabel = "Label7";
inline constexpr const char* kSetsBox = "Text1";
inline constexpr const char* kProgress = RowForm::kProgress;
inline constexpr const char* kCompletion = RowForm::kCompletion;

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

// The row windows' frames, buttons and report lines; the answers frame
// starts lower, under the grid, and the output and button frames stand
// further right and are narrower.
inline DrillLayout drillLayout(const QString& drillName)
{
    DrillLayout layout = RowForm::drillLayout(drillName);
    layout.answerFrame = { 1560, 5280, 4455, 1095 };
    layout.outputFrame = { 6600, 1920, 3975, 1815 };
    layout.check1 = { 6840, 2640, 1695, 495 };
    layout.check2 = { 8520, 2640, 1935, 495 };
    layout.buttonFrame = { 6600, 4200, 3975, 2175 };
    layout.command3 = { 6690, 4680, 1425, 495 };
    return layout;
}
} // namespace SetForm
