// TextAttributes: the colours, alignment and font style of one line of the text viewer.
#pragma once

#include "shared/Colors.h"

#include <QFont>
#include <QtGlobal>

class TextAttributes {
public:
    enum Alignment : quint8 { AlignLeft = 0, AlignCenter = 1, AlignRight = 2 };
    // Font style bits.
    enum StyleBit : quint8 { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

    TextAttributes() = default;
    TextAttributes(TColor fontColor, TColor backColor, quint8 alignment = AlignLeft, quint8 style = 0)
        : FontColor(fontColor), BackColor(backColor), Alignment(alignment), Style(style)
    {
    }

    bool hasStyle(StyleBit bit) const { return (Style & bit) != 0; }
    // The base font with this line's style bits applied.
    QFont styledFont(const QFont &base) const;

    TColor FontColor = Colors::clWindowText;
    TColor BackColor = Colors::clWindow;
    quint8 Alignment = AlignLeft;
    quint8 Style = 0;
};
