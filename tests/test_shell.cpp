// SPDX-License-Identifier: GPL-3.0-or-later
// The application shell: windows, titles, the menu with its captions and
// shortcuts, navigation between the main window, the drills and help, and
// ending the program.

#include "MirevaVersion.h"
#include "TestSupport.h"
#include "common/QtTranslation.h"

#include "forms/RowForm.h"
#include "forms/WrappingCheckBox.h"
#include "shell/DrillRegistry.h"
#include "shell/HelpWindow.h"
#include "shell/MainWindow.h"
#include "shell/SheetFolder.h"
#include "shell/Shell.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <optional>

using namespace TestSupport;

class TestShell : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initFonts(); }
    void init() { m_shell = std::make_unique<Shell>(m_noPrinter, m_sheetFolder.path()); }
    void cleanup() { m_shell.reset(); }

    void startShowsOnlyTheMainWindowWithTheCommonTitle();
    void menusHaveTheirCaptionsInOrder();
    void entriesHaveTheirCaptionsAndShortcuts_data();
    void entriesHaveTheirCaptionsAndShortcuts();
    void drillEntryOpensItsWindowAndReturnComesBack_data();
    void drillEntryOpensItsWindowAndReturnComesBack();
    void typedValueSurvivesReturnAndReopen();
    void closingADrillWindowReturnsToTheMainWindow();
    void shortcutsDoNothingInADrillWindow();
    void helpShowsInFrontOfTheMainWindowAndCloses();
    void helpTextHasItsThirteenLines();
    void qtSpeaksChinese();
    void programEnds_data();
    void programEnds();
    void textsFitTheirControls_data();
    void textsFitTheirControls();
    void sheetFolderFollowsHowTheProgramStarted_data();
    void sheetFolderFollowsHowTheProgramStarted();

private:
    void trigger(const char* entry)
    {
        QAction* action = m_shell->mainWindow()->entry(QLatin1String(entry));
        QVERIFY2(action, entry);
        action->trigger();
    }

    NoPrinterTarget m_noPrinter;
    QTemporaryDir m_sheetFolder;
    std::unique_ptr<Shell> m_shell;
};

void TestShell::startShowsOnlyTheMainWindowWithTheCommonTitle()
{
    m_shell->start();
    QVERIFY(m_shell->mainWindow()->isVisible());
    QVERIFY(m_shell->mainWindow()->isMaximized());
    QVERIFY(!m_shell->helpWindow()->isVisible());
    QCOMPARE(m_shell->mainWindow()->windowTitle(), ShellTexts::kTitle);
    QCOMPARE(m_shell->helpWindow()->windowTitle(), ShellTexts::kTitle);
    for (const DrillEntry& entry : DrillRegistry::drills()) {
        DrillWindow* drill = m_shell->drillWindow(QLatin1String(entry.window));
        QVERIFY2(drill, entry.window);
        QVERIFY(!drill->isVisible());
        QCOMPARE(drill->windowTitle(), ShellTexts::kTitle);
    }
}

void TestShell::menusHaveTheirCaptionsInOrder()
{
    QStringList names;
    QStringList captions;
    for (QAction* action : m_shell->mainWindow()->menuBar()->actions()) {
        names << action->menu()->objectName();
        captions << action->text();
    }
    QCOMPARE(names, (QStringList { "xqd", "dd", "zd", "gd", "zh", "jc", "help", "quit" }));
    QCOMPARE(captions,
        (QStringList { "学前段(X)", "低段(&D)", "中段(&Z)", "高段(&G)", "综合(&Z)", "教材同步(&J)",
            "帮助(&H)", "退出(&X)" }));
}

void TestShell::entriesHaveTheirCaptionsAndShortcuts_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");
    for (const DrillEntry& drill : DrillRegistry::drills()) {
        QTest::newRow(drill.entry) << drill.menu << drill.entry << drill.caption << drill.shortcut;
    }
    QTest::newRow("bz") << "help"
                        << "bz"
                        << "帮助" << QKeySequence(Qt::Key_F1);
    QTest::newRow("tcxt") << "quit"
                          << "tcxt"
                          << "退出系统" << QKeySequence(Qt::CTRL | Qt::Key_Q);
}

