// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/addsub/AddSubtract.h"

#include "common/DistinctTexts.h"
#include "drills/addsub/AddSubChainSpace.h"
#include "drills/addsub/AddSubSpace.h"
#include "drills/rows/RowDrill.h"
#include "random/DistinctDraws.h"
#include "random/Draws.h"

#include <algorithm>
#include <array>
#include <memory>
#include <utility>
#include <vector>

namespace {
// Both operands within 1 … limit (a question with 0 teaches little), drawn
// again until the result lies within 0 … limit. Each pass is accepted with
// probability about 1/2 (at least 2/5, for addition within 5).
AddSubQuestion drawWithinLimit(RandomSource& random, int limit, bool subtract)
{
    AddSubQuestion question { 0, 0, subtract };
    do {
        question.a = Draws::atLeast(random, 1, limit + 1);
        question.b = Draws::atLeast(random, 1, limit + 1);
    } while (question.result() < 0 || question.result() > limit);
    return question;
}

// What a plain draw of operands of exact digit counts needs, worked out once:
// an addition draws the first count, then the second; a subtraction the
// larger count first (a shorter first number cannot stay above a longer
// second one), and with equal counts the two numbers trade places when the
// first is the smaller.
class DigitDraw {
public:
    // trunc(r × high) drawn again while below lowest: uniform over the
    // numbers of exactly that many digits (1 to 9 for one digit).
    struct Bounds {
        std::int64_t lowest;
        std::int64_t high;
    };
    static Bounds operandBounds(int digits)
    {
        const std::int64_t high = Draws::powerOfTen(digits);
        return { digits == 1 ? 1 : high / 10, high };
    }

    DigitDraw(const DigitOperands& digits, int places)
        : m_first(operandBounds(digits.firstDigits))
        , m_second(operandBounds(digits.secondDigits))
        , m_longer(operandBounds(std::max(digits.firstDigits, digits.secondDigits)))
        , m_shorter(operandBounds(std::min(digits.firstDigits, digits.secondDigits)))
        , m_decimals(places > 0)
    {
    }

    AddSubQuestion draw(RandomSource& random, bool subtract) const
    {
        const Bounds& first = subtract ? m_longer : m_first;
        const Bounds& second = subtract ? m_shorter : m_second;
        std::int64_t a = operand(random, first);
        std::int64_t b = operand(random, second);
        if (subtract && a < b) {
            std::swap(a, b);
        }
        return { a, b, subtract };
    }

private:
    // A decimal, written from the whole number of its last place, is drawn
    // again when that place would be 0: it keeps its places and its digits.
    std::int64_t operand(RandomSource& random, const Bounds& bounds) const
    {
        std::int64_t value = 0;
        do {
            value = Draws::atLeast(random, bounds.lowest, bounds.high);
        } while (m_decimals && value % 10 == 0);
        return value;
    }

