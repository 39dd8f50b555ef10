#include "widgets/fontline.h"

#include <QByteArray>
#include <QFontMetrics>
#include <QRawFont>
#include <QtEndian>

#include <algorithm>

namespace {

// Where the two numbers lie in the font file's tables, in font units.
constexpr qsizetype UnitsPerEmOffset = 18; // in "head"
constexpr qsizetype WinAscentOffset = 74; // in "OS/2"
constexpr qsizetype WinDescentOffset = 76; // in "OS/2"

quint16 unsignedAt(const QByteArray &table, qsizetype offset)
{
    return qFromBigEndian<quint16>(table.constData() + offset);
}

} // namespace

FontLine fullFontLine(const QFont &font)
{
    const QFontMetrics metrics(font);
    FontLine line {metrics.ascent(), metrics.descent()};
    const QRawFont raw = QRawFont::fromFont(font);
    const QByteArray head = raw.fontTable("head");
    const QByteArray os2 = raw.fontTable("OS/2");
    if (head.size() < UnitsPerEmOffset + 2 || os2.size() < WinDescentOffset + 2)
        return line;
    const quint16 unitsPerEm = unsignedAt(head, UnitsPerEmOffset);
    if (unitsPerEm == 0)
        return line;
    const qreal pixelsPerUnit = raw.pixelSize() / unitsPerEm;
    line.ascent = std::max(line.ascent, qRound(unsignedAt(os2, WinAscentOffset) * pixelsPerUnit));
    line.descent
            = std::max(line.descent, qRound(unsignedAt(os2, WinDescentOffset) * pixelsPerUnit));
    return line;
}
