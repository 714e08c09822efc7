// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/DrillTexts.h"

QString DrillTexts::heading(const QString& drillName)
{
    return QStringLiteral("小学数学 [") + drillName + QStringLiteral("] 自动出题系统");
}

QString DrillTexts::progress(int indent)
{
    return QString(indent, QLatin1Char(' ')) + kDone;
}

QString DrillTexts::generateCaption(const QString& drillName)
{
    return drillName + QStringLiteral("(&C)");
}

QString DrillTexts::completion(
    qint64 questions, const QString& fileName, const QString& subject, bool toPrint)
{
    return QStringLiteral("智能生成") + subject + QLatin1Char('[') + QString::number(questions)
        + QStringLiteral("]题已完成。如果选择输出到Excel，请在该系统目录下将“") + fileName
        + QStringLiteral("”用Excel打开，点完成即可。(千万不要直接双击进入)调整即可")
        + (toPrint ? QStringLiteral("打印。谢谢！") : QStringLiteral("。谢谢！"));
}

QString DrillTexts::smallPrint(double points)
{
    return QStringLiteral("注意：打印字号只有%1磅，建议减少每行题数。").arg(points, 0, 'f', 1);
}
