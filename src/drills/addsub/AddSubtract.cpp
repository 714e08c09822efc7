#include "drills/addsub/AddSubtract.h"

#include "drills/rows/RowDrill.h"
#include "random/Draws.h"

#include <algorithm>
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

AddSubQuestion drawByDigits(RandomSource& random, const DigitOperands& digits, bool subtract)
{
    if (!subtract) {
        const std::int64_t a = AddSubtract::drawOperand(random, digits.firstDigits);
        return { a, AddSubtract::drawOperand(random, digits.secondDigits), false };
    }
    // A shorter first number cannot stay above a longer second one, so a
    // subtraction always takes the larger digit count first. With equal
    // counts the two numbers trade places when the first is the smaller.
    const int first = std::max(digits.firstDigits, digits.secondDigits);
    const int second = std::min(digits.firstDigits, digits.secondDigits);
    AddSubQuestion question { AddSubtract::drawOperand(random, first), 0, true };
    question.b = AddSubtract::drawOperand(random, second);
    if (question.a < question.b) {
        std::swap(question.a, question.b);
    }
    return question;
}
} // namespace

QString AddSubTexts::digitsMessage(int maxDigits)
{
    const QString bound = QString::number(maxDigits);
    return QStringLiteral("输入位数错误！第一个数为1-") + bound + QStringLiteral("位，第二个数为1-") + bound
        + QStringLiteral("位。");
}

RowSheet AddSubtract::sheet(const QString& stage, const OperandRule& operands)
{
    const int width = cellWidth(operands);
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
    const std::int64_t high = Draws::powerOfTen(digits);
    return Draws::atLeast(random, digits == 1 ? 1 : high / 10, high);
}

AddSubQuestion AddSubtract::drawQuestion(
    RandomSource& random, const OperandRule& operands, AddSubOperation operation)
{
    const bool subtract = operation == AddSubOperation::Mixed ? random.below(2) == 1
                                                              : operation == AddSubOperation::Subtraction;
    if (const auto* limit = std::get_if<LimitOperands>(&operands)) {
        return drawWithinLimit(random, limit->limit, subtract);
    }
    return drawByDigits(random, std::get<DigitOperands>(operands), subtract);
}

void AddSubtract::writeQuestion(SheetLine& line, const AddSubQuestion& question, bool withAnswer)
{
    RowDrill::writeOperation(line, question.a, question.subtract ? u"-" : u"+", question.b,
        withAnswer ? std::optional<std::int64_t>(question.result()) : std::nullopt);
}

int AddSubtract::cellWidth(const OperandRule& operands)
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
    return std::max(10, longest + 4);
}

bool AddSubtract::run(
    const QString& stage, const AddSubSettings& settings, RandomSource& random, SheetOutputs& outputs)
{
    return RowDrill::run(
        sheet(stage, settings.operands), { settings.perRow, settings.rowsPerPage, settings.pages },
        [&](SheetLine& row) {
            writeQuestion(row, drawQuestion(random, settings.operands, settings.operation), settings.answers);
        },
        outputs);
}
