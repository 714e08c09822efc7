// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A drill's run, called one way: the window hands over what its boxes ask for
// and gets back what the run did. The run opens the chosen outputs, lets the
// drill write its passes (for a separate answer sheet a pass without answers
// and then, from the same draws, one with them), hands the pages to the
// printer and returns the outcome; it shows nothing itself.

#include "output/RunOutcome.h"
#include "output/SheetOutputs.h"

#include <functional>

class PrintTarget;
class RandomSource;

enum class AnswerSheet { Shown, Hidden, Separate };

// What the answer and output choices of a drill window ask of a run.
struct RunRequest {
    OutputChoice outputs;
    AnswerSheet answers = AnswerSheet::Hidden;
    QString sheetFolder; // where sheet files go
};

// One pass of a run over the drill: with or without answers, drawing from
// the given source. stepDone() tells the window that a part of the run is
// done (a set drill calls it after each set).
struct DrillPass {
    bool answers;
    RandomSource& random;
    const std::function<void()>& stepDone;
};

// Writes one pass to the outputs; false once an output failed.
using PassWriter = std::function<bool(SheetOutputs& outputs, const DrillPass& pass)>;

namespace SheetRun {
RunOutcome run(PrintTarget& target, const RunRequest& request, RandomSource& random,
    const PassWriter& writePass, const std::function<void()>& stepDone);
} // namespace SheetRun
