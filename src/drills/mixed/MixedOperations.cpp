// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/mixed/MixedOperations.h"

#include "output/FrameLines.h"

#include "common/DistinctTexts.h"
#include "output/SheetOutputs.h"
#include "questions/QuestionText.h"
#include "random/DistinctDraws.h"

#include <algorithm>
#include <numeric>

namespace {
constexpr std::array<Op, 4> kOps { Op::Add, Op::Subtract, Op::Multiply, Op::Divide };

int uses(const Shape& shape, Op op)
{
    int count = shape.ops[0] == op ? 1 : 0;
    if (shape.terms == 3 && shape.ops[1] == op) {
        ++count;
    }
    return count;
}

std::vector<ShapeSpace> spacesOf(const MixedSettings& settings)
{
    const auto tables = std::make_shared<const StepTables>(settings.rules);
    std::vector<ShapeSpace> spaces;
    for (const Shape& shape : MixedOperations::shapes(settings.operations, settings.steps)) {
        ShapeSpace space(shape, tables);
        if (space.count() > 0) {
            spaces.push_back(std::move(space));
        }
    }
    return spaces;
}
} // namespace

QString MixedTexts::missingOperationMessage(Op op)
{
    static const QString kNames[]
        = { QStringLiteral("加法"), QStringLiteral("减法"), QStringLiteral("乘法"), QStringLiteral("除法") };
    return QStringLiteral("按所选的步数、最大数和得数范围出不了用到") + kNames[static_cast<int>(op)]
        + QStringLiteral("的题，请重新选择。");
}

std::vector<Shape> MixedOperations::shapes(const std::array<bool, 4>& operations, MixedSteps steps)
{
    std::vector<Op> ticked;
    for (std::size_t o = 0; o < kOps.size(); ++o) {
        if (operations[o]) {
            ticked.push_back(kOps[o]);
        }
    }
    std::vector<Shape> shapes;
    for (const Op first : ticked) {
        if (steps == MixedSteps::One) {
            shapes.push_back({ 2, { first, Op::Add }, Brackets::None });
            continue;
        }
        for (const Op second : ticked) {
            if (steps == MixedSteps::Two) {
                shapes.push_back({ 3, { first, second }, Brackets::None });
                continue;
            }
            for (const Brackets brackets : { Brackets::First, Brackets::Last }) {
                const Shape shape { 3, { first, second }, brackets };
                if (shape.bracketsChange()) {
                    shapes.push_back(shape);
                }
            }
        }
    }
    return shapes;
}

std::int64_t MixedOperations::questionCount(const MixedSettings& settings)
{
    std::int64_t total = 0;
    for (const ShapeSpace& space : spacesOf(settings)) {
        total += space.count();
    }
    return total;
}

MixedOperations::ShapeDealer::ShapeDealer(const MixedSettings& settings, RandomSource& random)
    : m_spaces(spacesOf(settings))
{
    const std::int64_t wanted = settings.layout.questions();
    m_shares.assign(m_spaces.size(), 0);
    // With 题目不重复, the shapes from the fewest questions up: one that cannot
    // fill an equal share of what is left gives all it has.
    std::vector<std::size_t> order(m_spaces.size());
    std::iota(order.begin(), order.end(), std::size_t { 0 });
    std::int64_t left = wanted;
    std::size_t first = 0;
    if (settings.distinct) {
        std::stable_sort(order.begin(), order.end(),
            [&](std::size_t x, std::size_t y) { return m_spaces[x].count() < m_spaces[y].count(); });
        for (; first < order.size(); ++first) {
            const std::int64_t count = m_spaces[order[first]].count();
            if (count > left / static_cast<std::int64_t>(order.size() - first)) {
                break;
            }
            m_shares[order[first]] = count;
            left -= count;
        }
        // The shapes left keep their own order for the split below.
        std::sort(order.begin() + static_cast<std::ptrdiff_t>(first), order.end());
    }
    const std::vector<std::int64_t> equal = Shares::split(left, order.size() - first, random);
    for (std::size_t i = first; i < order.size(); ++i) {
        m_shares[order[i]] = equal[i - first];
    }
    std::vector<ShareDealer::Share> shares;
    for (std::size_t s = 0; s < m_spaces.size(); ++s) {
        shares.push_back({ std::make_unique<QuestionSpace>(m_spaces[s]), m_shares[s] });
    }
    m_dealer = std::make_unique<ShareDealer>(std::move(shares));
}

std::optional<QString> MixedOperations::refusal(const MixedSettings& settings)
{
    if (std::none_of(settings.operations.begin(), settings.operations.end(), [](bool t) { return t; })) {
        return MixedTexts::kNoOperationMessage;
    }
    const std::vector<ShapeSpace> spaces = spacesOf(settings);
    if (spaces.empty()) {
        return MixedTexts::kNoQuestionMessage;
    }
    for (std::size_t o = 0; o < kOps.size(); ++o) {
        const bool used = std::any_of(
            spaces.begin(), spaces.end(), [&](const ShapeSpace& s) { return uses(s.shape(), kOps[o]) > 0; });
        if (settings.operations[o] && !used) {
            return MixedTexts::missingOperationMessage(kOps[o]);
        }
    }
    std::int64_t total = 0;
    for (const ShapeSpace& space : spaces) {
        total += space.count();
    }
    if (settings.distinct && total < settings.layout.questions()) {
        return DistinctTexts::countMessage(total);
    }
    return std::nullopt;
}

CellSheet MixedOperations::sheet(const MixedSettings& settings)
{
    const Shape widest { .terms = settings.steps == MixedSteps::One ? 2 : 3,
        .brackets = settings.steps == MixedSteps::TwoBracketed ? Brackets::First : Brackets::None };
    return { FrameLines::numberedFileName(FrameLines::sheetFileName(MixedTexts::kStem), settings.sheetNumber),
        FrameLines::sheetTitle(MixedTexts::kStem), settings.sheetNumber, settings.rules.widestText(widest) };
}

bool MixedOperations::run(const MixedSettings& settings, RandomSource& random, SheetOutputs& outputs)
{
    Q_ASSERT(!refusal(settings));
    ShapeDealer dealer(settings, random);
    return RowDrill::runCells(
        sheet(settings), settings.layout,
        [&](SheetLine& row) { QuestionText::write(row, dealer.next(random), settings.answers); }, outputs);
}
