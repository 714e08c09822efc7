// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window of every chain drill (xqd5, xqd7, xqd10): questions per row,
// rows per page and pages per run for columns of one-digit terms added and
// subtracted, and 题目不重复 where the drill offers it. The drill's
// definition gives its term counts, names and messages.

#include "drills/chains/ChainDrill.h"
#include "forms/DrillWindow.h"

class QCheckBox;

class ChainWindow : public DrillWindow {
    Q_OBJECT
public:
    ChainWindow(
        DrillEnvironment& environment, const ChainDrillDefinition& definition, QWidget* parent = nullptr);

protected:
    std::optional<DrillRun> readRun() override;

private:
    ChainDrillDefinition m_definition;
    QLineEdit* m_perRow;
    QLineEdit* m_rows;
    QLineEdit* m_pages;
    QCheckBox* m_distinct = nullptr; // where the drill offers 题目不重复
};
