// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pages of a preview, one under the other in a scrolling view. Each page
// is painted by the page painter only when it comes into sight, so a run of
// many large pages opens at once.

#include "printing/PrintedPages.h"

#include <QPageLayout>
#include <QScrollArea>

class PageView : public QScrollArea {
    Q_OBJECT
public:
    PageView(const PrintedPages& pages, const QPageLayout& paper, QWidget* parent = nullptr);

    // Screen pixels per point of paper.
    double zoom() const { return m_zoom; }
    void setZoom(double zoom);
    void zoomIn() { setZoom(m_zoom * 1.25); }
    void zoomOut() { setZoom(m_zoom / 1.25); }
    // The zoom at which the whole first page, upright or sideways, fits the view.
    void fitPage();

private:
    QList<QWidget*> m_sheets;
    double m_zoom = 1.0;
};
