#pragma once

#include <QColor>
#include <cstdint>

// A colour as the program stores it: $00BBGGRR, red in the low byte. A value with the high bit
// set names a system colour by its index in the low byte and is resolved to the desktop's
// current palette wherever red, green and blue are needed.
using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x00000000;
inline constexpr TColor clMaroon = 0x00000080;
inline constexpr TColor clGreen = 0x00008000;
inline constexpr TColor clOlive = 0x00008080;
inline constexpr TColor clNavy = 0x00800000;
inline constexpr TColor clPurple = 0x00800080;
inline constexpr TColor clTeal = 0x00808000;
inline constexpr TColor clGray = 0x00808080;
inline constexpr TColor clSilver = 0x00C0C0C0;
inline constexpr TColor clRed = 0x000000FF;
inline constexpr TColor clLime = 0x0000FF00;
inline constexpr TColor clYellow = 0x0000FFFF;
inline constexpr TColor clBlue = 0x00FF0000;
inline constexpr TColor clFuchsia = 0x00FF00FF;
inline constexpr TColor clAqua = 0x00FFFF00;
inline constexpr TColor clWhite = 0x00FFFFFF;
inline constexpr TColor clNone = 0x1FFFFFFF;

inline constexpr TColor SystemColorFlag = 0x80000000;
inline constexpr int SystemColorCount = 25;

// The system colours the program uses by name, as indices below SystemColorFlag.
enum class SystemColor : TColor {
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

constexpr TColor systemColor(SystemColor color)
{
    return SystemColorFlag | static_cast<TColor>(color);
}

inline constexpr TColor clBtnFace = systemColor(SystemColor::BtnFace);
inline constexpr TColor clWindowText = systemColor(SystemColor::WindowText);
inline constexpr TColor clGrayText = systemColor(SystemColor::GrayText);

// Plain $00BBGGRR for any colour: system colours are looked up in the application's palette,
// other values keep their low 24 bits.
TColor colorToRgb(TColor color);

QColor toQColor(TColor color);
TColor fromQColor(const QColor &color);
