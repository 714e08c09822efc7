// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/units/UnitDrill.h"

#include "output/FrameLines.h"
#include "output/SheetOutputs.h"
#include "questions/Dealer.h"
#include "questions/QuestionText.h"

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

CellSheet UnitDrill::sheet(const UnitChoice& choice, const QuestionSpace& space, int sheetNumber)
{
    return { fileName(choice, sheetNumber), title(choice), sheetNumber, space.widestText() };
}

bool UnitDrill::run(const UnitChoice& choice, const RowLayout& layout, bool answers, int sheetNumber,
    RandomSource& random, SheetOutputs& outputs)
{
    const QuestionSpace questions = space(choice);
    Dealer dealer(questions, layout.questions());
    return RowDrill::runCells(
        sheet(choice, questions, sheetNumber), layout,
        [&](SheetLine& row) { QuestionText::write(row, dealer.next(random), answers); }, outputs);
}
