#include "players/colortext.h"

#include "base/errors.h"

#include <QStringView>
#include <algorithm>
#include <array>

namespace {

struct NamedColor
{
    QStringView name;
    Color value;
};

// Looked up in this order; no value occurs twice.
constexpr std::array<NamedColor, 42> NamedColors = {{
        {u"clBlack", Colors::Black},
        {u"clMaroon", Colors::Maroon},
        {u"clGreen", Colors::Green},
        {u"clOlive", Colors::Olive},
        {u"clNavy", Colors::Navy},
        {u"clPurple", Colors::Purple},
        {u"clTeal", Colors::Teal},
        {u"clGray", Colors::Gray},
        {u"clSilver", Colors::Silver},
        {u"clRed", Colors::Red},
        {u"clLime", Colors::Lime},
        {u"clYellow", Colors::Yellow},
        {u"clBlue", Colors::Blue},
        {u"clFuchsia", Colors::Fuchsia},
        {u"clAqua", Colors::Aqua},
        {u"clWhite", Colors::White},
        {u"clScrollBar", systemColor(SystemColor::ScrollBar)},
        {u"clBackground", systemColor(SystemColor::Background)},
        {u"clActiveCaption", systemColor(SystemColor::ActiveCaption)},
        {u"clInactiveCaption", systemColor(SystemColor::InactiveCaption)},
        {u"clMenu", systemColor(SystemColor::Menu)},
        {u"clWindow", systemColor(SystemColor::Window)},
        {u"clWindowFrame", systemColor(SystemColor::WindowFrame)},
        {u"clMenuText", systemColor(SystemColor::MenuText)},
        {u"clWindowText", systemColor(SystemColor::WindowText)},
        {u"clCaptionText", systemColor(SystemColor::CaptionText)},
        {u"clActiveBorder", systemColor(SystemColor::ActiveBorder)},
        {u"clInactiveBorder", systemColor(SystemColor::InactiveBorder)},
        {u"clAppWorkSpace", systemColor(SystemColor::AppWorkSpace)},
        {u"clHighlight", systemColor(SystemColor::Highlight)},
        {u"clHighlightText", systemColor(SystemColor::HighlightText)},
        {u"clBtnFace", systemColor(SystemColor::BtnFace)},
        {u"clBtnShadow", systemColor(SystemColor::BtnShadow)},
        {u"clGrayText", systemColor(SystemColor::GrayText)},
        {u"clBtnText", systemColor(SystemColor::BtnText)},
        {u"clInactiveCaptionText", systemColor(SystemColor::InactiveCaptionText)},
        {u"clBtnHighlight", systemColor(SystemColor::BtnHighlight)},
        {u"cl3DDkShadow", systemColor(SystemColor::DkShadow3D)},
        {u"cl3DLight", systemColor(SystemColor::Light3D)},
        {u"clInfoText", systemColor(SystemColor::InfoText)},
        {u"clInfoBk", systemColor(SystemColor::InfoBk)},
        {u"clNone", Colors::NoColor},
}};

constexpr int HexDigitCount = 8;
constexpr quint64 HexLimit = 0xFFFFFFFFu;
constexpr quint64 PositiveLimit = 2147483647u;
constexpr quint64 NegativeLimit = 2147483648u;

constexpr char16_t asciiLower(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? char16_t(c - u'A' + u'a') : c;
}

// Only ASCII letters fold: Unicode case folding would let look-alikes such as the Kelvin sign
// stand for "k".
bool equalsIgnoringAsciiCase(QStringView a, QStringView b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](QChar x, QChar y) {
        return asciiLower(x.unicode()) == asciiLower(y.unicode());
    });
}

int digitValue(QChar c, int base)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (base == 16 && asciiLower(u) >= u'a' && asciiLower(u) <= u'f')
        return asciiLower(u) - u'a' + 10;
    return -1;
}

bool isHexPrefix(QChar c)
{
    return c == u'$' || c == u'x' || c == u'X';
}

} // namespace

QString formatColorText(Color color)
{
    const auto named
            = std::find_if(NamedColors.begin(), NamedColors.end(),
                           [color](const NamedColor &entry) { return entry.value == color; });
    if (named != NamedColors.end())
        return named->name.toString();
    return u'$' + QString::number(color, 16).toUpper().rightJustified(HexDigitCount, u'0');
}

Color parseColorText(QStringView text)
{
    const auto named
            = std::find_if(NamedColors.begin(), NamedColors.end(), [text](const NamedColor &entry) {
                  return equalsIgnoringAsciiCase(entry.name, text);
              });
    if (named != NamedColors.end())
        return named->value;
    return static_cast<Color>(parseIntegerText(text));
}

qint32 parseIntegerText(QStringView text)
{
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < size && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    int base = 10;
    if (i < size && isHexPrefix(text[i])) {
        base = 16;
        ++i;
    } else if (i + 1 < size && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i == size || (base == 16 && size - i > HexDigitCount))
        throw ConversionError(text);

    const quint64 limit = base == 16 ? HexLimit : negative ? NegativeLimit : PositiveLimit;
    quint64 magnitude = 0;
    for (; i < size; ++i) {
        const int digit = digitValue(text[i], base);
        if (digit < 0)
            throw ConversionError(text);
        magnitude = magnitude * quint64(base) + quint64(digit);
        if (magnitude > limit)
            throw ConversionError(text);
    }
    const auto bits = static_cast<quint32>(magnitude);
    return static_cast<qint32>(negative ? 0u - bits : bits);
}
