// FilledBox: a plain filled rectangle or rounded rectangle with a one-pixel outline.
#pragma once

#include "shared/Colors.h"

#include <QWidget>

class FilledBox : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool Rounded READ Rounded WRITE setRounded)
    Q_PROPERTY(quint32 BrushColor READ BrushColor WRITE setBrushColor)
    Q_PROPERTY(quint32 PenColor READ PenColor WRITE setPenColor)

public:
    explicit FilledBox(QWidget *parent = nullptr);

    bool Rounded() const { return m_rounded; }
    void setRounded(bool rounded);
    TColor BrushColor() const { return m_brushColor; }
    void setBrushColor(TColor color);
    TColor PenColor() const { return m_penColor; }
    void setPenColor(TColor color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_rounded = false;
    TColor m_brushColor = Colors::clWhite;
    TColor m_penColor = Colors::clBlack;
};
