// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a row drill window is made of, as data: its operand boxes and layout
// boxes with what they accept, and for the drills on two operands of chosen
// digit counts (multiplication, division in rows) their sheet, the runner
// that draws their questions and the choices they offer.

#include "drills/rows/RowDrill.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class SheetOutputs;

// One operand box: its title, its first contents, the whole numbers it
// accepts and, where it has one of its own, the message that refuses it.
struct OperandBox {
    QString title;
    int initial;
    int low;
    int high;
    QString message = {}; // empty: the boxes' shared message
};

// The settings boxes of a row drill window and what they accept.
struct RowBoxes {
    std::vector<OperandBox> operands = {}; // none, one or two, on settings lines 0 and 1
    bool firstAtLeastSecond = false; // the first operand is never less than the second
    QString operandsMessage = {}; // shown when an operand box is refused
    RowLayout initialLayout;
    RowLayoutLimits layoutLimits;
    QString countsMessage; // shown when a layout box is refused
};

// The distinct questions of a drill's digit counts, numbered from 0.
struct NumberedQuestions {
    std::int64_t count;
    // Writes question number index at the end of the row.
    std::function<void(SheetLine& row, std::int64_t index, bool answers)> write;
};

// A choice of the kind of question in a frame of its own (整除 / 有余数, the
// decimal places); its first option, chosen at start, is the drill's plain questions.
struct RowChoice {
    QString caption;
    std::vector<QString> options;
};

class OperandRowWindow;

struct RowDrillDefinition {
    using Window = OperandRowWindow; // the window family that shows it

    QString drillName;
    RowBoxes boxes; // the two digit boxes, first and second operand, and the layout boxes
    // option: the chosen option of the drill's choice, 0 where it has none.
    std::function<RowSheet(int firstDigits, int secondDigits, int option)> sheet;
    // Draws and writes a whole run: RowDrill::runDrawn with the drill's
    // question writer for the chosen option.
    bool (*run)(const OperandRun& run, SheetOutputs& outputs);
    // For a drill that offers 题目不重复: its questions of the digit counts.
    std::function<NumberedQuestions(int firstDigits, int secondDigits, int option)> numbered = {};
    std::optional<RowChoice> choice = std::nullopt;
};
