// SPDX-License-Identifier: GPL-3.0-or-later
// Every drill of the drill registry, opened through the shell: its start-up
// run writes the kept sheets, bad input gets a message and writes nothing,
// the layout messages name what is accepted, 题目不重复 holds; and the
// questions of the division-in-rows and multiplication drills obey their
// rules over a large run.

#include "SheetCells.h"
#include "TestSupport.h"

#include "common/DistinctTexts.h"
#include "drills/addsub/AddSubtract.h"
#include "drills/chains/ChainDrill.h"
#include "drills/divide/Division.h"
#include "drills/multiply/Multiplication.h"
#include "drills/rows/RowDrill.h"
#include "drills/sets/SetDrill.h"
#include "forms/ChainForm.h"
#include "forms/MixedForm.h"
#include "forms/RowForm.h"
#include "forms/SetForm.h"
#include "printing/SystemPrintTarget.h"
#include "random/Draws.h"
#include "shell/DrillRegistry.h"
#include "shell/MainWindow.h"
#include "shell/Shell.h"

#include <QAction>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <optional>

using namespace TestSupport;

class TestAllDrills : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initFonts(); }

    void badInputGivesAMessageAndNoFile_data();
    void badInputGivesAMessageAndNoFile();
    void layoutMessageNamesTheAcceptedCounts_data();
    void layoutMessageNamesTheAcceptedCounts();
    void upperGradeMultiplicationColumnsStayStraight_data();
    void upperGradeMultiplicationColumnsStayStraight();
    void divisionRowsObeyTheirChoice_data();
    void divisionRowsObeyTheirChoice();
    void multiplicationSetsAreCorrect();
    void defaultSheetsAreUnchanged_data();
    void defaultSheetsAreUnchanged();
    void distinctQuestionsNeverRepeat_data();
    void distinctQuestionsNeverRepeat();
    void printsOneJobOnTheDefaultPrinter();
};

namespace {
QString drillName(const DrillDefinition& definition)
{
    return std::visit([](const auto& drill) { return drill.drillName; }, definition);
}
} // namespace

