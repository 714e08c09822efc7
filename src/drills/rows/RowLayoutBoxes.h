#pragma once
// The three layout boxes that every row drill window has, on its settings
// lines 2 to 4: questions per row (Text4), rows per page (Text5) and pages
// per run (Text6), with their title labels.

#include "drills/rows/RowDrill.h"

#include <optional>

class QLineEdit;
class QWidget;

class RowLayoutBoxes {
public:
    RowLayoutBoxes(QWidget* window, const RowLayout& initial);

    // The layout as typed, or nothing when a box does not hold a whole
    // number from 1 to its limit.
    std::optional<RowLayout> read(const RowLayoutLimits& limits) const;

    static qint64 questions(const RowLayout& layout)
    {
        return qint64 { layout.perRow } * layout.rowsPerPage * layout.pages;
    }

private:
    QLineEdit* m_perRow;
    QLineEdit* m_rows;
    QLineEdit* m_pages;
};
