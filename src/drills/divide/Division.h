// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Exact divisions for the comprehensive division drill. A kind fixes the
// digits of dividend and divisor and how many questions a set holds; both
// operands lie strictly between the powers of ten around their digit count
// (a one-digit divisor is 2 to 9, a two-digit one 11 to 99), and the dividend
// is always the quotient times the divisor.

#include "drills/rows/RowDrill.h"
#include "drills/sets/KindGrid.h"
#include "drills/sets/SetDrill.h"
#include "output/SheetLine.h"
#include "random/Draws.h"

#include <QString>
#include <QtGlobal>
#include <array>
#include <cstdint>
#include <type_traits>
#include <vector>

struct DivisionKind {
    int dividendDigits = 1;
    int divisorDigits = 1;
    int count = 0;
};

// Exclusive limits: a value is inside when low < value < high.
struct DivisionBounds {
    std::int64_t dividendLow;
    std::int64_t dividendHigh;
    std::int64_t divisorLow;
    std::int64_t divisorHigh;
};

struct DivisionQuestion {
    std::int32_t dividend;
    std::int32_t divisor;
    std::int32_t quotient;
    std::int32_t remainder = 0; // 1 … divisor − 1 in a division with remainder
};

namespace DivisionTexts {
inline const QString kDrillName = QStringLiteral("综合除算");
inline const QString kTitle = QStringLiteral("小学综合除算试题");
inline const QString kFilePrefix = QStringLiteral("综合除算");
inline const QString& kDigitsMessage = SetDrillTexts::kDigitsMessage;
inline const QString& kCountMessage = SetDrillTexts::kCountMessage;
inline const QString kFewerDigitsMessage = QStringLiteral("输入位数错误！被除数位数不能少于除数位数。");
} // namespace DivisionTexts

namespace DivisionRules {
inline constexpr int kKinds = 4;
inline constexpr int kMaxDividendDigits = 6;
inline constexpr int kMaxDivisorDigits = 5;
inline constexpr int kMaxCount = 50;
inline constexpr int kCellWidth = 18;
// The upper-grade division in rows takes the layouts of the multiplication drill.
inline constexpr RowLayoutLimits kRowLayoutLimits { 50, 200, 40 };

inline DivisionBounds bounds(const DivisionKind& kind)
{
    return { Draws::powerOfTen(kind.dividendDigits - 1), Draws::powerOfTen(kind.dividendDigits),
        Draws::powerOfTen(kind.divisorDigits - 1), Draws::powerOfTen(kind.divisorDigits) };
}
// A kind has questions only when the dividend has at least as many digits as the divisor.
bool drawable(const DivisionKind& kind);
KindGridRules gridRules();
SetSheet sheet();
// Writes dividend÷divisor= and, when shown, the quotient at the end of the line.
void writeQuestion(SheetLine& line, const DivisionQuestion& question, bool withAnswer);
// Draws and writes a whole run of the division-in-rows drill: each quotient
// in one draw among those that fit, and the loop one function with the draws
// and digits of each question, as a run may hold 400,000 questions.
bool runRows(const OperandRun& run, SheetOutputs& outputs);
// With a remainder: the dividend strictly inside its digit count and above
// the divisor, the remainder 1 … divisor − 1. The divisor is drawn in one
// draw among those that leave such a dividend, then the dividend in one draw
// among those of that divisor.
DivisionQuestion drawRemainderQuestion(RandomSource& random, int dividendDigits, int divisorDigits);
// The divisors that leave a remainder question (low < divisor < high), and
// the dividends from lowest up to highest with a remainder by one of them.
DivisionBounds remainderDivisors(const DivisionBounds& bounds);
std::int64_t remainderDividendCount(const DivisionBounds& bounds, std::int64_t divisor);
// The index-th (from 0) of those dividends.
DivisionQuestion remainderQuestionAt(const DivisionBounds& bounds, std::int64_t divisor, std::int64_t index);
// Writes dividend÷divisor= and, when shown, the quotient and the remainder as
// the textbooks do, 17÷5=3……2.
void writeRemainderQuestion(SheetLine& line, const DivisionQuestion& question, bool withAnswer);
// Room for the longest remainder question with its answer and three spaces,
// never narrower than the exact division's cell.
int remainderCellWidth(int dividendDigits, int divisorDigits);
// Draws and writes a whole run of division with remainders in rows.
bool runRemainderRows(const OperandRun& run, SheetOutputs& outputs);

// The question without its answer.
QString questionText(const DivisionQuestion& question);
// The values r (as r × 2^24) whose quotient trunc(r × dividend high) times
// the divisor lies strictly inside the dividend's bounds.
Draws::BitsRange fittingQuotientBits(const DivisionBounds& bounds, std::int64_t divisor);
} // namespace DivisionRules

// How the quotient is found once the divisor is drawn. Both give every
// quotient that makes a dividend inside its bounds about the same chance.
enum class QuotientDraw {
    // trunc(r × dividend high), drawn again until the product is inside the
    // dividend's bounds: the comprehensive drill's rule. A six-digit ÷
    // five-digit kind needs tens of thousands of draws per question.
    Rejection,
    // One draw among the quotients whose product is inside those bounds.
    InRange,
};

// Divisor first, drawn until inside its bounds; then, with that divisor kept,
// the quotient. The product is taken in 64 bits, as six-digit quotients times
// five-digit divisors exceed 32. The kind must be drawable, or no question is
// ever found. Takes any source of values r with 0 <= r < 1 (the shared
// RandomSource; tests hand it chosen values).
template <typename Source>
DivisionQuestion drawDivisionQuestion(
    Source& source, const DivisionKind& kind, QuotientDraw draw = QuotientDraw::Rejection)
{
    Q_ASSERT(DivisionRules::drawable(kind));
    const DivisionBounds b = DivisionRules::bounds(kind);
    const std::int64_t divisor = Draws::atLeast(source, b.divisorLow + 1, b.divisorHigh);

    std::int64_t quotient = 0;
    std::int64_t dividend = 0;
    if (draw == QuotientDraw::InRange) {
        // The quotients with low < quotient × divisor < high, divided in 32
        // bits (all below 10^6), which is several times quicker than in 64.
        const auto d = static_cast<std::uint32_t>(divisor);
        const std::int64_t lowest = static_cast<std::uint32_t>(b.dividendLow) / d + 1;
        const std::int64_t highest = static_cast<std::uint32_t>(b.dividendHigh - 1) / d;
        quotient = lowest + Draws::below(source, highest - lowest + 1);
        dividend = quotient * divisor;
    } else if constexpr (std::is_same_v<Source, RandomSource>) {
        // The same loop, done by skipping to the first value whose quotient fits.
        const Draws::BitsRange fitting = DivisionRules::fittingQuotientBits(b, divisor);
        quotient
            = RandomSource::truncScaled(source.nextWithin(fitting.lowest, fitting.highest), b.dividendHigh);
        dividend = quotient * divisor;
    } else {
        do {
            quotient = Draws::below(source, b.dividendHigh);
            dividend = quotient * divisor;
        } while (dividend <= b.dividendLow || dividend >= b.dividendHigh);
    }
    return { static_cast<std::int32_t>(dividend), static_cast<std::int32_t>(divisor),
        static_cast<std::int32_t>(quotient) };
}

// The set engine's kinds for these division kinds.
std::vector<SetKind> divisionSetKinds(const std::array<DivisionKind, DivisionRules::kKinds>& kinds);
