// SPDX-License-Identifier: GPL-3.0-or-later
// The question engine: every entry of the textbook catalogue dealt and checked
// against its own description (written here again, apart from the catalogue),
// and the mixed-operations drill's questions checked step by step.

#include "drills/mixed/MixedOperations.h"
#include "drills/units/UnitDrill.h"
#include "questions/Dealer.h"
#include "questions/QuestionText.h"
#include "questions/ShareDealer.h"
#include "random/RandomSource.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <functional>
#include <limits>
#include <map>
#include <numeric>
#include <set>
#include <tuple>

namespace {
using Check = std::function<bool(const Question&)>;
using std::int64_t;

bool within(int64_t v, int64_t low, int64_t high)
{
    return v >= low && v <= high;
}

// One step on exact whole numbers, or nothing when it leaves them.
std::optional<int64_t> step(Op op, int64_t x, int64_t y, int64_t unit)
{
    switch (op) {
    case Op::Add:
        return x + y;
    case Op::Subtract:
        return x >= y ? std::optional(x - y) : std::nullopt;
    case Op::Multiply:
        return (x * y) % unit == 0 ? std::optional(x * y / unit) : std::nullopt;
    case Op::Divide:
        return y != 0 && (x * unit) % y == 0 ? std::optional(x * unit / y) : std::nullopt;
    }
    return std::nullopt;
}

struct Worked {
    std::vector<std::array<int64_t, 3>> steps; // left, right, result
    std::vector<Op> ops;
    int64_t answer = 0;
};

// The order of operations: brackets first, then × ÷ before + −, else left to right.
std::optional<Worked> evaluate(const Question& q)
{
    int64_t unit = 1;
    for (int i = 0; i < q.places; ++i) {
        unit *= 10;
    }
    const auto& n = q.numbers;
    Worked w;
    const auto take = [&](Op op, int64_t x, int64_t y) -> std::optional<int64_t> {
        const auto r = step(op, x, y, unit);
        if (r) {
            w.steps.push_back({ x, y, *r });
            w.ops.push_back(op);
        }
        return r;
    };
    if (q.terms == 2) {
        if (q.withRemainder) {
            w.steps.push_back({ n[0], n[1], n[0] / n[1] });
            w.ops.push_back(Op::Divide);
            w.answer = n[0] / n[1];
            return w;
        }
        const auto r = take(q.ops[0], n[0], n[1]);
        return r ? (w.answer = *r, std::optional(w)) : std::nullopt;
    }
    const bool high[2] = { q.ops[0] == Op::Multiply || q.ops[0] == Op::Divide,
        q.ops[1] == Op::Multiply || q.ops[1] == Op::Divide };
    const bool lastFirst
        = q.brackets == Brackets::Last || (q.brackets == Brackets::None && high[1] && !high[0]);
    std::optional<int64_t> r;
    if (lastFirst) {
        const auto inner = take(q.ops[1], n[1], n[2]);
        r = inner ? take(q.ops[0], n[0], *inner) : std::nullopt;
    } else {
        const auto inner = take(q.ops[0], n[0], n[1]);
        r = inner ? take(q.ops[1], *inner, n[2]) : std::nullopt;
    }
    return r ? (w.answer = *r, std::optional(w)) : std::nullopt;
}

// Exact values apart from the engine's: numerator and denominator in lowest terms.
struct Exact {
    int64_t over = 0;
    int64_t under = 1;
    bool operator==(const Exact&) const = default;
};
Exact exact(int64_t over, int64_t under)
{
    const int64_t common = std::gcd(over, under);
    return { over / common, under / common };
}
int64_t powerOfTen(int places)
{
    int64_t unit = 1;
    for (int i = 0; i < places; ++i) {
        unit *= 10;
    }
    return unit;
}
// The i-th number of a question: a fraction, or a whole number or decimal.
Exact numberOf(const Question& q, int i)
{
    const auto at = static_cast<std::size_t>(i);
    return exact(q.numbers[at], q.denominators[at] != 1 ? q.denominators[at] : powerOfTen(q.places));
}
bool below(Exact x, Exact y)
{
    return x.over * y.under < y.over * x.under;
}
std::optional<Exact> exactStep(Op op, Exact x, Exact y)
{
    switch (op) {
    case Op::Add:
        return exact(x.over * y.under + y.over * x.under, x.under * y.under);
    case Op::Subtract:
        return below(x, y) ? std::nullopt
                           : std::optional(exact(x.over * y.under - y.over * x.under, x.under * y.under));
    case Op::Multiply:
        return exact(x.over * y.over, x.under * y.under);
    case Op::Divide:
        return y.over == 0 ? std::nullopt : std::optional(exact(x.over * y.under, x.under * y.over));
    }
    return std::nullopt;
}
// A question with fractions, worked out in fractions in the order of operations.
std::optional<Exact> exactAnswer(const Question& q)
{
    if (q.terms == 2) {
        return exactStep(q.ops[0], numberOf(q, 0), numberOf(q, 1));
    }
    const auto high = [&](int i) {
        return q.ops[static_cast<std::size_t>(i)] == Op::Multiply
            || q.ops[static_cast<std::size_t>(i)] == Op::Divide;
    };
    if (q.brackets == Brackets::Last || (q.brackets == Brackets::None && high(1) && !high(0))) {
        const auto inner = exactStep(q.ops[1], numberOf(q, 1), numberOf(q, 2));
        return inner ? exactStep(q.ops[0], numberOf(q, 0), *inner) : std::nullopt;
    }
    const auto inner = exactStep(q.ops[0], numberOf(q, 0), numberOf(q, 1));
    return inner ? exactStep(q.ops[1], *inner, numberOf(q, 2)) : std::nullopt;
}
// Decimal places a number is written with (0.35: 2, 17: 0).
int writtenPlaces(int64_t scaled, int places)
{
    for (; places > 0 && scaled % 10 == 0; --places) {
        scaled /= 10;
    }
    return places;
}

// A fraction answer as the book writes it: exact; whole when it is whole; in
// lowest terms, or unreduced over the question's denominator.
bool fractionAnswerExact(const Question& q)
{
    const auto value = exactAnswer(q);
    if (!value || q.withRemainder || q.places != 0 || q.remainder != 0
        || exact(q.answer, q.answerDenominator) != *value) {
        return false;
    }
    if (value->under == 1) {
        return q.answerDenominator == 1;
    }
    if (!q.unreduced) {
        return std::gcd(q.answer, int64_t { q.answerDenominator }) == 1;
    }
    int64_t common = 1;
    for (int i = 0; i < q.terms; ++i) {
        common = std::lcm(common, int64_t { q.denominators[static_cast<std::size_t>(i)] });
    }
    return q.answerDenominator == common;
}

// The answer is exact: worked out again here, with the remainder that makes up the dividend.
bool answerExact(const Question& q)
{
    if (q.denominators != std::array<std::int32_t, 3> { 1, 1, 1 }) {
        return fractionAnswerExact(q);
    }
    if (q.answerDenominator != 1) {
        return false;
    }
    const auto w = evaluate(q);
    if (!w || w->answer != q.answer) {
        return false;
    }
    if (q.withRemainder) {
        return q.remainder >= 1 && q.remainder < q.numbers[1]
            && q.answer * q.numbers[1] + q.remainder == q.numbers[0];
    }
    return q.remainder == 0;
}

bool two(const Question& q, Op op)
{
    return q.terms == 2 && q.ops[0] == op && q.places == 0 && !q.withRemainder;
}
bool isTen(int64_t v)
{
    return within(v, 10, 90) && v % 10 == 0;
}
// a op b, or b op a where either order is allowed.
bool eitherOrder(const Question& q, Op op, const std::function<bool(int64_t, int64_t)>& pair)
{
    return two(q, op) && (pair(q.numbers[0], q.numbers[1]) || pair(q.numbers[1], q.numbers[0]));
}
bool addition(const Question& q, const std::function<bool(int64_t, int64_t)>& pair)
{
    return two(q, Op::Add) && pair(q.numbers[0], q.numbers[1]);
}
bool subtraction(const Question& q, const std::function<bool(int64_t, int64_t)>& pair)
{
    return two(q, Op::Subtract) && pair(q.numbers[0], q.numbers[1]);
}
bool division(const Question& q, const std::function<bool(int64_t, int64_t, int64_t)>& rule)
{
    return two(q, Op::Divide) && q.numbers[1] != 0 && q.numbers[0] % q.numbers[1] == 0
        && rule(q.numbers[0], q.numbers[1], q.numbers[0] / q.numbers[1]);
}
bool chain(const Question& q, Op first, Op second)
{
    return q.terms == 3 && q.ops[0] == first && q.ops[1] == second && q.brackets == Brackets::None
        && q.places == 0;
}

// Mixed operations step by step: numbers written 1 … largest, results 0 … results, × factors
// from 2 (to 9 in the tables), ÷ exact by 2 and more (to 9, quotient to 9 in the tables).
bool stepsKeepRules(const Question& q, const StepRules& rules)
{
    for (int i = 0; i < q.terms; ++i) {
        if (!within(q.numbers[static_cast<std::size_t>(i)], 1, rules.largest)) {
            return false;
        }
    }
    const auto w = evaluate(q);
    if (!w || q.places != 0 || q.withRemainder) {
        return false;
    }
    const int64_t table = rules.withinTables ? 9 : std::numeric_limits<int>::max();
    for (std::size_t i = 0; i < w->steps.size(); ++i) {
        const auto [x, y, r] = w->steps[i];
        if (!within(r, 0, rules.results)) {
            return false;
        }
        if (w->ops[i] == Op::Multiply && !(within(x, 2, table) && within(y, 2, table))) {
            return false;
        }
        if (w->ops[i] == Op::Divide && !(within(y, 2, table) && within(r, 1, table))) {
            return false;
        }
        // In the tables no number is divided by itself (49÷7÷7, 57-9÷9).
        if (rules.withinTables && w->ops[i] == Op::Divide && x == y) {
            return false;
        }
    }
    // Nor does a division undo the multiplication before it (7×6÷6, 7×6÷7).
    const auto& n = q.numbers;
    if (rules.withinTables && chain(q, Op::Multiply, Op::Divide) && (n[2] == n[0] || n[2] == n[1])) {
        return false;
    }
    if (q.brackets != Brackets::None) {
        Question bare = q;
        bare.brackets = Brackets::None;
        const auto without = evaluate(bare);
        if (without && without->answer == w->answer) {
            return false;
        }
    }
    return true;
}

// The question's operators and brackets, its numbers left out: "×÷", "(+)×".
QString shapeOf(const Question& q)
{
    return QuestionText::text(q, false)
        .remove(QRegularExpression(QStringLiteral("[0-9]+")))
        .replace(QLatin1Char('='), QString());
}

std::map<QString, Check> entryChecks()
{
    const auto upTo = [](int64_t top) {
        return [top](const Question& q) {
            return addition(q, [&](int64_t a, int64_t b) { return a >= 1 && b >= 1 && a + b <= top; })
                || subtraction(q, [&](int64_t a, int64_t b) { return within(b, 1, a) && a <= top; });
        };
    };
    const auto makes = [](int64_t low, int64_t high) {
        return [=](const Question& q) {
            return addition(
                       q, [&](int64_t a, int64_t b) { return a >= 1 && b >= 1 && within(a + b, low, high); })
                || subtraction(
                    q, [&](int64_t m, int64_t b) { return within(m, low, high) && within(b, 1, m); });
        };
    };
    const auto chains = [](int64_t top) {
        return [=](const Question& q) {
            const auto& n = q.numbers;
            const bool ones = n[0] >= 1 && n[1] >= 1 && n[2] >= 1;
            return ones
                && ((chain(q, Op::Add, Op::Add) && n[0] + n[1] + n[2] <= top)
                    || (chain(q, Op::Subtract, Op::Subtract) && n[0] <= top && n[0] - n[1] - n[2] >= 0));
        };
    };
    const Check add5 = [](const Question& q) {
        return addition(q, [](int64_t a, int64_t b) { return a >= 1 && b >= 1 && a + b <= 5; });
    };
    const Check sub5 = [](const Question& q) {
        return subtraction(q, [](int64_t a, int64_t b) { return within(b, 1, a) && a <= 5; });
    };
    const Check zero = [](const Question& q) {
        return addition(q, [](int64_t a, int64_t b) {
            return (within(a, 1, 5) && b == 0) || (a == 0 && within(b, 1, 5));
        }) || subtraction(q, [](int64_t a, int64_t b) { return within(a, 1, 5) && (b == 0 || b == a); });
    };
    const Check teens = [](const Question& q) {
        return addition(q, [](int64_t a, int64_t b) {
            return (a == 10 && within(b, 1, 9)) || (b == 10 && within(a, 1, 9))
                || (within(a, 11, 19) && within(b, 1, 9) && a % 10 + b <= 9);
        }) || subtraction(q, [](int64_t a, int64_t b) {
            return within(a, 11, 19) && (b == 10 || within(b, 1, a % 10));
        });
    };
    const auto plusSome = [](int64_t low, int64_t high) {
        return [=](const Question& q) {
            return eitherOrder(q, Op::Add,
                [&](int64_t a, int64_t b) { return within(a, low, high) && within(b, 11 - a, 9); });
        };
    };
    const auto teenMinus = [](int64_t low, int64_t high) {
        return [=](const Question& q) {
            return subtraction(q, [&](int64_t a, int64_t b) {
                return within(a, 11, 19) && within(b, low, high) && a % 10 < b;
            });
        };
    };
    const Check carryTwenty = [](const Question& q) {
        return addition(
            q, [](int64_t a, int64_t b) { return within(a, 2, 9) && within(b, 2, 9) && a + b >= 11; });
    };
    const Check borrowTwenty = [](const Question& q) {
        return subtraction(
            q, [](int64_t a, int64_t b) { return within(a, 11, 19) && within(b, 2, 9) && a % 10 < b; });
    };
    const Check tensPlusTens = [](const Question& q) {
        return addition(q, [](int64_t a, int64_t b) { return isTen(a) && isTen(b) && a + b <= 100; })
            || subtraction(q, [](int64_t a, int64_t b) { return isTen(a) && isTen(b) && a - b >= 10; });
    };
    const Check plusTens = [](const Question& q) {
        return addition(q, [](int64_t a, int64_t b) { return within(a, 10, 99) && isTen(b) && a + b <= 99; })
            || subtraction(q, [](int64_t a, int64_t b) { return within(a, 10, 99) && isTen(b) && b < a; });
    };
    const Check noCarryOnes = [](const Question& q) {
        return addition(
            q, [](int64_t a, int64_t b) { return within(a, 10, 99) && within(b, 1, 9) && a % 10 + b <= 9; });
    };
    const Check noBorrowOnes = [](const Question& q) {
        return subtraction(q, [](int64_t a, int64_t b) { return within(a, 10, 99) && within(b, 1, a % 10); });
    };
    const Check carryOnes = [](const Question& q) {
        return addition(q, [](int64_t a, int64_t b) {
            return within(a, 10, 99) && within(b, 1, 9) && a % 10 + b >= 10 && a + b <= 100;
        });
    };
    const Check borrowOnes = [](const Question& q) {
        return subtraction(
            q, [](int64_t a, int64_t b) { return within(a, 20, 99) && within(b, 1, 9) && b > a % 10; });
    };
    const auto times = [](int64_t n) {
        return [n](const Question& q) {
            return eitherOrder(
                q, Op::Multiply, [n](int64_t a, int64_t b) { return b == n && within(a, 1, n); });
        };
    };
    const StepRules mixed { 100, 100, true };
    const auto mixedOf = [mixed](std::vector<QString> shapes) {
        return [=](const Question& q) {
            return stepsKeepRules(q, mixed)
                && std::find(shapes.begin(), shapes.end(), shapeOf(q)) != shapes.end();
        };
    };
    // Fractions: two numbers, a fraction a/n (n in low … high) or a whole number.
    const auto fraction = [](const Question& q, int i, int64_t low, int64_t high, bool lowest) {
        const auto at = static_cast<std::size_t>(i);
        const int64_t a = q.numbers[at];
        const int64_t n = q.denominators[at];
        return within(n, low, high) && within(a, 1, n - 1) && (!lowest || std::gcd(a, n) == 1);
    };
    const auto whole = [](const Question& q, int i, int64_t low, int64_t high) {
        const auto at = static_cast<std::size_t>(i);
        return q.denominators[at] == 1 && within(q.numbers[at], low, high);
    };
    const auto fractions = [](const Question& q, Op op) {
        return q.terms == 2 && q.ops[0] == op && q.places == 0 && !q.withRemainder;
    };
    // a/n ± b/n: a sum below most (or up to it), a difference above 0.
    const auto likeDenominators = [=](int64_t high, bool unreduced, Exact most, bool upToMost) {
        return [=](const Question& q) {
            const Exact answer = exact(q.answer, q.answerDenominator);
            const bool sum = fractions(q, Op::Add) && (below(answer, most) || (upToMost && answer == most));
            const bool difference = fractions(q, Op::Subtract) && answer.over > 0;
            return (sum || difference) && q.unreduced == unreduced && q.denominators[0] == q.denominators[1]
                && fraction(q, 0, 2, high, false) && fraction(q, 1, 2, high, false);
        };
    };
    // Decimals: a number with exactly the places written, in tenths or hundredths of the question's unit.
    const auto decimal = [](const Question& q, int i, int64_t places) {
        return writtenPlaces(q.numbers[static_cast<std::size_t>(i)], q.places) == places;
    };
    const auto scaled = [](const Question& q, int i) {
        return exact(q.numbers[static_cast<std::size_t>(i)], powerOfTen(q.places));
    };
    std::map<QString, Check> checks {
        // 三年级: a sum up to 1, written unreduced; 1 is written 1.
        { QStringLiteral("人教版三年级上册第六单元/同分母分数加、减法"),
            likeDenominators(10, true, { 1, 1 }, true) },
        { QStringLiteral("1减几分之几"),
            [=](const Question& q) {
                return fractions(q, Op::Subtract) && q.unreduced && whole(q, 0, 1, 1)
                    && fraction(q, 1, 2, 10, false);
            } },
        // 五年级: a sum below 2 (the bound itself left out), in lowest terms.
        { QStringLiteral("人教版五年级下册第六单元/同分母分数加、减法"),
            likeDenominators(12, false, { 2, 1 }, false) },
        { QStringLiteral("异分母分数加、减法"),
            [=](const Question& q) {
                const int64_t m = q.denominators[0];
                const int64_t n = q.denominators[1];
                return (fractions(q, Op::Add) || (fractions(q, Op::Subtract) && q.answer > 0)) && !q.unreduced
                    && m != n && std::lcm(m, n) <= 24 && fraction(q, 0, 2, 12, true)
                    && fraction(q, 1, 2, 12, true);
            } },
        { QStringLiteral("分数乘整数"),
            [=](const Question& q) {
                return fractions(q, Op::Multiply) && !q.unreduced
                    && ((fraction(q, 0, 2, 12, true) && whole(q, 1, 2, 12))
                        || (whole(q, 0, 2, 12) && fraction(q, 1, 2, 12, true)));
            } },
        { QStringLiteral("分数乘分数"),
            [=](const Question& q) {
                return fractions(q, Op::Multiply) && !q.unreduced && fraction(q, 0, 2, 10, true)
                    && fraction(q, 1, 2, 10, true);
            } },
        { QStringLiteral("分数除以整数"),
            [=](const Question& q) {
                return fractions(q, Op::Divide) && !q.unreduced && fraction(q, 0, 2, 12, true)
                    && whole(q, 1, 2, 9);
            } },
        { QStringLiteral("一个数除以分数"),
            [=](const Question& q) {
                return fractions(q, Op::Divide) && !q.unreduced && fraction(q, 1, 2, 10, true)
                    && (whole(q, 0, 1, 12) || fraction(q, 0, 2, 10, true));
            } },
        { QStringLiteral("简便计算"),
            [](const Question& q) {
                const auto& n = q.numbers;
                const bool sum = chain(q, Op::Add, Op::Add) && within(n[0], 10, 99) && within(n[1], 10, 99)
                    && within(n[2], 10, 99) && n[1] + n[2] == 100;
                const bool product = chain(q, Op::Multiply, Op::Multiply) && within(n[1], 2, 9)
                    && ((n[0] == 25 && n[2] == 4) || (n[0] == 125 && n[2] == 8));
                return sum || product;
            } },
        // x = m ÷ 10^p, m in 1 … 999, p in 0 … 2 and written with p places; ×/÷ 10, 100, 1000.
        { QStringLiteral("小数点移动"),
            [=](const Question& q) {
                const bool op = q.ops[0] == Op::Multiply || q.ops[0] == Op::Divide;
                const int p = writtenPlaces(q.numbers[0], q.places);
                const int64_t m = q.numbers[0] / powerOfTen(q.places - p);
                const Exact by = scaled(q, 1);
                return q.terms == 2 && op && !q.withRemainder && p <= 2 && within(m, 1, 999) && by.under == 1
                    && (by.over == 10 || by.over == 100 || by.over == 1000)
                    && writtenPlaces(q.answer, q.places) <= 4;
            } },
        { QStringLiteral("小数加、减法"),
            [=](const Question& q) {
                const bool sum = q.ops[0] == Op::Add;
                const auto& n = q.numbers;
                const auto number = [&](int i) {
                    return (decimal(q, i, 1) || decimal(q, i, 2)) && below(scaled(q, i), { 10, 1 });
                };
                return q.terms == 2 && q.places == 2 && !q.withRemainder && (sum || q.ops[0] == Op::Subtract)
                    && number(0) && number(1) && (decimal(q, 0, 2) || decimal(q, 1, 2))
                    && (sum ? n[0] + n[1] < 2000 : n[0] > n[1]);
            } },
        { QStringLiteral("小数乘整数"),
            [=](const Question& q) {
                const auto pair = [&](int x, int c) {
                    const Exact factor = scaled(q, c);
                    return decimal(q, x, 1) && below(scaled(q, x), { 10, 1 }) && factor.under == 1
                        && within(factor.over, 2, 9);
                };
                return q.terms == 2 && q.ops[0] == Op::Multiply && q.places == 1 && (pair(0, 1) || pair(1, 0))
                    && !below({ 20, 1 }, exact(q.answer, powerOfTen(q.places)));
            } },
        { QStringLiteral("小数乘小数"),
            [=](const Question& q) {
                const auto tenth = [&](int i) { return decimal(q, i, 1) && below(scaled(q, i), { 1, 1 }); };
                return q.terms == 2 && q.ops[0] == Op::Multiply && q.places == 2 && tenth(0) && tenth(1);
            } },
        { QStringLiteral("除数是整数的小数除法"),
            [=](const Question& q) {
                const Exact c = scaled(q, 1);
                const Exact quotient = exact(q.answer, powerOfTen(q.places));
                return q.terms == 2 && q.ops[0] == Op::Divide && q.places == 1 && !q.withRemainder
                    && c.under == 1 && within(c.over, 2, 9) && writtenPlaces(q.answer, q.places) == 1
                    && below(quotient, { 10, 1 }) && !below({ 50, 1 }, scaled(q, 0));
            } },
        { QStringLiteral("一个数除以小数"),
            [=](const Question& q) {
                const Exact quotient = exact(q.answer, powerOfTen(q.places));
                return q.terms == 2 && q.ops[0] == Op::Divide && q.places == 1 && !q.withRemainder
                    && decimal(q, 1, 1) && below(scaled(q, 1), { 1, 1 }) && quotient.under == 1
                    && within(quotient.over, 2, 9);
            } },
        { QStringLiteral("5以内的加法"), add5 },
        { QStringLiteral("5以内的减法"), sub5 },
        { QStringLiteral("0的加、减法"), zero },
        { QStringLiteral("6和7的加、减法"), makes(6, 7) },
        { QStringLiteral("8和9的加、减法"), makes(8, 9) },
        { QStringLiteral("10的加、减法"), makes(10, 10) },
        { QStringLiteral("人教版/连加、连减"), chains(10) },
        { QStringLiteral("苏教版/连加、连减"), chains(9) },
        { QStringLiteral("加减混合"),
            [](const Question& q) {
                const auto& n = q.numbers;
                const bool small = within(n[0], 1, 10) && within(n[1], 1, 10) && within(n[2], 1, 10);
                const auto w = evaluate(q);
                return small && (chain(q, Op::Add, Op::Subtract) || chain(q, Op::Subtract, Op::Add)) && w
                    && within(w->steps[0][2], 0, 10) && within(w->answer, 0, 10);
            } },
        { QStringLiteral("十几加几和相应的减法"), teens },
        { QStringLiteral("十几加、减几"), teens },
        { QStringLiteral("9加几"),
            [](const Question& q) {
                return eitherOrder(
                    q, Op::Add, [](int64_t a, int64_t b) { return a == 9 && within(b, 2, 9); });
            } },
        { QStringLiteral("8、7、6加几"), plusSome(6, 8) },
        { QStringLiteral("5、4、3、2加几"), plusSome(2, 5) },
        { QStringLiteral("十几减9"),
            [](const Question& q) {
                return subtraction(q, [](int64_t a, int64_t b) { return b == 9 && within(a, 11, 18); });
            } },
        { QStringLiteral("十几减8、7、6"), teenMinus(6, 8) },
        { QStringLiteral("十几减5、4、3、2"), teenMinus(2, 5) },
        { QStringLiteral("20以内的进位加法和退位减法"),
            [=](const Question& q) { return carryTwenty(q) || borrowTwenty(q); } },
        { QStringLiteral("整十数加一位数及相应的减法"),
            [](const Question& q) {
                return eitherOrder(q, Op::Add, [](int64_t a, int64_t b) {
                    return isTen(a) && within(b, 1, 9);
                }) || subtraction(q, [](int64_t a, int64_t b) {
                    return within(a, 11, 99) && a % 10 != 0 && (b == a % 10 || b == a - a % 10);
                });
            } },
        { QStringLiteral("整十数加、减整十数"), tensPlusTens },
        { QStringLiteral("两位数加整十数、一位数（不进位）"),
            [=](const Question& q) { return (two(q, Op::Add) && plusTens(q)) || noCarryOnes(q); } },
        { QStringLiteral("两位数加一位数（进位）"), carryOnes },
        { QStringLiteral("两位数减整十数、一位数（不退位）"),
            [=](const Question& q) { return (two(q, Op::Subtract) && plusTens(q)) || noBorrowOnes(q); } },
        { QStringLiteral("两位数减一位数（退位）"), borrowOnes },
        { QStringLiteral("5的乘法口诀"), times(5) },
        { QStringLiteral("6的乘法口诀"), times(6) },
        { QStringLiteral("7的乘法口诀"), times(7) },
        { QStringLiteral("8的乘法口诀"), times(8) },
        { QStringLiteral("9的乘法口诀"), times(9) },
        { QStringLiteral("2、3、4的乘法口诀"),
            [](const Question& q) {
                return eitherOrder(
                    q, Op::Multiply, [](int64_t a, int64_t n) { return within(n, 2, 4) && within(a, 1, n); });
            } },
        { QStringLiteral("乘加、乘减"),
            [](const Question& q) {
                const auto& n = q.numbers;
                return (chain(q, Op::Multiply, Op::Add) || chain(q, Op::Multiply, Op::Subtract))
                    && within(n[0], 1, 6) && within(n[1], 1, 6) && within(n[2], 1, 9);
            } },
        { QStringLiteral("用2～6的乘法口诀求商"),
            [](const Question& q) {
                return division(
                    q, [](int64_t, int64_t b, int64_t a) { return within(b, 2, 6) && within(a, 1, 6); });
            } },
        { QStringLiteral("用7～9的乘法口诀求商"),
            [](const Question& q) {
                return division(q, [](int64_t, int64_t b, int64_t a) {
                    return within(b, 2, 9) && within(a, 1, 9) && (a >= 7 || b >= 7);
                });
            } },
        { QStringLiteral("表内乘、除法"),
            [](const Question& q) {
                return (two(q, Op::Multiply) && within(q.numbers[0], 1, 9) && within(q.numbers[1], 1, 9))
                    || division(
                        q, [](int64_t, int64_t b, int64_t a) { return within(b, 2, 9) && within(a, 1, 9); });
            } },
        { QStringLiteral("有余数的除法"),
            [](const Question& q) {
                const int64_t b = q.numbers[1];
                const int64_t quotient = q.numbers[0] / b;
                const int64_t r = q.numbers[0] % b;
                return q.terms == 2 && q.ops[0] == Op::Divide && q.withRemainder && within(b, 2, 9)
                    && within(quotient, 1, 9) && within(r, 1, b - 1);
            } },
        { QStringLiteral("整百、整千数加、减法"),
            [](const Question& q) {
                const auto whole = [](int64_t v, int64_t u) { return within(v, u, 9 * u) && v % u == 0; };
                return addition(q, [&](int64_t a, int64_t b) {
                    return (whole(a, 100) && whole(b, 100) && a + b <= 1000)
                        || (whole(a, 1000) && whole(b, 1000) && a + b <= 10000);
                }) || subtraction(q, [&](int64_t a, int64_t b) {
                    return (whole(a, 100) && whole(b, 100) && a - b >= 100)
                        || (whole(a, 1000) && whole(b, 1000) && a - b >= 1000);
                });
            } },
        { QStringLiteral("两位数加、减两位数"),
            [](const Question& q) {
                const auto twoDigits
                    = [](int64_t a, int64_t b) { return within(a, 10, 99) && within(b, 10, 99); };
                return addition(q, [&](int64_t a, int64_t b) { return twoDigits(a, b) && a + b <= 100; })
                    || subtraction(q, [&](int64_t a, int64_t b) { return twoDigits(a, b) && a - b >= 1; });
            } },
        { QStringLiteral("几百几十加、减几百几十"),
            [](const Question& q) {
                const auto tens
                    = [](int64_t v) { return within(v, 110, 990) && v % 10 == 0 && v % 100 != 0; };
                return addition(q, [&](int64_t a, int64_t b) {
                    return tens(a) && tens(b) && a + b <= 1000;
                }) || subtraction(q, [&](int64_t a, int64_t b) { return tens(a) && tens(b) && a - b >= 10; });
            } },
        { QStringLiteral("同级运算"),
            mixedOf({ QStringLiteral("+-"), QStringLiteral("-+"), QStringLiteral("++"), QStringLiteral("--"),
                QStringLiteral("×÷"), QStringLiteral("÷×") }) },
        { QStringLiteral("先乘除后加减"),
            mixedOf({ QStringLiteral("+×"), QStringLiteral("-×"), QStringLiteral("×+"), QStringLiteral("×-"),
                QStringLiteral("+÷"), QStringLiteral("-÷"), QStringLiteral("÷+"), QStringLiteral("÷-") }) },
        { QStringLiteral("带小括号"),
            mixedOf({ QStringLiteral("(+)×"), QStringLiteral("(-)×"), QStringLiteral("×(+)"),
                QStringLiteral("×(-)"), QStringLiteral("(+)÷"), QStringLiteral("(-)÷"),
                QStringLiteral("÷(+)"), QStringLiteral("÷(-)") }) },
        { QStringLiteral("整十、整百数乘一位数"),
            [](const Question& q) {
                return eitherOrder(q, Op::Multiply, [](int64_t a, int64_t b) {
                    return (isTen(a) || (within(a, 100, 900) && a % 100 == 0)) && within(b, 2, 9);
                });
            } },
        { QStringLiteral("两位数乘一位数（不进位）"),
            [](const Question& q) {
                return eitherOrder(q, Op::Multiply, [](int64_t a, int64_t c) {
                    return within(a, 10, 99) && within(c, 2, 9) && (a / 10) * c <= 9 && (a % 10) * c <= 9;
                });
            } },
        { QStringLiteral("整十、整百数除以一位数"),
            [](const Question& q) {
                return division(q, [](int64_t a, int64_t b, int64_t quotient) {
                    return a <= 999 && within(b, 2, 9)
                        && (isTen(quotient) || (within(quotient, 100, 900) && quotient % 100 == 0));
                });
            } },
        { QStringLiteral("两位数除以一位数（每一位都能整除）"),
            [](const Question& q) {
                return division(q, [](int64_t a, int64_t c, int64_t quotient) {
                    return within(a, 10, 99) && within(c, 2, 9) && (a / 10) % c == 0 && (a % 10) % c == 0
                        && within(quotient, 10, 99);
                });
            } },
        { QStringLiteral("一位小数加、减法"),
            [](const Question& q) {
                const auto tenth = [](int64_t v) { return within(v, 1, 99) && v % 10 != 0; };
                const bool sum = q.ops[0] == Op::Add;
                return q.terms == 2 && q.places == 1 && !q.withRemainder && (sum || q.ops[0] == Op::Subtract)
                    && tenth(q.numbers[0]) && tenth(q.numbers[1])
                    && (sum ? q.numbers[0] + q.numbers[1] <= 100 : q.numbers[0] >= q.numbers[1]);
            } },
        { QStringLiteral("几百几十乘一位数"),
            [](const Question& q) {
                return eitherOrder(q, Op::Multiply, [](int64_t a, int64_t c) {
                    return within(a, 100, 990) && a % 10 == 0 && within(c, 2, 9) && a / 10 * c <= 99;
                });
            } },
        { QStringLiteral("乘整十数"),
            [](const Question& q) {
                return (two(q, Op::Multiply) && isTen(q.numbers[0]) && isTen(q.numbers[1]))
                    || eitherOrder(q, Op::Multiply, [](int64_t ab, int64_t c) {
                           return within(ab, 10, 99) && isTen(c) && ab * c / 10 <= 99;
                       });
            } },
        { QStringLiteral("6～9的加、减法"), makes(6, 9) },
        { QStringLiteral("10以内的加减法"), upTo(10) },
        { QStringLiteral("苏教版一年级下册第一单元/进位加法"), carryTwenty },
        { QStringLiteral("苏教版一年级下册第一单元/退位减法"),
            [](const Question& q) {
                return subtraction(q,
                    [](int64_t a, int64_t b) { return within(a, 11, 18) && within(b, 2, 9) && a % 10 < b; });
            } },
        { QStringLiteral("加、减整十数"), [=](const Question& q) { return plusTens(q) || tensPlusTens(q); } },
        { QStringLiteral("不进位加法和不退位减法"),
            [=](const Question& q) { return noCarryOnes(q) || noBorrowOnes(q); } },
        { QStringLiteral("苏教版一年级下册第五单元/进位加法"), carryOnes },
        { QStringLiteral("苏教版一年级下册第五单元/退位减法"), borrowOnes },
        { QStringLiteral("十加几、十几加几"),
            [](const Question& q) {
                return addition(q, [](int64_t a, int64_t b) {
                    return (a == 10 && within(b, 1, 9))
                        || (within(a, 11, 19) && within(b, 1, 9) && a % 10 + b <= 9);
                });
            } },
        { QStringLiteral("20以内的进位加法"), carryTwenty },
        { QStringLiteral("十几减几（不退位）"),
            [](const Question& q) {
                return subtraction(q, [](int64_t a, int64_t b) {
                    return within(a, 11, 19) && (b == 10 || within(b, 1, a % 10));
                });
            } },
        { QStringLiteral("两位数加、减一位数和整十数（不进位、不退位）"),
            [=](const Question& q) { return noCarryOnes(q) || noBorrowOnes(q) || plusTens(q); } },
        { QStringLiteral("100减两位数"),
            [](const Question& q) {
                return subtraction(q, [](int64_t a, int64_t b) { return a == 100 && within(b, 10, 99); });
            } },
        { QStringLiteral("2的乘法口诀"), times(2) },
        { QStringLiteral("3、4的乘法口诀"),
            [](const Question& q) {
                return eitherOrder(
                    q, Op::Multiply, [](int64_t a, int64_t n) { return within(n, 3, 4) && within(a, 1, n); });
            } },
        { QStringLiteral("8、9的乘法口诀"),
            [](const Question& q) {
                return eitherOrder(
                    q, Op::Multiply, [](int64_t a, int64_t n) { return within(n, 8, 9) && within(a, 1, n); });
            } },
        { QStringLiteral("北师大版/乘加、乘减"),
            [](const Question& q) {
                const auto& n = q.numbers;
                return (chain(q, Op::Multiply, Op::Add) || chain(q, Op::Multiply, Op::Subtract))
                    && within(n[0], 1, 5) && within(n[1], 1, 5) && within(n[2], 1, 9);
            } },
        { QStringLiteral("用2～5的乘法口诀求商"),
            [](const Question& q) {
                return division(
                    q, [](int64_t, int64_t b, int64_t a) { return within(b, 2, 5) && within(a, 1, 9); });
            } },
        { QStringLiteral("用6～9的乘法口诀求商"),
            [](const Question& q) {
                return division(
                    q, [](int64_t, int64_t b, int64_t a) { return within(b, 6, 9) && within(a, 1, 9); });
            } },
        { QStringLiteral("两位数乘一位数"),
            [](const Question& q) {
                return eitherOrder(q, Op::Multiply, [](int64_t a, int64_t c) {
                    return within(a, 10, 99) && within(c, 2, 9) && a * c <= 200;
                });
            } },
    };
    // Entries of 北师大版 that join two others or name one anew.
    const Check chainsOfTen = chains(10);
    const Check mixedOfTen = checks.at(QStringLiteral("加减混合"));
    checks[QStringLiteral("连加、连减、加减混合（乘车）")]
        = [=](const Question& q) { return chainsOfTen(q) || mixedOfTen(q); };
    checks[QStringLiteral("十几减几（退位）")]
        = checks.at(QStringLiteral("苏教版一年级下册第一单元/退位减法"));
    checks[QStringLiteral("简单的小数加、减法")] = checks.at(QStringLiteral("一位小数加、减法"));
    return checks;
}

// The check of an entry: under its edition, book and unit where its name means different things.
Check checkFor(const UnitChoice& choice)
{
    static const std::map<QString, Check> checks = entryChecks();
    const QString where = choice.edition.name + choice.book.name + choice.unit.number + QLatin1Char('/');
    for (const QString& key : { where + choice.entry->name,
             choice.edition.name + QLatin1Char('/') + choice.entry->name, choice.entry->name }) {
        if (const auto it = checks.find(key); it != checks.end()) {
            return it->second;
        }
    }
    return {};
}

// Where a question of an entry falls in the entry's shares, told from the
// entry's description: its form (by its operators where the entry has several
// forms) and, where the entry names a key, the key's number. A question that
// several numbers of the key make (7+8 for 7 and for 8) falls in each.
std::vector<std::pair<QString, QString>> sharesOf(const QString& entry, const Question& q)
{
    const QString shape = shapeOf(q);
    const auto& n = q.numbers;
    const auto number = [](int64_t v) { return QString::number(v); };
    static const QStringList byDivisor { QStringLiteral("有余数的除法"),
        QStringLiteral("用2～6的乘法口诀求商"), QStringLiteral("用7～9的乘法口诀求商"),
        QStringLiteral("十几减8、7、6"), QStringLiteral("十几减5、4、3、2"), QStringLiteral("退位减法") };
    if (byDivisor.contains(entry)) {
        return { { shape, number(n[1]) } };
    }
    if (entry == QStringLiteral("20以内的进位加法和退位减法")) {
        return { { shape, q.ops[0] == Op::Subtract ? number(n[1]) : QString() } };
    }
    std::vector<std::pair<QString, QString>> shares;
    const auto named = [&](int64_t low, int64_t high, bool otherAtMost) {
        for (int i = 0; i < 2; ++i) {
            const int64_t other = n[static_cast<std::size_t>(1 - i)];
            if (within(n[static_cast<std::size_t>(i)], low, high)
                && (!otherAtMost || other <= n[static_cast<std::size_t>(i)])
                && (shares.empty() || shares.back().second != number(n[static_cast<std::size_t>(i)]))) {
                shares.push_back({ shape, number(n[static_cast<std::size_t>(i)]) });
            }
        }
        return shares;
    };
    if (entry == QStringLiteral("8、7、6加几")) {
        return named(6, 8, false);
    }
    if (entry == QStringLiteral("5、4、3、2加几")) {
        return named(2, 5, false);
    }
    if (entry == QStringLiteral("2、3、4的乘法口诀")) {
        return named(2, 4, true);
    }
    return { { shape, QString() } };
}

const Unit* findUnit(
    const QString& edition, const QString& book, const QString& unit, const Edition** e, const Book** b)
{
    for (const Edition& each : UnitCatalogue::standard().editions()) {
        for (const Book& inBook : each.books) {
            for (const Unit& inUnit : inBook.units) {
                if (each.name == edition && inBook.name == book && inUnit.number == unit) {
                    *e = &each;
                    *b = &inBook;
                    return &inUnit;
                }
            }
        }
    }
    return nullptr;
}
} // namespace

