// SPDX-License-Identifier: GPL-3.0-or-later
// The chain drill window: the sheet file and printed
// pages of a run, the message for refused settings, and the completion texts.

#include "TestSupport.h"
#include "drills/chains/ChainWindow.h"
#include "forms/ChainForm.h"
#include "printing/PrintTarget.h"
#include "random/RandomSource.h"

#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <cmath>

using namespace TestSupport;

namespace {
const QString kFileName = QStringLiteral("学前段七笔加减速算.xls");
const QString kCompletion
    = QStringLiteral("智能生成学前段七笔加减[375]"
                     "题已完成。如果选择输出到Excel，请在该系统目录下将“学前段七笔加减速算.xls”用Excel"
                     "打开，点完成即可。(千万不要直接双击进入)调整即可打印。谢谢！");
const QString kProgress = QStringLiteral("                       100% 完成");

// Types questions per row, rows per page and pages into the window's boxes.
void setCounts(DrillSession& session, const QStringList& texts)
{
    session.setText(ChainForm::kPerRowBox, texts.value(0));
    session.setText(ChainForm::kRowsBox, texts.value(1));
    session.setText(ChainForm::kPagesBox, texts.value(2));
}

// The lines of one printed page, as placed on it: empty lines are kept, so
// the count is that of the page's line slots from the title to the footer.
QList<QStringList> printedPages(const QString& pdfPath)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), { QStringLiteral("-bbox"), pdfPath, QStringLiteral("-") });
    if (!process.waitForFinished(60000)) {
        return {};
    }
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    const QRegularExpression word(
        QStringLiteral("<word xMin=\"[0-9.]+\" yMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
    QList<QStringList> pages;
    const QStringList pageParts = html.split(QStringLiteral("<page "));
    for (qsizetype part = 1; part < pageParts.size(); ++part) {
        QMap<qint64, QStringList> lines; // by top edge in hundredths of a point
        for (const auto& match : word.globalMatch(pageParts[part])) {
            lines[std::llround(match.captured(1).toDouble() * 100)].append(match.captured(2));
        }
        QStringList page;
        if (lines.size() >= 2) {
            const QList<qint64> tops = lines.keys();
            const double pitch = double(tops[1] - tops[0]);
            for (auto it = lines.cbegin(); it != lines.cend(); ++it) {
                const auto slot = std::lround(double(it.key() - tops[0]) / pitch);
                while (page.size() < slot) {
                    page.append(QString());
                }
                page.append(it.value().join(QLatin1Char(' ')));
            }
        }
        pages.append(page);
    }
    return pages;
}
} // namespace

class TestChainWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void defaultsWriteTheSheetFile();
    void defaultsPrintFivePages_data();
    void defaultsPrintFivePages();
    void refusedSettingsWriteNothing_data();
    void refusedSettingsWriteNothing();
    void acceptedSettings_data();
    void acceptedSettings();
    void neitherOutputStillDrawsAndCompletes();
    void sameRequestsGiveSameSheets();
    void otherTermCountsShareTheWindow();
};

void TestChainWindow::initTestCase()
{
    initFonts();
}

// The sheet itself is kept in tests/golden; the window reports the run.
void TestChainWindow::defaultsWriteTheSheetFile()
{
    DrillSession session;
    session.build(ChainDrills::kSevenTerm);
    session.generate();
    QVERIFY(session.messages.messages.isEmpty());
    QVERIFY(!QFile::exists(session.printedPdf()));
    QCOMPARE(session.files(), QStringList { kFileName });
    QCOMPARE(session.text(ChainForm::kProgress), kProgress);
    QCOMPARE(session.text(ChainForm::kCompletion), kCompletion);
}

void TestChainWindow::defaultsPrintFivePages_data()
{
    QTest::addColumn<bool>("answers");
    QTest::addColumn<int>("pageLines");
    QTest::addRow("answers not shown") << false << 50;
    QTest::addRow("answers shown") << true << 55;
}

