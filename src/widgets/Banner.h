// Banner: a decoration that draws one shape, or a grid of the same shape, with optional shadow.
#pragma once

#include "shared/Colors.h"
#include "widgets/ControlAlign.h"

#include <QFont>
#include <QString>
#include <QWidget>

class QPainter;

// A windowless decoration: rectangles, rounded rectangles, diamonds, ellipses, triangles, lines
// or its own text, once or repeated, each optionally over a drop shadow. Triangles, lines and
// text can be turned by an angle.
//
// The font's colour and `Color` are one value: `FontColor` and `Color` always read the same, and
// assigning either assigns both. The font itself is the widget's own font (`font()`/`setFont()`,
// published as `Font`); `ParentFont` tells whether it is still inherited from the parent.
class Banner : public QWidget {
    Q_OBJECT
    Q_PROPERTY(ControlAlign::TAlign Align READ Align WRITE setAlign)
    Q_PROPERTY(TColor Color READ Color WRITE setColor)
    Q_PROPERTY(QFont Font READ font WRITE setFont)
    Q_PROPERTY(TColor FontColor READ FontColor WRITE setFontColor)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE setParentColor)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE setParentFont)
    Q_PROPERTY(QString Text READ Text WRITE setText)
    Q_PROPERTY(int Angle READ Angle WRITE setAngle)
    Q_PROPERTY(bool Filled READ Filled WRITE setFilled)
    Q_PROPERTY(TRepeatMode RepeatMode READ RepeatMode WRITE setRepeatMode)
    Q_PROPERTY(BannerShapeType ShapeType READ ShapeType WRITE setShapeType)
    Q_PROPERTY(int ShapeH READ ShapeH WRITE setShapeH)
    Q_PROPERTY(int ShapeW READ ShapeW WRITE setShapeW)
    Q_PROPERTY(int XSpacing READ XSpacing WRITE setXSpacing)
    Q_PROPERTY(int YSpacing READ YSpacing WRITE setYSpacing)
    Q_PROPERTY(int XMargin READ XMargin WRITE setXMargin)
    Q_PROPERTY(int YMargin READ YMargin WRITE setYMargin)
    Q_PROPERTY(bool Border READ Border WRITE setBorder)
    Q_PROPERTY(TColor BorderColor READ BorderColor WRITE setBorderColor)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE setBorderWidth)
    Q_PROPERTY(bool Shadow READ Shadow WRITE setShadow)
    Q_PROPERTY(TColor ShadowColor READ ShadowColor WRITE setShadowColor)
    Q_PROPERTY(int ShadowX READ ShadowX WRITE setShadowX)
    Q_PROPERTY(int ShadowY READ ShadowY WRITE setShadowY)
    Q_PROPERTY(bool FitMode READ FitMode)

