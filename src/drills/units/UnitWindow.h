// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The textbook-unit window (教材同步): the lists 教材, 年级, 单元 and 内容 pick
// an entry of the catalogue (or 本单元综合), each list refilling those after
// it; then questions per row, rows per page and pages per run, the answers
// and the outputs of every drill window.

#include "drills/rows/RowWindow.h"
#include "drills/units/UnitDrill.h"

#include <QHash>

class QComboBox;

class UnitWindow : public RowWindow {
    Q_OBJECT
public:
    UnitWindow(
        DrillEnvironment& environment, const UnitDrillDefinition& definition, QWidget* parent = nullptr);

protected:
    std::optional<PreparedSheet> prepareSheet(
        const std::vector<int>& operands, const RowLayout& layout) override;

private:
    QComboBox* addList(int line, const char* labelName, const QString& title, const char* listName);
    void fillBooks();
    void fillUnits();
    void fillEntries();
    const Edition* edition() const;
    const Book* book() const;
    const Unit* unit() const;

    const UnitCatalogue& m_catalogue;
    QComboBox* m_editions = nullptr;
    QComboBox* m_books = nullptr;
    QComboBox* m_units = nullptr;
    QComboBox* m_entries = nullptr;
    // The place last chosen under each edition, book and unit (the book of an
    // edition, the unit of a book, the entry of a unit), for this run of the program.
    QHash<const void*, int> m_lastChosen;
};
