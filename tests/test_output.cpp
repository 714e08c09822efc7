// SPDX-License-Identifier: GPL-3.0-or-later
// The two outputs of a run and the reading of settings text: sheet file
// bytes, safe replacement of an earlier sheet, failures that are reported and
// leave the old sheet intact, and printed pages that never cut a line off.

#include "TestSupport.h"

#include "common/GbkEncoder.h"
#include "common/SettingText.h"
#include "output/FrameLines.h"
#include "output/OutputMessages.h"
#include "output/SheetOutputs.h"
#include "printing/CellPieces.h"
#include "printing/FontCheck.h"
#include "printing/PagePainter.h"
#include "printing/PrintTarget.h"
#include "printing/SheetGlyphs.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QTest>

#include <csignal>
#include <limits>
#include <optional>
#include <sys/resource.h>

using namespace TestSupport;

namespace {
// Limits the size of files this process may write, as a full disk would.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_saved); }

private:
    rlimit m_saved {};
};

// A printer that counts the pages it is given.
class PageCounter : public PrintTarget {
public:
    QString refusal() const override { return {}; }
    PrintOutcome print(const PrintedPages& pages) override
    {
        printed += static_cast<int>(pages.size());
        return {};
    }
    int printed = 0;
};

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}
} // namespace

class TestOutput : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initFonts(); }

    void wholeNumbers_data();
    void wholeNumbers();
    void roundedSixteenBitNumbers_data();
    void roundedSixteenBitNumbers();

    void gbkEncoderChoosesItsConverter_data();
    void gbkEncoderChoosesItsConverter();
    void sheetLineNumbers_data();
    void sheetLineNumbers();
    void sheetFileBytes();
    void sheetFileReplacesAnEarlierOne();
    void failedWriteKeepsTheOldSheetAndReports_data();
    void failedWriteKeepsTheOldSheetAndReports();
    void answerSheetFailureKeepsBothSheets_data();
    void answerSheetFailureKeepsBothSheets();
    void sheetThatCannotBePutInPlaceIsReported_data();
    void sheetThatCannotBePutInPlaceIsReported();
    void schoolLinesDifferByOneSpace();
    void wideAndLongPagesAreScaledToFit_data();
    void wideAndLongPagesAreScaledToFit();
    void sidewaysPageTurnsItsPrintableArea_data();
    void sidewaysPageTurnsItsPrintableArea();
    void printedPdfReadsAlikeInTwoReaders_data();
    void printedPdfReadsAlikeInTwoReaders();
    void cellPageStaysInItsArea_data();
    void cellPageStaysInItsArea();
    void fontCheckReadsCells_data();
    void fontCheckReadsCells();
    void cellsSplitIntoFractions_data();
    void cellsSplitIntoFractions();
    void fractionRowsGetTheirRoom_data();
    void fractionRowsGetTheirRoom();
};

void TestOutput::wholeNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qint64>("value");
    QTest::newRow("plain") << "15" << true << qint64(15);
    QTest::newRow("spaces around") << "  7 " << true << qint64(7);
    QTest::newRow("full-width digits, 0 to 9") << "９０" << true << qint64(90);
    QTest::newRow("ideographic space") << QStringLiteral("\u30004") << true << qint64(4);
    QTest::newRow("negative") << "-2" << true << qint64(-2);
    QTest::newRow("leading zeros") << "007" << true << qint64(7);
    QTest::newRow("empty") << "" << false << qint64(0);
    QTest::newRow("only spaces") << "   " << false << qint64(0);
    QTest::newRow("letters") << "abc" << false << qint64(0);
    QTest::newRow("fraction") << "3.5" << false << qint64(0);
    QTest::newRow("exponent") << "1e2" << false << qint64(0);
    QTest::newRow("inner space") << "1 2" << false << qint64(0);
    QTest::newRow("sign only") << "-" << false << qint64(0);
    QTest::newRow("beyond range") << "12345678901234567890" << false << qint64(0);
}

void TestOutput::wholeNumbers()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(qint64, value);
    const auto parsed = parseWholeNumber(text);
    QCOMPARE(parsed.has_value(), valid);
    if (valid) {
        QCOMPARE(*parsed, value);
    }
}

void TestOutput::roundedSixteenBitNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");
    QTest::newRow("whole") << "6" << true << 6;
    QTest::newRow("half to even down") << "2.5" << true << 2;
    QTest::newRow("half to even up") << "3.5" << true << 4;
    QTest::newRow("just above half") << "2.5001" << true << 3;
    QTest::newRow("below half") << "2.49" << true << 2;
    QTest::newRow("negative half") << "-0.5" << true << 0;
    QTest::newRow("no whole part") << ".7" << true << 1;
    QTest::newRow("full-width") << "５" << true << 5;
    QTest::newRow("largest") << "32767" << true << 32767;
    QTest::newRow("smallest") << "-32768" << true << -32768;
    QTest::newRow("rounds beyond range") << "32767.5" << false << 0;
    QTest::newRow("beyond range") << "40000" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("point only") << "." << false << 0;
    QTest::newRow("letters") << "x1" << false << 0;
}

void TestOutput::roundedSixteenBitNumbers()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, value);
    const auto parsed = parseRoundedInt16(text);
    QCOMPARE(parsed.has_value(), valid);
    if (valid) {
        QCOMPARE(*parsed, value);
    }
}

