// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The mixed-operations window (四则混合): 运算 (加, 减, 乘, 除), 步数 (一步,
// 两步, 两步带括号), 最大数, 得数不超过, 乘除在表内, the layout boxes,
// 题目不重复, and the answers and outputs of every drill window.

#include "drills/mixed/MixedOperations.h"
#include "forms/DrillWindow.h"

#include <optional>
#include <vector>

class QCheckBox;
class QButtonGroup;

class MixedWindow;

struct MixedDrillDefinition {
    using Window = MixedWindow; // the window family that shows it

    QString drillName = MixedTexts::kDrillName; // named in the heading and on the generate button
    RowLayout initialLayout { 4, 25, 1 };
    RowLayoutLimits layoutLimits = MixedOperations::kLayoutLimits;
    int largest = 100; // 最大数 at start
    int results = 100; // 得数不超过 at start
};

class MixedWindow : public DrillWindow {
    Q_OBJECT
public:
    MixedWindow(
        DrillEnvironment& environment, const MixedDrillDefinition& definition, QWidget* parent = nullptr);

protected:
    std::optional<DrillRun> readRun() override;
    // The operations come 加, 减, 乘, 除 on the keyboard, as they read, then 步数.
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* settingLine(
        int line, const char* labelName, const QString& title, const char* boxName, int initial);
    MixedSteps steps() const;

    MixedDrillDefinition m_definition;
    std::vector<QCheckBox*> m_operations; // 加, 减, 乘, 除
    QButtonGroup* m_steps = nullptr; // 一步, 两步, 两步带括号, their ids those of MixedSteps
    QLineEdit* m_largest = nullptr;
    QLineEdit* m_results = nullptr;
    QCheckBox* m_table = nullptr;
    QLineEdit* m_perRow = nullptr;
    QLineEdit* m_rows = nullptr;
    QLineEdit* m_pages = nullptr;
    QCheckBox* m_distinct = nullptr;
    bool m_operationsInOrder = false;
};
