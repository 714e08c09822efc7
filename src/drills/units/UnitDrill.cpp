// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/units/UnitDrill.h"

#include "output/FrameLines.h"
#include "output/SheetOutputs.h"
#include "questions/QuestionText.h"

#include <memory>

QuestionSpace UnitDrill::space(const UnitChoice& choice)
{
    std::vector<const EntryForm*> forms;
    for (const UnitEntry& entry : choice.unit.entries) {
        if (choice.entry == nullptr || choice.entry == &entry) {
            for (const EntryForm& form : entry.forms) {
                forms.push_back(&form);
            }
        }
    }
    return QuestionSpace(forms);
}

Shares::Node UnitDrill::shareTree(const UnitChoice& choice)
{
    std::vector<std::shared_ptr<const StepTables>> tables;
    const auto tablesFor = [&](const StepRules& rules) {
        const auto it = std::find_if(tables.begin(), tables.end(),
            [&](const std::shared_ptr<const StepTables>& t) { return t->rules() == rules; });
        if (it != tables.end()) {
            return *it;
        }
        tables.push_back(std::make_shared<const StepTables>(rules));
        return tables.back();
    };
    const auto leaf = [](QuestionSpace space) {
        Shares::Node node;
        node.space = std::make_shared<const QuestionSpace>(std::move(space));
        return node;
    };
    Shares::Node unit;
    for (const UnitEntry& entry : choice.unit.entries) {
        if (choice.entry != nullptr && choice.entry != &entry) {
            continue;
        }
        Shares::Node forms;
        for (const EntryForm& form : entry.forms) {
            if (const auto* counted = std::get_if<CountedForm>(&form)) {
                forms.parts.push_back(
                    leaf(QuestionSpace(ShapeSpace(counted->shape, tablesFor(counted->rules)))));
                continue;
            }
            const auto& listed = std::get<ListedForm>(form);
            const std::vector<std::int64_t> keys = listed.keyValues();
            if (keys.empty()) {
                // A form of very many tries is gone through, not listed.
                forms.parts.push_back(leaf(QuestionSpace(std::vector<const EntryForm*> { &form })));
                continue;
            }
            Shares::Node values;
            for (const std::int64_t key : keys) {
                std::vector<Question> questions;
                listed.appendQuestions(questions, key);
                values.parts.push_back(leaf(QuestionSpace(std::move(questions))));
            }
            forms.parts.push_back(std::move(values));
        }
        unit.parts.push_back(std::move(forms));
    }
    return unit;
}

ShareDealer UnitDrill::dealer(const UnitChoice& choice, std::int64_t wanted, RandomSource& random)
{
    return ShareDealer::evenly(shareTree(choice), wanted, random);
}

QString UnitDrill::fileName(const UnitChoice& choice, int sheetNumber)
{
    return FrameLines::numberedFileName(choice.edition.name + choice.book.name + choice.unit.number
            + (choice.entry ? choice.entry->name : UnitTexts::kWholeUnitFile) + QStringLiteral(".xls"),
        sheetNumber);
}

QString UnitDrill::title(const UnitChoice& choice)
{
    const QString unit = choice.edition.name + choice.book.name + QLatin1Char(' ') + choice.unit.caption();
    if (!choice.entry) {
        return unit + QLatin1Char(' ') + UnitTexts::kWholeUnit;
    }
    // An entry named as its unit is not written twice.
    return choice.entry->name == choice.unit.name ? unit : unit + QLatin1Char(' ') + choice.entry->name;
}

CellSheet UnitDrill::sheet(const UnitChoice& choice, int widest, int sheetNumber)
{
    return { fileName(choice, sheetNumber), title(choice), sheetNumber, widest };
}

bool UnitDrill::run(const UnitChoice& choice, const RowLayout& layout, bool answers, int sheetNumber,
    RandomSource& random, SheetOutputs& outputs)
{
    return run(choice, shareTree(choice), layout, answers, sheetNumber, random, outputs);
}

bool UnitDrill::run(const UnitChoice& choice, const Shares::Node& shares, const RowLayout& layout,
    bool answers, int sheetNumber, RandomSource& random, SheetOutputs& outputs)
{
    ShareDealer dealer = ShareDealer::evenly(shares, layout.questions(), random);
    return RowDrill::runCells(
        sheet(choice, dealer.widestText(), sheetNumber), layout,
        [&](SheetLine& row) { QuestionText::write(row, dealer.next(random), answers); }, outputs);
}
