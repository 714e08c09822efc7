#pragma once
// The multiplication drill window (zdcs1 for the middle grades, gdcs1 for
// the upper grades): digit counts of the two factors, questions per row, rows
// per page, pages per run.

#include "drills/multiply/Multiplication.h"
#include "drills/rows/OperandRowWindow.h"

class MultiplyWindow : public OperandRowWindow {
    Q_OBJECT
public:
    MultiplyWindow(DrillEnvironment& environment, MultiplyGrade grade, QWidget* parent = nullptr);
};
