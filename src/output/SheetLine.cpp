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
            appendBytes(m_lastWideBytes);
            continue;
        }
        const QByteArray encoded = encoder().encode(wide);
        appendBytes(encoded);
        if (wide.size() == 1) {
            m_lastWide = wide.front().unicode();
            m_lastWideBytes = encoded;
        }
    }
    m_length += text.size();
}

void SheetLine::appendNumber(std::int64_t value)
{
    // Two digits at a time from a table, written backwards into a buffer
    // long enough for a sign and 19 digits; a run writes over a million numbers.
    static constexpr char kPairs[] = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
                                     "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
                                     "8081828384858687888990919293949596979899";
    char digits[20];
    char* const end = digits + sizeof digits;
    char* p = end;
    std::uint64_t v = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    while (v >= 100) {
        const std::size_t pair = 2 * static_cast<std::size_t>(v % 100);
        v /= 100;
        p -= 2;
        std::memcpy(p, kPairs + pair, 2);
    }
    if (v >= 10) {
        p -= 2;
        std::memcpy(p, kPairs + 2 * v, 2);
    } else {
        *--p = static_cast<char>('0' + v);
    }
    if (value < 0) {
        *--p = '-';
    }
    const auto count = static_cast<std::size_t>(end - p);
    std::memcpy(grow(count), p, count);
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
