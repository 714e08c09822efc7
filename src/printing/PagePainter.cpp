// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/PagePainter.h"

#include "common/Fonts.h"
#include "printing/PrintMessages.h"
#include "printing/SheetGlyphs.h"

#include <QGlyphRun>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

namespace {
constexpr double kSmallestPoints = 1.0;

double fittingPoints(const PrintedPage& lines, const QRectF& area)
{
    SheetGlyphs& g = SheetGlyphs::shared();
    double widest = 0;
    for (const QString& line : lines) {
        widest = std::max(widest, g.width(line));
    }
    const double tall = g.lineSpacing() * static_cast<double>(lines.size());
    double scale = 1.0;
    if (widest > 0) {
        scale = std::min(scale, area.width() / widest);
    }
    if (tall > 0) {
        scale = std::min(scale, area.height() / tall);
    }
    // A hair below the exact fit, so rounding never pushes the last column out.
    return scale >= 1.0 ? PagePainter::kLargestPoints : PagePainter::kLargestPoints * scale * 0.999;
}

QRectF paintArea(const QPageLayout& layout, QPageLayout::Orientation orientation)
{
    return PagePainter::turned(layout, orientation).paintRect(QPageLayout::Point);
}

// Draws one line at the baseline, in points at the given size. Spaces are
// only gaps: the glyph run holds the other characters at their places.
void drawLine(QPainter& painter, const QString& line, double baseline, double points)
{
    SheetGlyphs& g = SheetGlyphs::shared();
    const double factor = points / SheetGlyphs::kMeasuredPoints;
    QList<quint32> indexes;
    QList<QPointF> positions;
    indexes.reserve(line.size());
    positions.reserve(line.size());
    double x = 0;
    for (const QChar c : line) {
        const SheetGlyphs::Glyph& glyph = g.glyph(c);
        if (c != QLatin1Char(' ')) {
            if (glyph.index == 0) {
                // A character the sheet font lacks: let the text engine find a font for it.
                QFont font = Fonts::sheetMono(PagePainter::kLargestPoints);
                font.setPointSizeF(points * 72.0 / painter.device()->logicalDpiY());
                painter.setFont(font);
                painter.drawText(QPointF(0, baseline), line);
                return;
            }
            indexes.append(glyph.index);
            positions.append(QPointF(x, 0));
        }
        x += glyph.advance * factor;
    }
    if (indexes.isEmpty()) {
        return;
    }
    QRawFont font = g.font();
    font.setPixelSize(points);
    QGlyphRun run;
    run.setRawFont(font);
    run.setGlyphIndexes(indexes);
    run.setPositions(positions);
    painter.drawGlyphRun(QPointF(0, baseline), run);
}

} // namespace

QPageLayout PagePainter::keptFromEdges(const QPageLayout& layout)
{
    QPageLayout result = layout;
    result.setUnits(QPageLayout::Point);
    const QMarginsF given = result.margins();
    const auto kept = [](double margin) { return std::max(margin, kLeastEdgePoints); };
    result.setMargins(
        QMarginsF(kept(given.left()), kept(given.top()), kept(given.right()), kept(given.bottom())));
    return result;
}

QPageLayout PagePainter::turned(const QPageLayout& layout, QPageLayout::Orientation orientation)
{
    QPageLayout result = keptFromEdges(layout);
    result.setOrientation(QPageLayout::Portrait);
    const QMarginsF upright = result.margins();
    result.setOrientation(orientation);
    if (orientation == QPageLayout::Landscape) {
        // The upright top and bottom edges become the sides, and the sides
        // the top and bottom, in a direction the printer chooses.
        const double sides = std::max(upright.top(), upright.bottom());
        const double ends = std::max(upright.left(), upright.right());
        result.setMinimumMargins(QMarginsF());
        result.setMargins(QMarginsF(sides, ends, sides, ends));
    }
    return result;
}

void PagePainter::paintPage(QPainter& painter, const PrintedPage& lines, double points)
{
    SheetGlyphs& g = SheetGlyphs::shared();
    // Below the smallest size the lines keep 1 pt glyphs and the page is scaled down.
    const double drawn = std::max(points, kSmallestPoints);
    const double shrink = points / drawn;
    painter.save();
    painter.scale(shrink, shrink);
    const double factor = drawn / SheetGlyphs::kMeasuredPoints;
    double baseline = g.ascent() * factor;
    for (const QString& line : lines) {
        if (!line.isEmpty()) {
            drawLine(painter, line, baseline, drawn);
        }
        baseline += g.lineSpacing() * factor;
    }
    painter.restore();
}

PageFit PagePainter::fit(const PrintedPage& lines, const QPageLayout& layout)
{
    PageFit upright { fittingPoints(lines, paintArea(layout, QPageLayout::Portrait)), QPageLayout::Portrait };
    if (upright.points >= kTurnBelowPoints) {
        return upright;
    }
    const PageFit sideways { fittingPoints(lines, paintArea(layout, QPageLayout::Landscape)),
        QPageLayout::Landscape };
    return sideways.points > upright.points ? sideways : upright;
}

double PagePainter::smallestPoints(const PrintedPages& pages, const QPageLayout& layout)
{
    double smallest = kLargestPoints;
    for (const PrintedPage& page : pages) {
        smallest = std::min(smallest, fit(page, layout).points);
    }
    return smallest;
}

double PagePainter::paint(QPagedPaintDevice& device, const PrintedPages& pages)
{
    double smallest = kLargestPoints;
    const QPageLayout paper = turned(device.pageLayout(), QPageLayout::Portrait);
    QPainter painter;
    for (qsizetype i = 0; i < pages.size(); ++i) {
        const PageFit fitted = fit(pages[i], paper);
        const QPageLayout asked = turned(paper, fitted.orientation);
        device.setPageLayout(asked);
        const bool started = i == 0 ? painter.begin(&device) : device.newPage();
        if (!started) {
            if (painter.isActive()) {
                painter.end();
            }
            return -1;
        }
        // A printer may keep the orientation or margins it has (Qt's printer
        // cannot turn the paper once a job has begun): the lines are fitted
        // to the area the page really got, still kept from the paper's edges.
        const QPageLayout got = device.pageLayout();
        const QRectF area = keptFromEdges(got).paintRect(QPageLayout::Point);
        const double points = got == asked ? fitted.points : fittingPoints(pages[i], area);
        const double dotsPerPoint = device.logicalDpiY() / 72.0;
        painter.resetTransform();
        painter.scale(dotsPerPoint, dotsPerPoint);
        // The painter starts at the corner of the area the device calls printable.
        painter.translate(area.topLeft() - got.paintRect(QPageLayout::Point).topLeft());
        paintPage(painter, pages[i], points);
        smallest = std::min(smallest, points);
    }
    if (painter.isActive() && !painter.end()) {
        return -1;
    }
    return smallest;
}

double PagePainter::writePdf(QIODevice& device, const PrintedPages& pages, const QPageLayout& layout)
{
    QPdfWriter writer(&device);
    writer.setTitle(PrintTexts::kJobName);
    writer.setCreator(PrintTexts::kJobName);
    writer.setPageLayout(layout);
    return paint(writer, pages);
}
