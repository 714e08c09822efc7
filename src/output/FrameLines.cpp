// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/FrameLines.h"

namespace {
const QString kAnswers = QStringLiteral("答案");

QString schoolLine(int spacesAfterSchool)
{
    return QStringLiteral("学校：") + QString(spacesAfterSchool, QLatin1Char(' ')) + QStringLiteral("姓名：")
        + QString(15, QLatin1Char(' ')) + QStringLiteral("成绩：") + QString(11, QLatin1Char(' '));
}
// The file name with text put before its ".xls".
QString withinName(const QString& fileName, const QString& text)
{
    const QString extension = QStringLiteral(".xls");
    const QString stem = fileName.endsWith(extension) ? fileName.chopped(extension.size()) : fileName;
    return stem + text + extension;
}
} // namespace

QString FrameLines::fileSchoolLine()
{
    return schoolLine(18);
}

QString FrameLines::printerSchoolLine()
{
    return schoolLine(19);
}

QString FrameLines::printerTitleLine(const QString& sheetTitle)
{
    return QLatin1Char('*') + sheetTitle + QLatin1Char('*');
}

QString FrameLines::classLine(int sheetNumber)
{
    // Room to write in: eight underscores after each field.
    const QString blank(8, QLatin1Char('_'));
    return QStringLiteral("班级") + blank + QStringLiteral(" 姓名") + blank + QStringLiteral(" 用时") + blank
        + QStringLiteral(" 得分") + blank + QStringLiteral(" 编号 ") + QString::number(sheetNumber);
}

QString FrameLines::pageFooter(int pageNumber)
{
    return QStringLiteral("MirevaV2.0 小学数学速算自动出题系统    第") + QString::number(pageNumber)
        + QStringLiteral("页    更新网址：https://mireva.example.org");
}

QString FrameLines::sheetFileName(const QString& stem)
{
    return stem + QStringLiteral("速算.xls");
}

QString FrameLines::sheetTitle(const QString& stem)
{
    return QStringLiteral("小学") + stem + QStringLiteral("速算试题");
}

QString FrameLines::answerFileName(const QString& fileName)
{
    return withinName(fileName, kAnswers);
}

QString FrameLines::numberedFileName(const QString& fileName, int sheetNumber)
{
    return withinName(fileName, QLatin1Char('-') + QString::number(sheetNumber));
}

QString FrameLines::answerTitle(const QString& title)
{
    return title + kAnswers;
}
