// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"

#include "common/Fonts.h"
#include "common/GbkEncoder.h"
#include "forms/DrillWindow.h"
#include "shell/MainWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTest>

MessageRecorder::MessageRecorder()
    : m_previous(MessageBox::setHandler([this](QWidget*, const QString& text) { messages.append(text); }))
{
}

MessageRecorder::~MessageRecorder()
{
    MessageBox::setHandler(m_previous);
}

QByteArray TestSupport::readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

QStringList TestSupport::sheetValues(const QString& path)
{
    QStringList lines = GbkEncoder::instance().decode(readBytes(path)).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    QStringList values;
    for (const QString& line : lines) {
        values.append(
            line.size() >= 2 && line.startsWith(QLatin1Char('"')) ? line.mid(1, line.size() - 2) : line);
    }
    return values;
}

QList<QStringList> TestSupport::sheetCells(const QString& path)
{
    QStringList lines = GbkEncoder::instance().decode(readBytes(path)).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    QList<QStringList> rows;
    for (const QString& line : lines) {
        QStringList cells;
        for (const QString& cell : line.split(QLatin1Char('\t'))) {
            const bool quoted
                = cell.size() >= 2 && cell.startsWith(QLatin1Char('"')) && cell.endsWith(QLatin1Char('"'));
            cells.append(quoted ? cell.mid(1, cell.size() - 2) : cell);
        }
        rows.append(cells);
    }
    return rows;
}

QString TestSupport::gbk(const QString& text)
{
    return QString::fromLatin1(GbkEncoder::instance().encode(text).toHex());
}

QStringList TestSupport::pdfPages(const QString& pdfPath)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), { QStringLiteral("-layout"), pdfPath, QStringLiteral("-") });
    if (!process.waitForFinished(60000)) {
        return {};
    }
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    QStringList pages = text.split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) {
        pages.removeLast();
    }
    return pages;
}

QImage TestSupport::renderedPage(const QString& pdfPath, int page, bool ghostscript)
{
    const QString number = QString::number(page);
    QProcess process;
    if (ghostscript) {
        process.start(QStringLiteral("gs"),
            { QStringLiteral("-q"), QStringLiteral("-dNOPAUSE"), QStringLiteral("-dBATCH"),
                QStringLiteral("-dSAFER"), QStringLiteral("-sDEVICE=pgmraw"), QStringLiteral("-r100"),
                QStringLiteral("-dTextAlphaBits=4"), QStringLiteral("-dGraphicsAlphaBits=4"),
                QStringLiteral("-dFirstPage=") + number, QStringLiteral("-dLastPage=") + number,
                QStringLiteral("-sOutputFile=-"), pdfPath });
    } else {
        process.start(QStringLiteral("pdftoppm"),
            { QStringLiteral("-gray"), QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-f"),
                number, QStringLiteral("-l"), number, pdfPath });
    }
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        return {};
    }
    return QImage::fromData(process.readAllStandardOutput(), "PGM");
}

QList<qint64> TestSupport::inkByRow(const QImage& page)
{
    QList<qint64> rows;
    for (int y = 0; y < page.height(); ++y) {
        qint64 ink = 0;
        const uchar* row = page.constScanLine(y);
        for (int x = 0; x < page.width(); ++x) {
            ink += 255 - row[x];
        }
        rows.append(ink);
    }
    return rows;
}

QStringList TestSupport::nonEmptyLines(const QString& text)
{
    QStringList lines;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty()) {
            lines.append(line);
        }
    }
    return lines;
}

void TestSupport::initFonts()
{
    static bool done = false;
    if (!done) {
        Fonts::installSubstitutions();
        done = true;
    }
}

bool TestSupport::offersDistinct(const DrillDefinition& definition)
{
    return std::visit(Overloaded {
                          [](const ChainDrillDefinition& drill) { return drill.offersDistinct; },
                          [](const AddSubDrillDefinition&) { return true; },
                          [](const RowDrillDefinition& drill) { return bool(drill.numbered); },
                          [](const SetDrillDefinition& drill) { return bool(drill.distinctKinds); },
                          [](const UnitDrillDefinition&) { return false; },
                          [](const MixedDrillDefinition&) { return true; },
                      },
        definition);
}

