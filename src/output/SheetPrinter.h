#pragma once
// The printed sheet. Lines are gathered page by page and each page is painted
// when it ends, in a fixed-pitch CJK font at the largest size (12 pt at most)
// at which its widest line and all its lines fit the printable area. All pages
// of a run form one job, handed to the printer by finish().

#include <QPainter>
#include <QStringList>
#include <memory>

class QPagedPaintDevice;

class SheetPrinter {
public:
    explicit SheetPrinter(std::unique_ptr<QPagedPaintDevice> device);
    ~SheetPrinter();

    void printLine(const QString& text);
    void printEmptyLine();
    void endPage();
    // Sends the job; false when the printer could not take it.
    bool finish();
    void abort();

    bool failed() const { return m_failed; }
    int pagesEnded() const { return m_pages; }

    // The point size at which the lines fit a page of the given size.
    static double fittingPointSize(
        const QStringList& lines, QPaintDevice* device, double pageWidth, double pageHeight);

private:
    std::unique_ptr<QPagedPaintDevice> m_device;
    QPainter m_painter;
    QStringList m_lines;
    int m_pages = 0;
    bool m_failed = false;
};
