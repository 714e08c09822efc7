// SPDX-License-Identifier: GPL-3.0-or-later
// The textbook-unit (教材同步) and mixed-operations (四则混合) windows: their
// controls, the sheets they write and the settings they refuse.

#include "TestSupport.h"

#include "common/DistinctTexts.h"
#include "drills/mixed/MixedWindow.h"
#include "drills/units/UnitWindow.h"
#include "forms/MixedForm.h"
#include "forms/PreviewWindow.h"
#include "forms/UnitForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>

using namespace TestSupport;

namespace {
const QString kCountsMessage = QStringLiteral(
    "可一次性每排输出1-10题，每页输出1-50排，每次输出1-40页。对不起！输入有误，谢谢使用。欢迎再来");

QStringList items(DrillSession& session, const char* list)
{
    QStringList texts;
    const auto* box = session.child<QComboBox>(list);
    for (int i = 0; box && i < box->count(); ++i) {
        texts << box->itemText(i);
    }
    return texts;
}
} // namespace

class TestUnitWindows : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initFonts(); }
    // The drills whose sheets are numbered: 教材同步 on an entry with several
    // forms, and 四则混合.
    static void numberedDrills();
    void controlsHaveTheirLabelsAndFirstContents_data();
    void controlsHaveTheirLabelsAndFirstContents();
    void listsRefillThoseAfterThem();
    void listsKeepTheTeachersPlace();
    void keyboardGoesInReadingOrder_data();
    void keyboardGoesInReadingOrder();
    void sheetNamesItsUnitAndPairsItsAnswers_data();
    void sheetNamesItsUnitAndPairsItsAnswers();
    void mixedSheetHasItsNameAndAnswers();
    void everyStartGivesNewSheets_data() { numberedDrills(); }
    void everyStartGivesNewSheets();
    void theNumberFixesTheSheet_data();
    void theNumberFixesTheSheet();
    void generatingAfterAPreviewWritesThePreviewedSheet_data() { numberedDrills(); }
    void generatingAfterAPreviewWritesThePreviewedSheet();
    void refusedSettingsWriteNothing_data();
    void refusedSettingsWriteNothing();
};

void TestUnitWindows::controlsHaveTheirLabelsAndFirstContents_data()
{
    QTest::addColumn<bool>("mixed");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("title"); // what the label says, and the control's name for screen readers
    QTest::addColumn<QString>("text");
    QTest::newRow("教材") << false << UnitForm::kEditionList << UnitForm::kEditionLabel << "教材"
                          << "人教版";
    QTest::newRow("年级") << false << UnitForm::kBookList << UnitForm::kBookLabel << "年级"
                          << "一年级上册";
    QTest::newRow("单元") << false << UnitForm::kUnitList << UnitForm::kUnitLabel << "单元"
                          << "第一单元 5以内数的认识和加、减法";
    QTest::newRow("内容") << false << UnitForm::kEntryList << UnitForm::kEntryLabel << "内容"
                          << "5以内的加法";
    QTest::newRow("unit 每行题数") << false << UnitForm::kPerRowBox << RowForm::kPerRowLabel << "每行题数"
                                   << "4";
    QTest::newRow("unit 每页行数") << false << UnitForm::kRowsBox << RowForm::kRowsLabel << "每页行数"
                                   << "25";
    QTest::newRow("unit 每次页数") << false << UnitForm::kPagesBox << RowForm::kPagesLabel << "每次页数"
                                   << "1";
    QTest::newRow("最大数") << true << MixedForm::kLargestBox << MixedForm::kLargestLabel << "最大数"
                            << "100";
    QTest::newRow("得数不超过") << true << MixedForm::kResultsBox << MixedForm::kResultsLabel << "得数不超过"
                                << "100";
    QTest::newRow("mixed 每行题数") << true << MixedForm::kPerRowBox << RowForm::kPerRowLabel << "每行题数"
                                    << "4";
    QTest::newRow("mixed 每页行数") << true << MixedForm::kRowsBox << RowForm::kRowsLabel << "每页行数"
                                    << "25";
    QTest::newRow("mixed 每次页数") << true << MixedForm::kPagesBox << RowForm::kPagesLabel << "每次页数"
                                    << "1";
}

