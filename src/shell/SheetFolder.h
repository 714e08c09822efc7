#pragma once
// Where sheet files go. They are written to the current directory, which is
// the folder the user chose when the program is started from a shell. The
// desktop's menu starts it in a folder nobody chose (often the home folder
// or the root), so the menu entry passes kDocumentsOption and the program
// makes the folder Mireva inside the user's documents folder its current
// directory before any sheet is written. The folder is created then, at the
// start, because only an existing folder can be made current.

#include <QString>
#include <QStringList>

namespace SheetFolder {
// The argument the desktop entry's command line passes.
inline const QString kDocumentsOption = QStringLiteral("--sheets-in-documents");
inline const QString kFolderName = QStringLiteral("Mireva");

// Makes the folder sheet files go to the current directory and returns its
// path. Without kDocumentsOption among the arguments the current directory
// stays. With it, kFolderName inside documentsPath is created when missing
// and made current; if that fails (or documentsPath is empty), homePath is
// made current; if that fails too, the current directory stays.
QString enter(const QStringList& arguments, const QString& documentsPath, const QString& homePath);

// enter() with the user's documents and home folders.
QString enterForUser(const QStringList& arguments);
} // namespace SheetFolder
