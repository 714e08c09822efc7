// SPDX-License-Identifier: GPL-3.0-or-later
// What every drill window shares beyond its own settings: a separate answer
// sheet drawn from the same questions, the print preview that shows and
// prints exactly the pages a print run sends, and the keyboard: focus in the
// first settings box, Tab in screen order, Enter to generate, boxes named by
// their labels.

#include "TestSupport.h"

#include "common/DistinctTexts.h"
#include "forms/ChainForm.h"
#include "forms/PageView.h"
#include "forms/PreviewWindow.h"
#include "forms/RowForm.h"
#include "forms/SetForm.h"
#include "output/FrameLines.h"
#include "output/OutputMessages.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QTest>
#include <QTimer>

using namespace TestSupport;

namespace {
// Receives the preview's pages instead of opening the window, and prints
// them as its print button does.
class PreviewRecorder {
public:
    PreviewRecorder()
        : m_previous(PreviewWindow::setHandler(
            [this](QWidget* parent, const PrintedPages& shown, PrintTarget& target) {
                pages = shown;
                return PreviewWindow::print(parent, shown, target);
            }))
    {
    }
    ~PreviewRecorder() { PreviewWindow::setHandler(m_previous); }
    PrintedPages pages;

private:
    PreviewWindow::Handler m_previous;
};

// A printer that cannot print now, though it would take a job handed to it.
class RefusingTarget : public PdfPrintTarget {
public:
    using PdfPrintTarget::PdfPrintTarget;
    QString refusal() const override
    {
        return PrintMessages::printerRefuses(QStringLiteral("MirevaStopped"), PrintTexts::kStopped);
    }
};

// A printer that takes the check before the run but fails the job itself.
class FailingTarget : public PdfPrintTarget {
public:
    using PdfPrintTarget::PdfPrintTarget;
    PrintOutcome print(const PrintedPages&) override
    {
        return { PrintMessages::printFailed(QStringLiteral("MirevaReject"), PrintTexts::kNotAccepting), 0 };
    }
};

// The answer sheet kept for a drill, as a separate sheet names it: "答案"
// after the title on the first line.
QByteArray asSeparateAnswerSheet(QByteArray sheet)
{
    const qsizetype titleEnd = sheet.indexOf("\"\r\n");
    return sheet.insert(titleEnd, QByteArray(QStringEncoder("GBK")(QStringLiteral("答案"))));
}
} // namespace

class TestDrillPattern : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initFonts(); }
    void separateAnswerSheetHasTheSameQuestions_data();
    void separateAnswerSheetHasTheSameQuestions();
    void failedPrintEndsWithoutSuccessTexts_data();
    void failedPrintEndsWithoutSuccessTexts();
    void previewShowsAndPrintsThePagesOfARun_data();
    void previewShowsAndPrintsThePagesOfARun();
    void previewOpensOnTheWholeFirstPage_data();
    void previewOpensOnTheWholeFirstPage();
    void keyboardFollowsTheScreen_data();
    void keyboardFollowsTheScreen();
};

void TestDrillPattern::separateAnswerSheetHasTheSameQuestions_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("answerFile"); // the first answer file
    QTest::newRow("rows: 中段乘算") << "zdcs"
                                    << "中段3位乘1位速算答案.xls";
    QTest::newRow("rows: 幼儿加减") << "yer"
                                    << "幼儿园10以内加减速算答案.xls";
    QTest::newRow("chains: 七笔加减") << "j7"
                                      << "学前段七笔加减速算答案.xls";
    QTest::newRow("sets: 综合除算") << "zhc"
                                    << "综合除算1答案.xls";
}

void TestDrillPattern::separateAnswerSheetHasTheSameQuestions()
{
    // After a fresh start the question files are those of a run without
    // answers and the answer files those of a run with them, from the same
    // draws; and the next run goes on where a run without answers would.
    QFETCH(QString, entry);
    QFETCH(QString, answerFile);
    DrillSession session;
    QVERIFY(session.open(entry));
    session.choose(DrillNames::kSeparateAnswers);
    session.generate();
    QCOMPARE(session.messages.messages, QStringList());

    const QDir questions = goldenDir(entry, false);
    const QDir answers = goldenDir(entry, true);
    QStringList expected;
    for (const QString& name : questions.entryList(QDir::Files)) {
        expected << name;
        const QString difference = firstDifference(
            name, readBytes(questions.filePath(name)), readBytes(session.dir.filePath(name)));
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }
    for (const QString& name : answers.entryList(QDir::Files)) {
        const QString answerName = FrameLines::answerFileName(name);
        expected << answerName;
        const QString difference
            = firstDifference(answerName, asSeparateAnswerSheet(readBytes(answers.filePath(name))),
                readBytes(session.dir.filePath(answerName)));
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }
    expected.sort();
    QCOMPARE(QDir(session.dir.path()).entryList(QDir::Files, QDir::Name), expected);
    QVERIFY(expected.contains(answerFile));
}