void TestChainWindow::defaultsPrintFivePages()
{
    QFETCH(bool, answers);
    QFETCH(int, pageLines);
    DrillSession session;
    session.build(ChainDrills::kSevenTerm);
    session.tick(DrillNames::kToPrinter, true);
    session.choose(answers ? DrillNames::kShowAnswers : DrillNames::kHideAnswers);
    session.generate();
    QVERIFY(session.messages.messages.isEmpty());

    const QList<QStringList> pages = printedPages(session.printedPdf());
    const QString separator(120, QLatin1Char('-'));
    const QString underline = QStringList(15, QStringLiteral("------")).join(QLatin1Char(' '));
    QCOMPARE(pages.size(), 5);
    QStringList printedQuestions;
    for (int p = 0; p < 5; ++p) {
        const QStringList& page = pages[p];
        QCOMPARE(page.size(), pageLines);
        // The PDF's text map may give a CJK character as its compatibility form.
        QCOMPARE(page[0].normalized(QString::NormalizationForm_KC),
            QStringLiteral("*小学学前段七笔加减速算试题*").normalized(QString::NormalizationForm_KC));
        QCOMPARE(page[1].split(QLatin1Char(' ')),
            QStringList({ QStringLiteral("学校："), QStringLiteral("姓名："), QStringLiteral("成绩：") }));
        QCOMPARE(page[2], separator);
        QCOMPARE(page[pageLines - 2], separator);
        const QString footer = QString(page[pageLines - 1]).remove(QLatin1Char(' '));
        QVERIFY2(footer.startsWith(QStringLiteral("MirevaV2.0")), qPrintable(footer));
        QCOMPARE(
            QRegularExpression(QStringLiteral("第(\\d+)")).match(footer).captured(1), QString::number(p + 1));
        const int rowLines = answers ? 10 : 9;
        for (int row = 0; row < 5; ++row) {
            const int first = 3 + rowLines * row;
            for (int k = 0; k < 7; ++k) {
                printedQuestions.append(page[first + k]);
            }
            if (answers) {
                QCOMPARE(page[first + 7], underline);
                printedQuestions.append(page[first + 8]);
            }
            QCOMPARE(page[first + rowLines - 1], QString());
        }
    }
    // The paper shows the same questions as the file.
    QStringList fileQuestions;
    for (const QString& value : sheetValues(session.dir.filePath(kFileName)).mid(2)) {
        if (!value.isEmpty()) {
            fileQuestions.append(value.simplified());
        }
    }
    QCOMPARE(printedQuestions, fileQuestions);
}

void TestChainWindow::refusedSettingsWriteNothing_data()
{
    // The texts of the boxes: questions per row, rows per page, pages.
    QTest::addColumn<QStringList>("texts");
    QTest::addRow("one question per row") << QStringList { "1", "5", "5" };
    QTest::addRow("52 questions per row") << QStringList { "52", "5", "5" };
    QTest::addRow("one row per page") << QStringList { "15", "1", "5" };
    QTest::addRow("12 rows per page") << QStringList { "15", "12", "5" };
    QTest::addRow("no pages") << QStringList { "15", "5", "0" };
    QTest::addRow("21 pages") << QStringList { "15", "5", "21" };
    QTest::addRow("negative questions") << QStringList { "-15", "5", "5" };
    QTest::addRow("rows beyond 16 bits") << QStringList { "15", "65538", "5" };
    QTest::addRow("empty box") << QStringList { "", "5", "5" };
    QTest::addRow("letters") << QStringList { "15", "five", "5" };
    QTest::addRow("a fraction") << QStringList { "15", "5", "2.5" };
    QTest::addRow("an exponent") << QStringList { "1e1", "5", "5" };
    QTest::addRow("digits beyond any range") << QStringList { "15", "5", "99999999999999999999" };
}

void TestChainWindow::refusedSettingsWriteNothing()
{
    QFETCH(QStringList, texts);
    DrillSession session;
    session.build(ChainDrills::kSevenTerm);
    session.generate();
    const QByteArray before = readBytes(session.dir.filePath(kFileName));
    QVERIFY(!before.isEmpty());

    session.tick(DrillNames::kToPrinter, true);
    setCounts(session, texts);
    const QString progressBefore = session.text(ChainForm::kProgress);
    const QString completionBefore = session.text(ChainForm::kCompletion);
    session.generate();
    QCOMPARE(session.messages.messages,
        QStringList { QStringLiteral("可一次性每排输出2-50题，每页输出2-10排，每次输出1-20页。"
                                     "对不起！输入有误，谢谢使用。欢迎再来") });
    QCOMPARE(readBytes(session.dir.filePath(kFileName)), before);
    QVERIFY(!QFile::exists(session.printedPdf()));
    QCOMPARE(session.text(ChainForm::kProgress), progressBefore);
    QCOMPARE(session.text(ChainForm::kCompletion), completionBefore);
}

void TestChainWindow::acceptedSettings_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("lineWidth");
    QTest::addColumn<int>("questions");
    QTest::addColumn<int>("lines");
    QTest::addRow("fewest of everything") << QStringList { "2", "2", "1" } << 16 << 4 << 2 + 9 * 2;
    QTest::addRow("most of everything, beyond the message's 50 and 10")
        << QStringList { "51", "11", "20" } << 408 << 11220 << 1982;
    QTest::addRow("full-width digits and spaces")
        << QStringList { " １２ ", "3", "２" } << 96 << 72 << 2 + 9 * 6;
}