void TestAllDrills::badInputGivesAMessageAndNoFile_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("settings"); // box, text, box, text …
    QTest::addColumn<QStringList>("messages"); // exactly these, in this order
    using namespace RowForm;
    // The messages as the teachers read them.
    const QString chainCounts = QStringLiteral(
        "可一次性每排输出2-51题，每页输出2-11排，每次输出1-20页。对不起！输入有误，谢谢使用。欢迎再来");
    const QString sevenTermCounts = QStringLiteral(
        "可一次性每排输出2-50题，每页输出2-10排，每次输出1-20页。对不起！输入有误，谢谢使用。欢迎再来");
    const QString limit = QStringLiteral("输入范围错误！计算范围为5-20以内。");
    const QString twoDigits = QStringLiteral("输入位数错误！第一个数为1-2位，第二个数为1-2位。");
    const QString fourDigits = QStringLiteral("输入位数错误！第一个数为1-4位，第二个数为1-4位。");
    const QString sixDigits = QStringLiteral("输入位数错误！第一个数为1-6位，第二个数为1-6位。");
    const QString addSubCounts = QStringLiteral(
        "可一次性每排输出1-20题，每页输出1-50排，每次输出1-40页。对不起！输入有误，谢谢使用。欢迎再来");
    const QString digits = QStringLiteral("输入位数错误！，第一因数位数为1-6位，第二因数位数为1-5位。");
    const QString middleCounts = QStringLiteral(
        "可一次性每排输出2-50题，每页输出2-200排，每次输出1-40页。对不起！输入有误，谢谢使用。欢迎再来");
    const QString divisionDigits
        = QStringLiteral("输入位数错误！被除数位数为2-6位，除数位数为1-5位，且被除数位数不能少于除数位数。");
    const QString sets = QStringLiteral("输入套数错误！每次规定出题在1-100套。");
    const QString setDigits = QStringLiteral("输入位数错误！第一因数位数为1-6位，第二因数位数为1-5位。");
    const QString setCount = QStringLiteral("输入题数错误！输入题数在0-50题。");
    const QString unitCounts = QStringLiteral(
        "可一次性每排输出1-10题，每页输出1-50排，每次输出1-40页。对不起！输入有误，谢谢使用。欢迎再来");
    const QString largest = QStringLiteral("输入范围错误！最大数为1-1000。");

    // The box each drill checks first, and its message for a text it refuses.
    struct FirstBox {
        const char* entry;
        const char* box;
        QString message;
    };
    const FirstBox firstBoxes[] = {
        { "j5", ChainForm::kPerRowBox, chainCounts },
        { "j7", ChainForm::kPerRowBox, sevenTermCounts },
        { "j10", ChainForm::kPerRowBox, chainCounts },
        { "ddjj", kFirstBox, twoDigits },
        { "zdjj", kFirstBox, fourDigits },
        { "zdcs", kFirstBox, digits },
        { "gdjj", kFirstBox, sixDigits },
        { "gdcs", kFirstBox, digits },
        { "gdchs", kFirstBox, divisionDigits },
        { "zhch", SetForm::kSetsBox, sets },
        { "zhc", SetForm::kSetsBox, sets },
        { "yer", kFirstBox, limit },
        { "jcdy", kPerRowBox, unitCounts },
        { "szhh", MixedForm::kLargestBox, largest },
    };
    // Every drill of the menu has its line, and every line its drill.
    QStringList unlisted;
    for (const DrillEntry& drill : DrillRegistry::drills()) {
        unlisted << QLatin1String(drill.entry);
    }
    QStringList stale;
    for (const FirstBox& first : firstBoxes) {
        if (!unlisted.removeOne(QLatin1String(first.entry))) {
            stale << QLatin1String(first.entry);
            continue;
        }
        for (const char* text : { "abc", "", "0" }) {
            QTest::addRow("%s \"%s\"", first.entry, text)
                << first.entry << QStringList { first.box, text } << QStringList { first.message };
        }
    }

    const auto row
        = [](const char* name, const char* entry, const QStringList& settings, const QString& message) {
              QTest::newRow(name) << entry << settings << QStringList { message };
          };
    // Each box's own limits; the operand boxes are read before the layout boxes.
    row("幼儿加减 limit 4", "yer", { kFirstBox, "4" }, limit);
    row("幼儿加减 limit 21, rows 51", "yer", { kFirstBox, "21", kRowsBox, "51" }, limit);
    row("幼儿加减 limit fraction", "yer", { kFirstBox, "10.5" }, limit);
    row("幼儿加减 per row 21", "yer", { kPerRowBox, "21" }, addSubCounts);
    row("低段加减 first digits 3, rows 51", "ddjj", { kFirstBox, "3", kRowsBox, "51" }, twoDigits);
    row("低段加减 second digits 3", "ddjj", { kSecondBox, "3" }, twoDigits);
    row("低段加减 per row 0", "ddjj", { kPerRowBox, "0" }, addSubCounts);
    row("中段加减 second digits 5", "zdjj", { kSecondBox, "5" }, fourDigits);
    row("中段加减 rows 51", "zdjj", { kRowsBox, "51" }, addSubCounts);
    row("高段加减 first digits 7", "gdjj", { kFirstBox, "7" }, sixDigits);
    row("高段加减 second digits -1", "gdjj", { kSecondBox, "-1" }, sixDigits);
    row("高段加减 pages 41", "gdjj", { kPagesBox, "41" }, addSubCounts);
    row("高段加减 pages blank", "gdjj", { kPagesBox, " " }, addSubCounts);
    row("中段乘算 first digits 7", "zdcs", { kFirstBox, "7" }, digits);
    row("中段乘算 second digits 6, per row 51", "zdcs", { kSecondBox, "6", kPerRowBox, "51" }, digits);
    row("中段乘算 second digits fraction", "zdcs", { kSecondBox, "3.5" }, digits);
    row("中段乘算 second digits exponent", "zdcs", { kSecondBox, "1e2" }, digits);
    row("中段乘算 per row 51", "zdcs", { kPerRowBox, "51" }, middleCounts);
    row("中段乘算 rows 201", "zdcs", { kRowsBox, "201" }, middleCounts);
    row("中段乘算 pages negative", "zdcs", { kPagesBox, "-1" }, middleCounts);
    row("中段乘算 pages huge", "zdcs", { kPagesBox, "99999999999999999999" }, middleCounts);
    row("中段乘算 rows blank", "zdcs", { kRowsBox, " " }, middleCounts);
    row("高段除算 fewer dividend digits", "gdchs", { kSecondBox, "4" }, divisionDigits);
    row("高段除算 one-digit dividend", "gdchs", { kFirstBox, "1" }, divisionDigits);
    // A set drill checks the grid once for each set; one set shows each message once.
    // A kind's count is checked once for each of its two digit boxes.
    const auto& kind1 = SetForm::kBoxNames[0];
    const QString oneSet = SetForm::kSetsBox;
    const QStringList count { setCount, setCount };
    row("综合乘算 digits 7", "zhch", { oneSet, "1", kind1[0], "7" }, setDigits);
    row("综合乘算 digits 3.5", "zhch", { oneSet, "1", kind1[0], "3.5" }, setDigits);
    QTest::newRow("综合乘算 count 51") << "zhch" << QStringList { oneSet, "1", kind1[2], "51" } << count;
    QTest::newRow("综合乘算 count 2.5") << "zhch" << QStringList { oneSet, "1", kind1[2], "2.5" } << count;
    row("综合乘算 sets 2.5", "zhch", { oneSet, "2.5" }, sets);
    row("综合除算 sets 101", "zhc", { oneSet, "101" }, sets);
    QVERIFY2(unlisted.isEmpty() && stale.isEmpty(),
        qPrintable(QStringLiteral("no first box for: %1; not in the menu: %2")
                       .arg(unlisted.join(QLatin1Char(' ')), stale.join(QLatin1Char(' ')))));
}

