// SPDX-License-Identifier: GPL-3.0-or-later
#include "questions/ValueSet.h"

#include <QStringList>
#include <algorithm>

namespace {
// No catalogue set needs more; a longer one is a mistake in the file.
constexpr std::int64_t kMostValues = 100000;
} // namespace

std::optional<std::int64_t> ValueSet::parseNumber(QStringView text, int places)
{
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    const QStringView whole = point < 0 ? text : text.left(point);
    const QStringView fraction = point < 0 ? QStringView() : text.mid(point + 1);
    if (whole.isEmpty() || fraction.size() > places || (point >= 0 && fraction.isEmpty())) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (const QChar c : whole) {
        if (!c.isDigit() || value > 1000000000) {
            return std::nullopt;
        }
        value = value * 10 + c.digitValue();
    }
    for (int i = 0; i < places; ++i) {
        const QChar c = i < fraction.size() ? fraction[i] : QLatin1Char('0');
        if (!c.isDigit()) {
            return std::nullopt;
        }
        value = value * 10 + c.digitValue();
    }
    return value;
}

std::optional<ValueSet> ValueSet::parse(const QString& text, int places)
{
    ValueSet set;
    for (const QString& piece : text.split(QLatin1Char(','))) {
        QStringView rest = QStringView(piece).trimmed();
        std::int64_t without = 0;
        if (const qsizetype bang = rest.indexOf(QLatin1Char('!')); bang >= 0) {
            const auto value = parseNumber(rest.mid(bang + 1), places);
            if (!value || *value <= 0) {
                return std::nullopt;
            }
            without = *value;
            rest = rest.left(bang);
        }
        std::int64_t step = 1;
        if (const qsizetype slash = rest.indexOf(QLatin1Char('/')); slash >= 0) {
            const auto value = parseNumber(rest.mid(slash + 1), places);
            if (!value || *value <= 0) {
                return std::nullopt;
            }
            step = *value;
            rest = rest.left(slash);
        }
        const qsizetype dots = rest.indexOf(QLatin1String(".."));
        const auto low = parseNumber(dots < 0 ? rest : rest.left(dots), places);
        const auto high = dots < 0 ? low : parseNumber(rest.mid(dots + 2), places);
        if (!low || !high || *high < *low || (*high - *low) / step > kMostValues) {
            return std::nullopt;
        }
        for (std::int64_t v = *low; v <= *high; v += step) {
            if (without == 0 || v % without != 0) {
                set.m_values.push_back(v);
            }
        }
    }
    std::sort(set.m_values.begin(), set.m_values.end());
    set.m_values.erase(std::unique(set.m_values.begin(), set.m_values.end()), set.m_values.end());
    if (set.m_values.empty() || std::ssize(set.m_values) > kMostValues) {
        return std::nullopt;
    }
    set.m_unbroken = set.m_values.back() - set.m_values.front() + 1 == std::ssize(set.m_values);
    return set;
}

bool ValueSet::contains(std::int64_t value) const
{
    if (m_unbroken) {
        return value >= m_values.front() && value <= m_values.back();
    }
    return std::binary_search(m_values.begin(), m_values.end(), value);
}
