// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The addition and subtraction drills as data: kindergarten (a limit) and the
// lower, middle and upper grades (digit counts of the two numbers), each with
// the boxes it starts with and the choices it offers. One window family,
// AddSubWindow, shows them all.

#include <QString>

class AddSubWindow;

struct AddSubDrillDefinition {
    using Window = AddSubWindow; // the window family that shows it

    QString stage; // "低段", "中段", "高段"; empty for kindergarten
    QString drillName; // named in the heading and on the generate button
    int maxDigits = 0; // 0: a limit box instead of the two digit boxes
    int firstDigits = 0; // initial contents of the boxes
    int secondDigits = 0;
    int limit = 0;
    bool offersBlanks = false; // the form choice 求结果 / 填空
    bool offersThreeNumbers = false; // chains of three numbers
    bool offersDecimals = false; // the choice of decimal places
};

namespace AddSubDrills {
inline const AddSubDrillDefinition kKindergarten {
    .stage = QString(),
    .drillName = QStringLiteral("幼儿加减"),
    .limit = 10,
    .offersBlanks = true,
};
inline const AddSubDrillDefinition kLower {
    .stage = QStringLiteral("低段"),
    .drillName = QStringLiteral("低段加减"),
    .maxDigits = 2,
    .firstDigits = 2,
    .secondDigits = 1,
    .offersBlanks = true,
    .offersThreeNumbers = true,
};
inline const AddSubDrillDefinition kMiddle {
    .stage = QStringLiteral("中段"),
    .drillName = QStringLiteral("中段加减"),
    .maxDigits = 4,
    .firstDigits = 3,
    .secondDigits = 2,
    .offersThreeNumbers = true,
};
inline const AddSubDrillDefinition kUpper {
    .stage = QStringLiteral("高段"),
    .drillName = QStringLiteral("高段加减"),
    .maxDigits = 6,
    .firstDigits = 4,
    .secondDigits = 3,
    .offersDecimals = true,
};
} // namespace AddSubDrills