// Every refusal comes before the missing printer is noticed, under the busy
// cursor, and writes nothing.
void TestAllDrills::badInputGivesAMessageAndNoFile()
{
    QFETCH(QString, entry);
    QFETCH(QStringList, settings);
    QFETCH(QStringList, messages);
    NoPrinterTarget noPrinter;
    DrillSession session(noPrinter);
    QVERIFY(session.open(entry));
    session.tick(DrillNames::kToPrinter, true);
    for (qsizetype i = 0; i + 1 < settings.size(); i += 2) {
        session.setText(qPrintable(settings[i]), settings[i + 1]);
    }
    std::optional<Qt::CursorShape> cursorDuringRun;
    const MessageBox::Handler recorder = MessageBox::setHandler([&](QWidget* parent, const QString& text) {
        const QCursor* cursor = QGuiApplication::overrideCursor();
        cursorDuringRun = cursor ? cursor->shape() : Qt::ArrowCursor;
        recorder(parent, text);
    });
    session.generate();
    MessageBox::setHandler(recorder);
    QCOMPARE(cursorDuringRun, std::optional(Qt::WaitCursor));
    QVERIFY(!QGuiApplication::overrideCursor());
    QCOMPARE(session.messages.messages, messages);
    QCOMPARE(session.files(), QStringList());
}

void TestAllDrills::layoutMessageNamesTheAcceptedCounts_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("boxes"); // questions per row, rows per page, pages
    QTest::addColumn<QList<int>>("bounds"); // lowest and highest accepted, for each box
    const QStringList rowBoxes { RowForm::kPerRowBox, RowForm::kRowsBox, RowForm::kPagesBox };
    const auto rowBounds = [](const RowLayoutLimits& limits) {
        return QList<int> { 1, limits.maxPerRow, 1, limits.maxRows, 1, limits.maxPages };
    };
    for (const DrillEntry& drill : DrillRegistry::drills()) {
        // The oldest drills keep the message teachers know, which names other counts.
        const auto* chain = std::get_if<ChainDrillDefinition>(&drill.definition);
        const auto* rows = std::get_if<RowDrillDefinition>(&drill.definition);
        if (chain && chain->countsMessage == ChainTexts::countsMessage()) {
            using namespace ChainDrill;
            QTest::newRow(drill.entry)
                << drill.entry
                << QStringList { ChainForm::kPerRowBox, ChainForm::kRowsBox, ChainForm::kPagesBox }
                << QList<int> { kMinPerRow, kMaxPerRow, kMinRows, kMaxRows, kMinPages, kMaxPages };
        } else if (std::holds_alternative<AddSubDrillDefinition>(drill.definition)) {
            QTest::newRow(drill.entry) << drill.entry << rowBoxes << rowBounds(AddSubtract::kLayoutLimits);
        } else if (rows && rows->boxes.countsMessage != MultiplyTexts::kMiddleGradeCountsMessage) {
            QTest::newRow(drill.entry) << drill.entry << rowBoxes << rowBounds(rows->boxes.layoutLimits);
        } else if (const auto* unit = std::get_if<UnitDrillDefinition>(&drill.definition)) {
            QTest::newRow(drill.entry) << drill.entry << rowBoxes << rowBounds(unit->layoutLimits);
        } else if (const auto* mixed = std::get_if<MixedDrillDefinition>(&drill.definition)) {
            QTest::newRow(drill.entry) << drill.entry << rowBoxes << rowBounds(mixed->layoutLimits);
        }
    }
}

