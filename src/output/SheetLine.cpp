// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/SheetLine.h"

#include "random/Draws.h"

#include <QtGlobal>
#include <charconv>

void SheetLine::appendNumber(std::int64_t value)
{
    char digits[24];
    const char* const end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    m_text.append(QLatin1String(digits, static_cast<qsizetype>(end - digits)));
}

void SheetLine::appendDecimal(std::int64_t scaled, int places)
{
    Q_ASSERT(scaled >= 0);
    const std::int64_t unit = Draws::powerOfTen(places);
    appendNumber(scaled / unit);
    std::int64_t fraction = scaled % unit;
    if (fraction == 0) {
        return;
    }
    int digits = places;
    for (; fraction % 10 == 0; fraction /= 10) {
        --digits;
    }
    appendAscii('.');
    // The zeros between the point and the fraction's first digit.
    for (std::int64_t place = Draws::powerOfTen(digits - 1); place > fraction; place /= 10) {
        appendAscii('0');
    }
    appendNumber(fraction);
}
