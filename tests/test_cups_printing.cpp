// SPDX-License-Identifier: GPL-3.0-or-later
// End to end through the real print server (set up by scripts/start-cups.sh):
// a multiplication run sent to the default printer, a PDF queue, comes out
// as one job of four framed, numbered pages; a queue that takes no jobs or is
// stopped gets a message naming it, before the run or when the job is handed
// over, and the run is not reported as done. A preview's PDF file is the
// preview on the printer's own paper; a silent print server is given up.

#include "TestSupport.h"

#include "forms/ChainForm.h"
#include "forms/PageView.h"
#include "forms/PreviewWindow.h"
#include "forms/RowForm.h"
#include "output/OutputMessages.h"
#include "printing/PagePainter.h"
#include "printing/SystemPrintTarget.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTest>
#include <QTimer>
#include <QTransform>
#include <cups/cups.h>
#include <numeric>

using namespace TestSupport;

namespace {
const QString kPdfQueue = QStringLiteral("MirevaPDF");

// Makes a queue the default destination of this process for as long as it lives.
class DefaultQueue {
public:
    explicit DefaultQueue(const QString& queue) { qputenv("LPDEST", queue.toUtf8()); }
    ~DefaultQueue() { qunsetenv("LPDEST"); }
};

// The PDF queue answers the check before the run; by the time the job is
// handed over, the default destination is another queue, as when a queue
// stops taking jobs during a run.
class SwitchingTarget : public SystemPrintTarget {
public:
    explicit SwitchingTarget(QString later)
        : m_later(std::move(later))
    {
    }
    QString refusal() const override
    {
        qputenv("LPDEST", kPdfQueue.toUtf8());
        const QString refusal = SystemPrintTarget::refusal();
        qputenv("LPDEST", m_later.toUtf8());
        return refusal;
    }

private:
    QString m_later;
};

const QString kSheet = QStringLiteral("中段3位乘1位速算.xls");

// A 中段乘算 run sent to the printer, and to the sheet file too when toFile.
void run(DrillSession& session, bool toFile)
{
    QVERIFY(session.open(QStringLiteral("zdcs")));
    session.tick(DrillNames::kToPrinter, true);
    session.tick(DrillNames::kToFile, toFile);
    session.generate();
}

bool reportedDone(const DrillSession& session)
{
    return !session.text(RowForm::kProgress).isEmpty();
}

// Waits for the print server to finish the job; its state then.
ipp_jstate_t finishedState(int jobId)
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 120000) {
        cups_job_t* jobs = nullptr;
        const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, nullptr, 0, CUPS_WHICHJOBS_ALL);
        ipp_jstate_t state = IPP_JSTATE_PENDING;
        for (int i = 0; i < count; ++i) {
            if (jobs[i].id == jobId) {
                state = jobs[i].state;
            }
        }
        cupsFreeJobs(count, jobs);
        if (state >= IPP_JSTATE_CANCELED) {
            return state;
        }
        QTest::qWait(100);
    }
    return IPP_JSTATE_PENDING;
}

// The PDF file the PDF queue wrote for a finished job ("…job_<id>….pdf"),
// empty unless there is exactly one.
QString jobFile(int job)
{
    const QDir out(qEnvironmentVariable("MIREVA_CUPS_PDF_DIR", QStringLiteral("/var/spool/cups-pdf/mireva")));
    const QStringList files = out.entryList(
        { QStringLiteral("*job_%1.pdf").arg(job), QStringLiteral("job_%1-*.pdf").arg(job) }, QDir::Files);
    return files.size() == 1 ? out.filePath(files.first()) : QString();
}

// The box of a drawn page's dark pixels.
QRect inkBox(const QImage& page)
{
    QRect box;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            if (qGray(page.pixel(x, y)) < 160) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

bool withinTwoPixels(const QRect& a, const QRect& b)
{
    return qAbs(a.left() - b.left()) <= 2 && qAbs(a.top() - b.top()) <= 2 && qAbs(a.right() - b.right()) <= 2
        && qAbs(a.bottom() - b.bottom()) <= 2;
}

// The share of a page's ink that stands in other rows on one drawing than on
// the other. Each row's share is summed with two rows on either side (3.6 pt
// at 100 dpi), as two renderers shape small glyphs and round them to pixels
// a little differently, and draw them a little lighter or darker.
double misplaced(const QList<qint64>& a, const QList<qint64>& b)
{
    const auto shares = [](const QList<qint64>& ink) {
        const double total = std::accumulate(ink.begin(), ink.end(), 0.0);
        QList<double> near(ink.size(), 0.0);
        for (qsizetype i = 0; i < ink.size(); ++i) {
            for (qsizetype j = std::max<qsizetype>(0, i - 2); j <= std::min(ink.size() - 1, i + 2); ++j) {
                near[i] += ink[j] / total;
            }
        }
        return near;
    };
    const QList<double> x = shares(a);
    const QList<double> y = shares(b);
    double moved = 0;
    for (qsizetype i = 0; i < std::min(x.size(), y.size()); ++i) {
        moved += std::abs(x[i] - y[i]);
    }
    return moved / 10; // each row's ink counted five times, on both drawings
}
} // namespace

