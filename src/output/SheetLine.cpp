#include "output/SheetLine.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <cstring>

namespace {
const char* const kEncoding = "GBK";

QStringEncoder& encoder()
{
    static QStringEncoder gbk(kEncoding, QStringConverter::Flag::Stateless);
    return gbk;
}
} // namespace

bool SheetLine::encodingAvailable()
{
    return encoder().isValid();
}

void SheetLine::appendText(QStringView text)
{
    const char16_t* p = text.utf16();
    const char16_t* const end = p + text.size();
    while (p != end) {
        if (*p < 0x80) {
            *grow(1) = static_cast<char>(*p++);
            continue;
        }
        const char16_t* const wideStart = p;
        while (p != end && *p >= 0x80) {
            ++p;
        }
        const QStringView wide(wideStart, p - wideStart);
        if (wide.size() == 1 && wide.front().unicode() == m_lastWide) {
            char* to = grow(m_lastWideSize);
            for (std::size_t i = 0; i < m_lastWideSize; ++i) {
                to[i] = m_lastWideBytes[i];
            }
            continue;
        }
        const QByteArray encoded = encoder().encode(wide);
        appendBytes(encoded);
        if (wide.size() == 1 && encoded.size() <= static_cast<qsizetype>(sizeof m_lastWideBytes)) {
            m_lastWide = wide.front().unicode();
            m_lastWideSize = static_cast<std::size_t>(encoded.size());
            std::memcpy(m_lastWideBytes, encoded.constData(), m_lastWideSize);
        }
    }
    m_length += text.size();
}

namespace {
constexpr char kPairs[] = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
                          "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
                          "8081828384858687888990919293949596979899";

int digitCount(std::uint64_t v)
{
    int digits = 1;
    for (std::uint64_t power = 10; digits < 20 && v >= power; power *= 10) {
        ++digits;
    }
    return digits;
}

// Writes the last `digits` digits of v so that they end at `end`, two at a
// time from the table, in 32-bit arithmetic.
void writeDigits(char* end, std::uint32_t v, int digits)
{
    for (; digits >= 2; digits -= 2) {
        const std::uint32_t pair = 2 * (v % 100);
        v /= 100;
        end -= 2;
        end[0] = kPairs[pair];
        end[1] = kPairs[pair + 1];
    }
    if (digits == 1) {
        end[-1] = static_cast<char>('0' + v % 10);
    }
}
} // namespace

void SheetLine::appendNumber(std::int64_t value)
{
    // Written straight into the line once its length is known, in 32-bit
    // pieces of up to eight digits: a run writes over a million numbers.
    constexpr std::uint64_t kEightDigits = 100000000;
    std::uint64_t v = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    const int digits = digitCount(v);
    const std::size_t count = static_cast<std::size_t>(digits) + (value < 0 ? 1 : 0);
    char* const start = grow(count);
    char* end = start + count;
    int left = digits;
    while (left > 8) {
        writeDigits(end, static_cast<std::uint32_t>(v % kEightDigits), 8);
        v /= kEightDigits;
        end -= 8;
        left -= 8;
    }
    writeDigits(end, static_cast<std::uint32_t>(v), left);
    if (value < 0) {
        *start = '-';
    }
    m_length += static_cast<qsizetype>(count);
}

void SheetLine::appendBytes(QByteArrayView bytes)
{
    std::memcpy(
        grow(static_cast<std::size_t>(bytes.size())), bytes.data(), static_cast<std::size_t>(bytes.size()));
}

QString SheetLine::text() const
{
    static QStringDecoder gbk(kEncoding, QStringConverter::Flag::Stateless);
    return gbk.decode(bytes());
}
