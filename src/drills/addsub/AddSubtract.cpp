#include "drills/addsub/AddSubtract.h"

#include "common/DistinctTexts.h"
#include "common/Flatten.h"
#include "drills/addsub/AddSubSpace.h"
#include "drills/rows/RowDrill.h"
#include "random/DistinctDraws.h"
#include "random/Draws.h"

#include <algorithm>
#include <array>
#include <memory>
#include <utility>

namespace {
int digitCount(std::int64_t value)
{
    int digits = 1;
    for (; value >= 10; value /= 10) {
        ++digits;
    }
    return digits;
}

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
    static Bounds bounds(int digits)
    {
        const std::int64_t high = Draws::powerOfTen(digits);
        return { digits == 1 ? 1 : high / 10, high };
    }

    explicit DigitDraw(const DigitOperands& digits)
        : m_operands { { { bounds(digits.firstDigits), bounds(digits.secondDigits) },
            { bounds(std::max(digits.firstDigits, digits.secondDigits)),
                bounds(std::min(digits.firstDigits, digits.secondDigits)) } } }
    {
    }

    // Without a branch on the operation, which is a coin toss in a mixed sheet.
    AddSubQuestion draw(RandomSource& random, bool subtract) const
    {
        const std::array<Bounds, 2>& operands = m_operands[subtract ? 1 : 0];
        const std::int64_t a = Draws::atLeast(random, operands[0].lowest, operands[0].high);
        const std::int64_t b = Draws::atLeast(random, operands[1].lowest, operands[1].high);
        // The two trade places through a mask when a subtraction drew the smaller first.
        const std::int64_t swap = (a ^ b) & -static_cast<std::int64_t>(subtract & (a < b));
        return { a ^ swap, b ^ swap, subtract };
    }

private:
    std::array<std::array<Bounds, 2>, 2> m_operands; // the addition's, the subtraction's
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

// The questions of a run: the plain draw, or, when a carry choice or 题目不重复
// asks for more, the run's own spaces and, for a sheet without repeats, the
// indices it has used.
class QuestionDraw {
public:
    explicit QuestionDraw(const AddSubSettings& settings)
        : m_settings(settings)
    {
        if (plain()) {
            if (const auto* digits = std::get_if<DigitOperands>(&settings.operands)) {
                m_digits.emplace(*digits);
            }
            return;
        }
        if (adds(settings.operation)) {
            m_addition.emplace(settings.operands, false, settings.carry);
        }
        if (subtracts(settings.operation)) {
            m_subtraction.emplace(settings.operands, true, settings.carry);
        }
        if (settings.distinct) {
            m_indices.emplace(additions() + subtractions(),
                qint64 { settings.perRow } * settings.rowsPerPage * settings.pages);
        }
    }

    AddSubQuestion next(RandomSource& random)
    {
        if (plain()) {
            const bool subtract = drawSubtraction(random, m_settings.operation);
            return m_digits
                ? m_digits->draw(random, subtract)
                : drawWithinLimit(random, std::get<LimitOperands>(m_settings.operands).limit, subtract);
        }
        if (m_indices) {
            const std::int64_t index = m_indices->next(random);
            return index < additions() ? m_addition->at(index) : m_subtraction->at(index - additions());
        }
        const bool subtract = drawSubtraction(random, m_settings.operation);
        const AddSubSpace& space = subtract ? *m_subtraction : *m_addition;
        return space.at(Draws::uniformIndex(random, space.count()));
    }

private:
    bool plain() const { return m_settings.carry == CarryChoice::Any && !m_settings.distinct; }
    std::int64_t additions() const { return m_addition ? m_addition->count() : 0; }
    std::int64_t subtractions() const { return m_subtraction ? m_subtraction->count() : 0; }

    const AddSubSettings& m_settings;
    std::optional<DigitDraw> m_digits;
    std::optional<AddSubSpace> m_addition;
    std::optional<AddSubSpace> m_subtraction;
    std::optional<DistinctIndices> m_indices;
};
} // namespace

QString AddSubTexts::impossibleCarryMessage(bool limited, bool subtract, CarryChoice carry)
{
    const bool always = carry == CarryChoice::Always;
    const QString kind = subtract
        ? (always ? QStringLiteral("必须退位的减法题") : QStringLiteral("不退位的减法题"))
        : (always ? QStringLiteral("必须进位的加法题") : QStringLiteral("不进位的加法题"));
    return (limited ? QStringLiteral("在所选的计算范围内") : QStringLiteral("按所选的位数"))
        + QStringLiteral("出不了") + kind + QStringLiteral("，请重新选择进位退位。");
}