void TestDrillPattern::failedPrintEndsWithoutSuccessTexts_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QByteArray>("progressBox");
    QTest::addColumn<QByteArray>("completionLabel");
    QTest::newRow("rows") << "zdcs" << QByteArray(RowForm::kProgress) << QByteArray(RowForm::kCompletion);
    QTest::newRow("chains") << "j7" << QByteArray(ChainForm::kProgress) << QByteArray(ChainForm::kCompletion);
    QTest::newRow("sets") << "zhc" << QByteArray(SetForm::kProgress) << QByteArray(SetForm::kCompletion);
}

void TestDrillPattern::failedPrintEndsWithoutSuccessTexts()
{
    // A job the printer fails after a done run: every family ends alike, on
    // the message alone, though a set drill showed its texts after each set.
    QFETCH(QString, entry);
    QFETCH(QByteArray, progressBox);
    QFETCH(QByteArray, completionLabel);
    QTemporaryDir paper;
    FailingTarget failing(paper.filePath(QStringLiteral("never.pdf")));
    DrillSession session(failing);
    QVERIFY(session.open(entry));
    session.generate();
    QVERIFY(!session.text(progressBox.constData()).isEmpty());
    session.tick(DrillNames::kToPrinter, true);
    session.generate();
    QCOMPARE(session.messages.messages,
        QStringList { OutputMessages::printFailedFilesKept(
            PrintMessages::printFailed(QStringLiteral("MirevaReject"), PrintTexts::kNotAccepting)) });
    QCOMPARE(session.text(progressBox.constData()), QString());
    QCOMPARE(session.text(completionLabel.constData()), QString());
}

void TestDrillPattern::previewShowsAndPrintsThePagesOfARun_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("title");
    QTest::newRow("rows") << "zdcs"
                          << "*小学中段3位乘1位速算试题*";
    QTest::newRow("chains") << "j7"
                            << "*小学学前段七笔加减速算试题*";
    QTest::newRow("sets with answer sheet") << "zhc"
                                            << "*小学综合除算试题*1";
}