int TestSupport::offeredCheckBoxes(const DrillDefinition& definition)
{
    int boxes = offersDistinct(definition) ? 1 : 0;
    if (const auto* addSub = std::get_if<AddSubDrillDefinition>(&definition)) {
        boxes += 1 + (addSub->offersThreeNumbers ? 1 : 0);
    }
    if (std::holds_alternative<MixedDrillDefinition>(definition)) {
        boxes += 5; // 加, 减, 乘, 除 and 乘除在表内
    }
    return boxes;
}

void TestSupport::setText(QWidget* window, const char* boxName, const QString& text)
{
    auto* box = window ? window->findChild<QLineEdit*>(QLatin1String(boxName)) : nullptr;
    QVERIFY2(box, boxName);
    box->setText(text);
}

void TestSupport::click(QWidget* window, const char* buttonName)
{
    auto* button = window ? window->findChild<QPushButton*>(QLatin1String(buttonName)) : nullptr;
    QVERIFY2(button, buttonName);
    button->click();
}

DrillSession::DrillSession()
    : DrillSession(pdf)
{
}

DrillSession::DrillSession(PrintTarget& target)
    : printer(target)
{
}

DrillWindow* DrillSession::open(const QString& entry)
{
    QAction* action = shell.mainWindow()->entry(entry);
    if (!action) {
        return nullptr;
    }
    action->trigger();
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* drill = qobject_cast<DrillWindow*>(w); drill && drill->isVisible()) {
            window = drill;
            fixSheetNumber();
            return window;
        }
    }
    return nullptr;
}

DrillWindow& DrillSession::build(const DrillDefinition& definition)
{
    m_built = DrillRegistry::makeWindow(definition, environment);
    window = m_built.get();
    fixSheetNumber();
    return *window;
}

void DrillSession::fixSheetNumber()
{
    if (auto* box = child<QLineEdit>(SheetNumberTexts::kBoxName)) {
        box->setText(QString::number(kSheetNumber));
    }
}

QStringList DrillSession::files() const
{
    return QDir(dir.path()).entryList(QDir::Files, QDir::Name);
}

namespace {
// The named control, or a failure of the test when the window has none.
template <typename Control> Control* need(const DrillSession& session, const char* name)
{
    Control* control = session.child<Control>(name);
    QTest::qVerify(control != nullptr, name, "the window has no such control", __FILE__, __LINE__);
    return control;
}
} // namespace

QString DrillSession::text(const char* name) const
{
    if (auto* label = child<QLabel>(name)) {
        return label->text();
    }
    if (auto* box = child<QLineEdit>(name)) {
        return box->text();
    }
    auto* button = need<QAbstractButton>(*this, name);
    return button ? button->text() : QString();
}

bool DrillSession::chosen(const char* name) const
{
    auto* button = need<QAbstractButton>(*this, name);
    return button && button->isChecked();
}

void DrillSession::choose(const char* name)
{
    if (auto* option = need<QRadioButton>(*this, name)) {
        option->setChecked(true);
    }
}

void DrillSession::tick(const char* name, bool ticked)
{
    if (auto* box = need<QCheckBox>(*this, name)) {
        box->setChecked(ticked);
    }
}

QDir TestSupport::goldenDir(const QString& entry, bool answers)
{
    const QString folder = qEnvironmentVariable("MIREVA_GOLDEN_DIR", QStringLiteral(MIREVA_GOLDEN_DIR));
    return QDir(folder + QLatin1Char('/') + entry + (answers ? QStringLiteral("-answers") : QString()));
}

QString TestSupport::firstDifference(
    const QString& name, const QByteArray& expected, const QByteArray& actual)
{
    if (actual == expected) {
        return {};
    }
    const QList<QByteArray> want = expected.split('\n');
    const QList<QByteArray> got = actual.split('\n');
    qsizetype line = 0;
    while (line < want.size() && line < got.size() && want[line] == got[line]) {
        ++line;
    }
    const auto text = [](const QByteArray& bytes) { return GbkEncoder::instance().decode(bytes).trimmed(); };
    return QStringLiteral("%1 differs first at line %2:\n  expected %3\n  written  %4")
        .arg(name)
        .arg(line + 1)
        .arg(text(want.value(line, "(end of file)")), text(got.value(line, "(end of file)")));
}

void DrillSession::pick(const char* list, const QString& item)
{
    auto* box = child<QComboBox>(list);
    QVERIFY2(box, list);
    const int index = box->findText(item);
    QVERIFY2(index >= 0, qPrintable(item));
    box->setCurrentIndex(index);
}
