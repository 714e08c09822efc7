// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a run did, handed back to the window that asked for it: the sheet
// files put in place, the pages printed, the smallest font size they got and
// what failed, in the order it happened. Only the window shows the failures.

#include <QStringList>

struct RunOutcome {
    QStringList filesWritten;
    qsizetype pagesPrinted = 0;
    double smallestPoints = 12.0; // 12 when nothing was printed
    // Each failure's message, for a message box of its own.
    QStringList failures;
    // The outputs refused the run before anything was written (no printer):
    // the window keeps what its last run showed.
    bool refused = false;

    bool ok() const { return failures.isEmpty(); }
};
