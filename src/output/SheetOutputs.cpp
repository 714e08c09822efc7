#include "output/SheetOutputs.h"

#include "common/MessageBox.h"
#include "output/FrameLines.h"
#include "output/PrintTarget.h"

#include <QPagedPaintDevice>

SheetOutputs::SheetOutputs(PrintTarget& target, OutputChoice choice, QWidget* messageParent)
    : m_target(target)
    , m_choice(choice)
    , m_messageParent(messageParent)
{
}

SheetOutputs::~SheetOutputs()
{
    if (m_file) {
        m_file->discard();
    }
    if (m_printer) {
        m_printer->abort();
    }
}

bool SheetOutputs::open()
{
    if (m_choice.printer) {
        if (!m_target.available()) {
            fail(OutputMessages::kNoPrinter);
            return false;
        }
        m_printer = std::make_unique<SheetPrinter>(m_target.open());
    }
    return true;
}

void SheetOutputs::fail(const QString& message)
{
    if (m_failed) {
        return;
    }
    m_failed = true;
    if (m_file) {
        m_file->discard();
        m_file.reset();
    }
    if (m_printer) {
        m_printer->abort();
        m_printer.reset();
    }
    MessageBox::show(m_messageParent, message);
}

void SheetOutputs::failFile(const QString& message)
{
    // Pages that were already ended are whole sheets (in a set drill, the
    // sets before this one): they still go to the printer. The page in
    // progress is dropped.
    const std::unique_ptr<SheetPrinter> printer = std::move(m_printer);
    fail(message);
    if (printer && !printer->finish()) {
        MessageBox::show(m_messageParent, OutputMessages::kPrintFailed);
    }
}

void SheetOutputs::beginFile(const QString& fileName, const QString& title)
{
    if (!m_choice.file || m_failed) {
        return;
    }
    m_file = std::make_unique<SheetFile>();
    if (!m_file->create(fileName)) {
        failFile(m_file->failureMessage());
        return;
    }
    m_file->writeLine(title);
    m_file->writeLine(FrameLines::fileSchoolLine());
}

void SheetOutputs::beginPage(const QString& printerTitle, const QString& ruleLine)
{
    printLine(FrameLines::printerTitleLine(printerTitle));
    printLine(FrameLines::printerSchoolLine());
    printLine(ruleLine);
}

void SheetOutputs::endPage(const QString& ruleLine, int pageNumber)
{
    if (!m_printer) {
        return;
    }
    printLine(ruleLine);
    printLine(FrameLines::pageFooter(pageNumber));
    m_printer->endPage();
    if (m_printer->failed()) {
        fail(OutputMessages::kPrintFailed);
    }
}

void SheetOutputs::line(const QString& text)
{
    fileLine(text);
    printLine(text);
}

void SheetOutputs::line(const SheetLine& line)
{
    if (m_file) {
        m_file->writeLine(line);
        checkFile();
    }
    if (m_printer) {
        m_printer->printLine(line.text());
    }
}

void SheetOutputs::fileLine(const QString& text)
{
    if (m_file) {
        m_file->writeLine(text);
        checkFile();
    }
}

void SheetOutputs::checkFile()
{
    // A write that failed (a full disk) stops the run at once.
    if (m_file->failed()) {
        failFile(m_file->failureMessage());
    }
}

void SheetOutputs::fileEmptyLine()
{
    if (m_file) {
        m_file->writeEmptyLine();
        checkFile();
    }
}

void SheetOutputs::printLine(const QString& text)
{
    if (m_printer) {
        m_printer->printLine(text);
    }
}

void SheetOutputs::printEmptyLine()
{
    if (m_printer) {
        m_printer->printEmptyLine();
    }
}

bool SheetOutputs::closeFile()
{
    if (!m_file) {
        return !m_failed;
    }
    const bool ok = m_file->close();
    if (!ok) {
        failFile(m_file->failureMessage());
    }
    m_file.reset();
    return ok;
}

bool SheetOutputs::finish()
{
    if (!closeFile()) {
        return false;
    }
    if (m_printer) {
        const bool ok = m_printer->finish();
        m_printer.reset();
        if (!ok) {
            fail(OutputMessages::kPrintFailed);
            return false;
        }
    }
    return !m_failed;
}
