// Gauge: a value within a range shown as a percentage, as text, bar, pie or needle dial.
#pragma once

#include "shared/Colors.h"

#include <QWidget>

class Gauge : public QWidget {
    Q_OBJECT
public:
    enum TGaugeKind : quint8 { gkText = 0, gkHorizontalBar = 1, gkVerticalBar = 2, gkPie = 3, gkNeedle = 4 };
    Q_ENUM(TGaugeKind)
    enum TBorderStyle : quint8 { bsNone = 0, bsSingle = 1 };
    Q_ENUM(TBorderStyle)

private:
    Q_PROPERTY(TColor BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(TBorderStyle BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(TColor Color READ Color WRITE setColor)
    Q_PROPERTY(TColor ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(TGaugeKind Kind READ Kind WRITE setKind)
    Q_PROPERTY(int MinValue READ MinValue WRITE setMinValue)
    Q_PROPERTY(int MaxValue READ MaxValue WRITE setMaxValue)
    Q_PROPERTY(int Progress READ Progress WRITE setProgress)
    Q_PROPERTY(bool ShowText READ ShowText WRITE setShowText)
    Q_PROPERTY(int Percentage READ Percentage)

public:
    explicit Gauge(QWidget *parent = nullptr);

    TColor BackColor() const { return m_backColor; }
    TBorderStyle BorderStyle() const { return m_borderStyle; }
    TColor Color() const { return m_color; }
    TColor ForeColor() const { return m_foreColor; }
    TGaugeKind Kind() const { return m_kind; }
    int MinValue() const { return m_minValue; }
    int MaxValue() const { return m_maxValue; }
    int Progress() const { return m_progress; }
    bool ShowText() const { return m_showText; }

    // The appearance setters repaint at once when the value changes.
    void setBackColor(TColor value);
    void setBorderStyle(TBorderStyle value);
    void setForeColor(TColor value);
    void setKind(TGaugeKind value);
    void setShowText(bool value);
    // The colour outside the pie's and the dial's circle; repaints later.
    void setColor(TColor value);

    // Throw AppError "Value must be between ..." when the range would be inverted, unless the
    // gauge is loading; otherwise they pull Progress into the new range and repaint at once.
    void setMinValue(int value);
    void setMaxValue(int value);
    // Clamps into MinValue..MaxValue; repaints only when the whole percentage changes.
    void setProgress(int value);
    // What screen readers call the gauge ("Tablero"); they read it with its percentage,
    // "Tablero: 75 %", kept up to date as the value changes.
    void setAccessibleCaption(const QString &caption);

    // Where Progress stands in the range, truncated: 1 of 3 gives 33. 0 for an empty range.
    int Percentage() const;

    // While a gauge is loading, MinValue and MaxValue are taken as they come, so that design
    // values can be applied in any order. setLoading marks one gauge; a LoadingScope marks
    // every gauge for its lifetime (wrap a window's setupUi in one).
    void setLoading(bool loading) { m_loading = loading; }
    bool isLoading() const;
    class LoadingScope {
    public:
        LoadingScope();
        ~LoadingScope();
        LoadingScope(const LoadingScope &) = delete;
        LoadingScope &operator=(const LoadingScope &) = delete;
    };

    // Percentage x 0.01 x size in 80-bit extended arithmetic, truncated: the constant 0.01
    // rounds just below 0.01, so 10 % of 10 gives 0 and 50 % of 98 gives 49. The same result
    // on every compiler, whatever its long double.
    static int FillLength(int percentage, int size);
    // The pie's first radial point for a percentage in a disc whose half-sizes are mx and my.
    static QPoint PieRadial(int percentage, int mx, int my);
    // The needle's far end for a percentage, pivoting on (mx, baseY).
    static QPoint NeedleTip(int percentage, int mx, int baseY);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The whole picture, composed off screen in the device pixels of a surface of the given
    // pixel ratio, so that a sharper screen gets finer edges and glyphs, not larger pixels.
    QImage Paint(qreal devicePixelRatio) const;

    TColor m_backColor = Colors::clWhite;
    TBorderStyle m_borderStyle = bsSingle;
    TColor m_color = Colors::clBtnFace;
    TColor m_foreColor = Colors::clBlack;
    TGaugeKind m_kind = gkHorizontalBar;
    int m_minValue = 0;
    int m_maxValue = 100;
    int m_progress = 0;
    bool m_showText = true;
    bool m_loading = false;

private:
    void updateAccessibleName();
    QString m_accessibleCaption;
};

// The kinds at namespace scope, as callers write them.
using TGaugeKind = Gauge::TGaugeKind;
inline constexpr TGaugeKind gkText = Gauge::gkText;
inline constexpr TGaugeKind gkHorizontalBar = Gauge::gkHorizontalBar;
inline constexpr TGaugeKind gkVerticalBar = Gauge::gkVerticalBar;
inline constexpr TGaugeKind gkPie = Gauge::gkPie;
inline constexpr TGaugeKind gkNeedle = Gauge::gkNeedle;