void TestDrillPattern::previewShowsAndPrintsThePagesOfARun()
{
    QFETCH(QString, entry);
    QFETCH(QString, title);
    // A set drill's answers go to an answer sheet of their own.
    const bool separateAnswers
        = std::holds_alternative<SetDrillDefinition>(DrillRegistry::find(entry)->definition);
    QStringList printed;
    {
        DrillSession session;
        QVERIFY(session.open(entry));
        session.tick(DrillNames::kToPrinter, true);
        session.tick(DrillNames::kToFile, false);
        if (separateAnswers) {
            session.choose(DrillNames::kSeparateAnswers);
        }
        session.generate();
        QCOMPARE(session.messages.messages, QStringList());
        printed = pdfPages(session.printedPdf());
    }
    QVERIFY(!printed.isEmpty());
    // The printed text is the real characters, title and footer alike.
    QVERIFY2(nonEmptyLines(printed.first()).first().trimmed() == title, qPrintable(printed.first()));
    QVERIFY(nonEmptyLines(printed.last()).last().contains(QStringLiteral("小学数学速算自动出题系统")));

    // The same run previewed after a fresh start, the printer not ticked,
    // and printed from the preview.
    DrillSession session;
    PreviewRecorder preview;
    DrillWindow* drill = session.open(entry);
    if (separateAnswers) {
        session.choose(DrillNames::kSeparateAnswers);
    }
    session.click(DrillNames::kPreview);
    QCOMPARE(session.messages.messages, QStringList());
    QCOMPARE(preview.pages.size(), printed.size());
    QCOMPARE(pdfPages(session.printedPdf()), printed);
    // Its PDF file is the print, page for page; one that cannot be written
    // gets its message and leaves nothing.
    const QString saved = session.paper.filePath(QStringLiteral("saved.pdf"));
    QVERIFY(PreviewWindow::savePdf(drill, preview.pages, PrintTarget::a4(), saved));
    QCOMPARE(pdfPages(saved), printed);
    const QString nowhere = session.paper.filePath(QStringLiteral("no folder/saved.pdf"));
    QVERIFY(!PreviewWindow::savePdf(drill, preview.pages, PrintTarget::a4(), nowhere));
    QCOMPARE(
        session.messages.messages, QStringList { PrintMessages::pdfFailed(QStringLiteral("saved.pdf")) });
    QVERIFY(!QFileInfo::exists(nowhere));
    session.messages.messages.clear();
    // The preview run writes the sheet file as the generate button does.
    const QDir golden = goldenDir(entry, false);
    const QString name = golden.entryList(QDir::Files).first();
    QCOMPARE(readBytes(session.dir.filePath(name)), readBytes(golden.filePath(name)));
    // And it reports the run as done.
    for (const QLineEdit* box : drill->findChildren<QLineEdit*>()) {
        if (box->isReadOnly()) {
            QCOMPARE(box->text().trimmed(), DrillTexts::kDone);
        }
    }
    // Printing from the preview asks the printer first: one that refuses gets its message and no job.
    const QString refusedPdf = session.paper.filePath(QStringLiteral("refused.pdf"));
    RefusingTarget stopped(refusedPdf);
    QVERIFY(!PreviewWindow::print(drill, preview.pages, stopped));
    QCOMPARE(session.messages.messages, QStringList { stopped.refusal() });
    QVERIFY(!QFile::exists(refusedPdf));
}

void TestDrillPattern::previewOpensOnTheWholeFirstPage_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QByteArray>("perRowBox");
    QTest::addColumn<QString>("perRow");
    QTest::addColumn<QByteArray>("completion");
    QTest::addColumn<bool>("sideways"); // and printed below 8 pt
    QTest::newRow("中段乘算 upright")
        << "zdcs" << QByteArray(RowForm::kPerRowBox) << "5" << QByteArray(RowForm::kCompletion) << false;
    QTest::newRow("七笔加减 30 a row, sideways")
        << "j7" << QByteArray(ChainForm::kPerRowBox) << "30" << QByteArray(ChainForm::kCompletion) << true;
}

void TestDrillPattern::previewOpensOnTheWholeFirstPage()
{
    // The real preview window on A4: its first view holds the whole first
    // page, upright or sideways; small print is told there and, in full,
    // in the drill window.
    QFETCH(QString, entry);
    QFETCH(QByteArray, perRowBox);
    QFETCH(QString, perRow);
    QFETCH(QByteArray, completion);
    QFETCH(bool, sideways);
    DrillSession session;
    DrillWindow* drill = session.open(entry);
    drill->resize(700, 1000); // a tall window: a sideways page fitted to its height would not fit its width
    session.setText(perRowBox.constData(), perRow);
    QRect firstPage;
    QRect viewport;
    QString note;
    bool seen = false;
    QTimer looker;
    QObject::connect(&looker, &QTimer::timeout, [&] {
        QWidget* preview = QApplication::activeModalWidget();
        const auto* view = preview ? preview->findChild<PageView*>(QStringLiteral("pages")) : nullptr;
        if (!view) {
            return;
        }
        const QWidget* sheet
            = view->widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).constFirst();
        firstPage = QRect(sheet->mapTo(view->viewport(), QPoint()), sheet->size());
        viewport = view->viewport()->rect();
        const auto* label = preview->findChild<QLabel*>(QStringLiteral("smallPrint"));
        note = label ? label->text() : QString();
        seen = true;
        preview->close();
    });
    looker.start(300);
    session.click(DrillNames::kPreview);
    looker.stop();
    QCOMPARE(session.messages.messages, QStringList());
    QVERIFY(seen);
    QCOMPARE(firstPage.width() > firstPage.height(), sideways);
    QVERIFY2(viewport.contains(firstPage),
        qPrintable(QStringLiteral("%1,%2 %3x%4 in %5x%6")
                       .arg(firstPage.x())
                       .arg(firstPage.y())
                       .arg(firstPage.width())
                       .arg(firstPage.height())
                       .arg(viewport.width())
                       .arg(viewport.height())));
    // The page fills the view in one direction at least.
    QVERIFY(firstPage.width() * 10 > viewport.width() * 8 || firstPage.height() * 10 > viewport.height() * 8);

    static const QRegularExpression smallPrint(
        QStringLiteral("注意：打印字号只有\\d\\.\\d磅，建议减少每行题数。$"));
    QCOMPARE(smallPrint.match(note).hasMatch(), sideways);
    const auto* label = session.child<QLabel>(completion.constData());
    QVERIFY(label);
    QCOMPARE(smallPrint.match(label->text()).hasMatch(), sideways);
    // Every word of the completion label shows: it is as tall as its wrapped text.
    QVERIFY(label->height() >= label->heightForWidth(label->width()));
}

