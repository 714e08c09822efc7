// SPDX-License-Identifier: GPL-3.0-or-later
// The multiplication drill: factor drawing, question cells, the row windows
// each grade's rules make, and whole runs of the window to the sheet file and
// to a PDF printer.

#include "TestSupport.h"

#include "common/DistinctTexts.h"

#include "drills/multiply/Multiplication.h"
#include "drills/multiply/MultiplyDrills.h"
#include "drills/rows/RowDrill.h"
#include "forms/PreviewWindow.h"
#include "forms/RowForm.h"
#include "output/FrameLines.h"
#include "random/Draws.h"
#include "random/RandomSource.h"

#include <QFile>
#include <QPageSize>
#include <QRegularExpression>
#include <QTest>

using namespace TestSupport;

namespace {
const QString kDefaultFile = QStringLiteral("中段3位乘1位速算.xls");

const QString kEntry = QStringLiteral("zdcs"); // 中段乘算

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

// A grade no menu offers, made from its rules alone: narrow cells, one
// decimal place at most, no 题目不重复 and the layout message naming the limits.
const MultiplyGradeRules kMadeUpGrade {
    .stage = QStringLiteral("低段"),
    .firstDigits = 2,
    .secondDigits = 1,
    .maxPlaces = 1,
};
const MultiplyGradeRules* const kGrades[]
    = { &MultiplyDrills::kMiddle, &MultiplyDrills::kUpper, &kMadeUpGrade };

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
    void gradeWindowsFollowTheirRules_data();
    void gradeWindowsFollowTheirRules();

