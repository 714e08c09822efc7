// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/PagePainter.h"

#include "common/Fonts.h"
#include "printing/CellPieces.h"
#include "printing/PrintMessages.h"
#include "printing/SheetGlyphs.h"

#include <QGlyphRun>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <algorithm>
#include <limits>

namespace {
constexpr double kSmallestPoints = 1.0;
// The thickness of the rules on a page of cells, in points.
constexpr double kRuleWidth = 0.5;

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

// Draws one line from x at the baseline, in points at the given size. Spaces
// are only gaps: the glyph run holds the other characters at their places.
void drawLine(QPainter& painter, const QString& line, double x0, double baseline, double points)
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
                painter.drawText(QPointF(x0, baseline), line);
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
    painter.drawGlyphRun(QPointF(x0, baseline), run);
}

// How a stacked fraction is set, in sizes of its row's type: the numbers a
// little smaller than the row's, centred over and under a bar a little wider
// than the wider of them, the bar on the middle of "=" so the signs beside
// it stand on its line.
struct FractionMeasures {
    double scale = 0.8; // the numbers' size to the row's
    double axis = 0.3; // the bar's middle above the row's baseline
    double digitTop = 0.7; // the digits' ink above their baseline, at the row's size
    double digitBottom = 0; // and below it
    double gap = 0.12; // between the bar and the digits' ink over and under it
    double bar = 0.06; // the bar's thickness
    double overhang = 0.08; // the bar beyond the wider number's cells on each side
    double margin = 0.15; // between the bar's ends and the text beside it

    // From the bar's middle to the ink's end above or below it: the two halves match.
    double half() const { return bar / 2 + gap + scale * (digitTop + digitBottom); }
};

// The measures from the sheet font's own digits and "=".
const FractionMeasures& fractionMeasures()
{
    static const FractionMeasures measures = [] {
        FractionMeasures f;
        SheetGlyphs& g = SheetGlyphs::shared();
        const QRawFont& font = g.font();
        if (!font.isValid()) {
            return f;
        }
        const double perPoint = 1.0 / SheetGlyphs::kMeasuredPoints;
        double top = 0;
        double bottom = 0;
        for (char16_t digit = u'0'; digit <= u'9'; ++digit) {
            const quint32 index = g.glyph(QChar(digit)).index;
            if (index != 0) {
                const QRectF ink = font.boundingRect(index);
                top = std::max(top, -ink.top() * perPoint);
                bottom = std::max(bottom, ink.bottom() * perPoint);
            }
        }
        if (top > 0) {
            f.digitTop = top;
            f.digitBottom = bottom;
        }
        if (const quint32 equals = g.glyph(QLatin1Char('=')).index; equals != 0) {
            const QRectF ink = font.boundingRect(equals);
            if (ink.height() > 0) {
                f.axis = -ink.center().y() * perPoint;
            }
        }
        return f;
    }();
    return measures;
}

// The least row pitch of a page with fractions, in sizes of its type: the
// stacked numbers and half a size of air, so they never touch the next row's.
double fractionRowPitch()
{
    return 2 * fractionMeasures().half() + 0.5;
}

// A fraction's width at 1 pt: the bar and the room beside it.
double fractionWidth(const CellPiece& fraction)
{
    SheetGlyphs& g = SheetGlyphs::shared();
    const FractionMeasures& f = fractionMeasures();
    const double wider = std::max(g.width(fraction.numerator), g.width(fraction.denominator));
    return 2 * (f.margin + f.overhang) + f.scale * wider / SheetGlyphs::kMeasuredPoints;
}

// A cell's width at 1 pt as it is drawn, its fractions stacked.
double drawnWidth(const QString& cell)
{
    SheetGlyphs& g = SheetGlyphs::shared();
    if (!cell.contains(QLatin1Char('/'))) {
        return g.width(cell) / SheetGlyphs::kMeasuredPoints;
    }
    double width = 0;
    for (const CellPiece& piece : CellPieces::split(cell)) {
        width
            += piece.isFraction() ? fractionWidth(piece) : g.width(piece.text) / SheetGlyphs::kMeasuredPoints;
    }
    return width;
}

