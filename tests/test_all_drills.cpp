// Every drill of the menu, opened through the shell: its default run writes
// the expected sheet, bad input gets a message and writes nothing, and the
// questions of the division-in-rows and multiplication-set drills obey their
// rules over a large run.

#include "TestSupport.h"

#include "drills/multiply/Multiplication.h"
#include "forms/DrillWindow.h"
#include "random/Draws.h"
#include "shell/MainWindow.h"
#include "shell/Shell.h"

#include <QAction>
#include <QCryptographicHash>
#include <QCursor>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <optional>

using namespace TestSupport;

namespace {
// A fresh program in a scratch working directory, without a printer.
struct Session {
    ScratchDir dir;
    MessageRecorder messages;
    NoPrinterTarget noPrinter;
    Shell shell { noPrinter };
};
} // namespace

class TestAllDrills : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initFonts(); }

    void defaultRunWritesItsSheet_data();
    void defaultRunWritesItsSheet();
    void badInputGivesAMessageAndNoFile_data();
    void badInputGivesAMessageAndNoFile();
    void layoutMessageNamesTheAcceptedCounts_data();
    void layoutMessageNamesTheAcceptedCounts();
    void upperGradeMultiplicationColumnsStayStraight();
    void divisionRowsAreExact();
    void multiplicationSetsAreCorrect();
    void sevenTermSheetIsUnchanged();

private:
    static DrillWindow* open(Shell& shell, const QString& entry)
    {
        shell.mainWindow()->entry(entry)->trigger();
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* drill = qobject_cast<DrillWindow*>(w); drill && drill->isVisible()) {
                return drill;
            }
        }
        return nullptr;
    }
};

void TestAllDrills::defaultRunWritesItsSheet_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("files");
    QTest::newRow("五笔加减") << "j5"
                              << "xqd5"
                              << "学前段五笔加减速算.xls"
                              << "小学学前段五笔加减速算试题" << 2 + 7 * 25 << 1;
    QTest::newRow("十笔加减") << "j10"
                              << "xqd10"
                              << "学前段十笔加减速算.xls"
                              << "小学学前段十笔加减速算试题" << 2 + 12 * 25 << 1;
    QTest::newRow("幼儿加减") << "yer"
                              << "yer1"
                              << "幼儿园10以内加减速算.xls"
                              << "小学幼儿园10以内加减速算试题" << 27 << 1;
    QTest::newRow("低段加减") << "ddjj"
                              << "ddjj1"
                              << "低段2位加减1位速算.xls"
                              << "小学低段2位加减1位速算试题" << 27 << 1;
    QTest::newRow("中段加减") << "zdjj"
                              << "zdjj1"
                              << "中段3位加减2位速算.xls"
                              << "小学中段3位加减2位速算试题" << 27 << 1;
    QTest::newRow("高段加减") << "gdjj"
                              << "gdjj1"
                              << "高段4位加减3位速算.xls"
                              << "小学高段4位加减3位速算试题" << 27 << 1;
    QTest::newRow("高段乘算") << "gdcs"
                              << "gdcs1"
                              << "高段3位乘2位速算.xls"
                              << "小学高段3位乘2位速算试题" << 122 << 1;
    QTest::newRow("高段除算") << "gdchs"
                              << "gdchs1"
                              << "高段3位除1位速算.xls"
                              << "小学高段3位除1位速算试题" << 122 << 1;
    QTest::newRow("综合乘算") << "zhch"
                              << "zhch1"
                              << "综合乘算1.xls"
                              << "小学综合乘算试题" << 18 << 10;
}

void TestAllDrills::defaultRunWritesItsSheet()
{
    QFETCH(QString, entry);
    QFETCH(QString, window);
    QFETCH(QString, file);
    QFETCH(QString, title);
    QFETCH(int, lines);
    QFETCH(int, files);
    Session session;
    auto& [dir, messages, noPrinter, shell] = session;
    DrillWindow* drill = open(shell, entry);
    QVERIFY(drill);
    QCOMPARE(drill->objectName(), window);
    QVERIFY(!shell.mainWindow()->isVisible());
    click(drill, "Command1");
    QVERIFY(messages.messages.isEmpty());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), files);
    const QStringList values = sheetValues(dir.filePath(file));
    QCOMPARE(values.size(), lines);
    QCOMPARE(values[0], title);
    QVERIFY(values[1].startsWith(QStringLiteral("学校：")));
    QVERIFY(drill->findChild<QLabel*>(QStringLiteral("Label1"))->text().contains(QLatin1Char('[')));
    click(drill, "Command2");
    QVERIFY(shell.mainWindow()->isVisible());
}

