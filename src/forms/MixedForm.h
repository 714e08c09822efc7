// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The form table of the mixed-operations window (四则混合): the row drills'
// form with 最大数 and 得数不超过 on its first two settings lines, the layout
// boxes on the next three, 乘除在表内 and 题目不重复 beside them, and the
// frames 运算 (four check boxes) and 步数 (three options) right of the output
// and button frames.

#include "forms/RowForm.h"

namespace MixedForm {
inline constexpr const char* kLargestLabel = RowForm::kFirstLabel;
inline constexpr const char* kLargestBox = RowForm::kFirstBox;
inline constexpr const char* kResultsLabel = RowForm::kSecondLabel;
inline constexpr const char* kResultsBox = RowForm::kSecondBox;
inline constexpr const char* kPerRowBox = RowForm::kPerRowBox;
inline constexpr const char* kRowsBox = RowForm::kRowsBox;
inline constexpr const char* kPagesBox = RowForm::kPagesBox;
inline constexpr const char* kOperationFrame = "Frame4";
// 加, 减, 乘, 除.
inline constexpr const char* kOperations[] = { "Check4", "Check5", "Check6", "Check7" };
inline constexpr const char* kTableCheck = "Check8";
inline constexpr const char* kStepsFrame = "Frame5";
// 一步, 两步, 两步带括号.
inline constexpr const char* kSteps[] = { "Option4", "Option5", "Option6" };

inline constexpr Twips kOperationFramePlace { 10800, 1920, 2415, 1455 };
// Two check boxes a line.
inline Twips operationPlace(int index)
{
    return { 10980 + 1080 * (index % 2), 2340 + 480 * (index / 2), 975, 435 };
}
inline constexpr Twips kStepsFramePlace { 10800, 3480, 2415, 1935 };
inline Twips stepsPlace(int line)
{
    return { 10980, 3900 + 480 * line, 2115, 435 };
}
// 编号 under the 步数 frame.
inline constexpr Twips kSheetNumberLabel { 10860, 5580, 615, 375 };
inline constexpr Twips kSheetNumberBox { 11520, 5580, 1335, 375 };

// Between the settings boxes and the output frame, above 题目不重复.
inline constexpr Twips kTableCheckPlace { 4500, 3900, 1575, 495 };
} // namespace MixedForm
