// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The system's default printer. Before a run it asks the print system whether
// the default queue exists, runs and takes jobs; after the run it paints the
// pages into one PDF document, submits it itself and reads the print
// system's answer, so a refused or failed job is reported, never taken for
// printed. The queue's paper is asked over the same kind of connection. A
// print system that does not answer within a few seconds counts as failed
// (for the paper: A4 stands in), and nothing is left waiting for it.

#include "printing/PrintTarget.h"

class SystemPrintTarget : public PrintTarget {
public:
    QString refusal() const override;
    PrintOutcome print(const PrintedPages& pages) override;
    QPageLayout pageLayout() const override;
    QString silence() const override;

    // The print system's number of the last job handed over, 0 before any.
    int lastJobId() const { return m_lastJob; }

private:
    int m_lastJob = 0;
};