void TestAllDrills::badInputGivesAMessageAndNoFile_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    for (const char* entry : { "j5", "j10", "yer", "ddjj", "zdjj", "gdjj", "gdcs", "gdchs", "zhch" }) {
        QTest::addRow("%s letters", entry) << entry << "Text1"
                                           << "abc";
        QTest::addRow("%s empty", entry) << entry << "Text1"
                                         << "";
        QTest::addRow("%s zero", entry) << entry << "Text1"
                                        << "0";
    }
    QTest::newRow("高段除算 fewer dividend digits") << "gdchs"
                                                    << "Text2"
                                                    << "4";
    QTest::newRow("高段除算 one-digit dividend") << "gdchs"
                                                 << "Text1"
                                                 << "1";
    QTest::newRow("综合乘算 digits 7") << "zhch"
                                       << "w11"
                                       << "7";
    QTest::newRow("综合乘算 count 51") << "zhch"
                                       << "w13"
                                       << "51";
    QTest::newRow("综合乘算 digits 3.5") << "zhch"
                                         << "w11"
                                         << "3.5";
    QTest::newRow("综合乘算 count 2.5") << "zhch"
                                        << "w13"
                                        << "2.5";
    QTest::newRow("综合乘算 sets 2.5") << "zhch"
                                       << "Text1"
                                       << "2.5";
}

void TestAllDrills::badInputGivesAMessageAndNoFile()
{
    QFETCH(QString, entry);
    QFETCH(QString, box);
    QFETCH(QString, text);
    Session session;
    auto& [dir, messages, noPrinter, shell] = session;
    DrillWindow* drill = open(shell, entry);
    QVERIFY(drill);
    setText(drill, qPrintable(box), text);
    if (entry == QLatin1String("zhch") && box != QLatin1String("Text1")) {
        setText(drill, "Text1", QStringLiteral("1")); // one set: its grid messages show once
    }
    // The window shows the busy cursor while it runs, and only then.
    std::optional<Qt::CursorShape> cursorDuringRun;
    const MessageBox::Handler recorder = MessageBox::setHandler([&](QWidget* parent, const QString& text) {
        const QCursor* cursor = QGuiApplication::overrideCursor();
        cursorDuringRun = cursor ? cursor->shape() : Qt::ArrowCursor;
        recorder(parent, text);
    });
    click(drill, "Command1");
    MessageBox::setHandler(recorder);
    QCOMPARE(cursorDuringRun, std::optional(Qt::WaitCursor));
    QVERIFY(!QGuiApplication::overrideCursor());
    QVERIFY(!messages.messages.isEmpty());
    QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

void TestAllDrills::layoutMessageNamesTheAcceptedCounts_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("boxes"); // questions per row, rows per page, pages
    QTest::addColumn<QList<int>>("bounds"); // lowest and highest accepted, for each box
    const QStringList chainBoxes { "Text1", "Text3", "Text4" };
    const QStringList rowBoxes { "Text4", "Text5", "Text6" };
    QTest::newRow("五笔加减") << "j5" << chainBoxes << QList<int> { 2, 51, 2, 11, 1, 20 };
    QTest::newRow("十笔加减") << "j10" << chainBoxes << QList<int> { 2, 51, 2, 11, 1, 20 };
    for (const char* entry : { "yer", "ddjj", "zdjj", "gdjj" }) {
        QTest::newRow(entry) << entry << rowBoxes << QList<int> { 1, 20, 1, 50, 1, 40 };
    }
    QTest::newRow("高段乘算") << "gdcs" << rowBoxes << QList<int> { 1, 50, 1, 200, 1, 40 };
    QTest::newRow("高段除算") << "gdchs" << rowBoxes << QList<int> { 1, 50, 1, 200, 1, 40 };
}

// Each box is refused just outside its range and accepted at both ends, and
// the message names the ranges that are accepted.
void TestAllDrills::layoutMessageNamesTheAcceptedCounts()
{
    QFETCH(QString, entry);
    QFETCH(QStringList, boxes);
    QFETCH(QList<int>, bounds);
    Session session;
    auto& [dir, messages, noPrinter, shell] = session;
    DrillWindow* drill = open(shell, entry);
    QVERIFY(drill);
    for (int b = 0; b < 3; ++b) {
        auto* box = drill->findChild<QLineEdit*>(boxes[b]);
        QVERIFY(box);
        const QString initial = box->text();
        const int low = bounds[2 * b];
        const int high = bounds[2 * b + 1];
        for (const int value : { low - 1, low, high, high + 1 }) {
            messages.messages.clear();
            box->setText(QString::number(value));
            click(drill, "Command1");
            const bool refused = value < low || value > high;
            QCOMPARE(messages.messages.size(), refused ? 1 : 0);
            if (refused) {
                const QString& message = messages.messages.first();
                for (int k = 0; k < 3; ++k) {
                    const QString range = QStringLiteral("%1-%2").arg(bounds[2 * k]).arg(bounds[2 * k + 1]);
                    QVERIFY2(message.contains(range), qPrintable(message));
                }
            }
        }
        box->setText(initial);
    }
}

