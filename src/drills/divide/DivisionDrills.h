// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The division drill windows as data: the upper-grade row window gdchs1,
// exact divisions of one kind (dividend and divisor digits) laid out in rows
// and pages like the multiplication drill, in cells of 18 characters; and the
// comprehensive set window zhcs2, up to four kinds of exact division shuffled
// into sets, one sheet file and one printed page per set.

#include "drills/rows/RowDrillDefinition.h"
#include "drills/sets/SetDrillDefinition.h"

namespace DivisionRowTexts {
inline const QString kDigitsMessage
    = QStringLiteral("输入位数错误！被除数位数为2-6位，除数位数为1-5位，且被除数位数不能少于除数位数。");
} // namespace DivisionRowTexts

namespace DivisionDrills {
const RowDrillDefinition& rows();
const SetDrillDefinition& sets();
} // namespace DivisionDrills
