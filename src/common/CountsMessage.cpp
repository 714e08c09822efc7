// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/CountsMessage.h"

QString countsMessage(const CountRanges& ranges)
{
    const auto range
        = [](int low, int high) { return QString::number(low) + QLatin1Char('-') + QString::number(high); };
    return QStringLiteral("可一次性每排输出") + range(ranges.perRowLow, ranges.perRowHigh)
        + QStringLiteral("题，每页输出") + range(ranges.rowsLow, ranges.rowsHigh)
        + QStringLiteral("排，每次输出") + range(ranges.pagesLow, ranges.pagesHigh)
        + QStringLiteral("页。对不起！输入有误，谢谢使用。欢迎再来");
}
