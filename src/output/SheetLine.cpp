#include "output/SheetLine.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <charconv>
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
    // Room for the longest number: a sign and 19 digits.
    constexpr std::size_t kLongest = 20;
    char* const start = grow(kLongest);
    char* const end = std::to_chars(start, start + kLongest, value).ptr;
    m_size -= kLongest - static_cast<std::size_t>(end - start);
    m_length += end - start;
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
