// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where sheet files go: a folder chosen once at the start and carried to
// every output as a value. Started from a shell it is the folder the program
// was started in, which the user chose. The desktop's menu starts it in a
// folder nobody chose (often the home folder or the root), so the menu entry
// passes kDocumentsOption and the sheets go to the folder Mireva inside the
// user's documents folder, created at the start when missing.

#include <QString>
#include <QStringList>

namespace SheetFolder {
// The argument the desktop entry's command line passes.
inline const QString kDocumentsOption = QStringLiteral("--sheets-in-documents");
inline const QString kFolderName = QStringLiteral("Mireva");

// The folder sheet files go to. Without kDocumentsOption among the arguments
// it is startFolder. With it, kFolderName inside documentsPath, created when
// missing; if that fails (or documentsPath is empty), homePath; failing that
// too, startFolder.
QString choose(const QStringList& arguments, const QString& startFolder, const QString& documentsPath,
    const QString& homePath);

// choose() with the folder the program was started in and the user's
// documents and home folders.
QString chooseForUser(const QStringList& arguments);
} // namespace SheetFolder
