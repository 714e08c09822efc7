// The comprehensive division window zhcs2: its checks and messages, and the
// sheets and pages its runs produce.

#include "TestSupport.h"
#include "common/SettingText.h"
#include "drills/divide/Division.h"
#include "drills/divide/DivisionDrills.h"
#include "forms/PreviewWindow.h"
#include "output/FrameLines.h"
#include "printing/PrintTarget.h"
#include "random/RandomSource.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

namespace {
using Kinds = std::array<DivisionKind, DivisionRules::kKinds>;

const Kinds kDefaultKinds { { { 2, 1, 30 }, { 3, 1, 30 }, { 3, 2, 20 }, { 4, 2, 0 } } };

// A division window on its own random source, printing into a PDF file of
// the scratch directory.
struct Harness {
    explicit Harness(const ScratchDir& dir)
        : pdf(dir.filePath(QStringLiteral("sheets.pdf")))
    {
    }

    void set(const char* boxName, const QString& text)
    {
        auto* box = window.findChild<QLineEdit*>(QLatin1String(boxName));
        QVERIFY2(box, boxName);
        box->setText(text);
    }
    void tick(const char* name, bool on)
    {
        window.findChild<QCheckBox*>(QLatin1String(name))->setChecked(on);
    }
    void generate() { window.findChild<QPushButton*>(QStringLiteral("Command1"))->click(); }
    QString label4() const { return window.findChild<QLabel*>(QStringLiteral("Label4"))->text(); }
    QString text3() const { return window.findChild<QLineEdit*>(QStringLiteral("Text3"))->text(); }

    RandomSource random;
    RandomSource replay; // a copy of random before the run, to rebuild what it drew
    PdfPrintTarget pdf;
    DrillEnvironment environment { random, pdf };
    SetDrillWindow window { environment, DivisionDrills::sets() };
};

QStringList sheetFiles(const ScratchDir& dir)
{
    QStringList names = QDir(dir.path()).entryList({ QStringLiteral("*.xls") }, QDir::Files);
    names.sort();
    return names;
}

// The row lines of one set as the rules make them.
QStringList expectedRows(RandomSource& random, const Kinds& kinds, int perRow, bool answers)
{
    const std::vector<SetEntry> order = BuildDivisionSet(random, kinds);
    QStringList rows;
    for (std::size_t r = 0; r + 1 <= order.size() / static_cast<std::size_t>(perRow); ++r) {
        QString row;
        for (int c = 0; c < perRow; ++c) {
            const SetEntry& e = order[r * static_cast<std::size_t>(perRow) + static_cast<std::size_t>(c)];
            row += FormatDivisionCell(e.text, e.answer, answers);
        }
        rows.append(row);
    }
    return rows;
}

QStringList headLines()
{
    return { DivisionTexts::kTitle, FrameLines::fileSchoolLine() };
}

bool samePlace(RandomSource a, RandomSource b)
{
    for (int i = 0; i < 4; ++i) {
        if (a.next() != b.next()) {
            return false;
        }
    }
    return true;
}
} // namespace

class TestDivisionWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::initFonts(); }
    void messages_data();
    void messages();
    void defaultRunWritesTenSets();
    void rowsOfASet_data();
    void rowsOfASet();
    void answersFollowTheQuestions();
    void withoutOutputsTheRunStillCompletes();
    void printsOnePagePerSet();
    void aSetWhoseFileFailsStopsTheRunButEarlierSetsPrint_data();
    void aSetWhoseFileFailsStopsTheRunButEarlierSetsPrint();
    void fractionsAreRoundedHalfToEven();
};

