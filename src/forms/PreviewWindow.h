// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The print preview: the pages of a run as they will come out of the
// printer, painted by the same routine, with buttons that print exactly
// those pages or save them as a PDF file. Tests install a handler that receives the pages instead of
// opening the window.

#include "printing/PrintedPages.h"

#include <QPageLayout>
#include <functional>

class PrintTarget;
class QWidget;

namespace PreviewTexts {
inline const QString kTitle = QStringLiteral("打印预览");
inline const QString kPrint = QStringLiteral("打  印(&P)");
inline const QString kClose = QStringLiteral("关  闭(&C)");
inline const QString kZoomIn = QStringLiteral("放大(&+)");
inline const QString kZoomOut = QStringLiteral("缩小(&-)");
inline const QString kSavePdf = QStringLiteral("保存为PDF(&S)");
inline const QString kSavePdfTitle = QStringLiteral("保存为PDF");
inline const QString kPdfFilter = QStringLiteral("PDF文件 (*.pdf)");
inline const QString kPdfSuffix = QStringLiteral("pdf");
QString pageCount(qsizetype pages);
} // namespace PreviewTexts

namespace PreviewWindow {
// A replacement for the window; it returns whether the pages were printed.
using Handler = std::function<bool(QWidget* parent, const PrintedPages& pages, PrintTarget& target)>;

// Shows the pages, on the printer's paper, in a modal preview window over
// the parent. Its PDF file is proposed under the sheet's name in the sheet
// folder. True when the pages were printed from it.
bool show(QWidget* parent, const PrintedPages& pages, const QPageLayout& paper, PrintTarget& target,
    const QString& sheetFolder, const QString& sheetName);

// Writes the pages as a PDF file on the given paper, page for page as the
// preview shows them on it; a failure gets its message and leaves no file.
// True when the file was written.
bool savePdf(QWidget* parent, const PrintedPages& pages, const QPageLayout& paper, const QString& path);

// Prints the pages as the preview's print button does; a refusing printer or
// a failed job gets its message. True when the job went through.
bool print(QWidget* parent, const PrintedPages& pages, PrintTarget& target);

// Installs a replacement for the window; an empty handler restores it.
// Returns the handler that was installed before.
Handler setHandler(Handler handler);
} // namespace PreviewWindow