void TestDrillPattern::keyboardFollowsTheScreen_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("firstTitle");
    QTest::addColumn<QStringList>("order");
    using namespace DrillNames;
    const QStringList end { kHideAnswers, kToPrinter, kToFile, kGenerate, kPreview, kReturn };
    const QStringList chain { ChainForm::kPerRowBox, ChainForm::kRowsBox, ChainForm::kPagesBox };
    using namespace RowForm;
    const QStringList rows { kFirstBox, kSecondBox, kPerRowBox, kRowsBox, kPagesBox };
    const QStringList addSub = rows
        + QStringList { kThreeNumbersCheck, kMixed, DistinctTexts::kCheckName, kAnyCarry, kResultForm };
    // The grid column by column, then questions per row and the number of sets.
    QStringList sets;
    for (std::size_t column = 0; column < 3; ++column) {
        for (const auto& kind : SetForm::kBoxNames) {
            sets << kind[column];
        }
    }
    sets << SetForm::kPerRowBox << SetForm::kSetsBox;
    QTest::newRow("chains") << "j7"
                            << "每排生成题数" << chain + end;
    QTest::newRow("rows") << "zdcs"
                          << "第一因数位数" << rows + end;
    QTest::newRow("add and subtract") << "ddjj"
                                      << "第一个数位数" << addSub + end;
    QTest::newRow("sets") << "zhc"
                          << "被除数位数" << sets + end;
}

void TestDrillPattern::keyboardFollowsTheScreen()
{
    QFETCH(QString, entry);
    QFETCH(QString, firstTitle);
    QFETCH(QStringList, order);
    DrillSession session;
    DrillWindow* drill = session.open(entry);
    QVERIFY(QTest::qWaitForWindowActive(drill));

    // Opening puts the focus in the first box with its text selected, ready to be typed over.
    auto* first = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(first);
    QCOMPARE(first->objectName(), order.first());
    QCOMPARE(first->selectedText(), first->text());
    // A set drill's grid boxes stand under column titles, not beside a label.
    if (!std::holds_alternative<SetDrillDefinition>(DrillRegistry::find(entry)->definition)) {
        QCOMPARE(QAccessible::queryAccessibleInterface(first)->text(QAccessible::Name), firstTitle);
    }

    QStringList visited;
    for (qsizetype i = 0; i < order.size(); ++i) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited, order);
    // The arrow keys choose within the answers group.
    auto* hidden = session.child<QRadioButton>(DrillNames::kHideAnswers);
    hidden->setFocus();
    QTest::keyClick(hidden, Qt::Key_Down); // the chain window stacks its options
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right); // the others set them side by side
    QVERIFY(!hidden->isChecked());
    session.choose(DrillNames::kHideAnswers);
    first->setFocus();

    // 得数不超过 stands above the settings: its box is passed over until it is
    // ticked, and then follows it, before the first settings box.
    if (auto* limit = session.child<QCheckBox>(RowForm::kLimitCheck)) {
        QVERIFY(!session.child(RowForm::kLimitBox)->isEnabled());
        limit->setChecked(true);
        limit->setFocus();
        QTest::keyClick(limit, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(RowForm::kLimitBox));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), first);
        limit->setChecked(false);
    }

    // Enter in a settings box generates.
    QTest::keyClick(first, Qt::Key_Return);
    QCOMPARE(session.messages.messages, QStringList());
    QVERIFY(!QDir(session.dir.path()).entryList(QDir::Files).isEmpty());
}

QTEST_MAIN(TestDrillPattern)
#include "test_drill_pattern.moc"
