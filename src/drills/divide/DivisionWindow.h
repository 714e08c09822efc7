#pragma once
// The comprehensive division drill window zhcs2: up to four kinds of exact
// division, shuffled into sets, one sheet file and one printed page per set.

#include "drills/sets/SetDrillWindow.h"

class DivisionWindow : public SetDrillWindow {
    Q_OBJECT
public:
    explicit DivisionWindow(DrillEnvironment& environment, QWidget* parent = nullptr);
};