// Each box is refused just outside its range and accepted at both ends, and
// the message names the ranges that are accepted.
void TestAllDrills::layoutMessageNamesTheAcceptedCounts()
{
    QFETCH(QString, entry);
    QFETCH(QStringList, boxes);
    QFETCH(QList<int>, bounds);
    DrillSession session;
    QVERIFY(session.open(entry));
    QStringList& messages = session.messages.messages;
    for (int b = 0; b < 3; ++b) {
        auto* box = session.child<QLineEdit>(qPrintable(boxes[b]));
        QVERIFY(box);
        const QString initial = box->text();
        const int low = bounds[2 * b];
        const int high = bounds[2 * b + 1];
        for (const int value : { low - 1, low, high, high + 1 }) {
            messages.clear();
            box->setText(QString::number(value));
            session.generate();
            const bool refused = value < low || value > high;
            QCOMPARE(messages.size(), refused ? 1 : 0);
            if (refused) {
                const QString& message = messages.first();
                for (int k = 0; k < 3; ++k) {
                    const QString range = QStringLiteral("%1-%2").arg(bounds[2 * k]).arg(bounds[2 * k + 1]);
                    QVERIFY2(message.contains(range), qPrintable(message));
                }
            }
        }
        box->setText(initial);
    }
}

using SheetCells::cellsOf;
using SheetCells::scaled;

// The upper-grade multiplication with whole factors, one or two decimal
// places, and 题目不重复, the products shown: every question starts its own
// column, every number is written without trailing zeros after its point,
// and every product is the exact product of its factors.
void TestAllDrills::upperGradeMultiplicationColumnsStayStraight_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("places");
    QTest::addColumn<bool>("distinct");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("file");
    QTest::addRow("1 × 5 digits, whole") << 1 << 5 << 0 << false << 16 << "高段1位乘5位速算.xls";
    // 0.2×0.3=0.06 and two spaces; every one of the 8 × (8 + 8) questions.
    QTest::addRow("1 × 1 digits, one place, all 128")
        << 1 << 1 << 1 << true << 14 << "高段1位乘1位一位小数速算.xls";
    QTest::addRow("1 × 2 digits, two places") << 1 << 2 << 2 << false << 18 << "高段1位乘2位两位小数速算.xls";
    QTest::addRow("3 × 2 digits, one place, distinct")
        << 3 << 2 << 1 << true << 18 << "高段3位乘2位一位小数速算.xls";
    QTest::addRow("6 × 5 digits, two places") << 6 << 5 << 2 << false << 36 << "高段6位乘5位两位小数速算.xls";
}

void TestAllDrills::upperGradeMultiplicationColumnsStayStraight()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, places);
    QFETCH(bool, distinct);
    QFETCH(int, width);
    QFETCH(QString, file);
    DrillSession session;
    QVERIFY(session.open(QStringLiteral("gdcs")));
    session.setText(RowForm::kFirstBox, QString::number(first));
    session.setText(RowForm::kSecondBox, QString::number(second));
    session.setText(RowForm::kPerRowBox, QStringLiteral("8"));
    session.setText(RowForm::kRowsBox, QStringLiteral("16"));
    session.setText(RowForm::kPagesBox, QStringLiteral("1"));
    session.choose(RowForm::kChoiceOptions[places]);
    session.tick(DistinctTexts::kCheckName, distinct);
    session.choose(DrillNames::kShowAnswers);
    session.generate();
    QCOMPARE(session.messages.messages, QStringList());
    const QStringList cells = cellsOf(sheetValues(session.dir.filePath(file)).mid(2), 8, width);
    QCOMPARE(cells.size(), 128);
    static const QRegularExpression cell(
        QStringLiteral("^(\\d+(?:\\.\\d*[1-9])?)×(\\d+(?:\\.\\d*[1-9])?)=(\\d+(?:\\.\\d*[1-9])?) +$"));
    QSet<QString> seen;
    int decimalSeconds = 0;
    for (const QString& text : cells) {
        const auto match = cell.match(text);
        QVERIFY2(match.hasMatch(), qPrintable(text));
        const auto [a, aPlaces] = scaled(match.captured(1));
        const auto [b, bPlaces] = scaled(match.captured(2));
        const auto [product, productPlaces] = scaled(match.captured(3));
        // The first factor has exactly the places chosen, the second those or none.
        QCOMPARE(aPlaces, places);
        QVERIFY2(bPlaces == 0 || bPlaces == places, qPrintable(text));
        decimalSeconds += bPlaces > 0 ? 1 : 0;
        QVERIFY2(QString::number(a).size() == first && a > Draws::powerOfTen(first - 1), qPrintable(text));
        QVERIFY2(QString::number(b).size() == second && b > Draws::powerOfTen(second - 1), qPrintable(text));
        // a × b with the places of both equals the product at its places.
        QCOMPARE(a * b * Draws::powerOfTen(productPlaces), product * Draws::powerOfTen(aPlaces + bPlaces));
        QVERIFY2(!distinct || !seen.contains(text), qPrintable(text));
        seen.insert(text);
    }
    // Whole and decimal second factors both occur when decimals are chosen.
    QVERIFY(places == 0 ? decimalSeconds == 0 : decimalSeconds > 0 && decimalSeconds < cells.size());
}

