#pragma once
// The preschool chain drill window xqd7: columns of one-digit terms added
// and subtracted.

#include "forms/DrillWindow.h"

class ChainWindow : public DrillWindow {
    Q_OBJECT
public:
    explicit ChainWindow(DrillEnvironment& environment, QWidget* parent = nullptr);

protected:
    void generate() override;
};
