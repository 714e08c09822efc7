// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The messages of output failures, in the program's language.

#include <QString>

namespace OutputMessages {
inline const QString kHeldOpen = QStringLiteral("无法替换原有文件（文件可能正被其他程序打开）");

QString fileFailed(const QString& fileName, const QString& cause, bool earlierFileKept);
// A print failure after the sheet files were written: they are kept.
QString printFailedFilesKept(const QString& message);
// After a file failure with printing chosen: how many pages reached the printer.
QString pagesPrinted(qsizetype pages);
// One sheet of a question/answer pair failed: the other is kept as it was too.
QString pairKept(const QString& otherFileName);
// The earlier sheet could not be put back and stays under another name.
QString earlierMovedAside(const QString& fileName, const QString& asideName);
} // namespace OutputMessages
