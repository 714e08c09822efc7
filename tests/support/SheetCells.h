// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the questions of a row drill's sheet back from its rows: the cells
// of each row, numbers as written, and addition and subtraction questions
// taken apart.

#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

namespace SheetCells {
// The width of each of the row's perRow cells, after the indent.
int cellWidth(const QString& row, int perRow);
// Every cell of every row, each starting its own column of `width`
// characters after the indent; a row of another length gives one cell that
// names its length, so no cell of it matches a question.
QStringList cellsOf(const QStringList& rows, int perRow, int width);

// A number as written, "3.25", as a whole number of its last place and its places: 325 and 2.
std::pair<qint64, int> scaled(const QString& written);

// An addition or subtraction question with its answer, "(12)+7=19": its two
// or three numbers and its result as whole numbers of hundredths, tenths or
// ones (places 2, 1, 0), the operation of each step, and which number stands
// in brackets for the blank (-1: none).
struct AddSubCell {
    std::vector<qint64> numbers;
    std::vector<bool> subtract;
    qint64 result = 0;
    int bracketed = -1;
    std::vector<int> writtenPlaces; // the places each number is written with
};
// Nothing when the cell is not such a question padded with spaces: numbers
// without leading zeros or trailing zeros after the point.
std::optional<AddSubCell> readAddSubCell(const QString& cell, int places);
} // namespace SheetCells
