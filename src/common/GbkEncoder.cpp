// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/GbkEncoder.h"

GbkEncoder::GbkEncoder(const char* qtName, Conversion platform)
    : m_encoder(qtName, QStringConverter::Flag::Stateless)
    , m_decoder(qtName, QStringConverter::Flag::Stateless)
    , m_platform(platform)
    , m_source(m_encoder.isValid() && m_decoder.isValid() ? Source::Qt
              : platform                                  ? Source::Platform
                                                          : Source::None)
{
}

GbkEncoder& GbkEncoder::instance()
{
    static GbkEncoder gbk("GBK", platformConversion());
    return gbk;
}

QByteArray GbkEncoder::encode(QStringView text)
{
    switch (m_source) {
    case Source::Qt:
        return m_encoder.encode(text);
    case Source::Platform:
        return m_platform.encode(text);
    case Source::None:
        break;
    }
    return {};
}

QString GbkEncoder::decode(QByteArrayView bytes)
{
    switch (m_source) {
    case Source::Qt:
        return m_decoder.decode(bytes);
    case Source::Platform:
        return m_platform.decode(bytes);
    case Source::None:
        break;
    }
    return {};
}
