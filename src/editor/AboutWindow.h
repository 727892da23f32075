// The information window AboutWindow: the program's title and credits, a link to its web page
// and two figures about the computer's memory, taken at each opening.
#pragma once

#include <QDialog>
#include <QLabel>

class QFrame;
class QLocale;
class QPushButton;

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
    // " KB"; the memory load as "%d %".
    static QString physicalMemoryCaption(quint64 bytes, const QLocale &locale);
    static QString memoryLoadCaption(int load);

    QLabel *ProgramIcon = nullptr;
    QLabel *Label1 = nullptr;
    LinkLabel *Label6 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label5 = nullptr;
    QFrame *Bevel1 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *PhysMem = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *FreeRes = nullptr;
    QPushButton *OKButton = nullptr;

public slots:
    void FormCreate();
    void OKButtonClick();
    void Label6Click();
};
