// The multiplication drill: factor drawing, question cells, and whole runs of
// the window to the sheet file and to a PDF printer.

#include "TestSupport.h"

#include "drills/multiply/Multiplication.h"
#include "drills/multiply/MultiplyDrills.h"
#include "drills/rows/RowDrill.h"
#include "forms/PreviewWindow.h"
#include "output/FrameLines.h"
#include "random/Draws.h"
#include "random/RandomSource.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPageSize>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

using namespace TestSupport;

namespace {
const QString kDefaultFile = QStringLiteral("中段3位乘1位速算.xls");

struct Window {
    explicit Window(PrintTarget& target)
        : environment { random, target }
        , window(environment, MultiplyDrills::rows(MultiplyGrade::Middle))
    {
    }
    RandomSource random;
    DrillEnvironment environment;
    OperandRowWindow window;

    void tick(const char* name, bool on)
    {
        window.findChild<QCheckBox*>(QLatin1String(name))->setChecked(on);
    }
    void answers(bool on)
    {
        window.findChild<QRadioButton*>(QLatin1String(on ? "Option1" : "Option2"))->setChecked(true);
    }
    QString progress() const { return window.findChild<QLineEdit*>(QStringLiteral("Text3"))->text(); }
    QString completion() const { return window.findChild<QLabel*>(QStringLiteral("Label4"))->text(); }
};

// A printer with paper far smaller than A4: A8, 52 × 74 mm, with margins of 10 mm.
class SmallPaperTarget : public PdfPrintTarget {
public:
    using PdfPrintTarget::PdfPrintTarget;
    QPageLayout pageLayout() const override
    {
        return { QPageSize(QPageSize::A8), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
            QPageLayout::Millimeter };
    }
};

// The questions of a row line: "a×b=" or "a×b=p" separated by spaces.
QStringList questionsOf(const QString& row)
{
    return row.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}
} // namespace

class TestMultiply : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initFonts(); }

    void factorsStayStrictlyInsideTheirBounds_data();
    void factorsStayStrictlyInsideTheirBounds();
    void largestProductIsExact();
    void cellsArePaddedAndNeverRunTogether_data();
    void cellsArePaddedAndNeverRunTogether();

    void defaultRunWritesTheSheetFile();
    void answersAppendTheProductWithoutChangingTheDraws();
    void sameRequestsAfterAFreshStartGiveTheSameSheet();
    void secondRunReplacesTheFile();
    void badSettingsGiveTheirMessageAndNoFile_data();
    void badSettingsGiveTheirMessageAndNoFile();
    void boundarySettingsAreAccepted();
    void neitherOutputStillReportsCompletion();
    void printingGivesFramedNumberedPages();
    void noDefaultPrinterRefusesTheRun();
    void previewFitsThePagesToThePrintersPaper();
};

void TestMultiply::factorsStayStrictlyInsideTheirBounds_data()
{
    QTest::addColumn<int>("d1");
    QTest::addColumn<int>("d2");
    for (int d1 = 1; d1 <= 6; ++d1) {
        for (int d2 = 1; d2 <= 5; ++d2) {
            QTest::addRow("%d x %d digits", d1, d2) << d1 << d2;
        }
    }
}

void TestMultiply::factorsStayStrictlyInsideTheirBounds()
{
    QFETCH(int, d1);
    QFETCH(int, d2);
    RandomSource random;
    const qint64 lo1 = Draws::powerOfTen(d1 - 1);
    const qint64 lo2 = Draws::powerOfTen(d2 - 1);
    qint64 smallestA = lo1 * 10;
    qint64 largestA = 0;
    for (int i = 0; i < 20000; ++i) {
        const Factors f = Multiplication::drawFactors(random, d1, d2);
        QVERIFY2(f.a > lo1 && f.a < lo1 * 10, qPrintable(QString::number(f.a)));
        QVERIFY2(f.b > lo2 && f.b < lo2 * 10, qPrintable(QString::number(f.b)));
        smallestA = std::min<qint64>(smallestA, f.a);
        largestA = std::max<qint64>(largestA, f.a);
    }
    if (d1 <= 2) { // small ranges are covered end to end
        QCOMPARE(smallestA, lo1 + 1);
        QCOMPARE(largestA, lo1 * 10 - 1);
    }
}

void TestMultiply::largestProductIsExact()
{
    QCOMPARE(
        Multiplication::questionText({ 999999, 99999 }, true), QStringLiteral("999999×99999=99998900001"));
    QCOMPARE(Multiplication::questionText({ 705, 5 }, false), QStringLiteral("705×5="));
}

