// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The form table of the textbook-unit window (教材同步): the four lists 教材,
// 年级, 单元 and 内容 one under another below the heading, each with its
// label, and under them the row drills' form moved down by their room: the
// layout boxes on its first settings lines, the answer, output and button
// frames, the progress box and the completion label.

#include "forms/RowForm.h"

namespace UnitForm {
inline constexpr const char* kEditionLabel = "Label2";
inline constexpr const char* kEditionList = "Combo1";
inline constexpr const char* kBookLabel = "Label3";
inline constexpr const char* kBookList = "Combo2";
inline constexpr const char* kUnitLabel = "Label8";
inline constexpr const char* kUnitList = "Combo3";
inline constexpr const char* kEntryLabel = "Label9";
inline constexpr const char* kEntryList = "Combo4";
// The layout boxes keep the row drills' names.
inline constexpr const char* kPerRowBox = RowForm::kPerRowBox;
inline constexpr const char* kRowsBox = RowForm::kRowsBox;
inline constexpr const char* kPagesBox = RowForm::kPagesBox;

// How far the row drills' controls move down to make room for the lists.
inline constexpr int kShift = 1800;

inline Twips shifted(Twips place)
{
    return { place.left, place.top + kShift, place.width, place.height };
}

inline DrillLayout drillLayout(const QString& drillName)
{
    DrillLayout layout = RowForm::drillLayout(drillName);
    for (Twips* place : { &layout.answerFrame, &layout.option1, &layout.option2, &layout.option3,
             &layout.outputFrame, &layout.check1, &layout.check2, &layout.buttonFrame, &layout.command1,
             &layout.command2, &layout.command3, &layout.progress, &layout.completion }) {
        *place = shifted(*place);
    }
    return layout;
}

// List lines 0 to 3, top to bottom, 540 twips apart.
inline Twips listLabel(int line)
{
    return { 1680, 1560 + 540 * line, 735, 375 };
}
inline Twips listBox(int line)
{
    return { 2520, 1500 + 540 * line, 5895, 435 };
}

// 编号 under the layout boxes, on the row drills' settings line 3.
inline constexpr Twips kSheetNumberLabel { 1680, 2040 + 540 * 3 + kShift, 1575, 375 };
inline constexpr Twips kSheetNumberBox { 3360, 2040 + 540 * 3 + kShift, 1215, 375 };

// The layout boxes on the row drills' settings lines 0 to 2.
inline Twips settingLabel(int line)
{
    return shifted(RowForm::settingLabel(line));
}
inline Twips settingBox(int line)
{
    return shifted(RowForm::settingBox(line));
}
} // namespace UnitForm