void TestOutput::gbkEncoderChoosesItsConverter_data()
{
    QTest::addColumn<QByteArray>("qtName"); // empty: the program's own encoder
    QTest::addColumn<bool>("platform"); // a platform conversion is offered
    QTest::addColumn<int>("source");
    QTest::addColumn<QByteArray>("encoded"); // "7×8=答案"
    QTest::addColumn<QString>("decoded"); // its GBK bytes read back
    const QByteArray gbk = QByteArray::fromHex("37a1c1383db4f0b0b8");
    const QString text = QStringLiteral("7×8=答案");
    const auto qt = static_cast<int>(GbkEncoder::Source::Qt);
    QTest::newRow("the program's own: Qt's") << QByteArray() << false << qt << gbk << text;
    QTest::newRow("Qt's before the platform's") << QByteArray("GBK") << true << qt << gbk << text;
    QTest::newRow("Qt has none: the platform's")
        << QByteArray("no-such-encoding") << true << static_cast<int>(GbkEncoder::Source::Platform)
        << QByteArray("platform 7×8=答案") << QStringLiteral("platform ") + QString::fromLatin1(gbk.toHex());
    QTest::newRow("neither: invalid, nothing converted")
        << QByteArray("no-such-encoding") << false << static_cast<int>(GbkEncoder::Source::None)
        << QByteArray() << QString();
}

void TestOutput::gbkEncoderChoosesItsConverter()
{
    QFETCH(QByteArray, qtName);
    QFETCH(bool, platform);
    QFETCH(int, source);
    QFETCH(QByteArray, encoded);
    QFETCH(QString, decoded);
    // A stand-in for Windows' own conversion that marks what it converted.
    GbkEncoder::Conversion stub;
    if (platform) {
        stub.encode = [](QStringView text) { return "platform " + text.toUtf8(); };
        stub.decode = [](QByteArrayView bytes) {
            return "platform " + QString::fromLatin1(bytes.toByteArray().toHex());
        };
    }
    std::optional<GbkEncoder> own;
    if (!qtName.isEmpty()) {
        own.emplace(qtName.constData(), stub);
    }
    GbkEncoder& encoder = own ? *own : GbkEncoder::instance();
    QCOMPARE(static_cast<int>(encoder.source()), source);
    QCOMPARE(encoder.isValid(), source != static_cast<int>(GbkEncoder::Source::None));
    QCOMPARE(encoder.encode(QStringLiteral("7×8=答案")), encoded);
    QCOMPARE(encoder.decode(QByteArray::fromHex("37a1c1383db4f0b0b8")), decoded);
}

void TestOutput::sheetLineNumbers_data()
{
    QTest::addColumn<qint64>("value");
    for (const qint64 value :
        { 0LL, 7LL, 10LL, 99LL, 100LL, 101LL, 123456LL, 99999999LL, 100000000LL, 123456789LL, 99998900001LL,
            9999999999999999LL, 10000000000000000LL, 10000000000000001LL, -42LL, -9LL, -10LL, -99999999LL,
            std::numeric_limits<qint64>::max(), std::numeric_limits<qint64>::min() }) {
        QTest::addRow("%lld", static_cast<long long>(value)) << value;
    }
}

void TestOutput::sheetLineNumbers()
{
    QFETCH(qint64, value);
    SheetLine line;
    line.appendAscii('[');
    line.appendNumber(value);
    line.appendAscii(',');
    line.appendNumber(value);
    line.appendSpaces(1);
    const QString expected = '[' + QString::number(value) + ',' + QString::number(value) + ' ';
    QCOMPARE(line.text(), expected);
    QCOMPARE(line.length(), expected.size());
}

void TestOutput::sheetFileBytes()
{
    QTemporaryDir dir;
    SheetFile file;
    QVERIFY(file.create(dir.path(), QStringLiteral("试题.xls")));
    file.writeLine(QStringLiteral("  7×8=  "));
    file.writeEmptyLine();
    file.writeLine(QStringLiteral("96÷12=8"));
    QVERIFY(file.finishWriting() && file.commit());
    // "  7×8=  " CR LF, CR LF, "96÷12=8" CR LF, all in GBK.
    QCOMPARE(readBytes(dir.filePath(QStringLiteral("试题.xls"))).toHex(),
        QByteArray("22202037a1c1383d2020220d0a0d0a223936a1c231323d38220d0a"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList { QStringLiteral("试题.xls") });

    // Lines of every length across the file's write blocks, one longer than a block.
    SheetFile big;
    QVERIFY(big.create(dir.path(), QStringLiteral("大.xls")));
    QByteArray expected;
    for (int i = 0; i < 3000; ++i) {
        const QByteArray text = QByteArray::number(i) + QByteArray(i == 1234 ? 200000 : i % 97, 'x');
        big.writeLine(QString::fromLatin1(text));
        expected += '"' + text + "\"\r\n";
    }
    QVERIFY(big.finishWriting() && big.commit());
    QCOMPARE(readBytes(dir.filePath(QStringLiteral("大.xls"))), expected);
}

void TestOutput::sheetFileReplacesAnEarlierOne()
{
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("a.xls")), QByteArray(5000, 'x'));
    SheetFile file;
    QVERIFY(file.create(dir.path(), QStringLiteral("a.xls")));
    file.writeLine(QStringLiteral("1"));
    QVERIFY(file.finishWriting() && file.commit());
    QCOMPARE(readBytes(dir.filePath(QStringLiteral("a.xls"))), QByteArray("\"1\"\r\n"));
}

