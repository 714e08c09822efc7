// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The outputs of one run: the sheet file and/or the printer, as the drill
// window's two check boxes chose them, with the frame lines that every drill
// writes around its questions. A failure of either output is recorded with a
// message naming the cause, for the window to show; the run then stops and the
// earlier sheet file stays as it was. After a file failure the pages already ended are still
// printed, as whole pages: in a set drill, the sets before the one that
// failed, and that set's own page when only closing its file failed.
//
// A run that adds an answer sheet calls expectAnswerSheets(), writes its
// questions first, then calls beginAnswers() and writes the same questions
// again with their answers: those go to files named with "答案" before
// ".xls", under titles ending in "答案", and onto pages printed after the
// question pages. A question sheet and its answer sheet are put in place
// together when the answer sheet is done, both or neither, so the two files
// of one name never hold different questions.

#include "output/RunOutcome.h"
#include "output/SheetFile.h"
#include "output/SheetPrinter.h"
#include "printing/PrintTarget.h"

#include <deque>
#include <memory>

class PrintTarget;

struct OutputChoice {
    bool printer = false;
    bool file = false;
};

class SheetOutputs {
public:
    // Sheet files go to the folder.
    SheetOutputs(PrintTarget& target, OutputChoice choice, const QString& folder);
    ~SheetOutputs();

    // Opens the chosen outputs. With printing chosen and a printer that
    // cannot print now it records why and returns false before anything is
    // written.
    bool open();

    bool toPrinter() const { return m_choice.printer; }
    bool failed() const { return m_failed; }

    // The run will write answer sheets: question sheets wait for theirs.
    void expectAnswerSheets() { m_pairs = true; }
    // From here on the run writes its answer sheet.
    void beginAnswers() { m_answers = true; }

    // Creates the sheet file and writes its title and school lines.
    void beginFile(const QString& fileName, const QString& title);
    // Creates the sheet file and writes its title and the line under it.
    void beginFile(const QString& fileName, const QString& title, const QString& underTitle);
    // Puts the title in stars (and what follows them), the school line and
    // the rule line on a new page.
    void beginPage(const QString& title, const QString& ruleLine, const QString& afterStars = QString());
    // Puts the rule line and the footer on the page and ends it.
    void endPage(const QString& ruleLine, int pageNumber);
    // Starts a page of question cells: the title as it is and the line under
    // it; rows of cells, each with room for cellWidth characters, follow.
    void beginCellPage(const QString& title, const QString& underTitle, int cellWidth);
    // Puts the footer on a page of cells and ends it.
    void endCellPage(int pageNumber);
    // A row of question cells for both outputs: in the file a cell each, on
    // paper on the page's grid.
    void cells(const QStringList& row);

    // A question line for both outputs: the file first, then the paper.
    void line(const QString& text);
    void line(const SheetLine& line);
    void fileLine(const QString& text);
    void fileEmptyLine();
    void printLine(const QString& text);
    void printEmptyLine();

    // Puts the sheet file in place; false (recorded) when that failed.
    bool closeFile();
    // Closes the file if open and hands the printed pages to the printer.
    bool finish();

    // What the run has done so far.
    const RunOutcome& outcome() const { return m_outcome; }

private:
    void fail(const QString& message);
    void failFile(const QString& message);
    // Puts a held question sheet and its finished answer sheet in place.
    bool commitPair(SheetFile& questions, SheetFile& answers);
    void checkFile();
    // For a failed answer sheet: that its question sheet is kept as it was too.
    QString pairNote() const;
    // Hands pages to the printer once the fonts are known to draw them.
    PrintOutcome send(const PrintedPages& pages);
    // Hands the ended pages over; false (recorded) when the job failed.
    bool printPages();
    QString title(const QString& title) const;

    PrintTarget& m_target;
    OutputChoice m_choice;
    QString m_folder;
    std::unique_ptr<SheetFile> m_file;
    // Written question sheets waiting for their answer sheets, oldest first.
    std::deque<std::unique_ptr<SheetFile>> m_heldQuestions;
    std::unique_ptr<SheetPrinter> m_printer;
    bool m_failed = false;
    bool m_pairs = false;
    bool m_answers = false;
    RunOutcome m_outcome;
};
