// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The multiplication drill windows as data: the row windows zdcs1 (middle
// grades) and gdcs1 (upper grades), digit counts of the two factors and the
// layout of rows and pages; and the set window zhch1, up to four kinds of a×b
// pooled and shuffled into sets, one sheet file and one printed page per set.

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
const RowDrillDefinition& rows(MultiplyGrade grade);
const SetDrillDefinition& sets();
} // namespace MultiplyDrills
