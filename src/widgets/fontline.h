#pragma once

class QFont;

// The line that a font's file reserves for its glyphs: its clipping box (usWinAscent and
// usWinDescent), which the windows' layouts were measured with. For fonts that ask for it, Qt
// reports the shorter typographic line instead, above which accented capitals rise.
struct FontLine
{
    int ascent = 0;
    int descent = 0;

    int height() const { return ascent + descent; }
};

// Never shorter than the line Qt reports, also for a font without that box.
FontLine fullFontLine(const QFont &font);