// Draws a cell from x at the row's baseline: its text as a line, its
// fractions stacked on the middle of the line.
void drawCell(QPainter& painter, const QString& cell, double x0, double baseline, double points)
{
    if (!cell.contains(QLatin1Char('/'))) {
        drawLine(painter, cell, x0, baseline, points);
        return;
    }
    SheetGlyphs& g = SheetGlyphs::shared();
    const FractionMeasures& f = fractionMeasures();
    const double perPoint = points / SheetGlyphs::kMeasuredPoints;
    const double barMiddle = baseline - f.axis * points;
    const double numbers = f.scale * points;
    double x = x0;
    for (const CellPiece& piece : CellPieces::split(cell)) {
        if (!piece.isFraction()) {
            drawLine(painter, piece.text, x, baseline, points);
            x += g.width(piece.text) * perPoint;
            continue;
        }
        const double width = fractionWidth(piece) * points;
        const double middle = x + width / 2;
        const double over = g.width(piece.numerator) * f.scale * perPoint;
        const double under = g.width(piece.denominator) * f.scale * perPoint;
        const double reach = f.bar / 2 + f.gap;
        drawLine(painter, piece.numerator, middle - over / 2,
            barMiddle - (reach + f.scale * f.digitBottom) * points, numbers);
        drawLine(painter, piece.denominator, middle - under / 2,
            barMiddle + (reach + f.scale * f.digitTop) * points, numbers);
        const double bar = std::max(over, under) + 2 * f.overhang * points;
        painter.fillRect(
            QRectF(middle - bar / 2, barMiddle - f.bar * points / 2, bar, f.bar * points), Qt::black);
        x += width;
    }
}

// A page of cells: its measures at 1 pt, from which the parts are set at any size.
struct CellMeasures {
    QList<double> lineWidths; // each line's
    double cellWidth = 0; // the room of a cell
    qsizetype columns = 0;
    qsizetype rows = 0;
    qsizetype headLines = 0;
    double lineSpacing = 0;
    double ascent = 0;
    double rowPitch = 0; // the least row pitch
    bool fractions = false; // whether a cell holds a fraction
};

CellMeasures measure(const PrintedPage& page)
{
    SheetGlyphs& g = SheetGlyphs::shared();
    const double perPoint = 1.0 / SheetGlyphs::kMeasuredPoints;
    CellMeasures m;
    for (const QString& line : page) {
        m.lineWidths.append(g.width(line) * perPoint);
    }
    for (const QStringList& row : page.rows) {
        m.columns = std::max(m.columns, row.size());
        m.fractions = m.fractions || std::any_of(row.begin(), row.end(), CellPieces::holdsFraction);
    }
    const double digit = g.width(QStringLiteral("0")) * perPoint;
    m.cellWidth = m.fractions ? 0 : g.width(QString(page.cellWidth, QLatin1Char('0'))) * perPoint;
    for (const QStringList& row : page.rows) {
        for (const QString& cell : row) {
            if (m.fractions) {
                // The room a cell's characters leave for the answer stays as
                // wide as they count it; its fractions take what they are drawn in.
                const auto blank = std::max<qsizetype>(page.cellWidth - cell.size(), 0);
                m.cellWidth = std::max(m.cellWidth, drawnWidth(cell) + static_cast<double>(blank) * digit);
            } else {
                m.cellWidth = std::max(m.cellWidth, g.width(cell) * perPoint);
            }
        }
    }
    m.rows = page.rows.size();
    m.headLines = std::clamp<qsizetype>(page.headLines, 0, page.size());
    m.lineSpacing = g.lineSpacing() * perPoint;
    m.ascent = g.ascent() * perPoint;
    m.rowPitch = std::max(PagePainter::kLeastRowPitch, m.lineSpacing);
    if (m.fractions) {
        m.rowPitch = std::max(m.rowPitch, fractionRowPitch());
    }
    return m;
}

// The size of a head or footer line: at most the given one, and no wider than the area.
double lineSize(double width, double largest, double areaWidth)
{
    return width > 0 ? std::min(largest, areaWidth / width * 0.999) : largest;
}

// The gap between the head or the footer and the questions' block.
double ruleGap(double points)
{
    return 0.5 * points;
}

