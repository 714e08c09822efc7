// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sheet file: GBK text in the sheet folder, one quoted value per
// line, or on a line of question cells one quoted value per cell with a tab
// between them, so a spreadsheet puts each question in a cell of its own;
// CR LF endings, empty lines bare. It is written through a temporary
// file that replaces the earlier sheet only when every byte was written and
// the replacement itself succeeded, so a failed run never leaves a
// half-written sheet or spoils the previous one.

#include "output/SheetLine.h"

#include <QByteArray>
#include <QSaveFile>
#include <QString>
#include <QStringList>

class SheetFile {
public:
    // Starts the file of that name in the folder.
    bool create(const QString& folder, const QString& fileName);
    void writeLine(const QString& text);
    void writeLine(const SheetLine& line) { writeLine(line.text()); }
    // One line of cells: each quoted, a tab between them.
    void writeCells(const QStringList& cells);
    void writeEmptyLine();
    // Writes out what is still buffered and checks that all of it reached
    // the file; false (and the temporary file dropped) when it did not.
    bool finishWriting();
    // Puts the finished file in place of the earlier one; false when that failed.
    bool commit();
    // Drops the temporary file; the earlier sheet stays as it was.
    void discard();

    const QString& name() const { return m_name; }

    // Whether this build of Qt can write GBK.
    static bool encodingAvailable();

    bool failed() const { return m_failed; }
    // Why creating or writing failed, in the program's language.
    QString errorText() const;
    // The message box text for that failure.
    QString failureMessage() const;

private:
    void append(const QByteArray& bytes);
    bool flush();

    // Lines are gathered and written kWriteSize bytes or more at a time, as
    // a write of a line each would cost more than the run's drawing.
    static constexpr qsizetype kWriteSize = 1 << 16;
    QSaveFile m_file;
    QByteArray m_pending; // encoded lines not yet written
    QString m_name;
    bool m_failed = false;
    bool m_replacing = false; // an earlier sheet of that name was there
};
