// Banner: one line of text, centred, over an optional shadow.
#pragma once

#include "shared/Colors.h"

#include <QRect>
#include <QString>
#include <QWidget>

// A windowless decoration that draws its text in the widget's font, centred on its cell. With a
// shadow, the same text in the shadow's colour lies two pixels lower and to the right, and the
// cell is the control less those two pixels.
class Banner : public QWidget {
    Q_OBJECT
    Q_PROPERTY(TColor Color READ Color WRITE setColor)
    Q_PROPERTY(QString Text READ Text WRITE setText)
    Q_PROPERTY(bool Shadow READ Shadow WRITE setShadow)
    Q_PROPERTY(TColor ShadowColor READ ShadowColor WRITE setShadowColor)

public:
    explicit Banner(QWidget *parent = nullptr);

    TColor Color() const { return m_color; }
    void setColor(TColor value);
    QString Text() const { return m_text; }
    void setText(const QString &value);
    bool Shadow() const { return m_shadow; }
    void setShadow(bool value);
    TColor ShadowColor() const { return m_shadowColor; }
    void setShadowColor(TColor value);

    // Where the text is centred.
    QRect cell() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TColor m_color = Colors::clNavy;
    QString m_text;
    bool m_shadow = false;
    TColor m_shadowColor = Colors::clGray;
};
