// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lines that every drill puts around its questions: the school line of
// the file and of the paper, the title in stars, and the page footer; and the
// line that numbered sheets of questions in cells have under their title.

#include <QString>

namespace FrameLines {
// "学校：" + 18 spaces + "姓名：" + 15 spaces + "成绩：" + 11 spaces.
QString fileSchoolLine();
// The same with 19 spaces after "学校：".
QString printerSchoolLine();
QString printerTitleLine(const QString& sheetTitle);
// The line under the title of a numbered sheet, on paper and in the file:
// "班级________ 姓名________ 用时________ 得分________ 编号 4711" for sheet 4711.
QString classLine(int sheetNumber);
// A drill's sheet file and title from the drill's name, e.g. "中段3位乘1位":
// "中段3位乘1位速算.xls" and "小学中段3位乘1位速算试题".
QString sheetFileName(const QString& stem);
QString sheetTitle(const QString& stem);
QString pageFooter(int pageNumber);
// The answer sheet's file and title beside a question sheet:
// "中段3位乘1位速算答案.xls" and "小学中段3位乘1位速算试题答案".
QString answerFileName(const QString& fileName);
QString answerTitle(const QString& title);
// A numbered sheet's file: "四则混合速算.xls" of sheet 4711 is "四则混合速算-4711.xls".
QString numberedFileName(const QString& fileName, int sheetNumber);
} // namespace FrameLines
