// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The division drill windows as data: the row windows of the grades (the
// upper grades' gdchs1), divisions of one kind (dividend and divisor digits)
// laid out in rows and pages like the multiplication drill, exact ones in
// cells of 18 characters, each made from its grade's rules; and the
// comprehensive set window zhcs2, up to four kinds of exact division shuffled
// into sets, one sheet file and one printed page per set.

#include "drills/rows/RowDrillDefinition.h"
#include "drills/sets/SetDrillDefinition.h"

namespace DivisionRowTexts {
inline const QString kDigitsMessage
    = QStringLiteral("输入位数错误！被除数位数为2-6位，除数位数为1-5位，且被除数位数不能少于除数位数。");
} // namespace DivisionRowTexts

// One grade of the division in rows: what its window starts with and offers.
struct DivisionGradeRules {
    QString stage; // "高段": starts the drill's name and its sheets' names
    int dividendDigits; // the digit boxes' first contents
    int divisorDigits;
    // The choice of 整除 and 有余数; without it, exact divisions only.
    bool offersRemainders = false;
};

namespace DivisionDrills {
// A new grade is one more constant here and its row in the drill registry.
// The upper grades start at 3 ÷ 1 digits and offer divisions with remainders.
inline const DivisionGradeRules kUpper {
    .stage = QStringLiteral("高段"),
    .dividendDigits = 3,
    .divisorDigits = 1,
    .offersRemainders = true,
};

// The row window of a grade; every grade offers 题目不重复.
RowDrillDefinition rows(const DivisionGradeRules& grade);
const SetDrillDefinition& sets();
} // namespace DivisionDrills