void TestShell::entriesHaveTheirCaptionsAndShortcuts()
{
    QFETCH(QString, menu);
    QFETCH(QString, entry);
    QFETCH(QString, caption);
    QFETCH(QKeySequence, shortcut);
    auto* m = m_shell->mainWindow()->findChild<QMenu*>(menu);
    QVERIFY(m);
    QAction* action = m_shell->mainWindow()->entry(entry);
    QVERIFY(action);
    QVERIFY(m->actions().contains(action));
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->shortcut(), shortcut);
    QCOMPARE(action->shortcutContext(), Qt::WindowShortcut);
    QVERIFY(action->isEnabled() && action->isVisible() && !action->isCheckable());
    // No other entry answers the same keys.
    for (const QAction* other : m_shell->mainWindow()->findChildren<QAction*>()) {
        QVERIFY2(other == action || other->shortcut() != shortcut, qPrintable(other->objectName()));
    }
}

void TestShell::drillEntryOpensItsWindowAndReturnComesBack_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("window");
    for (const DrillEntry& drill : DrillRegistry::drills()) {
        QTest::newRow(drill.entry) << drill.entry << drill.window;
    }
}

void TestShell::drillEntryOpensItsWindowAndReturnComesBack()
{
    QFETCH(QString, entry);
    QFETCH(QString, window);
    m_shell->start();
    trigger(qPrintable(entry));
    DrillWindow* drill = m_shell->drillWindow(window);
    QVERIFY(drill->isVisible());
    QVERIFY(drill->isMaximized());
    QVERIFY(!m_shell->mainWindow()->isVisible());
    click(drill, DrillNames::kReturn);
    QVERIFY(!drill->isVisible());
    QVERIFY(m_shell->mainWindow()->isVisible());
}

void TestShell::typedValueSurvivesReturnAndReopen()
{
    m_shell->start();
    trigger("zdcs");
    DrillWindow* drill = m_shell->drillWindow(QStringLiteral("zdcs1"));
    setText(drill, RowForm::kRowsBox, QStringLiteral("12"));
    click(drill, DrillNames::kReturn);
    trigger("zdcs");
    QCOMPARE(drill->findChild<QLineEdit*>(RowForm::kRowsBox)->text(), QStringLiteral("12"));
}

void TestShell::closingADrillWindowReturnsToTheMainWindow()
{
    m_shell->start();
    trigger("zdcs");
    DrillWindow* drill = m_shell->drillWindow(QStringLiteral("zdcs1"));
    drill->close();
    QVERIFY(!drill->isVisible());
    QVERIFY(m_shell->mainWindow()->isVisible());
}

void TestShell::shortcutsDoNothingInADrillWindow()
{
    m_shell->start();
    trigger("zdcs");
    DrillWindow* drill = m_shell->drillWindow(QStringLiteral("zdcs1"));
    QApplication::setActiveWindow(drill);
    QVERIFY(QTest::qWaitForWindowActive(drill));
    QTest::keyClick(drill, Qt::Key_F1);
    QTest::keyClick(drill, Qt::Key_F3);
    QTest::keyClick(drill, Qt::Key_F7, Qt::ControlModifier);
    QVERIFY(!m_shell->helpWindow()->isVisible());
    QVERIFY(!m_shell->drillWindow(QStringLiteral("zhcs2"))->isVisible());
    QVERIFY(!m_shell->drillWindow(QStringLiteral("xqd7"))->isVisible());
    QVERIFY(drill->isVisible());

    // The same keys act in the main window.
    click(drill, DrillNames::kReturn);
    QApplication::setActiveWindow(m_shell->mainWindow());
    QVERIFY(QTest::qWaitForWindowActive(m_shell->mainWindow()));
    QTest::keyClick(m_shell->mainWindow(), Qt::Key_F1);
    QVERIFY(m_shell->helpWindow()->isVisible());
}

void TestShell::helpShowsInFrontOfTheMainWindowAndCloses()
{
    m_shell->start();
    trigger("bz");
    HelpWindow* help = m_shell->helpWindow();
    QVERIFY(help->isVisible());
    QVERIFY(help->isMaximized());
    QVERIFY(m_shell->mainWindow()->isVisible());
    trigger("bz"); // never a second help window
    const QWidgetList windows = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(windows.begin(), windows.end(),
                 [](QWidget* w) { return qobject_cast<HelpWindow*>(w) != nullptr; }),
        1);
    click(help, HelpNames::kClose);
    QVERIFY(!help->isVisible());
    QVERIFY(m_shell->mainWindow()->isVisible());
}