void TestDivisionWindow::messages_data()
{
    QTest::addColumn<QString>("sets");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("files");
    const QString s = SetDrillTexts::kSetsMessage;
    const QString d = DivisionTexts::kDigitsMessage;
    const QString c = DivisionTexts::kCountMessage;
    const QString f = DivisionTexts::kFewerDigitsMessage;
    const QString p = SetDrillTexts::kPerRowMessage;
    QTest::addRow("zero sets") << "0" << QStringList {} << QStringList { s } << 0;
    QTest::addRow("101 sets") << "101" << QStringList {} << QStringList { s } << 0;
    QTest::addRow("100 sets accepted") << "100" << QStringList {} << QStringList {} << 100;
    QTest::addRow("sets not a number") << "十" << QStringList {} << QStringList { s } << 0;
    QTest::addRow("bad count in three sets")
        << "3" << QStringList { "w13=60" } << QStringList { c, c, c, c, c, c } << 0;
    QTest::addRow("dividend digits 6 accepted") << "2" << QStringList { "w11=6" } << QStringList {} << 2;
    QTest::addRow("dividend digits 7 refused") << "2" << QStringList { "w11=7" } << QStringList { d, d } << 0;
    QTest::addRow("divisor digits 6 refused") << "1" << QStringList { "w42=6" } << QStringList { d } << 0;
    QTest::addRow("dividend shorter than divisor")
        << "2" << QStringList { "w21=1", "w22=2" } << QStringList { f, f } << 0;
    QTest::addRow("grid box empty") << "1" << QStringList { "w33=" } << QStringList { c, c } << 0;
    QTest::addRow("count 50.5 rounds to 50") << "1" << QStringList { "w13=50.5" } << QStringList {} << 1;
    QTest::addRow("no questions per row") << "3" << QStringList { "ttt=0" } << QStringList { p } << 0;
    QTest::addRow("bad grid comes before questions per row")
        << "2" << QStringList { "w13=60", "ttt=x" } << QStringList { c, c, c, c } << 0;
}

void TestDivisionWindow::messages()
{
    QFETCH(QString, sets);
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, messages);
    QFETCH(int, files);
    ScratchDir dir;
    MessageRecorder recorder;
    Harness h(dir);
    h.set("Text1", sets);
    for (const QString& box : boxes) {
        const QStringList parts = box.split(QLatin1Char('='));
        h.set(parts[0].toLatin1().constData(), parts[1]);
    }

    h.generate();

    QCOMPARE(recorder.messages, messages);
    QCOMPARE(sheetFiles(dir).size(), files);
    QCOMPARE(h.label4().isEmpty(), files == 0);
}

void TestDivisionWindow::defaultRunWritesTenSets()
{
    ScratchDir dir;
    MessageRecorder recorder;
    Harness h(dir);

    h.generate();

    QVERIFY(recorder.messages.isEmpty());
    QStringList expectedNames;
    for (int n = 1; n <= 10; ++n) {
        expectedNames.append(QStringLiteral("综合除算%1.xls").arg(n));
    }
    expectedNames.sort();
    QCOMPARE(sheetFiles(dir), expectedNames);
    for (int n = 1; n <= 10; ++n) {
        const QStringList values
            = TestSupport::sheetValues(dir.filePath(QStringLiteral("综合除算%1.xls").arg(n)));
        QCOMPARE(values, headLines() + expectedRows(h.replay, kDefaultKinds, 5, false));
        QCOMPARE(values.size(), 2 + 16);
        for (const QString& row : values.mid(2)) {
            QCOMPARE(row.size(), 90);
        }
    }
    QVERIFY(samePlace(h.random, h.replay));
    QCOMPARE(h.label4(),
        QStringLiteral(
            "智能生成[80]题已完成。如果选择输出到Excel，请在该系统目录下将“综合除算X.xls”用Excel打开，"
            "点完成即可。(千万不要直接双击进入)调整即可。谢谢！"));
    QCOMPARE(h.text3(), QString(36, QLatin1Char(' ')) + QStringLiteral("100% 完成"));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("sheets.pdf"))));
}

void TestDivisionWindow::rowsOfASet_data()
{
    QTest::addColumn<int>("perRow");
    QTest::addColumn<Kinds>("kinds");
    QTest::addColumn<int>("rows");
    const Kinds none { { { 2, 1, 0 }, { 3, 1, 0 }, { 3, 2, 0 }, { 4, 2, 0 } } };
    const Kinds full { { { 6, 5, 50 }, { 1, 1, 50 }, { 5, 5, 50 }, { 6, 4, 50 } } };
    QTest::addRow("80 at 3 per row") << 3 << kDefaultKinds << 26;
    QTest::addRow("more per row than questions") << 81 << kDefaultKinds << 0;
    QTest::addRow("all counts 0") << 5 << none << 0;
    QTest::addRow("200 widest at one per row") << 1 << full << 200;
}

