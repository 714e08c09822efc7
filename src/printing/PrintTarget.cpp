#include "printing/PrintTarget.h"

#include "printing/PagePainter.h"
#include "printing/PrintMessages.h"
#include "printing/SheetPdf.h"

#include <QFile>
#include <QPageSize>
#include <algorithm>

QPageLayout PrintTarget::a4()
{
    return { QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
        QPageLayout::Millimeter };
}

PrintOutcome PdfPrintTarget::print(const PrintedPages& pages)
{
    QFile file(m_path);
    const double smallest = file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        ? SheetPdf::write(file, pages, pageLayout(), PrintTexts::kJobName)
        : -1;
    if (smallest < 0) {
        if (file.isOpen()) {
            file.remove();
        }
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