void TestMultiply::cellsArePaddedAndNeverRunTogether_data()
{
    QTest::addColumn<QString>("question");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("cell");
    QTest::newRow("shorter than the cell") << "705×5=3525" << 18 << QStringLiteral("705×5=3525        ");
    QTest::newRow("exactly the cell") << "7×8=56" << 6 << "7×8=56 ";
    QTest::newRow("longer than the cell") << "7×98=686" << 6 << "7×98=686 ";
}

void TestMultiply::cellsArePaddedAndNeverRunTogether()
{
    QFETCH(QString, question);
    QFETCH(int, width);
    QFETCH(QString, cell);
    // The cell follows the row's indent; its width is counted from its own start.
    SheetLine row;
    row.appendSpaces(RowDrill::kIndent);
    const qsizetype cellStart = row.length();
    row.appendText(question);
    RowDrill::padCell(row, cellStart, width);
    QCOMPARE(row.text(), QString(RowDrill::kIndent, QLatin1Char(' ')) + cell);
    QCOMPARE(row.length(), RowDrill::kIndent + cell.size());
}

void TestMultiply::defaultRunWritesTheSheetFile()
{
    ScratchDir dir;
    MessageRecorder messages;
    NoPrinterTarget noPrinter;
    Window w(noPrinter);
    click(&w.window, "Command1");
    QVERIFY(messages.messages.isEmpty());

    const QByteArray bytes = readBytes(dir.filePath(kDefaultFile));
    const QByteArray head
        = QByteArray::fromHex("22d0a1d1a7d6d0b6ce33cebbb3cb31cebbcbd9cbe3cad4cce2220d0a"
                              "22d1a7d0a3a3ba202020202020202020202020202020202020d0d5c3fba3ba"
                              "202020202020202020202020202020b3c9bca8a3ba2020202020202020202020220d0a");
    QVERIFY(bytes.startsWith(head));
    QVERIFY(bytes.endsWith("\"\r\n"));

    const QStringList lines = sheetLines(dir.filePath(kDefaultFile));
    QCOMPARE(lines.size(), 122);
    for (int i = 2; i < lines.size(); ++i) {
        const QString& line = lines[i];
        QVERIFY(line.startsWith(QStringLiteral("\"    ")) && line.endsWith(QLatin1Char('"')));
        QCOMPARE(line.size(), 94 + 2);
        const QStringList questions = questionsOf(line.mid(1, line.size() - 2));
        QCOMPARE(questions.size(), 5);
        for (const QString& q : questions) {
            static const QRegularExpression shape(QStringLiteral("^(\\d+)×(\\d+)=$"));
            const auto match = shape.match(q);
            QVERIFY2(match.hasMatch(), qPrintable(q));
            QVERIFY(match.captured(1).toInt() > 100 && match.captured(1).toInt() < 1000);
            QVERIFY(match.captured(2).toInt() > 1 && match.captured(2).toInt() < 10);
        }
    }
    QCOMPARE(w.progress(), QString(36, QLatin1Char(' ')) + QStringLiteral("100% 完成"));
    QCOMPARE(w.completion(),
        QStringLiteral("智能生成[600]题已完成。如果选择输出到Excel，请在该系统目录下将“中段3位乘1位速算.xls”"
                       "用Excel打开，点完成即可。(千万不要直接双击进入)调整即可。谢谢！"));
    QCOMPARE(w.window.findChild<QLineEdit*>(QStringLiteral("Text3"))->palette().color(QPalette::Base),
        QColor(Qt::black));
}

void TestMultiply::answersAppendTheProductWithoutChangingTheDraws()
{
    NoPrinterTarget noPrinter;
    QStringList plain;
    QStringList withAnswers;
    for (bool answers : { false, true }) {
        ScratchDir dir;
        Window w(noPrinter);
        w.answers(answers);
        click(&w.window, "Command1");
        (answers ? withAnswers : plain) = sheetValues(dir.filePath(kDefaultFile));
    }
    QCOMPARE(withAnswers.size(), plain.size());
    for (int i = 2; i < plain.size(); ++i) {
        const QStringList a = questionsOf(plain[i]);
        const QStringList b = questionsOf(withAnswers[i]);
        QCOMPARE(b.size(), a.size());
        for (int k = 0; k < a.size(); ++k) {
            QVERIFY(b[k].startsWith(a[k]));
            const QStringList factors = a[k].chopped(1).split(QChar(u'×'));
            QCOMPARE(b[k].mid(a[k].size()).toLongLong(), factors[0].toLongLong() * factors[1].toLongLong());
        }
    }
}