void TestDivisionWindow::rowsOfASet()
{
    QFETCH(int, perRow);
    QFETCH(Kinds, kinds);
    QFETCH(int, rows);
    ScratchDir dir;
    MessageRecorder recorder;
    Harness h(dir);
    h.set("Text1", QStringLiteral("1"));
    h.set("ttt", QString::number(perRow));
    const char* names[4][3] = { { "w11", "w12", "w13" }, { "w21", "w22", "w23" }, { "w31", "w32", "w33" },
        { "w41", "w42", "w43" } };
    int total = 0;
    for (int k = 0; k < 4; ++k) {
        const DivisionKind& kind = kinds[static_cast<std::size_t>(k)];
        h.set(names[k][0], QString::number(kind.dividendDigits));
        h.set(names[k][1], QString::number(kind.divisorDigits));
        h.set(names[k][2], QString::number(kind.count));
        total += kind.count;
    }

    h.generate();

    QVERIFY(recorder.messages.isEmpty());
    const QStringList values = TestSupport::sheetValues(dir.filePath(QStringLiteral("综合除算1.xls")));
    const QStringList expected = expectedRows(h.replay, kinds, perRow, false);
    QCOMPARE(expected.size(), rows);
    QCOMPARE(values, headLines() + expected);
    QVERIFY(samePlace(h.random, h.replay));
    QVERIFY(h.label4().startsWith(QStringLiteral("智能生成[%1]题").arg(total)));
}

void TestDivisionWindow::answersFollowTheQuestions()
{
    ScratchDir dir;
    MessageRecorder recorder;
    Harness h(dir);
    h.set("Text1", QStringLiteral("2"));
    h.set("w43", QStringLiteral("20"));
    h.window.findChild<QRadioButton*>(QStringLiteral("Option1"))->setChecked(true);
    Kinds kinds = kDefaultKinds;
    kinds[3].count = 20;

    h.generate();

    const QRegularExpression cell(QStringLiteral("^(\\d+)÷(\\d+)=(\\d+) +$"));
    for (int n = 1; n <= 2; ++n) {
        const QStringList values
            = TestSupport::sheetValues(dir.filePath(QStringLiteral("综合除算%1.xls").arg(n)));
        QCOMPARE(values, headLines() + expectedRows(h.replay, kinds, 5, true));
        for (const QString& row : values.mid(2)) {
            for (qsizetype at = 0; at < row.size(); at += DivisionRules::kCellWidth) {
                const auto match = cell.match(row.mid(at, DivisionRules::kCellWidth));
                QVERIFY2(match.hasMatch(), qPrintable(row));
                QCOMPARE(match.captured(1).toLongLong(),
                    match.captured(2).toLongLong() * match.captured(3).toLongLong());
            }
        }
    }
}

void TestDivisionWindow::withoutOutputsTheRunStillCompletes()
{
    ScratchDir dir;
    MessageRecorder recorder;
    Harness h(dir);
    h.tick("Check2", false);

    h.generate();

    QVERIFY(recorder.messages.isEmpty());
    QVERIFY(sheetFiles(dir).isEmpty());
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("sheets.pdf"))));
    QCOMPARE(h.text3(), QString(36, QLatin1Char(' ')) + DrillTexts::kDone);
    QCOMPARE(h.label4(), DrillTexts::completion(80, QStringLiteral("综合除算X.xls")));
    for (int n = 1; n <= 10; ++n) {
        BuildDivisionSet(h.replay, kDefaultKinds);
    }
    QVERIFY(samePlace(h.random, h.replay));
}

