// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/SheetOutputs.h"

#include "output/FrameLines.h"
#include "output/OutputMessages.h"
#include "printing/FontCheck.h"
#include "printing/PagePainter.h"
#include "printing/PrintTarget.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
// A name beside the file that nothing has yet.
QString unusedName(const QString& path)
{
    QString name = path + QStringLiteral(".bak");
    for (int n = 2; QFileInfo::exists(name); ++n) {
        name = path + QStringLiteral(".bak") + QString::number(n);
    }
    return name;
}
} // namespace

SheetOutputs::SheetOutputs(PrintTarget& target, OutputChoice choice, const QString& folder)
    : m_target(target)
    , m_choice(choice)
    , m_folder(folder)
{
}

SheetOutputs::~SheetOutputs()
{
    if (m_file) {
        m_file->discard();
    }
    for (const auto& held : m_heldQuestions) {
        held->discard();
    }
}

bool SheetOutputs::open()
{
    if (m_choice.printer) {
        if (const QString refusal = m_target.refusal(); !refusal.isEmpty()) {
            fail(refusal);
            return false;
        }
        m_printer = std::make_unique<SheetPrinter>();
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
    for (const auto& held : m_heldQuestions) {
        held->discard();
    }
    m_heldQuestions.clear();
    m_printer.reset();
    m_outcome.failures.append(message);
}

void SheetOutputs::failFile(const QString& message)
{
    // Pages that were already ended are whole sheets (in a set drill, the
    // sets before this one): they still go to the printer, and the message
    // says how many did. The page in progress is dropped.
    const std::unique_ptr<SheetPrinter> printer = std::move(m_printer);
    if (!printer || !m_target.printsOnPaper()) {
        fail(message);
        return;
    }
    qsizetype printed = 0;
    QString printFailure;
    if (!printer->pages().isEmpty()) {
        const PrintOutcome outcome = send(printer->pages());
        if (outcome.ok()) {
            printed = printer->pages().size();
            m_outcome.pagesPrinted = printed;
        } else {
            printFailure = outcome.failure;
        }
    }
    fail(message + OutputMessages::pagesPrinted(printed));
    if (!printFailure.isEmpty()) {
        m_outcome.failures.append(printFailure);
    }
}

QString SheetOutputs::title(const QString& title) const
{
    return m_answers ? FrameLines::answerTitle(title) : title;
}

void SheetOutputs::beginFile(const QString& fileName, const QString& sheetTitle)
{
    beginFile(fileName, sheetTitle, FrameLines::fileSchoolLine());
}

void SheetOutputs::beginFile(const QString& fileName, const QString& sheetTitle, const QString& underTitle)
{
    if (!m_choice.file || m_failed) {
        return;
    }
    m_file = std::make_unique<SheetFile>();
    if (!m_file->create(m_folder, m_answers ? FrameLines::answerFileName(fileName) : fileName)) {
        failFile(m_file->failureMessage() + pairNote());
        return;
    }
    m_file->writeLine(title(sheetTitle));
    m_file->writeLine(underTitle);
}

void SheetOutputs::beginPage(const QString& sheetTitle, const QString& ruleLine, const QString& afterStars)
{
    if (!m_printer) {
        return;
    }
    printLine(FrameLines::printerTitleLine(title(sheetTitle)) + afterStars);
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
}

void SheetOutputs::beginCellPage(const QString& sheetTitle, const QString& underTitle, int cellWidth)
{
    if (!m_printer) {
        return;
    }
    printLine(title(sheetTitle));
    printLine(underTitle);
    m_printer->beginCells(cellWidth);
}

void SheetOutputs::endCellPage(int pageNumber)
{
    if (!m_printer) {
        return;
    }
    printLine(FrameLines::pageFooter(pageNumber));
    m_printer->endPage();
}

void SheetOutputs::cells(const QStringList& row)
{
    if (m_file) {
        m_file->writeCells(row);
        checkFile();
    }
    if (m_printer) {
        m_printer->printCells(row);
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
        failFile(m_file->failureMessage() + pairNote());
    }
}

QString SheetOutputs::pairNote() const
{
    return m_answers && !m_heldQuestions.empty() ? OutputMessages::pairKept(m_heldQuestions.front()->name())
                                                 : QString();
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
    std::unique_ptr<SheetFile> file = std::move(m_file);
    if (!file->finishWriting()) {
        failFile(file->failureMessage() + pairNote());
        return false;
    }
    if (m_pairs && !m_answers) {
        m_heldQuestions.push_back(std::move(file));
        return true;
    }
    bool ok = false;
    if (m_pairs && !m_heldQuestions.empty()) {
        const std::unique_ptr<SheetFile> questions = std::move(m_heldQuestions.front());
        m_heldQuestions.pop_front();
        ok = commitPair(*questions, *file);
        if (ok) {
            m_outcome.filesWritten << questions->name() << file->name();
        }
    } else if (file->commit()) {
        ok = true;
        m_outcome.filesWritten << file->name();
    } else {
        failFile(file->failureMessage());
    }
    return ok;
}

bool SheetOutputs::commitPair(SheetFile& questions, SheetFile& answers)
{
    // Two files cannot be replaced in one step. The earlier question sheet
    // is moved aside (a rename needs no disk space), the new one put in
    // place, then the answer sheet; should that fail, the earlier question
    // sheet is moved back.
    const QString target = QDir(m_folder).filePath(questions.name());
    QString aside;
    if (QFileInfo(target).isFile()) {
        aside = unusedName(target);
        if (!QFile::rename(target, aside)) {
            answers.discard();
            questions.discard();
            failFile(OutputMessages::fileFailed(questions.name(), OutputMessages::kHeldOpen, true)
                + OutputMessages::pairKept(answers.name()));
            return false;
        }
    }
    const auto putBack = [&] {
        QFile::remove(target);
        return aside.isEmpty() || QFile::rename(aside, target);
    };
    if (!questions.commit()) {
        putBack();
        answers.discard();
        failFile(questions.failureMessage() + OutputMessages::pairKept(answers.name()));
        return false;
    }
    if (!answers.commit()) {
        const QString kept = putBack()
            ? OutputMessages::pairKept(questions.name())
            : OutputMessages::earlierMovedAside(questions.name(), QFileInfo(aside).fileName());
        failFile(answers.failureMessage() + kept);
        return false;
    }
    if (!aside.isEmpty()) {
        QFile::remove(aside);
    }
    return true;
}

PrintOutcome SheetOutputs::send(const PrintedPages& pages)
{
    // Pages no font can draw would come out as empty boxes.
    if (!FontCheck::drawsAll(pages)) {
        return { FontCheck::kNoChineseFont, PagePainter::kLargestPoints };
    }
    return m_target.print(pages);
}

bool SheetOutputs::printPages()
{
    const std::unique_ptr<SheetPrinter> printer = std::move(m_printer);
    if (printer->pages().isEmpty()) {
        return true; // nothing to print: no job, no blank sheet of paper
    }
    const PrintOutcome outcome = send(printer->pages());
    m_outcome.smallestPoints = outcome.smallestPoints;
    if (!outcome.ok()) {
        m_failed = true;
        m_outcome.failures.append(m_outcome.filesWritten.isEmpty()
                ? outcome.failure
                : OutputMessages::printFailedFilesKept(outcome.failure));
        return false;
    }
    m_outcome.pagesPrinted = printer->pages().size();
    return true;
}

bool SheetOutputs::finish()
{
    if (!closeFile()) {
        return false;
    }
    if (m_printer && !printPages()) {
        return false;
    }
    return !m_failed;
}