public:
    enum BannerShapeType { msRectangle, msRoundRect, msDiamond, msEllipse, msTriangle, msLine, msText };
    Q_ENUM(BannerShapeType)
    enum TRepeatMode { rpNone, rpVert, rpHoriz, rpBoth };
    Q_ENUM(TRepeatMode)
    // Placement against the parent's edges, kept when the parent is resized (see ControlAlign).
    using TAlign = ControlAlign::TAlign;
    static constexpr TAlign alNone = ControlAlign::alNone;
    static constexpr TAlign alTop = ControlAlign::alTop;
    static constexpr TAlign alBottom = ControlAlign::alBottom;
    static constexpr TAlign alLeft = ControlAlign::alLeft;
    static constexpr TAlign alRight = ControlAlign::alRight;
    static constexpr TAlign alClient = ControlAlign::alClient;

    explicit Banner(QWidget *parent = nullptr);

    TAlign Align() const { return m_align; }
    void setAlign(TAlign value);
    TColor Color() const;
    void setColor(TColor value);
    TColor FontColor() const { return Color(); }
    void setFontColor(TColor value);
    bool ParentColor() const { return m_parentColor; }
    void setParentColor(bool value);
    bool ParentFont() const;
    void setParentFont(bool value);
    QString Text() const { return m_text; }
    void setText(const QString &value);
    int Angle() const { return m_angle; }
    void setAngle(int value);
    bool Filled() const { return m_filled; }
    void setFilled(bool value);
    TRepeatMode RepeatMode() const { return m_repeatMode; }
    void setRepeatMode(TRepeatMode value);
    BannerShapeType ShapeType() const { return m_shapeType; }
    void setShapeType(BannerShapeType value);
    int ShapeH() const;
    void setShapeH(int value);
    int ShapeW() const;
    void setShapeW(int value);
    int XSpacing() const { return m_xSpacing; }
    void setXSpacing(int value);
    int YSpacing() const { return m_ySpacing; }
    void setYSpacing(int value);
    int XMargin() const { return m_xMargin; }
    void setXMargin(int value);
    int YMargin() const { return m_yMargin; }
    void setYMargin(int value);
    bool Border() const { return m_border; }
    void setBorder(bool value);
    TColor BorderColor() const { return m_borderColor; }
    void setBorderColor(TColor value);
    int BorderWidth() const { return m_borderWidth; }
    void setBorderWidth(int value);
    bool Shadow() const { return m_shadow; }
    void setShadow(bool value);
    TColor ShadowColor() const { return m_shadowColor; }
    void setShadowColor(TColor value);
    int ShadowX() const { return m_shadowX; }
    void setShadowX(int value);
    int ShadowY() const { return m_shadowY; }
    void setShadowY(int value);

    // On while RepeatMode is rpNone: the cell size then follows the control's size.
    bool FitMode() const { return m_fitMode; }
    // How far the reference point of the turned text lies from the middle of its cell, as the
    // text shape is painted with the current text, font and angle.
    int TextOffsetX() const;
    int TextOffsetY() const;

    // Moves and sizes the control in one step and applies the fit rule at once, also while
    // hidden (Qt delivers resize events to hidden widgets only when they are shown).
    void setBounds(int left, int top, int width, int height);

    // Number of columns and rows the current settings draw.
    int Columns() const;
    int Rows() const;

    // The angle a value is stored as: wrapped into -179..180, and snapped to a multiple of 45
    // when `snapTo45` (triangles and lines).
    static int normalizedAngle(int value, bool snapTo45);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void drawShape(QPainter &painter, int x, int y);
    void drawFigure(QPainter &painter, int x, int y, bool shadow);
    QFont rotatedFont() const;
    QPoint textOffset() const;
    TColor parentsColor() const;
    void fitControlToShape();
    void fitShapeToControl(bool withShadow) const;
    void syncFit() const;

    TAlign m_align = alNone;
    TColor m_color = Colors::clNavy;
    bool m_parentColor = false;
    QString m_text;
    int m_angle = 0;
    bool m_filled = true;
    TRepeatMode m_repeatMode = rpBoth;
    BannerShapeType m_shapeType = msRectangle;
    mutable int m_shapeH = 10;
    mutable int m_shapeW = 10;
    int m_xSpacing = 20;
    int m_ySpacing = 20;
    int m_xMargin = 0;
    int m_yMargin = 0;
    bool m_border = false;
    TColor m_borderColor = Colors::clBlack;
    int m_borderWidth = 1;
    bool m_shadow = false;
    TColor m_shadowColor = Colors::clGray;
    int m_shadowX = 2;
    int m_shadowY = 2;
    bool m_fitMode = false;
    // Per paint of the text shape: the turned font and the offsets of the text's middle.
    QFont m_rotatedFont;
    QPoint m_textOffset;
    // Size the fit rules last saw. Qt resizes a hidden widget without telling it, so the cell
    // size is brought up to date whenever it is read or used.
    mutable QSize m_fittedSize;
};
