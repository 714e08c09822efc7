// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/SheetRun.h"

#include "random/RandomSource.h"

RunOutcome SheetRun::run(PrintTarget& target, const RunRequest& request, RandomSource& random,
    const PassWriter& writePass, const std::function<void()>& stepDone)
{
    SheetOutputs outputs(target, request.outputs, request.sheetFolder);
    if (!outputs.open()) {
        RunOutcome refused = outputs.outcome();
        refused.refused = true;
        return refused;
    }
    bool ok = false;
    switch (request.answers) {
    case AnswerSheet::Shown:
    case AnswerSheet::Hidden:
        ok = writePass(outputs, { request.answers == AnswerSheet::Shown, random, stepDone });
        break;
    case AnswerSheet::Separate: {
        // The answers are the same questions: the second pass replays the
        // draws of the first from a copy, and the shared source ends where a
        // run without answers leaves it.
        RandomSource replay = random;
        outputs.expectAnswerSheets();
        ok = writePass(outputs, { false, random, stepDone });
        if (ok) {
            outputs.beginAnswers();
            ok = writePass(outputs, { true, replay, stepDone });
        }
        break;
    }
    }
    if (ok) {
        outputs.finish();
    }
    return outputs.outcome();
}
