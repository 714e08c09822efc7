// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/PrintMessages.h"

QString PrintMessages::printerRefuses(const QString& printer, const QString& cause)
{
    return QStringLiteral("打印机“%1”不能打印：%2。请检查打印机，或只选择输出到Excel。").arg(printer, cause);
}

QString PrintMessages::printFailed(const QString& printer, const QString& cause)
{
    return QStringLiteral("打印失败：打印机“%1”没有完成本次打印任务（%2）。").arg(printer, cause);
}

QString PrintTexts::serviceRefused(const QString& reason)
{
    return QStringLiteral("打印服务拒绝了任务：") + reason;
}

QString PrintMessages::pdfFailed(const QString& fileName)
{
    return QStringLiteral("PDF文件“%1”未能保存：文件夹不允许写入或磁盘空间不足。").arg(fileName);
}