Q_DECLARE_METATYPE(MixedSteps)
Q_DECLARE_METATYPE(StepRules)

class TestQuestions : public QObject {
    Q_OBJECT

private slots:
    void entriesDealTheirOwnQuestions_data();
    void entriesDealTheirOwnQuestions();
    void unitSheetsGiveEveryShareItsPart_data();
    void unitSheetsGiveEveryShareItsPart();
    void catalogueRefusesBrokenFiles_data();
    void catalogueRefusesBrokenFiles();
    void editionsFollowTheirOwnOrder_data();
    void editionsFollowTheirOwnOrder();
    void questionsAreWrittenAsTheSheetsWriteThem_data();
    void questionsAreWrittenAsTheSheetsWriteThem();
    void exactNumbersAreWrittenAsTheBookWritesThem_data();
    void exactNumbersAreWrittenAsTheBookWritesThem();
    void mixedQuestionsKeepEveryRule_data();
    void mixedQuestionsKeepEveryRule();
    void mixedSettingsWithoutQuestionsAreRefused_data();
    void mixedSettingsWithoutQuestionsAreRefused();
};

void TestQuestions::entriesDealTheirOwnQuestions_data()
{
    QTest::addColumn<int>("edition");
    QTest::addColumn<int>("book");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("entry"); // −1: 本单元综合
    QTest::addColumn<qint64>("count");
    // Every entry's questions counted apart from the catalogue, from the
    // entries' descriptions (a question in two entries of a unit counts once).
    // Each line must name an entry of the catalogue and each entry must have
    // its line: a mismatch either way fails the test.
    const QString table = QStringLiteral(R"(
人教版一年级上册第一单元5以内的加法 10
人教版一年级上册第一单元5以内的减法 15
人教版一年级上册第一单元0的加、减法 20
人教版一年级上册第一单元综合 40
人教版一年级上册第二单元6和7的加、减法 24
人教版一年级上册第二单元8和9的加、减法 32
人教版一年级上册第二单元10的加、减法 19
人教版一年级上册第二单元连加、连减 285
人教版一年级上册第二单元加减混合 715
人教版一年级上册第二单元综合 1075
人教版一年级上册第四单元十几加几和相应的减法 108
人教版一年级上册第五单元9加几 15
人教版一年级上册第五单元8、7、6加几 27
人教版一年级上册第五单元5、4、3、2加几 20
人教版一年级上册第五单元综合 36
人教版一年级下册第二单元十几减9 8
人教版一年级下册第二单元十几减8、7、6 18
人教版一年级下册第二单元十几减5、4、3、2 10
人教版一年级下册第二单元20以内的进位加法和退位减法 72
人教版一年级下册第二单元综合 72
人教版一年级下册第三单元整十数加一位数及相应的减法 324
人教版一年级下册第四单元整十数加、减整十数 81
人教版一年级下册第四单元两位数加整十数、一位数（不进位） 765
人教版一年级下册第四单元两位数加一位数（进位） 369
人教版一年级下册第四单元两位数减整十数、一位数（不退位） 846
人教版一年级下册第四单元两位数减一位数（退位） 360
人教版一年级下册第四单元综合 2349
人教版二年级上册第二单元5的乘法口诀 9
人教版二年级上册第二单元2、3、4的乘法口诀 15
人教版二年级上册第二单元6的乘法口诀 11
人教版二年级上册第二单元乘加、乘减 577
人教版二年级上册第二单元综合 612
人教版二年级上册第三单元用2～6的乘法口诀求商 30
人教版二年级上册第五单元7的乘法口诀 13
人教版二年级上册第五单元8的乘法口诀 15
人教版二年级上册第五单元9的乘法口诀 17
人教版二年级上册第五单元用7～9的乘法口诀求商 42
人教版二年级上册第五单元表内乘、除法 153
人教版二年级上册第五单元综合 153
人教版二年级下册第一单元有余数的除法 324
人教版二年级下册第三单元整百、整千数加、减法 162
人教版二年级下册第四单元两位数加、减两位数 7326
人教版二年级下册第四单元几百几十加、减几百几十 5868
人教版二年级下册第四单元综合 13194
人教版三年级上册第二单元同级运算 1000544
人教版三年级上册第二单元先乘除后加减 33952
人教版三年级上册第二单元带小括号 25344
人教版三年级上册第二单元综合 1059840
人教版三年级上册第四单元整十、整百数乘一位数 288
人教版三年级上册第四单元两位数乘一位数（不进位） 96
人教版三年级上册第四单元综合 356
人教版三年级上册第六单元同分母分数加、减法 285
人教版三年级上册第六单元1减几分之几 45
人教版三年级上册第六单元综合 330
人教版三年级下册第二单元整十、整百数除以一位数 86
人教版三年级下册第二单元两位数除以一位数（每一位都能整除） 48
人教版三年级下册第二单元综合 120
人教版三年级下册第六单元一位小数加、减法 8190
人教版四年级上册第三单元几百几十乘一位数 212
人教版四年级上册第三单元乘整十数 427
人教版四年级上册第三单元综合 639
人教版四年级下册第三单元简便计算 7306
人教版四年级下册第四单元小数点移动 15894
人教版四年级下册第六单元小数加、减法 1457550
人教版五年级上册第二单元小数乘整数 660
人教版五年级上册第二单元小数乘小数 81
人教版五年级上册第二单元综合 741
人教版五年级上册第三单元除数是整数的小数除法 605
人教版五年级上册第三单元一个数除以小数 72
人教版五年级上册第三单元综合 677
人教版五年级下册第六单元同分母分数加、减法 726
人教版五年级下册第六单元异分母分数加、减法 588
人教版五年级下册第六单元综合 1314
人教版六年级上册第二单元分数乘整数 990
人教版六年级上册第二单元分数乘分数 961
人教版六年级上册第二单元综合 1951
人教版六年级上册第三单元分数除以整数 360
人教版六年级上册第三单元一个数除以分数 1333
人教版六年级上册第三单元综合 1693
苏教版一年级上册第一单元5以内的加法 10
苏教版一年级上册第一单元5以内的减法 15
苏教版一年级上册第一单元0的加、减法 20
苏教版一年级上册第一单元综合 40
苏教版一年级上册第二单元6～9的加、减法 56
苏教版一年级上册第二单元连加、连减 204
苏教版一年级上册第二单元综合 260
苏教版一年级上册第四单元10的加、减法 19
苏教版一年级上册第四单元10以内的加减法 100
苏教版一年级上册第四单元综合 100
苏教版一年级上册第五单元十几加、减几 108
苏教版一年级下册第一单元进位加法 36
苏教版一年级下册第一单元退位减法 36
苏教版一年级下册第一单元综合 72
苏教版一年级下册第五单元加、减整十数 810
苏教版一年级下册第五单元不进位加法和不退位减法 810
苏教版一年级下册第五单元进位加法 369
苏教版一年级下册第五单元退位减法 360
苏教版一年级下册第五单元综合 2349
北师大版一年级上册第二单元5以内的加法 10
北师大版一年级上册第二单元5以内的减法 15
北师大版一年级上册第二单元综合 25
北师大版一年级上册第四单元6～9的加、减法 56
北师大版一年级上册第四单元连加、连减、加减混合（乘车） 1000
北师大版一年级上册第四单元10以内的加减法 100
北师大版一年级上册第四单元综合 1100
北师大版一年级下册第一单元十加几、十几加几 45
北师大版一年级下册第一单元20以内的进位加法 36
北师大版一年级下册第一单元综合 81
北师大版一年级下册第三单元十几减几（不退位） 54
北师大版一年级下册第三单元十几减几（退位） 36
北师大版一年级下册第三单元综合 90
北师大版一年级下册第五单元整十数加、减整十数 81
北师大版一年级下册第五单元两位数加、减一位数和整十数（不进位、不退位） 1611
北师大版一年级下册第五单元综合 1620
北师大版二年级上册第一单元两位数加一位数（进位） 369
北师大版二年级上册第一单元两位数减一位数（退位） 360
北师大版二年级上册第一单元100减两位数 90
北师大版二年级上册第一单元综合 819
北师大版二年级上册第四单元5的乘法口诀 9
北师大版二年级上册第四单元2的乘法口诀 3
北师大版二年级上册第四单元3、4的乘法口诀 12
北师大版二年级上册第四单元乘加、乘减 385
北师大版二年级上册第四单元综合 409
北师大版二年级上册第五单元用2～5的乘法口诀求商 36
北师大版二年级上册第七单元6的乘法口诀 11
北师大版二年级上册第七单元7的乘法口诀 13
北师大版二年级上册第七单元8、9的乘法口诀 32
北师大版二年级上册第七单元综合 56
北师大版二年级上册第八单元用6～9的乘法口诀求商 36
北师大版三年级上册第一单元先乘除后加减 33952
北师大版三年级上册第一单元带小括号 25344
北师大版三年级上册第一单元综合 59296
北师大版三年级上册第六单元整十、整百数乘一位数 288
北师大版三年级上册第六单元两位数乘一位数 582
北师大版三年级上册第六单元整十、整百数除以一位数 86
北师大版三年级上册第六单元两位数除以一位数（每一位都能整除） 48
北师大版三年级上册第六单元综合 924
北师大版三年级上册第七单元简单的小数加、减法 8190
)");
    std::map<QString, qint64> counts;
    QStringList mismatches;
    for (const QString& line : table.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QString name = line.section(QLatin1Char(' '), 0, 0);
        if (!counts.emplace(name, line.section(QLatin1Char(' '), 1).toLongLong()).second) {
            mismatches << QStringLiteral("two lines for ") + name;
        }
    }
    const auto& editions = UnitCatalogue::standard().editions();
    for (int e = 0; e < std::ssize(editions); ++e) {
        const Edition& edition = editions[static_cast<std::size_t>(e)];
        for (int b = 0; b < std::ssize(edition.books); ++b) {
            const Book& book = edition.books[static_cast<std::size_t>(b)];
            for (int u = 0; u < std::ssize(book.units); ++u) {
                const Unit& unit = book.units[static_cast<std::size_t>(u)];
                const int entries = static_cast<int>(unit.entries.size());
                for (int n = UnitDrill::offersWholeUnit(unit) ? -1 : 0; n < entries; ++n) {
                    const QString name = edition.name + book.name + unit.number
                        + (n < 0 ? QStringLiteral("综合") : unit.entries[static_cast<std::size_t>(n)].name);
                    const auto line = counts.find(name);
                    if (line == counts.end()) {
                        mismatches << QStringLiteral("no line for ") + name;
                        continue;
                    }
                    QTest::addRow("%s", qPrintable(name)) << e << b << u << n << line->second;
                    counts.erase(line);
                }
            }
        }
    }
    // Lines left over name what the catalogue does not hold (a removed or renamed entry).
    for (const auto& each : counts) {
        mismatches << QStringLiteral("a line for ") + each.first + QStringLiteral(", not in the catalogue");
    }
    QVERIFY2(mismatches.isEmpty(), qPrintable(mismatches.join(QStringLiteral("; "))));
}