void TestMultiply::sameRequestsAfterAFreshStartGiveTheSameSheet()
{
    NoPrinterTarget noPrinter;
    QByteArray sheets[2];
    for (QByteArray& sheet : sheets) {
        ScratchDir dir;
        Window w(noPrinter);
        setText(&w.window, "Text1", QStringLiteral("6"));
        setText(&w.window, "Text2", QStringLiteral("5"));
        click(&w.window, "Command1");
        click(&w.window, "Command1");
        sheet = readBytes(dir.filePath(QStringLiteral("中段6位乘5位速算.xls")));
    }
    QVERIFY(!sheets[0].isEmpty());
    QCOMPARE(sheets[0], sheets[1]);
}

void TestMultiply::secondRunReplacesTheFile()
{
    ScratchDir dir;
    NoPrinterTarget noPrinter;
    Window w(noPrinter);
    click(&w.window, "Command1");
    const QByteArray first = readBytes(dir.filePath(kDefaultFile));
    click(&w.window, "Command1");
    const QByteArray second = readBytes(dir.filePath(kDefaultFile));
    QCOMPARE(second.size(), first.size()); // replaced, not appended to
    QVERIFY(second != first); // the random source ran on
}

void TestMultiply::badSettingsGiveTheirMessageAndNoFile_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    const QString digits = MultiplyTexts::kDigitsMessage;
    const QString counts = QStringLiteral(
        "可一次性每排输出2-50题，每页输出2-200排，每次输出1-40页。对不起！输入有误，谢谢使用。欢迎再来");
    QTest::newRow("first digits 0") << "Text1"
                                    << "0" << digits;
    QTest::newRow("first digits 7") << "Text1"
                                    << "7" << digits;
    QTest::newRow("second digits 0") << "Text2"
                                     << "0" << digits;
    QTest::newRow("second digits 6") << "Text2"
                                     << "6" << digits;
    QTest::newRow("first digits empty") << "Text1"
                                        << "" << digits;
    QTest::newRow("first digits letters") << "Text1"
                                          << "abc" << digits;
    QTest::newRow("second digits fraction") << "Text2"
                                            << "3.5" << digits;
    QTest::newRow("second digits exponent") << "Text2"
                                            << "1e2" << digits;
    QTest::newRow("per row 0") << "Text4"
                               << "0" << counts;
    QTest::newRow("per row 51") << "Text4"
                                << "51" << counts;
    QTest::newRow("rows 201") << "Text5"
                              << "201" << counts;
    QTest::newRow("pages 41") << "Text6"
                              << "41" << counts;
    QTest::newRow("pages negative") << "Text6"
                                    << "-1" << counts;
    QTest::newRow("pages huge") << "Text6"
                                << "99999999999999999999" << counts;
    QTest::newRow("rows empty") << "Text5"
                                << " " << counts;
}

void TestMultiply::badSettingsGiveTheirMessageAndNoFile()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, message);
    ScratchDir dir;
    MessageRecorder messages;
    NoPrinterTarget noPrinter;
    Window w(noPrinter);
    w.tick("Check1", true); // the settings are checked before the missing printer
    setText(&w.window, qPrintable(box), text);
    if (box != QLatin1String("Text1")) {
        setText(&w.window, "Text4", QStringLiteral("51")); // counts fail too: only the first message shows
    }
    click(&w.window, "Command1");
    QCOMPARE(messages.messages, QStringList { message });
    QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    QVERIFY(w.progress().isEmpty());
    QVERIFY(w.completion().isEmpty());
}

void TestMultiply::boundarySettingsAreAccepted()
{
    ScratchDir dir;
    MessageRecorder messages;
    NoPrinterTarget noPrinter;
    Window w(noPrinter);
    setText(&w.window, "Text1", QStringLiteral(" ６ "));
    setText(&w.window, "Text2", QStringLiteral("5"));
    setText(&w.window, "Text4", QStringLiteral("1"));
    setText(&w.window, "Text5", QStringLiteral("1"));
    setText(&w.window, "Text6", QStringLiteral("40"));
    click(&w.window, "Command1");
    QVERIFY(messages.messages.isEmpty());
    const QStringList lines = sheetValues(dir.filePath(QStringLiteral("中段6位乘5位速算.xls")));
    QCOMPARE(lines.size(), 2 + 40);
    QCOMPARE(lines[2].size(), 4 + 36);
    QVERIFY(w.completion().startsWith(QStringLiteral("智能生成[40]题已完成")));
}

