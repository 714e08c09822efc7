#pragma once
// The comprehensive division drill window zhcs2: up to four kinds of exact
// division, shuffled into sets, one sheet file and one printed page per set.

#include "forms/DrillWindow.h"

class DivisionWindow : public DrillWindow {
    Q_OBJECT
public:
    explicit DivisionWindow(DrillEnvironment& environment, QWidget* parent = nullptr);

protected:
    void generate() override;
};
