// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the application hands to every drill window: the one shared random
// source, the place printed sheets go and the folder sheet files (and a
// preview's PDF file) go to.

#include <QString>

class PrintTarget;
class RandomSource;

struct DrillEnvironment {
    RandomSource& random;
    PrintTarget& printTarget;
    QString sheetFolder;
};