// The height a head or footer line takes at the given size: the font's line
// spacing and a little air below, so the title does not touch the line under it.
double lineHeight(const CellMeasures& m, double size)
{
    return (m.lineSpacing + 0.3) * size;
}

// The height of the lines from first to last, and of the gap beside the block.
double linesHeight(
    const CellMeasures& m, qsizetype first, qsizetype last, double points, double largest, double areaWidth)
{
    double height = 0;
    for (qsizetype i = first; i < last; ++i) {
        height += lineHeight(m, lineSize(m.lineWidths[i], largest, areaWidth));
    }
    return height + ruleGap(points);
}

// Whether the questions fit at that size, with the head and footer set for it.
bool cellsFit(const CellMeasures& m, const QSizeF& area, double points)
{
    const auto columns = static_cast<double>(m.columns);
    if (columns * m.cellWidth * points + (columns - 1) * PagePainter::kLeastColumnGap * points
        > area.width()) {
        return false;
    }
    const double head = linesHeight(m, 0, m.headLines, points, points, area.width());
    const double foot = linesHeight(m, m.headLines, m.lineWidths.size(), points,
        std::min(points, PagePainter::kFooterPoints), area.width());
    const double pitch = m.rowPitch * points;
    return static_cast<double>(m.rows) * pitch <= area.height() - head - foot;
}
} // namespace

CellPlaces PagePainter::placeCells(const PrintedPage& page, const QSizeF& area)
{
    const CellMeasures m = measure(page);
    // The largest size that fits, found by halving the range it lies in.
    double low = 0;
    double high = kLargestCellPoints;
    if (cellsFit(m, area, high)) {
        low = high;
    }
    for (int step = 0; step < 40 && high - low > 0.001; ++step) {
        const double middle = (low + high) / 2;
        (cellsFit(m, area, middle) ? low : high) = middle;
    }
    CellPlaces places;
    places.points = low;
    double y = 0;
    for (qsizetype i = 0; i < m.headLines; ++i) {
        const double size = lineSize(m.lineWidths[i], low, area.width());
        // The title is centred, the lines under it start at the left.
        const double x = i == 0 ? (area.width() - m.lineWidths[i] * size) / 2 : 0;
        places.lines.append({ x, y + m.ascent * size, size });
        y += lineHeight(m, size);
    }
    places.headRule = y + ruleGap(low) / 2;
    const double top = y + ruleGap(low);
    double footTop = area.height();
    for (qsizetype i = m.headLines; i < m.lineWidths.size(); ++i) {
        footTop -= lineHeight(m, lineSize(m.lineWidths[i], std::min(low, kFooterPoints), area.width()));
    }
    y = footTop;
    for (qsizetype i = m.headLines; i < m.lineWidths.size(); ++i) {
        const double size = lineSize(m.lineWidths[i], std::min(low, kFooterPoints), area.width());
        places.lines.append({ 0, y + m.ascent * size, size });
        y += lineHeight(m, size);
    }
    const double room = footTop - ruleGap(low) - top;
    const double cellWidth = m.cellWidth * low;
    places.rowPitch = m.rows > 0 ? std::min(room / static_cast<double>(m.rows), kMostRowPitch * low) : 0;
    places.columnPitch = m.columns > 1 ? (area.width() - cellWidth) / static_cast<double>(m.columns - 1) : 0;
    places.block = QRectF(0, top,
        static_cast<double>(std::max<qsizetype>(m.columns - 1, 0)) * places.columnPitch + cellWidth,
        static_cast<double>(m.rows) * places.rowPitch);
    // Each row's line in the middle of its pitch; with fractions, their bars
    // there, so the numbers over and under them have the same room.
    places.firstBaseline = m.fractions ? top + places.rowPitch / 2 + fractionMeasures().axis * low
                                       : top + (places.rowPitch - m.lineSpacing * low) / 2 + m.ascent * low;
    places.footRule = places.block.bottom() + ruleGap(low) / 2;
    places.ruleLength = area.width();
    return places;
}

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

