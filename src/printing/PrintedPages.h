// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printed sheet of a run page by page, kept until the run is over so
// that the same pages can be painted on a printer, a PDF file or a preview.
//
// A page is a list of lines, set one under the other in one size. A page of
// cells also holds rows of question cells: its lines before the rows head
// the page (the title first), the lines after them foot it, and the cells are
// set on a grid that spreads over the room between. A cell writes a fraction
// "3/5" as the sheet file does; the painter draws it stacked.

#include <QList>
#include <QMetaType>
#include <QStringList>

class PrintedPage : public QList<QString> {
public:
    using QList<QString>::QList;
    // A page of these lines.
    PrintedPage(const QList<QString>& lines)
        : QList<QString>(lines)
    {
    }

    // The rows of question cells; empty on a page of lines.
    QList<QStringList> rows;
    // How many of the lines stand above the rows; the others stand below.
    qsizetype headLines = 0;
    // The characters each cell has room for: its widest question with the answer.
    int cellWidth = 0;

    bool hasCells() const { return !rows.isEmpty(); }

    friend bool operator==(const PrintedPage& a, const PrintedPage& b)
    {
        return static_cast<const QList<QString>&>(a) == static_cast<const QList<QString>&>(b)
            && a.rows == b.rows && a.headLines == b.headLines && a.cellWidth == b.cellWidth;
    }
};
Q_DECLARE_METATYPE(PrintedPage)

using PrintedPages = QList<PrintedPage>;
