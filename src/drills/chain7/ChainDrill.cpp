#include "drills/chain7/ChainDrill.h"

#include "common/CountsMessage.h"
#include "common/SettingText.h"
#include "drills/chain7/ChainRules.h"
#include "output/FrameLines.h"
#include "output/SheetOutputs.h"

#include <limits>

ChainSheet ChainSheets::named(
    const QString& drillName, const QString& stem, int terms, int subtracted, const QString& countsMessage)
{
    return { drillName, stem, FrameLines::sheetFileName(stem), FrameLines::sheetTitle(stem), terms,
        subtracted, countsMessage };
}

QString ChainTexts::countsMessage()
{
    using namespace ChainDrill;
    return ::countsMessage({ kMinPerRow, kMaxPerRow, kMinRows, kMaxRows, kMinPages, kMaxPages });
}

QString ChainTexts::completion(const ChainSheet& sheet, qint64 questions)
{
    return QStringLiteral("智能生成") + sheet.subject + QLatin1Char('[') + QString::number(questions)
        + QStringLiteral("]题已完成。如果选择输出到Excel，请在该系统目录下将“") + sheet.fileName
        + QStringLiteral("”用Excel打开，点完成即可。(千万不要直接双击进入)调整即可打印。谢谢！");
}

std::optional<ChainSettings> ChainDrill::readSettings(
    const QString& perRow, const QString& rowsPerPage, const QString& pages, bool answers)
{
    const auto q = parseWholeNumber(perRow);
    const auto r = parseWholeNumber(rowsPerPage);
    const auto p = parseWholeNumber(pages);
    if (!q || !r || !p) {
        return std::nullopt;
    }
    // The last row index is kept as a 16-bit value; a number beyond that is refused.
    const qint64 lastRow = *r - 1;
    if (lastRow < std::numeric_limits<qint16>::min() || lastRow > std::numeric_limits<qint16>::max()) {
        return std::nullopt;
    }
    if (*q < kMinPerRow || *q > kMaxPerRow || lastRow < kMinRows - 1 || lastRow > kMaxRows - 1
        || *p < kMinPages || *p > kMaxPages) {
        return std::nullopt;
    }
    return ChainSettings { static_cast<int>(*q), static_cast<int>(lastRow + 1), static_cast<int>(*p),
        answers };
}

namespace {
void writeRow(const ChainSheet& sheet, const ChainSettings& settings, RandomSource& random, SheetLine& line,
    SheetOutputs& outputs)
{
    const ChainRow row = ChainRules::DrawChainRow(random, settings.perRow, sheet.terms, sheet.subtracted);
    for (int k = 1; k <= sheet.terms; ++k) {
        line.clear();
        ChainRules::writeTermLine(line, row, k);
        outputs.line(line);
    }
    if (settings.answers) {
        line.clear();
        ChainRules::writeAnswerLine(line, row);
        if (!outputs.toPrinter()) {
            outputs.line(line);
            outputs.fileEmptyLine();
            return;
        }
        // The underline is for the paper only; the file has no line of hyphens.
        const QString answers = line.text();
        outputs.fileLine(answers);
        outputs.fileEmptyLine();
        outputs.printLine(ChainRules::FormatAnswerUnderline(settings.perRow));
        outputs.printLine(answers);
        outputs.printEmptyLine();
    } else {
        outputs.fileEmptyLine();
        outputs.fileEmptyLine();
        outputs.printEmptyLine();
        outputs.printEmptyLine();
    }
}
} // namespace

bool ChainDrill::run(
    const ChainSheet& sheet, const ChainSettings& settings, RandomSource& random, SheetOutputs& outputs)
{
    const QString separator = ChainRules::separatorLine(settings.perRow);
    outputs.beginFile(sheet.fileName, sheet.title);
    SheetLine line;
    for (int page = 1; page <= settings.pages && !outputs.failed(); ++page) {
        if (outputs.toPrinter()) {
            outputs.beginPage(sheet.title, separator);
        }
        for (int r = 0; r < settings.rowsPerPage && !outputs.failed(); ++r) {
            writeRow(sheet, settings, random, line, outputs);
        }
        outputs.endPage(separator, page);
    }
    return outputs.finish();
}
