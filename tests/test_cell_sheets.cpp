// SPDX-License-Identifier: GPL-3.0-or-later
// The numbered sheets of questions in cells (教材同步 and 四则混合) as a
// teacher hands them out: the printed page filled by its questions in large
// type, the 班级 line with the sheet's number on paper and in the file, and
// a sheet file whose every question stands in a cell of its own.

#include "TestSupport.h"

#include "common/GbkEncoder.h"
#include "forms/RowForm.h"
#include "forms/UnitForm.h"
#include "printing/PagePainter.h"
#include "printing/SheetGlyphs.h"

#include <QComboBox>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace TestSupport;

namespace {
// Prints into a PDF file and keeps the pages and the size it reported.
class RecordingPdf : public PdfPrintTarget {
public:
    using PdfPrintTarget::PdfPrintTarget;
    PrintOutcome print(const PrintedPages& printed) override
    {
        pages = printed;
        const PrintOutcome outcome = PdfPrintTarget::print(printed);
        reportedPoints = outcome.smallestPoints;
        return outcome;
    }
    PrintedPages pages;
    double reportedPoints = 0;
};

// The box around the pixels of a page darker than light grey, within the rows from top to bottom.
QRect inkBox(const QImage& page, int top, int bottom)
{
    QRect box;
    for (int y = std::max(top, 0); y < std::min(bottom, page.height()); ++y) {
        const uchar* row = page.constScanLine(y);
        for (int x = 0; x < page.width(); ++x) {
            if (row[x] < 192) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

// The pixel rows of the rules: rows inked over nearly the whole width.
QList<int> ruleRows(const QImage& page, int width)
{
    QList<int> rows;
    for (int y = 0; y < page.height(); ++y) {
        const uchar* row = page.constScanLine(y);
        int inked = 0;
        for (int x = 0; x < page.width(); ++x) {
            inked += row[x] < 250 ? 1 : 0;
        }
        if (inked >= width * 95 / 100) {
            rows.append(y);
        }
    }
    return rows;
}

// Whether the pixel row y holds no ink from x0 to x1.
bool blankRow(const QImage& page, int y, int x0, int x1)
{
    const uchar* row = page.constScanLine(y);
    return std::all_of(row + x0, row + x1 + 1, [](uchar grey) { return grey >= 192; });
}

// Whether the part of a drawn page from left to right, top to bottom, holds a
// stacked fraction: a bar, a run of dark pixels wider than a digit, with
// digits over it and digits under it, each parted from it by a blank line.
bool holdsStackedFraction(const QImage& page, const QRect& part, int digitWidth)
{
    for (int y = part.top() + 1; y < part.bottom(); ++y) {
        const uchar* row = page.constScanLine(y);
        for (int x = part.left(); x <= part.right(); ++x) {
            int end = x;
            while (end <= part.right() && row[end] < 128) {
                ++end;
            }
            if (end - x <= digitWidth) {
                x = end;
                continue;
            }
            // The bar's own lines, then a blank line, then ink, above and below.
            const auto stacked = [&](int step) {
                int line = y;
                while (line > part.top() && line < part.bottom() && !blankRow(page, line, x, end - 1)) {
                    line += step;
                }
                if (std::abs(line - y) > 3) {
                    return false; // no bar: the run is part of a taller mark
                }
                while (line > part.top() && line < part.bottom() && blankRow(page, line, x, end - 1)) {
                    line += step;
                }
                return line > part.top() && line < part.bottom();
            };
            if (stacked(-1) && stacked(1)) {
                return true;
            }
            x = end;
        }
    }
    return false;
}

void addEntries()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("answers");
    for (const char* entry : { "jcdy", "szhh" }) {
        QTest::addRow("%s", entry) << entry << false;
        QTest::addRow("%s with answers", entry) << entry << true;
    }
}
// Generates the window's sheet onto the printer alone, with or without answers.
void printOnly(DrillSession& session, bool answers)
{
    session.tick(DrillNames::kToPrinter, true);
    session.tick(DrillNames::kToFile, false);
    if (answers) {
        session.choose(DrillNames::kShowAnswers);
    }
    session.generate();
}
} // namespace

class TestCellSheets : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initFonts(); }
    void printedPageIsFilledInLargeType_data() { addEntries(); }
    void printedPageIsFilledInLargeType();
    void classLineNamesTheSheetNumber_data();
    void classLineNamesTheSheetNumber();
    void everyQuestionHasItsOwnCell_data();
    void everyQuestionHasItsOwnCell();
    void fractionsArePrintedStacked_data();
    void fractionsArePrintedStacked();
};

