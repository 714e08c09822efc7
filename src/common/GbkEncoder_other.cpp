// SPDX-License-Identifier: GPL-3.0-or-later
// Platforms whose Qt has GBK itself (through ICU) need no conversion of
// their own.

#include "common/GbkEncoder.h"

GbkEncoder::Conversion GbkEncoder::platformConversion()
{
    return {};
}