void TestUnitWindows::controlsHaveTheirLabelsAndFirstContents()
{
    QFETCH(bool, mixed);
    QFETCH(QString, control);
    QFETCH(QString, label);
    QFETCH(QString, title);
    QFETCH(QString, text);
    DrillSession session;
    if (mixed) {
        session.build(MixedDrillDefinition {});
    } else {
        session.build(UnitDrillDefinition {});
    }
    const QString name = mixed ? QStringLiteral("四则混合") : QStringLiteral("教材同步");
    QCOMPARE(session.text(DrillNames::kHeading), QStringLiteral("小学数学 [%1] 自动出题系统").arg(name));
    QCOMPARE(session.text(DrillNames::kGenerate), name + QStringLiteral("(&C)"));
    QVERIFY(session.chosen(DrillNames::kHideAnswers));
    auto* widget = session.child(qPrintable(control));
    auto* caption = session.child<QLabel>(qPrintable(label));
    QVERIFY(widget && caption);
    QCOMPARE(caption->text(), title);
    QCOMPARE(caption->buddy(), widget);
    QCOMPARE(widget->accessibleName(), title);
    const auto* list = qobject_cast<QComboBox*>(widget);
    QCOMPARE(list ? list->currentText() : session.text(qPrintable(control)), text);
    if (mixed) {
        for (const char* check : MixedForm::kOperations) {
            QVERIFY(session.chosen(check));
        }
        QVERIFY(session.chosen(MixedForm::kSteps[1]) && session.chosen(MixedForm::kTableCheck));
        QVERIFY(!session.chosen(DistinctTexts::kCheckName));
    } else {
        // Every edition of the catalogue, in its order: 人教版 and 苏教版 first, any later one after them.
        QStringList editions;
        for (const Edition& edition : UnitCatalogue::standard().editions()) {
            editions << edition.name;
        }
        QCOMPARE(items(session, UnitForm::kEditionList), editions);
        QCOMPARE(editions.mid(0, 2), (QStringList { "人教版", "苏教版" }));
    }
}

void TestUnitWindows::listsRefillThoseAfterThem()
{
    DrillSession session;
    session.build(UnitDrillDefinition {});
    QCOMPARE(items(session, UnitForm::kEntryList),
        (QStringList { "5以内的加法", "5以内的减法", "0的加、减法", "本单元综合" }));
    session.pick(UnitForm::kUnitList, QStringLiteral("第五单元 20以内的进位加法"));
    QCOMPARE(session.child<QComboBox>(UnitForm::kEntryList)->currentText(), QStringLiteral("9加几"));
    session.pick(UnitForm::kBookList, QStringLiteral("二年级下册"));
    QCOMPARE(session.child<QComboBox>(UnitForm::kUnitList)->currentText(),
        QStringLiteral("第一单元 有余数的除法"));
    // A unit of one entry offers no 本单元综合.
    QCOMPARE(items(session, UnitForm::kEntryList), QStringList { "有余数的除法" });
    session.pick(UnitForm::kEditionList, QStringLiteral("苏教版"));
    QCOMPARE(session.child<QComboBox>(UnitForm::kBookList)->currentText(), QStringLiteral("一年级上册"));
    QCOMPARE(session.child<QComboBox>(UnitForm::kUnitList)->currentText(),
        QStringLiteral("第一单元 0～5的认识和加减法"));
    QCOMPARE(session.child<QComboBox>(UnitForm::kEntryList)->currentText(), QStringLiteral("5以内的加法"));
}