void TestQuestions::entriesDealTheirOwnQuestions()
{
    QFETCH(int, edition);
    QFETCH(int, book);
    QFETCH(int, unit);
    QFETCH(int, entry);
    QFETCH(qint64, count);
    const Edition& e = UnitCatalogue::standard().editions()[static_cast<std::size_t>(edition)];
    const Book& b = e.books[static_cast<std::size_t>(book)];
    const Unit& u = b.units[static_cast<std::size_t>(unit)];
    std::vector<Check> checks;
    for (const UnitEntry& each : u.entries) {
        if (entry < 0 || &each == &u.entries[static_cast<std::size_t>(entry)]) {
            const Check check = checkFor({ e, b, u, &each });
            QVERIFY2(check, qPrintable(QStringLiteral("no check for ") + each.name));
            checks.push_back(check);
        }
    }
    const auto belongs = [&](const Question& q) {
        return answerExact(q)
            && std::any_of(checks.begin(), checks.end(), [&](const Check& c) { return c(q); });
    };
    const UnitChoice choice { e, b, u, entry < 0 ? nullptr : &u.entries[static_cast<std::size_t>(entry)] };
    const QuestionSpace space = UnitDrill::space(choice);
    const std::int64_t size = space.count();
    // With every question a member (below), as many as counted: the entry holds exactly its questions.
    QCOMPARE(qint64 { size }, count);
    // A space small enough to list holds each question once (one in two entries included).
    if (size <= 20000) {
        QSet<QString> texts;
        for (std::int64_t i = 0; i < size; ++i) {
            const Question q = space.at(i);
            const QString text = QuestionText::text(q, true);
            QVERIFY2(belongs(q), qPrintable(text));
            texts.insert(QuestionText::text(q, false));
            // The counted width and the painter's pieces say what the file writes.
            QCOMPARE(QuestionText::length(q), int(text.size()));
            QString joined;
            for (const QuestionPart& part : QuestionText::parts(q, true)) {
                joined += part.text;
            }
            QCOMPARE(joined, text);
        }
        QCOMPARE(texts.size(), size);
    }
    // Dealt in decks: every deck a whole round without repeats, never the same twice in a row.
    const std::int64_t wanted = std::min<std::int64_t>(3 * size + 7, 20000);
    RandomSource random;
    Dealer dealer(space, wanted);
    std::vector<std::int64_t> dealt;
    QSet<std::int64_t> deck;
    QSet<QString> dealtTexts;
    for (std::int64_t i = 0; i < wanted; ++i) {
        const std::int64_t index = dealer.nextIndex(random);
        if (i % size == 0) {
            deck.clear();
        }
        QVERIFY2(!deck.contains(index), qPrintable(QStringLiteral("repeated within a deck at %1").arg(i)));
        deck.insert(index);
        QVERIFY(dealt.empty() || size == 1 || dealt.back() != index);
        dealt.push_back(index);
        if (i < 2000 || size > 20000) {
            QVERIFY2(belongs(space.at(index)), qPrintable(QuestionText::text(space.at(index), true)));
        }
        // Too large to list: the questions of one deck's indices are still all different.
        if (size > 20000) {
            const QString text = QuestionText::text(space.at(index), false);
            QVERIFY2(!dealtTexts.contains(text), qPrintable(text));
            dealtTexts.insert(text);
        }
        if (i + 1 == size) {
            QCOMPARE(deck.size(), size);
        }
    }
}