    // The addition's operands, then the subtraction's.
    Bounds m_first;
    Bounds m_second;
    Bounds m_longer;
    Bounds m_shorter;
    bool m_decimals;
};

bool adds(AddSubOperation operation)
{
    return operation != AddSubOperation::Subtraction;
}
bool subtracts(AddSubOperation operation)
{
    return operation != AddSubOperation::Addition;
}
// Whether the next question subtracts: a coin toss in a mixed sheet, which
// keeps its even chance of either operation.
bool drawSubtraction(RandomSource& random, AddSubOperation operation)
{
    return operation == AddSubOperation::Mixed ? random.below(2) == 1
                                               : operation == AddSubOperation::Subtraction;
}

// Whether the sheet's questions come from the column-by-column count of
// chains: three numbers, or a result limit on digit counts.
bool chained(const AddSubSettings& settings)
{
    return settings.threeNumbers
        || (settings.resultLimit && std::holds_alternative<DigitOperands>(settings.operands));
}

// The kinds of chain a sheet mixes, in the order a mixed sheet's coin picks them.
std::vector<ChainShape> chainShapes(const AddSubSettings& settings)
{
    const auto& d = std::get<DigitOperands>(settings.operands);
    std::optional<std::int64_t> limit;
    if (settings.resultLimit) {
        limit = *settings.resultLimit * Draws::powerOfTen(settings.places);
    }
    std::vector<ChainShape> shapes;
    const auto add = [&](std::vector<int> digits, std::vector<bool> subtract) {
        shapes.push_back(
            { std::move(digits), std::move(subtract), settings.carry, limit, settings.places > 0 });
    };
    if (settings.threeNumbers) {
        const std::vector<int> digits { d.firstDigits, d.secondDigits, d.secondDigits };
        switch (settings.operation) {
        case AddSubOperation::Addition:
            add(digits, { false, false });
            break;
        case AddSubOperation::Subtraction:
            add(digits, { true, true });
            break;
        case AddSubOperation::Mixed:
            add(digits, { false, true });
            add(digits, { true, false });
            break;
        }
        return shapes;
    }
    if (adds(settings.operation)) {
        add({ d.firstDigits, d.secondDigits }, { false });
    }
    if (subtracts(settings.operation)) {
        // A subtraction takes the larger digit count first, as the plain draw does.
        add({ std::max(d.firstDigits, d.secondDigits), std::min(d.firstDigits, d.secondDigits) }, { true });
    }
    return shapes;
}

ChainQuestion asChain(const AddSubQuestion& question)
{
    return { { question.a, question.b, 0 }, { question.subtract, false }, 2 };
}

// The operations a sheet of two numbers asks for, as "subtracts": the
// additions first.
std::vector<bool> operationsOf(AddSubOperation operation)
{
    std::vector<bool> subtracting;
    if (adds(operation)) {
        subtracting.push_back(false);
    }
    if (subtracts(operation)) {
        subtracting.push_back(true);
    }
    return subtracting;
}

// The questions of two numbers of one operation that the settings allow.
AddSubSpace spaceOf(const AddSubSettings& settings, bool subtract)
{
    return { settings.operands, subtract, settings.carry, settings.resultLimit, settings.places };
}

// The questions of a run: the plain draw, or, when a carry choice, a result
// limit, three numbers or 题目不重复 asks for more, the run's own spaces (one
// per operation or kind of chain that has questions, which a mixed sheet
// picks by a coin toss when both have) and, for a sheet without repeats, the
// indices it has used.
class QuestionDraw {
public:
    explicit QuestionDraw(const AddSubSettings& settings)
        : m_settings(settings)
    {
        if (plain()) {
            if (const auto* digits = std::get_if<DigitOperands>(&settings.operands)) {
                m_digits.emplace(*digits, settings.places);
            }
            return;
        }
        if (chained(settings)) {
            for (const ChainShape& shape : chainShapes(settings)) {
                if (AddSubChainSpace space(shape); space.count() > 0) {
                    m_chains.push_back(std::move(space));
                }
            }
        } else {
            for (const bool subtract : operationsOf(settings.operation)) {
                if (AddSubSpace space = spaceOf(settings, subtract); space.count() > 0) {
                    m_spaces.push_back(std::move(space));
                }
            }
        }
        if (settings.distinct) {
            std::int64_t total = 0;
            for (std::size_t k = 0; k < spaceCount(); ++k) {
                total += count(k);
            }
            m_indices.emplace(total, qint64 { settings.perRow } * settings.rowsPerPage * settings.pages);
        }
    }

    // The plain draw, and the other draws, which give their questions as chains.
    bool plain() const
    {
        return m_settings.carry == CarryChoice::Any && !m_settings.distinct && !m_settings.resultLimit
            && !m_settings.threeNumbers;
    }
    AddSubQuestion next(RandomSource& random)
    {
        const bool subtract = drawSubtraction(random, m_settings.operation);
        return m_digits
            ? m_digits->draw(random, subtract)
            : drawWithinLimit(random, std::get<LimitOperands>(m_settings.operands).limit, subtract);
    }
    ChainQuestion nextChain(RandomSource& random)
    {
        if (plain()) {
            return asChain(next(random));
        }
        if (m_indices) {
            std::int64_t index = m_indices->next(random);
            std::size_t k = 0;
            for (; index >= count(k); ++k) {
                index -= count(k);
            }
            return at(k, index);
        }
        const std::size_t k = spaceCount() == 2 ? static_cast<std::size_t>(random.below(2)) : 0;
        return at(k, Draws::uniformIndex(random, count(k)));
    }

private:
    std::size_t spaceCount() const { return m_chains.empty() ? m_spaces.size() : m_chains.size(); }
    std::int64_t count(std::size_t k) const
    {
        return m_chains.empty() ? m_spaces[k].count() : m_chains[k].count();
    }
    ChainQuestion at(std::size_t k, std::int64_t index) const
    {
        return m_chains.empty() ? asChain(m_spaces[k].at(index)) : m_chains[k].at(index);
    }