    void defaultRunWritesTheSheetFile();
    void answersAppendTheProductWithoutChangingTheDraws();
    void sameRequestsAfterAFreshStartGiveTheSameSheet();
    void secondRunReplacesTheFile();
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

// Each grade's window starts with its digits, offers its choice of places
// and 题目不重复 only where its rules say so, refuses a layout with its own
// message, and names and sizes its sheets after its stage and cells. The
// questions are 1 × 5 digits, longer than the narrow cells of 6 characters.
void TestMultiply::gradeWindowsFollowTheirRules_data()
{
    QTest::addColumn<int>("grade"); // in kGrades
    QTest::addColumn<int>("places"); // chosen before the run
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("width");
    QTest::addRow("中段, narrow cells") << 0 << 0 << "中段1位乘5位速算.xls" << 6;
    // 9×99999=899991 and two spaces.
    QTest::addRow("高段, whole") << 1 << 0 << "高段1位乘5位速算.xls" << 16;
    // 0.09×999.99=89.9991 and two spaces.
    QTest::addRow("高段, two places") << 1 << 2 << "高段1位乘5位两位小数速算.xls" << 21;
    // 0.9×9999.9=89999.1 and two spaces: decimals never take the narrow cells.
    QTest::addRow("made-up grade, one place") << 2 << 1 << "低段1位乘5位一位小数速算.xls" << 20;
    QTest::addRow("made-up grade, whole") << 2 << 0 << "低段1位乘5位速算.xls" << 6;
}

void TestMultiply::gradeWindowsFollowTheirRules()
{
    QFETCH(int, grade);
    QFETCH(int, places);
    QFETCH(QString, file);
    QFETCH(int, width);
    const MultiplyGradeRules& rules = *kGrades[grade];
    NoPrinterTarget noPrinter;
    DrillSession session(noPrinter);
    session.build(MultiplyDrills::rows(rules));
    QCOMPARE(session.text(RowForm::kFirstBox), QString::number(rules.firstDigits));
    QCOMPARE(session.text(RowForm::kSecondBox), QString::number(rules.secondDigits));
    // No choice for whole numbers alone; otherwise one option for each number of places up to the most.
    for (int p = 0; p < 3; ++p) {
        QCOMPARE(session.child(RowForm::kChoiceOptions[p]) != nullptr,
            rules.maxPlaces > 0 && p <= rules.maxPlaces);
    }
    QCOMPARE(session.child(DistinctTexts::kCheckName) != nullptr, rules.offersDistinct);

    session.setText(RowForm::kPerRowBox, QStringLiteral("51"));
    session.generate();
    const QString counts = rules.countsMessage.isEmpty()
        ? RowDrill::countsMessage(Multiplication::kLayoutLimits)
        : rules.countsMessage;
    QCOMPARE(session.messages.messages, QStringList { counts });
    QCOMPARE(session.files(), QStringList());
    session.messages.messages.clear();

    session.setText(RowForm::kFirstBox, QStringLiteral("1"));
    session.setText(RowForm::kSecondBox, QStringLiteral("5"));
    session.setText(RowForm::kPerRowBox, QStringLiteral("5"));
    if (places > 0) {
        session.choose(RowForm::kChoiceOptions[places]);
    }
    session.choose(DrillNames::kShowAnswers);
    session.generate();
    QCOMPARE(session.messages.messages, QStringList());
    QCOMPARE(session.files(), QStringList { file });
    const QStringList rows = sheetValues(session.dir.filePath(file)).mid(2);
    QCOMPARE(rows.size(), 4 * 30);
    const QString indent(RowDrill::kIndent, QLatin1Char(' '));
    for (const QString& row : rows) {
        const QStringList questions = questionsOf(row);
        QCOMPARE(questions.size(), 5);
        if (width < 13) {
            // Every question with its product overflows the narrow cell and is followed by one space.
            QCOMPARE(row, indent + questions.join(QLatin1Char(' ')) + QLatin1Char(' '));
        } else {
            // Every question starts its own column.
            QCOMPARE(row.size(), RowDrill::kIndent + 5 * width);
            for (int q = 0; q < 5; ++q) {
                QVERIFY2(row.mid(RowDrill::kIndent + q * width).startsWith(questions[q]), qPrintable(row));
            }
        }
    }
    // Decimal factors only where places were chosen.
    QCOMPARE(rows.join(QString()).contains(QLatin1Char('.')), places > 0);
}

// The sheet itself is kept in tests/golden; the window reports the run.
void TestMultiply::defaultRunWritesTheSheetFile()
{
    NoPrinterTarget noPrinter;
    DrillSession session(noPrinter);
    session.open(kEntry);
    session.generate();
    QVERIFY(session.messages.messages.isEmpty());
    QCOMPARE(session.files(), QStringList { kDefaultFile });
    QCOMPARE(session.text(RowForm::kProgress), QString(36, QLatin1Char(' ')) + QStringLiteral("100% 完成"));
    QCOMPARE(session.text(RowForm::kCompletion),
        QStringLiteral("智能生成[600]题已完成。如果选择输出到Excel，请在该系统目录下将“中段3位乘1位速算.xls”"
                       "用Excel打开，点完成即可。(千万不要直接双击进入)调整即可。谢谢！"));
    QCOMPARE(session.child(RowForm::kProgress)->palette().color(QPalette::Base), QColor(Qt::black));
}

void TestMultiply::answersAppendTheProductWithoutChangingTheDraws()
{
    NoPrinterTarget noPrinter;
    QStringList plain;
    QStringList withAnswers;
    for (bool answers : { false, true }) {
        DrillSession session(noPrinter);
        session.open(kEntry);
        session.choose(answers ? DrillNames::kShowAnswers : DrillNames::kHideAnswers);
        session.generate();
        (answers ? withAnswers : plain) = sheetValues(session.dir.filePath(kDefaultFile));
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
        DrillSession session(noPrinter);
        session.open(kEntry);
        session.setText(RowForm::kFirstBox, QStringLiteral("6"));
        session.setText(RowForm::kSecondBox, QStringLiteral("5"));
        session.generate();
        session.generate();
        sheet = readBytes(session.dir.filePath(QStringLiteral("中段6位乘5位速算.xls")));
    }
    QVERIFY(!sheets[0].isEmpty());
    QCOMPARE(sheets[0], sheets[1]);
}

void TestMultiply::secondRunReplacesTheFile()
{
    NoPrinterTarget noPrinter;
    DrillSession session(noPrinter);
    session.open(kEntry);
    session.generate();
    const QByteArray first = readBytes(session.dir.filePath(kDefaultFile));
    session.generate();
    const QByteArray second = readBytes(session.dir.filePath(kDefaultFile));
    QCOMPARE(second.size(), first.size()); // replaced, not appended to
    QVERIFY(second != first); // the random source ran on
}

void TestMultiply::boundarySettingsAreAccepted()
{
    NoPrinterTarget noPrinter;
    DrillSession session(noPrinter);
    session.open(kEntry);
    session.setText(RowForm::kFirstBox, QStringLiteral(" ６ "));
    session.setText(RowForm::kSecondBox, QStringLiteral("5"));
    session.setText(RowForm::kPerRowBox, QStringLiteral("1"));
    session.setText(RowForm::kRowsBox, QStringLiteral("1"));
    session.setText(RowForm::kPagesBox, QStringLiteral("40"));
    session.generate();
    QVERIFY(session.messages.messages.isEmpty());
    const QStringList lines = sheetValues(session.dir.filePath(QStringLiteral("中段6位乘5位速算.xls")));
    QCOMPARE(lines.size(), 2 + 40);
    QCOMPARE(lines[2].size(), 4 + 36);
    QVERIFY(session.text(RowForm::kCompletion).startsWith(QStringLiteral("智能生成[40]题已完成")));
}

void TestMultiply::neitherOutputStillReportsCompletion()
{
    NoPrinterTarget noPrinter;
    DrillSession session(noPrinter);
    session.open(kEntry);
    session.tick(DrillNames::kToFile, false);
    session.generate();
    QVERIFY(QDir(session.dir.path()).entryList(QDir::Files).isEmpty());
    QVERIFY(session.text(RowForm::kProgress).endsWith(QStringLiteral("100% 完成")));
    QVERIFY(session.text(RowForm::kCompletion).startsWith(QStringLiteral("智能生成[600]")));
}

void TestMultiply::printingGivesFramedNumberedPages()
{
    DrillSession session;
    session.open(kEntry);
    session.tick(DrillNames::kToPrinter, true);
    session.generate();
    QVERIFY(session.messages.messages.isEmpty());

    const QStringList pages = pdfPages(session.printedPdf());
    QCOMPARE(pages.size(), 4);
    const QStringList fileRows = sheetValues(session.dir.filePath(kDefaultFile)).mid(2);
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
    QCOMPARE(session.text(RowForm::kCompletion), DrillTexts::completion(600, kDefaultFile));

    // Fifty six-by-five questions in a row print below 5 pt even sideways:
    // the page is printed all the same, and the completion text says so.
    session.setText(RowForm::kFirstBox, QStringLiteral("6"));
    session.setText(RowForm::kSecondBox, QStringLiteral("5"));
    session.setText(RowForm::kPerRowBox, QStringLiteral("50"));
    session.setText(RowForm::kPagesBox, QStringLiteral("1"));
    session.generate();
    QVERIFY(session.messages.messages.isEmpty());
    QCOMPARE(pdfPages(session.printedPdf()).size(), 1);
    const QString done = DrillTexts::completion(50 * 30, QStringLiteral("中段6位乘5位速算.xls"));
    const QString completion = session.text(RowForm::kCompletion);
    QVERIFY2(completion.startsWith(done), qPrintable(completion));
    const QString note = completion.mid(done.size());
    // The size with one decimal.
    static const QRegularExpression noteShape(
        QStringLiteral("^注意：打印字号只有\\d\\.\\d磅，建议减少每行题数。$"));
    QVERIFY2(noteShape.match(note).hasMatch(), qPrintable(note));
}

void TestMultiply::noDefaultPrinterRefusesTheRun()
{
    NoPrinterTarget noPrinter;
    DrillSession session(noPrinter);
    session.open(kEntry);
    session.tick(DrillNames::kToPrinter, true);
    session.generate();
    QCOMPARE(session.messages.messages, QStringList { PrintMessages::kNoPrinter });
    QVERIFY(QDir(session.dir.path()).entryList(QDir::Files).isEmpty());
    QVERIFY(session.text(RowForm::kProgress).isEmpty());
}

void TestMultiply::previewFitsThePagesToThePrintersPaper()
{
    // The default sheet prints at a readable size on A4, but not on this
    // paper: the previewed run's completion text says so.
    QTemporaryDir paper;
    SmallPaperTarget smallPaper(paper.filePath(QStringLiteral("small.pdf")));
    DrillSession session(smallPaper);
    session.open(kEntry);
    qsizetype shownPages = 0;
    const PreviewWindow::Handler previous
        = PreviewWindow::setHandler([&shownPages](QWidget*, const PrintedPages& pages, PrintTarget&) {
              shownPages = pages.size();
              return false;
          });
    session.click(DrillNames::kPreview);
    PreviewWindow::setHandler(previous);
    QVERIFY(session.messages.messages.isEmpty());
    QCOMPARE(shownPages, 4);
    const QString completion = session.text(RowForm::kCompletion);
    QVERIFY2(completion.contains(QStringLiteral("注意：打印字号只有")), qPrintable(completion));
}

QTEST_MAIN(TestMultiply)
#include "test_multiply.moc"
