// The two outputs of a run and the reading of settings text: sheet file
// bytes, safe replacement of an earlier sheet, failures that are reported and
// leave the old sheet intact, and printed pages that never cut a line off.

#include "TestSupport.h"

#include "common/GbkEncoder.h"
#include "common/SettingText.h"
#include "output/FrameLines.h"
#include "output/OutputMessages.h"
#include "output/SheetOutputs.h"
#include "printing/PagePainter.h"
#include "printing/PrintTarget.h"
#include "printing/SheetGlyphs.h"
#include "printing/SheetPdf.h"
#include "printing/TrueTypeSubset.h"

#include <QDir>
#include <QFile>
#include <QPainterPath>
#include <QPdfWriter>
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

// Each word of a PDF with its left and right edges and its baseline's
// neighbourhood (the bottom of its box), in points, page by page.
QStringList placedWords(const QString& pdfPath)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), { QStringLiteral("-bbox"), pdfPath, QStringLiteral("-") });
    if (!process.waitForFinished(60000)) {
        return {};
    }
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"[0-9.]+\" xMax=\"([0-9.]+)\" "
                       "yMax=\"([0-9.]+)\">([^<]*)</word>|<page "));
    QStringList words;
    for (const auto& match : word.globalMatch(html)) {
        if (match.captured(4).isEmpty()) {
            words.append(QStringLiteral("page"));
            continue;
        }
        // Rounded to a tenth of a point: the two writers may round apart.
        const auto place
            = [&](int i) { return QString::number(std::lround(match.captured(i).toDouble() * 10)); };
        words.append(match.captured(4) + QLatin1Char('@') + place(1) + QLatin1Char('-') + place(2)
            + QLatin1Char('/') + place(3));
    }
    return words;
}

// Two outlines alike up to the rounding of a glyph's points to 1/64 pixel.
bool sameOutline(const QPainterPath& a, const QPainterPath& b)
{
    if (a.elementCount() != b.elementCount() || a.fillRule() != b.fillRule()) {
        return false;
    }
    for (int i = 0; i < a.elementCount(); ++i) {
        const QPainterPath::Element p = a.elementAt(i);
        const QPainterPath::Element q = b.elementAt(i);
        if (p.type != q.type || std::abs(p.x - q.x) > 1.0 / 32 || std::abs(p.y - q.y) > 1.0 / 32) {
            return false;
        }
    }
    return true;
}

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
    void sheetLineEncodesLikeTheConverter_data();
    void sheetLineEncodesLikeTheConverter();
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
    void printedPdfPlacesTextAsThePainter_data();
    void printedPdfPlacesTextAsThePainter();
    void embeddedFontKeepsTheGlyphsUsed();
};

void TestOutput::wholeNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qint64>("value");
    QTest::newRow("plain") << "15" << true << qint64(15);
    QTest::newRow("spaces around") << "  7 " << true << qint64(7);
    QTest::newRow("full-width digits") << "３０" << true << qint64(30);
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

void TestOutput::sheetLineEncodesLikeTheConverter_data()
{
    QTest::addColumn<QStringList>("pieces");
    QTest::newRow("digits and spaces") << QStringList { QStringLiteral("  12 "), QStringLiteral("3") };
    QTest::newRow("one sign again and again")
        << QStringList { QStringLiteral("7×8="), QStringLiteral("  9×9="), QStringLiteral("×") };
    QTest::newRow("signs taking turns")
        << QStringList { QStringLiteral("7×8="), QStringLiteral("96÷12="), QStringLiteral("×÷×") };
    QTest::newRow("title and stars") << QStringList { QStringLiteral("*****小学中段3位乘1位速算试题*****"),
        QStringLiteral("班级：") };
    QTest::newRow("empty") << QStringList { QString() };
}

void TestOutput::sheetLineEncodesLikeTheConverter()
{
    QFETCH(QStringList, pieces);
    SheetLine line;
    for (const QString& piece : pieces) {
        line.appendText(piece);
    }
    const QString whole = pieces.join(QString());
    QStringEncoder gbk("GBK");
    const QByteArray expected = gbk.encode(whole);
    QCOMPARE(line.bytes().toByteArray(), expected);
    QCOMPARE(line.length(), whole.size());
    QCOMPARE(line.text(), whole);
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
    // Twice, each followed by a character: what a number's stores write past
    // its end must be written over by what comes next.
    line.appendAscii('[');
    line.appendNumber(value);
    line.appendAscii(',');
    line.appendNumber(value);
    line.appendSpaces(1);
    const QByteArray expected = '[' + QByteArray::number(value) + ',' + QByteArray::number(value) + ' ';
    QCOMPARE(line.bytes().toByteArray(), expected);
    QCOMPARE(line.length(), expected.size());
}