void TestShell::helpTextHasItsThirteenLines()
{
    const QStringList lines = m_shell->helpWindow()
                                  ->findChild<QPlainTextEdit*>(HelpNames::kText)
                                  ->toPlainText()
                                  .split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 13);
    QCOMPARE(lines[0], QStringLiteral("MirevaV") + MirevaVersion::kNumber);
    for (int empty : { 1, 3, 5, 7, 11 }) {
        QVERIFY(lines[empty].isEmpty());
    }
    QCOMPARE(
        lines[4], QStringLiteral("软件说明：1.能自动生成学前段，小学低、中、高段的加减、乘、除速算题。"));
    QCOMPARE(lines[6],
        QStringLiteral(
            "2."
            "该题可直接生成输出到打印机，无需任何设置；也可将题自动导入到EXCEL软件里，简单修改，即可打印。"));
    QCOMPARE(lines[8],
        QStringLiteral("3."
                       "生成的题如果是用Excel导出，不要直接双击该文件进入。而是先打开Excel，再从Excel里打开该"
                       "文件，此时"));
    QCOMPARE(lines[9],
        QStringLiteral(
            "会出现“文本导入向导”，这时直接点击“完成”即可。再进入Excel将“引号”替换为空格将引号去掉，再根"));
    QCOMPARE(lines[10], QStringLiteral("据自己的需要调整宽度、高度、字体、字号，还可设页眉、页脚。"));
    QCOMPARE(lines[12], QStringLiteral("4.如果需要题和答案同时输出，只需分两次生成即可。"));
}

// Runs the event loop, does the action in it and returns the loop's exit
// code: 0 when the program ended, 1 when it was still running 10 s later.
static int exitCodeAfter(const std::function<void()>& action)
{
    QTimer::singleShot(0, qApp, action);
    QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(1); });
    return QApplication::exec();
}

void TestShell::programEnds_data()
{
    QTest::addColumn<bool>("helpOpen");
    QTest::addColumn<bool>("byMenu");
    // The help and drill windows refuse to close (they hide), which must not
    // keep the program alive.
    QTest::newRow("quit entry") << false << true;
    QTest::newRow("quit entry with help open") << true << true;
    QTest::newRow("closing the main window") << false << false;
    QTest::newRow("closing the main window with help open") << true << false;
}

void TestShell::programEnds()
{
    QFETCH(bool, helpOpen);
    QFETCH(bool, byMenu);
    m_shell->start();
    if (helpOpen) {
        trigger("bz");
        QVERIFY(m_shell->helpWindow()->isVisible());
    }
    QCOMPARE(exitCodeAfter([this, byMenu] {
        if (byMenu) {
            trigger("tcxt");
        } else {
            m_shell->mainWindow()->close();
        }
    }),
        0);
}

void TestShell::textsFitTheirControls_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("checkBoxes"); // the outputs, and the check boxes the drill offers
    for (const DrillEntry& drill : DrillRegistry::drills()) {
        QTest::newRow(drill.window) << drill.window << 2 + offeredCheckBoxes(drill.definition);
    }
}

// Captions and the completion text wrap within their controls and are never
// cut off, at the sizes the windows give them.
void TestShell::textsFitTheirControls()
{
    QFETCH(QString, window);
    QFETCH(int, checkBoxes);
    MessageRecorder messages;
    DrillWindow* drill = m_shell->drillWindow(window);
    QVERIFY(drill);
    drill->findChild<QCheckBox*>(DrillNames::kToFile)->setChecked(false);
    click(drill, DrillNames::kGenerate);
    QCOMPARE(messages.messages, QStringList());

    const auto boxes = drill->findChildren<WrappingCheckBox*>();
    QCOMPARE(boxes.size(), checkBoxes);
    for (WrappingCheckBox* box : boxes) {
        QCOMPARE(box->font().pointSizeF(), 12.0);
        const QRect room = box->captionRect();
        const QRect needed = box->fontMetrics().boundingRect(room, Qt::TextWordWrap, box->text());
        QVERIFY2(needed.height() <= room.height() && needed.width() <= room.width(), qPrintable(box->text()));
        // What is drawn: a caption wider than its room takes a second line.
        if (box->fontMetrics().horizontalAdvance(box->text()) > room.width()) {
            const QImage image = box->grab().toImage();
            int top = image.height();
            int bottom = -1;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = room.left(); x <= room.right() && x < image.width(); ++x) {
                    if (qGray(image.pixel(x, y)) < 128) {
                        top = std::min(top, y);
                        bottom = std::max(bottom, y);
                    }
                }
            }
            QVERIFY2(bottom - top + 1 > box->fontMetrics().height() * 1.3, qPrintable(box->text()));
        }
    }
    for (const QRadioButton* option : drill->findChildren<QRadioButton*>()) {
        QVERIFY2(option->sizeHint().width() <= option->width(), qPrintable(option->text()));
    }
    for (const QLabel* label : drill->findChildren<QLabel*>()) {
        if (label->wordWrap()) {
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(label->text()));
        } else {
            QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->text()));
        }
    }
}

