// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page loop of the row and chain drills: the sheet file with its head
// lines, then each page framed by its head, rule lines and numbered footer,
// its rows written by the drill, until the pages are done or an output fails.
// Sheets of questions in cells have their own loop: the title and the line
// under it head the file and each page, and the footer ends each page.

#include "output/SheetOutputs.h"

namespace PageLoop {
// writeRow() draws one row of questions and hands its lines to the outputs.
// Returns whether the sheet file was put in place (true without one); the
// printed pages go out when the outputs finish.
template <typename RowWriter>
bool run(SheetOutputs& outputs, const QString& fileName, const QString& title, const QString& rule, int pages,
    int rowsPerPage, const RowWriter& writeRow)
{
    outputs.beginFile(fileName, title);
    for (int page = 1; page <= pages && !outputs.failed(); ++page) {
        outputs.beginPage(title, rule);
        for (int r = 0; r < rowsPerPage && !outputs.failed(); ++r) {
            writeRow();
        }
        outputs.endPage(rule, page);
    }
    return outputs.closeFile();
}

// The same for a sheet of question cells, each with room for cellWidth
// characters; writeRow() hands a row of cells to the outputs.
template <typename RowWriter>
bool runCells(SheetOutputs& outputs, const QString& fileName, const QString& title, const QString& underTitle,
    int cellWidth, int pages, int rowsPerPage, const RowWriter& writeRow)
{
    outputs.beginFile(fileName, title, underTitle);
    for (int page = 1; page <= pages && !outputs.failed(); ++page) {
        outputs.beginCellPage(title, underTitle, cellWidth);
        for (int r = 0; r < rowsPerPage && !outputs.failed(); ++r) {
            writeRow();
        }
        outputs.endCellPage(page);
    }
    return outputs.closeFile();
}
} // namespace PageLoop
