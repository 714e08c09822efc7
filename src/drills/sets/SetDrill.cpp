// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/sets/SetDrill.h"

#include "output/FrameLines.h"
#include "output/SheetOutputs.h"
#include "random/RandomSource.h"

QString SetDrill::fileName(const SetSheet& sheet, int setNumber)
{
    return sheet.filePrefix + QString::number(setNumber) + QStringLiteral(".xls");
}

QString SetDrill::filePattern(const SetSheet& sheet)
{
    return sheet.filePrefix + QStringLiteral("X.xls");
}

QString SetDrill::formatCell(const QString& text, std::int64_t answer, bool withAnswer, int cellWidth)
{
    QString cell = text;
    if (withAnswer) {
        cell += QString::number(answer);
    }
    return cell.leftJustified(cellWidth, QLatin1Char(' '));
}

std::vector<SetEntry> SetDrill::drawPool(RandomSource& random, const std::vector<SetKind>& kinds)
{
    std::vector<SetEntry> pool;
    for (const SetKind& kind : kinds) {
        for (int i = 0; i < kind.count; ++i) {
            pool.push_back(kind.draw(random));
        }
    }
    return pool;
}

int SetDrill::shufflePosition(float r, int total)
{
    // r has 24 significant bits and total far fewer, so the double product and
    // sum are exact and each cast rounds once, as single-precision steps do.
    const auto product = static_cast<float>(static_cast<double>(r) * total);
    const auto sum = static_cast<float>(static_cast<double>(product) + 1.0);
    return static_cast<int>(sum);
}

std::vector<SetEntry> SetDrill::shuffle(RandomSource& random, std::vector<SetEntry> pool)
{
    return shuffleWith(random, std::move(pool));
}

std::vector<SetEntry> SetDrill::buildSet(RandomSource& random, const std::vector<SetKind>& kinds)
{
    return shuffle(random, drawPool(random, kinds));
}

std::int64_t SetDrill::rowCount(std::int64_t total, std::int64_t perRow)
{
    return perRow >= 1 ? total / perRow : 0;
}

bool SetDrill::writeSet(const SetSheet& sheet, const SetRun& run, const std::vector<SetKind>& kinds,
    RandomSource& random, SheetOutputs& outputs)
{
    outputs.beginFile(fileName(sheet, run.setNumber), sheet.title);
    outputs.beginPage(sheet.title, QString(), QString::number(run.setNumber));
    if (outputs.failed()) {
        return false;
    }

    const std::vector<SetEntry> order = buildSet(random, kinds);
    const std::int64_t rows = rowCount(static_cast<std::int64_t>(order.size()), run.perRow);
    auto next = order.cbegin();
    QString line;
    for (std::int64_t r = 0; r < rows; ++r) {
        line.clear();
        for (std::int64_t c = 0; c < run.perRow; ++c, ++next) {
            line += formatCell(next->text, next->answer, run.answers, sheet.cellWidth);
        }
        outputs.line(line);
    }

    outputs.endPage(QString(), run.setNumber);
    return outputs.closeFile() && !outputs.failed();
}