void TestOutput::failedWriteKeepsTheOldSheetAndReports_data()
{
    QTest::addColumn<int>("freeBytes");
    QTest::addColumn<int>("lines"); // of 100 characters, 10 to a printed page
    QTest::addColumn<bool>("noticedAtTheEnd"); // so every page was ended and printed
    QTest::newRow("no space, sheet under one write block") << 0 << 120 << true;
    QTest::newRow("8 KiB free, sheet under one write block") << 8192 << 120 << true;
    QTest::newRow("failure in the last block") << 65536 + 1000 << 700 << true;
    QTest::newRow("failure while writing") << 4096 << 20000 << false;
}

void TestOutput::failedWriteKeepsTheOldSheetAndReports()
{
    QFETCH(int, freeBytes);
    QFETCH(int, lines);
    QFETCH(bool, noticedAtTheEnd);
    QTemporaryDir dir;
    RunOutcome outcome; // what the outputs recorded
    const QString name = QStringLiteral("大.xls");
    const QByteArray old("\"old sheet\"\r\n");
    writeFile(dir.filePath(name), old);
    PageCounter printer;
    {
        FileSizeLimit limit(static_cast<rlim_t>(freeBytes));
        SheetOutputs outputs(printer, { true, true }, dir.path());
        QVERIFY(outputs.open());
        outputs.beginFile(name, QStringLiteral("标题"));
        for (int i = 0; i < lines && !outputs.failed(); ++i) {
            outputs.line(QString(100, QLatin1Char('9')));
            if (i % 10 == 9) {
                outputs.endPage(QString(), i / 10 + 1);
            }
        }
        QCOMPARE(outputs.failed(), !noticedAtTheEnd);
        QVERIFY(!outputs.finish());
        outcome = outputs.outcome();
    }
    if (noticedAtTheEnd) {
        QCOMPARE(printer.printed, lines / 10);
    } else {
        QVERIFY(printer.printed > 0 && printer.printed < lines / 10);
    }
    // The cause in the program's language only, without the system's English
    // text, and how many pages were printed before the run stopped.
    QCOMPARE(outcome.pagesPrinted, qsizetype { printer.printed });
    QVERIFY(outcome.filesWritten.isEmpty());
    QCOMPARE(outcome.failures,
        QStringList { OutputMessages::fileFailed(name, QStringLiteral("写入失败（磁盘空间可能不足）"), true)
            + OutputMessages::pagesPrinted(printer.printed) });
    QCOMPARE(readBytes(dir.filePath(name)), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList { name }); // no temporary file left
}

void TestOutput::answerSheetFailureKeepsBothSheets_data()
{
    QTest::addColumn<bool>("earlier"); // earlier sheets of both names are there
    QTest::addColumn<bool>("folder"); // the answer sheet cannot be put in place, else not written
    QTest::addColumn<int>("freeBytes"); // -1: no limit
    QTest::newRow("answers not written, earlier pair kept") << true << false << 0;
    QTest::newRow("answers not put in place, earlier pair kept") << true << true << -1;
    QTest::newRow("answers not put in place on a full disk, earlier pair kept") << true << true << 4096;
    QTest::newRow("answers not put in place, no earlier pair") << false << true << -1;
}

void TestOutput::answerSheetFailureKeepsBothSheets()
{
    // A question sheet and its answer sheet are put in place both or neither.
    QFETCH(bool, earlier);
    QFETCH(bool, folder);
    QFETCH(int, freeBytes);
    QTemporaryDir dir;
    QStringList failures; // what the outputs recorded, in order
    const QString questions = QStringLiteral("题.xls");
    // Larger than the space left, so it cannot be written anew.
    const QByteArray earlierQuestions = "\"old questions\"\r\n" + QByteArray(20000, ' ');
    const QString answers = FrameLines::answerFileName(questions);
    if (earlier) {
        writeFile(dir.filePath(questions), earlierQuestions);
        writeFile(dir.filePath(answers), "\"old answers\"\r\n");
    }
    NoPrinterTarget noPrinter;
    {
        SheetOutputs outputs(noPrinter, { false, true }, dir.path());
        QVERIFY(outputs.open());
        outputs.expectAnswerSheets();
        outputs.beginFile(questions, QStringLiteral("标题"));
        outputs.line(QStringLiteral("1+1="));
        QVERIFY(outputs.closeFile());
        outputs.beginAnswers();
        outputs.beginFile(questions, QStringLiteral("标题"));
        outputs.line(QStringLiteral("1+1=2"));
        std::optional<FileSizeLimit> full;
        if (folder) {
            QFile::remove(dir.filePath(answers));
            QVERIFY(QDir(dir.path()).mkdir(answers));
        }
        if (freeBytes >= 0) {
            full.emplace(static_cast<rlim_t>(freeBytes));
        }
        QVERIFY(!outputs.finish());
        failures = outputs.outcome().failures;
    }
    QCOMPARE(failures.size(), 1);
    QVERIFY2(
        failures[0].startsWith(QStringLiteral("文件“%1”未能生成").arg(answers)), qPrintable(failures[0]));
    QVERIFY(failures[0].endsWith(OutputMessages::pairKept(questions)));
    if (folder) {
        QDir(dir.path()).rmdir(answers);
    }
    QStringList left = QDir(dir.path()).entryList(QDir::Files);
    if (earlier) {
        QCOMPARE(readBytes(dir.filePath(questions)), earlierQuestions);
        if (!folder) {
            QCOMPARE(readBytes(dir.filePath(answers)), QByteArray("\"old answers\"\r\n"));
        }
        const QStringList expected = folder ? QStringList { questions } : QStringList { questions, answers };
        QCOMPARE(left, expected);
    } else {
        QCOMPARE(left, QStringList());
    }
}