void TestDivisionWindow::printsOnePagePerSet()
{
    ScratchDir dir;
    MessageRecorder recorder;
    Harness h(dir);
    h.set("Text1", QStringLiteral("3"));
    h.tick("Check1", true);
    h.tick("Check2", false);

    h.generate();

    QVERIFY(recorder.messages.isEmpty());
    QVERIFY(sheetFiles(dir).isEmpty());
    const QStringList pages = TestSupport::pdfPages(dir.filePath(QStringLiteral("sheets.pdf")));
    QCOMPARE(pages.size(), 3);
    for (int n = 1; n <= 3; ++n) {
        const QStringList lines = TestSupport::nonEmptyLines(pages[n - 1]);
        const QStringList rows = expectedRows(h.replay, kDefaultKinds, 5, false);
        QCOMPARE(lines.size(), 3 + rows.size());
        QCOMPARE(lines.first().trimmed(), QStringLiteral("*小学综合除算试题*%1").arg(n));
        QVERIFY(lines.last().contains(QStringLiteral("第%1页").arg(n)));
        for (int r = 0; r < rows.size(); ++r) {
            QCOMPARE(lines[r + 2].simplified(), rows[r].simplified());
        }
    }
}

void TestDivisionWindow::aSetWhoseFileFailsStopsTheRunButEarlierSetsPrint_data()
{
    QTest::addColumn<int>("failing"); // the set whose file cannot be written
    QTest::addRow("second set") << 2;
    QTest::addRow("fourth set") << 4;
}

void TestDivisionWindow::aSetWhoseFileFailsStopsTheRunButEarlierSetsPrint()
{
    QFETCH(int, failing);
    ScratchDir dir;
    MessageRecorder recorder;
    Harness h(dir);
    h.set("Text1", QStringLiteral("5"));
    h.tick("Check1", true);
    h.tick("Check2", true);
    // Nothing can be written where a folder holds the failing set's name.
    const QString blocked = QStringLiteral("综合除算%1.xls").arg(failing);
    QVERIFY(QDir(dir.path()).mkdir(blocked));

    h.generate();

    QCOMPARE(recorder.messages.size(), 1);
    QVERIFY(recorder.messages.first().contains(blocked));
    QStringList written;
    for (int n = 1; n < failing; ++n) {
        written.append(QStringLiteral("综合除算%1.xls").arg(n));
    }
    QCOMPARE(sheetFiles(dir), written);
    const QStringList pages = TestSupport::pdfPages(dir.filePath(QStringLiteral("sheets.pdf")));
    QCOMPARE(pages.size(), failing - 1);
    for (int n = 1; n < failing; ++n) {
        QVERIFY(TestSupport::nonEmptyLines(pages[n - 1]).last().contains(QStringLiteral("第%1页").arg(n)));
    }

    // Previewed, the run fails the same way and no preview opens.
    bool previewed = false;
    const PreviewWindow::Handler previous = PreviewWindow::setHandler(
        [&previewed](QWidget*, const PrintedPages&, PrintTarget&) { previewed = true; });
    h.window.findChild<QPushButton*>(QStringLiteral("Command3"))->click();
    PreviewWindow::setHandler(previous);
    QCOMPARE(recorder.messages.size(), 2);
    QVERIFY(!previewed);
}

void TestDivisionWindow::fractionsAreRoundedHalfToEven()
{
    ScratchDir dir;
    MessageRecorder recorder;
    Harness h(dir);
    h.set("Text1", QStringLiteral("1.5")); // 2 sets
    h.set("w13", QStringLiteral("3.5")); // 4
    h.set("w23", QStringLiteral("2.5")); // 2
    h.set("w33", QStringLiteral("0.5")); // 0

    h.generate();

    QVERIFY(recorder.messages.isEmpty());
    QCOMPARE(
        sheetFiles(dir), (QStringList { QStringLiteral("综合除算1.xls"), QStringLiteral("综合除算2.xls") }));
    QCOMPARE(h.label4(), DrillTexts::completion(6, QStringLiteral("综合除算X.xls")));
}

QTEST_MAIN(TestDivisionWindow)
#include "test_division_window.moc"