// A one-digit first factor with a five-digit second one and the products
// shown: every question starts its own column.
void TestAllDrills::upperGradeMultiplicationColumnsStayStraight()
{
    Session session;
    auto& [dir, messages, noPrinter, shell] = session;
    DrillWindow* drill = open(shell, QStringLiteral("gdcs"));
    QVERIFY(drill);
    setText(drill, "Text1", QStringLiteral("1"));
    setText(drill, "Text2", QStringLiteral("5"));
    drill->findChild<QRadioButton*>(QStringLiteral("Option1"))->setChecked(true);
    click(drill, "Command1");
    QVERIFY(messages.messages.isEmpty());
    const QStringList values = sheetValues(dir.filePath(QStringLiteral("高段1位乘5位速算.xls")));
    QCOMPARE(values.size(), 2 + 30 * 4);
    const QRegularExpression cell(QStringLiteral("^\\d×\\d{5}=\\d{5,6} +$"));
    for (const QString& row : values.mid(2)) {
        QCOMPARE(row.size(), 4 + 5 * 16);
        for (int q = 0; q < 5; ++q) {
            QVERIFY2(cell.match(row.mid(4 + 16 * q, 16)).hasMatch(), qPrintable(row));
        }
    }
}

void TestAllDrills::divisionRowsAreExact()
{
    Session session;
    auto& [dir, messages, noPrinter, shell] = session;
    DrillWindow* drill = open(shell, QStringLiteral("gdchs"));
    static const QRegularExpression question(QStringLiteral("^(\\d+)÷(\\d+)=(\\d+)$"));
    drill->findChild<QRadioButton*>(QStringLiteral("Option1"))->setChecked(true);
    for (const auto& [dividendDigits, divisorDigits] : { std::pair { 2, 1 }, { 4, 2 }, { 6, 5 }, { 5, 5 } }) {
        setText(drill, "Text1", QString::number(dividendDigits));
        setText(drill, "Text2", QString::number(divisorDigits));
        setText(drill, "Text4", QStringLiteral("10"));
        setText(drill, "Text6", QStringLiteral("2"));
        click(drill, "Command1");
        const QString file = QStringLiteral("高段%1位除%2位速算.xls").arg(dividendDigits).arg(divisorDigits);
        const QStringList rows = sheetValues(dir.filePath(file)).mid(2);
        QCOMPARE(rows.size(), 60);
        for (const QString& row : rows) {
            const QStringList cells = row.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            QCOMPARE(cells.size(), 10);
            for (const QString& cell : cells) {
                const auto match = question.match(cell);
                QVERIFY2(match.hasMatch(), qPrintable(cell));
                const qint64 dividend = match.captured(1).toLongLong();
                const qint64 divisor = match.captured(2).toLongLong();
                QCOMPARE(dividend, divisor * match.captured(3).toLongLong());
                QCOMPARE(match.captured(1).size(), dividendDigits);
                QCOMPARE(match.captured(2).size(), divisorDigits);
                // Never the power of ten itself: no divisor 1, 10, 100 …, no dividend 100, 1000 …
                QVERIFY(divisor > Draws::powerOfTen(divisorDigits - 1));
                QVERIFY(dividend > Draws::powerOfTen(dividendDigits - 1));
            }
        }
    }
}

void TestAllDrills::multiplicationSetsAreCorrect()
{
    Session session;
    auto& [dir, messages, noPrinter, shell] = session;
    DrillWindow* drill = open(shell, QStringLiteral("zhch"));
    drill->findChild<QRadioButton*>(QStringLiteral("Option1"))->setChecked(true);
    setText(drill, "w41", QStringLiteral("6"));
    setText(drill, "w42", QStringLiteral("5"));
    setText(drill, "w43", QStringLiteral("50"));
    click(drill, "Command1");
    static const QRegularExpression question(QStringLiteral("^(\\d+)×(\\d+)=(\\d+)$"));
    for (int set = 1; set <= 10; ++set) {
        const QStringList rows = sheetValues(dir.filePath(QStringLiteral("综合乘算%1.xls").arg(set))).mid(2);
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

void TestAllDrills::sevenTermSheetIsUnchanged()
{
    // The default seven-term sheet after a fresh start, as the drill wrote it
    // before it served five and ten terms as well.
    Session session;
    auto& [dir, messages, noPrinter, shell] = session;
    click(open(shell, QStringLiteral("j7")), "Command1");
    const QByteArray sheet = readBytes(dir.filePath(QStringLiteral("学前段七笔加减速算.xls")));
    QCOMPARE(QCryptographicHash::hash(sheet, QCryptographicHash::Sha256).toHex(),
        QByteArray("d630b74d5248591e82f5abce5abee7026aa18fad30e857643da61be61e8538d8"));
}

QTEST_MAIN(TestAllDrills)
#include "test_all_drills.moc"
