#include "base/color.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

QColor systemPaletteColor(Color index)
{
    const QPalette palette = QGuiApplication::palette();
    switch (static_cast<SystemColor>(index)) {
    case SystemColor::ScrollBar:
    case SystemColor::BtnFace:
    case SystemColor::Menu:
    case SystemColor::ActiveBorder:
    case SystemColor::InactiveBorder:
        return palette.color(QPalette::Button);
    case SystemColor::Background:
    case SystemColor::AppWorkSpace:
        return palette.color(QPalette::Window);
    case SystemColor::ActiveCaption:
    case SystemColor::Highlight:
        return palette.color(QPalette::Active, QPalette::Highlight);
    case SystemColor::InactiveCaption:
        return palette.color(QPalette::Inactive, QPalette::Highlight);
    case SystemColor::Window:
        return palette.color(QPalette::Base);
    case SystemColor::WindowFrame:
    case SystemColor::DkShadow3D:
        return palette.color(QPalette::Shadow);
    case SystemColor::MenuText:
    case SystemColor::WindowText:
        return palette.color(QPalette::Text);
    case SystemColor::CaptionText:
    case SystemColor::HighlightText:
        return palette.color(QPalette::Active, QPalette::HighlightedText);
    case SystemColor::InactiveCaptionText:
        return palette.color(QPalette::Inactive, QPalette::HighlightedText);
    case SystemColor::BtnShadow:
        return palette.color(QPalette::Dark);
    case SystemColor::GrayText:
        return palette.color(QPalette::Disabled, QPalette::Text);
    case SystemColor::BtnText:
        return palette.color(QPalette::ButtonText);
    case SystemColor::BtnHighlight:
        return palette.color(QPalette::Light);
    case SystemColor::Light3D:
        return palette.color(QPalette::Midlight);
    case SystemColor::InfoText:
        return palette.color(QPalette::ToolTipText);
    case SystemColor::InfoBk:
        return palette.color(QPalette::ToolTipBase);
    }
    // An index the desktop does not know reads as black, as an unknown system colour does.
    return Qt::black;
}

} // namespace

Color colorToRgb(Color color)
{
    if (color & SystemColorFlag)
        return fromQColor(systemPaletteColor(color & 0xFF));
    return color & 0x00FFFFFF;
}

QColor toQColor(Color color)
{
    const Color rgb = colorToRgb(color);
    return QColor(int(rgb & 0xFF), int((rgb >> 8) & 0xFF), int((rgb >> 16) & 0xFF));
}

Color fromQColor(const QColor &color)
{
    return Color(color.red()) | Color(color.green()) << 8 | Color(color.blue()) << 16;
}
