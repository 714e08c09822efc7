// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings grid of a set drill: one column per kind with a box for the
// digits of the first operand, one for the digits of the second and one for
// the count. The checks run kind by kind and box by box, each failure giving
// its message, so a sibling drill differs only in its bounds and messages.

#include <QStringList>
#include <optional>
#include <vector>

// A kind's three boxes as read; no value when a box held no number.
struct KindBoxes {
    std::optional<int> first;
    std::optional<int> second;
    std::optional<int> count;
};

struct KindGridRules {
    int firstLow;
    int firstHigh;
    int secondLow;
    int secondHigh;
    int countLow;
    int countHigh;
    QString digitsMessage;
    QString countMessage;
    // When not empty: a kind with one or more questions whose first operand
    // has fewer digits than its second is refused with this message.
    QString fewerDigitsMessage;
};

// A kind that passed the checks.
struct CheckedKind {
    int first;
    int second;
    int count;
};

struct KindGridCheck {
    QStringList messages; // in the order they are shown; empty when all passed
    std::vector<CheckedKind> kinds; // filled only when all passed
};

namespace KindGrid {
// For each kind, first its first-digits box and then its second-digits box:
// a box out of range gives the digits message, otherwise a count out of range
// gives the count message. Then a kind whose digits and count all passed is
// checked for too few first digits. Every check runs even after a failure.
KindGridCheck check(const std::vector<KindBoxes>& grid, const KindGridRules& rules);
} // namespace KindGrid
