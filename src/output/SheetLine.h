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
        if (text.size() == 1) {
            const Sign one = sign(text.front());
            commit(one.put(reserve(sizeof one.bytes)), 1);
            return;
        }
        appendNewText(text);
    }
    Q_ALWAYS_INLINE void appendNumber(std::int64_t value)
    {
        char* const start = reserve(kNumberRoom);
        char* const end = putNumber(start, value);
        commit(end, end - start);
    }
    void appendAscii(char c)
    {
        *grow(1) = c;
        ++m_length;
    }
    void appendSpaces(qsizetype count)
    {
        // A cell's padding is a few spaces: copied as a fixed block, which
        // the compiler turns into two stores instead of a call.
        const auto n = static_cast<std::size_t>(count);
        char* const at = reserve(std::max(n, kSpaceBlock));
        if (n <= kSpaceBlock) {
            std::memcpy(at, kSpaces, kSpaceBlock);
        } else {
            std::memset(at, ' ', n);
        }
        commit(at + n, count);
    }

    // Room for one number: a minus and at most 20 digits. A shorter number
    // is still stored as eight bytes (nine with its minus); what they write
    // past its end, the next piece writes over.
    static constexpr std::size_t kNumberRoom = 21;

    // Several pieces written at once, as a question is: room for `most`
    // bytes is made once, the pieces go in through a plain pointer (so the
    // line's own fields are not read back after every byte), and commit()
    // takes the end and the characters written.
    char* reserve(std::size_t most)
    {
        if (m_size + most > m_room) {
            makeRoom(most);
        }
        return m_bytes.data() + m_size;
    }
    void commit(const char* end, qsizetype characters)
    {
        m_size = static_cast<std::size_t>(end - m_bytes.data());
        m_length += characters;
    }
    // Writes value in decimal at `at`; returns the end.
    Q_ALWAYS_INLINE static char* putNumber(char* at, std::int64_t value)
    {
        const bool negative = value < 0;
        *at = '-'; // kept only for a negative number; the digits overwrite it otherwise
        at += negative ? 1 : 0;
        return putNatural(
            at, negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value));
    }
    // The same for a number that is never negative, as the operands and
    // results of the questions are.
    Q_ALWAYS_INLINE static char* putNatural(char* at, std::uint64_t v)
    {
        if (v < kEightDigits) [[likely]] {
            return putLeading(at, static_cast<std::uint32_t>(v));
        }
        return putLong(at, v);
    }

    // One character in the file's encoding: one byte, or up to four.
    struct Sign {
        char bytes[4];
        int size;
        // Needs room for all four bytes; those past the sign are written over next.
        char* put(char* at) const
        {
            std::memcpy(at, bytes, sizeof bytes);
            return at + size;
        }
    };
    // A character's bytes. A question row repeats one sign ("×" or "÷") in
    // every cell, so the last one outside ASCII is kept from the first time.
    Sign sign(QChar c)
    {
        const char16_t u = c.unicode();
        if (u < 0x80) {
            return { { static_cast<char>(u) }, 1 };
        }
        if (u != m_lastWide.character) {
            m_lastWide = encodeWide(u);
        }
        return m_lastWide.bytes;
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
    struct WideSign {
        char16_t character = 0; // 0: none yet
        Sign bytes {};
    };
    static WideSign encodeWide(char16_t c);
    void makeRoom(std::size_t count);

    static constexpr std::size_t kSpaceBlock = 32;
    static constexpr char kSpaces[kSpaceBlock + 1] = "                                ";

    static constexpr std::uint64_t kEightDigits = 100000000;

    // The four-digit groups "0000" to "9999" one after another.
    static const std::array<char, 40000> kQuads;
    static std::uint32_t quadBytes(std::uint32_t n)
    {
        std::uint32_t bytes = 0;
        std::memcpy(&bytes, kQuads.data() + 4 * n, 4);
        return bytes;
    }
    // The eight digits of v below 10^8, leading zeros included, as the eight
    // bytes they take in memory.
    static std::uint64_t eightBytes(std::uint32_t v)
    {
        const std::uint64_t high = quadBytes(v / 10000);
        const std::uint64_t low = quadBytes(v % 10000);
        return std::endian::native == std::endian::little ? high | low << 32 : high << 32 | low;
    }

    // The digits of v below 10^8 at `at`, without leading zeros (one digit
    // for 0), in one store of eight bytes shifted past them. The zeros are
    // counted in the digits themselves: no branch, no table of powers.
    static char* putLeading(char* at, std::uint32_t v)
    {
        constexpr std::uint64_t kZeros = 0x3030303030303030; // "00000000"
        std::uint64_t bytes = eightBytes(v);
        const std::uint64_t values = bytes - kZeros; // each byte its digit's value
        int zeroBits = 0; // the leading zero digits, in bits, at most seven of them
        if constexpr (std::endian::native == std::endian::little) {
            zeroBits = std::countr_zero(values | std::uint64_t { 1 } << 56) & ~7;
            bytes >>= zeroBits;
        } else {
            zeroBits = std::countl_zero(values | 1) & ~7;
            bytes <<= zeroBits;
        }
        std::memcpy(at, &bytes, 8);
        return at + 8 - zeroBits / 8;
    }
    // Eight digits of v below 10^8, leading zeros included.
    static char* putEight(char* at, std::uint32_t v)
    {
        const std::uint64_t bytes = eightBytes(v);
        std::memcpy(at, &bytes, 8);
        return at + 8;
    }
    // A number of nine or more digits: its leading digits, then groups of eight.
    static char* putLong(char* at, std::uint64_t v)
    {
        constexpr std::uint64_t kSixteenDigits = kEightDigits * kEightDigits;
        if (v >= kSixteenDigits) {
            at = putLeading(at, static_cast<std::uint32_t>(v / kSixteenDigits));
            v %= kSixteenDigits;
            at = putEight(at, static_cast<std::uint32_t>(v / kEightDigits));
        } else {
            at = putLeading(at, static_cast<std::uint32_t>(v / kEightDigits));
        }
        return putEight(at, static_cast<std::uint32_t>(v % kEightDigits));
    }

    // Room for count more bytes at the end of the line, already counted in.
    char* grow(std::size_t count)
    {
        char* const end = reserve(count);
        m_size += count;
        return end;
    }

    std::vector<char> m_bytes;
    std::size_t m_room = 0; // m_bytes.size(), kept at hand for grow()
    std::size_t m_size = 0;
    qsizetype m_length = 0;
    // The last sign outside ASCII and its bytes.
    WideSign m_lastWide;
};
