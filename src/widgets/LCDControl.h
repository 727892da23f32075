// LCDControl: a green-on-black LCD counter, a bar column above seven-segment digits.
#pragma once

#include <QRegion>
#include <QWidget>

class QPainter;

class LCDControl : public QWidget {
    Q_OBJECT
public:
    // Suffix glyph written after the digits.
    enum TNumberType : quint8 { ntNone = 0, ntCharK = 1, ntPercent = 2 };
    Q_ENUM(TNumberType)

private:
    Q_PROPERTY(int Number READ Number WRITE SetNumber)
    Q_PROPERTY(TNumberType NumberType READ NumberType WRITE SetNumberType)
    Q_PROPERTY(int NumberMax READ NumberMax WRITE SetNumberMax)

public:
    explicit LCDControl(QWidget *parent = nullptr);

    int Number() const { return m_number; }
    TNumberType NumberType() const { return m_numberType; }
    int NumberMax() const { return m_numberMax; }

    // Ignored when equal or above NumberMax; otherwise the bar and the digits are redrawn at
    // once, and only they.
    void SetNumber(int value);
    // What screen readers call the counter ("Aciertos"); they read it with the number,
    // "Aciertos: 2", kept up to date as the number changes.
    void setAccessibleCaption(const QString &caption);
    // Ignored unless the new suffix differs; redraws the bar and digits at once.
    void SetNumberType(TNumberType value);
    // Ignored unless value > 0 and value >= Number; otherwise the whole control repaints later.
    void SetNumberMax(int value);

    // Width in pixels of the digits and suffix: 8 per glyph.
    int TextWidth() const;

    QSize sizeHint() const override;

    // Glyph size and the colours of the display.
    static constexpr int glyphWidth = 7;
    static constexpr int glyphHeight = 11;
    static constexpr int glyphAdvance = 8;
    static constexpr int segmentWidth = 16;
    static constexpr int segmentHeight = 2;
    static constexpr QRgb litColor = 0xFF00FF00;
    static constexpr QRgb dimColor = 0xFF008000;
    static constexpr QRgb blankColor = 0xFF000000;

    // The shared glyph images, built once from the tables in the source. The digit images are
    // indexed 0 to 9; the minus sign is the program's own, for negative numbers.
    static const QImage &digitImage(int digit);
    static const QImage &charKImage();
    static const QImage &percentImage();
    static const QImage &minusImage();
    static const QImage &segmentOnImage();
    static const QImage &segmentOffImage();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void Paint(QPainter &painter);
    void DrawValue(QPainter &painter);
    void DrawBar(QPainter &painter, const QRect &bounds, int n);
    // The pixels DrawValue can touch for the current state: the bar column, the digit strip and
    // the digits themselves (which may overflow the strip when the number is long).
    QRegion valueRegion() const;
    // Redraws exactly the value area, old and new, synchronously.
    void redrawValue(const QRegion &before);
    QRect barBounds() const;
    int barRows(const QRect &bounds) const;

    int m_number = 0;
    TNumberType m_numberType = ntNone;
    int m_numberMax = 100;

private:
    void updateAccessibleName();
    QString m_accessibleCaption;
};

// The suffix names at namespace scope, as callers write them.
using TNumberType = LCDControl::TNumberType;
inline constexpr TNumberType ntNone = LCDControl::ntNone;
inline constexpr TNumberType ntCharK = LCDControl::ntCharK;
inline constexpr TNumberType ntPercent = LCDControl::ntPercent;
