#include "printing/TrueTypeSubset.h"

#include <QRawFont>
#include <algorithm>
#include <array>
#include <vector>

namespace {
// Offsets into the tables that the subset reads or changes.
constexpr qsizetype kHeadChecksumAdjustment = 8;
constexpr qsizetype kHeadUnitsPerEm = 18;
constexpr qsizetype kHeadBox = 36; // four signed words: x and y least, x and y most
constexpr qsizetype kHeadLocaFormat = 50;
constexpr qsizetype kHeadSize = 54;
constexpr qsizetype kMaxpGlyphCount = 4;
constexpr quint32 kChecksumMagic = 0xB1B0AFBA;

// Flags of a component in a composite glyph.
constexpr quint16 kArgsAreWords = 0x0001;
constexpr quint16 kHasScale = 0x0008;
constexpr quint16 kMoreComponents = 0x0020;
constexpr quint16 kHasXYScale = 0x0040;
constexpr quint16 kHasTwoByTwo = 0x0080;

quint16 read16(const QByteArray& data, qsizetype at)
{
    return static_cast<quint16>((static_cast<uchar>(data[at]) << 8) | static_cast<uchar>(data[at + 1]));
}

quint32 read32(const QByteArray& data, qsizetype at)
{
    return (quint32(read16(data, at)) << 16) | read16(data, at + 2);
}

void append16(QByteArray& data, quint32 value)
{
    data.append(static_cast<char>(value >> 8));
    data.append(static_cast<char>(value));
}

void append32(QByteArray& data, quint32 value)
{
    append16(data, value >> 16);
    append16(data, value);
}

void write16(QByteArray& data, qsizetype at, quint32 value)
{
    data[at] = static_cast<char>(value >> 8);
    data[at + 1] = static_cast<char>(value);
}

void write32(QByteArray& data, qsizetype at, quint32 value)
{
    write16(data, at, value >> 16);
    write16(data, at + 2, value);
}

void padTo4(QByteArray& data)
{
    while (data.size() % 4 != 0) {
        data.append('\0');
    }
}

// The sum of a table's big-endian words, its last one padded with zeros.
quint32 checksum(const QByteArray& data)
{
    QByteArray padded = data;
    padTo4(padded);
    quint32 sum = 0;
    for (qsizetype at = 0; at < padded.size(); at += 4) {
        sum += read32(padded, at);
    }
    return sum;
}

// The glyph outlines of the font and where each one lies in them.
class Outlines {
public:
    Outlines(const QByteArray& loca, const QByteArray& glyf, bool longOffsets, int count)
        : m_loca(loca)
        , m_glyf(glyf)
        , m_long(longOffsets)
        , m_count(count)
    {
    }

    bool consistent() const { return m_count > 0 && m_loca.size() >= (m_count + 1) * (m_long ? 4 : 2); }
    int count() const { return m_count; }

    // The outline of a glyph (empty for a blank one); false when it lies
    // outside the outlines table.
    bool outline(quint32 glyph, QByteArray& data) const
    {
        const qsizetype begin = offset(glyph);
        const qsizetype end = offset(glyph + 1);
        if (begin > end || end > m_glyf.size()) {
            return false;
        }
        data = m_glyf.mid(begin, end - begin);
        return true;
    }

private:
    qsizetype offset(quint32 glyph) const
    {
        return m_long ? qsizetype(read32(m_loca, qsizetype(glyph) * 4))
                      : qsizetype(read16(m_loca, glyph * 2)) * 2;
    }

    QByteArray m_loca;
    QByteArray m_glyf;
    bool m_long;
    int m_count;
};

// Adds the components of a composite outline to the glyphs still to visit;
// false when the outline is cut short.
bool addComponents(const QByteArray& outline, std::vector<quint32>& toVisit)
{
    if (outline.size() < 10 || static_cast<qint16>(read16(outline, 0)) >= 0) {
        return true; // blank or a simple outline
    }
    qsizetype at = 10;
    quint16 flags = kMoreComponents;
    while (flags & kMoreComponents) {
        if (at + 4 > outline.size()) {
            return false;
        }
        flags = read16(outline, at);
        toVisit.push_back(read16(outline, at + 2));
        at += 4 + ((flags & kArgsAreWords) ? 4 : 2);
        if (flags & kHasScale) {
            at += 2;
        } else if (flags & kHasXYScale) {
            at += 4;
        } else if (flags & kHasTwoByTwo) {
            at += 8;
        }
    }
    return at <= outline.size();
}

// The PostScript name from the font's naming table: letters, digits and
// hyphens only, as a PDF name may hold them, and no longer than a PostScript
// name may be.
QByteArray postScriptName(const QByteArray& names)
{
    constexpr quint16 kPostScriptNameId = 6;
    constexpr qsizetype kLongestName = 63;
    constexpr quint16 kWindowsPlatform = 3;
    if (names.size() < 6) {
        return {};
    }
    const quint16 count = read16(names, 2);
    const qsizetype strings = read16(names, 4);
    for (quint16 i = 0; i < count; ++i) {
        const qsizetype record = 6 + 12 * qsizetype(i);
        if (record + 12 > names.size() || read16(names, record + 6) != kPostScriptNameId) {
            continue;
        }
        const qsizetype at = strings + read16(names, record + 10);
        const qsizetype length = read16(names, record + 8);
        if (at + length > names.size()) {
            continue;
        }
        // Windows names are in UTF-16, the others in single bytes.
        const bool wide = read16(names, record) == kWindowsPlatform;
        QByteArray name;
        for (qsizetype k = wide ? 1 : 0; k < length && name.size() < kLongestName; k += wide ? 2 : 1) {
            const char c = names[at + k];
            if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-') {
                name += c;
            }
        }
        if (!name.isEmpty()) {
            return name;
        }
    }
    return {};
}