class TestCupsPrinting : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initFonts(); }
    void runPrintsFourPagesOnTheDefaultPrinter();
    void queueThatCannotPrintIsRefusedBeforeTheRun_data();
    void queueThatCannotPrintIsRefusedBeforeTheRun();
    void jobThatIsNotPrintedIsReported_data();
    void jobThatIsNotPrintedIsReported();
    void jobKeepsThePrintersPaperAndPrintableArea();
    void silentPrintServerIsAFailure_data();
    void silentPrintServerIsAFailure();
    void silentPrintServerLeavesA4();
    void savedPdfIsThePreview_data();
    void savedPdfIsThePreview();
};

void TestCupsPrinting::runPrintsFourPagesOnTheDefaultPrinter()
{
    const DefaultQueue queue(kPdfQueue);
    SystemPrintTarget printer;
    DrillSession session(printer);
    run(session, false);
    QCOMPARE(session.messages.messages, QStringList());
    QVERIFY(reportedDone(session));
    QVERIFY(QDir(session.dir.path()).entryList(QDir::Files).isEmpty());

    // The queue writes this job, and only it, as "…job_<id>….pdf" once done.
    const int job = printer.lastJobId();
    QVERIFY(job > 0);
    QCOMPARE(finishedState(job), IPP_JSTATE_COMPLETED);
    const QString file = jobFile(job);
    QVERIFY(!file.isEmpty());

    // The queue re-renders the job through PostScript, which keeps the glyphs
    // but not always their character codes. So the pages are checked by their
    // shape: four pages of 35 lines, the same title on each, five questions
    // per row, and footers that differ only in the page number.
    const QStringList pages = pdfPages(file);
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

void TestCupsPrinting::queueThatCannotPrintIsRefusedBeforeTheRun_data()
{
    QTest::addColumn<QString>("queue");
    QTest::addColumn<QString>("cause");
    QTest::addColumn<bool>("toFile");
    QTest::newRow("rejecting, printer only") << "MirevaReject" << PrintTexts::kNotAccepting << false;
    QTest::newRow("rejecting, both outputs") << "MirevaReject" << PrintTexts::kNotAccepting << true;
    QTest::newRow("stopped, both outputs") << "MirevaStopped" << PrintTexts::kStopped << true;
}

void TestCupsPrinting::queueThatCannotPrintIsRefusedBeforeTheRun()
{
    QFETCH(QString, queue);
    QFETCH(QString, cause);
    QFETCH(bool, toFile);
    const DefaultQueue defaultQueue(queue);
    SystemPrintTarget printer;
    DrillSession session(printer);
    run(session, toFile);
    QCOMPARE(session.messages.messages, QStringList { PrintMessages::printerRefuses(queue, cause) });
    QVERIFY(!reportedDone(session));
    QVERIFY(!QFile::exists(session.dir.filePath(kSheet)));
    QCOMPARE(printer.lastJobId(), 0);
}

void TestCupsPrinting::jobThatIsNotPrintedIsReported_data()
{
    QTest::addColumn<QString>("queue");
    QTest::addColumn<QString>("cause");
    QTest::newRow("stops taking jobs") << "MirevaReject" << PrintTexts::kNotAccepting;
    QTest::newRow("is stopped") << "MirevaStopped" << PrintTexts::kStoppedAfterJob;
}

void TestCupsPrinting::jobThatIsNotPrintedIsReported()
{
    QFETCH(QString, queue);
    QFETCH(QString, cause);
    SwitchingTarget printer(queue);
    DrillSession session(printer);
    run(session, true);
    qunsetenv("LPDEST");
    QCOMPARE(session.messages.messages,
        QStringList { OutputMessages::printFailedFilesKept(PrintMessages::printFailed(queue, cause)) });
    QVERIFY(!reportedDone(session));
    QVERIFY(QFile::exists(session.dir.filePath(kSheet)));
    if (printer.lastJobId() > 0) {
        cupsCancelJob(queue.toUtf8().constData(), printer.lastJobId()); // it would wait for ever
    }
}

void TestCupsPrinting::jobKeepsThePrintersPaperAndPrintableArea()
{
    // A printer whose own paper is B5 and which prints nothing within 18 pt
    // of an upright sheet's sides and 36 pt of its top and bottom: an
    // upright and a sideways page land on B5, every word inside that area.
    const DefaultQueue queue(QStringLiteral("MirevaB5"));
    SystemPrintTarget printer;
    const QPageLayout paper = printer.pageLayout();
    QCOMPARE(paper.pageSize().id(), QPageSize::B5);
    const QPageLayout sideways = PagePainter::turned(paper, QPageLayout::Landscape);
    const QMarginsF upright = paper.margins(QPageLayout::Point);
    QVERIFY(upright.left() >= 18 && upright.right() >= 18 && upright.top() >= 36 && upright.bottom() >= 36);
    QVERIFY(sideways.margins(QPageLayout::Point).left() >= 36);

    const PrintedPage tall { QStringLiteral("*小学中段3位乘1位速算试题*"),
        QString(60, QLatin1Char('8')) + 'E' };
    const PrintedPage wide { QStringLiteral("*宽*") + QString(300, QLatin1Char('7')) + 'W' };
    QVERIFY(printer.print({ tall, wide }).ok());
    QCOMPARE(finishedState(printer.lastJobId()), IPP_JSTATE_COMPLETED);
    const QString file = jobFile(printer.lastJobId());
    QVERIFY(!file.isEmpty());
    // Drawn by poppler: B5 pages (a sideways page turned onto the paper by
    // the print server), with ink inside the printable area alone.
    constexpr double kDotsPerPoint = 100.0 / 72.0;
    for (int page = 1; page <= 2; ++page) {
        const QImage drawn = renderedPage(file, page, false);
        QVERIFY(
            qAbs(drawn.width() - 498 * kDotsPerPoint) < 2 && qAbs(drawn.height() - 708 * kDotsPerPoint) < 2);
        const QRect printable
            = QRectF(QPointF(18, 36) * kDotsPerPoint, QPointF(498 - 18, 708 - 36) * kDotsPerPoint)
                  .toAlignedRect()
                  .adjusted(-1, -1, 1, 1); // the pixels that straddle its edges
        int inked = 0;
        for (int y = 0; y < drawn.height(); ++y) {
            for (int x = 0; x < drawn.width(); ++x) {
                if (qGray(drawn.pixel(x, y)) < 250) {
                    ++inked;
                    QVERIFY2(printable.contains(x, y),
                        qPrintable(QStringLiteral("page %1: ink at %2, %3").arg(page).arg(x).arg(y)));
                }
            }
        }
        QVERIFY(inked > 100);
    }
}

void TestCupsPrinting::silentPrintServerIsAFailure_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::newRow("generate") << QByteArray(DrillNames::kGenerate);
    QTest::newRow("preview") << QByteArray(DrillNames::kPreview);
}

