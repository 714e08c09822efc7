#pragma once
// The row drill: questions in fixed-width cells, a number of them per row, rows
// per page and pages per run, streamed row by row to the run's outputs. The
// multiplication, division-in-rows and addition/subtraction drills each supply
// their sheet names and a function that draws and writes one question.

#include <QString>
#include <functional>

class SheetOutputs;

struct RowSheet {
    QString fileName;
    QString title;
    int cellWidth;
};

struct RowLayout {
    int perRow;
    int rowsPerPage;
    int pages;
};

namespace RowDrill {
// Every row starts with this indent.
inline constexpr int kIndent = 4;

// The question text padded with spaces to the cell width. A text that fills or
// overflows its cell still gets one space, so it never runs into the next one.
void appendCell(QString& row, const QString& question, int cellWidth);

// Draws and writes the whole run; false when an output failed (already reported).
bool run(const RowSheet& sheet, const RowLayout& layout, const std::function<QString()>& nextQuestion,
    SheetOutputs& outputs);
} // namespace RowDrill
