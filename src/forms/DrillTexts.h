// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts every drill window shows: the shared captions, the progress box
// after a run and the completion label's sentence.

#include <QString>

namespace DrillTexts {
inline const QString kAnswerYes = QStringLiteral("是");
inline const QString kAnswerNo = QStringLiteral("否");
inline const QString kAnswerSeparate = QStringLiteral("另附答案");
inline const QString kOutputFrame = QStringLiteral("输出位置");
inline const QString kToPrinter = QStringLiteral("直接输出到打印机");
inline const QString kToFile = QStringLiteral("输出到Excel，调整后打印");
inline const QString kButtonFrame = QStringLiteral("智能生成");
inline const QString kReturn = QStringLiteral("返    回(&X)");
inline const QString kPreview = QStringLiteral("打印预览(&V)");
inline const QString kDone = QStringLiteral("100% 完成");
// The progress box text after a run: "100% 完成" after the window's own indent.
inline constexpr int kProgressIndent = 36;
QString progress(int indent = kProgressIndent);
QString heading(const QString& drillName);
QString generateCaption(const QString& drillName);
// The completion text: "智能生成[N]题已完成。…“file”…调整即可。谢谢！". The chain
// drills name what was made after "智能生成" and end "调整即可打印。谢谢！".
QString completion(
    qint64 questions, const QString& fileName, const QString& subject = QString(), bool toPrint = false);
// Added to the completion text when printed pages came out very small.
QString smallPrint(double points);
} // namespace DrillTexts
