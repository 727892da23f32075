// SelPanel: a pop-up column of word rows over a background picture; a click reports the row.
#pragma once

#include "shared/Colors.h"

#include <QImage>
#include <QStringList>
#include <QWidget>

class SelPanel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QStringList StringListValues READ StringListValues WRITE setStringListValues)
    Q_PROPERTY(QFont Font READ font WRITE setFont)
    Q_PROPERTY(TColor FontColor READ FontColor WRITE setFontColor)
    Q_PROPERTY(QImage Bitmap READ Bitmap WRITE setBitmap)
    Q_PROPERTY(QImage IcoBMP READ IcoBMP WRITE setIcoBMP)
    Q_PROPERTY(bool Activa READ Activa WRITE setActiva)
    Q_PROPERTY(bool XP READ XP WRITE setXP)
    Q_PROPERTY(QString Resp READ Resp)

public:
    explicit SelPanel(QWidget *parent = nullptr);

    const QStringList &StringListValues() const { return m_items; }
    void setStringListValues(const QStringList &values);
    TColor FontColor() const { return m_fontColor; }
    void setFontColor(TColor color);
    const QImage &Bitmap() const { return m_bitmap; }
    void setBitmap(const QImage &bitmap);
    const QImage &IcoBMP() const { return m_icoBmp; }
    void setIcoBMP(const QImage &icons);
    bool Activa() const { return m_activa; }
    void setActiva(bool activa);
    bool XP() const { return m_xp; }
    void setXP(bool xp);
    const QString &Resp() const { return m_resp; }

    int ItemCount() const { return int(m_items.size()); }
    int SelIndex() const { return m_selIndex; }
    int HoverTop() const { return m_hoverTop; }
    // Height of one row: twice the font's character height in pixels.
    int RowHeight() const;

    QSize sizeHint() const override;

    // Reports Resp and SelIndex through OnChange; overridable by subclasses.
    virtual void Change();

signals:
    void OnChange(SelPanel *Sender, const QString &Value, int Index);
    void OnEnter(SelPanel *Sender);
    void OnExit(SelPanel *Sender);
    void OnMouseDown(SelPanel *Sender);
    void OnMouseUp(SelPanel *Sender);
    void OnMouseMove(SelPanel *Sender);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    int fontPixelHeight() const;
    void applyHeight();
    int rowTop(int row) const;
    const QImage &background() const;
    QImage iconCell(int x, int width) const;
    void drawItemText(QPainter &painter, int index, int top) const;
    void drawBevel(QPainter &painter, int top, int bottom) const;

    QStringList m_items;
    TColor m_fontColor = Colors::clWindowText;
    QImage m_bitmap;
    QImage m_icoBmp;
    bool m_activa = false;
    bool m_xp = false;
    QString m_resp;
    int m_selIndex = 0;
    int m_hoverTop = 0;
    // The background picture with the row icons laid on it, rebuilt when either changes.
    mutable QImage m_background;
    mutable bool m_backgroundDirty = true;
};