void TestUnitWindows::listsKeepTheTeachersPlace()
{
    DrillSession session;
    session.build(UnitDrillDefinition {});
    const auto current
        = [&session](const char* list) { return session.child<QComboBox>(list)->currentText(); };
    const auto place = [&] {
        return QStringList { current(UnitForm::kEditionList), current(UnitForm::kBookList),
            current(UnitForm::kUnitList), current(UnitForm::kEntryList) };
    };
    session.pick(UnitForm::kBookList, QStringLiteral("一年级上册"));
    session.pick(UnitForm::kUnitList, QStringLiteral("第五单元 20以内的进位加法"));
    session.pick(UnitForm::kEntryList, QStringLiteral("8、7、6加几"));
    session.pick(UnitForm::kBookList, QStringLiteral("二年级上册"));
    session.pick(UnitForm::kUnitList, QStringLiteral("第三单元 1～6的表内除法"));
    const QStringList secondGrade = place();
    // Another edition and back: the book, unit and entry she had.
    session.pick(UnitForm::kEditionList, QStringLiteral("苏教版"));
    session.pick(UnitForm::kBookList, QStringLiteral("一年级下册"));
    session.pick(UnitForm::kEditionList, QStringLiteral("人教版"));
    QCOMPARE(place(), secondGrade);
    // Another book and back: that book's last unit and entry.
    session.pick(UnitForm::kBookList, QStringLiteral("一年级上册"));
    QCOMPARE(place(), (QStringList { "人教版", "一年级上册", "第五单元 20以内的进位加法", "8、7、6加几" }));
    // The other edition kept its own place too.
    session.pick(UnitForm::kEditionList, QStringLiteral("苏教版"));
    QCOMPARE(current(UnitForm::kBookList), QStringLiteral("一年级下册"));
}

void TestUnitWindows::keyboardGoesInReadingOrder_data()
{
    QTest::addColumn<bool>("mixed");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("教材同步") << false
                              << QStringList { UnitForm::kEditionList, UnitForm::kBookList,
                                     UnitForm::kUnitList, UnitForm::kEntryList, UnitForm::kPerRowBox,
                                     UnitForm::kRowsBox, UnitForm::kPagesBox, SheetNumberTexts::kBoxName,
                                     DrillNames::kHideAnswers };
    // 加, 减, 乘, 除 as they read (not down the frame's columns), then the chosen 步数.
    QTest::newRow("四则混合") << true
                              << QStringList { MixedForm::kLargestBox, MixedForm::kResultsBox,
                                     MixedForm::kPerRowBox, MixedForm::kRowsBox, MixedForm::kPagesBox,
                                     SheetNumberTexts::kBoxName, MixedForm::kTableCheck,
                                     DistinctTexts::kCheckName, MixedForm::kOperations[0],
                                     MixedForm::kOperations[1], MixedForm::kOperations[2],
                                     MixedForm::kOperations[3], MixedForm::kSteps[1],
                                     DrillNames::kHideAnswers };
}

void TestUnitWindows::keyboardGoesInReadingOrder()
{
    QFETCH(bool, mixed);
    QFETCH(QStringList, order);
    DrillSession session;
    DrillWindow& window
        = mixed ? session.build(MixedDrillDefinition {}) : session.build(UnitDrillDefinition {});
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QStringList visited;
    for (qsizetype i = 0; i < order.size(); ++i) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited, order);
}

void TestUnitWindows::sheetNamesItsUnitAndPairsItsAnswers_data()
{
    QTest::addColumn<QStringList>("choice"); // book, unit, entry
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("title");
    QTest::newRow("an entry named as its unit")
        << QStringList { "二年级下册", "第一单元 有余数的除法", "有余数的除法" }
        << "人教版二年级下册第一单元有余数的除法-4711.xls"
        << "人教版二年级下册 第一单元 有余数的除法";
    QTest::newRow("9加几") << QStringList { "一年级上册", "第五单元 20以内的进位加法", "9加几" }
                           << "人教版一年级上册第五单元9加几-4711.xls"
                           << "人教版一年级上册 第五单元 20以内的进位加法 9加几";
    QTest::newRow("本单元综合") << QStringList { "一年级上册", "第五单元 20以内的进位加法", "本单元综合" }
                                << "人教版一年级上册第五单元综合-4711.xls"
                                << "人教版一年级上册 第五单元 20以内的进位加法 本单元综合";
    QTest::newRow("混合运算 with brackets") << QStringList { "三年级上册", "第二单元 混合运算", "带小括号" }
                                            << "人教版三年级上册第二单元带小括号-4711.xls"
                                            << "人教版三年级上册 第二单元 混合运算 带小括号";
}

