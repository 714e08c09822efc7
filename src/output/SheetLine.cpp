// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/SheetLine.h"

#include <charconv>

void SheetLine::appendNumber(std::int64_t value)
{
    char digits[24];
    const char* const end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    m_text.append(QLatin1String(digits, static_cast<qsizetype>(end - digits)));
}