    const AddSubSettings& m_settings;
    std::optional<DigitDraw> m_digits;
    std::vector<AddSubSpace> m_spaces; // the additions', then the subtractions'
    std::vector<AddSubChainSpace> m_chains;
    std::optional<DistinctIndices> m_indices;
};

// Writes a chain as writeQuestion writes two numbers, each number with its
// decimal places; in the blank form a chain of three leaves its second number blank.
void writeChain(
    SheetLine& line, const ChainQuestion& question, bool withAnswer, QuestionForm form, int places)
{
    if (question.terms == 2 && places == 0) {
        AddSubtract::writeQuestion(
            line, { question.numbers[0], question.numbers[1], question.subtract[0] }, withAnswer, form);
        return;
    }
    const auto number = [&](std::int64_t value) { line.appendDecimal(value, places); };
    const bool blank = form == QuestionForm::Blank;
    // Of two numbers, the second addend or the minuend stands in brackets.
    const int blankAt = !blank ? -1 : (question.terms == 2 && question.subtract[0] ? 0 : 1);
    for (int i = 0; i < question.terms; ++i) {
        if (i > 0) {
            line.appendSign(
                question.subtract[static_cast<std::size_t>(i) - 1] ? SheetSigns::kMinus : SheetSigns::kPlus);
        }
        if (i != blankAt) {
            number(question.numbers[static_cast<std::size_t>(i)]);
            continue;
        }
        line.appendAscii('(');
        if (withAnswer) {
            number(question.numbers[static_cast<std::size_t>(i)]);
        } else {
            line.appendSpaces(1);
        }
        line.appendAscii(')');
    }
    line.appendAscii('=');
    if (blank || withAnswer) {
        number(question.result());
    }
}
} // namespace

QString AddSubTexts::noQuestionMessage(const AddSubSettings& settings)
{
    const bool limited = std::holds_alternative<LimitOperands>(settings.operands);
    const bool always = settings.carry == CarryChoice::Always;
    if (!chained(settings) && !settings.resultLimit) {
        // Only the carry choice empties a sheet of two numbers.
        QStringList kinds;
        if (adds(settings.operation)) {
            kinds << (always ? QStringLiteral("必须进位的加法题") : QStringLiteral("不进位的加法题"));
        }
        if (subtracts(settings.operation)) {
            kinds << (always ? QStringLiteral("必须退位的减法题") : QStringLiteral("不退位的减法题"));
        }
        return (limited ? QStringLiteral("在所选的") + kLimit + QStringLiteral("内")
                        : QStringLiteral("按所选的") + kDigits)
            + QStringLiteral("出不了") + kinds.join(QStringLiteral("或"))
            + QStringLiteral("，请重新选择进位退位。");
    }
    QStringList choices { limited ? kLimit : kDigits };
    choices << (settings.operation == AddSubOperation::Addition  ? kAdditionCaption
            : settings.operation == AddSubOperation::Subtraction ? kSubtractionCaption
                                                                 : kMixedCaption);
    if (settings.threeNumbers) {
        choices << kThreeNumbersCaption;
    }
    if (settings.places > 0) {
        choices << RowDrill::placesName(settings.places);
    }
    if (settings.carry != CarryChoice::Any) {
        choices << (always ? kAlwaysCarryCaption : kNeverCarryCaption);
    }
    if (settings.resultLimit) {
        choices << kLimitCaption + QString::number(*settings.resultLimit);
    }
    const QString last = choices.takeLast();
    return QStringLiteral("按所选的") + choices.join(QStringLiteral("、")) + QStringLiteral("和") + last
        + QStringLiteral("出不了题，请重新选择。");
}

QString AddSubTexts::digitsMessage(int maxDigits)
{
    const QString bound = QString::number(maxDigits);
    return QStringLiteral("输入位数错误！第一个数为1-") + bound + QStringLiteral("位，第二个数为1-") + bound
        + QStringLiteral("位。");
}