void TestQuestions::unitSheetsGiveEveryShareItsPart_data()
{
    QTest::addColumn<QString>("unit"); // edition, book and unit
    QTest::addColumn<QString>("entry"); // empty: 本单元综合
    // For each entry of the sheet its forms (by "+"), for each form how many numbers its key takes.
    QTest::addColumn<QString>("shares");
    QTest::newRow("有余数的除法") << "人教版 二年级下册 第一单元"
                                  << "有余数的除法"
                                  << "8";
    QTest::newRow("用7～9的乘法口诀求商") << "人教版 二年级上册 第五单元"
                                          << "用7～9的乘法口诀求商"
                                          << "8";
    QTest::newRow("2、3、4的乘法口诀") << "人教版 二年级上册 第二单元"
                                       << "2、3、4的乘法口诀"
                                       << "3";
    QTest::newRow("8、7、6加几") << "人教版 一年级上册 第五单元"
                                 << "8、7、6加几"
                                 << "3";
    QTest::newRow("十几减5、4、3、2") << "人教版 一年级下册 第二单元"
                                      << "十几减5、4、3、2"
                                      << "4";
    QTest::newRow("20以内的进位加法和退位减法") << "人教版 一年级下册 第二单元"
                                                << "20以内的进位加法和退位减法"
                                                << "1+8";
    QTest::newRow("苏教版 退位减法") << "苏教版 一年级下册 第一单元"
                                     << "退位减法"
                                     << "8";
    QTest::newRow("同级运算") << "人教版 三年级上册 第二单元"
                              << "同级运算"
                              << "1+1+1+1+1+1";
    QTest::newRow("带小括号") << "人教版 三年级上册 第二单元"
                              << "带小括号"
                              << "1+1+1+1+1+1+1+1";
    QTest::newRow("混合运算 本单元综合")
        << "人教版 三年级上册 第二单元" << QString() << "1+1+1+1+1+1,1+1+1+1+1+1+1+1,1+1+1+1+1+1+1+1";
    QTest::newRow("1～6的表内乘法 本单元综合") << "人教版 二年级上册 第二单元" << QString() << "1,3,1,1+1";
    QTest::newRow("20以内的进位加法 本单元综合") << "人教版 一年级上册 第五单元" << QString() << "1,3,4";
}

