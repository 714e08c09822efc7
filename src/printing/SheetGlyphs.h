// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sheet font's glyphs and advances by character, shared by everything
// that sets printed lines, so each glyph lands at the same place on a
// printer, in a PDF file and in the preview. Widths are measured at 12 pt in
// design metrics, so a size that fits is found by one division: every width
// grows in proportion to the size.

#include "printing/PagePainter.h"

#include <QHash>
#include <QRawFont>
#include <QString>
#include <array>

class SheetGlyphs {
public:
    // Glyphs are measured at the largest printed size, so a page that fits
    // at it needs no scaling.
    static constexpr double kMeasuredPoints = PagePainter::kLargestPoints;

    struct Glyph {
        quint32 index = 0; // 0: the font lacks the character
        double advance = 0; // in points at 12 pt
    };

    // The one set of glyphs, built on first use (after the font substitutions
    // are in place).
    static SheetGlyphs& shared();

    // The font at a pixel size of 12, which stands for 12 pt.
    const QRawFont& font() const { return m_font; }
    double lineSpacing() const { return m_lineSpacing; }
    double ascent() const { return m_ascent; }

    const Glyph& glyph(QChar c)
    {
        const char16_t u = c.unicode();
        if (u < m_latin.size()) {
            Glyph& g = m_latin[u];
            if (!m_latinKnown[u]) {
                g = look(c);
                m_latinKnown[u] = true;
            }
            return g;
        }
        auto it = m_other.find(u);
        if (it == m_other.end()) {
            it = m_other.insert(u, look(c));
        }
        return *it;
    }

    double width(const QString& line)
    {
        double sum = 0;
        for (const QChar c : line) {
            sum += glyph(c).advance;
        }
        return sum;
    }

private:
    SheetGlyphs();
    Glyph look(QChar c) const;

    QRawFont m_font;
    double m_lineSpacing = kMeasuredPoints * 1.2;
    double m_ascent = kMeasuredPoints;
    std::array<Glyph, 256> m_latin {};
    std::array<bool, 256> m_latinKnown {};
    QHash<char16_t, Glyph> m_other;
};
