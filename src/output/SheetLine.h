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

    // Room for one number: at most 20 characters, and the 3 bytes its last
    // store may run past them.
    static constexpr std::size_t kNumberRoom = 23;

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
        const std::uint64_t v
            = negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
        if (negative) {
            *at++ = '-';
        }
        const int digits = digitCount(v);
        writeDigits(at, v, digits);
        return at + digits;
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

    // Writes the `digits` digits of v from `start`. Groups of eight are cut
    // off the end first (in 64-bit arithmetic), then the first eight or fewer
    // are written, then the groups after them: the first group of one to
    // four digits is stored as four bytes shifted past its leading zeros,
    // without a branch on its length, and what it writes beyond itself the
    // next digits overwrite or the room after the number takes.
    static void writeDigits(char* start, std::uint64_t v, int digits)
    {
        std::array<std::uint32_t, 2> eights {};
        int cut = 0;
        for (; digits > 8; digits -= 8) {
            eights[static_cast<std::size_t>(cut++)] = static_cast<std::uint32_t>(v % 100000000);
            v /= 100000000;
        }
        auto w = static_cast<std::uint32_t>(v);
        if (digits > 4) {
            const std::uint32_t last = w % 10000;
            putLeading(start, w / 10000, digits - 4);
            std::memcpy(start + digits - 4, quad(last), 4);
        } else {
            putLeading(start, w, digits);
        }
        char* at = start + digits;
        while (cut > 0) {
            const std::uint32_t eight = eights[static_cast<std::size_t>(--cut)];
            std::memcpy(at, quad(eight / 10000), 4);
            std::memcpy(at + 4, quad(eight % 10000), 4);
            at += 8;
        }
    }
    // The `digits` (1 to 4) digits of w at `start`, in a store of four bytes.
    static void putLeading(char* start, std::uint32_t w, int digits)
    {
        const char* const group = quad(w);
        if constexpr (std::endian::native == std::endian::little) {
            std::uint32_t bytes = 0;
            std::memcpy(&bytes, group, 4);
            bytes >>= 8 * (4 - digits);
            std::memcpy(start, &bytes, 4);
        } else {
            std::memcpy(start, group + 4 - digits, static_cast<std::size_t>(digits));
        }
    }
    static const char* quad(std::uint32_t n) { return kQuads.data() + 4 * n; }

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
