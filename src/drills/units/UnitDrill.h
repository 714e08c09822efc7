// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sheet of one textbook entry (or of a whole unit, 本单元综合) in fair
// shares: each entry of the unit an equal share of the sheet, each form of an
// entry an equal share of the entry's, each number of a form's key (the
// divisor of 有余数的除法 …) an equal share of the form's; every share dealt
// like a shuffled deck, the shares mixed in random order over the whole run,
// each in a cell of its own with room for the longest question with its
// answer, under a title and file name that name the edition, book, unit and
// entry.

#include "drills/rows/RowDrill.h"
#include "drills/units/UnitCatalogue.h"
#include "questions/QuestionSpace.h"
#include "questions/ShareDealer.h"

class RandomSource;
class SheetOutputs;

namespace UnitTexts {
inline const QString kDrillName = QStringLiteral("教材同步");
inline const QString kWholeUnit = QStringLiteral("本单元综合");
// In the file name of a whole unit: "人教版一年级上册第五单元综合.xls".
inline const QString kWholeUnitFile = QStringLiteral("综合");
inline const QString kNoCatalogueMessage = QStringLiteral("教材目录读不出来，无法按教材单元出题。");
} // namespace UnitTexts

// One entry of a unit, or with no entry the whole unit.
struct UnitChoice {
    const Edition& edition;
    const Book& book;
    const Unit& unit;
    const UnitEntry* entry = nullptr;
};

namespace UnitDrill {
inline constexpr RowLayoutLimits kLayoutLimits { 10, 50, 40 };

// Whether the unit offers 本单元综合 after its entries.
inline bool offersWholeUnit(const Unit& unit)
{
    return unit.entries.size() > 1;
}

// Every question of the choice, each once.
QuestionSpace space(const UnitChoice& choice);
// The choice's questions as shares: entries, their forms, their keys' numbers.
Shares::Node shareTree(const UnitChoice& choice);
// The dealer of a run of `wanted` questions.
ShareDealer dealer(const UnitChoice& choice, std::int64_t wanted, RandomSource& random);
// widest: the most characters a question takes with its answer.
CellSheet sheet(const UnitChoice& choice, int widest, int sheetNumber);
// "人教版一年级上册第五单元9加几-4711.xls" for sheet 4711.
QString fileName(const UnitChoice& choice, int sheetNumber);
QString title(const UnitChoice& choice);

// The sheet of that number, drawn from random (the sheet's own source).
bool run(const UnitChoice& choice, const RowLayout& layout, bool answers, int sheetNumber,
    RandomSource& random, SheetOutputs& outputs);
// The same from the choice's shares, made once for all of a run's passes.
bool run(const UnitChoice& choice, const Shares::Node& shares, const RowLayout& layout, bool answers,
    int sheetNumber, RandomSource& random, SheetOutputs& outputs);
} // namespace UnitDrill

class UnitWindow;

// The textbook-unit window as data.
struct UnitDrillDefinition {
    using Window = UnitWindow; // the window family that shows it

    QString drillName = UnitTexts::kDrillName; // named in the heading and on the generate button
    RowLayout initialLayout { 4, 25, 1 };
    RowLayoutLimits layoutLimits = UnitDrill::kLayoutLimits;
    const UnitCatalogue* catalogue = nullptr; // null: the program's own
};
