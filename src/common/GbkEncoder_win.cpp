// SPDX-License-Identifier: GPL-3.0-or-later
// GBK through Windows' own conversion tables for code page 936, which every
// Windows has whatever its locale. The code page is named explicitly: the
// system's ANSI code page (CP_ACP) is UTF-8 or another code page on many
// machines. Sheet text comes a line at a time, far within the int lengths
// the Win32 calls take.

#include "common/GbkEncoder.h"

#include <windows.h>

namespace {
constexpr UINT kGbkCodePage = 936;

QByteArray encodeGbk(QStringView text)
{
    const auto* wide = reinterpret_cast<const wchar_t*>(text.utf16());
    const int length = static_cast<int>(text.size());
    if (length == 0) {
        return {};
    }
    const int size = WideCharToMultiByte(kGbkCodePage, 0, wide, length, nullptr, 0, nullptr, nullptr);
    QByteArray bytes(size, Qt::Uninitialized);
    WideCharToMultiByte(kGbkCodePage, 0, wide, length, bytes.data(), size, nullptr, nullptr);
    return bytes;
}

QString decodeGbk(QByteArrayView bytes)
{
    const int length = static_cast<int>(bytes.size());
    if (length == 0) {
        return {};
    }
    const int size = MultiByteToWideChar(kGbkCodePage, 0, bytes.data(), length, nullptr, 0);
    QString text(size, Qt::Uninitialized);
    MultiByteToWideChar(kGbkCodePage, 0, bytes.data(), length, reinterpret_cast<wchar_t*>(text.data()), size);
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
