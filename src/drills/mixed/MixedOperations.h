// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Mixed operations: + − × ÷ as the teacher ticks them, in one step, two steps
// or two steps with brackets, every question under the step rules (whole
// results from 0 up to a limit, exact divisions, nothing multiplied or
// divided by 1, no 0 written, brackets only where they change the answer,
// and on request within the tables). Each shape (a+b×c, (a−b)÷c …) counts its
// questions and gets an equal share of the sheet, dealt from it like a
// shuffled deck by index; the shares are mixed in random order.

#include "drills/rows/RowDrill.h"
#include "questions/ShapeSpace.h"
#include "questions/ShareDealer.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

class RandomSource;
class SheetOutputs;

enum class MixedSteps { One, Two, TwoBracketed };

struct MixedSettings {
    std::array<bool, 4> operations { true, true, true, true }; // 加, 减, 乘, 除
    MixedSteps steps = MixedSteps::Two;
    StepRules rules;
    RowLayout layout { 4, 25, 1 };
    bool distinct = false; // 题目不重复
    bool answers = false;
    int sheetNumber = 0; // 编号: named in the file name and under the title
};

namespace MixedTexts {
inline const QString kDrillName = QStringLiteral("四则混合");
inline const QString kStem = QStringLiteral("四则混合");
inline const QString kNoOperationMessage = QStringLiteral("请至少选择一种运算（加、减、乘、除）。");
inline const QString kLargestMessage = QStringLiteral("输入范围错误！最大数为1-1000。");
inline const QString kResultsMessage = QStringLiteral("输入范围错误！得数不超过的数为1-10000。");
inline const QString kNoQuestionMessage
    = QStringLiteral("按所选的运算、步数、最大数和得数范围出不了题，请重新选择。");
// A ticked operation that no question of the settings can use.
QString missingOperationMessage(Op op);
} // namespace MixedTexts

namespace MixedOperations {
inline constexpr RowLayoutLimits kLayoutLimits { 10, 50, 40 };
inline constexpr int kMaxLargest = 1000;
inline constexpr int kMaxResults = 10000;

// The shapes of the ticked operations and the steps, brackets only where they change the answer.
std::vector<Shape> shapes(const std::array<bool, 4>& operations, MixedSteps steps);

// The message that refuses settings no sheet can obey, or nothing.
std::optional<QString> refusal(const MixedSettings& settings);
CellSheet sheet(const MixedSettings& settings);
bool run(const MixedSettings& settings, RandomSource& random, SheetOutputs& outputs);

// All questions the settings allow, summed over the shapes.
std::int64_t questionCount(const MixedSettings& settings);

// The questions of a run: the shapes that have questions and each one's
// share of the sheet, equal ones (the remainder to shapes picked at random).
// With 题目不重复 a shape with fewer questions than its share gives all it
// has and the other shapes share out the rest, so no question comes twice.
class ShapeDealer {
public:
    ShapeDealer(const MixedSettings& settings, RandomSource& random);

    const std::vector<ShapeSpace>& spaces() const { return m_spaces; }
    // How many questions each shape gives the sheet.
    const std::vector<std::int64_t>& shares() const { return m_shares; }
    Question next(RandomSource& random) { return m_dealer->next(random); }

private:
    std::vector<ShapeSpace> m_spaces; // the shapes that have questions
    std::vector<std::int64_t> m_shares;
    std::unique_ptr<ShareDealer> m_dealer;
};
} // namespace MixedOperations

class MixedWindow;

// The mixed-operations window as data.
struct MixedDrillDefinition {
    using Window = MixedWindow; // the window family that shows it

    QString drillName = MixedTexts::kDrillName; // named in the heading and on the generate button
    RowLayout initialLayout { 4, 25, 1 };
    RowLayoutLimits layoutLimits = MixedOperations::kLayoutLimits;
    int largest = 100; // 最大数 at start
    int results = 100; // 得数不超过 at start
};
