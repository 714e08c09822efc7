#include "drills/multiply/Multiplication.h"

#include "drills/rows/RowDrill.h"
#include "random/RandomSource.h"

#include <algorithm>

QString MultiplyTexts::fileName(const QString& stage, int firstDigits, int secondDigits)
{
    return stage + QString::number(firstDigits) + QStringLiteral("位乘") + QString::number(secondDigits)
        + QStringLiteral("位速算.xls");
}

QString MultiplyTexts::title(const QString& stage, int firstDigits, int secondDigits)
{
    return QStringLiteral("小学") + stage + QString::number(firstDigits) + QStringLiteral("位乘")
        + QString::number(secondDigits) + QStringLiteral("位速算试题");
}


std::int64_t Multiplication::drawOperand(RandomSource& random, int digits)
{
    const std::int64_t low = powerOfTen(digits - 1);
    const std::int64_t high = low * 10;
    std::int64_t value = 0;
    do {
        value = random.below(high);
    } while (value <= low || value >= high);
    return value;
}

Factors Multiplication::drawFactors(RandomSource& random, int firstDigits, int secondDigits)
{
    const std::int64_t a = drawOperand(random, firstDigits);
    const std::int64_t b = drawOperand(random, secondDigits);
    return { a, b };
}

namespace {
char16_t* writeNumber(char16_t* out, std::int64_t value)
{
    char16_t digits[20];
    char16_t* first = digits + 20;
    auto v = static_cast<std::uint64_t>(value);
    do {
        *--first = static_cast<char16_t>(u'0' + v % 10);
        v /= 10;
    } while (v > 0);
    return std::copy(first, digits + 20, out);
}
} // namespace

QString Multiplication::questionText(const Factors& factors, bool withAnswer)
{
    char16_t text[48];
    char16_t* end = writeNumber(text, factors.a);
    *end++ = u'×';
    end = writeNumber(end, factors.b);
    *end++ = u'=';
    if (withAnswer) {
        end = writeNumber(end, factors.a * factors.b);
    }
    return QString(reinterpret_cast<const QChar*>(text), end - text);
}

int Multiplication::cellWidth(int firstDigits) { return 6 * firstDigits; }

RowSheet Multiplication::sheet(const QString& stage, int firstDigits, int secondDigits)
{
    return { MultiplyTexts::fileName(stage, firstDigits, secondDigits),
        MultiplyTexts::title(stage, firstDigits, secondDigits), cellWidth(firstDigits) };
}

bool Multiplication::run(const QString& stage, const MultiplySettings& settings, RandomSource& random,
    SheetOutputs& outputs)
{
    return RowDrill::run(sheet(stage, settings.firstDigits, settings.secondDigits), { settings.perRow, settings.rowsPerPage, settings.pages },
        [&] {
            return questionText(drawFactors(random, settings.firstDigits, settings.secondDigits), settings.answers);
        },
        outputs);
}