void TestMultiply::neitherOutputStillReportsCompletion()
{
    ScratchDir dir;
    NoPrinterTarget noPrinter;
    Window w(noPrinter);
    w.tick("Check2", false);
    click(&w.window, "Command1");
    QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    QVERIFY(w.progress().endsWith(QStringLiteral("100% 完成")));
    QVERIFY(w.completion().startsWith(QStringLiteral("智能生成[600]")));
}

void TestMultiply::printingGivesFramedNumberedPages()
{
    ScratchDir dir;
    MessageRecorder messages;
    PdfPrintTarget pdf(dir.filePath(QStringLiteral("sheet.pdf")));
    Window w(pdf);
    w.tick("Check1", true);
    click(&w.window, "Command1");
    QVERIFY(messages.messages.isEmpty());

    const QStringList pages = pdfPages(dir.filePath(QStringLiteral("sheet.pdf")));
    QCOMPARE(pages.size(), 4);
    const QStringList fileRows = sheetValues(dir.filePath(kDefaultFile)).mid(2);
    for (int p = 0; p < pages.size(); ++p) {
        const QStringList lines = nonEmptyLines(pages[p]);
        QCOMPARE(lines.size(), 35);
        QCOMPARE(lines[0].trimmed(), QStringLiteral("*小学中段3位乘1位速算试题*"));
        QVERIFY(lines[1].contains(QStringLiteral("学校：")) && lines[1].contains(QStringLiteral("成绩：")));
        QCOMPARE(lines[2].trimmed(), QString(90, QLatin1Char('-')));
        QCOMPARE(lines[33].trimmed(), QString(90, QLatin1Char('-')));
        QCOMPARE(lines[34].simplified(), FrameLines::pageFooter(p + 1).simplified());
        // The printed questions are those of the file, row for row.
        for (int r = 0; r < 30; ++r) {
            QCOMPARE(questionsOf(lines[3 + r]), questionsOf(fileRows[p * 30 + r]));
        }
    }
    QCOMPARE(w.completion(), DrillTexts::completion(600, kDefaultFile));

    // Fifty six-by-five questions in a row print below 5 pt even sideways:
    // the page is printed all the same, and the completion text says so.
    setText(&w.window, "Text1", QStringLiteral("6"));
    setText(&w.window, "Text2", QStringLiteral("5"));
    setText(&w.window, "Text4", QStringLiteral("50"));
    setText(&w.window, "Text6", QStringLiteral("1"));
    click(&w.window, "Command1");
    QVERIFY(messages.messages.isEmpty());
    QCOMPARE(pdfPages(dir.filePath(QStringLiteral("sheet.pdf"))).size(), 1);
    const QString done = DrillTexts::completion(50 * 30, QStringLiteral("中段6位乘5位速算.xls"));
    QVERIFY2(w.completion().startsWith(done), qPrintable(w.completion()));
    const QString note = w.completion().mid(done.size());
    // The size with one decimal.
    static const QRegularExpression noteShape(
        QStringLiteral("^注意：打印字号只有\\d\\.\\d磅，建议减少每行题数。$"));
    QVERIFY2(noteShape.match(note).hasMatch(), qPrintable(note));
}

void TestMultiply::noDefaultPrinterRefusesTheRun()
{
    ScratchDir dir;
    MessageRecorder messages;
    NoPrinterTarget noPrinter;
    Window w(noPrinter);
    w.tick("Check1", true);
    click(&w.window, "Command1");
    QCOMPARE(messages.messages, QStringList { PrintMessages::kNoPrinter });
    QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    QVERIFY(w.progress().isEmpty());
}

void TestMultiply::previewFitsThePagesToThePrintersPaper()
{
    // The default sheet prints at a readable size on A4, but not on this
    // paper: the previewed run's completion text says so.
    ScratchDir dir;
    MessageRecorder messages;
    SmallPaperTarget smallPaper(dir.filePath(QStringLiteral("small.pdf")));
    Window w(smallPaper);
    qsizetype shownPages = 0;
    const PreviewWindow::Handler previous = PreviewWindow::setHandler(
        [&shownPages](QWidget*, const PrintedPages& pages, PrintTarget&) { shownPages = pages.size(); });
    click(&w.window, "Command3");
    PreviewWindow::setHandler(previous);
    QVERIFY(messages.messages.isEmpty());
    QCOMPARE(shownPages, 4);
    QVERIFY2(w.completion().contains(QStringLiteral("注意：打印字号只有")), qPrintable(w.completion()));
}

QTEST_MAIN(TestMultiply)
#include "test_multiply.moc"
