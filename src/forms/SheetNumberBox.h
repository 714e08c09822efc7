// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The box 编号 of a drill whose sheets are numbered: the number alone (with
// the same settings) fixes the sheet, so typing a number makes that sheet
// again. At the start and after each generated sheet it holds a new number
// drawn from the system's entropy, so every start gives new sheets.

#include "forms/Controls.h"

#include <QString>
#include <optional>

class QLineEdit;

namespace SheetNumberTexts {
inline const QString kTitle = QStringLiteral("编号");
inline const QString kMessage = QStringLiteral("输入编号错误！编号为1-999999。");
inline constexpr int kLowest = 1;
inline constexpr int kHighest = 999999;
inline constexpr const char* kLabelName = "Label10";
inline constexpr const char* kBoxName = "Text9";
} // namespace SheetNumberTexts

class SheetNumberBox {
public:
    // Places the label and the box on the window; the box holds a new number.
    SheetNumberBox(QWidget* window, Twips labelPlace, Twips boxPlace);

    // The number typed, or nothing when it is not a whole number 1 to 999999.
    std::optional<int> read() const;
    // Puts a new number into the box.
    void renew();

    QLineEdit* box() const { return m_box; }

    // A number from the system's entropy, 1 to 999999.
    static int drawNumber();

private:
    QLineEdit* m_box;
};
