// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/OutputMessages.h"

QString OutputMessages::fileFailed(const QString& fileName, const QString& cause, bool earlierFileKept)
{
    const QString message = QStringLiteral("文件“%1”未能生成：%2。").arg(fileName, cause);
    return earlierFileKept ? message + QStringLiteral("原有文件保持不变。") : message;
}

QString OutputMessages::printFailedFilesKept(const QString& message)
{
    return message + QStringLiteral("试题文件已经生成并保留。");
}

QString OutputMessages::pagesPrinted(qsizetype pages)
{
    return pages > 0 ? QStringLiteral("已有%1页送到打印机。").arg(pages)
                     : QStringLiteral("没有打印任何一页。");
}

QString OutputMessages::pairKept(const QString& otherFileName)
{
    return QStringLiteral("为使试题与答案一致，“%1”也保持原样。").arg(otherFileName);
}

QString OutputMessages::earlierMovedAside(const QString& fileName, const QString& asideName)
{
    return QStringLiteral("原有的“%1”已改名为“%2”保存。").arg(fileName, asideName);
}