RowSheet AddSubtract::sheet(
    const QString& stage, const OperandRule& operands, QuestionForm form, bool threeNumbers, int places)
{
    const int width = cellWidth(operands, form, threeNumbers, places);
    if (const auto* limit = std::get_if<LimitOperands>(&operands)) {
        return RowDrill::namedSheet(
            QStringLiteral("幼儿园") + QString::number(limit->limit) + QStringLiteral("以内加减"), width);
    }
    const auto& digits = std::get<DigitOperands>(operands);
    static const QString kOperations = QStringLiteral("加减");
    static const QString kChainedOperations = QStringLiteral("连加减");
    const QString stem = RowDrill::operandStem(
        stage, digits.firstDigits, threeNumbers ? kChainedOperations : kOperations, digits.secondDigits);
    return RowDrill::namedSheet(places > 0 ? stem + RowDrill::placesName(places) : stem, width);
}

void AddSubtract::writeQuestion(
    SheetLine& line, const AddSubQuestion& question, bool withAnswer, QuestionForm form)
{
    if (form == QuestionForm::Blank) {
        // The unknown stands in brackets: the second addend, or the minuend.
        const auto blank = [&](std::int64_t answer) {
            line.appendAscii('(');
            if (withAnswer) {
                line.appendNumber(answer);
            } else {
                line.appendSpaces(1);
            }
            line.appendAscii(')');
        };
        if (question.subtract) {
            blank(question.a);
            line.appendSign(SheetSigns::kMinus);
            line.appendNumber(question.b);
        } else {
            line.appendNumber(question.a);
            line.appendSign(SheetSigns::kPlus);
            blank(question.b);
        }
        line.appendAscii('=');
        line.appendNumber(question.result());
        return;
    }
    RowDrill::writeOperation(line, question.a, question.subtract ? SheetSigns::kMinus : SheetSigns::kPlus,
        question.b, withAnswer ? std::optional<std::int64_t>(question.result()) : std::nullopt);
}

int AddSubtract::cellWidth(const OperandRule& operands, QuestionForm form, bool threeNumbers, int places)
{
    int longest = 0;
    if (const auto* limit = std::get_if<LimitOperands>(&operands)) {
        longest = 3 * Draws::digitCount(limit->limit) + 2;
    } else {
        const auto& digits = std::get<DigitOperands>(operands);
        const auto written
            = [places](int count) { return places == 0 ? count : std::max(count + 1, places + 2); };
        // A sum (of three numbers too) has at most one digit more than the longest number.
        longest = written(digits.firstDigits) + written(digits.secondDigits)
            + written(std::max(digits.firstDigits, digits.secondDigits) + 1) + 2
            + (threeNumbers ? written(digits.secondDigits) + 1 : 0);
    }
    // The blank form adds its two brackets.
    return std::max(10, longest + 4) + (form == QuestionForm::Blank ? 2 : 0);
}

std::optional<QString> AddSubtract::refusal(const AddSubSettings& settings)
{
    // The questions the sheet may draw from, counted: none at all refuses
    // the sheet, and a mixed sheet with questions of one kind only keeps them.
    std::int64_t distinct = 0;
    if (chained(settings)) {
        for (const ChainShape& shape : chainShapes(settings)) {
            distinct += AddSubChainSpace(shape).count();
        }
    } else {
        for (const bool subtract : operationsOf(settings.operation)) {
            distinct += spaceOf(settings, subtract).count();
        }
    }
    if (distinct == 0) {
        return AddSubTexts::noQuestionMessage(settings);
    }
    const qint64 wanted = qint64 { settings.perRow } * settings.rowsPerPage * settings.pages;
    if (settings.distinct && distinct < wanted) {
        return DistinctTexts::countMessage(distinct);
    }
    return std::nullopt;
}

bool AddSubtract::run(
    const QString& stage, const AddSubSettings& settings, RandomSource& random, SheetOutputs& outputs)
{
    Q_ASSERT(!refusal(settings));
    QuestionDraw draw(settings);
    const RowSheet rowSheet
        = sheet(stage, settings.operands, settings.form, settings.threeNumbers, settings.places);
    const RowLayout layout { settings.perRow, settings.rowsPerPage, settings.pages };
    if (draw.plain() && settings.places == 0) {
        return RowDrill::run(
            rowSheet, layout,
            [&](SheetLine& row) { writeQuestion(row, draw.next(random), settings.answers, settings.form); },
            outputs);
    }
    return RowDrill::run(
        rowSheet, layout,
        [&](SheetLine& row) {
            writeChain(row, draw.nextChain(random), settings.answers, settings.form, settings.places);
        },
        outputs);
}
