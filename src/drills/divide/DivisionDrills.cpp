// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/divide/DivisionDrills.h"

#include "drills/divide/Division.h"
#include "drills/divide/DivisionRowSpace.h"

#include <memory>

namespace {
const QString kStage = QStringLiteral("高段");
const QString kChoiceCaption = QStringLiteral("除法");
const QString kExactCaption = QStringLiteral("整除");
const QString kRemainderCaption = QStringLiteral("有余数");
const QString kRemainderStem = QStringLiteral("有余数");
constexpr int kRemainderOption = 1;

RowDrillDefinition rowDrill()
{
    return {
        .drillName = kStage + QStringLiteral("除算"),
        .boxes = {
            .operands = {
                { .title = QStringLiteral("被除数位数"), .initial = 3, .low = 2,
                    .high = DivisionRules::kMaxDividendDigits },
                { .title = QStringLiteral("除数位数"), .initial = 1, .low = 1,
                    .high = DivisionRules::kMaxDivisorDigits } },
            .firstAtLeastSecond = true,
            .operandsMessage = DivisionRowTexts::kDigitsMessage,
            .initialLayout = { .perRow = 5, .rowsPerPage = 30, .pages = 4 },
            .layoutLimits = DivisionRules::kRowLayoutLimits,
            .countsMessage = RowDrill::countsMessage(DivisionRules::kRowLayoutLimits),
        },
        .sheet =
            [](int d1, int d2, int option) {
                const QString stem = RowDrill::operandStem(kStage, d1, QStringLiteral("除"), d2);
                return option == kRemainderOption
                    ? RowDrill::namedSheet(stem + kRemainderStem, DivisionRules::remainderCellWidth(d1, d2))
                    : RowDrill::namedSheet(stem, DivisionRules::kCellWidth);
            },
        .run =
            [](const OperandRun& run, SheetOutputs& outputs) {
                return run.option == kRemainderOption ? DivisionRules::runRemainderRows(run, outputs)
                                                      : DivisionRules::runRows(run, outputs);
            },
        .numbered =
            [](int d1, int d2, int option) {
                const bool remainders = option == kRemainderOption;
                auto space = std::make_shared<const DivisionRowSpace>(d1, d2, remainders);
                return NumberedQuestions { space->count(),
                    [space, remainders](SheetLine& row, std::int64_t index, bool answers) {
                        if (remainders) {
                            DivisionRules::writeRemainderQuestion(row, space->at(index), answers);
                        } else {
                            DivisionRules::writeQuestion(row, space->at(index), answers);
                        }
                    } };
            },
        .choice = RowChoice { kChoiceCaption, { kExactCaption, kRemainderCaption } },
    };
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

const RowDrillDefinition& DivisionDrills::rows()
{
    static const RowDrillDefinition drill = rowDrill();
    return drill;
}

const SetDrillDefinition& DivisionDrills::sets()
{
    static const SetDrillDefinition drill = setDrill();
    return drill;
}