// Exact division and division with a remainder, with and without
// 题目不重复: every question has its digits and either divides exactly or
// leaves a remainder of 1 … divisor − 1 written after "……".
void TestAllDrills::divisionRowsObeyTheirChoice_data()
{
    QTest::addColumn<int>("dividendDigits");
    QTest::addColumn<int>("divisorDigits");
    QTest::addColumn<bool>("remainder");
    QTest::addColumn<bool>("distinct");
    QTest::addColumn<int>("width");
    for (const auto& [dividend, divisor] : { std::pair { 2, 1 }, { 4, 2 }, { 6, 5 }, { 5, 5 } }) {
        QTest::addRow("%d÷%d exact", dividend, divisor) << dividend << divisor << false << false << 18;
        QTest::addRow("%d÷%d with remainder", dividend, divisor)
            << dividend << divisor << true << false << DivisionRules::remainderCellWidth(dividend, divisor);
    }
    QTest::addRow("2÷2 with remainder, distinct") << 2 << 2 << true << true << 18;
    QTest::addRow("3÷1 with remainder, distinct") << 3 << 1 << true << true << 18;
    QTest::addRow("6÷5 with remainder is 25 wide") << 6 << 5 << true << false << 25;
}

void TestAllDrills::divisionRowsObeyTheirChoice()
{
    QFETCH(int, dividendDigits);
    QFETCH(int, divisorDigits);
    QFETCH(bool, remainder);
    QFETCH(bool, distinct);
    QFETCH(int, width);
    DrillSession session;
    QVERIFY(session.open(QStringLiteral("gdchs")));
    static const QRegularExpression question(QStringLiteral("^(\\d+)÷(\\d+)=(\\d+)(?:……(\\d+))? +$"));
    session.choose(DrillNames::kShowAnswers);
    session.choose(RowForm::kChoiceOptions[remainder ? 1 : 0]);
    session.tick(DistinctTexts::kCheckName, distinct);
    session.setText(RowForm::kFirstBox, QString::number(dividendDigits));
    session.setText(RowForm::kSecondBox, QString::number(divisorDigits));
    session.setText(RowForm::kPerRowBox, QStringLiteral("10"));
    session.setText(RowForm::kPagesBox, QStringLiteral("2"));
    session.generate();
    QCOMPARE(session.messages.messages, QStringList());
    const QString file = QStringLiteral("高段%1位除%2位%3速算.xls")
                             .arg(dividendDigits)
                             .arg(divisorDigits)
                             .arg(remainder ? QStringLiteral("有余数") : QString());
    const QStringList cells = cellsOf(sheetValues(session.dir.filePath(file)).mid(2), 10, width);
    QCOMPARE(cells.size(), 600);
    QSet<QString> seen;
    for (const QString& cell : cells) {
        const auto match = question.match(cell);
        QVERIFY2(match.hasMatch(), qPrintable(cell));
        const qint64 dividend = match.captured(1).toLongLong();
        const qint64 divisor = match.captured(2).toLongLong();
        const qint64 quotient = match.captured(3).toLongLong();
        const qint64 rest = match.captured(4).toLongLong();
        QCOMPARE(match.hasCaptured(4), remainder);
        QVERIFY2(remainder ? rest >= 1 && rest < divisor && quotient >= 1 : rest == 0, qPrintable(cell));
        QCOMPARE(dividend, quotient * divisor + rest);
        QCOMPARE(match.captured(1).size(), dividendDigits);
        QCOMPARE(match.captured(2).size(), divisorDigits);
        // Never the power of ten itself: no divisor 1, 10, 100 …, no dividend 100, 1000 …
        QVERIFY(divisor > Draws::powerOfTen(divisorDigits - 1));
        QVERIFY(dividend > Draws::powerOfTen(dividendDigits - 1));
        QVERIFY2(!distinct || !seen.contains(cell), qPrintable(cell));
        seen.insert(cell);
    }
}

