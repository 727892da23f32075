// Colours as the program stores them: 0x00BBGGRR values, or a system colour kept symbolic and
// resolved from the palette only when drawing.
#pragma once

#include <QColor>
#include <QPalette>
#include <QtGlobal>

using TColor = quint32;

namespace Colors {

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;

// System colours: the high bit marks them, the low byte names the role.
constexpr TColor systemColorFlag = 0x80000000;
constexpr TColor clWindow = systemColorFlag | 5;
constexpr TColor clWindowFrame = systemColorFlag | 6;
constexpr TColor clWindowText = systemColorFlag | 8;
constexpr TColor clHighlight = systemColorFlag | 13;
constexpr TColor clHighlightText = systemColorFlag | 14;
constexpr TColor clBtnFace = systemColorFlag | 15;
constexpr TColor clBtnShadow = systemColorFlag | 16;
constexpr TColor clGrayText = systemColorFlag | 17;
constexpr TColor clBtnText = systemColorFlag | 18;
constexpr TColor clBtnHighlight = systemColorFlag | 20;

constexpr TColor rgb(int red, int green, int blue)
{
    return TColor(red & 0xFF) | (TColor(green & 0xFF) << 8) | (TColor(blue & 0xFF) << 16);
}

// The score strip's box and its total gauge, on screen and on the printed results page.
constexpr TColor stripBlue = rgb(0, 64, 128);
constexpr TColor stripTotalGreen = rgb(0, 255, 64);

constexpr bool isSystemColor(TColor color) { return (color & systemColorFlag) != 0; }

// A stored colour as a QColor; system colours come from the given palette.
QColor toQColor(TColor color, const QPalette &palette);
// The same with the application's palette.
QColor toQColor(TColor color);

} // namespace Colors