void TestQuestions::unitSheetsGiveEveryShareItsPart()
{
    QFETCH(QString, unit);
    QFETCH(QString, entry);
    QFETCH(QString, shares);
    const QStringList where = unit.split(QLatin1Char(' '));
    const Edition* edition = nullptr;
    const Book* book = nullptr;
    const Unit* u = findUnit(where[0], where[1], where[2], &edition, &book);
    QVERIFY(u);
    std::vector<const UnitEntry*> entries;
    for (const UnitEntry& each : u->entries) {
        if (entry.isEmpty() || each.name == entry) {
            entries.push_back(&each);
        }
    }
    const QStringList entryShares = shares.split(QLatin1Char(','));
    QCOMPARE(entryShares.size(), qsizetype(entries.size()));
    const UnitChoice choice { *edition, *book, *u, entry.isEmpty() ? nullptr : entries.front() };

    constexpr std::int64_t kWanted = 1000;
    RandomSource random;
    ShareDealer dealer = UnitDrill::dealer(choice, kWanted, random);
    // Each share of the dealer named by what all of its questions have in common: their
    // entry, form and key number as the entries' descriptions tell them.
    using Place = std::tuple<std::size_t, QString, QString>;
    std::vector<std::optional<std::set<Place>>> common(dealer.shares().size());
    std::vector<std::vector<Question>> dealtByShare(dealer.shares().size());
    std::optional<Question> previous;
    for (std::int64_t i = 0; i < kWanted; ++i) {
        const Question q = dealer.next(random);
        const QString text = QuestionText::text(q, true);
        QVERIFY2(!previous || !(*previous == q), qPrintable(QStringLiteral("twice in a row: ") + text));
        previous = q;
        std::set<Place> places;
        for (std::size_t e = 0; e < entries.size(); ++e) {
            const Check check = checkFor({ *edition, *book, *u, entries[e] });
            if (answerExact(q) && check(q)) {
                for (const auto& [form, key] : sharesOf(entries[e]->name, q)) {
                    places.emplace(e, form, key);
                }
            }
        }
        QVERIFY2(!places.empty(), qPrintable(text));
        auto& shared = common[dealer.lastShare()];
        if (!shared) {
            shared = places;
        }
        std::erase_if(*shared, [&](const Place& place) { return !places.contains(place); });
        dealtByShare[dealer.lastShare()].push_back(q);
    }
    // A share whose questions all lie in another's too (2+9 and 9+2 of 2加几 are 9加几's
    // as well) is named by the place that no other share's questions name.
    std::set<Place> named;
    for (const auto& shared : common) {
        QVERIFY(shared && !shared->empty());
        if (shared->size() == 1) {
            named.insert(*shared->begin());
        }
    }
    std::map<Place, double> counted;
    for (std::size_t s = 0; s < common.size(); ++s) {
        std::set<Place> places = *common[s];
        if (places.size() > 1) {
            std::erase_if(places, [&](const Place& place) { return named.contains(place); });
        }
        QVERIFY2(places.size() == 1, qPrintable(QStringLiteral("share %1 is no one place").arg(s)));
        counted[*places.begin()] += static_cast<double>(dealtByShare[s].size());
    }
    // Every share within a quarter of its equal part: the sheet's part of its entry, the
    // entry's of its form, the form's of its key number.
    std::map<std::pair<std::size_t, QString>, int> keysSeen;
    std::map<std::size_t, std::set<QString>> formsSeen;
    for (const auto& [place, count] : counted) {
        const auto& [e, form, key] = place;
        formsSeen[e].insert(form);
        ++keysSeen[{ e, form }];
    }
    for (const auto& [place, count] : counted) {
        const auto& [e, form, key] = place;
        const QStringList forms = entryShares[static_cast<qsizetype>(e)].split(QLatin1Char('+'));
        // The forms are told apart by their operators; the key numbers counted as seen.
        QCOMPARE(qsizetype(formsSeen[e].size()), forms.size());
        const int keys = keysSeen[{ e, form }];
        QVERIFY2(forms.contains(QString::number(keys)),
            qPrintable(form + QStringLiteral(" has ") + QString::number(keys)));
        const double equal = static_cast<double>(kWanted) / static_cast<double>(entries.size())
            / static_cast<double>(forms.size()) / keys;
        QVERIFY2(std::abs(count - equal) <= equal / 4,
            qPrintable(
                QStringLiteral("%1 %2 %3: %4 of %5").arg(entries[e]->name, form, key).arg(count).arg(equal)));
    }
    // Each share dealt in decks: no question twice before all of the share's have come.
    for (std::size_t s = 0; s < dealtByShare.size(); ++s) {
        const std::int64_t size = dealer.shares()[s].space->count();
        const auto& dealt = dealtByShare[s];
        for (std::size_t start = 0; start < dealt.size(); start += static_cast<std::size_t>(size)) {
            std::set<Question> deck;
            for (std::size_t i = start; i < std::min(dealt.size(), start + static_cast<std::size_t>(size));
                 ++i) {
                QVERIFY2(deck.insert(dealt[i]).second, qPrintable(QuestionText::text(dealt[i], false)));
            }
        }
    }
}