PageFit PagePainter::fit(const PrintedPage& page, const QPageLayout& layout)
{
    if (page.hasCells()) {
        // Whichever way gives the questions the larger size, upright when both do alike.
        PageFit upright { 0, QPageLayout::Portrait,
            placeCells(page, paintArea(layout, QPageLayout::Portrait).size()) };
        upright.points = upright.cells.points;
        PageFit sideways { 0, QPageLayout::Landscape,
            placeCells(page, paintArea(layout, QPageLayout::Landscape).size()) };
        sideways.points = sideways.cells.points;
        return sideways.points > upright.points ? sideways : upright;
    }
    PageFit upright { fittingPoints(page, paintArea(layout, QPageLayout::Portrait)), QPageLayout::Portrait,
        {} };
    if (upright.points >= kTurnBelowPoints) {
        return upright;
    }
    const PageFit sideways { fittingPoints(page, paintArea(layout, QPageLayout::Landscape)),
        QPageLayout::Landscape, {} };
    return sideways.points > upright.points ? sideways : upright;
}

namespace {
void paintLines(QPainter& painter, const PrintedPage& lines, double points)
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
            drawLine(painter, line, 0, baseline, drawn);
        }
        baseline += g.lineSpacing() * factor;
    }
    painter.restore();
}

void paintCells(QPainter& painter, const PrintedPage& page, const CellPlaces& places)
{
    for (qsizetype i = 0; i < page.size() && i < places.lines.size(); ++i) {
        const CellPlaces::Line& line = places.lines[i];
        if (!page[i].isEmpty()) {
            drawLine(painter, page[i], line.x, line.baseline, line.points);
        }
    }
    for (qsizetype r = 0; r < page.rows.size(); ++r) {
        const double baseline = places.firstBaseline + static_cast<double>(r) * places.rowPitch;
        const QStringList& row = page.rows[r];
        for (qsizetype c = 0; c < row.size(); ++c) {
            drawCell(painter, row[c], places.block.left() + static_cast<double>(c) * places.columnPitch,
                baseline, places.points);
        }
    }
    painter.save();
    painter.setPen(QPen(Qt::black, kRuleWidth));
    for (const double y : { places.headRule, places.footRule }) {
        painter.drawLine(QLineF(0, y, places.ruleLength, y));
    }
    painter.restore();
}
} // namespace

void PagePainter::paintPage(QPainter& painter, const PrintedPage& page, const PageFit& fitted)
{
    if (page.hasCells()) {
        paintCells(painter, page, fitted.cells);
    } else {
        paintLines(painter, page, fitted.points);
    }
}

double PagePainter::smallestPoints(const PrintedPages& pages, const QPageLayout& layout)
{
    double smallest = std::numeric_limits<double>::infinity();
    for (const PrintedPage& page : pages) {
        smallest = std::min(smallest, fit(page, layout).points);
    }
    return pages.isEmpty() ? kLargestPoints : smallest;
}

double PagePainter::paint(QPagedPaintDevice& device, const PrintedPages& pages)
{
    double smallest = std::numeric_limits<double>::infinity();
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
        PageFit used = fitted;
        if (got != asked) {
            if (pages[i].hasCells()) {
                used.cells = placeCells(pages[i], area.size());
                used.points = used.cells.points;
            } else {
                used.points = fittingPoints(pages[i], area);
            }
        }
        const double dotsPerPoint = device.logicalDpiY() / 72.0;
        painter.resetTransform();
        painter.scale(dotsPerPoint, dotsPerPoint);
        // The painter starts at the corner of the area the device calls printable.
        painter.translate(area.topLeft() - got.paintRect(QPageLayout::Point).topLeft());
        paintPage(painter, pages[i], used);
        smallest = std::min(smallest, used.points);
    }
    if (painter.isActive() && !painter.end()) {
        return -1;
    }
    return pages.isEmpty() ? kLargestPoints : smallest;
}

double PagePainter::writePdf(QIODevice& device, const PrintedPages& pages, const QPageLayout& layout)
{
    QPdfWriter writer(&device);
    writer.setTitle(PrintTexts::kJobName);
    writer.setCreator(PrintTexts::kJobName);
    writer.setPageLayout(layout);
    return paint(writer, pages);
}