void TestUnitWindows::sheetNamesItsUnitAndPairsItsAnswers()
{
    QFETCH(QStringList, choice);
    QFETCH(QString, fileName);
    QFETCH(QString, title);
    DrillSession session;
    session.build(UnitDrillDefinition {});
    session.pick(UnitForm::kBookList, choice[0]);
    session.pick(UnitForm::kUnitList, choice[1]);
    session.pick(UnitForm::kEntryList, choice[2]);
    session.choose(DrillNames::kSeparateAnswers);
    session.setText(UnitForm::kPerRowBox, QStringLiteral("10"));
    session.setText(UnitForm::kRowsBox, QStringLiteral("50"));
    session.setText(UnitForm::kPagesBox, QStringLiteral("2"));
    session.generate();
    QCOMPARE(session.messages.messages, QStringList());
    const QString answerName = QString(fileName).replace(QStringLiteral(".xls"), QStringLiteral("答案.xls"));
    QCOMPARE(
        QDir(session.dir.path()).entryList(QDir::Files, QDir::Name), (QStringList { fileName, answerName }));
    const QList<QStringList> asked = sheetCells(session.dir.filePath(fileName));
    const QList<QStringList> answered = sheetCells(session.dir.filePath(answerName));
    QCOMPARE(asked.value(0), QStringList { title });
    QCOMPARE(answered.value(0), QStringList { title + QStringLiteral("答案") });
    QCOMPARE(asked.size(), qsizetype { 2 + 100 });
    QCOMPARE(answered.size(), asked.size());
    for (qsizetype r = 2; r < asked.size(); ++r) {
        QCOMPARE(asked[r].size(), qsizetype { 10 });
        QCOMPARE(answered[r].size(), qsizetype { 10 });
        // Cell for cell the same questions, the answer sheet's with their answers.
        for (qsizetype c = 0; c < 10; ++c) {
            QVERIFY2(answered[r][c].startsWith(asked[r][c]) && asked[r][c].endsWith(QLatin1Char('='))
                    && answered[r][c].size() > asked[r][c].size(),
                qPrintable(answered[r][c]));
        }
    }
}

void TestUnitWindows::mixedSheetHasItsNameAndAnswers()
{
    DrillSession session;
    session.build(MixedDrillDefinition {});
    session.choose(MixedForm::kSteps[2]);
    session.choose(DrillNames::kShowAnswers);
    session.generate();
    QCOMPARE(session.messages.messages, QStringList());
    QCOMPARE(QDir(session.dir.path()).entryList(QDir::Files), QStringList { "四则混合速算-4711.xls" });
    const QList<QStringList> lines
        = sheetCells(session.dir.filePath(QStringLiteral("四则混合速算-4711.xls")));
    QCOMPARE(lines.value(0), QStringList { QStringLiteral("小学四则混合速算试题") });
    QCOMPARE(lines.size(), qsizetype { 2 + 25 });
    // (a±b)×÷c or a×÷(b±c) …: one pair of brackets in every question, each with its answer.
    const QRegularExpression question(QStringLiteral(R"(^[0-9(]+[-+×÷][0-9()]+[-+×÷][0-9()]+=[0-9]+$)"));
    for (const QStringList& row : lines.mid(2)) {
        QCOMPARE(row.size(), qsizetype { 4 });
        for (const QString& cell : row) {
            QVERIFY2(question.match(cell).hasMatch() && cell.count(QLatin1Char('(')) == 1, qPrintable(cell));
        }
    }
    QVERIFY(session.text(RowForm::kCompletion).startsWith(QStringLiteral("智能生成[100]题已完成")));
}

void TestUnitWindows::numberedDrills()
{
    QTest::addColumn<bool>("mixed");
    QTest::newRow("教材同步") << false;
    QTest::newRow("四则混合") << true;
}

