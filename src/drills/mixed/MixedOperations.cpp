// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/mixed/MixedOperations.h"

#include "output/FrameLines.h"

#include "common/DistinctTexts.h"
#include "output/SheetOutputs.h"
#include "questions/QuestionText.h"
#include "random/DistinctDraws.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr std::array<Op, 4> kOps { Op::Add, Op::Subtract, Op::Multiply, Op::Divide };
// Rounds of evening out the operations' shares, and the least share of the
// largest weight that a shape keeps, so no shape vanishes where the
// operations cannot be evened out (加 and 减 with brackets).
constexpr int kRounds = 40;
constexpr double kLeastShare = 0.05;
constexpr std::int64_t kTicketScale = std::int64_t { 1 } << 20;

int uses(const Shape& shape, Op op)
{
    int count = shape.ops[0] == op ? 1 : 0;
    if (shape.terms == 3 && shape.ops[1] == op) {
        ++count;
    }
    return count;
}

// Shape weights under which every ticked operation is used about as often
// as the others: each round scales a shape by how far its operations fall
// short of (or run over) the mean share.
std::vector<double> evenWeights(const std::vector<ShapeSpace>& spaces)
{
    std::vector<double> weights(spaces.size(), 1.0);
    std::array<bool, 4> present {};
    for (const ShapeSpace& space : spaces) {
        for (std::size_t o = 0; o < kOps.size(); ++o) {
            present[o] = present[o] || uses(space.shape(), kOps[o]) > 0;
        }
    }
    for (int round = 0; round < kRounds; ++round) {
        std::array<double, 4> share {};
        double sum = 0;
        for (std::size_t s = 0; s < spaces.size(); ++s) {
            for (std::size_t o = 0; o < kOps.size(); ++o) {
                share[o] += weights[s] * uses(spaces[s].shape(), kOps[o]);
            }
        }
        int kinds = 0;
        for (std::size_t o = 0; o < kOps.size(); ++o) {
            sum += share[o];
            kinds += present[o] ? 1 : 0;
        }
        const double mean = sum / kinds;
        for (std::size_t s = 0; s < spaces.size(); ++s) {
            const Shape& shape = spaces[s].shape();
            double factor = 1.0;
            for (std::size_t o = 0; o < kOps.size(); ++o) {
                if (const int n = uses(shape, kOps[o]); n > 0) {
                    factor *= std::pow(mean / share[o], static_cast<double>(n) / (shape.terms - 1));
                }
            }
            weights[s] *= factor;
        }
        const double largest = *std::max_element(weights.begin(), weights.end());
        for (double& weight : weights) {
            weight /= largest;
        }
    }
    for (double& weight : weights) {
        weight = std::max(weight, kLeastShare);
    }
    return weights;
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

MixedOperations::Draw::Draw(const MixedSettings& settings)
    : m_spaces(spacesOf(settings))
{
    if (m_spaces.empty()) {
        return;
    }
    const std::vector<double> weights = evenWeights(m_spaces);
    double sum = 0;
    for (const double weight : weights) {
        sum += weight;
    }
    for (std::size_t s = 0; s < m_spaces.size(); ++s) {
        m_tickets.push_back(std::max<std::int64_t>(1, std::llround(weights[s] / sum * kTicketScale)));
        m_ticketSum += m_tickets.back();
        m_total += m_spaces[s].count();
        m_left.push_back(m_spaces[s].count());
    }
    if (settings.distinct) {
        for (const ShapeSpace& space : m_spaces) {
            m_unused.emplace_back(
                space.count(), std::min<std::int64_t>(space.count(), settings.layout.questions()));
        }
    }
}

MixedOperations::Draw::~Draw() = default;

Question MixedOperations::Draw::next(RandomSource& random)
{
    std::int64_t ticket = Draws::uniformIndex(random, m_ticketSum);
    std::size_t s = 0;
    for (; ticket >= m_tickets[s]; ++s) {
        ticket -= m_tickets[s];
    }
    if (m_unused.empty()) {
        return m_spaces[s].at(Draws::uniformIndex(random, m_spaces[s].count()));
    }
    const Question question = m_spaces[s].at(m_unused[s].next(random));
    if (--m_left[s] == 0) {
        // A shape whose questions have all come is drawn no more.
        m_ticketSum -= m_tickets[s];
        m_tickets[s] = 0;
    }
    return question;
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
    Draw draw(settings);
    return RowDrill::runCells(
        sheet(settings), settings.layout,
        [&](SheetLine& row) { QuestionText::write(row, draw.next(random), settings.answers); }, outputs);
}
