#include "printing/PrintTarget.h"

#include "printing/PagePainter.h"
#include "printing/PrintMessages.h"

#include <QPageSize>
#include <QPdfWriter>
#include <algorithm>

QPageLayout PrintTarget::a4()
{
    return { QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
        QPageLayout::Millimeter };
}

PrintOutcome PdfPrintTarget::print(const PrintedPages& pages)
{
    QPdfWriter writer(m_path);
    writer.setTitle(PrintTexts::kJobName);
    writer.setResolution(1200);
    writer.setPageLayout(pageLayout());
    const double smallest = PagePainter::paint(writer, pages);
    if (smallest < 0) {
        return { PrintMessages::printFailed(m_path, PrintTexts::kCannotPaint), 0 };
    }
    return { {}, smallest };
}

PrintOutcome PageCollector::print(const PrintedPages& pages)
{
    m_pages = pages;
    double smallest = PagePainter::kLargestPoints;
    for (const PrintedPage& page : pages) {
        smallest = std::min(smallest, PagePainter::fit(page, m_layout).points);
    }
    return { {}, smallest };
}
