// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// GBK, the sheet files' encoding: text to bytes and back. Qt's own converter
// does it where Qt has one for GBK (Debian's Qt, through ICU). Qt for Windows
// built without ICU knows no GBK, so there Windows' own conversion for code
// page 936 does it (GbkEncoder_win.cpp); never the system's ANSI code page,
// which is UTF-8 or another code page on many machines. Which one serves is
// chosen once; with neither, the encoder is invalid and the program says so
// at start.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringView>

class GbkEncoder {
public:
    // A conversion outside Qt: both functions, or none.
    struct Conversion {
        QByteArray (*encode)(QStringView text) = nullptr;
        QString (*decode)(QByteArrayView bytes) = nullptr;
        explicit operator bool() const { return encode && decode; }
    };
    // The platform's own GBK conversion; an empty one where the platform
    // has none or Qt's serves.
    static Conversion platformConversion();

    enum class Source { Qt, Platform, None };

    // Qt's converter of the given name when Qt has it, else `platform`.
    GbkEncoder(const char* qtName, Conversion platform);
    // The program's: Qt's "GBK", else the platform's.
    static GbkEncoder& instance();

    Source source() const { return m_source; }
    bool isValid() const { return m_source != Source::None; }
    // Empty when invalid.
    QByteArray encode(QStringView text);
    QString decode(QByteArrayView bytes);

private:
    QStringEncoder m_encoder;
    QStringDecoder m_decoder;
    Conversion m_platform;
    Source m_source;
};
