// SPDX-License-Identifier: GPL-3.0-or-later
// The comprehensive division window zhcs2: its checks and messages, and the
// sheets and pages its runs produce; and the row windows the division grades'
// rules make.

#include "SheetCells.h"
#include "TestSupport.h"
#include "common/DistinctTexts.h"
#include "common/SettingText.h"
#include "drills/divide/Division.h"
#include "drills/divide/DivisionDrills.h"
#include "forms/PreviewWindow.h"
#include "forms/RowForm.h"
#include "forms/SetForm.h"
#include "output/FrameLines.h"
#include "printing/PrintTarget.h"
#include "random/RandomSource.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace TestSupport;

namespace {
using Kinds = std::array<DivisionKind, DivisionRules::kKinds>;

// A grade no menu offers, made from its rules alone: exact divisions only.
const DivisionGradeRules kExactOnlyGrade {
    .stage = QStringLiteral("中段"),
    .dividendDigits = 2,
    .divisorDigits = 1,
};
const DivisionGradeRules* const kRowGrades[] = { &DivisionDrills::kUpper, &kExactOnlyGrade };

const Kinds kDefaultKinds { { { 2, 1, 30 }, { 3, 1, 30 }, { 3, 2, 20 }, { 4, 2, 0 } } };

QStringList sheetFiles(const QTemporaryDir& dir)
{
    QStringList names = QDir(dir.path()).entryList({ QStringLiteral("*.xls") }, QDir::Files);
    names.sort();
    return names;
}

// The row lines of one set as the rules make them.
QStringList expectedRows(RandomSource& random, const Kinds& kinds, int perRow, bool answers)
{
    const std::vector<SetEntry> order = SetDrill::buildSet(random, divisionSetKinds(kinds));
    QStringList rows;
    for (std::size_t r = 0; r + 1 <= order.size() / static_cast<std::size_t>(perRow); ++r) {
        QString row;
        for (int c = 0; c < perRow; ++c) {
            const SetEntry& e = order[r * static_cast<std::size_t>(perRow) + static_cast<std::size_t>(c)];
            row += SetDrill::formatCell(e.text, e.answer, answers, DivisionRules::kCellWidth);
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
    void initTestCase() { initFonts(); }
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
    void gradeRowWindowsFollowTheirRules_data();
    void gradeRowWindowsFollowTheirRules();
};

void TestDivisionWindow::messages_data()
{
    QTest::addColumn<QString>("sets");
    QTest::addColumn<QStringList>("boxes"); // box, text, box, text …
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
    const auto& grid = SetForm::kBoxNames;
    QTest::addRow("bad count in three sets")
        << "3" << QStringList { grid[0][2], "60" } << QStringList { c, c, c, c, c, c } << 0;
    QTest::addRow("dividend digits 6 accepted")
        << "2" << QStringList { grid[0][0], "6" } << QStringList {} << 2;
    QTest::addRow("dividend digits 7 refused")
        << "2" << QStringList { grid[0][0], "7" } << QStringList { d, d } << 0;
    QTest::addRow("divisor digits 6 refused")
        << "1" << QStringList { grid[3][1], "6" } << QStringList { d } << 0;
    QTest::addRow("dividend shorter than divisor")
        << "2" << QStringList { grid[1][0], "1", grid[1][1], "2" } << QStringList { f, f } << 0;
    QTest::addRow("grid box empty") << "1" << QStringList { grid[2][2], "" } << QStringList { c, c } << 0;
    QTest::addRow("count 50.5 rounds to 50")
        << "1" << QStringList { grid[0][2], "50.5" } << QStringList {} << 1;
    QTest::addRow("no questions per row")
        << "3" << QStringList { SetForm::kPerRowBox, "0" } << QStringList { p } << 0;
    QTest::addRow("bad grid comes before questions per row")
        << "2" << QStringList { grid[0][2], "60", SetForm::kPerRowBox, "x" } << QStringList { c, c, c, c }
        << 0;
}

void TestDivisionWindow::messages()
{
    QFETCH(QString, sets);
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, messages);
    QFETCH(int, files);
    DrillSession session;
    session.build(DivisionDrills::sets());
    session.setText(SetForm::kSetsBox, sets);
    for (qsizetype i = 0; i + 1 < boxes.size(); i += 2) {
        session.setText(qPrintable(boxes[i]), boxes[i + 1]);
    }

    session.generate();

    QCOMPARE(session.messages.messages, messages);
    QCOMPARE(sheetFiles(session.dir).size(), files);
    QCOMPARE(session.text(SetForm::kCompletion).isEmpty(), files == 0);
}

void TestDivisionWindow::defaultRunWritesTenSets()
{
    DrillSession session;
    session.build(DivisionDrills::sets());
    RandomSource replay = session.random; // to draw again what the run draws

    session.generate();

    QVERIFY(session.messages.messages.isEmpty());
    QStringList expectedNames;
    for (int n = 1; n <= 10; ++n) {
        expectedNames.append(QStringLiteral("综合除算%1.xls").arg(n));
    }
    expectedNames.sort();
    QCOMPARE(sheetFiles(session.dir), expectedNames);
    for (int n = 1; n <= 10; ++n) {
        const QStringList values = sheetValues(session.dir.filePath(QStringLiteral("综合除算%1.xls").arg(n)));
        QCOMPARE(values, headLines() + expectedRows(replay, kDefaultKinds, 5, false));
        QCOMPARE(values.size(), 2 + 16);
        for (const QString& row : values.mid(2)) {
            QCOMPARE(row.size(), 90);
        }
    }
    QVERIFY(samePlace(session.random, replay));
    QCOMPARE(session.text(SetForm::kCompletion),
        QStringLiteral(
            "智能生成[80]题已完成。如果选择输出到Excel，请在该系统目录下将“综合除算X.xls”用Excel打开，"
            "点完成即可。(千万不要直接双击进入)调整即可。谢谢！"));
    QCOMPARE(session.text(SetForm::kProgress), QString(36, QLatin1Char(' ')) + QStringLiteral("100% 完成"));
    QVERIFY(!QFile::exists(session.printedPdf()));
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
    DrillSession session;
    session.build(DivisionDrills::sets());
    RandomSource replay = session.random; // to draw again what the run draws
    session.setText(SetForm::kSetsBox, QStringLiteral("1"));
    session.setText(SetForm::kPerRowBox, QString::number(perRow));
    int total = 0;
    for (int k = 0; k < 4; ++k) {
        const DivisionKind& kind = kinds[static_cast<std::size_t>(k)];
        session.setText(SetForm::kBoxNames[k][0], QString::number(kind.dividendDigits));
        session.setText(SetForm::kBoxNames[k][1], QString::number(kind.divisorDigits));
        session.setText(SetForm::kBoxNames[k][2], QString::number(kind.count));
        total += kind.count;
    }

    session.generate();

    QVERIFY(session.messages.messages.isEmpty());
    const QStringList values = sheetValues(session.dir.filePath(QStringLiteral("综合除算1.xls")));
    const QStringList expected = expectedRows(replay, kinds, perRow, false);
    QCOMPARE(expected.size(), rows);
    QCOMPARE(values, headLines() + expected);
    QVERIFY(samePlace(session.random, replay));
    QVERIFY(session.text(SetForm::kCompletion).startsWith(QStringLiteral("智能生成[%1]题").arg(total)));
}

void TestDivisionWindow::answersFollowTheQuestions()
{
    DrillSession session;
    session.build(DivisionDrills::sets());
    RandomSource replay = session.random; // to draw again what the run draws
    session.setText(SetForm::kSetsBox, QStringLiteral("2"));
    session.setText(SetForm::kBoxNames[3][2], QStringLiteral("20"));
    session.choose(DrillNames::kShowAnswers);
    Kinds kinds = kDefaultKinds;
    kinds[3].count = 20;

    session.generate();

    const QRegularExpression cell(QStringLiteral("^(\\d+)÷(\\d+)=(\\d+) +$"));
    for (int n = 1; n <= 2; ++n) {
        const QStringList values = sheetValues(session.dir.filePath(QStringLiteral("综合除算%1.xls").arg(n)));
        QCOMPARE(values, headLines() + expectedRows(replay, kinds, 5, true));
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
    DrillSession session;
    session.build(DivisionDrills::sets());
    RandomSource replay = session.random; // to draw again what the run draws
    session.tick(DrillNames::kToFile, false);

    session.generate();

    QVERIFY(session.messages.messages.isEmpty());
    QVERIFY(sheetFiles(session.dir).isEmpty());
    QVERIFY(!QFile::exists(session.printedPdf()));
    QCOMPARE(session.text(SetForm::kProgress), QString(36, QLatin1Char(' ')) + DrillTexts::kDone);
    QCOMPARE(session.text(SetForm::kCompletion), DrillTexts::completion(80, QStringLiteral("综合除算X.xls")));
    for (int n = 1; n <= 10; ++n) {
        SetDrill::buildSet(replay, divisionSetKinds(kDefaultKinds));
    }
    QVERIFY(samePlace(session.random, replay));
}

void TestDivisionWindow::printsOnePagePerSet()
{
    DrillSession session;
    session.build(DivisionDrills::sets());
    RandomSource replay = session.random; // to draw again what the run draws
    session.setText(SetForm::kSetsBox, QStringLiteral("3"));
    session.tick(DrillNames::kToPrinter, true);
    session.tick(DrillNames::kToFile, false);

    session.generate();

    QVERIFY(session.messages.messages.isEmpty());
    QVERIFY(sheetFiles(session.dir).isEmpty());
    const QStringList pages = pdfPages(session.printedPdf());
    QCOMPARE(pages.size(), 3);
    for (int n = 1; n <= 3; ++n) {
        const QStringList lines = nonEmptyLines(pages[n - 1]);
        const QStringList rows = expectedRows(replay, kDefaultKinds, 5, false);
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
    DrillSession session;
    session.build(DivisionDrills::sets());
    session.setText(SetForm::kSetsBox, QStringLiteral("5"));
    session.tick(DrillNames::kToPrinter, true);
    session.tick(DrillNames::kToFile, true);
    // Nothing can be written where a folder holds the failing set's name.
    const QString blocked = QStringLiteral("综合除算%1.xls").arg(failing);
    QVERIFY(QDir(session.dir.path()).mkdir(blocked));

    session.generate();

    QCOMPARE(session.messages.messages.size(), 1);
    QVERIFY(session.messages.messages.first().contains(blocked));
    QStringList written;
    for (int n = 1; n < failing; ++n) {
        written.append(QStringLiteral("综合除算%1.xls").arg(n));
    }
    QCOMPARE(sheetFiles(session.dir), written);
    const QStringList pages = pdfPages(session.printedPdf());
    QCOMPARE(pages.size(), failing - 1);
    for (int n = 1; n < failing; ++n) {
        QVERIFY(nonEmptyLines(pages[n - 1]).last().contains(QStringLiteral("第%1页").arg(n)));
    }

    // Previewed, the run fails the same way and no preview opens.
    bool previewed = false;
    const PreviewWindow::Handler previous
        = PreviewWindow::setHandler([&previewed](QWidget*, const PrintedPages&, PrintTarget&) {
              previewed = true;
              return false;
          });
    session.click(DrillNames::kPreview);
    PreviewWindow::setHandler(previous);
    QCOMPARE(session.messages.messages.size(), 2);
    QVERIFY(!previewed);
}

void TestDivisionWindow::fractionsAreRoundedHalfToEven()
{
    DrillSession session;
    session.build(DivisionDrills::sets());
    session.setText(SetForm::kSetsBox, QStringLiteral("1.5")); // 2 sets
    session.setText(SetForm::kBoxNames[0][2], QStringLiteral("3.5")); // 4
    session.setText(SetForm::kBoxNames[1][2], QStringLiteral("2.5")); // 2
    session.setText(SetForm::kBoxNames[2][2], QStringLiteral("0.5")); // 0

    session.generate();

    QVERIFY(session.messages.messages.isEmpty());
    QCOMPARE(sheetFiles(session.dir),
        (QStringList { QStringLiteral("综合除算1.xls"), QStringLiteral("综合除算2.xls") }));
    QCOMPARE(session.text(SetForm::kCompletion), DrillTexts::completion(6, QStringLiteral("综合除算X.xls")));
}

// Each grade's row window starts with its digits, offers 整除 / 有余数 only
// where its rules say so and 题目不重复 always, and names its sheets after its
// stage and the kind chosen, in cells of 18 characters or, with remainders,
// room for the longest question with its answer.
void TestDivisionWindow::gradeRowWindowsFollowTheirRules_data()
{
    QTest::addColumn<int>("grade"); // in kRowGrades
    QTest::addColumn<int>("dividendDigits");
    QTest::addColumn<int>("divisorDigits");
    QTest::addColumn<bool>("remainders");
    QTest::addColumn<bool>("distinct");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("width");
    QTest::addRow("高段, exact") << 0 << 3 << 1 << false << false << "高段3位除1位速算.xls" << 18;
    // 989999÷90000=10……89999 and three spaces.
    QTest::addRow("高段, with remainders")
        << 0 << 6 << 5 << true << true << "高段6位除5位有余数速算.xls" << 25;
    QTest::addRow("exact only, distinct") << 1 << 2 << 1 << false << true << "中段2位除1位速算.xls" << 18;
    QTest::addRow("exact only, 4 ÷ 2 digits")
        << 1 << 4 << 2 << false << false << "中段4位除2位速算.xls" << 18;
}

void TestDivisionWindow::gradeRowWindowsFollowTheirRules()
{
    QFETCH(int, grade);
    QFETCH(int, dividendDigits);
    QFETCH(int, divisorDigits);
    QFETCH(bool, remainders);
    QFETCH(bool, distinct);
    QFETCH(QString, file);
    QFETCH(int, width);
    const DivisionGradeRules& rules = *kRowGrades[grade];
    NoPrinterTarget noPrinter;
    DrillSession session(noPrinter);
    session.build(DivisionDrills::rows(rules));
    QCOMPARE(session.text(RowForm::kFirstBox), QString::number(rules.dividendDigits));
    QCOMPARE(session.text(RowForm::kSecondBox), QString::number(rules.divisorDigits));
    QCOMPARE(session.child(RowForm::kChoiceFrame) != nullptr, rules.offersRemainders);
    QCOMPARE(session.child(RowForm::kChoiceOptions[1]) != nullptr, rules.offersRemainders);
    QVERIFY(session.child(DistinctTexts::kCheckName));

    session.setText(RowForm::kFirstBox, QString::number(dividendDigits));
    session.setText(RowForm::kSecondBox, QString::number(divisorDigits));
    session.setText(RowForm::kRowsBox, QStringLiteral("10"));
    session.setText(RowForm::kPagesBox, QStringLiteral("1"));
    if (remainders) {
        session.choose(RowForm::kChoiceOptions[1]);
    }
    session.tick(DistinctTexts::kCheckName, distinct);
    session.choose(DrillNames::kShowAnswers);
    session.generate();
    QCOMPARE(session.messages.messages, QStringList());
    QCOMPARE(sheetFiles(session.dir), QStringList { file });

    static const QRegularExpression question(QStringLiteral("^(\\d+)÷(\\d+)=(\\d+)(?:……(\\d+))? +$"));
    const QStringList cells = SheetCells::cellsOf(sheetValues(session.dir.filePath(file)).mid(2), 5, width);
    QCOMPARE(cells.size(), 50);
    QSet<QString> seen;
    for (const QString& cell : cells) {
        const auto match = question.match(cell);
        QVERIFY2(match.hasMatch(), qPrintable(cell));
        QCOMPARE(match.hasCaptured(4), remainders);
        QCOMPARE(match.captured(1).size(), dividendDigits);
        QCOMPARE(match.captured(2).size(), divisorDigits);
        QCOMPARE(match.captured(1).toLongLong(),
            match.captured(3).toLongLong() * match.captured(2).toLongLong() + match.captured(4).toLongLong());
        QVERIFY2(!distinct || !seen.contains(cell), qPrintable(cell));
        seen.insert(cell);
    }
}

QTEST_MAIN(TestDivisionWindow)
#include "test_division_window.moc"
