#pragma once
// The preschool chain drill window (xqd7 for seven terms): questions per row,
// rows per page and pages per run for columns of one-digit terms added and
// subtracted. The sheet description decides the term counts and the names,
// so each chain drill is one window of this class.

#include "drills/chains/ChainDrill.h"
#include "forms/DrillWindow.h"

class QCheckBox;

class ChainWindow : public DrillWindow {
    Q_OBJECT
public:
    explicit ChainWindow(DrillEnvironment& environment,
        const ChainDrillDefinition& sheet = ChainDrills::kSevenTerm, QWidget* parent = nullptr);

protected:
    std::optional<DrillRun> readRun() override;

private:
    ChainDrillDefinition m_sheet;
    QLineEdit* m_perRow;
    QLineEdit* m_rows;
    QLineEdit* m_pages;
    QCheckBox* m_distinct = nullptr; // where the sheet offers 题目不重复
};
