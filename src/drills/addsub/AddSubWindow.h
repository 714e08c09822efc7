#pragma once
// The addition and subtraction drill windows: kindergarten (yer1, a limit)
// and the lower, middle and upper grades (ddjj1, zdjj1, gdjj1, digit counts
// of the two numbers), each with the choice of addition, subtraction or both,
// questions per row, rows per page and pages per run.

#include "drills/addsub/AddSubtract.h"
#include "drills/rows/RowWindow.h"

#include <optional>
#include <vector>

class QCheckBox;
class QRadioButton;

enum class AddSubDrill { Kindergarten, Lower, Middle, Upper };

struct AddSubDrillDefinition {
    QString stage; // "低段", "中段", "高段"; empty for kindergarten
    QString drillName; // named in the heading and on the generate button
    int maxDigits; // 0: a limit box instead of the two digit boxes
    int firstDigits; // initial contents of the boxes
    int secondDigits;
    int limit;
    bool offersBlanks; // the form choice 求结果 / 填空
    bool offersThreeNumbers = false; // chains of three numbers
    bool offersDecimals = false; // the choice of decimal places
};

AddSubDrillDefinition addSubDrillDefinition(AddSubDrill drill);

class AddSubWindow : public RowWindow {
    Q_OBJECT
public:
    AddSubWindow(DrillEnvironment& environment, const AddSubDrillDefinition& kind, QWidget* parent = nullptr);

protected:
    // operands: the two digit counts, or the limit.
    std::optional<Run> prepareRun(const std::vector<int>& operands, const RowLayout& layout) override;

private:
    AddSubOperation operation() const;
    CarryChoice carry() const;
    QuestionForm form() const;
    int places() const;

    AddSubDrillDefinition m_kind;
    std::vector<QRadioButton*> m_operations; // 加法, 减法, 加减混合
    std::vector<QRadioButton*> m_carry; // 不限, 必须进位/退位, 不进位/不退位
    QCheckBox* m_distinct;
    std::vector<QRadioButton*> m_forms; // 求结果, 填空; empty where not offered
    QCheckBox* m_limitCheck;
    QLineEdit* m_limitBox;
    QCheckBox* m_threeNumbers = nullptr; // only where offered
    std::vector<QRadioButton*> m_places; // 整数, 一位小数, 两位小数; empty where not offered
};
