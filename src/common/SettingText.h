// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads the numbers that teachers type into the settings boxes. Surrounding
// spaces and full-width digits (as a Chinese input method types them) are
// accepted; anything else that is not a number gives no value, and the caller
// then shows the message of the check that the value would have failed.

#include <QString>
#include <optional>

// A whole number such as "15", " ３ " or "-2". No fraction, exponent or
// grouping; values beyond +-10^15 give no value (they fail every range check).
std::optional<qint64> parseWholeNumber(const QString& text);

// A decimal number such as "7" or "2.5", rounded to the nearest integer with
// halves going to the even neighbour, as a 16-bit signed value.
std::optional<int> parseRoundedInt16(const QString& text);

// True when the text gave a value and it lies within [low, high].
template <typename T> bool inRange(const std::optional<T>& value, qint64 low, qint64 high)
{
    return value && *value >= low && *value <= high;
}
