#pragma once
// The messages of output failures, in the program's language.

#include <QString>

namespace OutputMessages {
QString fileFailed(const QString& fileName, const QString& cause, bool earlierFileKept);
// A print failure after the sheet files were written: they are kept.
QString printFailedFilesKept(const QString& message);
} // namespace OutputMessages
