// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/FontCheck.h"

#include "common/Fonts.h"
#include "printing/CellPieces.h"
#include "printing/PagePainter.h"
#include "printing/SheetGlyphs.h"

#include <QGlyphRun>
#include <QTextLayout>
#include <bitset>
#include <memory>

const QString FontCheck::kNoChineseFont
    = QStringLiteral("系统中没有能显示中文的字体，所以没有打印。请安装字体软件包 fonts-noto-cjk。\n"
                     "No font on this system can draw Chinese text, so nothing was printed. "
                     "Please install the font package fonts-noto-cjk.");

const QString FontCheck::kNoChineseWindowFont = QStringLiteral(
    "系统中没有能显示中文的字体，窗口中的中文会显示为方框。请安装字体软件包 fonts-noto-cjk。\n"
    "No font on this system can draw Chinese text, so the windows show boxes instead. "
    "Please install the font package fonts-noto-cjk.");

namespace {
// Whether the font, or the one Qt falls back to, has a glyph for every
// character of the text.
bool drawn(const QString& text, const QFont& font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns()) {
        if (run.glyphIndexes().contains(0)) {
            return false;
        }
    }
    return true;
}
} // namespace

bool FontCheck::drawsAll(const PrintedPages& pages)
{
    // Each character once; the sheet font's own glyphs need no layout.
    const auto seen = std::make_unique<std::bitset<0x10000>>();
    QString lacking;
    SheetGlyphs& glyphs = SheetGlyphs::shared();
    const auto look = [&](const QString& text) {
        for (const QChar c : text) {
            if (seen->test(c.unicode())) {
                continue;
            }
            seen->set(c.unicode());
            if (!c.isSpace() && !c.isSurrogate() && glyphs.glyph(c).index == 0) {
                lacking += c;
            }
        }
    };
    for (const PrintedPage& page : pages) {
        for (const QString& line : page) {
            look(line);
        }
        // A cell is drawn in its pieces: a fraction's numbers are characters,
        // its bar a drawn line.
        for (const QStringList& row : page.rows) {
            for (const QString& cell : row) {
                for (const CellPiece& piece : CellPieces::split(cell)) {
                    look(piece.text);
                    look(piece.numerator);
                    look(piece.denominator);
                }
            }
        }
    }
    return lacking.isEmpty() || drawn(lacking, Fonts::sheetMono(PagePainter::kLargestPoints));
}

bool FontCheck::windowFontDraws(const QString& text)
{
    return drawn(text, Fonts::songti(12));
}
