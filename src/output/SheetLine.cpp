#include "output/SheetLine.h"

#include "common/GbkEncoder.h"

#include <array>
#include <cstring>

namespace {
GbkEncoder& encoder()
{
    return GbkEncoder::instance();
}
} // namespace

namespace {
constexpr std::array<char, 40000> quads()
{
    std::array<char, 40000> table {};
    for (std::size_t n = 0; n < 10000; ++n) {
        table[4 * n] = static_cast<char>('0' + n / 1000);
        table[4 * n + 1] = static_cast<char>('0' + n / 100 % 10);
        table[4 * n + 2] = static_cast<char>('0' + n / 10 % 10);
        table[4 * n + 3] = static_cast<char>('0' + n % 10);
    }
    return table;
}
} // namespace

constinit const std::array<char, 40000> SheetLine::kQuads = quads();

bool SheetLine::encodingAvailable()
{
    return encoder().isValid();
}

void SheetLine::appendNewText(QStringView text)
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
        appendBytes(QByteArray(encoder().encode(wide)));
    }
    m_length += text.size();
}

SheetLine::WideSign SheetLine::encodeWide(char16_t c)
{
    const QByteArray encoded = encoder().encode(QStringView(&c, 1));
    WideSign sign { c, {} };
    sign.bytes.size = static_cast<int>(std::min<qsizetype>(encoded.size(), sizeof sign.bytes.bytes));
    std::memcpy(sign.bytes.bytes, encoded.constData(), static_cast<std::size_t>(sign.bytes.size));
    return sign;
}

void SheetLine::makeRoom(std::size_t count)
{
    m_bytes.resize(std::max(2 * m_room, m_size + count + 64));
    m_room = m_bytes.size();
}

void SheetLine::appendBytes(QByteArrayView bytes)
{
    std::memcpy(
        grow(static_cast<std::size_t>(bytes.size())), bytes.data(), static_cast<std::size_t>(bytes.size()));
}

QString SheetLine::text() const
{
    return encoder().decode(bytes());
}