void TestOutput::sheetThatCannotBePutInPlaceIsReported_data()
{
    QTest::addColumn<bool>("folderFirst"); // the folder is there before the run, or comes while it writes
    QTest::addColumn<int>("printed"); // pages that still go to the printer
    QTest::newRow("folder before the run") << true << 0;
    QTest::newRow("folder while writing") << false << 1;
}

void TestOutput::sheetThatCannotBePutInPlaceIsReported()
{
    QFETCH(bool, folderFirst);
    QFETCH(int, printed);
    QTemporaryDir dir;
    const QString name = QStringLiteral("占用.xls");
    // A folder stands where the sheet would go.
    if (folderFirst) {
        QVERIFY(QDir(dir.path()).mkdir(name));
    }
    const QString pdfPath = dir.filePath(QStringLiteral("out.pdf"));
    PdfPrintTarget pdf(pdfPath);
    SheetOutputs outputs(pdf, { true, true }, dir.path());
    QVERIFY(outputs.open());
    outputs.beginFile(name, QStringLiteral("标题"));
    QCOMPARE(outputs.failed(), folderFirst);
    if (!folderFirst) {
        QVERIFY(QDir(dir.path()).mkdir(name));
    }
    outputs.beginPage(QStringLiteral("标题"), QString());
    outputs.line(QStringLiteral("1+1="));
    outputs.endPage(QString(), 1);
    QVERIFY(!outputs.finish());
    QCOMPARE(outputs.outcome().pagesPrinted, qsizetype { printed });
    QCOMPARE(outputs.outcome().failures,
        QStringList { QStringLiteral("文件“占用.xls”未能生成：该位置已有同名的文件夹。")
            + OutputMessages::pagesPrinted(printed) });
    QCOMPARE(QFileInfo::exists(pdfPath) ? pdfPages(pdfPath).size() : 0, printed);
    QCOMPARE(QDir(dir.path()).entryList({ QStringLiteral("*.xls*") }, QDir::Files),
        QStringList()); // no temporary file left
}

void TestOutput::schoolLinesDifferByOneSpace()
{
    const QString file = FrameLines::fileSchoolLine();
    const QString paper = FrameLines::printerSchoolLine();
    QCOMPARE(file.size(), 53);
    QCOMPARE(paper.size(), 54);
    QCOMPARE(file,
        QStringLiteral("学校：") + QString(18, QLatin1Char(' ')) + QStringLiteral("姓名：")
            + QString(15, QLatin1Char(' ')) + QStringLiteral("成绩：") + QString(11, QLatin1Char(' ')));
    QCOMPARE(paper, QStringLiteral("学校： ") + file.mid(3));
}

void TestOutput::wideAndLongPagesAreScaledToFit_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("lines");
    QTest::addColumn<bool>("sideways"); // below 7 pt upright, and larger sideways
    QTest::newRow("short page") << 40 << 10 << false;
    QTest::newRow("408 characters wide") << 408 << 60 << true;
    QTest::newRow("205 lines long") << 94 << 205 << false;
    QTest::newRow("1804 characters wide") << 1804 << 10 << true;
}

void TestOutput::wideAndLongPagesAreScaledToFit()
{
    QFETCH(int, width);
    QFETCH(int, lines);
    QFETCH(bool, sideways);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fit.pdf"));
    PdfPrintTarget pdf(path);
    SheetOutputs outputs(pdf, { true, false }, dir.path());
    QVERIFY(outputs.open());
    // Each line ends in a marker holding its number, so a cut line shows.
    PrintedPage page;
    for (int i = 0; i < lines; ++i) {
        const QString marker = QStringLiteral("E%1").arg(i);
        page.append(QString(width - marker.size(), QLatin1Char('1')) + marker);
        outputs.printLine(page.last());
    }
    outputs.endPage(QString(), 1);
    // A short last page: the run reports its smallest page, not its last one.
    outputs.printLine(QStringLiteral("1"));
    outputs.endPage(QString(), 2);
    QVERIFY(outputs.finish());
    page << QString() << FrameLines::pageFooter(1);

    const QStringList pages = pdfPages(path);
    QCOMPARE(pages.size(), 2);
    const QString text = pages[0];
    for (int i = 0; i < lines; ++i) {
        QVERIFY2(text.contains(QStringLiteral("1E%1\n").arg(i)), qPrintable(QString::number(i)));
    }

    const PageFit fit = PagePainter::fit(page, PrintTarget::a4());
    QCOMPARE(fit.orientation == QPageLayout::Landscape, sideways);
    QVERIFY(fit.points <= PagePainter::kLargestPoints);
    QCOMPARE(outputs.outcome().smallestPoints, std::min(fit.points, PagePainter::kLargestPoints));
    // The preview's pages report the same size.
    PageCollector preview(PrintTarget::a4());
    const PrintedPage shortPage { QStringLiteral("1"), QString(), FrameLines::pageFooter(2) };
    QCOMPARE(preview.print({ page, shortPage }).smallestPoints, outputs.outcome().smallestPoints);
    if (width <= 40) {
        QCOMPARE(fit.points, PagePainter::kLargestPoints);
    }
}

