#pragma once

#include <QColor>
#include <cstdint>

// A colour as the program stores it: $00BBGGRR, red in the low byte. A value with the high bit
// set names a system colour by its index in the low byte and is resolved to the desktop's
// current palette wherever red, green and blue are needed.
using Color = std::uint32_t;

namespace Colors {

inline constexpr Color Black = 0x00000000;
inline constexpr Color Maroon = 0x00000080;
inline constexpr Color Green = 0x00008000;
inline constexpr Color Olive = 0x00008080;
inline constexpr Color Navy = 0x00800000;
inline constexpr Color Purple = 0x00800080;
inline constexpr Color Teal = 0x00808000;
inline constexpr Color Gray = 0x00808080;
inline constexpr Color Silver = 0x00C0C0C0;
inline constexpr Color Red = 0x000000FF;
inline constexpr Color Lime = 0x0000FF00;
inline constexpr Color Yellow = 0x0000FFFF;
inline constexpr Color Blue = 0x00FF0000;
inline constexpr Color Fuchsia = 0x00FF00FF;
inline constexpr Color Aqua = 0x00FFFF00;
inline constexpr Color White = 0x00FFFFFF;
inline constexpr Color NoColor = 0x1FFFFFFF;

} // namespace Colors

inline constexpr Color SystemColorFlag = 0x80000000;
inline constexpr int SystemColorCount = 25;

// The system colours the program uses by name, as indices below SystemColorFlag.
enum class SystemColor : Color {
    ScrollBar = 0,
    Background,
    ActiveCaption,
    InactiveCaption,
    Menu,
    Window,
    WindowFrame,
    MenuText,
    WindowText,
    CaptionText,
    ActiveBorder,
    InactiveBorder,
    AppWorkSpace,
    Highlight,
    HighlightText,
    BtnFace,
    BtnShadow,
    GrayText,
    BtnText,
    InactiveCaptionText,
    BtnHighlight,
    DkShadow3D,
    Light3D,
    InfoText,
    InfoBk
};

constexpr Color systemColor(SystemColor color)
{
    return SystemColorFlag | static_cast<Color>(color);
}

namespace Colors {

inline constexpr Color ButtonFace = systemColor(SystemColor::BtnFace);
inline constexpr Color WindowText = systemColor(SystemColor::WindowText);
inline constexpr Color GrayText = systemColor(SystemColor::GrayText);

} // namespace Colors

// Plain $00BBGGRR for any colour: system colours are looked up in the application's palette,
// other values keep their low 24 bits.
Color colorToRgb(Color color);

QColor toQColor(Color color);
Color fromQColor(const QColor &color);
