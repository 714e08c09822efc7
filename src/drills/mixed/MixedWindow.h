// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The mixed-operations window (四则混合): 运算 (加, 减, 乘, 除), 步数 (一步,
// 两步, 两步带括号), 最大数, 得数不超过, 乘除在表内, the layout boxes,
// 题目不重复, and the answers and outputs of every drill window.

#include "drills/mixed/MixedOperations.h"
#include "drills/rows/RowWindow.h"

class QCheckBox;
class QButtonGroup;

class MixedWindow : public RowWindow {
    Q_OBJECT
public:
    MixedWindow(
        DrillEnvironment& environment, const MixedDrillDefinition& definition, QWidget* parent = nullptr);

protected:
    // operands: 最大数 and 得数不超过.
    std::optional<PreparedSheet> prepareSheet(
        const std::vector<int>& operands, const RowLayout& layout) override;

private:
    MixedSteps steps() const;

    std::vector<QCheckBox*> m_operations; // 加, 减, 乘, 除
    QButtonGroup* m_steps = nullptr; // 一步, 两步, 两步带括号, their ids those of MixedSteps
    QCheckBox* m_withinTables = nullptr;
    QCheckBox* m_distinct = nullptr;
};
