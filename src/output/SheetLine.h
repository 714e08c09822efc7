#pragma once
// One line of a sheet, built straight in the sheet file's encoding (GBK).
// Question rows are long runs of digits, signs and spaces: digits and spaces
// are one byte each and go in without any conversion, so a large run spends
// its time drawing questions, not converting text. The line also counts its
// characters, which is what cell widths are measured in ("×" is one).

#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

class SheetLine {
public:
    void clear()
    {
        m_size = 0;
        m_length = 0;
    }

    void appendText(QStringView text);
    void appendNumber(std::int64_t value);
    void appendAscii(char c)
    {
        *grow(1) = c;
        ++m_length;
    }
    void appendSpaces(qsizetype count)
    {
        std::memset(grow(static_cast<std::size_t>(count)), ' ', static_cast<std::size_t>(count));
        m_length += count;
    }

    // Characters in the line.
    qsizetype length() const { return m_length; }
    // The line in the sheet file's encoding.
    QByteArrayView bytes() const { return { m_bytes.data(), static_cast<qsizetype>(m_size) }; }
    // The line as text, for the printed page.
    QString text() const;

    static bool encodingAvailable();

private:
    void appendBytes(QByteArrayView bytes);
    // Room for count more bytes at the end of the line, already counted in.
    char* grow(std::size_t count)
    {
        if (m_size + count > m_bytes.size()) {
            m_bytes.resize(std::max(2 * m_bytes.size(), m_size + count + 64));
        }
        char* end = m_bytes.data() + m_size;
        m_size += count;
        return end;
    }

    std::vector<char> m_bytes;
    std::size_t m_size = 0;
    qsizetype m_length = 0;
    // The last character outside ASCII and its encoding: a question row uses
    // one such sign ("×" or "÷") over and over.
    char16_t m_lastWide = 0;
    char m_lastWideBytes[4] = {};
    std::size_t m_lastWideSize = 0;
};
