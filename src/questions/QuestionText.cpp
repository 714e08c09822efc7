// SPDX-License-Identifier: GPL-3.0-or-later
#include "questions/QuestionText.h"

#include "output/SheetLine.h"
#include "random/Draws.h"

#include <algorithm>
#include <array>

namespace {
bool opensBefore(const Question& question, int i)
{
    return (question.brackets == Brackets::First && i == 0)
        || (question.brackets == Brackets::Last && i == 1);
}

bool closesAfter(const Question& question, int i)
{
    return (question.brackets == Brackets::First && i == 1)
        || (question.brackets == Brackets::Last && i == 2);
}

// Characters a number takes as appendDecimal writes it: the places left
// once trailing zeros are gone, after at least one digit before the point.
int decimalLength(std::int64_t scaled, int places)
{
    for (; places > 0 && scaled % 10 == 0; --places) {
        scaled /= 10;
    }
    if (places == 0) {
        return Draws::digitCount(scaled);
    }
    return std::max(1, Draws::digitCount(scaled) - places) + 1 + places;
}

// The lengths of the small numbers at every number of places, worked out
// once: a form may have a million questions whose widest is wanted.
constexpr int kMostPlaces = 4;
constexpr std::int64_t kTabled = 4096;
using LengthTable = std::array<std::array<std::uint8_t, kTabled>, kMostPlaces + 1>;
const LengthTable& smallLengths()
{
    static const LengthTable table = [] {
        LengthTable lengths {};
        for (int places = 0; places <= kMostPlaces; ++places) {
            for (std::int64_t v = 0; v < kTabled; ++v) {
                lengths[static_cast<std::size_t>(places)][static_cast<std::size_t>(v)]
                    = static_cast<std::uint8_t>(decimalLength(v, places));
            }
        }
        return lengths;
    }();
    return table;
}

int numberLength(std::int64_t number, std::int32_t denominator, int places)
{
    if (denominator != 1) {
        return Draws::digitCount(number) + 1 + Draws::digitCount(denominator);
    }
    if (number >= 0 && number < kTabled && places <= kMostPlaces) {
        return smallLengths()[static_cast<std::size_t>(places)][static_cast<std::size_t>(number)];
    }
    return decimalLength(number, places);
}
} // namespace

char16_t QuestionText::sign(Op op)
{
    switch (op) {
    case Op::Add:
        return SheetSigns::kPlus;
    case Op::Subtract:
        return SheetSigns::kMinus;
    case Op::Multiply:
        return SheetSigns::kTimes;
    case Op::Divide:
        break;
    }
    return SheetSigns::kDivide;
}

void QuestionText::write(SheetLine& line, const Question& question, bool withAnswer)
{
    const auto number = [&](std::int64_t value, std::int32_t denominator) {
        if (denominator != 1) {
            line.appendNumber(value);
            line.appendAscii('/');
            line.appendNumber(denominator);
            return;
        }
        line.appendDecimal(value, question.places);
    };
    for (int i = 0; i < question.terms; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (i > 0) {
            line.appendSign(sign(question.ops[at - 1]));
        }
        if (opensBefore(question, i)) {
            line.appendAscii('(');
        }
        number(question.numbers[at], question.denominators[at]);
        if (closesAfter(question, i)) {
            line.appendAscii(')');
        }
    }
    line.appendAscii('=');
    if (!withAnswer) {
        return;
    }
    number(question.answer, question.answerDenominator);
    if (question.withRemainder) {
        line.appendText(SheetSigns::kRemainderMark);
        line.appendNumber(question.remainder);
    }
}

QString QuestionText::text(const Question& question, bool withAnswer)
{
    SheetLine line;
    write(line, question, withAnswer);
    return line.text();
}

std::vector<QuestionPart> QuestionText::parts(const Question& question, bool withAnswer)
{
    using Kind = QuestionPart::Kind;
    std::vector<QuestionPart> parts;
    const auto number = [&](std::int64_t value, std::int32_t denominator) {
        if (denominator != 1) {
            const QString over = QString::number(value);
            const QString under = QString::number(denominator);
            parts.push_back({ Kind::Fraction, over + QLatin1Char('/') + under, over, under });
            return;
        }
        SheetLine line;
        line.appendDecimal(value, question.places);
        parts.push_back({ Kind::Number, line.text(), {}, {} });
    };
    const auto mark = [&](Kind kind, QString text) { parts.push_back({ kind, std::move(text), {}, {} }); };
    for (int i = 0; i < question.terms; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (i > 0) {
            mark(Kind::Operator, QString(QChar(sign(question.ops[at - 1]))));
        }
        if (opensBefore(question, i)) {
            mark(Kind::Bracket, QStringLiteral("("));
        }
        number(question.numbers[at], question.denominators[at]);
        if (closesAfter(question, i)) {
            mark(Kind::Bracket, QStringLiteral(")"));
        }
    }
    mark(Kind::Equals, QStringLiteral("="));
    if (withAnswer) {
        number(question.answer, question.answerDenominator);
        if (question.withRemainder) {
            mark(Kind::RemainderMark, SheetSigns::kRemainderMark);
            mark(Kind::Number, QString::number(question.remainder));
        }
    }
    return parts;
}

int QuestionText::length(const Question& question)
{
    // The operators and "=", the brackets, every number and the answer.
    int length = question.terms + (question.brackets == Brackets::None ? 0 : 2);
    for (int i = 0; i < question.terms; ++i) {
        const auto at = static_cast<std::size_t>(i);
        length += numberLength(question.numbers[at], question.denominators[at], question.places);
    }
    length += numberLength(question.answer, question.answerDenominator, question.places);
    if (question.withRemainder) {
        length += static_cast<int>(SheetSigns::kRemainderMark.size()) + Draws::digitCount(question.remainder);
    }
    return length;
}
