// The information window AboutWindow: the program's title and credits, a link to its web page
// and two figures about the computer's memory, taken at each opening.
#pragma once

#include <QDialog>
#include <QLabel>

class QLocale;

// A label that acts on a click, and on Enter or Space when it has the focus.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

class AboutWindow : public QDialog {
    Q_OBJECT
public:
    // The program's own credits.
    static const QString authorName;
    static const QString webAddress;
    static const QString creditLine;

    explicit AboutWindow(QWidget *parent = nullptr);

    // Every opening: a fresh window owned by the caller, shown modally and freed.
    static void open(QWidget *owner);

    // Total physical memory as "#,###" kilobytes with the locale's thousands separator, then
    // " KB".
    static QString physicalMemoryCaption(quint64 bytes, const QLocale &locale);

private:
    // The memory figures of this moment, read at each opening.
    void showMemoryFigures();
    void openWebPage();

    LinkLabel *m_webLink = nullptr;
    QLabel *m_totalMemory = nullptr;
    QLabel *m_memoryLoad = nullptr;
};
