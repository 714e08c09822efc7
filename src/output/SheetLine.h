// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One line of a sheet as text, built piece by piece: the questions of a row or
// a frame line. Its length in characters is what cell widths are measured in
// ("×" is one). The signs every sheet writes are here too, written once.

#include <QString>
#include <QStringView>
#include <cstdint>

// The operators as the sheets write them, and the mark between a quotient
// and its remainder (17÷5=3……2).
namespace SheetSigns {
inline constexpr char16_t kPlus = u'+';
inline constexpr char16_t kMinus = u'-';
inline constexpr char16_t kTimes = u'\u00D7';
inline constexpr char16_t kDivide = u'\u00F7';
inline const QString kRemainderMark = QStringLiteral("……");
} // namespace SheetSigns

class SheetLine {
public:
    // Empties the line and keeps its room for the next one.
    void clear() { m_text.resize(0); }

    void appendText(QStringView text) { m_text.append(text); }
    void appendNumber(std::int64_t value);
    // scaled ÷ 10^places as a decimal number with no trailing zeros after the
    // point (2.5, never 2.50), or a whole number when nothing is left after it.
    void appendDecimal(std::int64_t scaled, int places);
    void appendSign(char16_t sign) { m_text.append(QChar(sign)); }
    void appendAscii(char c) { m_text.append(QLatin1Char(c)); }
    void appendSpaces(qsizetype count) { m_text.resize(m_text.size() + count, QLatin1Char(' ')); }

    // Characters in the line.
    qsizetype length() const { return m_text.size(); }
    const QString& text() const { return m_text; }

private:
    QString m_text;
};
