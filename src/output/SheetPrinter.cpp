#include "output/SheetPrinter.h"

#include "common/Fonts.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPrinter>
#include <QSizeF>
#include <algorithm>

namespace {
constexpr double kLargestPoints = 12.0;
constexpr double kSmallestPoints = 1.0;

// How much a page's lines need at a font size: the widest line and the height of all lines.
QSizeF extent(const QStringList& lines, const QFontMetricsF& metrics)
{
    double widest = 0;
    for (const QString& line : lines) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    return { widest, metrics.lineSpacing() * static_cast<double>(lines.size()) };
}

// The factor (at most 1) that shrinks that extent into the page.
double shrinkToFit(const QSizeF& needed, double pageWidth, double pageHeight)
{
    return std::min({ 1.0, needed.width() > 0 ? pageWidth / needed.width() : 1.0,
        needed.height() > 0 ? pageHeight / needed.height() : 1.0 });
}
} // namespace

SheetPrinter::SheetPrinter(std::unique_ptr<QPagedPaintDevice> device)
    : m_device(std::move(device))
{
}

SheetPrinter::~SheetPrinter()
{
    if (m_painter.isActive()) {
        m_painter.end();
    }
}

void SheetPrinter::printLine(const QString& text)
{
    m_lines.append(text);
}

void SheetPrinter::printEmptyLine()
{
    m_lines.append(QString());
}

double SheetPrinter::fittingPointSize(
    const QStringList& lines, QPaintDevice* device, double pageWidth, double pageHeight)
{
    double points = kLargestPoints;
    while (points > kSmallestPoints) {
        const double scale = shrinkToFit(
            extent(lines, QFontMetricsF(Fonts::sheetMono(points), device)), pageWidth, pageHeight);
        if (scale >= 1.0) {
            return points;
        }
        // Shrink in proportion to the overflow, a little more to allow for hinting.
        points = std::max(kSmallestPoints, std::min(points * scale, points - 0.1) * 0.995);
    }
    return kSmallestPoints;
}

void SheetPrinter::endPage()
{
    ++m_pages;
    if (!m_failed) {
        if (!m_painter.isActive()) {
            m_failed = !m_painter.begin(m_device.get());
        } else {
            m_failed = !m_device->newPage();
        }
    }
    if (!m_failed) {
        const double width = m_device->width();
        const double height = m_device->height();
        const QFont font = Fonts::sheetMono(fittingPointSize(m_lines, m_device.get(), width, height));
        m_painter.setFont(font);
        const QFontMetricsF metrics(font, m_device.get());
        // Lines too wide even at the smallest font size (hundreds of
        // questions in a row) are scaled down further, so none is cut off.
        const double scale = shrinkToFit(extent(m_lines, metrics), width, height);
        m_painter.resetTransform();
        m_painter.scale(scale, scale);
        double baseline = metrics.ascent();
        for (const QString& line : std::as_const(m_lines)) {
            if (!line.isEmpty()) {
                m_painter.drawText(QPointF(0, baseline), line);
            }
            baseline += metrics.lineSpacing();
        }
    }
    m_lines.clear();
}

bool SheetPrinter::finish()
{
    if (m_painter.isActive() && !m_painter.end()) {
        m_failed = true;
    }
    return !m_failed;
}

void SheetPrinter::abort()
{
    // Cancels the job where the print system allows it. Through CUPS it does
    // not: the pages already ended are printed all the same.
    if (auto* printer = dynamic_cast<QPrinter*>(m_device.get())) {
        printer->abort();
    }
    if (m_painter.isActive()) {
        m_painter.end();
    }
    m_lines.clear();
}