QString AddSubTexts::digitsMessage(int maxDigits)
{
    const QString bound = QString::number(maxDigits);
    return QStringLiteral("输入位数错误！第一个数为1-") + bound + QStringLiteral("位，第二个数为1-") + bound
        + QStringLiteral("位。");
}

RowSheet AddSubtract::sheet(const QString& stage, const OperandRule& operands, QuestionForm form)
{
    const int width = cellWidth(operands, form);
    if (const auto* limit = std::get_if<LimitOperands>(&operands)) {
        return RowDrill::namedSheet(
            QStringLiteral("幼儿园") + QString::number(limit->limit) + QStringLiteral("以内加减"), width);
    }
    const auto& digits = std::get<DigitOperands>(operands);
    return RowDrill::namedSheet(
        RowDrill::operandStem(stage, digits.firstDigits, QStringLiteral("加减"), digits.secondDigits), width);
}

std::int64_t AddSubtract::drawOperand(RandomSource& random, int digits)
{
    // Nine in ten draws have the wanted number of digits.
    const DigitDraw::Bounds bounds = DigitDraw::bounds(digits);
    return Draws::atLeast(random, bounds.lowest, bounds.high);
}

AddSubQuestion AddSubtract::drawQuestion(
    RandomSource& random, const OperandRule& operands, AddSubOperation operation)
{
    const bool subtract = drawSubtraction(random, operation);
    if (const auto* limit = std::get_if<LimitOperands>(&operands)) {
        return drawWithinLimit(random, limit->limit, subtract);
    }
    return DigitDraw(std::get<DigitOperands>(operands)).draw(random, subtract);
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
            line.appendAscii('-');
            line.appendNumber(question.b);
        } else {
            line.appendNumber(question.a);
            line.appendAscii('+');
            blank(question.b);
        }
        line.appendAscii('=');
        line.appendNumber(question.result());
        return;
    }
    RowDrill::writeOperation(line, question.a, question.subtract ? u"-" : u"+", question.b,
        withAnswer ? std::optional<std::int64_t>(question.result()) : std::nullopt);
}

int AddSubtract::cellWidth(const OperandRule& operands, QuestionForm form)
{
    int longest = 0;
    if (const auto* limit = std::get_if<LimitOperands>(&operands)) {
        longest = 3 * digitCount(limit->limit) + 2;
    } else {
        const auto& digits = std::get<DigitOperands>(operands);
        // A sum has at most one digit more than the longer operand.
        longest = digits.firstDigits + digits.secondDigits + std::max(digits.firstDigits, digits.secondDigits)
            + 3;
    }
    // The blank form adds its two brackets.
    return std::max(10, longest + 4) + (form == QuestionForm::Blank ? 2 : 0);
}

std::optional<QString> AddSubtract::refusal(const AddSubSettings& settings)
{
    if (settings.carry == CarryChoice::Any && !settings.distinct) {
        return std::nullopt;
    }
    const bool limited = std::holds_alternative<LimitOperands>(settings.operands);
    std::int64_t distinct = 0;
    for (const bool subtract : { false, true }) {
        if (subtract ? !subtracts(settings.operation) : !adds(settings.operation)) {
            continue;
        }
        const std::int64_t count = AddSubSpace(settings.operands, subtract, settings.carry).count();
        if (count == 0) {
            return AddSubTexts::impossibleCarryMessage(limited, subtract, settings.carry);
        }
        distinct += count;
    }
    const qint64 wanted = qint64 { settings.perRow } * settings.rowsPerPage * settings.pages;
    if (settings.distinct && distinct < wanted) {
        return DistinctTexts::countMessage(distinct);
    }
    return std::nullopt;
}

MIREVA_FLATTEN bool AddSubtract::run(
    const QString& stage, const AddSubSettings& settings, RandomSource& random, SheetOutputs& outputs)
{
    Q_ASSERT(!refusal(settings));
    QuestionDraw draw(settings);
    return RowDrill::run(
        sheet(stage, settings.operands, settings.form),
        { settings.perRow, settings.rowsPerPage, settings.pages },
        [&](SheetLine& row) { writeQuestion(row, draw.next(random), settings.answers, settings.form); },
        outputs);
}
