#pragma once
// Helpers shared by the test suites.

#include "common/MessageBox.h"
#include "forms/DrillWindow.h"
#include "printing/PrintMessages.h"
#include "printing/PrintTarget.h"
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
// The lines of a sheet file decoded from GBK, split at CR LF, quotes kept.
QStringList sheetLines(const QString& path);
// The lines of a sheet file without their surrounding quotes.
QStringList sheetValues(const QString& path);
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
} // namespace TestSupport

// A fresh program in a scratch working directory, and the drill window under
// test: one the main menu opens, or one the test builds on the session's own
// random source. Unless the test gives a printer, the printer writes a PDF
// file outside that directory, so the directory holds sheet files only.
struct DrillSession {
    DrillSession();
    explicit DrillSession(PrintTarget& target);

    QTemporaryDir paper;
    ScratchDir dir;
    MessageRecorder messages;
    PdfPrintTarget pdf { paper.filePath(QStringLiteral("printed.pdf")) };
    PrintTarget& printer;
    Shell shell { printer };
    RandomSource random; // draws for the windows the test builds
    DrillEnvironment environment { random, printer };
    DrillWindow* window = nullptr; // the last one opened or built

    // Chooses the main menu's entry and returns the drill window it opened.
    DrillWindow* open(const QString& entry);
    // Makes a drill window of the given class on the session's random source and printer.
    template <typename Window, typename... Args> Window& build(Args&&... args)
    {
        m_built = std::make_unique<Window>(environment, std::forward<Args>(args)...);
        window = m_built.get();
        return static_cast<Window&>(*window);
    }
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
    void generate() { click(DrillNames::kGenerate); }

private:
    std::unique_ptr<DrillWindow> m_built;
};
