// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/divide/DivisionDrills.h"

#include "drills/divide/Division.h"
#include "drills/divide/DivisionRowSpace.h"

#include <iterator>
#include <memory>

namespace {
const QString kChoiceCaption = QStringLiteral("除法");

// A kind of question of the division in rows: its caption in the choice,
// what it adds to the sheet's name, its cells, its runs of drawn questions
// and how it writes a numbered one.
struct RowKind {
    QString caption;
    QString nameSuffix;
    bool remainders;
    int (*cellWidth)(int dividendDigits, int divisorDigits);
    bool (*run)(const OperandRun& run, SheetOutputs& outputs);
    void (*write)(SheetLine& line, const DivisionQuestion& question, bool withAnswer);
};

// In the order of the choice: the option chosen is the index here, and a
// grade without the choice has the first.
const RowKind kRowKinds[] = {
    { .caption = QStringLiteral("整除"),
        .nameSuffix = QString(),
        .remainders = false,
        .cellWidth = [](int, int) { return DivisionRules::kCellWidth; },
        .run = DivisionRules::runRows,
        .write = DivisionRules::writeQuestion },
    { .caption = QStringLiteral("有余数"),
        .nameSuffix = QStringLiteral("有余数"),
        .remainders = true,
        .cellWidth = DivisionRules::remainderCellWidth,
        .run = DivisionRules::runRemainderRows,
        .write = DivisionRules::writeRemainderQuestion },
};

const RowKind& rowKind(int option)
{
    Q_ASSERT(option >= 0 && option < static_cast<int>(std::size(kRowKinds)));
    return kRowKinds[option];
}

SetDrillDefinition setDrill()
{
    return {
        .drillName = DivisionTexts::kDrillName,
        .firstTitle = QStringLiteral("被除数位数"),
        .secondTitle = QStringLiteral("除数位数"),
        .defaults = { { { 2, 1, 30 }, { 3, 1, 30 }, { 3, 2, 20 }, { 4, 2, 0 } } },
        .rules = DivisionRules::gridRules(),
        .sheet = DivisionRules::sheet(),
        .kinds =
            [](const std::vector<CheckedKind>& checked) {
                std::array<DivisionKind, DivisionRules::kKinds> kinds {};
                for (std::size_t k = 0; k < kinds.size() && k < checked.size(); ++k) {
                    kinds[k] = { checked[k].first, checked[k].second, checked[k].count };
                }
                return divisionSetKinds(kinds);
            },
        // The comprehensive division rounds typed fractions to whole numbers.
        .roundsFractions = true,
    };
}
} // namespace

RowDrillDefinition DivisionDrills::rows(const DivisionGradeRules& grade)
{
    RowDrillDefinition drill {
        .drillName = grade.stage + QStringLiteral("除算"),
        .boxes = {
            .operands = {
                { .title = QStringLiteral("被除数位数"), .initial = grade.dividendDigits, .low = 2,
                    .high = DivisionRules::kMaxDividendDigits },
                { .title = QStringLiteral("除数位数"), .initial = grade.divisorDigits, .low = 1,
                    .high = DivisionRules::kMaxDivisorDigits } },
            .firstAtLeastSecond = true,
            .operandsMessage = DivisionRowTexts::kDigitsMessage,
            .initialLayout = { .perRow = 5, .rowsPerPage = 30, .pages = 4 },
            .layoutLimits = DivisionRules::kRowLayoutLimits,
            .countsMessage = RowDrill::countsMessage(DivisionRules::kRowLayoutLimits),
        },
        .sheet =
            [stage = grade.stage](int d1, int d2, int option) {
                const RowKind& kind = rowKind(option);
                const QString stem = RowDrill::operandStem(stage, d1, QStringLiteral("除"), d2);
                return RowDrill::namedSheet(stem + kind.nameSuffix, kind.cellWidth(d1, d2));
            },
        .run = [](const OperandRun& run, SheetOutputs& outputs) { return rowKind(run.option).run(run, outputs); },
        .numbered =
            [](int d1, int d2, int option) {
                const RowKind& kind = rowKind(option);
                auto space = std::make_shared<const DivisionRowSpace>(d1, d2, kind.remainders);
                return NumberedQuestions { space->count(),
                    [space, write = kind.write](SheetLine& row, std::int64_t index, bool answers) {
                        write(row, space->at(index), answers);
                    } };
            },
    };
    if (grade.offersRemainders) {
        drill.choice = RowChoice { kChoiceCaption, { kRowKinds[0].caption, kRowKinds[1].caption } };
    }
    return drill;
}

const SetDrillDefinition& DivisionDrills::sets()
{
    static const SetDrillDefinition drill = setDrill();
    return drill;
}