void TestQuestions::catalogueRefusesBrokenFiles_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<bool>("good");
    QTest::newRow("a good form") << R"j({"question": "a+b", "a": "1..5", "b": "2,4"})j" << true;
    QTest::newRow("decimals") << R"j({"question": "a-b", "places": 1, "a": "0.1..9.9/0.1!1", "b": "0.5"})j"
                              << true;
    QTest::newRow("counted brackets")
        << R"j({"question": "c÷(a-b)", "largest": 100, "results": 100})j" << true;
    QTest::newRow("a letter without numbers") << R"j({"question": "a+b", "a": "1..5"})j" << false;
    QTest::newRow("a range upside down") << R"j({"question": "a+b", "a": "5..1", "b": "1"})j" << false;
    QTest::newRow("too many decimal places") << R"j({"question": "a+b", "a": "0.25", "b": "1"})j" << false;
    QTest::newRow("four numbers") << R"j({"question": "a+b+c+d", "a": "1", "b": "1", "c": "1", "d": "1"})j"
                                  << false;
    QTest::newRow("brackets round one number") << R"j({"question": "(a)+b", "a": "1", "b": "1"})j" << false;
    QTest::newRow("brackets that change nothing")
        << R"j({"question": "a+(b-c)", "largest": 100, "results": 100})j" << false;
    QTest::newRow("a key") << R"j({"question": "a÷b", "a": "1..89", "b": "2..9", "key": "b"})j" << true;
    QTest::newRow("a key that is no letter of the form")
        << R"j({"question": "a÷b", "a": "1..89", "b": "2..9", "key": "c"})j" << false;
    QTest::newRow("a key of two letters")
        << R"j({"question": "a÷b", "a": "1..89", "b": "2..9", "key": "ab"})j" << false;
    QTest::newRow("a key on a counted form")
        << R"j({"question": "a+b-c", "largest": 100, "results": 100, "key": "a"})j" << false;
    QTest::newRow("a form in parts")
        << R"j({"question": "a÷b", "key": "b", "parts": [{"a": "1..81", "b": "7..9"}, {"a": "1..81", "b": "2..6"}]})j"
        << true;
    QTest::newRow("a broken part")
        << R"j({"question": "a÷b", "parts": [{"a": "1..81", "b": "7..9"}, {"a": "1..81"}]})j" << false;
    QTest::newRow("no parts") << R"j({"question": "a÷b", "parts": []})j" << false;
    QTest::newRow("fractions") << R"j({"question": "a/n+b/n", "n": "2..12", "a": "1..11", "b": "1..11",)j"
                                  R"j( "proper": true, "range": "(0,2)", "unreduced": true})j"
                               << true;
    QTest::newRow("four places") << R"j({"question": "x÷1000", "places": 4, "x": "0.01..9.99/0.01"})j"
                                 << true;
    QTest::newRow("five places") << R"j({"question": "x÷10", "places": 5, "x": "1..9"})j" << false;
    QTest::newRow("fractions with decimal places")
        << R"j({"question": "a/n+b", "places": 1, "n": "2..5", "a": "1..4", "b": "0.5"})j" << false;
    QTest::newRow("a denominator of 1") << R"j({"question": "a/n+1", "n": "1..5", "a": "1..4"})j" << false;
    QTest::newRow("a written denominator of 1") << R"j({"question": "a/1+1", "a": "1..4"})j" << false;
    QTest::newRow("a fraction without a denominator") << R"j({"question": "a/+1", "a": "1..4"})j" << false;
    QTest::newRow("a range without brackets")
        << R"j({"question": "a/n+1", "n": "2..5", "a": "1..4", "range": "0,1"})j" << false;
    QTest::newRow("a range upside down")
        << R"j({"question": "a/n+1", "n": "2..5", "a": "1..4", "range": "[2,1]"})j" << false;
    QTest::newRow("a whole-number result rule on fractions")
        << R"j({"question": "a/n+1", "n": "2..5", "a": "1..4", "result": "1..2"})j" << false;
    QTest::newRow("a sum of letters") << R"j({"question": "a+b+c", "a": "1..9", "b": "1..9", "c": "1..9",)j"
                                         R"j( "sum": "b+c=10"})j"
                                      << true;
    QTest::newRow("a sum of an unknown letter")
        << R"j({"question": "a+b", "a": "1..9", "b": "1..9", "sum": "b+d=10"})j" << false;
    QTest::newRow("fractions in mixed operations")
        << R"j({"question": "a/b+c", "largest": 100, "results": 100})j" << false;
    QTest::newRow("too many combinations")
        << R"j({"question": "a+b+c", "a": "1..1000", "b": "1..1000", "c": "1..1000"})j" << false;
}

