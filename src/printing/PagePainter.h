// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one routine that paints printed sheets, on a printer, a PDF file or a
// preview alike. Each page is set in a fixed-pitch CJK font at the largest
// size (12 pt at most) at which its widest line and all its lines fit the
// printable area, so nothing is cut off. Whatever area a printer calls
// printable, nothing is drawn within 18 pt of the paper's edges, which most
// office printers cannot reach. A page that would need less than 7 pt
// upright is turned sideways when that gives a larger size. Lines too wide
// even at 1 pt are scaled down further.
//
// A page of question cells is set to fill its area: the questions in the
// largest size up to 22 pt at which their rows and columns fit between the
// head and the footer, upright or sideways, whichever gives the larger size;
// the columns spread over the width and the rows over the height. The title
// is centred, in the questions' size or smaller where it is too long; the
// footer is small print. Thin rules part the questions from head and footer.
//
// A fraction in a cell ("3/5") is drawn stacked as the textbooks print it:
// its numbers a little smaller than the row's type, centred over and under a
// bar on the middle of the signs beside it. A page with fractions gives
// every row the height of the stacked numbers with air between the rows,
// and measures each cell as drawn, its fractions narrower than written; the
// room a cell leaves for its answer stays as many characters wide as the
// sheet counts. Pages without fractions are set as ever.

#include "printing/PrintedPages.h"

#include <QList>
#include <QPageLayout>
#include <QRectF>

class QIODevice;
class QPagedPaintDevice;
class QPainter;

// Where the parts of a page of cells go, in points from the top left corner
// of the printable area.
struct CellPlaces {
    struct Line {
        double x = 0;
        double baseline = 0;
        double points = 0;
    };
    QList<Line> lines; // each of the page's lines, the head's and the footer's
    double points = 0; // the questions' size
    // The questions' block: from the first column's left to the last cell's
    // right end, from the first row's top to the last row's bottom.
    QRectF block;
    double columnPitch = 0; // from one column's left to the next one's
    double rowPitch = 0; // from one row's top to the next one's
    double firstBaseline = 0; // the first row's
    double headRule = 0; // the rules above and below the block, across the area
    double footRule = 0;
    double ruleLength = 0;
};

struct PageFit {
    double points = 12.0; // the size the lines are printed at (below 1: scaled down from 1 pt);
                          // on a page of cells, the questions' size
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    CellPlaces cells; // on a page of cells, where its parts go
};

namespace PagePainter {
inline constexpr double kLargestPoints = 12.0;
// Below this size upright, a page is tried sideways.
inline constexpr double kTurnBelowPoints = 7.0;
// Below this size a page is hard to read; the run and the preview say so.
inline constexpr double kLegiblePoints = 8.0;
// The least distance in points between the printed lines and each edge of
// the paper (a quarter inch); a printer's larger margin wins.
inline constexpr double kLeastEdgePoints = 18.0;
// The largest size of the questions on a page of cells, and of its footer.
inline constexpr double kLargestCellPoints = 22.0;
inline constexpr double kFooterPoints = 10.0;
// The least row pitch on a page of cells, in sizes of its questions: room
// to write an answer in; and the most, so a few rows do not drift apart.
inline constexpr double kLeastRowPitch = 1.5;
inline constexpr double kMostRowPitch = 3.0;
// The least gap between two columns of cells, in sizes of the questions.
inline constexpr double kLeastColumnGap = 1.0;

// The size and orientation for a page on paper of the given layout (its
// orientation is ignored), and for a page of cells where its parts go.
PageFit fit(const PrintedPage& page, const QPageLayout& layout);
// Where the parts of a page of cells go in a printable area of that size.
CellPlaces placeCells(const PrintedPage& page, const QSizeF& area);

// The size of the smallest of the pages on that paper, a page of cells
// counting its questions' size (12 with no pages).
double smallestPoints(const PrintedPages& pages, const QPageLayout& layout);

// The layout in points with every margin at least kLeastEdgePoints.
QPageLayout keptFromEdges(const QPageLayout& layout);

// The layout of a page printed in the given orientation: the paper turned,
// and its printable area turned with it, kept from the edges. Where a side's
// margin after the turn depends on the direction of the turn, which the
// printer decides, it takes the larger of the two margins it may come from.
QPageLayout turned(const QPageLayout& layout, QPageLayout::Orientation orientation);

// Paints one page as fit() set it. The painter's units are points, its
// origin the top left corner of the printable area.
void paintPage(QPainter& painter, const PrintedPage& page, const PageFit& fitted);

// Paints the pages on the device, one device page each, in the device's
// paper size and margins (kept from the edges). Returns the smallest size
// used (as smallestPoints() counts it), or a negative value when the device could not be
// painted on.
double paint(QPagedPaintDevice& device, const PrintedPages& pages);

// Paints the pages into a PDF document written to the device, on paper of
// the given layout; returns as paint() does.
double writePdf(QIODevice& device, const PrintedPages& pages, const QPageLayout& layout);
} // namespace PagePainter