void TestAllDrills::multiplicationSetsAreCorrect()
{
    DrillSession session;
    QVERIFY(session.open(QStringLiteral("zhch")));
    session.choose(DrillNames::kShowAnswers);
    const auto& kind4 = SetForm::kBoxNames[3];
    session.setText(kind4[0], QStringLiteral("6"));
    session.setText(kind4[1], QStringLiteral("5"));
    session.setText(kind4[2], QStringLiteral("50"));
    session.generate();
    static const QRegularExpression question(QStringLiteral("^(\\d+)×(\\d+)=(\\d+)$"));
    for (int set = 1; set <= 10; ++set) {
        const QString file = QStringLiteral("综合乘算%1.xls").arg(set);
        const QStringList rows = sheetValues(session.dir.filePath(file)).mid(2);
        QCOMPARE(rows.size(), 130 / 5);
        int wide = 0;
        for (const QString& row : rows) {
            QCOMPARE(row.size(), 5 * 26);
            for (const QString& cell : row.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
                const auto match = question.match(cell);
                QVERIFY2(match.hasMatch(), qPrintable(cell));
                QCOMPARE(match.captured(3).toLongLong(),
                    match.captured(1).toLongLong() * match.captured(2).toLongLong());
                wide += match.captured(1).size() == 6 && match.captured(2).size() == 5 ? 1 : 0;
            }
        }
        QCOMPARE(wide, 50); // the six-by-five kind: every one of its questions is on the sheet
    }
}

void TestAllDrills::defaultSheetsAreUnchanged_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("answers");
    for (const DrillEntry& drill : DrillRegistry::drills()) {
        QTest::addRow("%s", drill.entry) << drill.entry << false;
        QTest::addRow("%s with answers", drill.entry) << drill.entry << true;
    }
}

void TestAllDrills::defaultSheetsAreUnchanged()
{
    // Every drill, opened from the main menu with its start-up settings
    // after a fresh start: the window its row names, the drill's name in its
    // heading and on its button, answers not shown and 题目不重复 not ticked;
    // the run writes the sheet files kept in tests/golden, with and without
    // answers, and the return button brings back the main window.
    // MIREVA_WRITE_GOLDEN=1 writes them there instead.
    QFETCH(QString, entry);
    QFETCH(bool, answers);
    const DrillEntry* drill = DrillRegistry::find(entry);
    DrillSession session;
    QVERIFY(session.open(entry));
    QCOMPARE(session.window->objectName(), QLatin1String(drill->window));
    QVERIFY(!session.shell.mainWindow()->isVisible());
    const QString name = drillName(drill->definition);
    QCOMPARE(session.text(DrillNames::kHeading), DrillTexts::heading(name));
    QCOMPARE(session.text(DrillNames::kGenerate), DrillTexts::generateCaption(name));
    QVERIFY(session.chosen(DrillNames::kHideAnswers));
    QCOMPARE(session.child(DistinctTexts::kCheckName) != nullptr, offersDistinct(drill->definition));
    if (offersDistinct(drill->definition)) {
        QVERIFY(!session.chosen(DistinctTexts::kCheckName));
    }
    if (answers) {
        session.choose(DrillNames::kShowAnswers);
    }
    session.generate();
    QVERIFY(session.messages.messages.isEmpty());

    const QDir golden = goldenDir(entry, answers);
    const QStringList written = session.files();
    if (qEnvironmentVariableIsSet("MIREVA_WRITE_GOLDEN")) {
        QVERIFY(QDir().mkpath(golden.path()));
        for (const QString& name : written) {
            QFile::remove(golden.filePath(name));
            QVERIFY(QFile::copy(session.dir.filePath(name), golden.filePath(name)));
        }
        return;
    }
    QCOMPARE(written, golden.entryList(QDir::Files, QDir::Name));
    for (const QString& name : written) {
        const QString difference
            = firstDifference(name, readBytes(golden.filePath(name)), readBytes(session.dir.filePath(name)));
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }
    session.click(DrillNames::kReturn);
    QVERIFY(session.shell.mainWindow()->isVisible());
}

