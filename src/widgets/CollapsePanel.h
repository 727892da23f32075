// CollapsePanel: a panel that folds up to its header strip and opens again.
#pragma once

#include "shared/Colors.h"
#include "widgets/ControlAlign.h"

#include <QFrame>
#include <QGuiApplication>
#include <QPalette>
#include <QString>

class QLabel;
class QTimer;
class QToolButton;

// A raised panel with a 16-pixel header strip across its top. Collapsed, only the header (plus
// one pixel) shows; expanded, the panel has its full height again. The small button at the
// header's left shows "-" while expanded and "+" while collapsed; with AutoClose on it becomes a
// pin and the panel opens when the pointer comes over it and closes AutoCloseTime ms after the
// pointer has left it and all its children.
//
// Stacked panels: give them Align alTop (see ControlAlign), in order from the top; every height
// change then re-aligns the controls that share the parent, so the panels below follow, and
// panels taller than the page run past its bottom edge. In a QVBoxLayout the panel works too
// (fixed vertical policy, size hint = current height), but a layout squeezes the panels when
// their heights add up to more than the page.
class CollapsePanel : public QFrame {
    Q_OBJECT
    Q_PROPERTY(ControlAlign::TAlign Align READ Align WRITE setAlign)
    Q_PROPERTY(QString HeaderCaption READ HeaderCaption WRITE setHeaderCaption)
    Q_PROPERTY(bool AutoClose READ AutoClose WRITE setAutoClose)
    Q_PROPERTY(int AutoCloseTime READ AutoCloseTime WRITE setAutoCloseTime)
    Q_PROPERTY(bool Collapsed READ Collapsed WRITE setCollapsed)
    Q_PROPERTY(QString About READ About WRITE setAbout)
    Q_PROPERTY(TColor Color READ Color WRITE setColor)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(bool Pinned READ Pinned)
    Q_PROPERTY(int ExpandedHeight READ ExpandedHeight)

public:
    explicit CollapsePanel(QWidget *parent = nullptr);

    ControlAlign::TAlign Align() const { return m_align; }
    void setAlign(ControlAlign::TAlign value);
    QString HeaderCaption() const;
    void setHeaderCaption(const QString &value);
    bool AutoClose() const { return m_autoClose; }
    void setAutoClose(bool value);
    int AutoCloseTime() const { return m_autoCloseTime; }
    void setAutoCloseTime(int value);
    bool Collapsed() const { return m_collapsed; }
    void setCollapsed(bool value);
    QString About() const;
    void setAbout(const QString &value);
    // Panel colour; system colours stay symbolic and are resolved when drawing.
    TColor Color() const { return m_color; }
    void setColor(TColor value);
    // The panel's own centred caption; kept empty by the constructor so only the header shows text.
    QString Caption() const { return m_caption; }
    void setCaption(const QString &value);

    bool Pinned() const { return m_pinned; }
    int ExpandedHeight() const { return m_expandedHeight; }

    void Collapse();
    void Expand();

    // Each channel less `amount`, floored at 0 (and capped at 255 for a negative amount);
    // a system colour is resolved from `palette` first.
    static TColor Darken(TColor color, int amount, const QPalette &palette = QGuiApplication::palette());

    // The parts the panel builds and owns (also found by objectName).
    QLabel *Header() const { return m_header; }
    QToolButton *MarkerButton() const { return m_markerButton; }
    QTimer *CloseTimer() const { return m_closeTimer; }

    QSize sizeHint() const override;

signals:
    // The panel has just opened, by whatever means.
    void expanded();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void markerButtonClicked();
    void closeTimerTick();
    void stepHeight(int from, int to);
    void setPanelHeight(int height);
    void setHeaderColor(TColor color);
    void placeHeader();

    QLabel *m_header = nullptr;
    QToolButton *m_markerButton = nullptr;
    QTimer *m_closeTimer = nullptr;
    ControlAlign::TAlign m_align = ControlAlign::alNone;
    QString m_caption;
    TColor m_color = Colors::clBtnFace;
    TColor m_headerColor = Colors::clBtnFace;
    int m_expandedHeight = 0;
    bool m_collapsed = false;
    bool m_pinned = false;
    bool m_autoClose = false;
    int m_autoCloseTime = 1500;
};