// The start-up sheet, 4 a row × 25 rows on A4: the questions in at least
// 14 pt, their block over at least 85% of the printable width and height,
// both as laid out and as the PDF page shows it in ink, nothing nearer than
// 18 pt to the paper's edge, and the size the run reports is the questions'.
void TestCellSheets::printedPageIsFilledInLargeType()
{
    QFETCH(QString, entry);
    QFETCH(bool, answers);
    QTemporaryDir paper;
    const QString pdfPath = paper.filePath(QStringLiteral("sheet.pdf"));
    RecordingPdf printer(pdfPath);
    DrillSession session(printer);
    QVERIFY(session.open(entry));
    printOnly(session, answers);
    QCOMPARE(session.messages.messages, QStringList());
    QCOMPARE(printer.pages.size(), qsizetype { 1 });
    const PrintedPage& page = printer.pages.first();
    QCOMPARE(page.rows.size(), qsizetype { 25 });

    const PageFit fit = PagePainter::fit(page, PrintTarget::a4());
    const QRectF area = PagePainter::turned(PrintTarget::a4(), fit.orientation).paintRect(QPageLayout::Point);
    QCOMPARE(fit.orientation, QPageLayout::Portrait);
    QVERIFY2(fit.points >= 14 && fit.points <= PagePainter::kLargestCellPoints,
        qPrintable(QString::number(fit.points)));
    const QRectF block = fit.cells.block;
    QVERIFY(QRectF(QPointF(), area.size()).contains(block));
    QVERIFY2(block.width() >= 0.85 * area.width() && block.height() >= 0.85 * area.height(),
        qPrintable(QStringLiteral("%1 × %2").arg(block.width()).arg(block.height())));
    QCOMPARE(printer.reportedPoints, fit.points);
    QCOMPARE(PagePainter::smallestPoints(printer.pages, PrintTarget::a4()), fit.points);

    // The drawn page at 100 dpi: the questions are the ink between the two rules.
    const QImage drawn = renderedPage(pdfPath, 1, false);
    QVERIFY(!drawn.isNull());
    const double pixelsPerPoint = 100.0 / 72.0;
    const QList<int> rules = ruleRows(drawn, static_cast<int>(area.width() * pixelsPerPoint));
    QVERIFY(rules.size() >= 2);
    const QRect questions = inkBox(drawn, rules.first() + 2, rules.last() - 1);
    QVERIFY2(questions.width() >= 0.85 * area.width() * pixelsPerPoint
            && questions.height() >= 0.85 * area.height() * pixelsPerPoint,
        qPrintable(QStringLiteral("%1 × %2 pixels").arg(questions.width()).arg(questions.height())));
    const QRect all = inkBox(drawn, 0, drawn.height());
    const int edge = static_cast<int>(PagePainter::kLeastEdgePoints * pixelsPerPoint);
    QVERIFY(all.left() >= edge && all.top() >= edge && drawn.width() - 1 - all.right() >= edge
        && drawn.height() - 1 - all.bottom() >= edge);
}

void TestCellSheets::classLineNamesTheSheetNumber_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("title");
    const QString unit = QStringLiteral("人教版一年级上册 第一单元 5以内数的认识和加、减法 5以内的加法");
    const QString mixed = QStringLiteral("小学四则混合速算试题");
    QTest::newRow("教材同步 4711") << "jcdy"
                                   << "4711" << unit;
    QTest::newRow("教材同步 1") << "jcdy"
                                << "1" << unit;
    QTest::newRow("四则混合 4711") << "szhh"
                                   << "4711" << mixed;
    QTest::newRow("四则混合 80000") << "szhh"
                                    << "80000" << mixed;
}

