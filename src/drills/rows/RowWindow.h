// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window of every row drill (multiplication and division in rows,
// addition and subtraction, textbook units, mixed operations): operand boxes
// on the first settings lines where the drill has them, then questions per
// row (Text4), rows per page (Text5) and pages per run (Text6), each box with
// its title label. Generating reads the operand boxes, then the layout boxes,
// each refused with its own message; the drill then makes its own checks and
// names its sheet, which the drill window carries out and reports.

#include "drills/rows/RowDrillDefinition.h"
#include "forms/DrillWindow.h"
#include "forms/SheetNumberBox.h"

#include <optional>
#include <variant>
#include <vector>

// Where a row window's settings lines stand: a title label and its box on
// each line, the layout boxes from line layoutLine on; and for numbered
// sheets the label and box 编号.
struct SettingLines {
    Twips (*label)(int line);
    Twips (*box)(int line);
    int layoutLine;
    std::optional<std::pair<Twips, Twips>> sheetNumber = std::nullopt;
};

class RowWindow : public DrillWindow {
    Q_OBJECT
protected:
    RowWindow(DrillEnvironment& environment, const DrillLayout& layout, const SettingLines& lines,
        RowBoxes boxes, QWidget* parent);
    // The row drills' own form: operand boxes on lines 0 and 1, the layout boxes on lines 2 to 4.
    RowWindow(DrillEnvironment& environment, const QString& drillName, RowBoxes boxes, QWidget* parent);

    // The sheet a run makes: its file, named in the completion text, and its passes.
    struct PreparedSheet {
        QString fileName;
        PassWriter writePass;
    };
    // The drill's own checks of the operands (one a box, top to bottom) and
    // the layout, and the sheet they make; nothing once a refusal is shown.
    virtual std::optional<PreparedSheet> prepareSheet(
        const std::vector<int>& operands, const RowLayout& layout)
        = 0;

    std::optional<DrillRun> readRun() final;
    // A numbered sheet's next run gets a new number.
    void sheetGenerated() override;

    // While prepareSheet runs: the number of the sheet, 0 where sheets have none.
    int sheetNumber() const { return m_sheetNumber; }

    const std::vector<QLineEdit*>& layoutBoxes() const { return m_layoutBoxes; }
    // 编号, or null where the sheets have no number.
    QLineEdit* sheetNumberBox() const { return m_numberBox ? m_numberBox->box() : nullptr; }

private:
    QLineEdit* settingLine(
        int line, const char* labelName, const QString& title, const char* boxName, int initial);
    // The operands, or the message of the first box refused.
    std::variant<std::vector<int>, QString> readOperands() const;

    SettingLines m_lines;
    RowBoxes m_boxes;
    std::vector<QLineEdit*> m_operandBoxes;
    std::vector<QLineEdit*> m_layoutBoxes; // per row, rows per page, pages
    std::optional<SheetNumberBox> m_numberBox;
    int m_sheetNumber = 0;
};