void TestOutput::sheetFileBytes()
{
    ScratchDir dir;
    SheetFile file;
    QVERIFY(file.create(QStringLiteral("试题.xls")));
    file.writeLine(QStringLiteral("  7×8=  "));
    file.writeEmptyLine();
    file.writeLine(QStringLiteral("96÷12=8"));
    QVERIFY(file.close());
    // "  7×8=  " CR LF, CR LF, "96÷12=8" CR LF, all in GBK.
    QCOMPARE(readBytes(dir.filePath(QStringLiteral("试题.xls"))).toHex(),
        QByteArray("22202037a1c1383d2020220d0a0d0a223936a1c231323d38220d0a"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList { QStringLiteral("试题.xls") });

    // Lines of every length across the file's write blocks, one longer than a block.
    SheetFile big;
    QVERIFY(big.create(QStringLiteral("大.xls")));
    QByteArray expected;
    for (int i = 0; i < 3000; ++i) {
        const QByteArray text = QByteArray::number(i) + QByteArray(i == 1234 ? 200000 : i % 97, 'x');
        big.writeLine(QString::fromLatin1(text));
        expected += '"' + text + "\"\r\n";
    }
    QVERIFY(big.close());
    QCOMPARE(readBytes(dir.filePath(QStringLiteral("大.xls"))), expected);
}

void TestOutput::sheetFileReplacesAnEarlierOne()
{
    ScratchDir dir;
    writeFile(dir.filePath(QStringLiteral("a.xls")), QByteArray(5000, 'x'));
    SheetFile file;
    QVERIFY(file.create(QStringLiteral("a.xls")));
    file.writeLine(QStringLiteral("1"));
    QVERIFY(file.close());
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
    ScratchDir dir;
    MessageRecorder messages;
    const QString name = QStringLiteral("大.xls");
    const QByteArray old("\"old sheet\"\r\n");
    writeFile(dir.filePath(name), old);
    PageCounter printer;
    {
        FileSizeLimit limit(static_cast<rlim_t>(freeBytes));
        SheetOutputs outputs(printer, { true, true });
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
    }
    if (noticedAtTheEnd) {
        QCOMPARE(printer.printed, lines / 10);
    } else {
        QVERIFY(printer.printed > 0 && printer.printed < lines / 10);
    }
    // The cause in the program's language only, without the system's English
    // text, and how many pages were printed before the run stopped.
    QCOMPARE(messages.messages,
        QStringList { OutputMessages::fileFailed(name, QStringLiteral("写入失败（磁盘空间可能不足）"), true)
            + OutputMessages::pagesPrinted(printer.printed) });
    QCOMPARE(readBytes(dir.filePath(name)), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList { name }); // no temporary file left
}

void TestOutput::answerSheetFailureKeepsBothSheets_data()
{
    QTest::addColumn<bool>("earlier"); // earlier sheets of both names are there
    QTest::addColumn<bool>("folder"); // the answer sheet cannot be put in place, else not written
    QTest::newRow("answers not written, earlier pair kept") << true << false;
    QTest::newRow("answers not put in place, earlier pair kept") << true << true;
    QTest::newRow("answers not put in place, no earlier pair") << false << true;
}

void TestOutput::answerSheetFailureKeepsBothSheets()
{
    // A question sheet and its answer sheet are put in place both or neither.
    QFETCH(bool, earlier);
    QFETCH(bool, folder);
    ScratchDir dir;
    MessageRecorder messages;
    const QString questions = QStringLiteral("题.xls");
    const QString answers = FrameLines::answerFileName(questions);
    if (earlier) {
        writeFile(dir.filePath(questions), "\"old questions\"\r\n");
        writeFile(dir.filePath(answers), "\"old answers\"\r\n");
    }
    NoPrinterTarget noPrinter;
    {
        SheetOutputs outputs(noPrinter, { false, true });
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
        } else {
            full.emplace(0);
        }
        QVERIFY(!outputs.finish());
    }
    QCOMPARE(messages.messages.size(), 1);
    QVERIFY2(messages.messages[0].startsWith(QStringLiteral("文件“%1”未能生成").arg(answers)),
        qPrintable(messages.messages[0]));
    QVERIFY(messages.messages[0].endsWith(OutputMessages::pairKept(questions)));
    if (folder) {
        QDir(dir.path()).rmdir(answers);
    }
    QStringList left = QDir(dir.path()).entryList(QDir::Files);
    if (earlier) {
        QCOMPARE(readBytes(dir.filePath(questions)), QByteArray("\"old questions\"\r\n"));
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
    ScratchDir dir;
    MessageRecorder messages;
    const QString name = QStringLiteral("占用.xls");
    // A folder stands where the sheet would go.
    if (folderFirst) {
        QVERIFY(QDir(dir.path()).mkdir(name));
    }
    const QString pdfPath = dir.filePath(QStringLiteral("out.pdf"));
    PdfPrintTarget pdf(pdfPath);
    SheetOutputs outputs(pdf, { true, true });
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
    QCOMPARE(messages.messages,
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
    ScratchDir dir;
    const QString path = dir.filePath(QStringLiteral("fit.pdf"));
    PdfPrintTarget pdf(path);
    SheetOutputs outputs(pdf, { true, false });
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
    QCOMPARE(outputs.smallestPrintedPoints(), std::min(fit.points, PagePainter::kLargestPoints));
    // The preview's pages report the same size.
    PageCollector preview(PrintTarget::a4());
    const PrintedPage shortPage { QStringLiteral("1"), QString(), FrameLines::pageFooter(2) };
    QCOMPARE(preview.print({ page, shortPage }).smallestPoints, outputs.smallestPrintedPoints());
    if (width <= 40) {
        QCOMPARE(fit.points, PagePainter::kLargestPoints);
    }
}

void TestOutput::printedPdfPlacesTextAsThePainter_data()
{
    QTest::addColumn<PrintedPages>("pages");
    // Every printable ASCII character, so glyph codes that a PDF string must
    // escape occur, and the sheet's Chinese texts and signs.
    QString ascii;
    for (char16_t c = 0x21; c < 0x7F; ++c) {
        ascii += QChar(c);
    }
    const PrintedPage sheet { QStringLiteral("*小学中段乘算速算试题*"),
        QStringLiteral("学校：   姓名：   成绩："), QString(), QStringLiteral("  12×34=408   96÷8=12"), ascii,
        FrameLines::pageFooter(1) };
    QTest::newRow("upright, blank line kept") << PrintedPages { sheet, { QStringLiteral("第2页") } };
    QTest::newRow("sideways") << PrintedPages { { QString(300, QLatin1Char('7')) + QStringLiteral("E") } };
    QTest::newRow("below 1 pt") << PrintedPages { { QString(2000, QLatin1Char('8')) + QStringLiteral("F") } };
    // A character the sheet font lacks sends the document through Qt's engine,
    // which finds another font for it.
    QTest::newRow("a character the font lacks") << PrintedPages { sheet, { QStringLiteral("1+1 \u2603") } };
}

void TestOutput::printedPdfPlacesTextAsThePainter()
{
    QFETCH(PrintedPages, pages);
    ScratchDir dir;
    const QString written = dir.filePath(QStringLiteral("written.pdf"));
    const QString painted = dir.filePath(QStringLiteral("painted.pdf"));
    double smallest = 0;
    {
        QFile file(written);
        QVERIFY(file.open(QIODevice::WriteOnly));
        smallest = SheetPdf::write(file, pages, PrintTarget::a4(), QStringLiteral("速算试题"));
    }
    {
        QPdfWriter writer(painted);
        writer.setResolution(1200);
        writer.setPageLayout(PrintTarget::a4());
        QCOMPARE(PagePainter::paint(writer, pages), smallest);
    }
    const QStringList words = placedWords(written);
    QCOMPARE(words.count(QStringLiteral("page")), pages.size());
    QVERIFY(words.size() > pages.size());
    QCOMPARE(words, placedWords(painted));
}

void TestOutput::embeddedFontKeepsTheGlyphsUsed()
{
    const QRawFont& font = SheetGlyphs::shared().font();
    // "é" is drawn from two other glyphs in the sheet font, which the subset
    // has to carry along although nobody asked for them.
    const QList<quint32> used = font.glyphIndexesForString(QStringLiteral("*9×学é"));
    const quint32 unused = font.glyphIndexesForString(QStringLiteral("7")).value(0);
    QVERIFY(!used.contains(0) && unused != 0);
    const TrueTypeSubset::Font subset = TrueTypeSubset::build(font, used);
    QRawFont embedded(subset.program, font.pixelSize());
    QVERIFY(embedded.isValid());
    QVERIFY(subset.program.size() < font.fontTable("glyf").size() / 10);
    for (const quint32 glyph : used) {
        QVERIFY(!font.pathForGlyph(glyph).isEmpty());
        QVERIFY2(sameOutline(embedded.pathForGlyph(glyph), font.pathForGlyph(glyph)),
            qPrintable(QString::number(glyph)));
    }
    QVERIFY(embedded.pathForGlyph(unused).isEmpty());
    QVERIFY(subset.box.width() > 500 && subset.box.height() > 500);
    // A font without TrueType outlines gives nothing to embed.
    QVERIFY(TrueTypeSubset::build(QRawFont(), used).program.isEmpty());
}

QTEST_MAIN(TestOutput)
#include "test_output.moc"
