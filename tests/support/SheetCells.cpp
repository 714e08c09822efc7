// SPDX-License-Identifier: GPL-3.0-or-later
#include "SheetCells.h"

#include "drills/rows/RowDrill.h"

#include <QRegularExpression>

int SheetCells::cellWidth(const QString& row, int perRow)
{
    return static_cast<int>(row.size() - RowDrill::kIndent) / perRow;
}

QStringList SheetCells::cellsOf(const QStringList& rows, int perRow, int width)
{
    QStringList cells;
    for (const QString& row : rows) {
        if (row.size() != RowDrill::kIndent + perRow * width) {
            return { QStringLiteral("row of %1 characters: ").arg(row.size()) + row };
        }
        for (int q = 0; q < perRow; ++q) {
            cells << row.mid(RowDrill::kIndent + width * q, width);
        }
    }
    return cells;
}

std::pair<qint64, int> SheetCells::scaled(const QString& written)
{
    const qsizetype point = written.indexOf(QLatin1Char('.'));
    if (point < 0) {
        return { written.toLongLong(), 0 };
    }
    return { QString(written).remove(point, 1).toLongLong(), static_cast<int>(written.size() - point - 1) };
}

std::optional<SheetCells::AddSubCell> SheetCells::readAddSubCell(const QString& cell, int places)
{
    // Two or three numbers, one of them in brackets in the blank form.
    static const QRegularExpression shape(QStringLiteral(
        "^(\\(?)((?:0|[1-9]\\d*)(?:\\.\\d*[1-9])?)\\)?([+-])(\\(?)((?:0|[1-9]\\d*)(?:\\.\\d*[1-9])?)\\)?"
        "(?:([+-])((?:0|[1-9]\\d*)(?:\\.\\d*[1-9])?))?=((?:0|[1-9]\\d*)(?:\\.\\d*[1-9])?) +$"));
    const auto match = shape.match(cell);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    // A number as a whole number of the unit of `places` places; -1 with more places.
    const auto value = [&](const QString& written) {
        const auto [number, numberPlaces] = scaled(written);
        qint64 result = number;
        for (int p = numberPlaces; p < places; ++p) {
            result *= 10;
        }
        return numberPlaces > places ? -1 : result;
    };
    AddSubCell question;
    question.numbers = { value(match.captured(2)), value(match.captured(5)) };
    question.subtract = { match.captured(3) == QLatin1String("-") };
    if (match.hasCaptured(7)) {
        question.numbers.push_back(value(match.captured(7)));
        question.subtract.push_back(match.captured(6) == QLatin1String("-"));
    }
    question.result = value(match.captured(8));
    question.bracketed = !match.captured(1).isEmpty() ? 0 : !match.captured(4).isEmpty() ? 1 : -1;
    for (const int number : { 2, 5, 7 }) {
        if (match.hasCaptured(number)) {
            question.writtenPlaces.push_back(scaled(match.captured(number)).second);
        }
    }
    return question;
}