struct Table {
    std::array<char, 4> tag;
    QByteArray data;
};

// The font file: its table directory followed by the tables, in tag order.
QByteArray assemble(std::vector<Table> tables)
{
    std::sort(tables.begin(), tables.end(), [](const Table& a, const Table& b) { return a.tag < b.tag; });
    const auto count = static_cast<quint32>(tables.size());
    quint32 power = 1;
    quint32 log2 = 0;
    while (power * 2 <= count) {
        power *= 2;
        ++log2;
    }
    QByteArray font;
    append32(font, 0x00010000);
    append16(font, count);
    append16(font, power * 16);
    append16(font, log2);
    append16(font, count * 16 - power * 16);
    auto offset = static_cast<quint32>(12 + 16 * count);
    qsizetype headOffset = -1;
    for (const Table& table : tables) {
        font.append(table.tag.data(), 4);
        append32(font, checksum(table.data));
        append32(font, offset);
        append32(font, static_cast<quint32>(table.data.size()));
        if (table.tag == std::array<char, 4> { 'h', 'e', 'a', 'd' }) {
            headOffset = offset;
        }
        offset += static_cast<quint32>((table.data.size() + 3) / 4 * 4);
    }
    for (const Table& table : tables) {
        font.append(table.data);
        padTo4(font);
    }
    if (headOffset >= 0) {
        write32(font, headOffset + kHeadChecksumAdjustment, kChecksumMagic - checksum(font));
    }
    return font;
}
} // namespace

TrueTypeSubset::Font TrueTypeSubset::build(const QRawFont& font, const QList<quint32>& glyphs)
{
    QByteArray head = font.fontTable("head");
    const QByteArray maxp = font.fontTable("maxp");
    const QByteArray hhea = font.fontTable("hhea");
    const QByteArray hmtx = font.fontTable("hmtx");
    const QByteArray loca = font.fontTable("loca");
    const QByteArray glyf = font.fontTable("glyf");
    if (head.size() < kHeadSize || maxp.size() < kMaxpGlyphCount + 2 || hhea.isEmpty() || hmtx.isEmpty()
        || loca.isEmpty() || glyf.isEmpty()) {
        return {};
    }
    const Outlines outlines(loca, glyf, read16(head, kHeadLocaFormat) == 1, read16(maxp, kMaxpGlyphCount));
    if (!outlines.consistent()) {
        return {};
    }

    // Every glyph asked for, the glyphs they are built from, and glyph 0.
    std::vector<QByteArray> kept(static_cast<size_t>(outlines.count()));
    std::vector<bool> seen(kept.size(), false);
    std::vector<quint32> toVisit(glyphs.cbegin(), glyphs.cend());
    toVisit.push_back(0);
    while (!toVisit.empty()) {
        const quint32 glyph = toVisit.back();
        toVisit.pop_back();
        if (glyph >= kept.size()) {
            return {};
        }
        if (seen[glyph]) {
            continue;
        }
        seen[glyph] = true;
        if (!outlines.outline(glyph, kept[glyph]) || !addComponents(kept[glyph], toVisit)) {
            return {};
        }
    }

    QByteArray newLoca;
    QByteArray newGlyf;
    for (const QByteArray& outline : kept) {
        append32(newLoca, static_cast<quint32>(newGlyf.size()));
        newGlyf.append(outline);
        padTo4(newGlyf);
    }
    append32(newLoca, static_cast<quint32>(newGlyf.size()));
    write16(head, kHeadLocaFormat, 1);
    write32(head, kHeadChecksumAdjustment, 0);

    std::vector<Table> tables { { { 'h', 'e', 'a', 'd' }, head }, { { 'h', 'h', 'e', 'a' }, hhea },
        { { 'h', 'm', 't', 'x' }, hmtx }, { { 'm', 'a', 'x', 'p' }, maxp },
        { { 'l', 'o', 'c', 'a' }, newLoca }, { { 'g', 'l', 'y', 'f' }, newGlyf } };
    // The hinting programs the outlines may call.
    for (const char* tag : { "cvt ", "fpgm", "prep" }) {
        const QByteArray data = font.fontTable(tag);
        if (!data.isEmpty()) {
            tables.push_back({ { tag[0], tag[1], tag[2], tag[3] }, data });
        }
    }
    const double perMille = 1000.0 / std::max<quint16>(1, read16(head, kHeadUnitsPerEm));
    const auto corner
        = [&](int word) { return static_cast<qint16>(read16(head, kHeadBox + 2 * word)) * perMille; };
    return { assemble(std::move(tables)),
        QRectF(QPointF(corner(0), corner(1)), QPointF(corner(2), corner(3))),
        postScriptName(font.fontTable("name")) };
}
