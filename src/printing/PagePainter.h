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

#include "printing/PrintedPages.h"

#include <QPageLayout>

class QIODevice;
class QPagedPaintDevice;
class QPainter;

struct PageFit {
    double points = 12.0; // the size the lines are printed at (below 1: scaled down from 1 pt)
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
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

// The size and orientation for a page's lines on paper of the given layout
// (its orientation is ignored).
PageFit fit(const PrintedPage& lines, const QPageLayout& layout);

// The size of the smallest of the pages on that paper (12 with no pages).
double smallestPoints(const PrintedPages& pages, const QPageLayout& layout);

// The layout in points with every margin at least kLeastEdgePoints.
QPageLayout keptFromEdges(const QPageLayout& layout);

// The layout of a page printed in the given orientation: the paper turned,
// and its printable area turned with it, kept from the edges. Where a side's
// margin after the turn depends on the direction of the turn, which the
// printer decides, it takes the larger of the two margins it may come from.
QPageLayout turned(const QPageLayout& layout, QPageLayout::Orientation orientation);

// Paints one page's lines at the size fit() found. The painter's units are
// points, its origin the top left corner of the printable area.
void paintPage(QPainter& painter, const PrintedPage& lines, double points);

// Paints the pages on the device, one device page each, in the device's
// paper size and margins (kept from the edges). Returns the smallest size
// used (12 with no pages), or a negative value when the device could not be
// painted on.
double paint(QPagedPaintDevice& device, const PrintedPages& pages);

// Paints the pages into a PDF document written to the device, on paper of
// the given layout; returns as paint() does.
double writePdf(QIODevice& device, const PrintedPages& pages, const QPageLayout& layout);
} // namespace PagePainter