void TestCupsPrinting::silentPrintServerIsAFailure()
{
    // A server that takes the connection and never answers: the run and the
    // preview give up within the limit with a message instead of hanging.
    QFETCH(QByteArray, button);
    QTcpServer silent;
    QVERIFY(silent.listen(QHostAddress::LocalHost));
    cupsSetServer(QStringLiteral("127.0.0.1:%1").arg(silent.serverPort()).toUtf8().constData());
    qputenv("CUPS_SERVER", cupsServer()); // Qt's own printer support asks the same server
    SystemPrintTarget printer;
    DrillSession session(printer);
    QVERIFY(session.open(QStringLiteral("zdcs")));
    session.tick(DrillNames::kToPrinter, true);
    // A preview that opened after all is closed again, so the test goes on.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            modal->close();
        }
    });
    closer.start(200);
    QElapsedTimer waited;
    waited.start();
    session.click(button.constData());
    const qint64 elapsed = waited.elapsed();
    cupsSetServer(nullptr);
    qunsetenv("CUPS_SERVER");
    QCOMPARE(session.messages.messages,
        QStringList { PrintMessages::printerRefuses(PrintTexts::kDefaultPrinter, PrintTexts::kNoAnswer) });
    QVERIFY2(elapsed < 10000, qPrintable(QStringLiteral("%1 ms").arg(elapsed)));
    QVERIFY(!reportedDone(session));
    QVERIFY(!QFile::exists(session.dir.filePath(kSheet)));
}