// The title as it is and under it "班级________ 姓名________ 用时________
// 得分________ 编号 <number>", on paper and in the file alike, one cell each.
void TestCellSheets::classLineNamesTheSheetNumber()
{
    QFETCH(QString, entry);
    QFETCH(QString, number);
    QFETCH(QString, title);
    const QString blank(8, QLatin1Char('_'));
    const QString classLine = QStringLiteral("班级%1 姓名%1 用时%1 得分%1 编号 ").arg(blank) + number;
    DrillSession session;
    QVERIFY(session.open(entry));
    session.setText(SheetNumberTexts::kBoxName, number);
    session.tick(DrillNames::kToPrinter, true);
    session.generate();
    QCOMPARE(session.messages.messages, QStringList());
    const QStringList printed = nonEmptyLines(pdfPages(session.printedPdf()).value(0));
    QVERIFY(printed.size() > 2);
    QCOMPARE(printed[0].simplified(), title);
    QCOMPARE(printed[1].simplified(), classLine);
    QCOMPARE(session.files().size(), qsizetype { 1 });
    const QList<QStringList> lines = sheetCells(session.dir.filePath(session.files().first()));
    QVERIFY(lines.size() > 2);
    QCOMPARE(lines[0], QStringList { title });
    QCOMPARE(lines[1], QStringList { classLine });
}

void TestCellSheets::everyQuestionHasItsOwnCell_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("answers");
    QTest::addColumn<int>("perRow");
    QTest::addColumn<int>("rows");
    for (const char* entry : { "jcdy", "szhh" }) {
        QTest::addRow("%s, 4 × 25", entry) << entry << false << 4 << 25;
        QTest::addRow("%s, 4 × 25 with answers", entry) << entry << true << 4 << 25;
        QTest::addRow("%s, one a row", entry) << entry << true << 1 << 7;
        QTest::addRow("%s, 10 × 50", entry) << entry << false << 10 << 50;
    }
}

// Each question line of the file is its questions, each in quotes, with a
// tab between them and nothing else: one question, with its answer when
// answers are shown, per cell of a spreadsheet.
void TestCellSheets::everyQuestionHasItsOwnCell()
{
    QFETCH(QString, entry);
    QFETCH(bool, answers);
    QFETCH(int, perRow);
    QFETCH(int, rows);
    DrillSession session;
    QVERIFY(session.open(entry));
    session.setText(RowForm::kPerRowBox, QString::number(perRow));
    session.setText(RowForm::kRowsBox, QString::number(rows));
    if (answers) {
        session.choose(DrillNames::kShowAnswers);
    }
    session.generate();
    QCOMPARE(session.messages.messages, QStringList());
    QCOMPARE(session.files().size(), qsizetype { 1 });
    const QByteArray bytes = readBytes(session.dir.filePath(session.files().first()));
    QVERIFY(bytes.endsWith("\"\r\n"));
    const QStringList lines = GbkEncoder::instance().decode(bytes).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), qsizetype { 2 + rows + 1 });
    // The title and the 班级 line: one quoted value each.
    static const QRegularExpression single(QStringLiteral("^\"[^\"\\t]+\"$"));
    QVERIFY2(single.match(lines[0]).hasMatch() && single.match(lines[1]).hasMatch(), qPrintable(lines[1]));
    // A question: numbers, signs and brackets up to "=", then its answer when shown.
    static const QRegularExpression question(
        QStringLiteral("^[0-9()+\\-×÷.]+[+\\-×÷][0-9()+\\-×÷.]*=([0-9.…]*)$"));
    for (qsizetype r = 2; r < 2 + rows; ++r) {
        const QStringList cells = lines[r].split(QLatin1Char('\t'));
        QCOMPARE(cells.size(), qsizetype { perRow });
        for (const QString& quoted : cells) {
            QVERIFY2(
                quoted.size() > 2 && quoted.startsWith(QLatin1Char('"')) && quoted.endsWith(QLatin1Char('"')),
                qPrintable(quoted));
            const auto match = question.match(quoted.mid(1, quoted.size() - 2));
            QVERIFY2(match.hasMatch() && match.captured(1).isEmpty() != answers, qPrintable(quoted));
        }
    }
    QVERIFY(lines.last().isEmpty());
}

