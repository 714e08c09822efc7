#pragma once
// The multiplication drill window (zdcs1 for the middle grades, gdcs1 for
// the upper grades): digit counts of the two factors, questions per row, rows
// per page, pages per run.

#include "drills/rows/OperandRowWindow.h"

class MultiplyWindow : public OperandRowWindow {
    Q_OBJECT
public:
    // stage is "中段" or "高段"; the two digit counts are the boxes' first contents.
    MultiplyWindow(DrillEnvironment& environment, const QString& stage, int firstDigits, int secondDigits,
        QWidget* parent = nullptr);
};
