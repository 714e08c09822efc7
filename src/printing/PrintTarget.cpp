// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/PrintTarget.h"

#include "printing/PagePainter.h"
#include "printing/PrintMessages.h"

#include <QFileInfo>
#include <QPageSize>
#include <QSaveFile>

QPageLayout PrintTarget::a4()
{
    return { QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
        QPageLayout::Millimeter };
}

PrintOutcome PdfPrintTarget::print(const PrintedPages& pages)
{
    // Through a temporary file, so a failed write leaves no half document.
    QSaveFile file(m_path);
    const double smallest
        = file.open(QIODevice::WriteOnly) ? PagePainter::writePdf(file, pages, pageLayout()) : -1;
    if (smallest < 0 || !file.commit()) {
        return { PrintMessages::pdfFailed(QFileInfo(m_path).fileName()), 0 };
    }
    return { {}, smallest };
}

PrintOutcome PageCollector::print(const PrintedPages& pages)
{
    m_pages = pages;
    return { {}, PagePainter::smallestPoints(pages, m_layout) };
}