void TestCellSheets::fractionsArePrintedStacked_data()
{
    QTest::addColumn<QString>("book");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("answers");
    const QString fifth = QStringLiteral("五年级下册");
    const QString adding = QStringLiteral("第六单元 分数的加法和减法");
    QTest::newRow("同分母分数加、减法 with answers")
        << fifth << adding << QStringLiteral("同分母分数加、减法") << true;
    QTest::newRow("异分母分数加、减法") << fifth << adding << QStringLiteral("异分母分数加、减法") << false;
    QTest::newRow("1减几分之几 with answers")
        << QStringLiteral("三年级上册") << QStringLiteral("第六单元 分数的初步认识")
        << QStringLiteral("1减几分之几") << true;
    QTest::newRow("一个数除以分数 with answers")
        << QStringLiteral("六年级上册") << QStringLiteral("第三单元 分数除法")
        << QStringLiteral("一个数除以分数") << true;
}

// A sheet of fractions on paper as the textbook prints them: in the first
// cell of every question row a fraction stacked over its bar; each row's ink
// within its own pitch, so no row runs into the next; nothing outside the
// printable area; and the size the run reports is the one the page is set in.
void TestCellSheets::fractionsArePrintedStacked()
{
    QFETCH(QString, book);
    QFETCH(QString, unit);
    QFETCH(QString, entry);
    QFETCH(bool, answers);
    QTemporaryDir paper;
    const QString pdfPath = paper.filePath(QStringLiteral("sheet.pdf"));
    RecordingPdf printer(pdfPath);
    DrillSession session(printer);
    QVERIFY(session.open(QStringLiteral("jcdy")));
    session.pick(UnitForm::kEditionList, QStringLiteral("人教版"));
    session.pick(UnitForm::kBookList, book);
    session.pick(UnitForm::kUnitList, unit);
    session.pick(UnitForm::kEntryList, entry);
    printOnly(session, answers);
    QCOMPARE(session.messages.messages, QStringList());
    QCOMPARE(printer.pages.size(), qsizetype { 1 });
    const PrintedPage& page = printer.pages.first();
    QVERIFY(page.rows.first().first().contains(QLatin1Char('/')));
    const PageFit fit = PagePainter::fit(page, PrintTarget::a4());
    QCOMPARE(printer.reportedPoints, fit.points);
    QCOMPARE(PagePainter::smallestPoints(printer.pages, PrintTarget::a4()), fit.points);

    const QImage drawn = renderedPage(pdfPath, 1, false);
    QVERIFY(!drawn.isNull());
    const double pixelsPerPoint = 100.0 / 72.0;
    const QRectF area = PagePainter::turned(PrintTarget::a4(), fit.orientation).paintRect(QPageLayout::Point);
    const auto pixels = [&](double points) { return static_cast<int>(std::lround(points * pixelsPerPoint)); };
    const QRect all = inkBox(drawn, 0, drawn.height());
    QVERIFY2(all.left() >= pixels(area.left()) - 1 && all.top() >= pixels(area.top()) - 1
            && all.right() <= pixels(area.right()) + 1 && all.bottom() <= pixels(area.bottom()) + 1,
        qPrintable(QStringLiteral("ink %1,%2 to %3,%4")
                       .arg(all.left())
                       .arg(all.top())
                       .arg(all.right())
                       .arg(all.bottom())));

    const CellPlaces& places = fit.cells;
    const int digitWidth = pixels(
        SheetGlyphs::shared().width(QStringLiteral("0")) / SheetGlyphs::kMeasuredPoints * places.points);
    const int left = pixels(area.left() + places.block.left());
    for (qsizetype r = 0; r < page.rows.size(); ++r) {
        const double rowTop = area.top() + places.block.top() + static_cast<double>(r) * places.rowPitch;
        const int top = pixels(rowTop);
        const int bottom = pixels(rowTop + places.rowPitch);
        const QRect ink = inkBox(drawn, top, bottom);
        QVERIFY2(!ink.isEmpty() && ink.top() > top && ink.bottom() < bottom - 1,
            qPrintable(QStringLiteral("row %1: ink from %2 to %3 in %4 to %5")
                           .arg(r)
                           .arg(ink.top())
                           .arg(ink.bottom())
                           .arg(top)
                           .arg(bottom)));
        const QRect firstCell(left, top, pixels(places.columnPitch) - digitWidth, bottom - top);
        QVERIFY2(holdsStackedFraction(drawn, firstCell, digitWidth),
            qPrintable(QStringLiteral("row %1: %2").arg(r).arg(page.rows[r].first())));
    }
}

QTEST_MAIN(TestCellSheets)
#include "test_cell_sheets.moc"
