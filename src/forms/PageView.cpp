// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/PageView.h"

#include "printing/PagePainter.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

namespace {
constexpr int kGap = 12; // pixels between pages

// One sheet of paper on the screen.
class Sheet : public QWidget {
public:
    Sheet(const PrintedPage& lines, const QPageLayout& paper, const double& zoom, QWidget* parent)
        : QWidget(parent)
        , m_lines(lines)
        , m_zoom(zoom)
        , m_fit(PagePainter::fit(lines, paper))
    {
        m_paper = PagePainter::turned(paper, m_fit.orientation);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    QSizeF paperSize() const { return m_paper.fullRect(QPageLayout::Point).size(); }
    void follow() { setFixedSize((paperSize() * m_zoom).toSize()); }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        painter.fillRect(event->rect(), Qt::white);
        painter.setPen(Qt::gray);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        painter.setPen(Qt::black);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(m_zoom, m_zoom);
        painter.translate(m_paper.paintRect(QPageLayout::Point).topLeft());
        PagePainter::paintPage(painter, m_lines, m_fit);
    }

private:
    const PrintedPage& m_lines;
    const double& m_zoom;
    QPageLayout m_paper;
    PageFit m_fit;
};
} // namespace

PageView::PageView(const PrintedPages& pages, const QPageLayout& paper, QWidget* parent)
    : QScrollArea(parent)
{
    auto* stack = new QWidget;
    auto* column = new QVBoxLayout(stack);
    column->setSpacing(kGap);
    column->setContentsMargins(kGap, kGap, kGap, kGap);
    for (const PrintedPage& page : pages) {
        auto* sheet = new Sheet(page, paper, m_zoom, stack);
        sheet->follow();
        column->addWidget(sheet, 0, Qt::AlignHCenter);
        m_sheets.append(sheet);
    }
    setWidget(stack);
    setAlignment(Qt::AlignHCenter);
    setBackgroundRole(QPalette::Dark);
}

void PageView::setZoom(double zoom)
{
    m_zoom = std::clamp(zoom, 0.1, 8.0);
    for (QWidget* sheet : m_sheets) {
        static_cast<Sheet*>(sheet)->follow();
    }
    widget()->adjustSize();
}

void PageView::fitPage()
{
    if (m_sheets.isEmpty()) {
        return;
    }
    const QSizeF paper = static_cast<Sheet*>(m_sheets.first())->paperSize();
    // The room the view gives without scroll bars, less the vertical one
    // that more pages than one bring along (fitted, nothing needs the other).
    QSize room = maximumViewportSize();
    if (m_sheets.size() > 1) {
        room.rwidth() -= verticalScrollBar()->sizeHint().width();
    }
    setZoom(std::min((room.width() - 2 * kGap) / paper.width(), (room.height() - 2 * kGap) / paper.height()));
}
