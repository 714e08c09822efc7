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
#include <array>
#include <bit>
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

    void appendText(QStringView text)
    {
        // A question row repeats one sign ("×" or "÷") in every cell: its
        // bytes are kept from the first time.
        if (text.size() == 1 && text.front().unicode() == m_lastWide && m_lastWide != 0) {
            std::memcpy(grow(2), m_lastWideBytes, 2);
            ++m_length;
            return;
        }
        appendNewText(text);
    }
    Q_ALWAYS_INLINE void appendNumber(std::int64_t value)
    {
        // Written straight into the line once its length is known: a run
        // writes over a million numbers.
        const bool negative = value < 0;
        const std::uint64_t v
            = negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
        const int digits = digitCount(v);
        const std::size_t count = static_cast<std::size_t>(digits) + (negative ? 1 : 0);
        char* const start = grow(count);
        if (negative) {
            *start = '-';
        }
        writeDigits(start + count - digits, v, digits);
        m_length += static_cast<qsizetype>(count);
    }
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
    void appendNewText(QStringView text);
    void appendBytes(QByteArrayView bytes);

    static constexpr std::uint64_t kPowersOfTen[20] = { 1ULL, 10ULL, 100ULL, 1000ULL, 10000ULL, 100000ULL,
        1000000ULL, 10000000ULL, 100000000ULL, 1000000000ULL, 10000000000ULL, 100000000000ULL,
        1000000000000ULL, 10000000000000ULL, 100000000000000ULL, 1000000000000000ULL, 10000000000000000ULL,
        100000000000000000ULL, 1000000000000000000ULL, 10000000000000000000ULL };

    // The decimal digits of v (1 for 0): the bit length gives the power of
    // ten below v or the one above it, and one compare tells which.
    static int digitCount(std::uint64_t v)
    {
        const int below = (std::bit_width(v | 1) * 1233) >> 12; // bit length × log10(2), rounded down
        return below + 1 - ((v | 1) < kPowersOfTen[below] ? 1 : 0);
    }

    // The four-digit groups "0000" to "9999" one after another.
    static const std::array<char, 40000> kQuads;

    // Writes the `digits` digits of v from `start`: eight at a time from the
    // end while more than eight are left, then the last eight or fewer in
    // 32-bit arithmetic, each four from the table.
    static void writeDigits(char* start, std::uint64_t v, int digits)
    {
        char* end = start + digits;
        for (; digits > 8; digits -= 8) {
            const auto eight = static_cast<std::uint32_t>(v % 100000000);
            v /= 100000000;
            end -= 8;
            std::memcpy(end, quad(eight / 10000), 4);
            std::memcpy(end + 4, quad(eight % 10000), 4);
        }
        auto w = static_cast<std::uint32_t>(v);
        if (digits > 4) {
            std::memcpy(end - 4, quad(w % 10000), 4);
            w /= 10000;
            digits -= 4;
        }
        const char* const lead = quad(w); // w has `digits` digits now
        switch (digits) {
        case 4:
            std::memcpy(start, lead, 4);
            break;
        case 3:
            std::memcpy(start, lead + 1, 3);
            break;
        case 2:
            std::memcpy(start, lead + 2, 2);
            break;
        default:
            start[0] = lead[3];
            break;
        }
    }
    static const char* quad(std::uint32_t n) { return kQuads.data() + 4 * n; }

    // Room for count more bytes at the end of the line, already counted in.
    char* grow(std::size_t count)
    {
        if (m_size + count > m_room) {
            m_bytes.resize(std::max(2 * m_room, m_size + count + 64));
            m_room = m_bytes.size();
        }
        char* end = m_bytes.data() + m_size;
        m_size += count;
        return end;
    }

    std::vector<char> m_bytes;
    std::size_t m_room = 0; // m_bytes.size(), kept at hand for grow()
    std::size_t m_size = 0;
    qsizetype m_length = 0;
    // The last character outside ASCII that took two bytes, and those bytes
    // (0: none yet).
    char16_t m_lastWide = 0;
    char m_lastWideBytes[2] = {};
};
