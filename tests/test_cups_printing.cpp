// End to end through the real print server: a multiplication run sent to the
// system's default printer (a PDF queue set up by scripts/start-cups.sh)
// comes out as one job of four framed, numbered pages.

#include "TestSupport.h"

#include "drills/multiply/MultiplyWindow.h"
#include "random/RandomSource.h"

#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QPrinterInfo>
#include <QTest>

using namespace TestSupport;

class TestCupsPrinting : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initFonts(); }
    void runPrintsFourPagesOnTheDefaultPrinter();
};

void TestCupsPrinting::runPrintsFourPagesOnTheDefaultPrinter()
{
    const QString outDir = qEnvironmentVariable("MIREVA_CUPS_PDF_DIR", QStringLiteral("/var/spool/cups-pdf/mireva"));
    QVERIFY2(!QPrinterInfo::defaultPrinter().isNull(), "no default printer: start it with scripts/start-cups.sh");
    const QStringList before = QDir(outDir).entryList({ QStringLiteral("*.pdf") }, QDir::Files);

    ScratchDir dir;
    MessageRecorder messages;
    RandomSource random;
    SystemPrintTarget printer;
    DrillEnvironment environment { random, printer };
    MultiplyWindow window(environment, MultiplyGrade::Middle);
    window.findChild<QCheckBox*>(QStringLiteral("Check1"))->setChecked(true);
    window.findChild<QCheckBox*>(QStringLiteral("Check2"))->setChecked(false);
    click(&window, "Command1");
    QVERIFY(messages.messages.isEmpty());
    QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());

    // The queue writes the job as a PDF once it has been processed.
    QString job;
    QElapsedTimer waited;
    waited.start();
    while (job.isEmpty() && waited.elapsed() < 120000) {
        for (const QString& name : QDir(outDir).entryList({ QStringLiteral("*.pdf") }, QDir::Files, QDir::Time)) {
            if (!before.contains(name)) {
                job = QDir(outDir).filePath(name);
                break;
            }
        }
        QTest::qWait(250);
    }
    QVERIFY2(!job.isEmpty(), "the print job did not come out of the queue");
    QTest::qWait(1000); // let the queue finish writing the file

    // The queue re-renders the job through PostScript, which keeps the glyphs
    // but not their character codes: each glyph comes back as some stand-in
    // character. So the pages are checked by their shape: four pages of 35
    // lines, the same title on each, five questions per row, and footers that
    // differ only in the page number.
    const QStringList pages = pdfPages(job);
    QCOMPARE(pages.size(), 4);
    QStringList titles;
    QStringList footers;
    for (const QString& page : pages) {
        const QStringList lines = nonEmptyLines(page);
        QCOMPARE(lines.size(), 35);
        titles << lines.first().simplified();
        footers << lines.last().simplified();
        for (int row = 3; row < 33; ++row) {
            QCOMPARE(lines[row].split(QLatin1Char(' '), Qt::SkipEmptyParts).size(), 5);
        }
    }
    QCOMPARE(titles.count(titles.first()), 4);
    QCOMPARE(QSet<QString>(footers.begin(), footers.end()).size(), 4);
    for (const QString& footer : footers) {
        QCOMPARE(footer.size(), footers.first().size());
        int differing = 0;
        for (int i = 0; i < footer.size(); ++i) {
            differing += footer[i] != footers.first()[i] ? 1 : 0;
        }
        QVERIFY(differing <= 1);
    }
}

QTEST_MAIN(TestCupsPrinting)
#include "test_cups_printing.moc"
