#pragma once
// Helpers shared by the test suites.

#include "common/MessageBox.h"
#include "printing/PrintMessages.h"
#include "printing/PrintTarget.h"
#include "shell/Shell.h"

#include "random/RandomSource.h"
#include <QDir>

#include <QLineEdit>
#include <QPushButton>

#include <QStringList>
#include <QTemporaryDir>
#include <deque>
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

// A fresh temporary working directory, made current for as long as it lives.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
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

class DrillWindow;

// A fresh program in a scratch working directory. Its printer writes a PDF
// file outside that directory, so the directory holds sheet files only.
struct DrillSession {
    QTemporaryDir paper;
    ScratchDir dir;
    MessageRecorder messages;
    PdfPrintTarget printer { paper.filePath(QStringLiteral("printed.pdf")) };
    Shell shell { printer };

    // Chooses the main menu's entry and returns the drill window it opened.
    DrillWindow* open(const QString& entry);
    QString printedPdf() const { return paper.filePath(QStringLiteral("printed.pdf")); }
};

namespace TestSupport {
// The kept sheet files of a drill's start-up run (tests/golden/<entry>[-answers]).
QDir goldenDir(const QString& entry, bool answers);
// Where two sheet files first differ, as a message; empty when they are the same.
QString firstDifference(const QString& name, const QByteArray& expected, const QByteArray& actual);

// Types into the named text box of a window.
void setText(QWidget* window, const char* boxName, const QString& text);
// Presses the named button of a window.
void click(QWidget* window, const char* buttonName);

QByteArray readBytes(const QString& path);
// The lines of a sheet file decoded from GBK, split at CR LF, quotes kept.
QStringList sheetLines(const QString& path);
// The lines of a sheet file without their surrounding quotes.
QStringList sheetValues(const QString& path);
QString gbk(const QString& text);
// Runs pdftotext -layout and returns each page's text.
QStringList pdfPages(const QString& pdfPath);
QStringList nonEmptyLines(const QString& text);
// Installs the CJK font substitutions once.
void initFonts();
} // namespace TestSupport
