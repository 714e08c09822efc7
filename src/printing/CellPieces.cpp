// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/CellPieces.h"

namespace {
bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Whether a number of digits from begin to end stands on its own: no decimal
// point or further digit joins it on either side.
bool wholeNumber(const QString& cell, qsizetype begin, qsizetype end)
{
    const auto joins = [](QChar c) { return c == QLatin1Char('.') || isDigit(c); };
    return begin < end && (begin == 0 || !joins(cell[begin - 1]))
        && (end == cell.size() || !joins(cell[end]));
}
} // namespace

QList<CellPiece> CellPieces::split(const QString& cell)
{
    QList<CellPiece> pieces;
    qsizetype taken = 0; // the cell before this is in pieces already
    qsizetype slash = cell.indexOf(QLatin1Char('/'));
    while (slash >= 0) {
        qsizetype begin = slash;
        while (begin > taken && isDigit(cell[begin - 1])) {
            --begin;
        }
        qsizetype end = slash + 1;
        while (end < cell.size() && isDigit(cell[end])) {
            ++end;
        }
        if (!wholeNumber(cell, begin, slash) || !wholeNumber(cell, slash + 1, end)) {
            slash = cell.indexOf(QLatin1Char('/'), slash + 1);
            continue;
        }
        if (begin > taken) {
            pieces.append({ cell.mid(taken, begin - taken), {}, {} });
        }
        pieces.append({ {}, cell.mid(begin, slash - begin), cell.mid(slash + 1, end - slash - 1) });
        taken = end;
        slash = cell.indexOf(QLatin1Char('/'), end);
    }
    if (taken < cell.size()) {
        pieces.append({ cell.mid(taken), {}, {} });
    }
    return pieces;
}

bool CellPieces::holdsFraction(const QString& cell)
{
    if (!cell.contains(QLatin1Char('/'))) {
        return false;
    }
    for (const CellPiece& piece : split(cell)) {
        if (piece.isFraction()) {
            return true;
        }
    }
    return false;
}