void TestAllDrills::distinctQuestionsNeverRepeat_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("settings"); // box, text, box, text …
    QTest::addColumn<int>("distinct"); // questions the settings allow; 0: far more than asked
    QTest::addColumn<int>("asked");
    const QStringList chainLayout { ChainForm::kPerRowBox, "51", ChainForm::kRowsBox, "11",
        ChainForm::kPagesBox, "20" };
    QTest::newRow("五笔加减, the largest sheet") << "j5" << chainLayout << 0 << 51 * 11 * 20;
    QTest::newRow("十笔加减, the largest sheet") << "j10" << chainLayout << 0 << 51 * 11 * 20;
    // The row drills' boxes from the top: the two numbers' digits, per row, rows, pages.
    const auto rows = [](const QStringList& texts) {
        const char* boxes[] { RowForm::kFirstBox, RowForm::kSecondBox, RowForm::kPerRowBox, RowForm::kRowsBox,
            RowForm::kPagesBox };
        QStringList settings;
        for (qsizetype i = 0; i < texts.size(); ++i) {
            settings << boxes[i] << texts[i];
        }
        return settings;
    };
    QTest::newRow("高段乘算 1 × 1, all 64") << "gdcs" << rows({ "1", "1", "8", "8", "1" }) << 64 << 64;
    QTest::newRow("高段乘算 1 × 1, 65 asked") << "gdcs" << rows({ "1", "1", "5", "13", "1" }) << 64 << 65;
    QTest::newRow("高段乘算 6 × 5, the largest sheet")
        << "gdcs" << rows({ "6", "5", "50", "200", "40" }) << 0 << 400000;
    QTest::newRow("高段除算 2 ÷ 1, all 162") << "gdchs" << rows({ "2", "1", "1", "162", "1" }) << 162 << 162;
    QTest::newRow("高段除算 2 ÷ 1, 163 asked")
        << "gdchs" << rows({ "2", "1", "1", "163", "1" }) << 162 << 163;
    QTest::newRow("高段除算 6 ÷ 5, 40 pages") << "gdchs" << rows({ "6", "5", "5", "30", "40" }) << 0 << 6000;
    // Two kinds of the same digits share their 64 questions.
    const auto& grid = SetForm::kBoxNames;
    const QStringList twoOneByOne { grid[0][0], "1", grid[0][1], "1", grid[0][2], "32", grid[1][0], "1",
        grid[1][1], "1", grid[1][2], "32", grid[2][2], "0", SetForm::kSetsBox, "3", SetForm::kPerRowBox,
        "8" };
    QTest::newRow("综合乘算 1 × 1 twice, all 64") << "zhch" << twoOneByOne << 64 << 64;
    QTest::newRow("综合乘算 1 × 1 twice, 65 asked")
        << "zhch" << (QStringList(twoOneByOne) << grid[1][2] << "33") << 64 << 65;
    QTest::newRow("综合乘算 one question per set")
        << "zhch"
        << QStringList { grid[0][0], "2", grid[0][1], "1", grid[0][2], "1", grid[1][2], "0", grid[2][2], "0",
               SetForm::kSetsBox, "2", SetForm::kPerRowBox, "1" }
        << 0 << 1;
}

