#pragma once
// Printed sheets as a PDF document, for the print server and for PDF files.
// Each line is set as one run of the sheet font's glyphs, which the font's
// own advances place exactly where the painter would put them, and only the
// glyphs used are embedded. When the sheet font cannot be embedded that way
// (no TrueType outlines, or a character it lacks), the pages are painted
// through Qt's PDF engine instead, which finds another font for them.

#include "printing/PrintedPages.h"

class QIODevice;
class QPageLayout;
class QString;

namespace SheetPdf {
// Writes the pages as one document on paper of the given layout, each page
// upright or sideways at the size that fits it. Returns the smallest size
// used, or a negative value when the document could not be written.
double write(QIODevice& out, const PrintedPages& pages, const QPageLayout& layout, const QString& title);
} // namespace SheetPdf