void TestChainWindow::acceptedSettings()
{
    QFETCH(QStringList, texts);
    QFETCH(int, lineWidth);
    QFETCH(int, questions);
    QFETCH(int, lines);
    DrillSession session;
    session.build(ChainDrills::kSevenTerm);
    setCounts(session, texts);
    session.generate();
    QVERIFY(session.messages.messages.isEmpty());
    const QStringList values = sheetValues(session.dir.filePath(kFileName));
    QCOMPARE(values.size(), lines);
    QCOMPARE(values[2].size(), lineWidth);
    QCOMPARE(values.last(), QString());
    QVERIFY(session.text(ChainForm::kCompletion)
                .startsWith(QStringLiteral("智能生成学前段七笔加减[%1]题已完成。").arg(questions)));
}

void TestChainWindow::neitherOutputStillDrawsAndCompletes()
{
    DrillSession quiet;
    quiet.build(ChainDrills::kSevenTerm);
    quiet.tick(DrillNames::kToFile, false);
    quiet.generate();
    DrillSession written;
    written.build(ChainDrills::kSevenTerm);
    written.generate();

    QVERIFY(quiet.messages.messages.isEmpty() && written.messages.messages.isEmpty());
    QVERIFY(!QFile::exists(quiet.printedPdf()) && !QFile::exists(written.printedPdf()));
    QVERIFY(QDir(quiet.dir.path()).isEmpty());
    QCOMPARE(quiet.text(ChainForm::kProgress), kProgress);
    QCOMPARE(quiet.text(ChainForm::kCompletion), kCompletion);
    // Every question was drawn: both generators have come to the same point.
    QCOMPARE(quiet.random.next(), written.random.next());
    QVERIFY(QFile::exists(written.dir.filePath(kFileName)));
}

void TestChainWindow::sameRequestsGiveSameSheets()
{
    QList<QByteArray> sheets[2];
    for (auto& runSheets : sheets) {
        DrillSession session;
        session.build(ChainDrills::kSevenTerm);
        session.generate();
        runSheets.append(readBytes(session.dir.filePath(kFileName)));
        session.choose(DrillNames::kShowAnswers);
        session.generate();
        runSheets.append(readBytes(session.dir.filePath(kFileName)));
    }
    QCOMPARE(sheets[0], sheets[1]);
    // The generator runs on: the second run of a start gives new questions.
    QVERIFY(sheets[0][0].left(1000) != sheets[0][1].left(1000));
    // The earlier file was replaced, not appended to.
    QCOMPARE(sheets[0][1].count("\r\n"), 227);

    // Showing answers does not change the questions drawn.
    QStringList sheetsOfAFreshStart[2];
    for (const bool answers : { false, true }) {
        DrillSession session;
        session.build(ChainDrills::kSevenTerm);
        session.choose(answers ? DrillNames::kShowAnswers : DrillNames::kHideAnswers);
        session.generate();
        sheetsOfAFreshStart[answers] = sheetValues(session.dir.filePath(kFileName));
    }
    for (int line = 0; line < 227; ++line) {
        if (line < 2 || (line - 2) % 9 < 7) {
            QCOMPARE(sheetsOfAFreshStart[1][line], sheetsOfAFreshStart[0][line]);
        }
    }
}

void TestChainWindow::otherTermCountsShareTheWindow()
{
    // A new chain drill is its definition alone.
    DrillSession session;
    session.build(ChainDrillDefinition {
        .drillName = QStringLiteral("六笔加减"),
        .stem = QStringLiteral("学前段六笔加减"),
        .terms = 6,
        .subtracted = 2,
        .countsMessage = ChainTexts::countsMessage(),
    });
    session.choose(DrillNames::kShowAnswers);
    session.generate();
    QVERIFY(session.messages.messages.isEmpty());
    const QStringList values = sheetValues(session.dir.filePath(QStringLiteral("学前段六笔加减速算.xls")));
    QCOMPARE(values.size(), 2 + 8 * 25);
    QCOMPARE(values[0], QStringLiteral("小学学前段六笔加减速算试题"));
    QCOMPARE(session.text(DrillNames::kGenerate), QStringLiteral("六笔加减(&C)"));
    QVERIFY(session.text(ChainForm::kCompletion).startsWith(QStringLiteral("智能生成学前段六笔加减[375]")));
}

QTEST_MAIN(TestChainWindow)
#include "test_chain_window.moc"