namespace {
DrillWindow& buildNumbered(DrillSession& session, bool mixed)
{
    DrillWindow& window
        = mixed ? session.build(MixedDrillDefinition {}) : session.build(UnitDrillDefinition {});
    if (!mixed) {
        session.pick(UnitForm::kBookList, QStringLiteral("二年级上册"));
        session.pick(UnitForm::kUnitList, QStringLiteral("第二单元 1～6的表内乘法"));
        session.pick(UnitForm::kEntryList, QStringLiteral("本单元综合"));
    }
    return window;
}

// The one sheet file of the folder whose name holds the number, and its bytes.
QByteArray sheetOf(const DrillSession& session, int number)
{
    const QStringList names
        = QDir(session.dir.path()).entryList({ QStringLiteral("*-%1.xls").arg(number) }, QDir::Files);
    return names.size() == 1 ? readBytes(session.dir.filePath(names.first())) : QByteArray();
}
} // namespace

void TestUnitWindows::everyStartGivesNewSheets()
{
    // Two starts of the program: each window's 编号 is drawn anew, and so is its sheet.
    QFETCH(bool, mixed);
    DrillSession first;
    DrillSession second;
    std::array<int, 2> numbers {};
    std::array<QByteArray, 2> sheets;
    for (DrillSession* session : { &first, &second }) {
        const std::size_t s = session == &first ? 0 : 1;
        const std::unique_ptr<DrillWindow> window = DrillRegistry::makeWindow(
            mixed ? DrillDefinition { MixedDrillDefinition {} } : DrillDefinition { UnitDrillDefinition {} },
            session->environment);
        session->window = window.get();
        bool ok = false;
        numbers[s] = session->text(SheetNumberTexts::kBoxName).toInt(&ok);
        QVERIFY(ok && numbers[s] >= 1 && numbers[s] <= 999999);
        session->generate();
        QCOMPARE(session->messages.messages, QStringList());
        sheets[s] = sheetOf(*session, numbers[s]);
        QVERIFY(!sheets[s].isEmpty());
        // The next sheet gets a new number.
        QVERIFY(session->text(SheetNumberTexts::kBoxName) != QString::number(numbers[s]));
        session->window = nullptr;
    }
    QVERIFY(numbers[0] != numbers[1]);
    QVERIFY(sheets[0] != sheets[1]);
}

void TestUnitWindows::theNumberFixesTheSheet_data()
{
    QTest::addColumn<bool>("mixed");
    QTest::addColumn<QString>("answers");
    for (const bool mixed : { false, true }) {
        const char* drill = mixed ? "四则混合" : "教材同步";
        for (const char* answers :
            { DrillNames::kHideAnswers, DrillNames::kShowAnswers, DrillNames::kSeparateAnswers }) {
            QTest::addRow("%s, %s", drill, answers) << mixed << QString::fromLatin1(answers);
        }
    }
}

void TestUnitWindows::theNumberFixesTheSheet()
{
    // The number alone, with the same settings, makes the same files byte for
    // byte, whatever was drawn before; another number makes another sheet.
    QFETCH(bool, mixed);
    QFETCH(QString, answers);
    const auto filesOf = [&](int number, int runsBefore) {
        DrillSession session;
        buildNumbered(session, mixed);
        session.choose(qPrintable(answers));
        for (int run = 0; run < runsBefore; ++run) {
            session.generate();
        }
        session.setText(SheetNumberTexts::kBoxName, QString::number(number));
        session.generate();
        std::vector<QByteArray> contents;
        for (const QString& name :
            QDir(session.dir.path())
                .entryList({ QStringLiteral("*-%1*.xls").arg(number) }, QDir::Files, QDir::Name)) {
            contents.push_back(readBytes(session.dir.filePath(name)));
        }
        return std::pair(QDir(session.dir.path())
                             .entryList({ QStringLiteral("*-%1*.xls").arg(number) }, QDir::Files, QDir::Name),
            contents);
    };
    const auto once = filesOf(27182, 0);
    const auto again = filesOf(27182, 2);
    QCOMPARE(once.first.size(), answers == QLatin1String(DrillNames::kSeparateAnswers) ? 2 : 1);
    QCOMPARE(again.first, once.first);
    QVERIFY(again.second == once.second);
    const auto other = filesOf(27183, 0);
    QVERIFY(other.second.front() != once.second.front());
}

