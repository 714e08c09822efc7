// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The row drill: questions in fixed-width cells, a number of them per row, rows
// per page and pages per run, streamed row by row to the run's outputs. The
// multiplication, division-in-rows and addition/subtraction drills each supply
// their sheet names and a function that draws one question and writes it at
// the end of the row. The textbook-unit and mixed-operations sheets hand each
// question over as a cell of its own instead.

#include "output/FrameLines.h"
#include "output/PageLoop.h"
#include "output/SheetLine.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <cstdint>
#include <optional>

struct RowSheet {
    QString fileName;
    QString title;
    int cellWidth;
};

// A numbered sheet whose questions stand in cells of their own: one a cell
// in the file, set on a grid that fills the printed page.
struct CellSheet {
    QString fileName;
    QString title;
    int sheetNumber; // 编号, named in the line under the title
    int cellWidth; // characters of the widest question with its answer
};

struct RowLayout {
    int perRow;
    int rowsPerPage;
    int pages;

    qint64 questions() const { return qint64 { perRow } * rowsPerPage * pages; }
};

// The highest questions per row, rows per page and pages a row drill accepts
// (the lowest are 1).
struct RowLayoutLimits {
    int maxPerRow;
    int maxRows;
    int maxPages;
};

class RandomSource;

// One run of a drill on two operands of chosen digit counts.
struct OperandRun {
    const RowSheet& sheet;
    const RowLayout& layout;
    RandomSource& random;
    int firstDigits;
    int secondDigits;
    bool answers;
    int option = 0; // the drill's choice of question kind, 0 for its first
};

namespace RowDrill {
// Every row starts with this indent.
inline constexpr int kIndent = 4;

// A sheet named after its drill: file "<stem>速算.xls", title "小学<stem>速算试题".
RowSheet namedSheet(const QString& stem, int cellWidth);
// The name of a drill on two operands of chosen digit counts, e.g. "中段3位乘1位".
QString operandStem(const QString& stage, int firstDigits, const QString& operation, int secondDigits);

// Pads the cell that started at character cellStart with spaces to the cell
// width. A question that fills or overflows its cell still gets one space, so
// it never runs into the next one.
inline void padCell(SheetLine& row, qsizetype cellStart, int cellWidth)
{
    const qsizetype used = row.length() - cellStart;
    row.appendSpaces(used < cellWidth ? cellWidth - used : 1);
}

// The message of layout settings out of those limits, naming them.
QString countsMessage(const RowLayoutLimits& limits);

// The titles of the questions-per-row, rows-per-page and pages boxes.
inline const QString kPerRowTitle = QStringLiteral("每行题数");
inline const QString kRowsTitle = QStringLiteral("每页行数");
inline const QString kPagesTitle = QStringLiteral("每次页数");

// The layout the texts of the questions-per-row, rows-per-page and pages
// boxes ask for; nothing when one is not a whole number within its limits.
std::optional<RowLayout> readLayout(
    const QString& perRow, const QString& rows, const QString& pages, const RowLayoutLimits& limits);

// Writes a two-operand question "a<sign>b=" and,
// when given, its answer. The numbers of a question are never negative.
inline void writeOperation(
    SheetLine& line, std::int64_t a, char16_t sign, std::int64_t b, std::optional<std::int64_t> answer)
{
    Q_ASSERT(a >= 0 && b >= 0 && answer.value_or(0) >= 0);
    line.appendNumber(a);
    line.appendSign(sign);
    line.appendNumber(b);
    line.appendAscii('=');
    if (answer) {
        line.appendNumber(*answer);
    }
}

// "一位小数" or "两位小数": the captions of a choice of decimal places, and
// what a sheet's name adds for them.
QString placesName(int places);

// Draws and writes the whole run and puts its sheet file in place; the
// printed pages go out when the outputs finish. False when an output failed
// (recorded in the outputs). writeQuestion(row) draws one question and writes
// it at the end of the row; it is called directly, as a run may hold 400,000
// questions.
template <typename Writer>
bool run(const RowSheet& sheet, const RowLayout& layout, const Writer& writeQuestion, SheetOutputs& outputs)
{
    // One run of hyphens under each column of questions.
    const QString rule(static_cast<qsizetype>(layout.perRow) * sheet.cellWidth, QLatin1Char('-'));
    SheetLine row;
    return PageLoop::run(outputs, sheet.fileName, sheet.title, rule, layout.pages, layout.rowsPerPage, [&] {
        row.clear();
        row.appendSpaces(kIndent);
        for (int q = 0; q < layout.perRow; ++q) {
            const qsizetype cellStart = row.length();
            writeQuestion(row);
            padCell(row, cellStart, sheet.cellWidth);
        }
        outputs.line(row);
    });
}

// The same for a sheet of question cells: each row goes to the outputs as
// its cells, not as one padded line.
template <typename Writer>
bool runCells(
    const CellSheet& sheet, const RowLayout& layout, const Writer& writeQuestion, SheetOutputs& outputs)
{
    SheetLine question;
    QStringList cells;
    return PageLoop::runCells(outputs, sheet.fileName, sheet.title, FrameLines::classLine(sheet.sheetNumber),
        sheet.cellWidth, layout.pages, layout.rowsPerPage, [&] {
            cells.clear();
            for (int q = 0; q < layout.perRow; ++q) {
                question.clear();
                writeQuestion(question);
                cells.append(question.text());
            }
            outputs.cells(cells);
        });
}

// A whole run of questions drawn by writeNextQuestion(row, random,
// firstDigits, secondDigits, answers), called for each cell.
template <auto writeNextQuestion> bool runDrawn(const OperandRun& run, SheetOutputs& outputs)
{
    return RowDrill::run(
        run.sheet, run.layout,
        [&](SheetLine& row) {
            writeNextQuestion(row, run.random, run.firstDigits, run.secondDigits, run.answers);
        },
        outputs);
}
} // namespace RowDrill
