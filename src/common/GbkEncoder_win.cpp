// GBK through Windows' own conversion tables for code page 936, which every
// Windows has whatever its locale. The code page is named explicitly: the
// system's ANSI code page (CP_ACP) is UTF-8 or another code page on many
// machines.

#include "common/GbkEncoder.h"

#include <windows.h>

#include <algorithm>
#include <climits>

namespace {
constexpr UINT kGbkCodePage = 936;
// The Win32 calls take int lengths; longer text goes in pieces of this size.
constexpr qsizetype kPiece = INT_MAX / 4;

QByteArray encodeGbk(QStringView text)
{
    QByteArray bytes;
    while (!text.isEmpty()) {
        qsizetype length = std::min(text.size(), kPiece);
        if (length < text.size() && text.at(length - 1).isHighSurrogate()) {
            --length; // keep a surrogate pair in one piece
        }
        const auto* wide = reinterpret_cast<const wchar_t*>(text.utf16());
        const int count = static_cast<int>(length);
        const int size = WideCharToMultiByte(kGbkCodePage, 0, wide, count, nullptr, 0, nullptr, nullptr);
        const qsizetype at = bytes.size();
        bytes.resize(at + size);
        WideCharToMultiByte(kGbkCodePage, 0, wide, count, bytes.data() + at, size, nullptr, nullptr);
        text = text.sliced(length);
    }
    return bytes;
}

QString decodeGbk(QByteArrayView bytes)
{
    QString text;
    while (!bytes.isEmpty()) {
        qsizetype length = std::min(bytes.size(), kPiece);
        if (length < bytes.size()) {
            // End the piece after a single-byte character, so no two-byte
            // character is cut in half: a lead byte is 0x81 or more.
            while (length > 0 && static_cast<unsigned char>(bytes[length - 1]) >= 0x81) {
                --length;
            }
            length = length > 0 ? length : std::min(bytes.size(), kPiece);
        }
        const int count = static_cast<int>(length);
        const int size = MultiByteToWideChar(kGbkCodePage, 0, bytes.data(), count, nullptr, 0);
        const qsizetype at = text.size();
        text.resize(at + size);
        MultiByteToWideChar(
            kGbkCodePage, 0, bytes.data(), count, reinterpret_cast<wchar_t*>(text.data() + at), size);
        bytes = bytes.sliced(length);
    }
    return text;
}
} // namespace

GbkEncoder::Conversion GbkEncoder::platformConversion()
{
    if (!IsValidCodePage(kGbkCodePage)) {
        return {};
    }
    return { encodeGbk, decodeGbk };
}