void TestOutput::sidewaysPageTurnsItsPrintableArea_data()
{
    // Margins left, top, right, bottom: the printer's upright ones; what an
    // upright page keeps (at least 18 pt on every side, whatever the printer
    // calls printable); what a sideways page keeps on each side: the larger
    // of the two upright margins its edge may come from, as the direction of
    // the turn is the printer's.
    QTest::addColumn<QMarginsF>("printer");
    QTest::addColumn<QMarginsF>("upright");
    QTest::addColumn<QMarginsF>("sideways");
    QTest::newRow("office laser") << QMarginsF(18, 36, 18, 36) << QMarginsF(18, 36, 18, 36)
                                  << QMarginsF(36, 18, 36, 18);
    QTest::newRow("four different") << QMarginsF(10, 20, 30, 40) << QMarginsF(18, 20, 30, 40)
                                    << QMarginsF(40, 30, 40, 30);
    QTest::newRow("the whole sheet printable")
        << QMarginsF(0, 0, 0, 0) << QMarginsF(18, 18, 18, 18) << QMarginsF(18, 18, 18, 18);
}

void TestOutput::sidewaysPageTurnsItsPrintableArea()
{
    QFETCH(QMarginsF, printer);
    QFETCH(QMarginsF, upright);
    QFETCH(QMarginsF, sideways);
    const QPageLayout paper(QPageSize(QPageSize::B5), QPageLayout::Portrait, printer, QPageLayout::Point);
    QCOMPARE(PagePainter::turned(paper, QPageLayout::Portrait).margins(), upright);
    const QPageLayout turned = PagePainter::turned(paper, QPageLayout::Landscape);
    QCOMPARE(turned.orientation(), QPageLayout::Landscape);
    QCOMPARE(turned.margins(), sideways);
    // Either way the printer turns it, the area lies inside what it prints.
    const QRectF area = turned.paintRect(QPageLayout::Point);
    const QSizeF full = turned.fullRect(QPageLayout::Point).size();
    const QRectF clockwise(upright.bottom(), upright.left(), full.width() - upright.top() - upright.bottom(),
        full.height() - upright.left() - upright.right());
    const QRectF counter(upright.top(), upright.right(), full.width() - upright.top() - upright.bottom(),
        full.height() - upright.left() - upright.right());
    QVERIFY(clockwise.contains(area) && counter.contains(area));
}

void TestOutput::printedPdfReadsAlikeInTwoReaders_data()
{
    QTest::addColumn<PrintedPages>("pages");
    // Legible sizes only: the two draw glyphs of a point or two differently.
    QTest::addColumn<bool>("drawnAlike");
    // Every printable ASCII character, so glyph codes that a PDF string must
    // escape occur, and the sheet's Chinese texts and signs.
    QString ascii;
    for (char16_t c = 0x21; c < 0x7F; ++c) {
        ascii += QChar(c);
    }
    const PrintedPage sheet { QStringLiteral("*小学中段乘算速算试题*"),
        QStringLiteral("学校：   姓名：   成绩："), QString(), QStringLiteral("  12×34=408   96÷8=12"), ascii,
        FrameLines::pageFooter(1) };
    QTest::newRow("upright, blank line kept") << PrintedPages { sheet, { QStringLiteral("第2页") } } << true;
    QTest::newRow("sideways") << PrintedPages { { QString(300, QLatin1Char('7')) + QStringLiteral("E") } }
                              << false;
    QTest::newRow("below 1 pt") << PrintedPages { { QString(2000, QLatin1Char('8')) + QStringLiteral("F") } }
                                << false;
    // A character the sheet font lacks sends the document through Qt's engine,
    // which finds another font for it.
    QTest::newRow("a character the font lacks")
        << PrintedPages { sheet, { QStringLiteral("1+1 \u2603") } } << true;
}