void TestQuestions::catalogueRefusesBrokenFiles()
{
    QFETCH(QString, form);
    QFETCH(bool, good);
    const QString file = QStringLiteral(
        R"({"edition": "测试版", "order": 1, "books": [{"name": "一年级上册", "units": [)"
        R"({"unit": "第一单元", "name": "试", "entries": [{"name": "试", "forms": [%1]}]}]}]})")
                             .arg(form);
    const auto edition = UnitCatalogue::parseEdition(file.toUtf8());
    QCOMPARE(std::holds_alternative<Edition>(edition), good);
    // The program's own catalogue: every file read, one edition each, and
    // the ranges in its names written with the books' full-width "～".
    const UnitCatalogue& standard = UnitCatalogue::standard();
    QCOMPARE(standard.problems(), QStringList());
    const qsizetype files = QDir(QStringLiteral(":/units")).entryList({ QStringLiteral("*.json") }).size();
    QVERIFY(files > 0);
    QCOMPARE(qsizetype(standard.editions().size()), files);
    for (const Edition& e : standard.editions()) {
        for (const Book& b : e.books) {
            for (const Unit& u : b.units) {
                QVERIFY2(!u.name.contains(QLatin1Char('~')), qPrintable(e.name + b.name + u.caption()));
                for (const UnitEntry& entry : u.entries) {
                    QVERIFY2(
                        !entry.name.contains(QLatin1Char('~')), qPrintable(e.name + b.name + entry.name));
                }
            }
        }
    }
}

void TestQuestions::editionsFollowTheirOwnOrder_data()
{
    QTest::addColumn<QStringList>("files"); // file name, edition, its "order" as JSON (empty: none); …
    QTest::addColumn<QStringList>("editions"); // as the catalogue lists them
    QTest::addColumn<QStringList>("refused"); // the files reported as problems
    QTest::newRow("file names in the opposite order")
        << QStringList { "z.json", "人教版", "1", "a.json", "苏教版", "2" }
        << QStringList { "人教版", "苏教版" } << QStringList {};
    QTest::newRow("a third edition whose file name sorts first")
        << QStringList { "pep.json", "人教版", "1", "sj.json", "苏教版", "2", "bsd.json", "北师大版", "3" }
        << QStringList { "人教版", "苏教版", "北师大版" } << QStringList {};
    QTest::newRow("gaps between the places")
        << QStringList { "a.json", "苏教版", "20", "b.json", "人教版", "5" }
        << QStringList { "人教版", "苏教版" } << QStringList {};
    QTest::newRow("a file without its place") << QStringList { "a.json", "北师大版", "", "b.json", "人教版",
        "1" } << QStringList { "人教版" } << QStringList { "a.json" };
    QTest::newRow("places that are no whole number from 1") << QStringList { "a.json", "甲", "0", "b.json",
        "乙", "-1", "c.json", "丙", "1.5", "d.json", "丁", R"("1")", "e.json", "戊",
        "2" } << QStringList { "戊" } << QStringList { "a.json", "b.json", "c.json", "d.json" };
    // Both are kept, by file name, but the catalogue names the clash.
    QTest::newRow("two editions in one place")
        << QStringList { "b.json", "苏教版", "1", "a.json", "人教版", "1" }
        << QStringList { "人教版", "苏教版" } << QStringList { "b.json" };
}

void TestQuestions::editionsFollowTheirOwnOrder()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, editions);
    QFETCH(QStringList, refused);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    for (qsizetype i = 0; i + 2 < files.size(); i += 3) {
        const QString order
            = files[i + 2].isEmpty() ? QString() : QStringLiteral(R"("order": %1, )").arg(files[i + 2]);
        const QString json
            = QStringLiteral(R"({"edition": "%1", %2"books": [{"name": "一年级上册", "units": [)"
                             R"({"unit": "第一单元", "name": "试", "entries": [{"name": "试", )"
                             R"("forms": [{"question": "a+b", "a": "1..5", "b": "1..5"}]}]}]}]})")
                  .arg(files[i + 1], order);
        QFile file(folder.filePath(files[i]));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(json.toUtf8());
    }
    const UnitCatalogue catalogue = UnitCatalogue::load(folder.path());
    QStringList names;
    for (const Edition& e : catalogue.editions()) {
        names << e.name;
    }
    QCOMPARE(names, editions);
    QStringList problemFiles;
    for (const QString& problem : catalogue.problems()) {
        problemFiles << problem.section(QStringLiteral("："), 0, 0);
    }
    problemFiles.sort();
    QCOMPARE(problemFiles, refused);
}

void TestQuestions::questionsAreWrittenAsTheSheetsWriteThem_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<int>("places");
    QTest::addColumn<bool>("remainder");
    QTest::addColumn<QString>("text");
    QTest::newRow("a remainder") << "a÷b"
                                 << "17 5" << 0 << true << "17÷5=3……2";
    QTest::newRow("× before +") << "a+b×c"
                                << "2 3 4" << 0 << false << "2+3×4=14";
    QTest::newRow("left to right") << "a-b+c"
                                   << "9 5 2" << 0 << false << "9-5+2=6";
    QTest::newRow("brackets first") << "(a+b)×c"
                                    << "8 2 3" << 0 << false << "(8+2)×3=30";
    QTest::newRow("brackets last") << "a-(b-c)"
                                   << "9 5 2" << 0 << false << "9-(5-2)=6";
    QTest::newRow("÷ left to right") << "a÷b×c"
                                     << "6 6 4" << 0 << false << "6÷6×4=4";
    QTest::newRow("a whole decimal answer") << "a+b"
                                            << "15 25" << 1 << false << "1.5+2.5=4";
    QTest::newRow("two places") << "a-b"
                                << "305 5" << 2 << false << "3.05-0.05=3";
    QTest::newRow("a tenth") << "a-b"
                             << "1 99" << 2 << false << "";
}

void TestQuestions::questionsAreWrittenAsTheSheetsWriteThem()
{
    QFETCH(QString, pattern);
    QFETCH(QString, numbers);
    QFETCH(int, places);
    QFETCH(bool, remainder);
    QFETCH(QString, text);
    const auto parsed = EntryForms::parsePattern(pattern, places);
    QVERIFY(parsed);
    const QStringList values = numbers.split(QLatin1Char(' '));
    Question q = parsed->shape.question(
        values[0].toLongLong(), values[1].toLongLong(), values.value(2).toLongLong());
    q.places = static_cast<std::uint8_t>(places);
    q.withRemainder = remainder;
    const auto made = Questions::make(q);
    // A question that does not work out (a negative result) is no question.
    QCOMPARE(made.has_value(), !text.isEmpty());
    if (made) {
        QCOMPARE(QuestionText::text(*made, true), text);
        QCOMPARE(QuestionText::text(*made, false), text.left(text.indexOf(QLatin1Char('=')) + 1));
        QVERIFY(answerExact(*made));
    }
}

