#include "output/PrintTarget.h"

#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {
const QString kJobName = QStringLiteral("MirevaV3.0");
}

bool SystemPrintTarget::available() const
{
    return !QPrinterInfo::defaultPrinter().isNull();
}

std::unique_ptr<QPagedPaintDevice> SystemPrintTarget::open()
{
    auto printer = std::make_unique<QPrinter>(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    printer->setDocName(kJobName);
    return printer;
}

std::unique_ptr<QPagedPaintDevice> PdfPrintTarget::open()
{
    auto writer = std::make_unique<QPdfWriter>(m_path);
    writer->setTitle(kJobName);
    writer->setResolution(600);
    return writer;
}
