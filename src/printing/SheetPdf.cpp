#include "printing/SheetPdf.h"

#include "printing/PagePainter.h"
#include "printing/SheetGlyphs.h"
#include "printing/TrueTypeSubset.h"

#include <QIODevice>
#include <QPageLayout>
#include <QPdfWriter>
#include <algorithm>
#include <charconv>
#include <vector>

namespace {
// The document's fixed objects; each page then adds its page and its content.
enum Object : int {
    kCatalog = 1,
    kPageTree,
    kInfo,
    kFont,
    kGlyphFont,
    kFontDescriptor,
    kFontProgram,
    kTextMap,
    kFirstPage,
};

constexpr int kDotsPerInch = 1200;
constexpr int kFineDecimals = 8;

// A reference to one of the document's objects.
QByteArray ref(int object)
{
    return QByteArray::number(object) + " 0 R";
}

// Streams are packed at zlib's fastest level: a sheet's lines repeat so much
// that the tighter levels save a few percent at several times the cost.
constexpr int kFastest = 1;

QByteArray deflate(const QByteArray& data)
{
    QByteArray packed = qCompress(data, kFastest);
    packed.remove(0, 4); // Qt's length prefix; the rest is a zlib stream
    return packed;
}

// A number with up to `decimals` decimals, without trailing zeros.
void appendNumber(QByteArray& out, double value, int decimals = 4)
{
    char text[48];
    const auto written
        = std::to_chars(std::begin(text), std::end(text), value, std::chars_format::fixed, decimals);
    const char* end = written.ptr;
    while (end[-1] == '0') {
        --end;
    }
    if (end[-1] == '.') {
        --end;
    }
    if (end - text == 2 && text[0] == '-' && text[1] == '0') {
        out.append('0');
        return;
    }
    out.append(text, end - text);
}

// Text as a PDF string in UTF-16 with its byte order mark.
QByteArray textString(const QString& text)
{
    QByteArray hex = "<FEFF";
    for (const QChar c : text) {
        hex += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    }
    return hex + '>';
}

// Appends a glyph index to a string of two-byte codes, escaping the bytes a
// PDF string cannot hold as they are.
void appendCode(QByteArray& out, quint32 index)
{
    for (const char byte : { static_cast<char>(index >> 8), static_cast<char>(index) }) {
        switch (byte) {
        case '(':
        case ')':
        case '\\':
            out.append('\\').append(byte);
            break;
        case '\r':
            out.append("\\r", 2);
            break;
        case '\n':
            out.append("\\n", 2);
            break;
        default:
            out.append(byte);
        }
    }
}

class Document {
public:
    explicit Document(const QPageLayout& layout)
        : m_layout(layout)
        , m_usedChars(0x10000, false)
    {
        m_pdf = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
    }

    // Adds a page; false when a line holds a character the sheet font lacks.
    bool addPage(const PrintedPage& lines, double& smallest)
    {
        SheetGlyphs& glyphs = SheetGlyphs::shared();
        const PageFit fitted = PagePainter::fit(lines, m_layout);
        smallest = std::min(smallest, fitted.points);
        QPageLayout layout = m_layout;
        layout.setOrientation(fitted.orientation);
        const QRect paper = layout.fullRectPoints();
        // The printable area in whole dots of a 1200 dpi page, as Qt's PDF
        // engine places it, so the lines stand where they always stood.
        const QRect dots = layout.paintRectPixels(kDotsPerInch);
        const QRectF area(
            QPointF(dots.topLeft()) * (72.0 / kDotsPerInch), QSizeF(dots.size()) * (72.0 / kDotsPerInch));
        const double factor = fitted.points / SheetGlyphs::kMeasuredPoints;

        qsizetype characters = 0;
        for (const QString& line : lines) {
            characters += line.size();
        }
        QByteArray content;
        content.reserve(2 * characters + 8 * lines.size() + 64);
        // The size and the line pitch keep enough decimals for the smallest
        // sizes, where the lines' widths have a margin of only 0.1%.
        content += "BT\n/F1 ";
        appendNumber(content, fitted.points, kFineDecimals);
        content += " Tf\n";
        appendNumber(content, glyphs.lineSpacing() * factor, kFineDecimals);
        content += " TL\n";
        appendNumber(content, area.left());
        content += ' ';
        appendNumber(content, paper.height() - area.top() - glyphs.ascent() * factor);
        content += " Td\n";
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QString& line = lines[i];
            qsizetype length = line.size();
            while (length > 0 && line[length - 1] == QLatin1Char(' ')) {
                --length;
            }
            if (length == 0) {
                if (i > 0) {
                    content += "T*\n";
                }
                continue;
            }
            content += '(';
            for (qsizetype k = 0; k < length; ++k) {
                const QChar c = line[k];
                const quint32 index = glyphs.glyph(c).index;
                // Half of a character beyond U+FFFF has no glyph of its own
                // and no place in the text map; Qt's engine sets the pair.
                if (index == 0 || c.isSurrogate()) {
                    return false;
                }
                m_usedChars[c.unicode()] = true;
                appendCode(content, index);
            }
            content += i == 0 ? ")Tj\n" : ")'\n";
        }
        content += "ET\n";

