// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Mixed operations: + − × ÷ as the teacher ticks them, in one step, two steps
// or two steps with brackets, every question under the step rules (whole
// results from 0 up to a limit, exact divisions, nothing multiplied or
// divided by 1, no 0 written, brackets only where they change the answer,
// and on request within the tables). Each shape (a+b×c, (a−b)÷c …) counts its
// questions; the shapes are weighted so that each ticked operation comes
// about equally often across a sheet, and a question is drawn by its index.

#include "drills/rows/RowDrill.h"
#include "questions/ShapeSpace.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

class DistinctIndices;
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

// The questions of a run: a shape drawn by its weight, then a question of it
// by index (without repeats for 题目不重复).
class Draw {
public:
    explicit Draw(const MixedSettings& settings);
    ~Draw();

    // All questions the settings allow, summed over the shapes.
    std::int64_t total() const { return m_total; }
    const std::vector<ShapeSpace>& spaces() const { return m_spaces; }
    // Each shape's share of the draws, out of the sum of them.
    const std::vector<std::int64_t>& tickets() const { return m_tickets; }
    Question next(RandomSource& random);

private:
    std::vector<ShapeSpace> m_spaces; // the shapes that have questions
    std::vector<std::int64_t> m_tickets;
    std::int64_t m_ticketSum = 0;
    std::int64_t m_total = 0;
    std::vector<DistinctIndices> m_unused; // 题目不重复: each shape's indices still to come
    std::vector<std::int64_t> m_left;
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
