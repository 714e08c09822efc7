// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where printed sheets go: the system's default printer in the program, a PDF
// file when a sheet is rendered for checking, or a preview. A run asks before
// it writes anything whether the target can print, and hands it all its pages
// as one job when it is over.

#include "printing/PrintedPages.h"

#include <QPageLayout>
#include <QString>

struct PrintOutcome {
    // Why the job did not go through, in the program's language; empty when it did.
    QString failure;
    // The smallest font size the pages were printed at.
    double smallestPoints = 12.0;

    bool ok() const { return failure.isEmpty(); }
};

class PrintTarget {
public:
    virtual ~PrintTarget() = default;
    // Why nothing can be printed now (no default printer, a stopped queue, a
    // queue that takes no jobs), as the message to show; empty when it can.
    virtual QString refusal() const = 0;
    // Paints the pages and hands them over as one job.
    virtual PrintOutcome print(const PrintedPages& pages) = 0;
    // The paper and margins the pages are printed on.
    virtual QPageLayout pageLayout() const { return a4(); }
    // The message when the print system does not answer at all, so that
    // nothing may ask it anything now; empty when it answers or there is none.
    virtual QString silence() const { return {}; }
    // Whether printed pages come out on paper (a preview only keeps them).
    virtual bool printsOnPaper() const { return true; }

    // A4 upright with margins of 10 mm: the paper of PDF files and the preview
    // when there is no printer to ask.
    static QPageLayout a4();
};

// Paints the pages into a PDF file, on the given paper (A4 unless told).
class PdfPrintTarget : public PrintTarget {
public:
    explicit PdfPrintTarget(QString path, QPageLayout paper = a4())
        : m_path(std::move(path))
        , m_paper(std::move(paper))
    {
    }
    QString refusal() const override { return {}; }
    PrintOutcome print(const PrintedPages& pages) override;
    QPageLayout pageLayout() const override { return m_paper; }

private:
    QString m_path;
    QPageLayout m_paper;
};

// Keeps the pages instead of printing them, for the preview.
class PageCollector : public PrintTarget {
public:
    explicit PageCollector(QPageLayout layout)
        : m_layout(std::move(layout))
    {
    }
    QString refusal() const override { return {}; }
    QPageLayout pageLayout() const override { return m_layout; }
    bool printsOnPaper() const override { return false; }
    PrintOutcome print(const PrintedPages& pages) override;
    const PrintedPages& pages() const { return m_pages; }

private:
    QPageLayout m_layout;
    PrintedPages m_pages;
};