void TestQuestions::exactNumbersAreWrittenAsTheBookWritesThem_data()
{
    QTest::addColumn<QString>("question"); // written with its numbers, fractions as "a/n"
    QTest::addColumn<int>("places");
    QTest::addColumn<bool>("unreduced");
    QTest::addColumn<QString>("text"); // empty: no question (a result below 0, or too many places)
    QTest::newRow("三年级 keeps eighths") << "2/8+3/8" << 0 << true << "2/8+3/8=5/8";
    QTest::newRow("三年级 does not reduce") << "2/8+2/8" << 0 << true << "2/8+2/8=4/8";
    QTest::newRow("三年级 n/n is 1") << "4/8+4/8" << 0 << true << "4/8+4/8=1";
    QTest::newRow("三年级 1 minus") << "1-3/8" << 0 << true << "1-3/8=5/8";
    QTest::newRow("lowest terms") << "2/8+2/8" << 0 << false << "2/8+2/8=1/2";
    QTest::newRow("improper stays improper") << "2/3+1/2" << 0 << false << "2/3+1/2=7/6";
    QTest::newRow("a whole sum") << "2/5+3/5" << 0 << false << "2/5+3/5=1";
    QTest::newRow("unlike denominators") << "3/4-1/6" << 0 << false << "3/4-1/6=7/12";
    QTest::newRow("nothing left") << "1/2-1/2" << 0 << false << "1/2-1/2=0";
    QTest::newRow("below 0") << "1/3-1/2" << 0 << false << "";
    QTest::newRow("fraction times whole") << "3/4×8" << 0 << false << "3/4×8=6";
    QTest::newRow("whole times fraction") << "8×3/4" << 0 << false << "8×3/4=6";
    QTest::newRow("fraction times fraction") << "2/3×3/4" << 0 << false << "2/3×3/4=1/2";
    QTest::newRow("fraction by whole") << "3/4÷6" << 0 << false << "3/4÷6=1/8";
    QTest::newRow("whole by fraction") << "6÷3/4" << 0 << false << "6÷3/4=8";
    QTest::newRow("fraction by fraction") << "2/3÷4/5" << 0 << false << "2/3÷4/5=5/6";
    QTest::newRow("× before + in fractions") << "1/2+1/3×3" << 0 << false << "1/2+1/3×3=3/2";
    QTest::newRow("brackets in fractions") << "(1/2+1/3)×6" << 0 << false << "(1/2+1/3)×6=5";
    QTest::newRow("point two places right") << "0.35×100" << 4 << false << "0.35×100=35";
    QTest::newRow("point two places left") << "4.2÷100" << 4 << false << "4.2÷100=0.042";
    QTest::newRow("a whole number moved") << "560÷1000" << 4 << false << "560÷1000=0.56";
    QTest::newRow("five places are too many") << "0.01÷1000" << 4 << false << "";
    QTest::newRow("tenths times tenths") << "0.3×0.4" << 2 << false << "0.3×0.4=0.12";
    QTest::newRow("no trailing zero") << "0.5×0.2" << 2 << false << "0.5×0.2=0.1";
    QTest::newRow("a whole dividend") << "10÷4" << 1 << false << "10÷4=2.5";
    QTest::newRow("by a decimal") << "4.8÷0.6" << 1 << false << "4.8÷0.6=8";
    QTest::newRow("hundredths") << "7.25+0.75" << 2 << false << "7.25+0.75=8";
}

void TestQuestions::exactNumbersAreWrittenAsTheBookWritesThem()
{
    QFETCH(QString, question);
    QFETCH(int, places);
    QFETCH(bool, unreduced);
    QFETCH(QString, text);
    const auto parsed = EntryForms::parsePattern(question, places);
    QVERIFY(parsed && parsed->letters.empty());
    Question q = parsed->shape.question(parsed->numbers[0], parsed->numbers[1], parsed->numbers[2]);
    q.denominators = parsed->denominators;
    q.places = static_cast<std::uint8_t>(places);
    q.unreduced = unreduced;
    const auto made = Questions::make(q);
    QCOMPARE(made.has_value(), !text.isEmpty());
    if (!made) {
        return;
    }
    QCOMPARE(QuestionText::text(*made, true), text);
    QVERIFY(answerExact(*made));
    QCOMPARE(QuestionText::length(*made), int(text.size()));
    // The pieces a painter draws: a fraction's numerator and denominator apart.
    QString joined;
    int fractionsSeen = 0;
    for (const QuestionPart& part : QuestionText::parts(*made, true)) {
        joined += part.text;
        if (part.kind == QuestionPart::Kind::Fraction) {
            QCOMPARE(part.numerator + QLatin1Char('/') + part.denominator, part.text);
            ++fractionsSeen;
        } else {
            QVERIFY(!part.text.contains(QLatin1Char('/')));
        }
    }
    QCOMPARE(joined, text);
    QCOMPARE(fractionsSeen, int(text.count(QLatin1Char('/'))));
}

void TestQuestions::mixedQuestionsKeepEveryRule_data()
{
    QTest::addColumn<int>("operations"); // bits: 加 1, 减 2, 乘 4, 除 8
    QTest::addColumn<MixedSteps>("steps");
    QTest::addColumn<StepRules>("rules");
    QTest::addColumn<bool>("distinct");
    const StepRules usual { 100, 100, true };
    const char* const names[] = { "一步", "两步", "两步带括号" };
    const MixedSteps all[] = { MixedSteps::One, MixedSteps::Two, MixedSteps::TwoBracketed };
    for (int s = 0; s < 3; ++s) {
        for (const int ops : { 1, 2, 4, 8, 3, 5, 12, 6, 15 }) {
            // One operation alone has no brackets that matter but 减 and 除; + × neither.
            if (all[s] == MixedSteps::TwoBracketed && (ops == 1 || ops == 4 || ops == 5 || ops == 3)) {
                continue;
            }
            QTest::addRow("%s ops %d", names[s], ops) << ops << all[s] << usual << false;
        }
        QTest::addRow("%s all, not in the tables", names[s])
            << 15 << all[s] << StepRules { 100, 100, false } << false;
        QTest::addRow("%s all, tight", names[s]) << 15 << all[s] << StepRules { 12, 20, true } << false;
        QTest::addRow("%s all, largest limits", names[s])
            << 15 << all[s] << StepRules { 1000, 10000, false } << false;
    }
    QTest::newRow("两步 ÷ alone, distinct") << 8 << MixedSteps::Two << usual << true;
    QTest::newRow("一步 all, tight, distinct") << 15 << MixedSteps::One << StepRules { 9, 20, true } << true;
}

void TestQuestions::mixedQuestionsKeepEveryRule()
{
    QFETCH(int, operations);
    QFETCH(MixedSteps, steps);
    QFETCH(StepRules, rules);
    QFETCH(bool, distinct);
    MixedSettings settings;
    for (int o = 0; o < 4; ++o) {
        settings.operations[static_cast<std::size_t>(o)] = (operations >> o & 1) != 0;
    }
    settings.steps = steps;
    settings.rules = rules;
    settings.distinct = distinct;
    // With 题目不重复 as many questions as there are (at most 4000).
    const std::int64_t wanted
        = distinct ? std::min<std::int64_t>(MixedOperations::questionCount(settings), 4000) : 4000;
    settings.layout = { 1, 1, static_cast<int>(wanted) };
    QCOMPARE(MixedOperations::refusal(settings).value_or(QString()), QString());
    RandomSource random;
    MixedOperations::ShapeDealer dealer(settings, random);
    std::array<int, 4> used {};
    std::map<QString, int> shapes;
    QSet<QString> seen;
    std::optional<Question> previous;
    const int terms = steps == MixedSteps::One ? 2 : 3;
    for (std::int64_t i = 0; i < wanted; ++i) {
        const Question q = dealer.next(random);
        const QString text = QuestionText::text(q, true);
        QVERIFY2(stepsKeepRules(q, rules) && answerExact(q), qPrintable(text));
        QCOMPARE(int(q.terms), terms);
        QCOMPARE(q.brackets != Brackets::None, steps == MixedSteps::TwoBracketed);
        for (int k = 0; k < terms - 1; ++k) {
            const int o = static_cast<int>(q.ops[static_cast<std::size_t>(k)]);
            QVERIFY2(operations >> o & 1, qPrintable(text));
            ++used[static_cast<std::size_t>(o)];
        }
        QVERIFY2(!distinct || !seen.contains(text), qPrintable(text));
        QVERIFY2(!previous || !(*previous == q), qPrintable(QStringLiteral("twice in a row: ") + text));
        previous = q;
        seen.insert(text);
        ++shapes[shapeOf(q)];
    }
    // Every ticked operation comes.
    for (int o = 0; o < 4; ++o) {
        QVERIFY(!(operations >> o & 1) || used[static_cast<std::size_t>(o)] > 0);
    }
    // Every shape that has questions comes, and (where no shape runs out of
    // distinct questions) each about as often as the others.
    QCOMPARE(shapes.size(), dealer.spaces().size());
    if (distinct) {
        return;
    }
    const double equal = static_cast<double>(wanted) / static_cast<double>(shapes.size());
    for (const auto& [shape, count] : shapes) {
        QVERIFY2(
            std::abs(count - equal) <= equal / 4, qPrintable(QStringLiteral("%1: %2").arg(shape).arg(count)));
    }
}

void TestQuestions::mixedSettingsWithoutQuestionsAreRefused_data()
{
    QTest::addColumn<int>("operations");
    QTest::addColumn<MixedSteps>("steps");
    QTest::addColumn<StepRules>("rules");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QString>("message");
    QTest::newRow("nothing ticked") << 0 << MixedSteps::One << StepRules {} << 1
                                    << MixedTexts::kNoOperationMessage;
    QTest::newRow("乘 alone, two steps, results to 5")
        << 4 << MixedSteps::Two << StepRules { 100, 5, true } << 1 << MixedTexts::kNoQuestionMessage;
    QTest::newRow("加 alone with brackets")
        << 1 << MixedSteps::TwoBracketed << StepRules {} << 1 << MixedTexts::kNoQuestionMessage;
    QTest::newRow("加 and 乘, results to 3") << 5 << MixedSteps::One << StepRules { 100, 3, true } << 1
                                             << MixedTexts::missingOperationMessage(Op::Multiply);
    QTest::newRow("加 and 除, largest 1") << 9 << MixedSteps::One << StepRules { 1, 100, true } << 1
                                          << MixedTexts::missingOperationMessage(Op::Divide);
    // 1+1 1+2 2+1 2+2 1-1 2-1 2-2: seven questions for a sheet of 100.
    QTest::newRow("too few distinct")
        << 3 << MixedSteps::One << StepRules { 2, 100, true } << 1
        << QStringLiteral("题目不重复时，按所选设置最多只能出7道不同的题，请减少题数。");
}

void TestQuestions::mixedSettingsWithoutQuestionsAreRefused()
{
    QFETCH(int, operations);
    QFETCH(MixedSteps, steps);
    QFETCH(StepRules, rules);
    QFETCH(int, pages);
    QFETCH(QString, message);
    MixedSettings settings;
    for (int o = 0; o < 4; ++o) {
        settings.operations[static_cast<std::size_t>(o)] = (operations >> o & 1) != 0;
    }
    settings.steps = steps;
    settings.rules = rules;
    settings.distinct = true;
    settings.layout = { 4, 25, pages };
    QCOMPARE(MixedOperations::refusal(settings).value_or(QString()), message);
}

QTEST_GUILESS_MAIN(TestQuestions)
#include "test_questions.moc"