void TestOutput::printedPdfReadsAlikeInTwoReaders()
{
    // Every line of every page reads back, in two independent readers.
    QFETCH(PrintedPages, pages);
    QFETCH(bool, drawnAlike);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("printed.pdf"));
    PdfPrintTarget pdf(path);
    QVERIFY(pdf.print(pages).ok());
    const QStringList popplerPages = pdfPages(path);
    QCOMPARE(popplerPages.size(), pages.size());
    QStringList expected;
    QStringList poppler;
    for (qsizetype i = 0; i < pages.size(); ++i) {
        for (const QString& line : pages[i]) {
            if (!line.trimmed().isEmpty()) {
                expected << line.simplified();
            }
        }
        for (const QString& line : nonEmptyLines(popplerPages[i])) {
            poppler << line.simplified();
        }
    }
    QCOMPARE(poppler, expected);
    // Ghostscript, stricter about the file's syntax, draws the same lines
    // with the same ink as poppler, row by row. (Its text reading gives
    // glyph numbers for Chinese, so the drawn page is compared.)
    for (qsizetype i = 0; drawnAlike && i < pages.size(); ++i) {
        const int page = static_cast<int>(i) + 1;
        const QList<qint64> ghostscript = inkByRow(renderedPage(path, page, true));
        const QList<qint64> popplerInk = inkByRow(renderedPage(path, page, false));
        // The two round the page's size to whole pixels differently.
        QVERIFY(std::abs(ghostscript.size() - popplerInk.size()) <= 1);
        qint64 ink = 0;
        qint64 difference = 0;
        for (qsizetype row = 0; row < std::min(popplerInk.size(), ghostscript.size()); ++row) {
            ink += popplerInk[row];
            difference += std::abs(ghostscript[row] - popplerInk[row]);
        }
        QVERIFY(ink > 0);
        QVERIFY2(difference * 4 < ink,
            qPrintable(QStringLiteral("page %1: %2 of %3").arg(page).arg(difference).arg(ink)));
    }
}

namespace {
// A page of cells under a title of that many characters and the 班级 line,
// each cell a question as wide as its room.
PrintedPage cellPage(int perRow, int rows, int cellWidth, int titleLength)
{
    PrintedPage page { QString(titleLength, QChar(u'数')), FrameLines::classLine(4711),
        FrameLines::pageFooter(1) };
    page.headLines = 2;
    page.cellWidth = cellWidth;
    for (int r = 0; r < rows; ++r) {
        QStringList row;
        for (int q = 0; q < perRow; ++q) {
            row << QString(cellWidth - 1, QLatin1Char('8')) + QLatin1Char('=');
        }
        page.rows << row;
    }
    return page;
}
} // namespace

void TestOutput::cellPageStaysInItsArea_data()
{
    QTest::addColumn<QPageLayout>("paper");
    QTest::addColumn<int>("perRow");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("cellWidth");
    QTest::addColumn<int>("titleLength");
    QTest::addColumn<bool>("sideways");
    QTest::addColumn<bool>("smallPrint"); // below the legible size, so the run warns
    const QPageLayout a4 = PrintTarget::a4();
    const QPageLayout b5(
        QPageSize(QPageSize::B5), QPageLayout::Portrait, QMarginsF(10, 20, 30, 40), QPageLayout::Point);
    QTest::newRow("4 × 25 short questions") << a4 << 4 << 25 << 5 << 10 << false << false;
    QTest::newRow("10 × 50 short questions") << a4 << 10 << 50 << 5 << 10 << false << false;
    QTest::newRow("10 × 4 wide questions") << a4 << 10 << 4 << 17 << 10 << true << false;
    QTest::newRow("10 × 50 wide questions") << a4 << 10 << 50 << 17 << 10 << true << true;
    QTest::newRow("one question, long title") << a4 << 1 << 1 << 5 << 60 << false << false;
    QTest::newRow("B5 with unprintable edges") << b5 << 4 << 25 << 15 << 10 << false << false;
}

// Whatever the paper and the number of cells: the questions in the largest
// size of the two orientations, at most 22 pt; every line, cell and rule
// inside the printable area; the head above the questions and the footer
// below them; rows with room to write and columns that never touch; and
// the size the page reports is its questions'.
void TestOutput::cellPageStaysInItsArea()
{
    QFETCH(QPageLayout, paper);
    QFETCH(int, perRow);
    QFETCH(int, rows);
    QFETCH(int, cellWidth);
    QFETCH(int, titleLength);
    QFETCH(bool, sideways);
    QFETCH(bool, smallPrint);
    const PrintedPage page = cellPage(perRow, rows, cellWidth, titleLength);
    const PageFit fit = PagePainter::fit(page, paper);
    const CellPlaces& places = fit.cells;
    QCOMPARE(fit.orientation == QPageLayout::Landscape, sideways);
    const QSizeF area = PagePainter::turned(paper, fit.orientation).paintRect(QPageLayout::Point).size();
    const QSizeF other = PagePainter::turned(paper, sideways ? QPageLayout::Portrait : QPageLayout::Landscape)
                             .paintRect(QPageLayout::Point)
                             .size();
    QVERIFY(PagePainter::placeCells(page, other).points <= fit.points);
    QVERIFY(fit.points > 0 && fit.points <= PagePainter::kLargestCellPoints);
    QCOMPARE(places.points, fit.points);
    QCOMPARE(fit.points < PagePainter::kLegiblePoints, smallPrint);
    QCOMPARE(PagePainter::smallestPoints({ page }, paper), fit.points);

    constexpr double kSlack = 1e-6;
    SheetGlyphs& glyphs = SheetGlyphs::shared();
    const auto perPoint = [&](double measured) { return measured / SheetGlyphs::kMeasuredPoints; };
    QCOMPARE(places.lines.size(), page.size());
    for (qsizetype i = 0; i < page.size(); ++i) {
        const CellPlaces::Line& line = places.lines[i];
        const double top = line.baseline - perPoint(glyphs.ascent()) * line.points;
        const double bottom = top + perPoint(glyphs.lineSpacing()) * line.points;
        QVERIFY2(line.x >= -kSlack
                && line.x + perPoint(glyphs.width(page[i])) * line.points <= area.width() + kSlack,
            qPrintable(page[i]));
        QVERIFY(top >= -kSlack && bottom <= area.height() + kSlack);
        QVERIFY(i < page.headLines ? bottom <= places.headRule : top >= places.footRule);
    }
    QVERIFY(places.headRule <= places.block.top() && places.block.bottom() <= places.footRule);
    QVERIFY(QRectF(QPointF(), area).adjusted(-kSlack, -kSlack, kSlack, kSlack).contains(places.block));
    QVERIFY(places.rowPitch >= PagePainter::kLeastRowPitch * fit.points - kSlack);
    const double room = places.block.width() - (perRow - 1) * places.columnPitch;
    QVERIFY(perPoint(glyphs.width(page.rows[0][0])) * fit.points <= room + kSlack);
    if (perRow > 1) {
        QVERIFY(places.columnPitch >= room + PagePainter::kLeastColumnGap * fit.points - kSlack);
    }
}