void TestAllDrills::distinctQuestionsNeverRepeat()
{
    QFETCH(QString, entry);
    QFETCH(QStringList, settings);
    QFETCH(int, distinct);
    QFETCH(int, asked);
    DrillSession session;
    QVERIFY(session.open(entry));
    for (qsizetype i = 0; i + 1 < settings.size(); i += 2) {
        session.setText(qPrintable(settings[i]), settings[i + 1]);
    }
    session.tick(DistinctTexts::kCheckName, true);
    session.generate();
    const QTemporaryDir& dir = session.dir;
    if (asked > distinct && distinct > 0) {
        QCOMPARE(session.messages.messages,
            QStringList { QStringLiteral("题目不重复时，按所选设置最多只能出%1道不同的题，请减少题数。")
                              .arg(distinct) });
        QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
        return;
    }
    QCOMPARE(session.messages.messages, QStringList());
    const DrillDefinition& definition = DrillRegistry::find(entry)->definition;
    const bool sets = std::holds_alternative<SetDrillDefinition>(definition);
    const auto* chain = std::get_if<ChainDrillDefinition>(&definition);
    const auto setting = [&settings](const char* box) { return settings[settings.indexOf(box) + 1].toInt(); };
    // The questions of each file: a row drill's cells, a chain drill's columns of terms.
    const QStringList files = QDir(dir.path()).entryList(QDir::Files);
    QCOMPARE(files.size(), sets ? setting(SetForm::kSetsBox) : 1);
    for (const QString& file : files) {
        const QStringList lines = sheetValues(dir.filePath(file)).mid(2);
        QStringList questions;
        if (chain) {
            const int terms = chain->terms;
            for (qsizetype row = 0; row + terms <= lines.size(); row += terms + 2) {
                for (qsizetype field = 0; field < lines[row].size() / 8; ++field) {
                    QString column;
                    for (int t = 0; t < terms; ++t) {
                        column += lines[row + t].mid(field * 8, 8).trimmed() + QLatin1Char(' ');
                    }
                    questions << column;
                }
            }
        } else {
            // Each operand has its digits and is not the power of ten; a division is exact.
            static const QRegularExpression operation(QStringLiteral("^(\\d+)([×÷])(\\d+)=$"));
            const int firstDigits = setting(sets ? SetForm::kBoxNames[0][0] : RowForm::kFirstBox);
            const int secondDigits = setting(sets ? SetForm::kBoxNames[0][1] : RowForm::kSecondBox);
            for (const QString& line : lines) {
                for (const QString& question : line.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
                    questions << question;
                    const auto match = operation.match(question);
                    QVERIFY2(match.hasMatch(), qPrintable(question));
                    const qint64 a = match.captured(1).toLongLong();
                    const qint64 b = match.captured(3).toLongLong();
                    QVERIFY2(match.captured(1).size() == firstDigits && a > Draws::powerOfTen(firstDigits - 1)
                            && match.captured(3).size() == secondDigits
                            && b > Draws::powerOfTen(secondDigits - 1)
                            && (match.captured(2) == QStringLiteral("×") || a % b == 0),
                        qPrintable(question));
                }
            }
        }
        QCOMPARE(questions.size(), asked);
        QCOMPARE(QSet<QString>(questions.begin(), questions.end()).size(), asked);
    }
}

namespace {
// Counts the jobs and pages handed to the printer behind it.
class JobCounter : public PrintTarget {
public:
    explicit JobCounter(PrintTarget& printer)
        : m_printer(printer)
    {
    }
    QString refusal() const override { return m_printer.refusal(); }
    PrintOutcome print(const PrintedPages& pages) override
    {
        ++jobs;
        printedPages += pages.size();
        return m_printer.print(pages);
    }
    QPageLayout pageLayout() const override { return m_printer.pageLayout(); }
    QString silence() const override { return m_printer.silence(); }
    bool printsOnPaper() const override { return m_printer.printsOnPaper(); }

    int jobs = 0;
    qsizetype printedPages = 0;

private:
    PrintTarget& m_printer;
};
} // namespace

void TestAllDrills::printsOneJobOnTheDefaultPrinter()
{
    // The default 中段乘算 run sent to the printer alone goes out as one job
    // of its four pages without a complaint, and writes no sheet file. Here
    // the printer is a PDF file; with MIREVA_PRINT_JOB set, as
    // scripts/check-windows.sh sets it under Wine (and then reads the job's
    // pages), it is the system's default printer.
    QTemporaryDir paper;
    PdfPrintTarget pdf(paper.filePath(QStringLiteral("job.pdf")));
    SystemPrintTarget system;
    const bool toSystem = !qEnvironmentVariableIsEmpty("MIREVA_PRINT_JOB");
    JobCounter printer(toSystem ? static_cast<PrintTarget&>(system) : pdf);
    DrillSession session(printer);
    QVERIFY(session.open(QStringLiteral("zdcs")));
    session.tick(DrillNames::kToPrinter, true);
    session.tick(DrillNames::kToFile, false);
    session.generate();
    QCOMPARE(session.messages.messages, QStringList());
    QCOMPARE(session.text(RowForm::kProgress).trimmed(), DrillTexts::kDone);
    QCOMPARE(printer.jobs, 1);
    QCOMPARE(printer.printedPages, qsizetype { 4 });
    QCOMPARE(session.files(), QStringList());
    if (!toSystem) {
        QCOMPARE(pdfPages(paper.filePath(QStringLiteral("job.pdf"))).size(), qsizetype { 4 });
    }
}

QTEST_MAIN(TestAllDrills)
#include "test_all_drills.moc"
