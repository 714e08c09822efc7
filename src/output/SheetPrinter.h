// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printed sheet of a run: lines, and on a page of cells rows of question
// cells, gathered page by page. The pages are painted and handed to the
// print target as one job when the run is over (see PagePainter for how a
// page is set).

#include "printing/PrintedPages.h"

class SheetPrinter {
public:
    void printLine(const QString& text) { m_page.append(text); }
    void printEmptyLine() { m_page.append(QString()); }
    // The lines printed so far head the page; rows of cells, each cell with
    // room for cellWidth characters, follow.
    void beginCells(int cellWidth)
    {
        m_page.headLines = m_page.size();
        m_page.cellWidth = cellWidth;
    }
    void printCells(const QStringList& cells) { m_page.rows.append(cells); }
    void endPage()
    {
        m_pages.append(std::move(m_page));
        m_page = {};
    }

    // The pages ended so far.
    const PrintedPages& pages() const { return m_pages; }

private:
    PrintedPage m_page;
    PrintedPages m_pages;
};