void TestOutput::fontCheckReadsCells_data()
{
    QTest::addColumn<PrintedPages>("pages");
    QTest::addColumn<bool>("drawn");
    // U+0378, a code point that no character has, so no font draws it.
    const QString undrawable(QChar(0x0378));
    PrintedPage page = cellPage(4, 2, 5, 10);
    QTest::newRow("Chinese head, questions in cells") << PrintedPages { page } << true;
    page.rows[1][3] += undrawable;
    QTest::newRow("a cell no font draws") << PrintedPages { cellPage(4, 2, 5, 10), page } << false;
    PrintedPage fractions = cellPage(4, 2, 11, 10);
    fractions.rows[0][0] = QStringLiteral("2/8+3/8=5/8");
    QTest::newRow("fractions in cells") << PrintedPages { fractions } << true;
    fractions.rows[1][2] = QStringLiteral("6÷3/4=") + undrawable;
    QTest::newRow("a fraction's cell no font draws") << PrintedPages { fractions } << false;
    QTest::newRow("a line no font draws")
        << PrintedPages { { QStringLiteral("1+1=") + undrawable } } << false;
}

// A character in a question cell counts as much as one in a line.
void TestOutput::fontCheckReadsCells()
{
    QFETCH(PrintedPages, pages);
    QFETCH(bool, drawn);
    QCOMPARE(FontCheck::drawsAll(pages), drawn);
}

void TestOutput::cellsSplitIntoFractions_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QStringList>("pieces"); // a fraction as "[3/5]"
    QTest::newRow("fractions with their answer")
        << QStringLiteral("2/8+3/8=5/8") << QStringList { "[2/8]", "+", "[3/8]", "=", "[5/8]" };
    QTest::newRow("a whole number divided by a fraction")
        << QStringLiteral("6÷3/4=8") << QStringList { "6÷", "[3/4]", "=8" };
    QTest::newRow("two-digit numbers, no answer")
        << QStringLiteral("11/12-1/12=") << QStringList { "[11/12]", "-", "[1/12]", "=" };
    QTest::newRow("whole numbers and a remainder")
        << QStringLiteral("17÷5=3……2") << QStringList { QStringLiteral("17÷5=3……2") };
    QTest::newRow("a slash beside a decimal or nothing")
        << QStringLiteral("0.5/3+/2=4/") << QStringList { "0.5/3+/2=4/" };
}

// A cell is split into text and fractions of whole numbers; put together
// again, the pieces are the cell.
void TestOutput::cellsSplitIntoFractions()
{
    QFETCH(QString, cell);
    QFETCH(QStringList, pieces);
    QStringList got;
    QString joined;
    for (const CellPiece& piece : CellPieces::split(cell)) {
        const QString fraction = piece.numerator + QLatin1Char('/') + piece.denominator;
        got << (piece.isFraction() ? QLatin1Char('[') + fraction + QLatin1Char(']') : piece.text);
        joined += piece.isFraction() ? fraction : piece.text;
    }
    QCOMPARE(got, pieces);
    QCOMPARE(joined, cell);
    QCOMPARE(CellPieces::holdsFraction(cell), pieces.join(QString()).contains(QLatin1Char('[')));
}

namespace {
// A page painted as paper at 100 dpi: white, with the printable area's corner where the layout puts it.
QImage paintedPage(const PrintedPage& page, const PageFit& fit, const QPageLayout& paper)
{
    const QPageLayout turned = PagePainter::turned(paper, fit.orientation);
    const QSizeF size = turned.fullRect(QPageLayout::Point).size();
    const double pixelsPerPoint = 100.0 / 72.0;
    QImage image((size * pixelsPerPoint).toSize(), QImage::Format_Grayscale8);
    image.setDotsPerMeterX(3937);
    image.setDotsPerMeterY(3937);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(pixelsPerPoint, pixelsPerPoint);
    painter.translate(turned.paintRect(QPageLayout::Point).topLeft());
    PagePainter::paintPage(painter, page, fit);
    return image;
}

// The first and last pixel rows with ink from top to bottom, or (-1, -1).
std::pair<int, int> inkRows(const QImage& image, int top, int bottom)
{
    std::pair<int, int> rows { -1, -1 };
    for (int y = std::max(top, 0); y < std::min(bottom, image.height()); ++y) {
        const uchar* row = image.constScanLine(y);
        if (std::any_of(row, row + image.width(), [](uchar grey) { return grey < 192; })) {
            rows = { rows.first < 0 ? y : rows.first, y };
        }
    }
    return rows;
}
} // namespace

