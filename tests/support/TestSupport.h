// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers shared by the test suites.

#include "common/MessageBox.h"
#include "forms/DrillWindow.h"
#include "forms/SheetNumberBox.h"
#include "printing/PrintMessages.h"
#include "printing/PrintTarget.h"
#include "shell/DrillRegistry.h"
#include "shell/Shell.h"

#include "random/RandomSource.h"
#include <QDir>
#include <QImage>

#include <QLineEdit>
#include <QPushButton>

#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <memory>
#include <stdexcept>

// Records every message box instead of showing it, for as long as it lives.
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    QStringList messages;

private:
    MessageBox::Handler m_previous;
};

// Hands out a fixed list of values r, so a test can steer the drawing rules
// step by step. Running out is an error: the rules drew more than the test
// expected.
struct ScriptedSource {
    std::deque<float> values;
    float next()
    {
        if (values.empty()) {
            throw std::runtime_error("the scripted values ran out");
        }
        const float r = values.front();
        values.pop_front();
        return r;
    }
};

// Draws through next() alone, one value at a time, as the rejection loops
// are written; the shared source skips to an accepted value instead.
struct OneAtATime {
    RandomSource& source;
    float next() { return source.next(); }
};

// A system with no default printer.
class NoPrinterTarget : public PrintTarget {
public:
    QString refusal() const override { return PrintMessages::kNoPrinter; }
    PrintOutcome print(const PrintedPages&) override { return { PrintMessages::kNoPrinter, 0 }; }
};

// The cases of a visit over a drill's definition, one lambda a family.
template <typename... Cases> struct Overloaded : Cases... {
    using Cases::operator()...;
};
template <typename... Cases> Overloaded(Cases...) -> Overloaded<Cases...>;

namespace TestSupport {
// The kept sheet files of a drill's start-up run (tests/golden/<entry>[-answers]);
// the environment variable MIREVA_GOLDEN_DIR names another tests/golden.
QDir goldenDir(const QString& entry, bool answers);
// Where two sheet files first differ, as a message; empty when they are the same.
QString firstDifference(const QString& name, const QByteArray& expected, const QByteArray& actual);

// Types into the named text box of a window.
void setText(QWidget* window, const char* boxName, const QString& text);
// Presses the named button of a window.
void click(QWidget* window, const char* buttonName);

QByteArray readBytes(const QString& path);
// The lines of a sheet file, decoded from GBK and split at CR LF, without
// their surrounding quotes.
QStringList sheetValues(const QString& path);
// The lines of a sheet file of question cells, each split at its tabs into
// its cells, every cell without its quotes (a cell not in quotes is kept
// as it is, so it matches no question).
QList<QStringList> sheetCells(const QString& path);
QString gbk(const QString& text);
// Runs pdftotext -layout and returns each page's text.
QStringList pdfPages(const QString& pdfPath);
// A page (from 1) of a PDF as poppler or Ghostscript draws it, 100 dpi grey.
QImage renderedPage(const QString& pdfPath, int page, bool ghostscript);
// How much ink each pixel row of a drawn page holds.
QList<qint64> inkByRow(const QImage& page);
QStringList nonEmptyLines(const QString& text);
// Installs the CJK font substitutions once.
void initFonts();

// Whether the drill's window offers 题目不重复.
bool offersDistinct(const DrillDefinition& definition);
// The check boxes the drill's window has besides its two outputs: 题目不重复,
// for addition and subtraction 得数不超过 and 三个数连加减 where offered, and
// for mixed operations the four operations and 乘除在表内.
int offeredCheckBoxes(const DrillDefinition& definition);
} // namespace TestSupport

// A fresh program whose sheet folder is a scratch folder, and the drill
// window under test: one the main menu opens, or one the test builds on the
// session's own random source. Unless the test gives a printer, the printer
// writes a PDF file outside that folder, so the folder holds sheet files only.
struct DrillSession {
    DrillSession();
    explicit DrillSession(PrintTarget& target);

    QTemporaryDir paper;
    QTemporaryDir dir; // the sheet folder
    MessageRecorder messages;
    PdfPrintTarget pdf { paper.filePath(QStringLiteral("printed.pdf")) };
    PrintTarget& printer;
    Shell shell { printer, dir.path() };
    RandomSource random; // draws for the windows the test builds
    DrillEnvironment environment { random, printer, dir.path() };
    DrillWindow* window = nullptr; // the last one opened or built

    // Chooses the main menu's entry and returns the drill window it opened.
    // Numbered sheets get the number kSheetNumber, so that every run of a
    // test makes the same sheet.
    DrillWindow* open(const QString& entry);
    // Makes the window of a drill on the session's random source, printer and folder.
    DrillWindow& build(const DrillDefinition& definition);
    // The sheet files in the folder, by name.
    QStringList files() const;
    QString printedPdf() const { return paper.filePath(QStringLiteral("printed.pdf")); }

    // The named control of the window, or null.
    template <typename Control = QWidget> Control* child(const char* name) const
    {
        return window ? window->findChild<Control*>(QLatin1String(name)) : nullptr;
    }
    // What the named control of the window shows or holds; a missing one fails the test.
    QString text(const char* name) const; // a label, box or button
    bool chosen(const char* name) const; // an option or check box
    void choose(const char* name); // an option
    void tick(const char* name, bool ticked); // a check box
    void setText(const char* name, const QString& text) { TestSupport::setText(window, name, text); }
    void click(const char* name) { TestSupport::click(window, name); }
    void pick(const char* list, const QString& item); // an item of a drop-down list
    void generate() { click(DrillNames::kGenerate); }
    // Puts kSheetNumber into the window's 编号, where it has one.
    void fixSheetNumber();
    static constexpr int kSheetNumber = 4711;

private:
    std::unique_ptr<DrillWindow> m_built;
};
