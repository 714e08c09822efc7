// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Addition and subtraction questions a+b= and a-b= with no negative result,
// either with operands of exact digit counts (the lower, middle and upper
// grades) or within a limit (kindergarten), laid out by the row drill.

#include "drills/rows/RowDrill.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <variant>

class RandomSource;
class SheetOutputs;

enum class AddSubOperation { Addition, Subtraction, Mixed };

// 不限, 必须进位/退位 (every addition carries and every subtraction borrows in
// some column), 不进位/不退位 (none does).
enum class CarryChoice { Any, Always, Never };

// 求结果 a+b=, or 填空: the second addend or the minuend left blank, a+( )=c and ( )-b=c.
enum class QuestionForm { Result, Blank };

// The first operand has exactly firstDigits digits and the second exactly
// secondDigits; a one-digit operand is 1 to 9.
struct DigitOperands {
    int firstDigits;
    int secondDigits;
};

// Operands and result within 0 … limit.
struct LimitOperands {
    int limit;
};

using OperandRule = std::variant<DigitOperands, LimitOperands>;

struct AddSubQuestion {
    std::int64_t a;
    std::int64_t b;
    bool subtract;

    std::int64_t result() const { return subtract ? a - b : a + b; }
};

struct AddSubSettings {
    OperandRule operands;
    AddSubOperation operation;
    int perRow;
    int rowsPerPage;
    int pages;
    bool answers;
    CarryChoice carry = CarryChoice::Any;
    bool distinct = false; // 题目不重复: no question twice in the sheet
    QuestionForm form = QuestionForm::Result;
    // 得数不超过: every result, and a subtraction's minuend, at most this.
    std::optional<std::int64_t> resultLimit = std::nullopt;
    // Chains of three numbers: 连加, 连减, or for a mixed sheet a+b−c and a−b+c.
    bool threeNumbers = false;
    // Decimal places of the operands (0, 1 or 2): the digits are those of the
    // numbers as written, and a limit counts in whole units.
    int places = 0;
};

namespace AddSubTexts {
inline const QString kLimitMessage = QStringLiteral("输入范围错误！计算范围为5-20以内。");
// "输入位数错误！第一个数为1-N位，第二个数为1-N位。"
QString digitsMessage(int maxDigits);
inline const QString kResultLimitMessage = QStringLiteral("输入范围错误！得数不超过的数为1-9999999。");

// The words of the windows' choices, which their refusals name too.
inline const QString kDigits = QStringLiteral("位数");
inline const QString kLimit = QStringLiteral("计算范围");
inline const QString kAdditionCaption = QStringLiteral("加法");
inline const QString kSubtractionCaption = QStringLiteral("减法");
inline const QString kMixedCaption = QStringLiteral("加减混合");
inline const QString kAlwaysCarryCaption = QStringLiteral("必须进位/退位");
inline const QString kNeverCarryCaption = QStringLiteral("不进位/不退位");
inline const QString kLimitCaption = QStringLiteral("得数不超过");
inline const QString kThreeNumbersCaption = QStringLiteral("三个数连加减");

// Why settings under which no question exists are refused, naming only the
// choices in play in the window's own words: the carry choice alone for
// questions of two numbers, otherwise every choice that bounds them.
QString noQuestionMessage(const AddSubSettings& settings);
} // namespace AddSubTexts

namespace AddSubtract {
inline constexpr int kMinLimit = 5;
inline constexpr int kMaxLimit = 20;
inline constexpr RowLayoutLimits kLayoutLimits { 20, 50, 40 };
inline constexpr int kMinResultLimit = 1;
inline constexpr int kMaxResultLimit = 9999999;

// Writes a+b= or a-b= and, when shown, the result at the end of the line;
// in the blank form a+( )=c or ( )-b=c, with the answer in the brackets when shown.
void writeQuestion(SheetLine& line, const AddSubQuestion& question, bool withAnswer,
    QuestionForm form = QuestionForm::Result);
// Room for the longest question with its answer and at least three spaces;
// a chain of three numbers has the second number's digits twice, and a
// decimal is written with its point (and "0." when below 1).
int cellWidth(const OperandRule& operands, QuestionForm form = QuestionForm::Result,
    bool threeNumbers = false, int places = 0);
// stage: "低段", "中段" or "高段"; not used for a limit.
RowSheet sheet(const QString& stage, const OperandRule& operands, QuestionForm form = QuestionForm::Result,
    bool threeNumbers = false, int places = 0);

// The message that refuses settings no sheet can obey (a carry choice no
// question meets, more distinct questions asked than exist), or nothing.
std::optional<QString> refusal(const AddSubSettings& settings);

bool run(const QString& stage, const AddSubSettings& settings, RandomSource& random, SheetOutputs& outputs);
} // namespace AddSubtract
