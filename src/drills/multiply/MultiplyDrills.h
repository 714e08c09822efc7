// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The multiplication drill windows as data: the row windows of the grades,
// zdcs1 (middle grades) and gdcs1 (upper grades), digit counts of the two
// factors and the layout of rows and pages, each made from its grade's rules;
// and the set window zhch1, up to four kinds of a×b pooled and shuffled into
// sets, one sheet file and one printed page per set.

#include "drills/multiply/Multiplication.h"
#include "drills/rows/RowDrillDefinition.h"
#include "drills/sets/SetDrillDefinition.h"

namespace MultiplySetTexts {
inline const QString kDrillName = QStringLiteral("综合乘算");
inline const QString kTitle = QStringLiteral("小学综合乘算试题");
inline const QString kFilePrefix = QStringLiteral("综合乘算");
// The longest question with its answer, 999999×99999=99998900001, and two spaces.
inline constexpr int kCellWidth = 26;
} // namespace MultiplySetTexts

namespace MultiplyDrills {
// A new grade is one more constant here and its row in the drill registry.
// The middle grades start at 3 × 1 digits, keep their cells of 6 characters
// per digit of the first factor and the layout message teachers know.
inline const MultiplyGradeRules kMiddle {
    .stage = QStringLiteral("中段"),
    .firstDigits = 3,
    .secondDigits = 1,
    .countsMessage = MultiplyTexts::kMiddleGradeCountsMessage,
};
// The upper grades start at 3 × 2 digits, keep their columns straight and
// offer decimals of one or two places and 题目不重复.
inline const MultiplyGradeRules kUpper {
    .stage = QStringLiteral("高段"),
    .firstDigits = 3,
    .secondDigits = 2,
    .alignedCells = true,
    .maxPlaces = 2,
    .offersDistinct = true,
};

// The row window of a grade.
RowDrillDefinition rows(const MultiplyGradeRules& grade);
const SetDrillDefinition& sets();
} // namespace MultiplyDrills
