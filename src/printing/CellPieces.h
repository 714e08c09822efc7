// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A question cell in the pieces a printed page draws it in: runs of text,
// set on the row's line as the sheet file writes them, and fractions, which
// the file writes "3/5" and the page sets stacked as the textbooks print
// them, the numerator over a bar over the denominator. In a cell "/" stands
// only for a fraction's bar (division is "÷"): digits, "/", digits make a
// fraction; a "/" without whole numbers on both sides stays text.

#include <QList>
#include <QString>

struct CellPiece {
    QString text; // a run of text; empty in a fraction
    QString numerator; // a fraction's digits above the bar; empty in a run of text
    QString denominator; // and below it

    bool isFraction() const { return !numerator.isEmpty(); }
    bool operator==(const CellPiece&) const = default;
};

namespace CellPieces {
// The cell's pieces in reading order; their texts, with "/" between a
// fraction's numbers, joined are the cell.
QList<CellPiece> split(const QString& cell);
// Whether the cell holds a fraction.
bool holdsFraction(const QString& cell);
} // namespace CellPieces
