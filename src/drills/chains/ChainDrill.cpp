// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/chains/ChainDrill.h"

#include "common/CountsMessage.h"
#include "common/SettingText.h"
#include "drills/chains/ChainRules.h"
#include "forms/DrillTexts.h"
#include "output/FrameLines.h"
#include "output/PageLoop.h"

#include <unordered_set>
#include <vector>

QString ChainDrillDefinition::fileName() const
{
    return FrameLines::sheetFileName(stem);
}

QString ChainDrillDefinition::title() const
{
    return FrameLines::sheetTitle(stem);
}

std::int64_t ChainDrill::distinctCount(int terms, int subtracted)
{
    // ways[s + offset]: the sequences of the terms so far with total s.
    const int offset = 9 * subtracted;
    std::vector<std::int64_t> ways(static_cast<std::size_t>(offset + 9 * terms + 1), 0);
    ways[static_cast<std::size_t>(offset)] = 1;
    for (int t = 0; t < terms; ++t) {
        const int sign = t < subtracted ? -1 : 1;
        std::vector<std::int64_t> next(ways.size(), 0);
        for (std::size_t s = 0; s < ways.size(); ++s) {
            for (int digit = 1; digit <= 9 && ways[s] > 0; ++digit) {
                next[static_cast<std::size_t>(static_cast<int>(s) + sign * digit)] += ways[s];
            }
        }
        ways = std::move(next);
    }
    std::int64_t positive = 0;
    for (std::size_t s = static_cast<std::size_t>(offset) + 1; s < ways.size(); ++s) {
        positive += ways[s];
    }
    // The subtracted terms stand anywhere but first.
    std::int64_t places = 1;
    for (int k = 0; k < subtracted; ++k) {
        places = places * (terms - 1 - k) / (k + 1);
    }
    return places * positive;
}

QString ChainTexts::countsMessage()
{
    using namespace ChainDrill;
    return ::countsMessage({ kMinPerRow, kMaxPerRow, kMinRows, kMaxRows, kMinPages, kMaxPages });
}

QString ChainTexts::completion(const ChainDrillDefinition& sheet, qint64 questions)
{
    return DrillTexts::completion(questions, sheet.fileName(), sheet.stem, true);
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
    const qint64 lastRow = *r - 1;
    if (*q < kMinPerRow || *q > kMaxPerRow || lastRow < kMinRows - 1 || lastRow > kMaxRows - 1
        || *p < kMinPages || *p > kMaxPages) {
        return std::nullopt;
    }
    return ChainSettings { static_cast<int>(*q), static_cast<int>(lastRow + 1), static_cast<int>(*p),
        answers };
}

namespace {
// The columns a sheet without repeats has used, each as one number.
using UsedColumns = std::unordered_set<std::int64_t>;

std::int64_t columnKey(const std::vector<int>& shown)
{
    std::int64_t key = 0;
    for (const int term : shown) {
        key = key * 19 + term + 9;
    }
    return key;
}

// Each question is drawn whole, again while its column is on the sheet
// already: the columns are so many that this seldom happens.
ChainRow drawDistinctRow(
    const ChainDrillDefinition& sheet, int questions, RandomSource& random, UsedColumns& used)
{
    ChainRow row(static_cast<std::size_t>(questions));
    for (ChainQuestion& question : row) {
        do {
            ChainRules::DrawnTerms terms = ChainRules::drawTerms(random, sheet.terms, sheet.subtracted);
            question.answer = terms.sum;
            question.shown = ChainRules::orderTerms(random, terms.drawn);
        } while (!used.insert(columnKey(question.shown)).second);
    }
    return row;
}

// The buffers a run writes its rows in, kept from row to row.
struct RowBuffers {
    ChainRow row;
    std::vector<std::vector<int>> drawn;
    SheetLine line;
};

void writeRow(const ChainDrillDefinition& sheet, const ChainSettings& settings, RandomSource& random,
    RowBuffers& buffers, SheetOutputs& outputs, UsedColumns* used)
{
    if (used) {
        buffers.row = drawDistinctRow(sheet, settings.perRow, random, *used);
    } else {
        ChainRules::drawChainRowInto(
            random, settings.perRow, sheet.terms, sheet.subtracted, buffers.row, buffers.drawn);
    }
    const ChainRow& row = buffers.row;
    SheetLine& line = buffers.line;
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
        outputs.printLine(ChainRules::formatAnswerUnderline(settings.perRow));
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

bool ChainDrill::run(const ChainDrillDefinition& sheet, const ChainSettings& settings, RandomSource& random,
    SheetOutputs& outputs)
{
    Q_ASSERT(!settings.distinct
        || distinctCount(sheet.terms, sheet.subtracted)
            >= qint64 { settings.perRow } * settings.rowsPerPage * settings.pages);
    UsedColumns used;
    const QString separator = ChainRules::separatorLine(settings.perRow);
    RowBuffers buffers;
    return PageLoop::run(outputs, sheet.fileName(), sheet.title(), separator, settings.pages,
        settings.rowsPerPage,
        [&] { writeRow(sheet, settings, random, buffers, outputs, settings.distinct ? &used : nullptr); });
}