void TestCupsPrinting::silentPrintServerLeavesA4()
{
    // The printer's paper is asked over a connection that gives up within
    // the limit; A4 stands in, and nothing is left asking.
    QTcpServer silent;
    QVERIFY(silent.listen(QHostAddress::LocalHost));
    cupsSetServer(QStringLiteral("127.0.0.1:%1").arg(silent.serverPort()).toUtf8().constData());
    QElapsedTimer waited;
    waited.start();
    const QPageLayout paper = SystemPrintTarget().pageLayout();
    const qint64 elapsed = waited.elapsed();
    cupsSetServer(nullptr);
    QCOMPARE(paper, PrintTarget::a4());
    QVERIFY2(elapsed < 10000, qPrintable(QStringLiteral("%1 ms").arg(elapsed)));
}

void TestCupsPrinting::savedPdfIsThePreview_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QByteArray>("perRowBox");
    QTest::addColumn<QString>("perRow");
    QTest::newRow("中段乘算, upright") << "zdcs" << QByteArray(RowForm::kPerRowBox) << "5";
    QTest::newRow("七笔加减 30 a row with its answers, sideways")
        << "j7" << QByteArray(ChainForm::kPerRowBox) << "30";
}

void TestCupsPrinting::savedPdfIsThePreview()
{
    // On the B5 queue, the preview's 保存为PDF writes the pages the preview
    // shows: drawn at 100 dpi, each PDF page has the size of the previewed
    // page (paper and orientation) and its ink in the same places.
    QFETCH(QString, entry);
    QFETCH(QByteArray, perRowBox);
    QFETCH(QString, perRow);
    const DefaultQueue queue(QStringLiteral("MirevaB5"));
    SystemPrintTarget printer;
    DrillSession session(printer);
    QVERIFY(session.open(entry));
    session.setText(perRowBox.constData(), perRow);
    session.choose(DrillNames::kSeparateAnswers);
    PrintedPages shown;
    QPageLayout paper;
    const PreviewWindow::Handler previous
        = PreviewWindow::setHandler([&](QWidget*, const PrintedPages& pages, PrintTarget& target) {
              shown = pages;
              paper = target.pageLayout();
              return false;
          });
    session.click(DrillNames::kPreview);
    PreviewWindow::setHandler(previous);
    QCOMPARE(session.messages.messages, QStringList());
    QCOMPARE(paper.pageSize().id(), QPageSize::B5);
    const QString saved = session.paper.filePath(QStringLiteral("saved.pdf"));
    QVERIFY(PreviewWindow::savePdf(session.window, shown, paper, saved));
    QCOMPARE(pdfPages(saved).size(), shown.size());

    PageView view(shown, paper);
    view.setZoom(100.0 / 72.0);
    const QList<QWidget*> sheets = view.widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    QCOMPARE(sheets.size(), shown.size());
    const QTransform across = QTransform().rotate(90);
    for (int page = 1; page <= sheets.size(); ++page) {
        const QImage previewed
            = sheets[page - 1]->grab().toImage().convertToFormat(QImage::Format_Grayscale8);
        const QImage printed = renderedPage(saved, page, false).convertToFormat(QImage::Format_Grayscale8);
        const QString where = QStringLiteral("page %1").arg(page);
        QVERIFY2(withinTwoPixels(previewed.rect(), printed.rect()), qPrintable(where));
        // The preview frames its page with a grey line; inside it, the ink.
        const QRect inside = previewed.rect().intersected(printed.rect()).adjusted(2, 2, -2, -2);
        const QImage shownInk = previewed.copy(inside);
        const QImage savedInk = printed.copy(inside);
        QVERIFY2(!inkBox(shownInk).isEmpty() && withinTwoPixels(inkBox(shownInk), inkBox(savedInk)),
            qPrintable(where));
        QVERIFY2(misplaced(inkByRow(shownInk), inkByRow(savedInk)) < 0.1, qPrintable(where));
        QVERIFY2(
            misplaced(inkByRow(shownInk.transformed(across)), inkByRow(savedInk.transformed(across))) < 0.1,
            qPrintable(where));
    }
}

QTEST_MAIN(TestCupsPrinting)
#include "test_cups_printing.moc"
