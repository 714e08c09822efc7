// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/SheetGlyphs.h"

#include "common/Fonts.h"

SheetGlyphs& SheetGlyphs::shared()
{
    static SheetGlyphs glyphs;
    return glyphs;
}

SheetGlyphs::SheetGlyphs()
    : m_font(QRawFont::fromFont(Fonts::sheetMono(kMeasuredPoints)))
{
    if (m_font.isValid()) {
        m_font.setPixelSize(kMeasuredPoints);
        m_lineSpacing = m_font.ascent() + m_font.descent() + m_font.leading();
        m_ascent = m_font.ascent();
    }
}

SheetGlyphs::Glyph SheetGlyphs::look(QChar c) const
{
    Glyph g;
    if (!m_font.isValid()) {
        return g;
    }
    quint32 index = 0;
    int count = 1;
    if (m_font.glyphIndexesForChars(&c, 1, &index, &count) && count == 1) {
        g.index = index;
        g.advance = m_font.advancesForGlyphIndexes(QList<quint32> { index }, QRawFont::UseDesignMetrics)
                        .value(0)
                        .x();
    }
    return g;
}
