// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window of every row drill (multiplication and division in rows,
// addition and subtraction): one or two operand boxes on the first settings
// lines, then questions per row (Text4), rows per page (Text5) and pages per
// run (Text6), each box with its title label. Generating reads the operand
// boxes, then the layout boxes, each refused with its own message; the drill
// then makes its own checks and names its run, which the drill window
// carries out and reports.

#include "drills/rows/RowDrill.h"
#include "forms/DrillWindow.h"

#include <optional>
#include <vector>

// One operand box: its title, its first contents and the whole numbers it accepts.
struct OperandBox {
    QString title;
    int initial;
    int low;
    int high;
};

// The settings boxes of a row drill window and what they accept.
struct RowBoxes {
    std::vector<OperandBox> operands; // one or two, on settings lines 0 and 1
    bool firstAtLeastSecond; // the first operand is never less than the second
    QString operandsMessage; // shown when an operand box is refused
    RowLayout initialLayout;
    RowLayoutLimits layoutLimits;
    QString countsMessage; // shown when a layout box is refused
};

class RowWindow : public DrillWindow {
    Q_OBJECT
protected:
    RowWindow(DrillEnvironment& environment, const QString& drillName, RowBoxes boxes, QWidget* parent);

    // What a run makes: the sheet file named in the completion text, and its passes.
    struct Run {
        QString fileName;
        PassWriter writePass;
    };
    // The drill's own checks of the operands (one a box, top to bottom) and
    // the layout, and the run they make; nothing once a refusal is shown.
    virtual std::optional<Run> prepareRun(const std::vector<int>& operands, const RowLayout& layout) = 0;

    std::optional<DrillRun> readRun() final;

private:
    // A title label and its box on settings line 0 to 4.
    QLineEdit* settingLine(
        int line, const char* labelName, const QString& title, const char* boxName, int initial);
    // Nothing when a box does not hold a whole number it accepts.
    std::optional<std::vector<int>> readOperands() const;

    RowBoxes m_boxes;
    std::vector<QLineEdit*> m_operandBoxes;
    QLineEdit* m_perRow = nullptr;
    QLineEdit* m_rows = nullptr;
    QLineEdit* m_pages = nullptr;
};