void TestOutput::fractionRowsGetTheirRoom_data()
{
    QTest::addColumn<int>("perRow");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("cell");
    // What holds the plain page's size: its rows at their least pitch fill
    // the height, its cells the width, or its type is at the largest size.
    QTest::addColumn<QString>("bound");
    QTest::newRow("4 × 25 with answers") << 4 << 25 << QStringLiteral("2/8+3/8=5/8") << "height";
    QTest::newRow("4 × 25 two-digit numbers") << 4 << 25 << QStringLiteral("11/12-1/12=") << "height";
    QTest::newRow("10 × 4 wide questions") << 10 << 4 << QStringLiteral("11/12+10/12=21/12") << "width";
    QTest::newRow("3 × 12 a whole number by a fraction")
        << 3 << 12 << QStringLiteral("12÷3/10=40") << "largest";
}

// A page of fraction cells beside its twin whose cells hold "÷" for every
// "/", so both have the same characters. The twin lays out by the rule for
// whole numbers: rows at their least pitch, or cells across the width. The
// fractions' rows are taller, each row's ink ending before the next row's
// begins, and their cells narrower: a page bound by its height gets smaller
// type, one bound by its width larger; the size the page reports is its own.
void TestOutput::fractionRowsGetTheirRoom()
{
    QFETCH(int, perRow);
    QFETCH(int, rows);
    QFETCH(QString, cell);
    QFETCH(QString, bound);
    const QPageLayout paper = PrintTarget::a4();
    PrintedPage fractions = cellPage(perRow, rows, static_cast<int>(cell.size()), 10);
    for (QStringList& row : fractions.rows) {
        row.fill(cell);
    }
    PrintedPage twin = fractions;
    for (QStringList& row : twin.rows) {
        row.fill(QString(cell).replace(QLatin1Char('/'), QChar(u'÷')));
    }
    const PageFit plain = PagePainter::fit(twin, paper);
    const PageFit stacked = PagePainter::fit(fractions, paper);
    QCOMPARE(PagePainter::smallestPoints({ fractions }, paper), stacked.points);
    QCOMPARE(PagePainter::smallestPoints({ twin, fractions }, paper), std::min(plain.points, stacked.points));

    SheetGlyphs& glyphs = SheetGlyphs::shared();
    const double perPoint = 1.0 / SheetGlyphs::kMeasuredPoints;
    const double leastPitch = std::max(PagePainter::kLeastRowPitch, glyphs.lineSpacing() * perPoint);
    const QSizeF area = PagePainter::turned(paper, plain.orientation).paintRect(QPageLayout::Point).size();
    const double cellsAcross = perRow * glyphs.width(twin.rows[0][0]) * perPoint * plain.points
        + (perRow - 1) * PagePainter::kLeastColumnGap * plain.points;
    const auto near = [](double a, double b) { return std::abs(a - b) <= 1e-3 * std::max(a, b); };
    if (bound == QLatin1String("height")) {
        QVERIFY(near(plain.cells.rowPitch, leastPitch * plain.points));
        QVERIFY2(stacked.points < plain.points, qPrintable(QString::number(stacked.points)));
    } else if (bound == QLatin1String("width")) {
        QVERIFY2(near(cellsAcross, area.width()),
            qPrintable(QStringLiteral("%1 of %2").arg(cellsAcross).arg(area.width())));
        QVERIFY2(stacked.points > plain.points, qPrintable(QString::number(stacked.points)));
    } else {
        QCOMPARE(plain.points, PagePainter::kLargestCellPoints);
        QCOMPARE(stacked.points, PagePainter::kLargestCellPoints);
    }

    // Drawn, a fraction row is about two lines of digits tall, and apart from its neighbours.
    const double pixelsPerPoint = 100.0 / 72.0;
    const QPointF corner
        = PagePainter::turned(paper, stacked.orientation).paintRect(QPageLayout::Point).topLeft();
    const auto pixel
        = [&](double y) { return static_cast<int>(std::lround((corner.y() + y) * pixelsPerPoint)); };
    const QImage drawn = paintedPage(fractions, stacked, paper);
    const CellPlaces& places = stacked.cells;
    const double digitHeight = glyphs.ascent() * perPoint * stacked.points * pixelsPerPoint;
    for (int r = 0; r < rows; ++r) {
        const double top = places.block.top() + r * places.rowPitch;
        const auto [first, last] = inkRows(drawn, pixel(top), pixel(top + places.rowPitch));
        QVERIFY2(first > pixel(top) && last < pixel(top + places.rowPitch) - 1,
            qPrintable(QStringLiteral("row %1: ink from %2 to %3").arg(r).arg(first).arg(last)));
        QVERIFY2(last - first > digitHeight,
            qPrintable(QStringLiteral("row %1: %2 pixels").arg(r).arg(last - first)));
    }
}

QTEST_MAIN(TestOutput)
#include "test_output.moc"