        const int page = kFirstPage + 2 * static_cast<int>(m_pages.size());
        m_pages.append(page);
        beginObject(page);
        m_pdf += "<</Type/Page/Parent " + ref(kPageTree) + "/MediaBox[0 0 "
            + QByteArray::number(paper.width()) + ' ' + QByteArray::number(paper.height())
            + "]/Resources<</Font<</F1 " + ref(kFont) + ">>>>/Contents " + ref(page + 1) + ">>\n";
        endObject();
        addStream(page + 1, content);
        return true;
    }

    // Ends the document with its font, page tree and cross-reference table;
    // empty when the sheet font cannot be embedded.
    QByteArray finish(const QString& title)
    {
        SheetGlyphs& glyphs = SheetGlyphs::shared();
        // Each glyph used and the character it stands for; of two characters
        // drawn alike, the first one names the glyph.
        QList<quint32> used;
        QList<char16_t> characters;
        QByteArray widths;
        for (qsizetype u = 0; u < qsizetype(m_usedChars.size()); ++u) {
            if (!m_usedChars[u]) {
                continue;
            }
            const auto c = static_cast<char16_t>(u);
            const SheetGlyphs::Glyph& glyph = glyphs.glyph(QChar(c));
            if (used.contains(glyph.index)) {
                continue;
            }
            used.append(glyph.index);
            characters.append(c);
            widths += QByteArray::number(glyph.index) + '[';
            appendNumber(widths, glyph.advance * 1000.0 / SheetGlyphs::kMeasuredPoints);
            widths += ']';
        }
        const TrueTypeSubset::Font font = TrueTypeSubset::build(glyphs.font(), used);
        if (font.program.isEmpty()) {
            return {};
        }

        // A subset's name starts with six capitals and a plus sign.
        const QByteArray name = "MIREVA+" + (font.name.isEmpty() ? QByteArray("SheetMono") : font.name);

        addObject(kCatalog, "<</Type/Catalog/Pages " + ref(kPageTree) + ">>");
        QByteArray kids;
        for (const int page : m_pages) {
            kids += ref(page) + ' ';
        }
        addObject(kPageTree,
            "<</Type/Pages/Kids[" + kids.trimmed() + "]/Count " + QByteArray::number(m_pages.size()) + ">>");
        addObject(kInfo, "<</Title" + textString(title) + "/Creator" + textString(title) + ">>");
        addObject(kFont,
            "<</Type/Font/Subtype/Type0/BaseFont/" + name + "/Encoding/Identity-H/DescendantFonts["
                + ref(kGlyphFont) + "]/ToUnicode " + ref(kTextMap) + ">>");
        addObject(kGlyphFont,
            "<</Type/Font/Subtype/CIDFontType2/BaseFont/" + name
                + "/CIDSystemInfo<</Registry(Adobe)/Ordering(Identity)/Supplement 0>>"
                  "/FontDescriptor "
                + ref(kFontDescriptor) + "/CIDToGIDMap/Identity/W[" + widths + "]>>");
        QByteArray descriptor = "<</Type/FontDescriptor/FontName/" + name + "/Flags 4/FontBBox[";
        for (const double edge : { font.box.left(), font.box.top(), font.box.right(), font.box.bottom() }) {
            appendNumber(descriptor, edge);
            descriptor += ' ';
        }
        descriptor.chop(1);
        // The font's box gives its extent above and below the baseline.
        descriptor += "]/ItalicAngle 0/Ascent ";
        appendNumber(descriptor, font.box.bottom());
        descriptor += "/Descent ";
        appendNumber(descriptor, font.box.top());
        descriptor += "/CapHeight ";
        appendNumber(descriptor, font.box.bottom());
        descriptor += "/StemV 80/FontFile2 " + ref(kFontProgram) + ">>";
        addObject(kFontDescriptor, descriptor);
        addStream(kFontProgram, font.program, "/Length1 " + QByteArray::number(font.program.size()));
        addStream(kTextMap, textMap(used, characters));

        const qsizetype table = m_pdf.size();
        m_pdf += "xref\n0 " + QByteArray::number(m_offsets.size() + 1) + "\n0000000000 65535 f \n";
        for (const qsizetype offset : m_offsets) {
            m_pdf += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
        }
        m_pdf += "trailer\n<</Size " + QByteArray::number(m_offsets.size() + 1) + "/Root " + ref(kCatalog)
            + "/Info " + ref(kInfo) + ">>\nstartxref\n" + QByteArray::number(table) + "\n%%EOF\n";
        return m_pdf;
    }

private:
    // The map that copying text from the document reads: each glyph's character.
    static QByteArray textMap(const QList<quint32>& glyphs, const QList<char16_t>& characters)
    {
        QByteArray map = "/CIDInit/ProcSet findresource begin\n12 dict begin\nbegincmap\n"
                         "/CIDSystemInfo<</Registry(Adobe)/Ordering(UCS)/Supplement 0>>def\n"
                         "/CMapName/Adobe-Identity-UCS def\n/CMapType 2 def\n"
                         "1 begincodespacerange\n<0000><FFFF>\nendcodespacerange\n";
        constexpr qsizetype kPerBlock = 100;
        for (qsizetype first = 0; first < glyphs.size(); first += kPerBlock) {
            const qsizetype last = std::min(glyphs.size(), first + kPerBlock);
            map += QByteArray::number(last - first) + " beginbfchar\n";
            for (qsizetype i = first; i < last; ++i) {
                map += '<' + QByteArray::number(glyphs[i], 16).rightJustified(4, '0') + "><"
                    + QByteArray::number(characters[i], 16).rightJustified(4, '0') + ">\n";
            }
            map += "endbfchar\n";
        }
        return map + "endcmap\nCMapName currentdict/CMap defineresource pop\nend\nend\n";
    }

