// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The textbook-unit window (教材同步): the lists 教材, 年级, 单元 and 内容 pick
// an entry of the catalogue (or 本单元综合), each list refilling those after
// it; then questions per row, rows per page and pages per run, the answers
// and the outputs of every drill window.

#include "drills/rows/RowDrill.h"
#include "drills/units/UnitDrill.h"
#include "forms/DrillWindow.h"

#include <optional>

class QComboBox;

class UnitWindow;

struct UnitDrillDefinition {
    using Window = UnitWindow; // the window family that shows it

    QString drillName = UnitTexts::kDrillName; // named in the heading and on the generate button
    RowLayout initialLayout { 4, 25, 1 };
    RowLayoutLimits layoutLimits = UnitDrill::kLayoutLimits;
    const UnitCatalogue* catalogue = nullptr; // null: the program's own
};

class UnitWindow : public DrillWindow {
    Q_OBJECT
public:
    UnitWindow(
        DrillEnvironment& environment, const UnitDrillDefinition& definition, QWidget* parent = nullptr);

protected:
    std::optional<DrillRun> readRun() override;
    // The lists stand above the layout boxes: they come first on the keyboard
    // too, and each opening starts in 教材.
    void showEvent(QShowEvent* event) override;

private:
    QComboBox* addList(int line, const char* labelName, const QString& title, const char* listName);
    QLineEdit* addLayoutBox(
        int line, const char* labelName, const QString& title, const char* boxName, int initial);
    void fillBooks();
    void fillUnits();
    void fillEntries();
    const Edition* edition() const;
    const Book* book() const;
    const Unit* unit() const;

    UnitDrillDefinition m_definition;
    const UnitCatalogue& m_catalogue;
    QComboBox* m_editions = nullptr;
    QComboBox* m_books = nullptr;
    QComboBox* m_units = nullptr;
    QComboBox* m_entries = nullptr;
    QLineEdit* m_perRow = nullptr;
    QLineEdit* m_rows = nullptr;
    QLineEdit* m_pages = nullptr;
    bool m_listsFirst = false;
};
