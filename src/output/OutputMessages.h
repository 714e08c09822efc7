#pragma once
// The messages of output failures, in the program's language.

#include <QString>

namespace OutputMessages {
inline const QString kNoPrinter = QStringLiteral(
    "没有找到默认打印机，无法直接输出到打印机。请先在系统中设置默认打印机，或只选择输出到Excel。");
QString fileFailed(const QString& fileName, const QString& cause, bool earlierFileKept);
inline const QString kPrintFailed
    = QStringLiteral("打印失败：打印机没有接受本次打印任务，请检查默认打印机。");
} // namespace OutputMessages
