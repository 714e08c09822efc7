// SPDX-License-Identifier: GPL-3.0-or-later
// On a system whose fonts cannot draw Chinese (the suite runs with a font
// configuration of Latin fonts alone): nothing is printed or previewed, a
// message in Chinese and English says why, and the sheet file, being text,
// is written as usual.

#include "TestSupport.h"

#include "forms/PreviewWindow.h"
#include "output/OutputMessages.h"
#include "printing/FontCheck.h"

#include <QTest>

using namespace TestSupport;

class TestNoChineseFonts : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initFonts(); }
    void windowsSayTheyCannotShowChinese();
    void nothingIsPrintedOrPreviewed_data();
    void nothingIsPrintedOrPreviewed();
};

void TestNoChineseFonts::windowsSayTheyCannotShowChinese()
{
    QVERIFY(FontCheck::windowFontDraws(QStringLiteral("1+2=3")));
    QVERIFY(!FontCheck::windowFontDraws(QStringLiteral("中段乘算")));
}

void TestNoChineseFonts::nothingIsPrintedOrPreviewed_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::newRow("generate") << QByteArray(DrillNames::kGenerate);
    QTest::newRow("preview") << QByteArray(DrillNames::kPreview);
}

void TestNoChineseFonts::nothingIsPrintedOrPreviewed()
{
    QFETCH(QByteArray, button);
    bool previewed = false;
    const PreviewWindow::Handler previous
        = PreviewWindow::setHandler([&](QWidget*, const PrintedPages&, PrintTarget&) {
              previewed = true;
              return false;
          });
    DrillSession session;
    QVERIFY(session.open(QStringLiteral("zdcs")));
    session.tick(DrillNames::kToPrinter, true);
    session.click(button.constData());
    PreviewWindow::setHandler(previous);
    QCOMPARE(session.messages.messages,
        QStringList { OutputMessages::printFailedFilesKept(FontCheck::kNoChineseFont) });
    QVERIFY(!previewed);
    QVERIFY(!QFile::exists(session.printedPdf()));
    const QString name = QStringLiteral("中段3位乘1位速算.xls");
    QCOMPARE(readBytes(session.dir.filePath(name)),
        readBytes(goldenDir(QStringLiteral("zdcs"), false).filePath(name)));
}

QTEST_MAIN(TestNoChineseFonts)
#include "test_no_chinese_fonts.moc"
