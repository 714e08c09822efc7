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

void RowDrill::writeDecimal(SheetLine& line, std::int64_t scaled, int places)
{
    Q_ASSERT(scaled >= 0);
    const std::int64_t unit = Draws::powerOfTen(places);
    line.appendNumber(scaled / unit);
    std::int64_t fraction = scaled % unit;
    if (fraction == 0) {
        return;
    }
    int digits = places;
    for (; fraction % 10 == 0; fraction /= 10) {
        --digits;
    }
    line.appendAscii('.');
    // The zeros between the point and the fraction's first digit.
    for (std::int64_t place = Draws::powerOfTen(digits - 1); place > fraction; place /= 10) {
        line.appendAscii('0');
    }
    line.appendNumber(fraction);
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
