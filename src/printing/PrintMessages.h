// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The messages of printing, in the program's language.

#include "MirevaVersion.h"

#include <QString>

namespace PrintMessages {
inline const QString kNoPrinter = QStringLiteral(
    "没有找到默认打印机，无法直接输出到打印机。请先在系统中设置默认打印机，或只选择输出到Excel。");
// A printer that cannot take jobs now, before anything is written.
QString printerRefuses(const QString& printer, const QString& cause);
// A job that did not go through.
QString printFailed(const QString& printer, const QString& cause);
// A PDF file that could not be written.
QString pdfFailed(const QString& fileName);
} // namespace PrintMessages

namespace PrintTexts {
inline const QString kJobName = MirevaVersion::kTitle;
inline const QString kDefaultPrinter = QStringLiteral("默认打印机");
inline const QString kStopped = QStringLiteral("打印机已暂停");
inline const QString kNotAccepting = QStringLiteral("打印机现在不接受新的打印任务");
inline const QString kNoAnswer = QStringLiteral("打印服务没有响应");
inline const QString kCannotPaint = QStringLiteral("无法生成打印页面");
inline const QString kHandOverFailed = QStringLiteral("打印任务没有交到打印服务");
inline const QString kStoppedAfterJob = QStringLiteral("任务已交给打印机，但打印机已暂停，任务正在等待");
// A refusal with the print service's own reason.
QString serviceRefused(const QString& reason);
} // namespace PrintTexts