    void beginObject(int object)
    {
        if (m_offsets.size() < object) {
            m_offsets.resize(object, 0);
        }
        m_offsets[object - 1] = m_pdf.size();
        m_pdf += QByteArray::number(object) + " 0 obj\n";
    }
    void endObject() { m_pdf += "endobj\n"; }
    void addObject(int object, const QByteArray& body)
    {
        beginObject(object);
        m_pdf += body + '\n';
        endObject();
    }
    void addStream(int object, const QByteArray& data, const QByteArray& extra = {})
    {
        const QByteArray packed = deflate(data);
        beginObject(object);
        m_pdf += "<</Filter/FlateDecode/Length " + QByteArray::number(packed.size()) + extra + ">>\nstream\n";
        m_pdf += packed;
        m_pdf += "\nendstream\n";
        endObject();
    }

    QPageLayout m_layout;
    QByteArray m_pdf;
    QList<qsizetype> m_offsets;
    QList<int> m_pages;
    std::vector<bool> m_usedChars;
};
} // namespace

double SheetPdf::write(
    QIODevice& out, const PrintedPages& pages, const QPageLayout& layout, const QString& title)
{
    double smallest = PagePainter::kLargestPoints;
    QByteArray pdf;
    if (SheetGlyphs::shared().valid()) {
        Document document(layout);
        bool complete = true;
        for (const PrintedPage& page : pages) {
            complete = complete && document.addPage(page, smallest);
        }
        if (complete) {
            pdf = document.finish(title);
        }
    }
    if (!pdf.isEmpty()) {
        return out.write(pdf) == pdf.size() ? smallest : -1;
    }
    QPdfWriter writer(&out);
    writer.setTitle(title);
    writer.setCreator(title);
    writer.setResolution(kDotsPerInch);
    writer.setPageLayout(layout);
    return PagePainter::paint(writer, pages);
}
