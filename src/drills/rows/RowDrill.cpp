#include "drills/rows/RowDrill.h"

#include "common/CountsMessage.h"
#include "output/FrameLines.h"
#include "output/SheetOutputs.h"

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
