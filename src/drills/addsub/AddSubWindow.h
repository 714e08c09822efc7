// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window of the addition and subtraction drills (yer1, ddjj1, zdjj1,
// gdjj1): the limit or the two digit boxes as the drill's definition has
// them, the choice of addition, subtraction or both, carrying, questions per
// row, rows per page and pages per run, and the choices the drill offers.

#include "drills/addsub/AddSubDrills.h"
#include "drills/addsub/AddSubtract.h"
#include "drills/rows/RowWindow.h"

#include <optional>
#include <vector>

class QButtonGroup;
class QCheckBox;

class AddSubWindow : public RowWindow {
    Q_OBJECT
public:
    AddSubWindow(
        DrillEnvironment& environment, const AddSubDrillDefinition& definition, QWidget* parent = nullptr);

protected:
    // operands: the two digit counts, or the limit.
    std::optional<PreparedSheet> prepareSheet(
        const std::vector<int>& operands, const RowLayout& layout) override;

private:
    AddSubOperation operation() const;
    CarryChoice carry() const;
    QuestionForm form() const;
    int places() const;

    AddSubDrillDefinition m_definition;
    // Option ids are the values of AddSubOperation, CarryChoice, QuestionForm
    // and the number of decimal places.
    QButtonGroup* m_operations; // 加法, 减法, 加减混合
    QButtonGroup* m_carry; // 不限, 必须进位/退位, 不进位/不退位
    QCheckBox* m_distinct;
    QButtonGroup* m_forms = nullptr; // 求结果, 填空; only where offered
    QCheckBox* m_limitCheck;
    QLineEdit* m_limitBox;
    QCheckBox* m_threeNumbers = nullptr; // only where offered
    QButtonGroup* m_places = nullptr; // 整数, 一位小数, 两位小数; only where offered
};