void TestUnitWindows::generatingAfterAPreviewWritesThePreviewedSheet()
{
    QFETCH(bool, mixed);
    DrillSession session;
    buildNumbered(session, mixed);
    std::vector<PrintedPages> previews;
    const PreviewWindow::Handler previous
        = PreviewWindow::setHandler([&previews](QWidget*, const PrintedPages& pages, PrintTarget&) {
              previews.push_back(pages);
              return false;
          });
    const QString number = session.text(SheetNumberTexts::kBoxName);
    session.click(DrillNames::kPreview);
    // A preview keeps the number: it is the sheet still to be handed out.
    QCOMPARE(session.text(SheetNumberTexts::kBoxName), number);
    const QByteArray previewed = sheetOf(session, number.toInt());
    session.generate();
    QCOMPARE(session.messages.messages, QStringList());
    QVERIFY(!previewed.isEmpty());
    QCOMPARE(sheetOf(session, number.toInt()), previewed);
    QVERIFY(session.text(SheetNumberTexts::kBoxName) != number);
    // The number typed again shows the same pages.
    session.setText(SheetNumberTexts::kBoxName, number);
    session.click(DrillNames::kPreview);
    PreviewWindow::setHandler(previous);
    QCOMPARE(previews.size(), std::size_t { 2 });
    QVERIFY(previews[0] == previews[1]);
}

void TestUnitWindows::refusedSettingsWriteNothing_data()
{
    QTest::addColumn<bool>("mixed");
    QTest::addColumn<QStringList>("boxes"); // box, text, …
    QTest::addColumn<QStringList>("unticked");
    QTest::addColumn<QString>("message");
    QTest::newRow("unit, 11 a row") << false << QStringList { UnitForm::kPerRowBox, "11" } << QStringList {}
                                    << kCountsMessage;
    QTest::newRow("unit, no pages") << false << QStringList { UnitForm::kPagesBox, "0" } << QStringList {}
                                    << kCountsMessage;
    QTest::newRow("mixed, 51 rows") << true << QStringList { MixedForm::kRowsBox, "51" } << QStringList {}
                                    << kCountsMessage;
    QTest::newRow("mixed, largest 0") << true << QStringList { MixedForm::kLargestBox, "0" } << QStringList {}
                                      << MixedTexts::kLargestMessage;
    QTest::newRow("mixed, results not a number") << true << QStringList { MixedForm::kResultsBox, "1a" }
                                                 << QStringList {} << MixedTexts::kResultsMessage;
    QTest::newRow("mixed, nothing ticked")
        << true << QStringList {} << QStringList { "Check4", "Check5", "Check6", "Check7" }
        << MixedTexts::kNoOperationMessage;
    const QString numberMessage = QStringLiteral("输入编号错误！编号为1-999999。");
    for (const bool mixed : { false, true }) {
        for (const char* number : { "0", "1000000", "47a", "", "-5" }) {
            QTest::addRow("%s, 编号 \"%s\"", mixed ? "mixed" : "unit", number)
                << mixed << QStringList { SheetNumberTexts::kBoxName, QString::fromLatin1(number) }
                << QStringList {} << numberMessage;
        }
    }
    QTest::newRow("mixed, 乘 alone to 5")
        << true << QStringList { MixedForm::kResultsBox, "5" } << QStringList { "Check4", "Check5", "Check7" }
        << MixedTexts::kNoQuestionMessage;
}

void TestUnitWindows::refusedSettingsWriteNothing()
{
    QFETCH(bool, mixed);
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, unticked);
    QFETCH(QString, message);
    DrillSession session;
    if (mixed) {
        session.build(MixedDrillDefinition {});
    } else {
        session.build(UnitDrillDefinition {});
    }
    for (qsizetype i = 0; i + 1 < boxes.size(); i += 2) {
        session.setText(qPrintable(boxes[i]), boxes[i + 1]);
    }
    for (const QString& check : unticked) {
        session.tick(qPrintable(check), false);
    }
    session.generate();
    QCOMPARE(session.messages.messages, QStringList { message });
    QVERIFY(QDir(session.dir.path()).entryList(QDir::Files).isEmpty());
}

QTEST_MAIN(TestUnitWindows)
#include "test_unit_windows.moc"
