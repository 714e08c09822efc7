#pragma once
// The upper-grade division window gdchs1: exact divisions of one kind
// (dividend and divisor digits), laid out in rows and pages like the
// multiplication drill, in cells of 18 characters.

#include "drills/rows/OperandRowWindow.h"

namespace DivisionRowTexts {
inline const QString kDigitsMessage
    = QStringLiteral("输入位数错误！被除数位数为2-6位，除数位数为1-5位，且被除数位数不能少于除数位数。");
} // namespace DivisionRowTexts

class DivisionRowWindow : public OperandRowWindow {
    Q_OBJECT
public:
    explicit DivisionRowWindow(DrillEnvironment& environment, QWidget* parent = nullptr);
};
