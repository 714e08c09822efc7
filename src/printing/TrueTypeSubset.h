#pragma once
// A TrueType font cut down to the glyphs a printed document uses, for
// embedding in it. The glyphs keep their indexes in the font (the others are
// left empty), so a document can name glyphs by their own index.

#include <QByteArray>
#include <QList>
#include <QRectF>

class QRawFont;

namespace TrueTypeSubset {
struct Font {
    QByteArray program; // the font file
    QRectF box; // the box around all glyphs, in thousandths of the em, y up
    QByteArray name; // the font's PostScript name, empty when it has none
};

// The font with the given glyphs, the glyphs they are built from and the
// missing-glyph shape. Its program is empty when the font has no TrueType
// outlines or its tables do not hold together.
Font build(const QRawFont& font, const QList<quint32>& glyphs);
} // namespace TrueTypeSubset
