// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One line of a sheet as text, built piece by piece: the questions of a row or
// a frame line. Its length in characters is what cell widths are measured in
// ("×" is one).

#include <QString>
#include <QStringView>
#include <cstdint>

class SheetLine {
public:
    // Empties the line and keeps its room for the next one.
    void clear() { m_text.resize(0); }

    void appendText(QStringView text) { m_text.append(text); }
    void appendNumber(std::int64_t value);
    void appendAscii(char c) { m_text.append(QLatin1Char(c)); }
    void appendSpaces(qsizetype count) { m_text.resize(m_text.size() + count, QLatin1Char(' ')); }

    // Characters in the line.
    qsizetype length() const { return m_text.size(); }
    const QString& text() const { return m_text; }

private:
    QString m_text;
};
