// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A set of numbers as the catalogue writes it: pieces joined by commas, each a
// number ("9"), a range ("2..9"), a range in steps ("10..90/10") or one
// leaving out the multiples of a number ("110..990/10!100"). Numbers may have
// decimal places ("0.1..9.9/0.1!1"); they are kept × 10^places.

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

class ValueSet {
public:
    // Nothing when the text is not such a set (or a number has more places).
    static std::optional<ValueSet> parse(const QString& text, int places);
    // A number with at most that many decimal places, × 10^places.
    static std::optional<std::int64_t> parseNumber(QStringView text, int places);

    const std::vector<std::int64_t>& values() const { return m_values; }
    bool contains(std::int64_t value) const;

private:
    std::vector<std::int64_t> m_values; // ascending, each once
    bool m_unbroken = false; // every whole number from the first value to the last
};
