// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/rows/RowDrill.h"

#include "common/CountsMessage.h"
#include "common/SettingText.h"
#include "output/FrameLines.h"
#include "output/SheetOutputs.h"
#include "random/Draws.h"

RowSheet RowDrill::namedSheet(const QString& stem, int cellWidth)
{
    return { FrameLines::sheetFileName(stem), FrameLines::sheetTitle(stem), cellWidth };
}

QString RowDrill::operandStem(
    const QString& stage, int firstDigits, const QString& operation, int secondDigits)
{
    return stage + QString::number(firstDigits) + QStringLiteral("位") + operation
        + QString::number(secondDigits) + QStringLiteral("位");
}

QString RowDrill::countsMessage(const RowLayoutLimits& limits)
{
    return ::countsMessage({ 1, limits.maxPerRow, 1, limits.maxRows, 1, limits.maxPages });
}

QString RowDrill::placesName(int places)
{
    static const QString kOnePlace = QStringLiteral("一位小数");
    static const QString kTwoPlaces = QStringLiteral("两位小数");
    return places == 1 ? kOnePlace : kTwoPlaces;
}

std::optional<RowLayout> RowDrill::readLayout(
    const QString& perRow, const QString& rows, const QString& pages, const RowLayoutLimits& limits)
{
    const auto n = parseWholeNumber(perRow);
    const auto m = parseWholeNumber(rows);
    const auto p = parseWholeNumber(pages);
    if (!inRange(n, 1, limits.maxPerRow) || !inRange(m, 1, limits.maxRows)
        || !inRange(p, 1, limits.maxPages)) {
        return std::nullopt;
    }
    return RowLayout { static_cast<int>(*n), static_cast<int>(*m), static_cast<int>(*p) };
}
