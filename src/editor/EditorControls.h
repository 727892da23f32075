// The controls the phrase-file editor builds on: the rich-text box with its formatting
// rectangle, the ruler with its tick caption, the ruler's three markers drawn as shapes, the
// up-down arrows of the size box, and the speed-bar pictures.
#pragma once

#include <QFrame>
#include <QIcon>
#include <QTextEdit>

class QLineEdit;
class QToolButton;

// The rich-text box: a QTextEdit whose text keeps a margin free on the left and right.
class RichEdit : public QTextEdit {
    Q_OBJECT
public:
    explicit RichEdit(QWidget *parent = nullptr);
    // The formatting rectangle: the text runs from left to the box's width minus right.
    void setFormattingMargins(int left, int right);
};

// The ruler: a panel whose caption is drawn with its tabs expanded, so that a string of tabs
// and bars puts a tick at every tab stop.
class RulerPanel : public QFrame {
    Q_OBJECT
public:
    explicit RulerPanel(QWidget *parent = nullptr);
    void setCaption(const QString &caption);
    // The distance between two tab stops: eight average characters of the ruler's font.
    int tabStopWidth() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_caption;
};

// One marker of the ruler: a small triangle pointing down (the first line) or up (the left and
// right edges), which the mouse drags and the arrow keys step.
class RulerMarker : public QWidget {
    Q_OBJECT
public:
    enum Shape { PointingDown, PointingUp };
    RulerMarker(Shape shape, QWidget *parent = nullptr);

signals:
    void mouseDown(int x);
    void mouseMove(int x);
    void mouseUp();
    // An arrow key moved the marker by this many pixels.
    void stepped(int pixels);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    Shape m_shape;
};

// Up and down arrows that step the whole number in their buddy edit box by one, within
// 0 ... 100; the Up and Down keys in the box do the same.
class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget *parent = nullptr);
    void setBuddy(QLineEdit *buddy);
    void step(int delta);

    static constexpr int minimum = 0;
    static constexpr int maximum = 100;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *m_buddy = nullptr;
    QToolButton *m_up = nullptr;
    QToolButton *m_down = nullptr;
    int m_position = 0;
};

namespace EditorPictures {

// The picture of a speed button, drawn for this program: "open", "save", "print", "undo",
// "cut", "copy", "paste", "bold", "italic", "underline", "left", "center", "right", "bullets".
QIcon picture(const QString &name);

} // namespace EditorPictures