void TestShell::qtSpeaksChinese()
{
    // Qt's own buttons read in the teacher's language once its translations are in.
    QVERIFY(QtTranslation::install());
    QMessageBox box(QMessageBox::NoIcon, QString(), QString(), QMessageBox::Ok);
    QCOMPARE(box.button(QMessageBox::Ok)->text(), QStringLiteral("确定"));
}

void TestShell::sheetFolderFollowsHowTheProgramStarted_data()
{
    // Paths are relative to a scratch folder, where the program starts; "" is
    // that folder itself.
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("documents");
    QTest::addColumn<bool>("documentsIsAFile");
    QTest::addColumn<QString>("home");
    QTest::addColumn<QString>("expected");

    const QString menu = SheetFolder::kDocumentsOption;
    QTest::addRow("from a shell: the folder it started in")
        << QStringList { "mireva" } << "Documents" << false << "home"
        << "";
    QTest::addRow("from the menu: Mireva made in a documents folder not there yet")
        << QStringList { "mireva", menu } << "Documents" << false << "home"
        << "Documents/Mireva";
    QTest::addRow("from the menu: Mireva in a documents folder that holds it already")
        << QStringList { "mireva", menu } << "home/文档" << false << "home"
        << "home/文档/Mireva";
    QTest::addRow("from the menu, Mireva cannot be made: the home folder")
        << QStringList { "mireva", menu } << "Documents" << true << "home"
        << "home";
    QTest::addRow("from the menu, no documents folder known: the home folder")
        << QStringList { "mireva", menu } << "" << false << "home"
        << "home";
    QTest::addRow("from the menu, neither documents nor home folder: where it started")
        << QStringList { "mireva", menu } << "" << false << "gone"
        << "";
}

void TestShell::sheetFolderFollowsHowTheProgramStarted()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, documents);
    QFETCH(bool, documentsIsAFile);
    QFETCH(QString, home);
    QFETCH(QString, expected);

    QTemporaryDir scratch;
    const QDir start(scratch.path());
    QVERIFY(start.mkpath("home/文档/Mireva"));
    if (documentsIsAFile) {
        QFile file(start.filePath(documents));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot create .*Documents/Mireva"));
    }
    const QString documentsPath = documents.isEmpty() ? QString() : start.filePath(documents);
    const QString working = QDir::currentPath();

    const QString folder = SheetFolder::choose(arguments, start.path(), documentsPath, start.filePath(home));

    const QString wanted = QFileInfo(start.filePath(expected)).canonicalFilePath();
    QVERIFY2(!wanted.isEmpty(), qPrintable(expected));
    QCOMPARE(QFileInfo(folder).canonicalFilePath(), wanted);
    QCOMPARE(QDir::currentPath(), working); // the folder is a value: nothing enters it
    if (expected.isEmpty()) {
        QVERIFY(!start.exists("Documents"));
    }

    // A run writes its sheet into that folder.
    NoPrinterTarget noPrinter;
    MessageRecorder messages;
    Shell shell(noPrinter, folder);
    DrillWindow* drill = shell.drillWindow(QStringLiteral("zdcs1"));
    click(drill, DrillNames::kGenerate);
    QCOMPARE(messages.messages, QStringList());
    QVERIFY(QFileInfo::exists(QDir(folder).filePath(QStringLiteral("中段3位乘1位速算.xls"))));
}

QTEST_MAIN(TestShell)
#include "test_shell.moc"
